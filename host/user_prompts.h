// What the host asks its user when the dialog is left to them: the system's file and colour
// choosers, and the plug-in's help document in the browser.
#pragma once

#include "frame/host_records.h"

#include <string>

// buffer: MAX_PATH bytes holding the current name; receives the chosen path.
bool AskForFile(HWND owner, char *buffer);
bool AskForColour(HWND owner, ColourRequest &request);
// topic: a document name, "#", an anchor; the document lies in the "html" folder beside
// the plug-in, or beside it.
bool ShowHelpDocument(const std::string &pluginFolder, const std::string &topic,
                      std::string &error);

// The plug-in's string table and its message boxes, all captioned "Message".
#pragma once

#include <windows.h>

// The string, in a buffer shared by every call (256 characters); when the table cannot give
// it, a text saying the table is damaged.
const char *LoadPluginString(UINT id);
void ShowMessage(HWND owner, const char *text);

// The plug-in's configuration file "ZXFXPLG1.INI" in the user's application-data folder,
// edited before a run so that a script can choose the effect and its settings.
#pragma once

#include <string>
#include <utility>
#include <vector>

// The file's full path; the "Quintrel" folder is created when missing. Empty on failure.
std::string ConfigFilePath();
// Deletes the file first when fresh, then writes every key of settings into the "[PlugIn]"
// section; every other line keeps its place. False with a reason in error.
bool EditConfigFile(bool fresh, const std::vector<std::pair<std::string, std::string>> &settings,
                    std::string &error);

// Where the plug-in keeps its files: the configuration folder in the user's application data,
// the marker list folder inside it, and the sample folder in the user's documents.
#pragma once

#include <string>

// Each path is empty when the shell cannot report the user's folder; files are then neither
// read nor written.
std::string ConfigurationPath(const char *name);
std::string ListFolderPath(const char *name);
std::string SampleFolderPath(const char *name);

// Makes the configuration folder another one (tests point it at a scratch folder so that a
// user's own settings are never touched); an empty folder restores the real one.
void OverrideConfigurationFolder(const std::string &folder);

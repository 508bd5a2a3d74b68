// The plug-in's configuration file "ZXFXPLG1.INI": every setting as a "key = value" line,
// read when the main dialog starts and rewritten in full when it closes.
#pragma once

#include <string>

extern const char kConfigurationFileName[];

// Reads the file into the settings unless Shift is held; returns false when Shift skipped it.
// A missing or unreadable file leaves every setting as it is.
bool ReadSettings();
// Rewrites the file from the settings; a file that cannot be written is left as it was.
void WriteSettings();

// The same for any file; WriteSettingsFile returns false when the file could not be replaced.
void ReadSettingsFile(const std::string &path);
bool WriteSettingsFile(const std::string &path);

// Shift held at start: the ten sample file names become full paths in the sample folder.
void UseSampleFolderForFileNames();

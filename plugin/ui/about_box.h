// The About box (dialog resource 9998): the product's name, version and logo, its help
// topic, its licence text and the maker's web page.
#pragma once

#include <windows.h>

extern const char kLicenseFailedMessage[];
extern const char kWebPageFailedMessage[];

void RunAboutBox(HWND owner);
// The version line, "Version 2.0a (patch 15)".
void FormatVersionLine(char *text, size_t size);

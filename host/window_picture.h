// Saves what a window shows as a .png or .bmp picture.
#pragma once

#include <windows.h>

#include <string>

bool SaveWindowPicture(HWND window, const std::string &path, std::string &error);

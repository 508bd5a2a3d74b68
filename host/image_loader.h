// HOST_LOAD_IMAGE: a BMP, GIF, PNG or JPEG file decoded by the platform's imaging component
// into a 24-bit packed image.
#pragma once

#include <windows.h>

#include <string>

// The caller owns the block. Null with a reason in error when the file cannot be read.
// COM must be initialised on the calling thread.
HGLOBAL LoadImageFile(const std::string &path, std::string &error);

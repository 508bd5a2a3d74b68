// Writes PNG files: a committed document of any depth as an animated PNG, and single
// pictures (the dialog's screenshot).
#pragma once

#include "host/document.h"

#include <cstdint>
#include <string>
#include <vector>

// A picture as 8-bit red, green, blue, alpha samples, rows top-down.
struct RgbaPicture {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> samples;
};

// The document has at least one frame. delaysInMilliseconds: the host is not a GIF-type
// host (delays in milliseconds, else in hundredths). Transparent pixels are fully transparent and
// frames are blended over the previous one without disposal, as a GIF of the same document shows.
bool WriteApng(const Document &document, bool delaysInMilliseconds, const std::string &path,
               std::string &error);
bool WritePng(const RgbaPicture &picture, const std::string &path, std::string &error);

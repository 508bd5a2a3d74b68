// Writes a picture as a Windows bitmap file, the form resource scripts take bitmaps in.
#pragma once

#include "gdi_canvas.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

// 24-bit pictures keep their colours; 8-bit ones take the blue level as the index into the
// table of 256 entries.
inline bool WriteBitmap(const std::string &path, const Picture &picture, const RGBQUAD *table,
                        int bits)
{
    const int stride = ((picture.width * bits + 31) / 32) * 4;
    const int colours = bits <= 8 ? 1 << bits : 0;
    BITMAPINFOHEADER info = {};
    info.biSize = sizeof info;
    info.biWidth = picture.width;
    info.biHeight = picture.height;
    info.biPlanes = 1;
    info.biBitCount = static_cast<WORD>(bits);
    info.biSizeImage = stride * picture.height;
    info.biClrUsed = info.biClrImportant = colours;
    const DWORD offset = sizeof(BITMAPFILEHEADER) + sizeof info + 4 * colours;
    BITMAPFILEHEADER file = {0x4D42, offset + info.biSizeImage, 0, 0, offset};

    FILE *out = std::fopen(path.c_str(), "wb");
    if (!out)
        return false;
    std::fwrite(&file, sizeof file, 1, out);
    std::fwrite(&info, sizeof info, 1, out);
    if (colours)
        std::fwrite(table, 4, colours, out);
    std::vector<uint8_t> row(stride);
    for (int y = picture.height - 1; y >= 0; y--) { // bottom-up
        const uint8_t *source = &picture.bgr[3 * picture.width * y];
        for (int x = 0; x < picture.width; x++) {
            if (bits == 24)
                std::copy(source + 3 * x, source + 3 * x + 3, &row[3 * x]);
            else
                row[x] = source[3 * x]; // grey pictures: the index is the level
        }
        std::fwrite(row.data(), 1, row.size(), out);
    }
    return std::fclose(out) == 0;
}

// Drawing packed images on device contexts, with the logical palettes palette screens need.
#pragma once

#include <windows.h>

#include <cstdint>

// What SelectImagePalette obtained, for ReleaseImagePalette to give back.
struct PaletteHolder {
    HPALETTE palette;  // the logical palette created
    HPALETTE previous; // the palette selected before it
    HGLOBAL memory;    // the LOGPALETTE block it was made from
};

// Builds a logical palette from an RGB palette (counts 2-16 become 16, 17-256 become 256;
// above 256 nothing is made), selects it as a foreground palette and realises it. Returns 1,
// or 0 when memory fails.
int SelectImagePalette(HDC dc, PaletteHolder *holder, const uint8_t *palette, int count);
// Reselects the previous palette, deletes the logical palette, frees its memory and clears
// the holder.
void ReleaseImagePalette(HDC dc, PaletteHolder *holder);
// Draws the packed image 1:1 with its top-left corner at (x, y); nothing when the handle is
// empty or cannot be locked.
void DrawPackedImage(HDC dc, int x, int y, HGLOBAL image);
// The bitmap of a locked packed image, made for the device context (its palette selected).
HBITMAP CreateImageBitmap(HDC dc, const BITMAPINFOHEADER *image);

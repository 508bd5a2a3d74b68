// Packed images: a bottom-up device-independent bitmap (header, colour table, pixel rows)
// in one movable global block. Coordinates are top-down; colours are 0x00BBGGRR values, or
// palette indices at 8 bits and below; -1 means no pixel.
#pragma once

#include <windows.h>

#include <cstdint>

// A locked packed image begins with its bitmap header.
using PackedImage = BITMAPINFOHEADER;

constexpr int kPaletteBytes = 768; // 256 entries of red, green, blue

// Depths round up to 1, 4, 8, 24 or 32 bits.
int RoundImageDepth(int bits);
int ImageStride(int width, int bits);
int ColourTableEntries(int bits);
// Offset of the pixel rows, from the bit count alone (artwork carries 24-bit images whose
// biClrUsed is 16777216 and which have no colour table).
int ImagePixelOffset(int bits);

uint8_t *ImagePixels(PackedImage *image);
const uint8_t *ImagePixels(const PackedImage *image);
// The stored bytes of picture row y (top-down).
uint8_t *ImageRow(PackedImage *image, int y);
const uint8_t *ImageRow(const PackedImage *image, int y);

// A new zeroed image; with a palette, colour-table entry i comes from palette entry i.
HGLOBAL CreatePackedImage(int width, int height, const uint8_t *palette, int bits);

int GetImagePixel(const PackedImage *image, int x, int y);
void SetImagePixel(PackedImage *image, int x, int y, int value);
// Fills the 768-byte palette from the colour table; returns the entry count, 0 above 8 bits.
int GetImagePalette(const PackedImage *image, uint8_t *palette);
// Each output may be null. Returns 0 when the block cannot be locked.
int GetImageInfo(HGLOBAL image, int *width, int *height, int *bits, uint8_t *palette);

HGLOBAL DuplicateImage(HGLOBAL image);
HGLOBAL ConvertToTrueColour(HGLOBAL image);

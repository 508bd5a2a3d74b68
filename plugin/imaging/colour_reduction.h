// Reducing true-colour frames to a palette: nearest-colour remapping, Floyd-Steinberg
// dithering, and marking the pixels of one colour with a reserved index.
#pragma once

#include <windows.h>

#include <cstdint>

// A new image of the target depth whose colour table is the palette, using only its first
// count entries; fastRemap selects exact match plus 15-bit lookup over the full search.
HGLOBAL RemapImage(HGLOBAL image, const uint8_t *palette, int bits, int count, bool fastRemap);
// As RemapImage, with error diffusion; a 1-bit target dithers by luminance. Refuses 1-bit
// sources.
HGLOBAL DitherImage(HGLOBAL image, const uint8_t *palette, int bits, int count, bool fastRemap);
// A copy of image in which every pixel whose reference pixel has the colour (low 24 bits)
// holds index.
HGLOBAL ReplaceMatchingPixels(HGLOBAL image, HGLOBAL reference, int colour, int index);

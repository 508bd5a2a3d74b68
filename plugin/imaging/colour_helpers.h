// Colour arithmetic on 0x00BBGGRR colour values, and the tint the dialogs' texture gets.
#pragma once

#include "imaging/packed_image.h"

// Each channel multiplied by the factor, clamped to 0..255 and truncated.
int ScaleColour(int colour, double factor);
// The colour's bytes in the order of a 24-bit pixel: blue, green, red.
void PixelBytes(int colour, uint8_t bgr[3]);
// Per channel (weight × a + (255 - weight) × b) / 255: weight 255 gives a, 0 gives b.
int BlendColours(int a, int b, int weight);
// Moves every channel by the tint's distance from mid-grey (128), clamped to 0..255: the
// colour table of palette images, the pixels of true-colour images. Returns the number of
// colours the image can hold (2^bits, or 16777216 above 8 bits).
int TintImage(PackedImage *image, int tint);

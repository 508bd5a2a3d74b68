// The nine fixed palettes a build can reduce its frames to.
#pragma once

#include <cstdint>

constexpr int kFixedPaletteCount = 9;
// The "256-color orthogonal" palette: the default choice and the colour chooser's palette.
constexpr int kOrthogonal256Palette = 6;

// Fills the 768-byte palette (when given; zeroed first) with palette type 0-8 (any other
// type is 6), sets the bits per pixel (when given) and returns the number of entries.
int LoadFixedPalette(uint8_t *palette, int *bits, int type);

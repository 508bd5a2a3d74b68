// x × w / 255, truncated, for every byte x and weight w: the terms of the per-pixel blends
// of the effects, looked up instead of multiplied and divided pixel by pixel.
#pragma once

#include <cstdint>

// Row w of the table: entry x is x × w / 255.
const uint8_t *ByteWeights(int w);

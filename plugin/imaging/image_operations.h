// Whole-image operations of the renderers: mirror, rectangle copy, luminance mask and
// painting through a mask. New images belong to the caller.
#pragma once

#include "imaging/packed_image.h"

// A new image of the same size, depth and palette with every row reversed; null on failure.
HGLOBAL MirrorImage(HGLOBAL image);
// Copies the width × height rectangle at (sx, sy) of source to (dx, dy) of target; pixels
// outside either image are skipped. Returns 1.
int CopyImageRect(PackedImage *target, int dx, int dy, const PackedImage *source, int sx, int sy,
                  int width, int height);
// A new 1-bit black-and-white mask of a 24-bit image: 1 where the luminance reaches the
// threshold; null on failure.
HGLOBAL ThresholdToMask(HGLOBAL image, int threshold);
// Sets every pixel whose mask pixel is 0 to the colour; returns 0 when a handle cannot be
// locked.
int PaintMaskedColour(HGLOBAL image, HGLOBAL mask, int colour);

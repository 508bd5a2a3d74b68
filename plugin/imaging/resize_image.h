// ResizeImage: the box-average reduction that turns a frame drawn at two, three or four
// times its final size into an anti-aliased frame, and the linear stretch.
#pragma once

#include <windows.h>

// A new image of (px × width / 100) × (py × height / 100) pixels, same depth and palette;
// the horizontal pass runs first. Returns none on failure; the input is never freed.
HGLOBAL ResizeImage(HGLOBAL image, int px, int py);

// The separable Gaussian blur behind every glow: a kernel of whole-pixel taps, each the sum
// of three samples taken at thirds of a pixel, run along the rows and then down the columns.
#pragma once

#include "imaging/packed_image.h"

#include <vector>

// Fills kernel with taps weights summing to 1 (taps <= 0 means 3) for a Gaussian of the given
// standard deviation in pixels; returns the tap count, 0 when memory fails.
int BuildGaussianKernel(int taps, double sigma, std::vector<double> *kernel);
// Convolves each of the three byte channels of a row of width pixels. Taps that fall outside
// the row are left out and the rest renormalised, so a uniform row stays uniform.
void ConvolveRow(const double *kernel, int taps, const uint8_t *source, uint8_t *target, int width);

// Radius and sigma are in tenths of a pixel; only 24-bit images are blurred.
// A new blurred image (the input is left as it was), or null.
HGLOBAL BlurImage(HGLOBAL image, int radius, int sigma);
// 1 after blurring the image in place, 0 when it is not 24-bit or memory fails.
int BlurImageInPlace(PackedImage *image, int radius, int sigma);

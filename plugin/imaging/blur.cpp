#include "imaging/blur.h"

#include "frame/global_block.h"

#include <cmath>
#include <cstring>
#include <new>

namespace
{

constexpr int kChannels = 3;

uint8_t RoundedChannel(double value)
{
    // A tap sum can only overshoot 255 through the +0.5 of a heavily renormalised edge.
    return static_cast<uint8_t>(value >= 255 ? 255 : static_cast<int>(value));
}

// One output pixel from the taps first..last (inclusive) that fall inside the row, divided by
// their weight when that is not the whole kernel.
void ConvolvePixel(const double *kernel, int first, int last, const uint8_t *source, int start,
                   uint8_t *target, bool renormalise)
{
    for (int c = 0; c < kChannels; c++) {
        double sum = 0, weight = 0;
        for (int j = first; j <= last; j++) {
            sum += kernel[j] * source[kChannels * (start + j) + c];
            weight += kernel[j];
        }
        target[c] = RoundedChannel(renormalise ? (sum + 0.5) / weight : sum + 0.5);
    }
}

int KernelTaps(int radius)
{
    return static_cast<int>(std::ceil(radius * 0.1) * 2 + 1);
}

struct Kernel {
    std::vector<double> weights;
    int taps = 0;
};

bool MakeKernel(int radius, int sigma, Kernel *kernel)
{
    kernel->taps = BuildGaussianKernel(KernelTaps(radius), sigma * 0.1, &kernel->weights);
    return kernel->taps > 0;
}

// Both passes over a 24-bit image: every row from a copy of itself, then every column
// gathered top-down, convolved and written back.
bool BlurPasses(PackedImage *image, const Kernel &kernel)
{
    const int width = image->biWidth;
    const int height = image->biHeight;
    try {
        std::vector<uint8_t> row(kChannels * width);
        for (int y = 0; y < height; y++) {
            uint8_t *stored = ImageRow(image, y);
            std::memcpy(row.data(), stored, row.size());
            ConvolveRow(kernel.weights.data(), kernel.taps, row.data(), stored, width);
        }
        std::vector<uint8_t> column(kChannels * height), blurred(kChannels * height);
        for (int x = 0; x < width; x++) {
            for (int y = 0; y < height; y++)
                std::memcpy(&column[kChannels * y], ImageRow(image, y) + kChannels * x, kChannels);
            ConvolveRow(kernel.weights.data(), kernel.taps, column.data(), blurred.data(), height);
            for (int y = 0; y < height; y++)
                std::memcpy(ImageRow(image, y) + kChannels * x, &blurred[kChannels * y], kChannels);
        }
    } catch (const std::bad_alloc &) {
        return false;
    }
    return true;
}

} // namespace

int BuildGaussianKernel(int taps, double sigma, std::vector<double> *kernel)
{
    const int n = taps <= 0 ? 3 : taps;
    try {
        kernel->assign(n, 0.0);
    } catch (const std::bad_alloc &) {
        return 0;
    }
    const int half = 3 * n / 2;
    for (int i = -half; i <= half; i++) {
        const int tap = (half + i) / 3;
        if (tap >= n)
            continue; // an even tap count has one sample more than its taps
        // Without spread only the centre sample counts.
        const double sample =
            sigma > 0 ? std::exp(-static_cast<double>(i) * i / (18 * sigma * sigma)) : i == 0;
        (*kernel)[tap] += sample;
    }
    double sum = 0;
    for (double weight : *kernel)
        sum += weight;
    for (double &weight : *kernel)
        weight /= sum;
    return n;
}

void ConvolveRow(const double *kernel, int taps, const uint8_t *source, uint8_t *target, int width)
{
    const int half = taps / 2;
    for (int i = 0; i < width; i++) {
        const bool whole = width >= taps && i >= half && i < width - half;
        // Taps j read pixel i - half + j; keep those inside the row and the kernel.
        const int first = i >= half ? 0 : half - i;
        int last = width - 1 - i + half;
        if (last > taps - 1)
            last = taps - 1;
        ConvolvePixel(kernel, first, last, source, i - half, target + kChannels * i, !whole);
    }
}

HGLOBAL BlurImage(HGLOBAL handle, int radius, int sigma)
{
    GlobalLockGuard<PackedImage> source(handle);
    if (!source || source->biBitCount != 24)
        return nullptr;
    GlobalBlock result(CreatePackedImage(source->biWidth, source->biHeight, nullptr, 24));
    GlobalLockGuard<PackedImage> target(result.get());
    if (!target)
        return nullptr;
    std::memcpy(ImagePixels(target.get()), ImagePixels(source.get()), source->biSizeImage);
    if (!BlurImageInPlace(target.get(), radius, sigma))
        return nullptr;
    return result.release();
}

int BlurImageInPlace(PackedImage *image, int radius, int sigma)
{
    Kernel kernel;
    if (image->biBitCount != 24 || !MakeKernel(radius, sigma, &kernel))
        return 0;
    return BlurPasses(image, kernel) ? 1 : 0;
}

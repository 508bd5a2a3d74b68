// Times the colour reduction of a build on a fixed synthetic workload: 128 frames of
// 256 x 256 pixels with gradients, noise and flat areas, and a 200-colour variant.
// Prints megapixels per second; with an output folder, also writes the frames as PPM so that
// another tool can reduce the same pixels.
#include "frame/frame_list.h"
#include "frame/global_block.h"
#include "imaging/colour_reduction.h"
#include "imaging/octree_quantiser.h"
#include "imaging/packed_image.h"

#include <windows.h>

#include <cstdio>
#include <string>

namespace
{

constexpr int kFrames = 128;
constexpr int kSize = 256;

double Now()
{
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(counter.QuadPart) / frequency.QuadPart;
}

// A moving gradient, a noisy band and flat blocks; with `levels`, every channel is snapped to
// that many steps so that the frames use few colours.
int WorkloadColour(int f, int x, int y, unsigned &seed, int levels)
{
    int r, g, b;
    if (y < 96) {
        r = (x + 2 * f) & 255;
        g = (y * 2 + f) & 255;
        b = (x + y) / 2;
    } else if (y < 160) {
        seed = seed * 1103515245 + 12345;
        r = 128 + ((seed >> 16) & 63);
        g = 64 + ((seed >> 20) & 31);
        b = (seed >> 24) & 255;
    } else {
        const int block = ((x + f) / 32 + y / 32) % 4;
        r = block * 60;
        g = 200 - block * 40;
        b = 90;
    }
    if (levels) {
        const int step = 256 / levels;
        r = r / step * step;
        g = g / step * step;
        b = b / step * step;
    }
    return r | (g << 8) | (b << 16);
}

void MakeFrames(FrameList *list, int levels)
{
    unsigned seed = 1;
    for (int f = 0; f < kFrames; f++) {
        HGLOBAL handle = CreatePackedImage(kSize, kSize, nullptr, 24);
        {
            GlobalLockGuard<PackedImage> image(handle);
            for (int y = 0; y < kSize; y++)
                for (int x = 0; x < kSize; x++)
                    SetImagePixel(image.get(), x, y, WorkloadColour(f, x, y, seed, levels));
        }
        AddFrame(list, handle, 1);
    }
}

void WritePpm(const FrameList *list, const std::string &folder)
{
    for (int f = 0; f < list->count; f++) {
        FrameRecord record;
        GetFrame(&record, list, f);
        GlobalLockGuard<PackedImage> image(record.image);
        char name[64];
        std::snprintf(name, sizeof name, "/frame%03d.ppm", f);
        FILE *file = std::fopen((folder + name).c_str(), "wb");
        if (!file)
            return;
        std::fprintf(file, "P6\n%d %d\n255\n", kSize, kSize);
        for (int y = 0; y < kSize; y++)
            for (int x = 0; x < kSize; x++) {
                const int c = GetImagePixel(image.get(), x, y);
                const unsigned char rgb[3] = {static_cast<unsigned char>(c),
                                              static_cast<unsigned char>(c >> 8),
                                              static_cast<unsigned char>(c >> 16)};
                std::fwrite(rgb, 1, 3, file);
            }
        std::fclose(file);
    }
}

double Megapixels(int frames)
{
    return frames * kSize * kSize / 1e6;
}

void Report(const char *what, int frames, double seconds)
{
    std::printf("%-36s %8.2f MP/s  (%.2f s)\n", what, Megapixels(frames) / seconds, seconds);
}

// Reduces the first `frames` frames one by one; returns the seconds taken.
template <typename Reduce> double ReduceFrames(const FrameList *list, int frames, Reduce reduce)
{
    const double start = Now();
    for (int f = 0; f < frames; f++) {
        FrameRecord record;
        GetFrame(&record, list, f);
        GlobalFree(reduce(record.image));
    }
    return Now() - start;
}

} // namespace

int main(int argc, char **argv)
{
    FrameList frames = {}, few = {};
    MakeFrames(&frames, 0);
    MakeFrames(&few, 6); // 6 levels per channel: at most 216 colours, 200 or fewer used
    if (argc > 1)
        WritePpm(&frames, argv[1]);
    std::printf("workload: %d frames of %d x %d (%.1f megapixels)\n", kFrames, kSize, kSize,
                Megapixels(kFrames));

    uint8_t palette[768];
    int count = 256;
    double t = Now();
    const int exact = CollectExactPalette(&count, palette, &few);
    Report(exact ? "CollectExactPalette (few colours)" : "CollectExactPalette (overflowed)",
           kFrames, Now() - t);

    const double reductionStart = Now();
    count = 256;
    t = Now();
    QuantiseFrames(&count, palette, &frames);
    const double quantise = Now() - t;
    Report("QuantiseFrames (256)", kFrames, quantise);
    const double dither = ReduceFrames(&frames, kFrames, [&](HGLOBAL image) {
        return DitherImage(image, palette, 8, count, true);
    });
    Report("DitherImage (fast remap on)", kFrames, dither);
    const double whole = Now() - reductionStart;

    Report("RemapImage (fast remap on)", kFrames,
           ReduceFrames(&frames, kFrames,
                        [&](HGLOBAL image) { return RemapImage(image, palette, 8, count, true); }));
    Report("RemapImage (fast remap off)", 8, ReduceFrames(&frames, 8, [&](HGLOBAL image) {
               return RemapImage(image, palette, 8, count, false);
           }));
    std::printf("whole reduction (quantise, then dither): %.2f s\n", whole);

    FreeFrameList(&frames);
    FreeFrameList(&few);
    return 0;
}

// Drawing surface of the build-time generators: pictures are drawn with GDI at kScale times
// their size and averaged down, which gives their edges a smooth, deterministic falloff.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

constexpr int kScale = 4;

// Top-down 24-bit pixels, blue, green, red.
struct Picture {
    int width, height;
    std::vector<uint8_t> bgr;
};

// A top-down 24-bit DIB section in a memory DC, drawn on with GDI.
class Canvas
{
public:
    Canvas(int width, int height) : width_(width), height_(height)
    {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height; // top-down
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 24;
        dc_ = CreateCompatibleDC(nullptr);
        section_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
        previous_ = SelectObject(dc_, section_);
    }
    ~Canvas()
    {
        SelectObject(dc_, previous_);
        DeleteObject(section_);
        DeleteDC(dc_);
    }
    HDC dc() const { return dc_; }

    // Box average of kScale × kScale blocks.
    Picture Reduced() const
    {
        GdiFlush();
        const int stride = ((width_ * 3 + 3) / 4) * 4;
        const uint8_t *pixels = static_cast<const uint8_t *>(bits_);
        Picture out = {width_ / kScale, height_ / kScale, {}};
        out.bgr.resize(3 * out.width * out.height);
        for (int y = 0; y < out.height; y++)
            for (int x = 0; x < out.width; x++)
                for (int c = 0; c < 3; c++) {
                    int sum = 0;
                    for (int i = 0; i < kScale; i++)
                        for (int j = 0; j < kScale; j++)
                            sum += pixels[(y * kScale + i) * stride + 3 * (x * kScale + j) + c];
                    out.bgr[3 * (y * out.width + x) + c] =
                        static_cast<uint8_t>(sum / (kScale * kScale));
                }
        return out;
    }

private:
    int width_, height_;
    HDC dc_;
    HBITMAP section_;
    HGDIOBJ previous_;
    void *bits_ = nullptr;
};

// A fixed-seed linear congruential generator: the same texture on every build.
class Noise
{
public:
    explicit Noise(uint32_t seed) : state_(seed) {}
    int Next(int range)
    {
        state_ = state_ * 1103515245u + 12345u;
        return static_cast<int>((state_ >> 16) & 0x7FFF) % range;
    }

private:
    uint32_t state_;
};

#include "imaging/colour_reduction.h"

#include "frame/global_block.h"
#include "imaging/packed_image.h"
#include "imaging/palette_search.h"

#include <algorithm>
#include <vector>

namespace
{

struct Rgb {
    int red, green, blue;
};

// The colour of colour-table entry i of a palette image.
Rgb TableColour(const PackedImage *image, int i)
{
    const RGBQUAD entry = reinterpret_cast<const RGBQUAD *>(image + 1)[i];
    return {entry.rgbRed, entry.rgbGreen, entry.rgbBlue};
}

// The colour of pixel (x, y) whatever the depth: palette images through their table.
Rgb PixelColour(const PackedImage *image, int x, int y)
{
    const int value = GetImagePixel(image, x, y);
    if (image->biBitCount <= 8)
        return TableColour(image, value);
    return {value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF};
}

int PixelLuminance(const PackedImage *image, int x, int y)
{
    const Rgb c = PixelColour(image, x, y);
    return Luminance(c.red, c.green, c.blue);
}

// The black and white indices a 1-bit source maps to.
void BlackAndWhiteIndices(const ColourMatcher &matcher, const uint8_t *palette, int count,
                          bool fastRemap, int *white, int *black)
{
    if (fastRemap) {
        *white = matcher.Exact(255, 255, 255);
        if (*white < 0)
            *white = matcher.Cell(255, 255, 255);
        *black = matcher.Exact(0, 0, 0);
        if (*black < 0)
            *black = matcher.Cell(0, 0, 0);
    } else {
        *white = FindNearestColour(255, 255, 255, palette, count);
        *black = FindNearestColour(0, 0, 0, palette, count);
    }
}

// True-colour frames to 8-bit indices, the build's own case, straight from the rows: a run
// of one colour, of which frames are mostly made, is matched once.
void RemapRows(const PackedImage *source, PackedImage *target, const ColourMatcher &matcher)
{
    for (int y = 0; y < source->biHeight; y++) {
        const uint8_t *in = ImageRow(source, y);
        uint8_t *out = ImageRow(target, y);
        int last = -1, index = 0;
        for (int x = 0; x < source->biWidth; x++, in += 3) {
            const int colour = in[0] << 16 | in[1] << 8 | in[2];
            if (colour != last)
                index = matcher.Match(in[2], in[1], in[0]);
            last = colour;
            out[x] = static_cast<uint8_t>(index);
        }
    }
}

} // namespace

HGLOBAL RemapImage(HGLOBAL handle, const uint8_t *palette, int bits, int count, bool fastRemap)
{
    GlobalLockGuard<PackedImage> source(handle);
    if (!source)
        return nullptr;
    const int width = source->biWidth;
    const int height = source->biHeight;
    const int sourceBits = source->biBitCount;
    const int targetBits = RoundImageDepth(bits);

    // Palette sources: each table entry maps to the nearest of the target's own entries.
    int tableMap[256] = {};
    if (sourceBits <= 8)
        for (int i = 0; i < ColourTableEntries(sourceBits); i++) {
            const Rgb c = TableColour(source.get(), i);
            tableMap[i] = FindNearestColour(c.red, c.green, c.blue, palette, 1 << targetBits);
        }

    const ColourMatcher matcher(palette, count, fastRemap);
    int white, black;
    BlackAndWhiteIndices(matcher, palette, count, fastRemap, &white, &black);

    GlobalBlock result(CreatePackedImage(width, height, palette, targetBits));
    if (!result)
        return nullptr;
    GlobalLockGuard<PackedImage> target(result.get());
    if (!target)
        return nullptr;

    if (sourceBits == 24 && targetBits == 8) {
        RemapRows(source.get(), target.get(), matcher);
        return result.release();
    }
    for (int y = 0; y < height; y++)
        for (int x = 0; x < width; x++) {
            const int value = GetImagePixel(source.get(), x, y);
            int index;
            if (sourceBits == 1)
                index = targetBits == 1 ? value : (value ? white : black);
            else if (targetBits == 1)
                index = PixelLuminance(source.get(), x, y) > 128 ? 1 : 0;
            else if (sourceBits <= 8)
                index = tableMap[value];
            else
                index = matcher.Match(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
            SetImagePixel(target.get(), x, y, index);
        }
    return result.release();
}

namespace
{

// Error diffusion to a palette of two or more bits, row by row in storage order.
void DitherColour(const PackedImage *source, PackedImage *target, const uint8_t *palette,
                  const ColourMatcher &matcher)
{
    const int width = source->biWidth;
    const int height = source->biHeight;
    // Per channel and pixel, 16-bit like the error rows they model.
    std::vector<int16_t> current(3 * width + 1024), next(3 * width + 1024);
    std::vector<uint8_t> working(3 * width);

    for (int stored = 0; stored < height; stored++) {
        const int y = height - 1 - stored; // picture row of this stored row
        const bool hasNext = stored + 1 < height;
        for (int x = 0; x < width; x++) {
            const Rgb c = PixelColour(source, x, y);
            working[3 * x] = static_cast<uint8_t>(c.red);
            working[3 * x + 1] = static_cast<uint8_t>(c.green);
            working[3 * x + 2] = static_cast<uint8_t>(c.blue);
        }
        for (int i = 0; i < 3 * width; i++)
            current[i] = static_cast<int16_t>(current[i] + working[i]);

        for (int x = 0; x < width; x++) {
            int value[3];
            for (int c = 0; c < 3; c++)
                value[c] = std::clamp<int>(current[3 * x + c], 0, 255);
            const int index = matcher.Match(value[0], value[1], value[2]);
            SetImagePixel(target, x, y, index);
            for (int c = 0; c < 3; c++) {
                const int e = value[c] - palette[3 * index + c];
                auto add = [](std::vector<int16_t> &row, int at, int share) {
                    row[at] = static_cast<int16_t>(row[at] + share);
                };
                if (x + 1 < width)
                    add(current, 3 * (x + 1) + c, (e * 7) >> 4);
                if (x >= 1 && hasNext)
                    add(next, 3 * (x - 1) + c, (e * 3) >> 4);
                if (x + 1 < width && hasNext)
                    add(next, 3 * (x + 1) + c, e >> 4);
                if (hasNext)
                    add(next, 3 * x + c, (e * 5) >> 4);
            }
        }
        current.swap(next);
        std::fill(next.begin(), next.end(), 0);
    }
}

// Error diffusion of luminance to a two-entry palette, with the grey mapping that keeps pure
// black and white from locking up.
void DitherBlackAndWhite(const PackedImage *source, PackedImage *target)
{
    constexpr int kBase = 20, kMargin = 20;
    uint8_t grey[256];
    double v = kBase - kMargin;
    for (int t = 0; t < 256; t++, v += 256.0 / (256 - 2 * kMargin))
        grey[t] = static_cast<uint8_t>(v > 254 ? 254 : v < 1 ? 1 : static_cast<int>(v));

    const int width = source->biWidth;
    const int height = source->biHeight;
    // Working luminances in storage order: row s is picture row height - 1 - s.
    std::vector<uint8_t> working(static_cast<size_t>(width) * height);
    int low = 255, high = 0;
    for (int s = 0; s < height; s++)
        for (int x = 0; x < width; x++) {
            const int l = PixelLuminance(source, x, height - 1 - s);
            working[static_cast<size_t>(s) * width + x] = static_cast<uint8_t>(l);
            low = std::min(low, l);
            high = std::max(high, l);
        }
    const int threshold = (high + low) >> 1;

    auto add = [&](int s, int x, int amount) {
        uint8_t &p = working[static_cast<size_t>(s) * width + x];
        p = static_cast<uint8_t>(std::clamp(p + amount, 0, 255));
    };
    for (int s = 0; s < height; s++) {
        const bool hasNext = s + 1 < height;
        for (int x = 0; x < width; x++) {
            const int o = grey[working[static_cast<size_t>(s) * width + x]];
            const bool on = o > threshold;
            SetImagePixel(target, x, height - 1 - s, on ? 1 : 0);
            const int q = (on ? o - high : o - low) >> 4;
            if (x + 1 < width && hasNext)
                add(s + 1, x + 1, q);
            if (x >= 1 && hasNext)
                add(s + 1, x - 1, 3 * q);
            if (hasNext)
                add(s + 1, x, 5 * q);
            if (x + 1 < width)
                add(s, x + 1, 7 * q);
        }
    }
}

} // namespace

HGLOBAL DitherImage(HGLOBAL handle, const uint8_t *palette, int bits, int count, bool fastRemap)
{
    GlobalLockGuard<PackedImage> source(handle);
    if (!source || source->biBitCount == 1)
        return nullptr;
    const int targetBits = RoundImageDepth(bits);
    GlobalBlock result(CreatePackedImage(source->biWidth, source->biHeight, palette, targetBits));
    if (!result)
        return nullptr;
    GlobalLockGuard<PackedImage> target(result.get());
    if (!target)
        return nullptr;
    if (targetBits == 1)
        DitherBlackAndWhite(source.get(), target.get());
    else
        DitherColour(source.get(), target.get(), palette, ColourMatcher(palette, count, fastRemap));
    return result.release();
}

HGLOBAL ReplaceMatchingPixels(HGLOBAL handle, HGLOBAL reference, int colour, int index)
{
    GlobalBlock copy(DuplicateImage(handle));
    if (!copy)
        return nullptr;
    GlobalLockGuard<PackedImage> image(copy.get());
    GlobalLockGuard<PackedImage> original(reference);
    if (!image || !original)
        return nullptr;
    const int height = std::min<int>(image->biHeight, original->biHeight);
    const int width = std::min<int>(image->biWidth, original->biWidth);
    if (original->biBitCount == 24 && image->biBitCount == 8 && index != -1) {
        // The build's case, straight from the rows.
        const uint8_t match[3] = {static_cast<uint8_t>(colour >> 16),
                                  static_cast<uint8_t>(colour >> 8), static_cast<uint8_t>(colour)};
        for (int y = 0; y < height; y++) {
            const uint8_t *in = ImageRow(original.get(), y);
            uint8_t *out = ImageRow(image.get(), y);
            for (int x = 0; x < width; x++, in += 3)
                if (in[0] == match[0] && in[1] == match[1] && in[2] == match[2])
                    out[x] = static_cast<uint8_t>(index);
        }
        return copy.release();
    }
    for (int y = 0; y < height; y++)
        for (int x = 0; x < width; x++)
            if ((GetImagePixel(original.get(), x, y) & 0xFFFFFF) == (colour & 0xFFFFFF))
                SetImagePixel(image.get(), x, y, index);
    return copy.release();
}

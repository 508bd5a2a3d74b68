#include "imaging/resize_image.h"

#include "frame/global_block.h"
#include "imaging/box_average.h"
#include "imaging/packed_image.h"

#include <algorithm>

#include <vector>

namespace
{

// One row or column of pixels as channel values: one channel (palette indices, averaged as
// numbers, for 2-8-bit images) or three (red, green, blue, for every other depth).
struct Line {
    int channels;
    std::vector<int> values; // pixel-major: pixel i, channel c at i * channels + c
};

int LineChannels(int bits)
{
    return bits >= 2 && bits <= 8 ? 1 : 3;
}

// Reads pixel `index` along the line: a row y (horizontal) or a column x (vertical).
void ReadLine(const PackedImage *image, bool horizontal, int line, Line &out)
{
    const int length = horizontal ? image->biWidth : image->biHeight;
    out.values.resize(length * out.channels);
    if (image->biBitCount == 24) {
        for (int i = 0; i < length; i++) {
            const int x = horizontal ? i : line;
            const int y = horizontal ? line : i;
            const uint8_t *p = ImageRow(image, y) + 3 * x;
            out.values[3 * i] = p[2];
            out.values[3 * i + 1] = p[1];
            out.values[3 * i + 2] = p[0];
        }
        return;
    }
    for (int i = 0; i < length; i++) {
        const int value =
            horizontal ? GetImagePixel(image, i, line) : GetImagePixel(image, line, i);
        if (out.channels == 1) {
            out.values[i] = value;
        } else {
            out.values[3 * i] = value & 0xFF;
            out.values[3 * i + 1] = (value >> 8) & 0xFF;
            out.values[3 * i + 2] = (value >> 16) & 0xFF;
        }
    }
}

void WriteLine(PackedImage *image, bool horizontal, int line, const Line &in)
{
    const int length = horizontal ? image->biWidth : image->biHeight;
    if (image->biBitCount == 24) {
        for (int i = 0; i < length; i++) {
            const int x = horizontal ? i : line;
            const int y = horizontal ? line : i;
            uint8_t *p = ImageRow(image, y) + 3 * x;
            p[2] = static_cast<uint8_t>(in.values[3 * i]);
            p[1] = static_cast<uint8_t>(in.values[3 * i + 1]);
            p[0] = static_cast<uint8_t>(in.values[3 * i + 2]);
        }
        return;
    }
    for (int i = 0; i < length; i++) {
        const int value = in.channels == 1 ? in.values[i]
                                           : in.values[3 * i] | (in.values[3 * i + 1] << 8) |
                                                 (in.values[3 * i + 2] << 16);
        if (horizontal)
            SetImagePixel(image, i, line, value);
        else
            SetImagePixel(image, line, i, value);
    }
}

// Box average over the boxes of the line's axis.
void ShrinkLine(const Line &source, Line &target, const BoxAxis &boxes)
{
    const int channels = source.channels;
    for (int j = 0; j < boxes.Count(); j++)
        for (int c = 0; c < channels; c++) {
            int sum = 0;
            for (int k = boxes.Start(j); k < boxes.Start(j) + boxes.Size(j); k++)
                sum += source.values[k * channels + c];
            target.values[j * channels + c] = sum / boxes.Divisor(j);
        }
}

// 24-bit rows shrunk straight from their bytes: every row of the source (horizontal) or
// every box of rows added up column by column (vertical), which is what makes a large frame's
// reduction cheap.
void ShrinkRows24(const PackedImage *source, PackedImage *target, const BoxAxis &boxes)
{
    for (int y = 0; y < source->biHeight; y++) {
        const uint8_t *in = ImageRow(source, y);
        uint8_t *out = ImageRow(target, y);
        for (int j = 0; j < boxes.Count(); j++, out += 3) {
            int sum[3] = {};
            const uint8_t *p = in + 3 * boxes.Start(j);
            for (int k = 0; k < boxes.Size(j); k++, p += 3) {
                sum[0] += p[0];
                sum[1] += p[1];
                sum[2] += p[2];
            }
            for (int c = 0; c < 3; c++)
                out[c] = static_cast<uint8_t>(sum[c] / boxes.Divisor(j));
        }
    }
}

void ShrinkColumns24(const PackedImage *source, PackedImage *target, const BoxAxis &boxes)
{
    const int bytes = 3 * source->biWidth;
    std::vector<int> sums(bytes);
    for (int j = 0; j < boxes.Count(); j++) {
        std::fill(sums.begin(), sums.end(), 0);
        for (int y = boxes.Start(j); y < boxes.Start(j) + boxes.Size(j); y++) {
            const uint8_t *in = ImageRow(source, y);
            for (int i = 0; i < bytes; i++)
                sums[i] += in[i];
        }
        uint8_t *out = ImageRow(target, j);
        for (int i = 0; i < bytes; i++)
            out[i] = static_cast<uint8_t>(sums[i] / boxes.Divisor(j));
    }
}

// Linear stretch: each source pixel lands at step × k / 100 and the gap before it is
// filled by interpolating from its left neighbour.
void StretchLine(const Line &source, Line &target, int percent)
{
    const int channels = source.channels;
    const int sourceLength = static_cast<int>(source.values.size()) / channels;
    const int targetLength = static_cast<int>(target.values.size()) / channels;
    if (sourceLength == 0 || targetLength == 0)
        return;
    const int step = percent + percent / 100 + (percent % 100 ? 1 : 0);
    auto src = [&](int k, int c) { return source.values[k * channels + c]; };
    auto dst = [&](int k, int c) -> int & { return target.values[k * channels + c]; };

    for (int c = 0; c < channels; c++)
        dst(0, c) = src(0, c);
    int prev = 0;
    for (int k = 1; k < sourceLength; k++) {
        const int at = step * k / 100;
        const int gap = at - prev;
        for (int m = 0; m < gap && prev + m < targetLength; m++)
            for (int c = 0; c < channels; c++)
                dst(prev + m, c) = (gap - m - 1) * src(k - 1, c) / gap + (m + 1) * src(k, c) / gap;
        if (at < targetLength)
            for (int c = 0; c < channels; c++)
                dst(at, c) = src(k, c);
        prev = at;
    }
    for (int c = 0; c < channels; c++)
        dst(targetLength - 1, c) = src(sourceLength - 1, c);
}

// Reads every row (horizontal) or column of the source, transforms it and writes it to the
// same row or column of the target.
template <typename Transform>
void TransformLines(const PackedImage *source, PackedImage *target, bool horizontal,
                    Transform transform)
{
    Line in{LineChannels(source->biBitCount), {}};
    Line out{in.channels, {}};
    out.values.resize((horizontal ? target->biWidth : target->biHeight) * out.channels);
    const int lines = horizontal ? source->biHeight : source->biWidth;
    for (int line = 0; line < lines; line++) {
        ReadLine(source, horizontal, line, in);
        transform(in, out);
        WriteLine(target, horizontal, line, out);
    }
}

// One pass in one direction; percent 100 is a plain copy.
HGLOBAL ResizePass(HGLOBAL handle, bool horizontal, int percent)
{
    if (percent == 100)
        return DuplicateImage(handle);
    if (percent <= 0)
        return nullptr; // no image has a width or height of zero or less

    GlobalLockGuard<PackedImage> source(handle);
    if (!source)
        return nullptr;
    const int width = source->biWidth;
    const int height = source->biHeight;
    const int bits = source->biBitCount;
    const int newWidth = horizontal ? percent * width / 100 : width;
    const int newHeight = horizontal ? height : percent * height / 100;

    uint8_t palette[kPaletteBytes];
    GetImagePalette(source.get(), palette);
    GlobalBlock result(CreatePackedImage(newWidth, newHeight, palette, bits));
    if (!result)
        return nullptr;
    GlobalLockGuard<PackedImage> target(result.get());
    if (!target)
        return nullptr;

    const int length = horizontal ? width : height;
    if (percent > 100) {
        TransformLines(source.get(), target.get(), horizontal,
                       [percent](const Line &in, Line &out) { StretchLine(in, out, percent); });
        return result.release();
    }
    const BoxAxis boxes(length, percent);
    if (bits == 24 && horizontal)
        ShrinkRows24(source.get(), target.get(), boxes);
    else if (bits == 24)
        ShrinkColumns24(source.get(), target.get(), boxes);
    else
        TransformLines(source.get(), target.get(), horizontal,
                       [&boxes](const Line &in, Line &out) { ShrinkLine(in, out, boxes); });
    return result.release();
}

} // namespace

HGLOBAL ResizeImage(HGLOBAL image, int px, int py)
{
    GlobalBlock wide(ResizePass(image, true, px));
    if (!wide)
        return nullptr;
    return ResizePass(wide.get(), false, py);
}

#include "imaging/packed_image.h"

#include "frame/global_block.h"

#include <cstring>

int RoundImageDepth(int bits)
{
    if (bits == 1)
        return 1;
    if (bits >= 2 && bits <= 4)
        return 4;
    if (bits >= 5 && bits <= 8)
        return 8;
    if (bits >= 9 && bits <= 24)
        return 24;
    return 32;
}

int ImageStride(int width, int bits)
{
    return ((width * bits + 31) / 32) * 4;
}

int ColourTableEntries(int bits)
{
    return bits <= 8 ? 1 << bits : 0;
}

int ImagePixelOffset(int bits)
{
    return sizeof(BITMAPINFOHEADER) + 4 * ColourTableEntries(bits);
}

uint8_t *ImagePixels(PackedImage *image)
{
    return reinterpret_cast<uint8_t *>(image) + ImagePixelOffset(image->biBitCount);
}

const uint8_t *ImagePixels(const PackedImage *image)
{
    return reinterpret_cast<const uint8_t *>(image) + ImagePixelOffset(image->biBitCount);
}

uint8_t *ImageRow(PackedImage *image, int y)
{
    return ImagePixels(image) +
           (image->biHeight - 1 - y) * ImageStride(image->biWidth, image->biBitCount);
}

const uint8_t *ImageRow(const PackedImage *image, int y)
{
    return ImagePixels(image) +
           (image->biHeight - 1 - y) * ImageStride(image->biWidth, image->biBitCount);
}

HGLOBAL CreatePackedImage(int width, int height, const uint8_t *palette, int bits)
{
    bits = RoundImageDepth(bits);
    const int stride = ImageStride(width, bits);
    GlobalBlock block(AllocateSharedBlock(ImagePixelOffset(bits) + stride * height));
    if (!block)
        return nullptr;
    GlobalLockGuard<PackedImage> image(block.get());
    if (!image)
        return nullptr;

    image->biSize = sizeof(BITMAPINFOHEADER);
    image->biWidth = width;
    image->biHeight = height;
    image->biPlanes = 1;
    image->biBitCount = static_cast<WORD>(bits);
    image->biCompression = BI_RGB;
    image->biSizeImage = stride * height;
    image->biClrUsed = ColourTableEntries(bits);
    image->biClrImportant = image->biClrUsed;

    if (palette) {
        RGBQUAD *table = reinterpret_cast<RGBQUAD *>(image.get() + 1);
        for (int i = 0; i < ColourTableEntries(bits); i++)
            table[i] = RGBQUAD{palette[3 * i + 2], palette[3 * i + 1], palette[3 * i], 0};
    }
    return block.release();
}

namespace
{

bool Inside(const PackedImage *image, int x, int y)
{
    return x >= 0 && y >= 0 && x < image->biWidth && y < image->biHeight;
}

} // namespace

int GetImagePixel(const PackedImage *image, int x, int y)
{
    if (!Inside(image, x, y))
        return -1;
    const uint8_t *row = ImageRow(image, y);
    switch (image->biBitCount) {
    case 1:
        return (row[x / 8] >> (7 - x % 8)) & 1;
    case 4:
        return x % 2 == 0 ? row[x / 2] >> 4 : row[x / 2] & 0x0F;
    case 8:
        return row[x];
    case 24: {
        const uint8_t *p = row + 3 * x;
        return p[2] | (p[1] << 8) | (p[0] << 16);
    }
    case 32: {
        const uint8_t *p = row + 4 * x;
        return p[2] | (p[1] << 8) | (p[0] << 16) | (p[3] << 24);
    }
    default:
        return -1;
    }
}

void SetImagePixel(PackedImage *image, int x, int y, int value)
{
    if (value == -1 || !Inside(image, x, y))
        return;
    uint8_t *row = ImageRow(image, y);
    switch (image->biBitCount) {
    case 1: {
        const uint8_t bit = static_cast<uint8_t>(0x80 >> (x % 8));
        if (value)
            row[x / 8] |= bit;
        else
            row[x / 8] &= ~bit;
        break;
    }
    case 4: {
        uint8_t &byte = row[x / 2];
        if (x % 2 == 0)
            byte = static_cast<uint8_t>((byte & 0x0F) | ((value & 0x0F) << 4));
        else
            byte = static_cast<uint8_t>((byte & 0xF0) | (value & 0x0F));
        break;
    }
    case 8:
        row[x] = static_cast<uint8_t>(value);
        break;
    case 24:
    case 32: {
        uint8_t *p = row + (image->biBitCount / 8) * x;
        p[0] = static_cast<uint8_t>(value >> 16);
        p[1] = static_cast<uint8_t>(value >> 8);
        p[2] = static_cast<uint8_t>(value);
        if (image->biBitCount == 32)
            p[3] = static_cast<uint8_t>(value >> 24);
        break;
    }
    default:
        break;
    }
}

int GetImagePalette(const PackedImage *image, uint8_t *palette)
{
    std::memset(palette, 0, kPaletteBytes);
    const int entries = ColourTableEntries(image->biBitCount);
    const RGBQUAD *table = reinterpret_cast<const RGBQUAD *>(image + 1);
    for (int i = 0; i < entries; i++) {
        palette[3 * i] = table[i].rgbRed;
        palette[3 * i + 1] = table[i].rgbGreen;
        palette[3 * i + 2] = table[i].rgbBlue;
    }
    return entries;
}

int GetImageInfo(HGLOBAL handle, int *width, int *height, int *bits, uint8_t *palette)
{
    GlobalLockGuard<PackedImage> image(handle);
    if (!image)
        return 0;
    if (width)
        *width = image->biWidth;
    if (height)
        *height = image->biHeight;
    if (bits)
        *bits = image->biBitCount;
    if (palette)
        GetImagePalette(image.get(), palette);
    return 1;
}

HGLOBAL DuplicateImage(HGLOBAL handle)
{
    const SIZE_T size = GlobalSize(handle);
    if (size == 0)
        return nullptr;
    GlobalBlock copy(AllocateSharedBlock(size));
    if (!copy)
        return nullptr;
    GlobalLockGuard<uint8_t> source(handle);
    GlobalLockGuard<uint8_t> target(copy.get());
    if (!source || !target)
        return nullptr;
    std::memcpy(target.get(), source.get(), size);
    return copy.release();
}

HGLOBAL ConvertToTrueColour(HGLOBAL handle)
{
    GlobalLockGuard<PackedImage> source(handle);
    if (!source)
        return nullptr;
    const int width = source->biWidth;
    const int height = source->biHeight;
    GlobalBlock result(CreatePackedImage(width, height, nullptr, 24));
    if (!result)
        return nullptr;
    GlobalLockGuard<PackedImage> target(result.get());
    if (!target)
        return nullptr;

    const int bits = source->biBitCount;
    const RGBQUAD *table = reinterpret_cast<const RGBQUAD *>(source.get() + 1);
    for (int y = 0; y < height; y++) {
        for (int x = 0; x < width; x++) {
            const int value = GetImagePixel(source.get(), x, y);
            if (value == -1)
                continue; // a depth without pixel rules stays black
            if (bits <= 8) {
                const RGBQUAD entry = table[value];
                SetImagePixel(target.get(), x, y,
                              entry.rgbRed | (entry.rgbGreen << 8) | (entry.rgbBlue << 16));
            } else {
                SetImagePixel(target.get(), x, y, value & 0xFFFFFF);
            }
        }
    }
    return result.release();
}

#include "imaging/image_operations.h"

#include "frame/global_block.h"
#include "imaging/fixed_palettes.h"
#include "imaging/palette_search.h"

namespace
{

constexpr int kBlackAndWhitePalette = 0;

// A new image of the source's size and depth with palette, filled by pixel(x, y).
template <typename PixelRule>
HGLOBAL MakeImage(const PackedImage *source, const uint8_t *palette, int bits, PixelRule pixel)
{
    const int width = source->biWidth;
    const int height = source->biHeight;
    GlobalBlock result(CreatePackedImage(width, height, palette, bits));
    GlobalLockGuard<PackedImage> target(result.get());
    if (!target)
        return nullptr;
    for (int y = 0; y < height; y++)
        for (int x = 0; x < width; x++)
            SetImagePixel(target.get(), x, y, pixel(x, y));
    return result.release();
}

} // namespace

HGLOBAL MirrorImage(HGLOBAL handle)
{
    GlobalLockGuard<PackedImage> source(handle);
    if (!source)
        return nullptr;
    uint8_t palette[kPaletteBytes];
    GetImagePalette(source.get(), palette);
    const PackedImage *image = source.get();
    const int last = image->biWidth - 1;
    return MakeImage(image, palette, image->biBitCount,
                     [image, last](int x, int y) { return GetImagePixel(image, last - x, y); });
}

int CopyImageRect(PackedImage *target, int dx, int dy, const PackedImage *source, int sx, int sy,
                  int width, int height)
{
    for (int i = 0; i < height; i++) {
        for (int j = 0; j < width; j++) {
            const int value = GetImagePixel(source, sx + j, sy + i);
            if (value != -1)
                SetImagePixel(target, dx + j, dy + i, value);
        }
    }
    return 1;
}

HGLOBAL ThresholdToMask(HGLOBAL handle, int threshold)
{
    GlobalLockGuard<PackedImage> source(handle);
    if (!source)
        return nullptr;
    uint8_t palette[kPaletteBytes];
    LoadFixedPalette(palette, nullptr, kBlackAndWhitePalette);
    const PackedImage *image = source.get();
    return MakeImage(image, palette, 1, [image, threshold](int x, int y) {
        const int c = GetImagePixel(image, x, y);
        return Luminance(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF) >= threshold ? 1 : 0;
    });
}

int PaintMaskedColour(HGLOBAL imageHandle, HGLOBAL maskHandle, int colour)
{
    GlobalLockGuard<PackedImage> image(imageHandle);
    GlobalLockGuard<PackedImage> mask(maskHandle);
    if (!image || !mask)
        return 0;
    for (int y = 0; y < image->biHeight; y++)
        for (int x = 0; x < image->biWidth; x++)
            if (GetImagePixel(mask.get(), x, y) == 0)
                SetImagePixel(image.get(), x, y, colour);
    return 1;
}

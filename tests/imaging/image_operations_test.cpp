#include "imaging/image_operations.h"

#include "frame/global_block.h"

#include <gtest/gtest.h>

namespace
{

// A 24-bit image whose pixel (x, y) is x + 16 y, so every pixel tells where it came from.
HGLOBAL NumberedImage(int width, int height)
{
    HGLOBAL handle = CreatePackedImage(width, height, nullptr, 24);
    GlobalLockGuard<PackedImage> image(handle);
    for (int y = 0; y < height; y++)
        for (int x = 0; x < width; x++)
            SetImagePixel(image.get(), x, y, x + 16 * y);
    return handle;
}

TEST(ImageOperations, MirrorReversesEveryRowAndKeepsThePalette)
{
    uint8_t palette[kPaletteBytes] = {1, 2, 3, 4, 5, 6};
    GlobalBlock source(CreatePackedImage(5, 2, palette, 4));
    {
        GlobalLockGuard<PackedImage> image(source.get());
        SetImagePixel(image.get(), 0, 1, 7);
        SetImagePixel(image.get(), 3, 0, 1);
    }
    GlobalBlock mirrored(MirrorImage(source.get()));
    ASSERT_TRUE(mirrored);
    int width, height, bits;
    uint8_t copied[kPaletteBytes];
    GetImageInfo(mirrored.get(), &width, &height, &bits, copied);
    EXPECT_EQ(5, width);
    EXPECT_EQ(2, height);
    EXPECT_EQ(4, bits);
    EXPECT_EQ(6, copied[5]);
    GlobalLockGuard<PackedImage> image(mirrored.get());
    EXPECT_EQ(7, GetImagePixel(image.get(), 4, 1));
    EXPECT_EQ(1, GetImagePixel(image.get(), 1, 0));
    EXPECT_EQ(0, GetImagePixel(image.get(), 0, 1));
}

TEST(ImageOperations, CopyRectSkipsWhatFallsOutsideEitherImage)
{
    GlobalBlock source(NumberedImage(4, 4));
    GlobalBlock target(CreatePackedImage(3, 3, nullptr, 24));
    GlobalLockGuard<PackedImage> from(source.get());
    GlobalLockGuard<PackedImage> to(target.get());
    // Source columns 2..5 (4 and 5 outside) to target columns -1..2 (-1 outside).
    EXPECT_EQ(1, CopyImageRect(to.get(), -1, 1, from.get(), 2, 1, 4, 4));
    EXPECT_EQ(3 + 16, GetImagePixel(to.get(), 0, 1));
    EXPECT_EQ(3 + 32, GetImagePixel(to.get(), 0, 2));
    EXPECT_EQ(0, GetImagePixel(to.get(), 1, 1)); // its source pixel (4, 1) does not exist
    EXPECT_EQ(0, GetImagePixel(to.get(), 0, 0));
}

TEST(ImageOperations, MaskThresholdAndPaintingThroughIt)
{
    GlobalBlock picture(CreatePackedImage(3, 1, nullptr, 24));
    {
        GlobalLockGuard<PackedImage> image(picture.get());
        SetImagePixel(image.get(), 0, 0, 0x646464); // luminance 30 + 59 + 11 = 100
        SetImagePixel(image.get(), 1, 0, 0x636363); // 29 + 58 + 10 = 97
        SetImagePixel(image.get(), 2, 0, 0xFFFFFF);
    }
    GlobalBlock mask(ThresholdToMask(picture.get(), 100));
    ASSERT_TRUE(mask);
    int bits;
    uint8_t palette[kPaletteBytes];
    GetImageInfo(mask.get(), nullptr, nullptr, &bits, palette);
    EXPECT_EQ(1, bits);
    EXPECT_EQ(0, palette[0]);
    EXPECT_EQ(255, palette[3]);
    {
        GlobalLockGuard<PackedImage> m(mask.get());
        EXPECT_EQ(1, GetImagePixel(m.get(), 0, 0));
        EXPECT_EQ(0, GetImagePixel(m.get(), 1, 0));
        EXPECT_EQ(1, GetImagePixel(m.get(), 2, 0));
    }
    ASSERT_EQ(1, PaintMaskedColour(picture.get(), mask.get(), 0x0000FF));
    GlobalLockGuard<PackedImage> image(picture.get());
    EXPECT_EQ(0x646464, GetImagePixel(image.get(), 0, 0));
    EXPECT_EQ(0x0000FF, GetImagePixel(image.get(), 1, 0));
    EXPECT_EQ(0xFFFFFF, GetImagePixel(image.get(), 2, 0));
    EXPECT_EQ(0, PaintMaskedColour(picture.get(), nullptr, 0));
}

} // namespace

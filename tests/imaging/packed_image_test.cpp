#include "frame/global_block.h"
#include "imaging/packed_image.h"
#include "support/heap_census.h"

#include <gtest/gtest.h>

#include <cstring>

namespace
{

TEST(PackedImage, HeaderTableAndDepthRounding)
{
    struct Case {
        int requested, bits, stride, tableEntries;
    } cases[] = {
        {1, 1, 4, 2},   {2, 4, 8, 16},   {4, 4, 8, 16},  {5, 8, 12, 256}, {8, 8, 12, 256},
        {9, 24, 36, 0}, {24, 24, 36, 0}, {0, 32, 44, 0}, {25, 32, 44, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.requested);
        GlobalBlock block(CreatePackedImage(11, 5, nullptr, c.requested));
        ASSERT_TRUE(block);
        GlobalLockGuard<PackedImage> image(block.get());
        EXPECT_EQ(40u, image->biSize);
        EXPECT_EQ(11, image->biWidth);
        EXPECT_EQ(5, image->biHeight);
        EXPECT_EQ(1, image->biPlanes);
        EXPECT_EQ(c.bits, image->biBitCount);
        EXPECT_EQ(static_cast<DWORD>(BI_RGB), image->biCompression);
        EXPECT_EQ(static_cast<DWORD>(c.stride * 5), image->biSizeImage);
        EXPECT_EQ(static_cast<DWORD>(c.tableEntries), image->biClrUsed);
        EXPECT_EQ(image->biClrUsed, image->biClrImportant);
        EXPECT_EQ(40u + 4 * c.tableEntries + c.stride * 5, GlobalSize(block.get()));
    }
}

TEST(PackedImage, PaletteFillsTheColourTable)
{
    uint8_t palette[kPaletteBytes] = {};
    for (int i = 0; i < kPaletteBytes; i++)
        palette[i] = static_cast<uint8_t>(i * 7);
    GlobalBlock block(CreatePackedImage(2, 2, palette, 4));
    GlobalLockGuard<PackedImage> image(block.get());
    const RGBQUAD *table = reinterpret_cast<const RGBQUAD *>(image.get() + 1);
    EXPECT_EQ(palette[3 * 5], table[5].rgbRed);
    EXPECT_EQ(palette[3 * 5 + 1], table[5].rgbGreen);
    EXPECT_EQ(palette[3 * 5 + 2], table[5].rgbBlue);
    EXPECT_EQ(0, table[5].rgbReserved);

    uint8_t back[kPaletteBytes];
    std::memset(back, 0xEE, sizeof back);
    EXPECT_EQ(16, GetImagePalette(image.get(), back));
    EXPECT_EQ(0, std::memcmp(back, palette, 48));
    for (int i = 48; i < kPaletteBytes; i++)
        ASSERT_EQ(0, back[i]);

    int width = 0, height = 0, bits = 0;
    EXPECT_EQ(1, GetImageInfo(block.get(), &width, &height, &bits, nullptr));
    EXPECT_EQ(2, width);
    EXPECT_EQ(2, height);
    EXPECT_EQ(4, bits);
}

TEST(PackedImage, PixelRulesPerDepth)
{
    struct Case {
        int bits, value, read;
    } cases[] = {
        {1, 5, 1},
        {1, 0, 0},
        {4, 0x1B, 0xB},
        {8, 0x1F0, 0xF0},
        {24, 0x123456, 0x123456},
        {24, 0x7F123456, 0x123456},
        {32, 0x7F123456, 0x7F123456},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.bits);
        GlobalBlock block(CreatePackedImage(9, 3, nullptr, c.bits));
        GlobalLockGuard<PackedImage> image(block.get());
        SetImagePixel(image.get(), 8, 1, c.value);
        EXPECT_EQ(c.read, GetImagePixel(image.get(), 8, 1));
        EXPECT_EQ(0, GetImagePixel(image.get(), 7, 1)); // neighbours untouched
        EXPECT_EQ(0, GetImagePixel(image.get(), 8, 0));
        SetImagePixel(image.get(), 8, 1, -1); // -1 is never written
        EXPECT_EQ(c.read, GetImagePixel(image.get(), 8, 1));
        for (auto [x, y] : {std::pair{-1, 0}, {9, 0}, {0, -1}, {0, 3}}) {
            EXPECT_EQ(-1, GetImagePixel(image.get(), x, y));
            SetImagePixel(image.get(), x, y, 1); // ignored
        }
    }
}

TEST(PackedImage, StorageIsBottomUpAndMsbFirst)
{
    // A 1-bit image of width 9 has a 4-byte stride; pixel 8 is the top bit of byte 1.
    GlobalBlock block(CreatePackedImage(9, 2, nullptr, 1));
    GlobalLockGuard<PackedImage> image(block.get());
    SetImagePixel(image.get(), 8, 0, 1);
    const uint8_t *rows = ImagePixels(image.get());
    EXPECT_EQ(0x80, rows[4 + 1]); // top picture row is the second stored row
    EXPECT_EQ(0, rows[1]);

    // At 4 bits even x is the high nibble; the other nibble is kept.
    GlobalBlock nibbles(CreatePackedImage(2, 1, nullptr, 4));
    GlobalLockGuard<PackedImage> four(nibbles.get());
    SetImagePixel(four.get(), 0, 0, 0xA);
    SetImagePixel(four.get(), 1, 0, 0x5);
    EXPECT_EQ(0xA5, ImagePixels(four.get())[0]);

    // At 24 bits the bytes are blue, green, red.
    GlobalBlock colour(CreatePackedImage(1, 1, nullptr, 24));
    GlobalLockGuard<PackedImage> rgb(colour.get());
    SetImagePixel(rgb.get(), 0, 0, 0x00332211);
    const uint8_t *p = ImagePixels(rgb.get());
    EXPECT_EQ(0x33, p[0]);
    EXPECT_EQ(0x22, p[1]);
    EXPECT_EQ(0x11, p[2]);
}

TEST(PackedImage, ArtworkHeaderWithHugeColourCountHasNoTable)
{
    GlobalBlock block(CreatePackedImage(3, 2, nullptr, 24));
    GlobalLockGuard<PackedImage> image(block.get());
    image->biClrUsed = 16777216;
    SetImagePixel(image.get(), 0, 1, 0x00ABCDEF);
    const uint8_t *bytes = reinterpret_cast<const uint8_t *>(image.get());
    EXPECT_EQ(0xAB, bytes[40]); // bottom row, first pixel, blue
    EXPECT_EQ(0x00ABCDEF, GetImagePixel(image.get(), 0, 1));
}

TEST(PackedImage, DuplicateAndConvertToTrueColour)
{
    HeapCensus census;
    {
        uint8_t palette[kPaletteBytes] = {0, 0, 0, 255, 255, 255};
        GlobalBlock mask(CreatePackedImage(10, 2, palette, 1));
        {
            GlobalLockGuard<PackedImage> image(mask.get());
            SetImagePixel(image.get(), 3, 1, 1);
        }
        GlobalBlock copy(DuplicateImage(mask.get()));
        ASSERT_TRUE(copy);
        ASSERT_EQ(GlobalSize(mask.get()), GlobalSize(copy.get()));
        GlobalLockGuard<uint8_t> a(mask.get()), b(copy.get());
        EXPECT_EQ(0, std::memcmp(a.get(), b.get(), GlobalSize(mask.get())));

        GlobalBlock rgb(ConvertToTrueColour(mask.get()));
        ASSERT_TRUE(rgb);
        GlobalLockGuard<PackedImage> image(rgb.get());
        EXPECT_EQ(24, image->biBitCount);
        EXPECT_EQ(0xFFFFFF, GetImagePixel(image.get(), 3, 1));
        EXPECT_EQ(0, GetImagePixel(image.get(), 2, 1));
        EXPECT_EQ(0, GetImagePixel(image.get(), 3, 0));

        GlobalBlock deep(CreatePackedImage(1, 1, nullptr, 32));
        {
            GlobalLockGuard<PackedImage> image32(deep.get());
            SetImagePixel(image32.get(), 0, 0, 0x7F010203);
        }
        GlobalBlock flat(ConvertToTrueColour(deep.get()));
        GlobalLockGuard<PackedImage> image24(flat.get());
        EXPECT_EQ(0x010203, GetImagePixel(image24.get(), 0, 0));
    }
    EXPECT_EQ(0, census.Leaked());
}

} // namespace

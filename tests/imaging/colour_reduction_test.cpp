#include "frame/global_block.h"
#include "imaging/colour_reduction.h"
#include "imaging/fixed_palettes.h"
#include "imaging/packed_image.h"
#include "support/heap_census.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{

HGLOBAL TrueColourImage(int width, int height, const std::vector<int> &colours)
{
    HGLOBAL handle = CreatePackedImage(width, height, nullptr, 24);
    GlobalLockGuard<PackedImage> image(handle);
    for (int i = 0; i < width * height; i++)
        SetImagePixel(image.get(), i % width, i / width, colours[i % colours.size()]);
    return handle;
}

int PaletteColour(const uint8_t *palette, int i)
{
    return palette[3 * i] | (palette[3 * i + 1] << 8) | (palette[3 * i + 2] << 16);
}

// Every pixel of the reduced image, read back through the palette.
std::vector<int> ColoursOf(HGLOBAL handle, const uint8_t *palette)
{
    GlobalLockGuard<PackedImage> image(handle);
    std::vector<int> colours;
    for (int y = 0; y < image->biHeight; y++)
        for (int x = 0; x < image->biWidth; x++)
            colours.push_back(PaletteColour(palette, GetImagePixel(image.get(), x, y)));
    return colours;
}

// Colours already in the palette come through unchanged, whichever reduction and search.
TEST(ColourReduction, InPaletteImagesReproduceExactly)
{
    HeapCensus census;
    for (int type : {1, 6, 7}) {
        uint8_t palette[768];
        int bits;
        const int entries = LoadFixedPalette(palette, &bits, type);
        std::vector<int> colours;
        for (int i = 0; i < 64; i++)
            colours.push_back(PaletteColour(palette, (i * 37) % entries));
        GlobalBlock source(TrueColourImage(13, 9, colours));
        std::vector<int> expected;
        {
            GlobalLockGuard<PackedImage> image(source.get());
            for (int y = 0; y < 9; y++)
                for (int x = 0; x < 13; x++)
                    expected.push_back(GetImagePixel(image.get(), x, y));
        }
        for (bool fast : {true, false}) {
            GlobalBlock remapped(RemapImage(source.get(), palette, bits, 256, fast));
            GlobalBlock dithered(DitherImage(source.get(), palette, bits, 256, fast));
            ASSERT_TRUE(remapped && dithered);
            EXPECT_EQ(expected, ColoursOf(remapped.get(), palette)) << type << fast;
            EXPECT_EQ(expected, ColoursOf(dithered.get(), palette)) << type << fast;
            GlobalLockGuard<PackedImage> image(remapped.get());
            EXPECT_EQ(RoundImageDepth(bits), image->biBitCount);
        }
    }
    EXPECT_EQ(0, census.Leaked());
}

TEST(ColourReduction, BlackAndWhiteDither)
{
    uint8_t palette[768];
    LoadFixedPalette(palette, nullptr, 0);
    struct Case {
        std::vector<int> colours;
        std::vector<int> expected;
    } cases[] = {
        {{0x000000, 0xFFFFFF, 0xFFFFFF, 0x000000}, {0, 1, 1, 0}}, // threshold 127
        {{0x000000}, {1, 1, 1, 1}},                               // grey 1 exceeds threshold 0
        {{0xFFFFFF}, {0, 0, 0, 0}},                               // grey 254 does not exceed 255
    };
    for (const Case &c : cases) {
        GlobalBlock source(TrueColourImage(2, 2, c.colours));
        GlobalBlock result(DitherImage(source.get(), palette, 1, 2, true));
        ASSERT_TRUE(result);
        GlobalLockGuard<PackedImage> image(result.get());
        EXPECT_EQ(1, image->biBitCount);
        std::vector<int> bits;
        for (int i = 0; i < 4; i++)
            bits.push_back(GetImagePixel(image.get(), i % 2, i / 2));
        EXPECT_EQ(c.expected, bits);
    }
    GlobalBlock mask(CreatePackedImage(4, 4, palette, 1));
    EXPECT_EQ(nullptr, DitherImage(mask.get(), palette, 8, 256, true)) << "1-bit sources refused";
}

TEST(ColourReduction, RemapToOneBitAndFromPaletteImages)
{
    uint8_t bw[768];
    LoadFixedPalette(bw, nullptr, 0);
    // Luminance 128 (grey 129) is still dark; 130 (grey 131) is light.
    GlobalBlock grey(TrueColourImage(2, 1, {0x818181, 0x838383}));
    GlobalBlock one(RemapImage(grey.get(), bw, 1, 2, true));
    {
        GlobalLockGuard<PackedImage> image(one.get());
        EXPECT_EQ(0, GetImagePixel(image.get(), 0, 0));
        EXPECT_EQ(1, GetImagePixel(image.get(), 1, 0));
    }
    // A 1-bit source maps set bits to white and clear bits to black, whatever its table says.
    uint8_t odd[768] = {10, 20, 30, 40, 50, 60};
    GlobalBlock mask(CreatePackedImage(2, 1, odd, 1));
    {
        GlobalLockGuard<PackedImage> image(mask.get());
        SetImagePixel(image.get(), 1, 0, 1);
    }
    uint8_t palette[768];
    LoadFixedPalette(palette, nullptr, 6);
    GlobalBlock mapped(RemapImage(mask.get(), palette, 8, 256, true));
    EXPECT_EQ((std::vector<int>{0x000000, 0xFFFFFF}), ColoursOf(mapped.get(), palette));
}

TEST(ColourReduction, ReplaceMatchingPixels)
{
    uint8_t palette[768];
    LoadFixedPalette(palette, nullptr, 6);
    GlobalBlock source(TrueColourImage(3, 1, {0x112233, 0xFFFFFF, 0x112233}));
    GlobalBlock remapped(RemapImage(source.get(), palette, 8, 256, true));
    GlobalBlock marked(ReplaceMatchingPixels(remapped.get(), source.get(), 0x112233, 200));
    GlobalLockGuard<PackedImage> image(marked.get()), before(remapped.get());
    EXPECT_EQ(200, GetImagePixel(image.get(), 0, 0));
    EXPECT_EQ(GetImagePixel(before.get(), 1, 0), GetImagePixel(image.get(), 1, 0));
    EXPECT_EQ(200, GetImagePixel(image.get(), 2, 0));
    EXPECT_NE(200, GetImagePixel(before.get(), 0, 0)) << "the input is left as it was";
}

// True-colour frames are remapped, and their background marked, straight from the rows;
// 32-bit images take the pixel rules. Both give the same indices for every colour, in runs
// and alone, whether the search is fast or full.
TEST(ColourReduction, DirectRowsMatchPixelByPixel)
{
    HeapCensus census;
    {
        const int width = 41, height = 17;
        std::vector<int> colours;
        unsigned seed = 99;
        for (int i = 0; i < width * height; i++) {
            seed = seed * 1103515245 + 12345;
            colours.push_back(seed >> 28 ? 0x203040 : static_cast<int>(seed >> 8 & 0xFFFFFF));
        }
        GlobalBlock direct(TrueColourImage(width, height, colours));
        GlobalBlock generic(CreatePackedImage(width, height, nullptr, 32));
        {
            GlobalLockGuard<PackedImage> image(generic.get());
            for (int i = 0; i < width * height; i++)
                SetImagePixel(image.get(), i % width, i / width, colours[i] | 0x7F000000);
        }
        uint8_t palette[768];
        LoadFixedPalette(palette, nullptr, 6);
        for (int count : {256, 19})
            for (bool fast : {true, false}) {
                GlobalBlock a(RemapImage(direct.get(), palette, 8, count, fast));
                GlobalBlock b(RemapImage(generic.get(), palette, 8, count, fast));
                ASSERT_TRUE(a && b);
                GlobalBlock markedA(ReplaceMatchingPixels(a.get(), direct.get(), 0x203040, 250));
                GlobalBlock markedB(ReplaceMatchingPixels(b.get(), generic.get(), 0x203040, 250));
                ASSERT_TRUE(markedA && markedB);
                GlobalLockGuard<PackedImage> ia(a.get()), ib(b.get());
                GlobalLockGuard<PackedImage> ma(markedA.get()), mb(markedB.get());
                int marked = 0;
                for (int y = 0; y < height; y++)
                    for (int x = 0; x < width; x++) {
                        ASSERT_EQ(GetImagePixel(ib.get(), x, y), GetImagePixel(ia.get(), x, y))
                            << count << " colours, fast " << fast << ", at " << x << "," << y;
                        ASSERT_EQ(GetImagePixel(mb.get(), x, y), GetImagePixel(ma.get(), x, y));
                        marked += GetImagePixel(ma.get(), x, y) == 250;
                    }
                EXPECT_GT(marked, width * height / 2) << "most pixels are the background";
            }
    }
    EXPECT_EQ(0, census.Leaked());
}

} // namespace

#include "imaging/fixed_palettes.h"
#include "imaging/palette_search.h"

#include <gtest/gtest.h>

#include <cstring>

namespace
{

struct Entry {
    int index, red, green, blue;
};

TEST(FixedPalettes, EntriesBitsAndSamples)
{
    struct Case {
        int type, entries, bits;
        Entry sample[3];
    } cases[] = {
        {0, 2, 1, {{0, 0, 0, 0}, {1, 255, 255, 255}, {2, 0, 0, 0}}},
        {1, 16, 4, {{7, 128, 128, 128}, {8, 192, 192, 192}, {14, 0, 255, 255}}},
        {2, 32, 5, {{31, 255, 255, 255}, {8, 85, 0, 0}, {3, 0, 85, 255}}},
        {3, 64, 6, {{63, 255, 255, 255}, {21, 85, 85, 85}, {1, 0, 0, 85}}},
        {4, 128, 7, {{127, 255, 255, 255}, {36, 85, 36, 0}, {4, 0, 36, 0}}},
        {5, 216, 8, {{215, 255, 255, 255}, {7, 51, 0, 51}, {216, 0, 0, 0}}},
        {6, 256, 8, {{255, 255, 255, 255}, {31, 0, 255, 255}, {33, 36, 0, 85}}},
        {7, 256, 8, {{112, 1, 1, 1}, {143, 254, 254, 254}, {144, 128, 146, 0}}},
        {8, 256, 8, {{0, 0, 0, 0}, {100, 100, 100, 100}, {255, 255, 255, 255}}},
        {42, 256, 8, {{31, 0, 255, 255}, {255, 255, 255, 255}, {0, 0, 0, 0}}}, // as type 6
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.type);
        uint8_t palette[768];
        std::memset(palette, 0x77, sizeof palette);
        int bits = 0;
        EXPECT_EQ(c.entries, LoadFixedPalette(palette, &bits, c.type));
        EXPECT_EQ(c.bits, bits);
        for (const Entry &e : c.sample) {
            EXPECT_EQ(e.red, palette[3 * e.index]) << e.index;
            EXPECT_EQ(e.green, palette[3 * e.index + 1]) << e.index;
            EXPECT_EQ(e.blue, palette[3 * e.index + 2]) << e.index;
        }
        for (int i = 3 * c.entries; i < 768; i++)
            ASSERT_EQ(0, palette[i]) << "past the palette's own entries";
        EXPECT_EQ(c.entries, LoadFixedPalette(nullptr, nullptr, c.type));
    }
}

TEST(PaletteSearch, NearestExactAndTies)
{
    const uint8_t palette[] = {0, 0, 0, 0, 0, 0, 128, 128, 128, 128, 128, 128, 255, 0, 0};
    EXPECT_EQ(0, FindNearestColour(10, 10, 10, palette, 3));
    EXPECT_EQ(2, FindNearestColour(128, 128, 128, palette, 5)); // the first of two exact
    EXPECT_EQ(4, FindNearestColour(250, 10, 0, palette, 5));
    EXPECT_EQ(0, FindNearestColour(250, 10, 0, palette, 0));
    EXPECT_EQ(2, FindExactColour(128, 128, 128, palette, 5));
    EXPECT_EQ(-1, FindExactColour(1, 2, 3, palette, 5));
    // Red weighs 3, blue 2: (0,20,0) is nearer (0,0,30) (3400) than (30,0,0) (4300).
    const uint8_t weighted[] = {30, 0, 0, 0, 0, 30};
    EXPECT_EQ(1, FindNearestColour(0, 20, 0, weighted, 2));
}

TEST(PaletteSearch, BitsForCounts)
{
    const int counts[][2] = {{1, 1},  {2, 1},   {3, 2},   {4, 2},   {5, 3},  {16, 4},
                             {17, 5}, {128, 7}, {129, 8}, {256, 8}, {257, 8}};
    for (const auto &c : counts)
        EXPECT_EQ(c[1], BitsForColourCount(c[0])) << c[0];
}

TEST(PaletteSearch, SortByLuminanceIsStable)
{
    // Luminances: 76, 29, 149, 76 (the two reds are equal and keep their order).
    uint8_t palette[] = {255, 0, 0, 0, 0, 255, 0, 255, 0, 254, 1, 0};
    SortPaletteByLuminance(palette, 4, true);
    const uint8_t ascending[] = {0, 0, 255, 255, 0, 0, 254, 1, 0, 0, 255, 0};
    EXPECT_EQ(0, std::memcmp(ascending, palette, sizeof palette));
    SortPaletteByLuminance(palette, 4, false);
    const uint8_t descending[] = {0, 255, 0, 255, 0, 0, 254, 1, 0, 0, 0, 255};
    EXPECT_EQ(0, std::memcmp(descending, palette, sizeof palette));
}

// The matcher answers exactly as the plain searches do, with its cell table reused.
TEST(PaletteSearch, MatcherAgreesWithPlainSearches)
{
    uint8_t palette[768];
    LoadFixedPalette(palette, nullptr, 7);
    palette[3 * 200] = 12; // a duplicate colour further on must not win
    palette[3 * 200 + 1] = 34;
    palette[3 * 200 + 2] = 56;
    std::memcpy(palette + 3 * 201, palette + 3 * 200, 3);
    for (bool fast : {true, false}) {
        const ColourMatcher matcher(palette, 256, fast);
        unsigned seed = 7;
        for (int i = 0; i < 3000; i++) {
            seed = seed * 1103515245 + 12345;
            const int r = (seed >> 8) & 255, g = (seed >> 16) & 255, b = (seed >> 24) & 255;
            const int exact = FindExactColour(r, g, b, palette, 256);
            ASSERT_EQ(exact, matcher.Exact(r, g, b));
            const int expected = !fast ? FindNearestColour(r, g, b, palette, 256)
                                 : exact >= 0
                                     ? exact
                                     : FindNearestColour(r & ~7, g & ~7, b & ~7, palette, 256);
            ASSERT_EQ(expected, matcher.Match(r, g, b)) << r << "," << g << "," << b;
        }
        EXPECT_EQ(200, matcher.Exact(12, 34, 56));
    }
}

} // namespace

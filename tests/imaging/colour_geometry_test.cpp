#include "imaging/colour_helpers.h"
#include "imaging/rotation.h"

#include "frame/global_block.h"

#include <gtest/gtest.h>

namespace
{

int Rgb(int red, int green, int blue)
{
    return red | (green << 8) | (blue << 16);
}

TEST(ColourHelpers, ScaleColourClampsTruncatesAndClearsTheTopByte)
{
    struct Case {
        int colour;
        double factor;
        int expected;
    } cases[] = {
        {Rgb(64, 128, 255), 2.0, Rgb(128, 255, 255)},
        {Rgb(64, 128, 255), -1.0, 0},
        {Rgb(3, 5, 7), 0.5, Rgb(1, 2, 3)},
        {static_cast<int>(0xFF000000u) | Rgb(10, 20, 30), 1.0, Rgb(10, 20, 30)},
    };
    for (const Case &c : cases)
        EXPECT_EQ(c.expected, ScaleColour(c.colour, c.factor)) << c.factor;
}

TEST(ColourHelpers, BlendColoursWeighsTowardsTheFirstColour)
{
    const int a = Rgb(255, 0, 100), b = Rgb(0, 255, 200);
    EXPECT_EQ(a, BlendColours(a, b, 255));
    EXPECT_EQ(b, BlendColours(a, b, 0));
    EXPECT_EQ(Rgb(128, 127, (128 * 100 + 127 * 200) / 255), BlendColours(a, b, 128));
}

TEST(Rotation, TruncatedResultsOfTheInexactAngle)
{
    struct Case {
        int x, y, cx, cy;
        double degrees;
        int ex, ey;
    } cases[] = {
        {10, 0, 0, 0, 90, 0, 9},    // not (0, 10): the factor is slightly short of pi / 180
        {10, 0, 0, 0, 0, 10, 0},    // no turn
        {15, 5, 5, 5, 180, -4, 5},  // about a centre, truncated toward zero
        {5, -95, 5, 5, 90, 104, 5}, // up turns to the right: clockwise on the screen
    };
    for (const Case &c : cases) {
        int x = c.x, y = c.y;
        RotatePoint(&x, &y, c.cx, c.cy, c.degrees);
        EXPECT_EQ(c.ex, x) << c.degrees;
        EXPECT_EQ(c.ey, y) << c.degrees;
        x = c.x, y = c.y;
        RotatePointInt(&x, &y, c.cx, c.cy, static_cast<int>(c.degrees));
        EXPECT_EQ(c.ex, x);
        EXPECT_EQ(c.ey, y);
    }
}

TEST(ColourHelpers, TintMovesTheColourTableOrThePixels)
{
    const uint8_t palette[kPaletteBytes] = {10, 128, 250, 200, 0, 60};
    GlobalBlock paletted(CreatePackedImage(3, 2, palette, 1));
    GlobalLockGuard<PackedImage> small(paletted.get());
    SetImagePixel(small.get(), 1, 1, 1);
    EXPECT_EQ(2, TintImage(small.get(), Rgb(148, 100, 138))); // +20, -28, +10
    uint8_t tinted[kPaletteBytes];
    GetImagePalette(small.get(), tinted);
    const uint8_t expected[6] = {30, 100, 255, 220, 0, 70};
    EXPECT_TRUE(std::equal(expected, expected + 6, tinted));
    EXPECT_EQ(1, GetImagePixel(small.get(), 1, 1));

    GlobalBlock trueColour(CreatePackedImage(2, 2, nullptr, 24));
    GlobalLockGuard<PackedImage> image(trueColour.get());
    SetImagePixel(image.get(), 1, 0, Rgb(10, 128, 250));
    EXPECT_EQ(16777216, TintImage(image.get(), Rgb(148, 100, 138)));
    EXPECT_EQ(Rgb(30, 100, 255), GetImagePixel(image.get(), 1, 0));
    EXPECT_EQ(Rgb(20, 0, 10), GetImagePixel(image.get(), 0, 1));
}

} // namespace

#include "imaging/blur.h"

#include "frame/global_block.h"
#include "support/heap_census.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>

namespace
{

TEST(Blur, KernelOfThreeTapsSumsThirdPixelSamples)
{
    std::vector<double> kernel;
    ASSERT_EQ(3, BuildGaussianKernel(0, 1.0, &kernel));
    // Samples at -4/3 .. 4/3 pixels: the outer taps take three each, the centre three.
    const double outer = std::exp(-16.0 / 18) + std::exp(-9.0 / 18) + std::exp(-4.0 / 18);
    const double centre = 2 * std::exp(-1.0 / 18) + 1;
    const double sum = 2 * outer + centre;
    EXPECT_NEAR(outer / sum, kernel[0], 1e-12);
    EXPECT_NEAR(centre / sum, kernel[1], 1e-12);
    EXPECT_DOUBLE_EQ(kernel[0], kernel[2]);
}

TEST(Blur, EvenTapCountsAndNoSpreadStayInsideTheKernel)
{
    std::vector<double> kernel;
    ASSERT_EQ(4, BuildGaussianKernel(4, 1.0, &kernel));
    EXPECT_NEAR(1.0, std::accumulate(kernel.begin(), kernel.end(), 0.0), 1e-12);
    ASSERT_EQ(5, BuildGaussianKernel(5, 0.0, &kernel));
    EXPECT_EQ((std::vector<double>{0, 0, 1, 0, 0}), kernel);
}

TEST(Blur, RowEdgesAndShortRowsAreRenormalised)
{
    const double kernel[3] = {0.25, 0.5, 0.25};
    struct Case {
        std::vector<uint8_t> source; // first channel; the second carries half of it
        std::vector<uint8_t> expected;
    } cases[] = {
        // edges: (0.5 × 0 + 0.25 × 100 + 0.5) / 0.75 = 34; centre: 100.5 and 135.5 truncated
        {{0, 100, 200, 40}, {34, 100, 135, 94}},
        // a row shorter than the kernel
        {{0, 90}, {30, 60}},
        // alone under the centre tap, the +0.5 counts double: (0.5 × 77 + 0.5) / 0.5
        {{77}, {78}},
    };
    for (const Case &c : cases) {
        const int width = static_cast<int>(c.source.size());
        std::vector<uint8_t> row, out(3 * width);
        for (uint8_t v : c.source)
            row.insert(row.end(), {v, static_cast<uint8_t>(v / 2), 0});
        ConvolveRow(kernel, 3, row.data(), out.data(), width);
        for (int i = 0; i < width; i++) {
            EXPECT_EQ(c.expected[i], out[3 * i]) << "pixel " << i << " of " << width;
            EXPECT_NEAR(c.expected[i] / 2.0, out[3 * i + 1], 1.0) << "channels stay apart";
        }
    }
}

TEST(Blur, UniformImagesStayUniformUnderBothBlurs)
{
    const int colour = 200 | (100 << 8) | (37 << 16);
    struct Case {
        int width, height, radius, sigma;
    } cases[] = {
        {12, 9, 20, 10},    // 5 taps: edges and centre
        {7, 5, 100, 15},    // 21 taps: every row and column shorter than the kernel
        {100, 81, 400, 60}, // 81 taps
    };
    for (const Case &c : cases) {
        GlobalBlock image(CreatePackedImage(c.width, c.height, nullptr, 24));
        {
            GlobalLockGuard<PackedImage> pixels(image.get());
            for (int y = 0; y < c.height; y++)
                for (int x = 0; x < c.width; x++)
                    SetImagePixel(pixels.get(), x, y, colour);
        }
        GlobalBlock blurred(BlurImage(image.get(), c.radius, c.sigma));
        ASSERT_TRUE(blurred);
        GlobalLockGuard<PackedImage> copy(blurred.get());
        GlobalLockGuard<PackedImage> inPlace(image.get());
        ASSERT_EQ(1, BlurImageInPlace(inPlace.get(), c.radius, c.sigma));
        for (int y = 0; y < c.height; y++) {
            for (int x = 0; x < c.width; x++) {
                ASSERT_EQ(colour, GetImagePixel(copy.get(), x, y)) << c.radius << " " << x;
                ASSERT_EQ(colour, GetImagePixel(inPlace.get(), x, y)) << c.radius << " " << x;
            }
        }
    }
}

TEST(Blur, WhiteSurvivesAHeavilyRenormalisedEdge)
{
    // One pixel under a wide kernel: only the centre tap weighs, and the +0.5 divided by its
    // small weight must not wrap 255 round to black.
    GlobalBlock image(CreatePackedImage(1, 1, nullptr, 24));
    GlobalLockGuard<PackedImage> pixels(image.get());
    SetImagePixel(pixels.get(), 0, 0, 0xFFFFFF);
    ASSERT_EQ(1, BlurImageInPlace(pixels.get(), 100, 15));
    EXPECT_EQ(0xFFFFFF, GetImagePixel(pixels.get(), 0, 0));
}

TEST(Blur, SpreadsAPointAndLeavesTheInputAndNoBlock)
{
    GlobalBlock image(CreatePackedImage(9, 9, nullptr, 24));
    {
        GlobalLockGuard<PackedImage> pixels(image.get());
        SetImagePixel(pixels.get(), 4, 4, 0xFFFFFF);
    }
    HeapCensus census;
    HGLOBAL blurred = BlurImage(image.get(), 20, 10);
    ASSERT_NE(nullptr, blurred);
    {
        GlobalLockGuard<PackedImage> input(image.get());
        GlobalLockGuard<PackedImage> output(blurred);
        EXPECT_EQ(0xFFFFFF, GetImagePixel(input.get(), 4, 4));
        EXPECT_EQ(0, GetImagePixel(input.get(), 3, 4));
        const int centre = GetImagePixel(output.get(), 4, 4) & 0xFF;
        const int beside = GetImagePixel(output.get(), 3, 4) & 0xFF;
        EXPECT_LT(centre, 255);
        EXPECT_GT(beside, 0);
        EXPECT_LT(beside, centre);
        EXPECT_EQ(GetImagePixel(output.get(), 3, 4), GetImagePixel(output.get(), 4, 5));
    }
    GlobalFree(blurred);
    EXPECT_EQ(0, census.Leaked());
}

} // namespace

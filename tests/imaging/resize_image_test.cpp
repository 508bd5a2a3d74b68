#include "frame/global_block.h"
#include "imaging/packed_image.h"
#include "imaging/resize_image.h"
#include "support/heap_census.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace
{

// An 8-bit image of one row holding the given index values.
HGLOBAL GreyRow(const std::vector<int> &values)
{
    HGLOBAL handle = CreatePackedImage(static_cast<int>(values.size()), 1, nullptr, 8);
    GlobalLockGuard<PackedImage> image(handle);
    for (size_t x = 0; x < values.size(); x++)
        SetImagePixel(image.get(), static_cast<int>(x), 0, values[x]);
    return handle;
}

std::vector<int> Row(HGLOBAL handle)
{
    GlobalLockGuard<PackedImage> image(handle);
    std::vector<int> values;
    for (int x = 0; x < image->biWidth; x++)
        values.push_back(GetImagePixel(image.get(), x, 0));
    return values;
}

TEST(ResizeImage, ShrinkAndStretchOneRow)
{
    std::vector<int> ramp300(300);
    for (int i = 0; i < 300; i++)
        ramp300[i] = i % 256;
    struct Case {
        std::vector<int> source;
        int percent;
        std::vector<int> expected;
    } cases[] = {
        {{10, 20, 90}, 50, {15}}, // the third pixel is not used
        {{10, 20, 40}, 150, {20, 30, 40, 40}},
        {{0, 100}, 200, {50, 100, 100, 100}},
        {{7, 9, 11}, 100, {7, 9, 11}},
    };
    for (const Case &c : cases) {
        GlobalBlock source(GreyRow(c.source));
        GlobalBlock result(ResizeImage(source.get(), c.percent, 100));
        ASSERT_TRUE(result);
        EXPECT_EQ(c.expected, Row(result.get())) << c.percent;
    }

    // 300 pixels at 33 %: 99 pixels, the last averaging source pixels 296-299.
    GlobalBlock source(GreyRow(ramp300));
    GlobalBlock result(ResizeImage(source.get(), 33, 100));
    const std::vector<int> row = Row(result.get());
    ASSERT_EQ(99u, row.size());
    EXPECT_EQ((40 + 41 + 42 + 43) / 4, row[98]);
    EXPECT_EQ((0 + 1 + 2) / 3, row[0]); // column 0 ends at 100 / 33 = 3
}

TEST(ResizeImage, HundredPercentIsAnIdenticalCopy)
{
    GlobalBlock source(CreatePackedImage(5, 4, nullptr, 24));
    {
        GlobalLockGuard<PackedImage> image(source.get());
        for (int i = 0; i < 20; i++)
            SetImagePixel(image.get(), i % 5, i / 5, i * 0x030507);
    }
    GlobalBlock copy(ResizeImage(source.get(), 100, 100));
    ASSERT_EQ(GlobalSize(source.get()), GlobalSize(copy.get()));
    GlobalLockGuard<uint8_t> a(source.get()), b(copy.get());
    EXPECT_EQ(0, std::memcmp(a.get(), b.get(), GlobalSize(source.get())));
}

TEST(ResizeImage, VerticalPassRunsTopDown)
{
    GlobalBlock source(CreatePackedImage(1, 3, nullptr, 24));
    {
        GlobalLockGuard<PackedImage> image(source.get());
        SetImagePixel(image.get(), 0, 0, 0x000010);
        SetImagePixel(image.get(), 0, 1, 0x000030);
        SetImagePixel(image.get(), 0, 2, 0x0000FF);
    }
    GlobalBlock result(ResizeImage(source.get(), 100, 50));
    GlobalLockGuard<PackedImage> image(result.get());
    ASSERT_EQ(1, image->biHeight);
    EXPECT_EQ(0x000020, GetImagePixel(image.get(), 0, 0));
}

// The 24-bit path reads rows directly; 32-bit images go pixel by pixel through the pixel
// rules. Both must give the same red, green and blue for every size and percent.
TEST(ResizeImage, DirectRowsMatchPixelByPixel)
{
    HeapCensus census;
    {
        const int width = 37, height = 23;
        GlobalBlock direct(CreatePackedImage(width, height, nullptr, 24));
        GlobalBlock generic(CreatePackedImage(width, height, nullptr, 32));
        {
            GlobalLockGuard<PackedImage> a(direct.get()), b(generic.get());
            unsigned seed = 12345;
            for (int y = 0; y < height; y++)
                for (int x = 0; x < width; x++) {
                    seed = seed * 1103515245 + 12345;
                    const int colour = (seed >> 8) & 0xFFFFFF;
                    SetImagePixel(a.get(), x, y, colour);
                    SetImagePixel(b.get(), x, y, colour);
                }
        }
        for (auto [px, py] : {std::pair{50, 50},
                              {33, 33},
                              {25, 25},
                              {14, 9},
                              {3, 50},
                              {150, 250},
                              {333, 40},
                              {100, 77}}) {
            GlobalBlock a(ResizeImage(direct.get(), px, py));
            GlobalBlock b(ResizeImage(generic.get(), px, py));
            ASSERT_TRUE(a && b);
            GlobalLockGuard<PackedImage> ia(a.get()), ib(b.get());
            ASSERT_EQ(px * width / 100, ia->biWidth);
            ASSERT_EQ(py * height / 100, ia->biHeight);
            for (int y = 0; y < ia->biHeight; y++)
                for (int x = 0; x < ia->biWidth; x++)
                    ASSERT_EQ(GetImagePixel(ia.get(), x, y),
                              GetImagePixel(ib.get(), x, y) & 0xFFFFFF)
                        << px << "% x " << py << "% at " << x << "," << y;
        }
    }
    EXPECT_EQ(0, census.Leaked());
}

TEST(ResizeImage, RefusesAbsurdPercents)
{
    GlobalBlock source(GreyRow({1, 2, 3}));
    EXPECT_EQ(nullptr, ResizeImage(source.get(), 0, 100));
    EXPECT_EQ(nullptr, ResizeImage(source.get(), 100, -5));
}

} // namespace

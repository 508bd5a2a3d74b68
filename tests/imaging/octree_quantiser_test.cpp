#include "frame/frame_list.h"
#include "frame/global_block.h"
#include "imaging/octree_quantiser.h"
#include "imaging/packed_image.h"
#include "support/heap_census.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace
{

// Frames of 16 × 16 pixels cycling through the given colours, frame after frame.
struct Frames {
    FrameList list = {};
    explicit Frames(const std::vector<int> &colours, int count = 2)
    {
        size_t next = 0;
        for (int f = 0; f < count; f++) {
            HGLOBAL handle = CreatePackedImage(16, 16, nullptr, 24);
            {
                GlobalLockGuard<PackedImage> image(handle);
                for (int y = 0; y < 16; y++)
                    for (int x = 0; x < 16; x++)
                        SetImagePixel(image.get(), x, y, colours[next++ % colours.size()]);
            }
            AddFrame(&list, handle, 1);
        }
    }
    ~Frames() { FreeFrameList(&list); }
};

std::vector<int> Distinct(int n)
{
    std::vector<int> colours;
    for (int i = 0; i < n; i++)
        colours.push_back((i * 2654435761u) & 0xFFFFFF);
    return colours;
}

std::vector<int> PaletteColours(const uint8_t *palette, int count)
{
    std::vector<int> colours;
    for (int i = 0; i < count; i++)
        colours.push_back(palette[3 * i] | (palette[3 * i + 1] << 8) | (palette[3 * i + 2] << 16));
    return colours;
}

TEST(OctreeQuantiser, FewColoursComeBackExactlyInFirstSeenOrder)
{
    HeapCensus census;
    {
        const std::vector<int> colours = Distinct(200);
        Frames frames(colours);
        uint8_t palette[768];
        int count = 256;
        ASSERT_EQ(1, CollectExactPalette(&count, palette, &frames.list));
        EXPECT_EQ(200, count);
        EXPECT_EQ(colours, PaletteColours(palette, count));
    }
    EXPECT_EQ(0, census.Leaked());
}

TEST(OctreeQuantiser, ExactlyTheLimitOverflowsButQuantisesExactly)
{
    const std::vector<int> colours = Distinct(256);
    Frames frames(colours);
    uint8_t palette[768];
    int count = 256;
    EXPECT_EQ(0, CollectExactPalette(&count, palette, &frames.list));
    count = 256;
    ASSERT_EQ(1, QuantiseFrames(&count, palette, &frames.list));
    EXPECT_EQ(256, count);
    EXPECT_EQ(colours, PaletteColours(palette, count));

    count = 255;
    ASSERT_EQ(1, QuantiseFrames(&count, palette, &frames.list));
    EXPECT_LE(count, 255);
    EXPECT_GT(count, 16);
}

TEST(OctreeQuantiser, OneColourFrame)
{
    Frames frames({0x336699}, 1);
    uint8_t palette[768];
    int count = 256;
    ASSERT_EQ(1, CollectExactPalette(&count, palette, &frames.list));
    EXPECT_EQ((std::vector<int>{0x336699}), PaletteColours(palette, count));
    count = 256;
    ASSERT_EQ(1, QuantiseFrames(&count, palette, &frames.list));
    EXPECT_EQ((std::vector<int>{0x336699}), PaletteColours(palette, count));
}

// Thousands of colours: the tree keeps at most N, each a mean of what it merged.
TEST(OctreeQuantiser, ManyColoursReduceToAtMostN)
{
    HeapCensus census;
    {
        std::vector<int> ramp;
        for (int i = 0; i < 4096; i++)
            ramp.push_back(((i & 15) * 17) | (((i >> 4) & 15) * 17 << 8) | ((i >> 8) * 17 << 16));
        Frames frames(ramp, 16);
        for (int n : {256, 255, 64, 2}) {
            uint8_t palette[768];
            int count = n;
            ASSERT_EQ(1, QuantiseFrames(&count, palette, &frames.list));
            EXPECT_LE(count, n);
            EXPECT_GE(count, n / 2) << n;
            const std::vector<int> made = PaletteColours(palette, count);
            EXPECT_EQ(made.size(), std::set<int>(made.begin(), made.end()).size()) << n;
        }
    }
    EXPECT_EQ(0, census.Leaked());
}

} // namespace

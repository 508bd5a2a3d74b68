#include "effects/stopwatch.h"

#include "frame/global_block.h"
#include "imaging/artwork.h"
#include "support/recording_host.h"

#include <gtest/gtest.h>

#include <cmath>

namespace
{

constexpr int kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255), kGrey = RGB(127, 127, 127);

class Stopwatch : public ::testing::Test
{
protected:
    StopwatchLook Look(int size, bool padding) const
    {
        return {kGrey, kRed, kBlue, size, 10, padding};
    }

    LockedArtwork dial_{GetModuleHandleA(nullptr), 7213};
    LockedArtwork mask_{GetModuleHandleA(nullptr), 7214};
    StopwatchArtwork artwork_{dial_.get(), mask_.get()};
};

int Channel(int colour, int shift)
{
    return colour >> shift & 0xFF;
}

// The reduced frame's pixel at a distance along a hand turned by the angle, in artwork
// pixels from the pivot, at half size.
int AlongHand(const PackedImage *image, int pivotY, double angle, double distance)
{
    const double radians = angle * 3.14159265358979 / 180;
    const double x = 277 + distance * std::sin(radians), y = pivotY - distance * std::cos(radians);
    return GetImagePixel(image, static_cast<int>(x / 2), static_cast<int>(y / 2));
}

TEST_F(Stopwatch, AfterSixtyOneSecondsBothHandsStandAtSixDegrees)
{
    ASSERT_TRUE(dial_ && mask_);
    GlobalBlock frame(RenderStopwatchFrame(Look(256, false), artwork_, 61));
    ASSERT_TRUE(frame);
    GlobalLockGuard<PackedImage> image(frame.get());
    for (double distance : {60.0, 120.0, 180.0, -40.0}) {
        const int on = AlongHand(image.get(), 481, 6, distance);
        EXPECT_GT(Channel(on, 0) - Channel(on, 8), 60) << "seconds hand at " << distance;
        const int upright = AlongHand(image.get(), 481, 0, distance);
        EXPECT_LT(Channel(upright, 0) - Channel(upright, 8), 30) << distance;
    }
    for (double distance : {25.0, 50.0}) {
        const int on = AlongHand(image.get(), 381, 6, distance);
        EXPECT_GT(Channel(on, 16) - Channel(on, 8), 60) << "minutes hand at " << distance;
    }
    EXPECT_EQ(kGrey, GetImagePixel(image.get(), 0, 0)) << "outside the silhouette";
}

TEST_F(Stopwatch, FrameSizeFollowsSizeAndPadding)
{
    ASSERT_TRUE(dial_ && mask_);
    struct Case {
        int size;
        bool padding;
        int width, height;
    } cases[] = {
        {160, true, 159, 210}, // 40 pixels of padding a side, a quarter of the size
        {64, false, 50, 68},   // 9 percent
    };
    for (const Case &c : cases) {
        GlobalBlock frame(RenderStopwatchFrame(Look(c.size, c.padding), artwork_, 18));
        ASSERT_TRUE(frame);
        GlobalLockGuard<PackedImage> image(frame.get());
        EXPECT_EQ(c.width, image->biWidth);
        EXPECT_EQ(c.height, image->biHeight);
        EXPECT_EQ(kGrey, GetImagePixel(image.get(), c.width - 1, c.height - 1));
    }
}

TEST_F(Stopwatch, BuildAddsOneFramePerSecondWithTheGivenDelay)
{
    ASSERT_TRUE(dial_ && mask_);
    RecordingHost host;
    FrameList frames = {};
    EffectContext context = {};
    context.frames = &frames;
    context.host = &host.record;
    ASSERT_EQ(1, BuildStopwatchFrames(&context, Look(64, true), artwork_, 3, 8));
    EXPECT_EQ(3, frames.count);
    EXPECT_EQ(3, host.progressCalls);
    FrameRecord last = {};
    ASSERT_EQ(1, GetFrame(&last, &frames, 2));
    EXPECT_EQ(8, last.delay);
    FreeFrameList(&frames);
}

} // namespace

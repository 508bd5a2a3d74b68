#include "effects/countdown.h"

#include "frame/global_block.h"
#include "imaging/artwork.h"
#include "support/recording_host.h"

#include <gtest/gtest.h>

namespace
{

constexpr int kGreen = RGB(0, 244, 0), kDarkGreen = RGB(10, 106, 0), kGrey = RGB(127, 127, 127);

class Countdown : public ::testing::Test
{
protected:
    // The page as it first shows, with padding and bezel off and no tenths.
    CountdownLook Plain(int size) const
    {
        return {kGreen, kDarkGreen, kGrey, size, 10, 10, false, false, false, true};
    }

    LockedArtwork large_{GetModuleHandleA(nullptr), 7208};
    LockedArtwork small_{GetModuleHandleA(nullptr), 7209};
    CountdownArtwork artwork_{large_.get(), small_.get()};
};

TEST_F(Countdown, CountsDownThroughEveryUnitToZero)
{
    struct Case {
        CountdownTime start;
        bool tenths;
        CountdownTime second; // after one step
        int steps;            // to reach all zeros
    } cases[] = {
        {{0, 1, 0, 0}, false, {0, 0, 59, 0}, 60},
        {{0, 1, 0, 0}, true, {0, 0, 59, 9}, 600},
        {{1, 0, 0, 0}, false, {0, 59, 59, 0}, 3600},
        {{0, 0, 1, 3}, true, {0, 0, 1, 2}, 13},
    };
    for (const Case &c : cases) {
        CountdownTime time = c.start;
        CountDown(&time, c.tenths);
        EXPECT_EQ(c.second.hours, time.hours);
        EXPECT_EQ(c.second.minutes, time.minutes);
        EXPECT_EQ(c.second.seconds, time.seconds);
        EXPECT_EQ(c.second.tenths, time.tenths);
        int steps = 1;
        while (time.hours || time.minutes || time.seconds || (c.tenths && time.tenths)) {
            CountDown(&time, c.tenths);
            steps++;
        }
        EXPECT_EQ(c.steps, steps) << c.start.hours << ":" << c.start.minutes;
        EXPECT_EQ(0, time.tenths);
    }
}

TEST_F(Countdown, BuildAddsOneFramePerUnitDownToZeroWithTheHostsDelays)
{
    ASSERT_TRUE(large_ && small_);
    struct Case {
        CountdownTime start;
        bool tenths;
        uint8_t hostFlags;
        int frames, delay;
    } cases[] = {
        {{0, 0, 0, 0}, false, kHostFlagGifType, 1, 100},
        {{0, 0, 0, 0}, true, kHostFlagGifType, 1, 10},
        {{0, 0, 2, 0}, false, 0, 3, 1000},
        {{0, 0, 0, 0}, true, 0, 1, 100},
    };
    for (const Case &c : cases) {
        RecordingHost host(c.hostFlags);
        FrameList frames = {};
        EffectContext context = {};
        context.frames = &frames;
        context.host = &host.record;
        CountdownLook look = Plain(128);
        look.tenths = c.tenths;
        ASSERT_EQ(1, BuildCountdownFrames(&context, look, artwork_, c.start));
        EXPECT_EQ(c.frames, frames.count);
        EXPECT_EQ(c.frames, host.progressCalls);
        FrameRecord last = {};
        ASSERT_EQ(1, GetFrame(&last, &frames, frames.count - 1));
        EXPECT_EQ(c.delay, last.delay);
        FreeFrameList(&frames);
    }
}

TEST_F(Countdown, FrameSizeFollowsSizePaddingBezelAndAntialias)
{
    ASSERT_TRUE(large_ && small_);
    struct Case {
        bool tenths, padding, bezel, antialias;
        int width, height;
    } cases[] = {
        {false, false, false, true, 119, 24}, // 1323 × 267 at 9 percent
        {true, false, false, true, 131, 24},  // the tenths cell runs past the edge
        {false, true, true, true, 158, 63},   // 110 pixels of padding and of bezel a side
        {false, true, true, false, 122, 27},  // 10 pixels of each
    };
    for (const Case &c : cases) {
        CountdownLook look = Plain(24);
        look.tenths = c.tenths, look.usePadding = c.padding, look.useBezel = c.bezel;
        look.antialias = c.antialias;
        GlobalBlock frame(RenderCountdownFrame(look, artwork_, {12, 34, 56, 7}));
        ASSERT_TRUE(frame);
        GlobalLockGuard<PackedImage> image(frame.get());
        EXPECT_EQ(c.width, image->biWidth);
        EXPECT_EQ(c.height, image->biHeight);
        EXPECT_EQ(24, image->biBitCount);
    }
}

TEST_F(Countdown, GlyphsTakeTheDigitsColourAndTheBezelFramesThem)
{
    ASSERT_TRUE(large_ && small_);
    CountdownLook look = Plain(128); // halved
    GlobalBlock digits(RenderCountdownFrame(look, artwork_, {8, 0, 0, 0}));
    ASSERT_TRUE(digits);
    {
        GlobalLockGuard<PackedImage> image(digits.get());
        EXPECT_EQ(kGreen, GetImagePixel(image.get(), (193 + 86) / 2, 66)) << "middle bar of 8";
        EXPECT_EQ(kDarkGreen, GetImagePixel(image.get(), 86 / 2, 66)) << "inside the 0";
    }
    look.useBezel = true; // 20 pixels of rings, 10 after halving
    GlobalBlock framed(RenderCountdownFrame(look, artwork_, {0, 0, 0, 0}));
    ASSERT_TRUE(framed);
    GlobalLockGuard<PackedImage> image(framed.get());
    EXPECT_NE(kDarkGreen, GetImagePixel(image.get(), 5, 40));
    EXPECT_NE(kDarkGreen, GetImagePixel(image.get(), image->biWidth - 5, 40));
    EXPECT_EQ(kDarkGreen, GetImagePixel(image.get(), 12, 40));
}

} // namespace

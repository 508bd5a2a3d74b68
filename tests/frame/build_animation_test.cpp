#include "frame/build_animation.h"
#include "frame/frame_list.h"
#include "frame/global_block.h"
#include "imaging/packed_image.h"
#include "support/heap_census.h"
#include "support/message_box_recorder.h"
#include "support/recording_host.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace
{

// A small effect that appends the frames a test gives it, 4 × 3 pixels each.
constexpr int kWidth = 4, kHeight = 3, kDelay = 7;
std::vector<std::vector<int>> g_frames;
int g_background = 0x000000;

int __cdecl AppendTestFrames(EffectContext *context)
{
    for (const std::vector<int> &colours : g_frames) {
        GlobalBlock image(CreatePackedImage(kWidth, kHeight, nullptr, 24));
        {
            GlobalLockGuard<PackedImage> pixels(image.get());
            for (int i = 0; i < kWidth * kHeight; i++)
                SetImagePixel(pixels.get(), i % kWidth, i / kWidth, colours[i % colours.size()]);
        }
        if (!AddFrame(context->frames, image.get(), kDelay))
            return 0;
        image.release();
    }
    return 1;
}

int __cdecl TestBackground(HWND)
{
    return g_background;
}

const EffectDescriptor kTestEffect = {"Test",         nullptr, AppendTestFrames,
                                      TestBackground, nullptr, 0};

BuildOptions CustomPalette()
{
    BuildOptions o = {};
    o.optimisedPalette = true;
    o.paletteChoice = 6;
    o.fastRemap = true;
    return o;
}

const int kRed = 0x0000FF, kGreen = 0x00FF00, kBlack = 0x000000;

struct BuildRun {
    RecordingHost host;
    MessageBoxRecorder messages;
    int result = -1;

    explicit BuildRun(BuildOptions options, int test = 0, std::vector<int> refusal = {})
    {
        if (!refusal.empty())
            host.Refuse(refusal[0], refusal[1]);
        result = RunBuild(nullptr, &host.record, test, kTestEffect, options);
    }

    // The colour of every pixel of frame f, read back through the palette it came with.
    std::vector<int> Colours(int f) const
    {
        const ReceivedFrame &frame = host.frames[f];
        std::vector<int> colours;
        for (int index : frame.pixels) {
            const uint8_t *p = &frame.palette[3 * index];
            colours.push_back(p[0] | (p[1] << 8) | (p[2] << 16));
        }
        return colours;
    }
};

TEST(BuildAnimation, HostCallsFollowTheOptions)
{
    g_frames = {{kRed, kGreen, kBlack}, {kGreen, kBlack, kRed}};
    g_background = kBlack;
    const std::vector<std::string> made = {"status:Building", "status:Building"};
    struct Case {
        const char *name;
        BuildOptions options;
        int test;
        std::vector<std::string> calls;
    } cases[] = {
        {"custom palette",
         CustomPalette(),
         0,
         {"status:Quantizing", "status:Remapping", "new-task", "add-image", "add-image",
          "end-task:1"}},
        {"test build with comment",
         [] {
             auto o = CustomPalette();
             o.comment = true;
             return o;
         }(),
         1,
         {"status:Quantizing", "status:Remapping", "new-test-task", "add-image", "add-image",
          "comment", "end-task:1"}},
        {"true colour",
         [] {
             auto o = CustomPalette();
             o.trueColour = o.supercompress = true;
             return o;
         }(),
         0,
         {"status:Remapping", "new-task", "add-image", "add-image", "end-task:1"}},
        {"supercompress",
         [] {
             auto o = CustomPalette();
             o.supercompress = true;
             return o;
         }(),
         0,
         {"status:Quantizing", "status:Supercompressing", "status:Remapping", "new-task",
          "add-image", "add-image", "end-task:1"}},
        {"fixed palette drops supercompress",
         [] {
             auto o = CustomPalette();
             o.optimisedPalette = false;
             o.supercompress = true;
             return o;
         }(),
         0,
         {"status:Remapping", "new-task", "add-image", "add-image", "end-task:1"}},
    };
    for (const Case &c : cases) {
        BuildRun run(c.options, c.test);
        std::vector<std::string> expected = made;
        expected.insert(expected.end(), c.calls.begin(), c.calls.end());
        EXPECT_EQ(expected, run.host.calls) << c.name;
        EXPECT_EQ(1, run.result) << c.name;
        EXPECT_TRUE(run.messages.Shown().empty()) << c.name;
        ASSERT_EQ(2u, run.host.frames.size()) << c.name;
        EXPECT_EQ(kDelay, run.host.frames[1].record.delay);
        EXPECT_EQ(1, run.host.frames[1].record.frameNumber);
        EXPECT_EQ(2, run.host.task.frameCount);
        EXPECT_EQ(kWidth, run.host.task.width);
        EXPECT_EQ(kHeight, run.host.task.height);
    }
}

// A fixed palette reserves no index for the background: mask, transparency and frame
// optimisation are left out rather than marking pixels with an index that is not there.
TEST(BuildAnimation, FixedPaletteBuildsWithoutReservedIndex)
{
    g_frames = {{kRed, kGreen, kBlack}, {kRed, kGreen, kBlack}};
    g_background = kBlack;
    auto options = CustomPalette();
    options.optimisedPalette = false;
    options.mask = options.transparent = options.supercompress = true;
    BuildRun run(options);
    ASSERT_EQ(1, run.result);
    EXPECT_EQ(0, run.host.task.transparentIndex);
    EXPECT_EQ(8, run.host.task.bits);
    for (int f = 0; f < 2; f++) {
        EXPECT_EQ(0, run.host.frames[f].record.transparent);
        EXPECT_EQ(-1, run.host.frames[f].record.transparentIndex);
        EXPECT_EQ(run.Colours(0), run.Colours(f)) << "every pixel keeps its own colour";
    }
    EXPECT_EQ(kRed, run.Colours(0)[0]);
    EXPECT_EQ(kGreen, run.Colours(0)[1]);
}

TEST(BuildAnimation, CustomPaletteCarriesTheExactColoursSortedByLuminance)
{
    g_frames = {{kRed, kGreen, kBlack}, {kGreen, kBlack, kRed}};
    BuildRun run(CustomPalette());
    ASSERT_EQ(1, run.result);
    EXPECT_EQ(2, run.host.task.bits);
    const uint8_t expected[] = {0, 0, 0, 255, 0, 0, 0, 255, 0}; // black, red, green
    EXPECT_EQ(std::vector<uint8_t>(expected, expected + 9),
              std::vector<uint8_t>(run.host.task.palette, run.host.task.palette + 9));
    EXPECT_EQ(4, run.host.frames[0].bits) << "two bits are stored as a 4-bit image";
    for (int f = 0; f < 2; f++) {
        std::vector<int> source;
        for (int i = 0; i < kWidth * kHeight; i++)
            source.push_back(g_frames[f][i % 3]);
        EXPECT_EQ(source, run.Colours(f));
        EXPECT_EQ(-1, run.host.frames[f].record.transparentIndex);
    }
}

TEST(BuildAnimation, SupercompressMakesUnchangedPixelsTransparent)
{
    g_frames = {{kRed, kGreen, kBlack}, {kRed, kGreen, kBlack}};
    g_background = kBlack;
    auto options = CustomPalette();
    options.supercompress = true;
    BuildRun run(options);
    ASSERT_EQ(1, run.result);
    const int reserved = 3; // after the three colours found
    EXPECT_EQ(reserved, run.host.frames[1].record.transparentIndex);
    EXPECT_EQ(std::vector<int>(kWidth * kHeight, reserved), run.host.frames[1].pixels);
    EXPECT_EQ(0, run.host.frames[1].palette[3 * reserved]) << "the background colour";
    // Frame 0's background pixels hold the reserved index too.
    EXPECT_EQ(reserved, run.host.frames[0].pixels[2]);
    EXPECT_EQ(-1, run.host.frames[0].record.transparentIndex);
}

TEST(BuildAnimation, TransparencyUsesTheReservedIndexEverywhere)
{
    g_frames = {{kRed, kGreen, 0x804020}, {kGreen, 0x804020, kRed}};
    g_background = 0x804020;
    auto options = CustomPalette();
    options.transparent = true;
    BuildRun run(options);
    ASSERT_EQ(1, run.result);
    EXPECT_EQ(3, run.host.task.transparentIndex);
    for (const ReceivedFrame &frame : run.host.frames) {
        EXPECT_EQ(3, frame.record.transparentIndex);
        EXPECT_EQ(1, frame.record.transparent);
    }
    EXPECT_EQ(3, run.host.frames[0].pixels[2]) << "background pixels masked";

    // An effect without a background colour builds with mask and transparency off.
    g_background = -1;
    options.mask = true;
    BuildRun none(options);
    ASSERT_EQ(1, none.result);
    EXPECT_EQ(0, none.host.task.transparentIndex);
    EXPECT_EQ(0, none.host.frames[0].record.transparent);
    EXPECT_EQ(-1, none.host.frames[0].record.transparentIndex);
}

TEST(BuildAnimation, FailuresShowTheirMessageAndFreeEverything)
{
    g_frames = std::vector<std::vector<int>>(5, {kRed, kGreen});
    g_background = kBlack;
    {
        BuildRun warmUp(CustomPalette(), 0, {HOST_NEW_TASK, 0});
    } // the first message box's own set-up
    HeapCensus census;
    {
        BuildRun addFails(CustomPalette(), 0, {HOST_ADD_IMAGE, 3});
        EXPECT_EQ(0, addFails.result);
        EXPECT_EQ(3u, addFails.host.frames.size()) << "frames 0-2 were added";
        EXPECT_EQ("end-task:0", addFails.host.calls.back());
        EXPECT_EQ(
            std::vector<std::string>{
                "There has been an error adding an image to the current file object."},
            addFails.messages.Texts());
        EXPECT_EQ("Message", addFails.messages.Shown()[0].caption);
    }
    {
        BuildRun taskFails(CustomPalette(), 0, {HOST_NEW_TASK, 0});
        EXPECT_EQ(0, taskFails.result);
        EXPECT_EQ("new-task", taskFails.host.calls.back()) << "no end-task after a refused task";
        EXPECT_EQ(std::vector<std::string>{"Error creating new task."}, taskFails.messages.Texts());
    }
    {
        g_frames.clear();
        BuildRun nothing(CustomPalette());
        EXPECT_EQ(0, nothing.result);
        EXPECT_FALSE(nothing.host.taskCreated);
        EXPECT_EQ(std::vector<std::string>{"Memory error"}, nothing.messages.Texts());
    }
    EXPECT_EQ(0, census.Leaked());
}

} // namespace

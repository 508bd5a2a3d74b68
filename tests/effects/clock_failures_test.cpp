#include "effects/countdown.h"
#include "effects/stopwatch.h"

#include "frame/frame_list.h"
#include "frame/global_block.h"
#include "frame/plugin_instance.h"
#include "imaging/artwork.h"
#include "support/heap_census.h"

#include <gtest/gtest.h>

namespace
{

using Handler = int(__cdecl *)(EffectContext *);

// Points the plug-in's module at one without the artwork for the fixture's lifetime.
class WithoutArtwork
{
public:
    WithoutArtwork() : saved_(g_module) { g_module = GetModuleHandleA("kernel32.dll"); }
    ~WithoutArtwork() { g_module = saved_; }

private:
    HINSTANCE saved_;
};

TEST(ClockFailures, MissingArtworkFailsPreviewAndBuildLeavingNothing)
{
    const struct {
        const char *what;
        Handler handler;
    } handlers[] = {
        {"countdown preview", CountdownPreview},
        {"countdown build", CountdownBuild},
        {"stopwatch preview", StopwatchPreview},
        {"stopwatch build", StopwatchBuild},
    };
    const WithoutArtwork missing;
    for (const auto &h : handlers) {
        FrameList frames = {};
        EffectContext context = {};
        context.frames = &frames;
        HeapCensus census;
        EXPECT_EQ(0, h.handler(&context)) << h.what;
        EXPECT_EQ(nullptr, context.resultImage) << h.what;
        EXPECT_EQ(nullptr, context.effectData) << h.what;
        EXPECT_EQ(0, frames.count) << h.what;
        EXPECT_EQ(0, census.Leaked()) << h.what;
    }
}

// A list whose next append cannot be stored: growing it would take 3 GB.
class RefusingList
{
public:
    RefusingList() : block_(GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(FrameRecord)))
    {
        list.block = block_.get();
        list.count = 0x0C000000;
    }
    FrameList list = {};

private:
    GlobalBlock block_;
};

TEST(ClockFailures, AFrameTheListRefusesEndsTheBuildAndIsFreed)
{
    const HMODULE module = GetModuleHandleA(nullptr);
    LockedArtwork large(module, 7208), small(module, 7209), dial(module, 7213), mask(module, 7214);
    ASSERT_TRUE(large && small && dial && mask);
    const CountdownArtwork digits = {large.get(), small.get()};
    const StopwatchArtwork watch = {dial.get(), mask.get()};
    const CountdownLook countdown = {
        RGB(0, 244, 0), RGB(10, 106, 0), RGB(127, 127, 127), 36, 10, 10, true, true, true, true};
    const StopwatchLook stopwatch = {RGB(127, 127, 127), 0, 0, 160, 10, true};
    GlobalFree(RenderCountdownFrame(countdown, digits, {0, 0, 1, 0})); // first-use allocations
    GlobalFree(RenderStopwatchFrame(stopwatch, watch, 0));

    RefusingList refusing;
    EffectContext context = {};
    context.frames = &refusing.list;
    HeapCensus census;
    EXPECT_EQ(0, BuildCountdownFrames(&context, countdown, digits, {0, 0, 5, 0}));
    EXPECT_EQ(0, census.Leaked()) << "countdown";
    EXPECT_EQ(0, BuildStopwatchFrames(&context, stopwatch, watch, 3, 100));
    EXPECT_EQ(0, census.Leaked()) << "stopwatch";
    EXPECT_EQ(0x0C000000, refusing.list.count);
}

} // namespace

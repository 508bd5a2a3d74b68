// Times every effect that renders, built with its default settings through its real build
// handler on the real pages: milliseconds per frame for the handler alone, and seconds for
// the whole build as the "Build" button runs it (palette, remapping, hand-over to a host that
// accepts everything).
#include "frame/build_animation.h"
#include "frame/effect_registry.h"
#include "frame/frame_list.h"
#include "ui/page_dialog.h"

#include <windows.h>

#include <cstdio>

namespace {

double Now()
{
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(counter.QuadPart) / frequency.QuadPart;
}

int __cdecl AcceptEverything(void *, int, int, void *)
{
    return 1;
}

} // namespace

int main()
{
    const PageDialog dialog;
    HostRecord host = {};
    host.size = sizeof host;
    host.version = kRecordVersion;
    host.service = AcceptEverything;
    host.flags = kHostFlagGifType | kHostFlagTrueColour;

    std::printf("%-32s %8s %12s %14s\n", "effect (default settings)", "frames", "ms per frame",
                "whole build s");
    for (int i = 0; i < kEffectCount; i++) {
        const EffectDescriptor &effect = kEffects[i];
        FrameList frames = {};
        EffectContext context = {};
        context.dialog = dialog.get();
        context.frames = &frames;
        context.host = &host;
        double start = Now();
        const int built = effect.build ? effect.build(&context) : 0;
        const double handler = Now() - start;
        const int count = frames.count;
        FreeFrameList(&frames);
        if (!built || count == 0)
            continue; // not rendered yet

        BuildOptions options = ReadBuildOptions(dialog.get());
        options.effect = i;
        start = Now();
        RunBuild(dialog.get(), &host, 1, effect, options);
        const double whole = Now() - start;
        std::printf("%-32s %8d %12.1f %14.2f\n", effect.name, count, 1000 * handler / count, whole);
    }
    return 0;
}

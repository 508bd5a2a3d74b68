#include "effects/stopwatch.h"

#include "effects/artwork_record.h"
#include "effects/effect_frames.h"
#include "effects/stopwatch_frames.h"
#include "resources/resource_ids.h"
#include "ui/page_values.h"

namespace
{

// Page controls.
constexpr UINT kBackgroundSwatch = 490, kLargeHandSwatch = 492, kSmallHandSwatch = 494;
constexpr UINT kSize = 496, kFrames = 498, kPadding = 501;
constexpr UINT kRealTimeCheck = 500, kPaddingCheck = 503;

constexpr int kDial = 7213, kMask = 7214;
constexpr int kPreviewSeconds = 18;

} // namespace

StopwatchLook ReadStopwatchLook(HWND dialog)
{
    return {ReadSwatchColour(dialog, kBackgroundSwatch),
            ReadSwatchColour(dialog, kLargeHandSwatch),
            ReadSwatchColour(dialog, kSmallHandSwatch),
            ReadSpinValue(dialog, kSize),
            ReadSpinValue(dialog, kPadding),
            ReadCheck(dialog, kPaddingCheck) != 0};
}

HGLOBAL RenderStopwatchFrame(const StopwatchLook &look, const StopwatchArtwork &artwork,
                             int seconds)
{
    return StopwatchFrames(look, artwork).Render(seconds);
}

int BuildStopwatchFrames(EffectContext *context, const StopwatchLook &look,
                         const StopwatchArtwork &artwork, int count, int delay)
{
    StopwatchFrames frames(look, artwork);
    for (int i = 0; i < count; i++) {
        if (!AddEffectFrame(context, frames.Render(i), delay, i, count))
            return 0;
    }
    return 1;
}

int __cdecl StopwatchPreview(EffectContext *context)
{
    ArtworkRecord<StopwatchArtwork> artwork(context, kDial, kMask);
    if (!artwork)
        return 0;
    context->resultImage =
        RenderStopwatchFrame(ReadStopwatchLook(context->dialog), artwork.get(), kPreviewSeconds);
    return context->resultImage != nullptr;
}

int __cdecl StopwatchBuild(EffectContext *context)
{
    ArtworkRecord<StopwatchArtwork> artwork(context, kDial, kMask);
    if (!artwork)
        return 0;
    HWND dialog = context->dialog;
    const int delay = ReadCheck(dialog, kRealTimeCheck) ? HostDelay(context, 1000)
                                                        : ReadSpinValue(dialog, IDC_DELAY);
    return BuildStopwatchFrames(context, ReadStopwatchLook(dialog), artwork.get(),
                                ReadSpinValue(dialog, kFrames), delay);
}

#include "effects/countdown.h"

#include "effects/artwork_record.h"
#include "effects/countdown_frames.h"
#include "effects/effect_frames.h"
#include "resources/resource_ids.h"
#include "ui/page_values.h"

namespace
{

// Page controls.
constexpr UINT kDigitsSwatch = 200, kBackgroundSwatch = 202, kBezelSwatch = 219;
constexpr UINT kHours = 204, kMinutes = 206, kSeconds = 208, kSize = 210, kPadding = 214,
               kBezelSize = 217;
constexpr UINT kTenthsCheck = 212, kPaddingCheck = 213, kBezelCheck = 216;

constexpr int kLargeStrip = 7208, kSmallStrip = 7209;

CountdownTime ReadStartTime(HWND dialog)
{
    return {ReadSpinValue(dialog, kHours), ReadSpinValue(dialog, kMinutes),
            ReadSpinValue(dialog, kSeconds), 0};
}

} // namespace

CountdownLook ReadCountdownLook(HWND dialog)
{
    return {ReadSwatchColour(dialog, kDigitsSwatch), ReadSwatchColour(dialog, kBackgroundSwatch),
            ReadSwatchColour(dialog, kBezelSwatch),  ReadSpinValue(dialog, kSize),
            ReadSpinValue(dialog, kPadding),         ReadSpinValue(dialog, kBezelSize),
            ReadCheck(dialog, kTenthsCheck) != 0,    ReadCheck(dialog, kPaddingCheck) != 0,
            ReadCheck(dialog, kBezelCheck) != 0,     ReadCheck(dialog, IDC_ANTIALIAS) != 0};
}

HGLOBAL RenderCountdownFrame(const CountdownLook &look, const CountdownArtwork &artwork,
                             const CountdownTime &time)
{
    return CountdownFrames(look, artwork).Render(time);
}

void CountDown(CountdownTime *time, bool tenths)
{
    if (tenths) {
        if (--time->tenths >= 0)
            return;
        time->tenths = 9;
    }
    if (--time->seconds >= 0)
        return;
    time->seconds = 59;
    if (--time->minutes >= 0)
        return;
    time->minutes = 59;
    time->hours--;
}

int BuildCountdownFrames(EffectContext *context, const CountdownLook &look,
                         const CountdownArtwork &artwork, CountdownTime time)
{
    const int seconds = 3600 * time.hours + 60 * time.minutes + time.seconds;
    const int total = look.tenths ? 10 * seconds : seconds;
    const int delay = HostDelay(context, look.tenths ? 100 : 1000);
    CountdownFrames frames(look, artwork);
    for (int i = 0; i <= total; i++) {
        if (!AddEffectFrame(context, frames.Render(time), delay, i, total))
            return 0;
        CountDown(&time, look.tenths);
    }
    return 1;
}

int __cdecl CountdownPreview(EffectContext *context)
{
    ArtworkRecord<CountdownArtwork> artwork(context, kLargeStrip, kSmallStrip);
    if (!artwork)
        return 0;
    CountdownTime time = ReadStartTime(context->dialog);
    time.tenths = 9;
    context->resultImage =
        RenderCountdownFrame(ReadCountdownLook(context->dialog), artwork.get(), time);
    return context->resultImage != nullptr;
}

int __cdecl CountdownBuild(EffectContext *context)
{
    ArtworkRecord<CountdownArtwork> artwork(context, kLargeStrip, kSmallStrip);
    if (!artwork)
        return 0;
    return BuildCountdownFrames(context, ReadCountdownLook(context->dialog), artwork.get(),
                                ReadStartTime(context->dialog));
}

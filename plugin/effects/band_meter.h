// The ten-band display: ten LED columns per channel, one for each frequency band of a WAV
// file, lowest band on the left, drawn like the vertical digital VU meter's bars.
#pragma once

#include <windows.h>

#include "effects/led_meter.h"
#include "frame/effect_context.h"
#include "sound/sound_analysis.h"

#include <vector>

class BandMeter
{
public:
    explicit BandMeter(const LedLook &look);
    explicit operator bool() const { return static_cast<bool>(panel_); }
    const LedPanel &panel() const { return panel_; }

    // A new 24-bit packed image of the band levels of one frame of a band-mode analysis;
    // null when no surface can be made.
    HGLOBAL Render(const SoundAnalysis &analysis, int frame) const;

private:
    LedPanel panel_;
    std::vector<ChannelBar> bars_;
};

int __cdecl BandMeterPreview(EffectContext *context);
int __cdecl BandMeterBuild(EffectContext *context);

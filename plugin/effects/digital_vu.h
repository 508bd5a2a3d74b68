// "Digital VU Meter (vertical)" and "Digital VU Meter (horizontal)": one bar of LEDs per
// channel, lit up to the peak level of each stretch of a WAV file.
#pragma once

#include <windows.h>

#include "effects/led_meter.h"
#include "frame/effect_context.h"

#include <vector>

// A meter laid out for its page, ready to draw any number of frames.
class DigitalMeter
{
public:
    DigitalMeter(const LedLook &look, MeterOrientation orientation);
    explicit operator bool() const { return static_cast<bool>(panel_); }
    const LedPanel &panel() const { return panel_; }

    // A new 24-bit packed image of the levels (0..255, 256 from 8-bit sounds); null when no
    // surface can be made.
    HGLOBAL Render(int left, int right, int combined) const;

private:
    LedPanel panel_;
    std::vector<ChannelBar> bars_;
};

int __cdecl VerticalMeterPreview(EffectContext *context);
int __cdecl VerticalMeterBuild(EffectContext *context);
int __cdecl HorizontalMeterPreview(EffectContext *context);
int __cdecl HorizontalMeterBuild(EffectContext *context);

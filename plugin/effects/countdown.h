// "Countdown": a seven-segment display counting a set time down to zero, one frame per
// second or per tenth of a second, drawn at the size of its glyph artwork and reduced.
#pragma once

#include <windows.h>

#include "frame/effect_context.h"
#include "imaging/packed_image.h"

struct CountdownLook {
    int digits, background, bezel; // 0x00BBGGRR colours
    int size, padding, bezelSize;
    bool tenths, usePadding, useBezel, antialias;
};

struct CountdownTime {
    int hours, minutes, seconds, tenths;
};

// The two glyph strips, locked for one handler call.
struct CountdownArtwork {
    const PackedImage *large, *small;
};

CountdownLook ReadCountdownLook(HWND dialog);
// One frame, reduced to the page's size; null when no surface can be made.
HGLOBAL RenderCountdownFrame(const CountdownLook &look, const CountdownArtwork &artwork,
                             const CountdownTime &time);
// One second, or one tenth with tenths, earlier.
void CountDown(CountdownTime *time, bool tenths);
// Appends every frame from the start time down to zero; 0 when a frame cannot be made or
// added.
int BuildCountdownFrames(EffectContext *context, const CountdownLook &look,
                         const CountdownArtwork &artwork, CountdownTime start);

int __cdecl CountdownPreview(EffectContext *context);
int __cdecl CountdownBuild(EffectContext *context);

// "Stopwatch": an analogue stopwatch whose hands advance one second a frame, drawn at the
// size of its artwork and reduced.
#pragma once

#include <windows.h>

#include "frame/effect_context.h"
#include "imaging/packed_image.h"

struct StopwatchLook {
    int background, largeHand, smallHand; // 0x00BBGGRR colours
    int size, padding;
    bool usePadding;
};

// The dial and its silhouette, locked for one handler call.
struct StopwatchArtwork {
    const PackedImage *dial, *mask;
};

StopwatchLook ReadStopwatchLook(HWND dialog);
// The watch after the elapsed seconds, reduced to the page's size; null when no surface can
// be made.
HGLOBAL RenderStopwatchFrame(const StopwatchLook &look, const StopwatchArtwork &artwork,
                             int seconds);
// Frames for 0 .. count - 1 seconds; 0 when a frame cannot be made or added.
int BuildStopwatchFrames(EffectContext *context, const StopwatchLook &look,
                         const StopwatchArtwork &artwork, int count, int delay);

int __cdecl StopwatchPreview(EffectContext *context);
int __cdecl StopwatchBuild(EffectContext *context);

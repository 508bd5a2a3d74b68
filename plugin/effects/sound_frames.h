// The build every sound-driven effect shares: the page's sound, frame count and timing, the
// analysis of the sound into one level set per frame, and the frames handed over in order.
#pragma once

#include <windows.h>

#include "frame/effect_context.h"
#include "sound/sound_analysis.h"

#include <functional>
#include <string>

// The controls of a sound effect's page that drive its build.
struct SoundPageIds {
    UINT sound, frames, normalize, matchTime;
};

struct SoundBuildRequest {
    std::string sound; // the sound control's path
    int frames;
    int delay; // the main dialog's delay, used without Match Time
    bool normalize, matchTime;
};

SoundBuildRequest ReadSoundBuildRequest(HWND dialog, const SoundPageIds &ids);

// Frame i of the animation from the analysis; null when it cannot be made.
using SoundFrameRenderer = std::function<HGLOBAL(const SoundAnalysis &analysis, int frame)>;

// Analyses the sound (mode: 0 for levels, kAnalyseBands for bands), then renders and appends
// every frame with the request's delay, or with Match Time the delay that spreads the frames
// over the sound's playing time. 0 when the sound cannot be analysed or a frame cannot be
// made or added; the analysis is freed on every path.
int BuildSoundFrames(EffectContext *context, const SoundBuildRequest &request, int mode,
                     const SoundFrameRenderer &render);

// What every effect's build shares: delays in the host's unit, progress reports, and the
// reduction of a frame drawn at artwork size to the size asked for.
#pragma once

#include <windows.h>

#include "frame/effect_context.h"

// Milliseconds as the host counts delays: hundredths of a second for GIF hosts.
int HostDelay(const EffectContext *context, int milliseconds);
void ReportProgress(const EffectContext *context, int position, int total);
// Takes the image: returns it reduced to percent in both directions, or unreduced when the
// reduction fails.
HGLOBAL ReduceFrame(HGLOBAL image, int percent);

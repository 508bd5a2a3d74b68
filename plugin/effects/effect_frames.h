// What every effect's build shares: delays in the host's unit, progress reports, the fill of
// its frames and the reduction of a frame drawn at artwork size.
#pragma once

#include <windows.h>

#include "frame/effect_context.h"
#include "imaging/gdi_guards.h"
#include "imaging/render_surface.h"

// Milliseconds as the host counts delays: hundredths of a second for GIF hosts.
int HostDelay(const EffectContext *context, int milliseconds);
// Appends the frame (null when it could not be made) and reports progress; a frame that
// cannot be added is freed. Returns 1 when the frame was added.
int AddEffectFrame(EffectContext *context, HGLOBAL frame, int delay, int position, int total);
// Takes the image: returns it reduced to percent in both directions, or unreduced when the
// reduction fails.
HGLOBAL ReduceFrame(HGLOBAL image, int percent);

void FillSurface(const RenderSurface &surface, int width, int height, int colour);

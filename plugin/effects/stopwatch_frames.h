// The frames of one stopwatch look. The dial is drawn on its background once, on a surface
// kept for every frame; each frame restores it, draws the hands, paints the outside of the
// silhouette from the mask through a table and is reduced.
#pragma once

#include <windows.h>

#include "effects/stopwatch.h"
#include "imaging/render_surface.h"

class StopwatchFrames
{
public:
    StopwatchFrames(const StopwatchLook &look, const StopwatchArtwork &artwork);
    ~StopwatchFrames();
    StopwatchFrames(const StopwatchFrames &) = delete;
    StopwatchFrames &operator=(const StopwatchFrames &) = delete;

    // The watch after the elapsed seconds, reduced; null when no surface or image can be made.
    HGLOBAL Render(int seconds);

private:
    StopwatchLook look_;
    StopwatchArtwork artwork_;
    int reduction_, padding_;
    RenderSurface surface_ = {}; // its image holds the dial on its background
    bool ready_ = false;
};

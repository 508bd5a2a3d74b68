// One palette shared by every frame of a build: the frames' exact colours when they are few
// enough, else an octree quantisation of all their pixels.
#pragma once

#include "frame/frame_list.h"

#include <cstdint>

// The distinct colours of all frames in first-seen order, when there are fewer than *count
// of them; *count becomes their number. 0 when they do not fit or a frame cannot be read.
int CollectExactPalette(int *count, uint8_t *palette, const FrameList *frames);
// A palette of at most *count colours (0 or more than 256 meaning 256); *count becomes the
// number made. 0 when a frame cannot be read or the tree cannot be allocated.
int QuantiseFrames(int *count, uint8_t *palette, const FrameList *frames);

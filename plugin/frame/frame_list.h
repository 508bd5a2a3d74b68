// The ordered list of output frames of one build, kept in one movable global block.
#pragma once

#include <windows.h>

#include <cstdint>

struct FrameRecord {
    HGLOBAL image;            // PackedImage, owned by the list once added
    HGLOBAL mask;             // 1-bit PackedImage from frame optimisation, or 0
    int32_t delay;            // in the host's unit
    int32_t transparentIndex; // -1 when the frame has none
};

// block is 0 exactly when count is 0; an empty list is all zero.
struct FrameList {
    HGLOBAL block;
    int32_t count;
};

// Every operation returns 1 on success and 0 on failure.

// Appends {image, 0, delay, -1}. On success the list owns the image; on failure the caller
// still does.
int AddFrame(FrameList *list, HGLOBAL image, int delay);
int SetLastFrameDelay(FrameList *list, int delay);
int GetFrame(FrameRecord *record, const FrameList *list, int index);
int PutFrame(const FrameRecord *record, FrameList *list, int index);
// Frees every image and mask, then the block, and leaves the list empty.
int FreeFrameList(FrameList *list);

// The record handed to every effect handler: all an effect needs from the dialog and host.
#pragma once

#include <windows.h>

#include <cstdint>

#include "frame/frame_list.h"
#include "frame/host_records.h"

// Zeroed by the caller before every call.
struct EffectContext {
    HWND dialog;            // page values are read from its child controls
    FrameList *frames;      // the list a build fills
    const HostRecord *host; // service callback and the delay unit
    HGLOBAL resultImage;    // out: the preview's PackedImage
    int32_t previewWidth;   // usable size of the preview pane
    int32_t previewHeight;
    void *effectData; // the effect's own working data for the duration of one call
};

static_assert(sizeof(EffectContext) == 28, "EffectContext holds seven 32-bit fields");

// The fixed table of the plug-in's 20 effects, in the order of the effect list.
#pragma once

#include <windows.h>

#include <cstdint>

#include "frame/effect_context.h"

typedef int(__cdecl *EffectHandler)(EffectContext *context);
// The colour every frame's background is filled with, read from the live page, or -1.
typedef int(__cdecl *BackgroundQuery)(HWND dialog);

struct EffectDescriptor {
    const char *name;
    EffectHandler preview;
    EffectHandler build;
    BackgroundQuery background;
    const uint32_t *pageControls; // zero-terminated; a spin box follows its number field
    uint32_t zero;
};

static_assert(sizeof(EffectDescriptor) == 24, "a registry row is six 32-bit words");

constexpr int kEffectCount = 20;
extern const EffectDescriptor kEffects[kEffectCount];

// The index of the effect with this name (as the effect list shows it, case ignored), or -1.
int EffectIndexByName(const char *name);

// The index as the effect list and MainEffect hold it, forced into the registry.
int ClampEffectIndex(int index);

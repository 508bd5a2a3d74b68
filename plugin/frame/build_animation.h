// The build driver: has the selected effect render every frame, reduces the frames to one
// palette, optionally optimises them, and hands the document to the host.
#pragma once

#include <windows.h>

#include "frame/effect_registry.h"
#include "frame/host_records.h"

// The output options of one build, as the main dialog and the settings hold them.
struct BuildOptions {
    int effect;            // registry index, 0..19
    bool mask;             // "&Mask background"
    bool trueColour;       // "Tr&ue color"
    bool optimisedPalette; // "&Custom palette"
    bool dither;           // "&Dither"
    bool supercompress;    // frame optimisation, only when its control is enabled
    bool transparent;      // only when its control is enabled
    int paletteChoice;     // fixed palette 0..8
    bool comment;          // the descriptive comment block
    bool fastRemap;
};

// Reads the options from the dialog's live controls and the settings.
BuildOptions ReadBuildOptions(HWND dialog);

// Builds the effect with the given options; test = 1 makes a test document. Returns 1 when
// every frame reached the host and the document was committed.
int RunBuild(HWND dialog, const HostRecord *host, int test, const EffectDescriptor &effect,
             BuildOptions options);

// The "Build" and "&Test" buttons: RunBuild with the selected effect and the dialog's options.
int BuildAnimation(HWND dialog, const HostRecord *host, int test);

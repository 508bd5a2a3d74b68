// Per-frame analysis of a WAV file: the peak level of each channel in each of a number of
// equal consecutive segments, either of the whole sound or of ten frequency bands.
#pragma once

#include <windows.h>

constexpr int kSoundBands = 10;

// Flag bits of AnalyseSound.
constexpr int kAnalyseNormalize = 1; // scale each channel so that its loudest frame is 255
constexpr int kAnalyseBands = 2;     // ten band-pass filtered level sets, frames + 1 each

// Levels are magnitudes: 8-bit |sample - 127| x 2 (0..256), 16-bit |sample| / 256 (0..128);
// 0..255 after normalising. Level mode fills left/right/combined, band mode the band arrays.
struct SoundAnalysis {
    HGLOBAL image; // the sound image as read, owned by the record
    int *left;
    int *right;
    int *combined;
    int frames;   // as asked for, also in band mode
    int duration; // playing time in milliseconds
    int *bandCombined[kSoundBands];
    int *bandLeft[kSoundBands];
    int *bandRight[kSoundBands];
};

// Answers 1, or 0 with the record freed and cleared. Shows the wait cursor meanwhile.
int AnalyseSound(SoundAnalysis *analysis, const char *fileName, int frames, int flags);
// Releases whatever the record holds and clears it; safe on a cleared record.
void FreeSoundAnalysis(SoundAnalysis *analysis);

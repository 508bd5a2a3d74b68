// The two-pole band-pass filter of the band analysis: its coefficients, the 16-bit value it
// stores for an output, and the per-segment peaks of a filtered sound.
#pragma once

#include <windows.h>

#include <cstdint>

struct BandPass {
    double a0, a1, a2, b1, b2;
};

// The filter for a band of the given centre and width, in Hz, at the sound's rate.
BandPass MakeBandPass(double rate, double centre, double bandwidth);

// A 16-bit sample as the filter's input: v × (1 / 32767).
constexpr double kSampleScale = 1.0 / 32767;

// What the filter stores for an output y: y / (1 / 32767) truncated toward zero, as the low
// 16 bits of the integer; 0 when the value is past any integer (an unstable filter's
// overflow).
int16_t FilteredSample(double y);

// Filters `segments` × `length` sample frames of 16-bit stereo samples, each channel with
// its own state starting at rest, and gives each segment's largest |filtered sample| / 256
// per channel in left and right: the levels of a copy filtered in place and then measured,
// without writing the copy.
void MeasureBandPeaks(const BandPass &filter, const uint8_t *samples, DWORD length, int segments,
                      int *left, int *right);

// Working forms of a sound image for the band analysis.
#pragma once

#include "sound/wav_reader.h"

// A new sound image holding the same sound as 16-bit stereo, or null when the source is not
// mono or stereo at 8 or 16 bits. An 8-bit sample b becomes (b - 127) x 256 in 16 bits, so
// 255 wraps to -32768.
HGLOBAL ConvertToStereo16(HGLOBAL image, DWORD dataSize);

// Filters the samples of a locked 16-bit stereo image in place with a two-pole band-pass
// filter, each channel with its own state; other images are left as they are. Answers 1.
int BandPassFilter(SoundFormat *image, double centre, double bandwidth, DWORD dataSize);

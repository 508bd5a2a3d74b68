// Playing a sound image on the wave mapper device. The device plays a copy of the image from
// one buffer and tells the window given at the start when it has finished (MM_WOM_DONE).
#pragma once

#include "sound/wav_reader.h"

#include <windows.h>

#include <mmsystem.h>

// What a playing sound holds; all clear when nothing plays.
struct SoundPlayback {
    HGLOBAL copy;        // the playing copy of the sound image, locked
    HGLOBAL headerBlock; // the device's buffer header, locked
    uint8_t *samples;    // in the locked copy
    WAVEHDR *header;     // in the locked header block
    HWAVEOUT device;
    SoundFormat *format; // the locked copy's format record
};

// Stops whatever still plays, then plays a copy of the image (left unlocked and owned by the
// caller). Answers 1 when the device plays, else 0 with nothing held.
int StartSoundPlayback(HWND window, HGLOBAL image, SoundPlayback *playback);
// Stops the sound and releases everything the playback holds; nothing happens when idle.
void StopSoundPlayback(HWND window, SoundPlayback *playback);
// The device's done message: releases the device and everything else the playback holds.
// Answers 1 when it did, 0 when nothing was playing or the device would not let go (the
// playback is then left as it was).
int FinishSoundPlayback(SoundPlayback *playback);

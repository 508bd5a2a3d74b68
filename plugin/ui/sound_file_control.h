// The "Sound:" control of the sound-driven effect pages: an owner-drawn button whose window
// text holds the WAV file's full path. Its left part, "Select", chooses another file; the
// square on its right plays the sound (a stop glyph while it plays, which stops it), or with
// Shift held shows the sound's format and playing time.
#pragma once

#include "sound/sound_playback.h"

#include <windows.h>

#include <cstdint>
#include <string>

// The commands the control posts itself when one of its parts has been clicked.
constexpr WPARAM kSoundSelectCommand = 100;
constexpr WPARAM kSoundPlayCommand = 101;

// Flag bits of the control's state.
constexpr uint32_t kSoundSelectHeld = 1;
constexpr uint32_t kSoundPlayHeld = 2;
constexpr uint32_t kSoundPlaying = 4;

// The control's state, a movable block kept in its user data.
struct SoundControlState {
    SoundPlayback playback;
    uint32_t flags;
};

LRESULT CALLBACK SoundFileControlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam);

// The text of the format box: the path, the channels, the rate in kHz with its first decimal
// cut off, and the playing time of dataSize bytes as minutes, seconds and hundredths.
std::string SoundInformationText(const char *path, const SoundFormat &format, DWORD dataSize);

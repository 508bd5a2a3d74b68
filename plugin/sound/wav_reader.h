// Reading a WAV file into a sound image: one movable global block holding the file's
// 16-byte PCM format record followed by the raw bytes of its "data" chunk.
#pragma once

#include <windows.h>

#include <cstdint>

#pragma pack(push, 1)
// The classic PCM format record at the start of every sound image.
struct SoundFormat {
    uint16_t formatTag;
    uint16_t channels;
    uint32_t samplesPerSecond;
    uint32_t averageBytesPerSecond;
    uint16_t blockAlign;
    uint16_t bitsPerSample;
};
#pragma pack(pop)
static_assert(sizeof(SoundFormat) == 16, "SoundFormat layout");

constexpr uint16_t kPcmFormatTag = 1;
constexpr int kSoundPathLength = 260;

inline uint8_t *SoundSamples(SoundFormat *format)
{
    return reinterpret_cast<uint8_t *>(format + 1);
}

// Answers the sound image (unlocked, owned by the caller) or null. dataSize, when given,
// receives the "data" chunk's size, which may already be written when a later step fails.
// Only PCM is accepted; channels, width and rate are passed through unchecked.
HGLOBAL ReadSoundImage(const char *fileName, DWORD *dataSize);

#include "sound/sound_playback.h"

#include "frame/global_block.h"
#include "imaging/packed_image.h"

#include <cstring>
#include <initializer_list>

namespace
{

constexpr uint16_t kMostChannels = 8;

// Unlocks and frees the copy and the header block, and clears the record.
void ReleaseBlocks(SoundPlayback *playback)
{
    for (HGLOBAL block : {playback->copy, playback->headerBlock}) {
        if (block) {
            GlobalUnlock(block);
            GlobalFree(block);
        }
    }
    *playback = {};
}

} // namespace

int StartSoundPlayback(HWND window, HGLOBAL image, SoundPlayback *playback)
{
    StopSoundPlayback(window, playback);
    *playback = {};
    if (!image || GlobalSize(image) < sizeof(SoundFormat))
        return 0;
    GlobalBlock copy(DuplicateImage(image));
    GlobalLockGuard<SoundFormat> format(copy.get());
    GlobalBlock headerBlock(AllocateSharedBlock(sizeof(WAVEHDR)));
    GlobalLockGuard<WAVEHDR> header(headerBlock.get());
    // A record without channels or frame size describes nothing playable, and no speaker
    // layout has more than eight channels; some wave output stacks do not refuse such records
    // but fail while converting them, taking the whole process down.
    if (!format || !header || format->channels == 0 || format->channels > kMostChannels ||
        format->blockAlign == 0)
        return 0;

    // The image's record is the classic PCM one; the device reads the extended record, whose
    // extra size field must not be taken from the samples behind it.
    WAVEFORMATEX deviceFormat = {};
    std::memcpy(&deviceFormat, format.get(), sizeof(SoundFormat));
    HWAVEOUT device = nullptr;
    if (waveOutOpen(&device, WAVE_MAPPER, &deviceFormat, reinterpret_cast<DWORD_PTR>(window), 0,
                    CALLBACK_WINDOW) != MMSYSERR_NOERROR)
        return 0;
    header->lpData = reinterpret_cast<LPSTR>(SoundSamples(format.get()));
    header->dwBufferLength = static_cast<DWORD>(GlobalSize(copy.get()) - sizeof(SoundFormat));
    if (waveOutPrepareHeader(device, header.get(), sizeof(WAVEHDR)) != MMSYSERR_NOERROR) {
        waveOutClose(device);
        return 0;
    }
    if (waveOutWrite(device, header.get(), sizeof(WAVEHDR)) != MMSYSERR_NOERROR) {
        waveOutUnprepareHeader(device, header.get(), sizeof(WAVEHDR));
        waveOutClose(device);
        return 0;
    }
    playback->format = format.release();
    playback->samples = SoundSamples(playback->format);
    playback->copy = copy.release();
    playback->header = header.release();
    playback->headerBlock = headerBlock.release();
    playback->device = device;
    return 1;
}

void StopSoundPlayback(HWND, SoundPlayback *playback)
{
    if (!playback->copy)
        return;
    if (playback->device) {
        waveOutReset(playback->device);
        waveOutUnprepareHeader(playback->device, playback->header, sizeof(WAVEHDR));
        waveOutClose(playback->device);
    }
    ReleaseBlocks(playback);
}

int FinishSoundPlayback(SoundPlayback *playback)
{
    // A buffer that is still playing cannot be unprepared: a late done message from a device
    // stopped before this playback began changes nothing.
    if (!playback->device ||
        waveOutUnprepareHeader(playback->device, playback->header, sizeof(WAVEHDR)) !=
            MMSYSERR_NOERROR ||
        waveOutClose(playback->device) != MMSYSERR_NOERROR)
        return 0;
    ReleaseBlocks(playback);
    return 1;
}

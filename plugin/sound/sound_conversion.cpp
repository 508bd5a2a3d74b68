#include "sound/sound_conversion.h"

#include "frame/global_block.h"
#include "imaging/packed_image.h"
#include "sound/band_pass.h"

#include <cstring>

namespace
{

int16_t Read16(const uint8_t *bytes)
{
    int16_t value;
    std::memcpy(&value, bytes, 2);
    return value;
}

void Write16(uint8_t *bytes, int value)
{
    const uint16_t low = static_cast<uint16_t>(value);
    std::memcpy(bytes, &low, 2);
}

int Widen8(uint8_t sample)
{
    return (sample - 127) * 256;
}

struct FilterState {
    double x1, x2, y1, y2;
};

} // namespace

HGLOBAL ConvertToStereo16(HGLOBAL handle, DWORD dataSize)
{
    GlobalLockGuard<SoundFormat> source(handle);
    const SIZE_T size = GlobalSize(handle);
    if (!source || size < sizeof(SoundFormat) || size - sizeof(SoundFormat) < dataSize)
        return nullptr;
    const int channels = source->channels, bits = source->bitsPerSample;
    if (channels == 2 && bits == 16)
        return DuplicateImage(handle);
    const bool mono = channels == 1;
    if ((!mono && channels != 2) || (bits != 8 && bits != 16))
        return nullptr;
    const DWORD frames = bits == 8 && mono ? dataSize : dataSize / 2;
    if (frames > (MAXDWORD - sizeof(SoundFormat)) / 4)
        return nullptr;

    GlobalBlock result(AllocateSharedBlock(frames * 4 + sizeof(SoundFormat)));
    GlobalLockGuard<SoundFormat> target(result.get());
    if (!target)
        return nullptr;
    *target.get() = *source.get();
    target->channels = 2;
    target->bitsPerSample = 16;
    const uint8_t *in = SoundSamples(source.get());
    uint8_t *out = SoundSamples(target.get());
    for (DWORD i = 0; i < frames; i++, out += 4) {
        if (bits == 16) { // mono
            const int sample = Read16(in + 2 * i);
            Write16(out, sample);
            Write16(out + 2, sample);
        } else if (mono) {
            Write16(out, Widen8(in[i]));
            Write16(out + 2, Widen8(in[i]));
        } else {
            Write16(out, Widen8(in[2 * i]));
            Write16(out + 2, Widen8(in[2 * i + 1]));
        }
    }
    return result.release();
}

int BandPassFilter(SoundFormat *image, double centre, double bandwidth, DWORD dataSize)
{
    const BandPass f = MakeBandPass(image->samplesPerSecond, centre, bandwidth);
    if (image->channels != 2 || image->bitsPerSample != 16)
        return 1;

    FilterState states[2] = {};
    uint8_t *samples = SoundSamples(image);
    for (DWORD i = 0; i < dataSize / 2; i++) {
        FilterState &s = states[i % 2];
        const double x = Read16(samples + 2 * i) * kSampleScale;
        const double y = f.a0 * x + f.a1 * s.x1 + f.a2 * s.x2 - f.b1 * s.y1 - f.b2 * s.y2;
        s.x2 = s.x1;
        s.x1 = x;
        s.y2 = s.y1;
        s.y1 = y;
        Write16(samples + 2 * i, FilteredSample(y));
    }
    return 1;
}

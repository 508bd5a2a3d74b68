#include "sound/sound_conversion.h"

#include "frame/global_block.h"
#include "imaging/packed_image.h"

#include <cmath>
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

// Two's-complement low 16 bits of a truncated value; a value past any integer keeps none.
int Truncate16(double value)
{
    if (!(std::fabs(value) < 9.2e18))
        return 0;
    return static_cast<int>(static_cast<uint16_t>(static_cast<long long>(value)));
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
    const double pi = 3.14159265358979323846;
    const double rate = image->samplesPerSecond;
    const double c = 1 / std::tan(pi * bandwidth / rate);
    const double d = 2 * std::cos(2 * pi * centre / rate);
    const double a0 = 1 / (1 + c), a1 = 0, a2 = -a0;
    const double b1 = -c * d * a0, b2 = (c - 1) * a0;
    if (image->channels != 2 || image->bitsPerSample != 16)
        return 1;

    const double scale = 1.0 / 32767;
    FilterState states[2] = {};
    uint8_t *samples = SoundSamples(image);
    for (DWORD i = 0; i < dataSize / 2; i++) {
        FilterState &s = states[i % 2];
        const double x = Read16(samples + 2 * i) * scale;
        const double y = a0 * x + a1 * s.x1 + a2 * s.x2 - b1 * s.y1 - b2 * s.y2;
        s.x2 = s.x1;
        s.x1 = x;
        s.y2 = s.y1;
        s.y1 = y;
        Write16(samples + 2 * i, Truncate16(y / scale));
    }
    return 1;
}

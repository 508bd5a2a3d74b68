#include "sound/sound_analysis.h"

#include "frame/global_block.h"
#include "sound/band_pass.h"
#include "sound/sound_conversion.h"
#include "sound/wav_reader.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace
{

struct Band {
    double centre, bandwidth;
};
const Band kBands[kSoundBands] = {
    {31, 31},    {62, 49},    {125, 94},   {250, 180},   {500, 375},
    {1000, 750}, {2000, 750}, {4000, 750}, {8000, 1500}, {16000, 1500},
};

// Keeps the frame count's arrays (frames + 1 of them in band mode) within 32-bit sizes.
constexpr int kMostFrames = 1 << 24;

// Shows the wait cursor for its lifetime.
class WaitCursor
{
public:
    WaitCursor() : previous_(SetCursor(LoadCursor(nullptr, IDC_WAIT))) {}
    ~WaitCursor() { SetCursor(previous_); }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;

private:
    HCURSOR previous_;
};

int *AllocateLevels(int entries)
{
    return static_cast<int *>(GlobalAlloc(GPTR, static_cast<SIZE_T>(entries) * sizeof(int)));
}

void FreeLevels(int **levels)
{
    if (*levels)
        GlobalFree(*levels);
    *levels = nullptr;
}

int Level8(uint8_t sample)
{
    return std::abs(sample - 127) * 2;
}

int Level16(const uint8_t *bytes)
{
    int16_t sample;
    std::memcpy(&sample, bytes, 2);
    return std::abs(static_cast<int>(sample)) / 256;
}

// The rate, block size, channel count and width every analysis needs; a zero rate or
// block size would leave the playing time undefined.
bool UsableFormat(const SoundFormat &format)
{
    return format.formatTag == kPcmFormatTag && format.samplesPerSecond != 0 &&
           format.blockAlign != 0 && format.channels != 0 &&
           (format.bitsPerSample == 8 || format.bitsPerSample == 16);
}

int Duration(const SoundFormat &format, DWORD dataSize)
{
    const double seconds =
        dataSize / (static_cast<double>(format.samplesPerSecond) * format.blockAlign);
    return static_cast<int>(std::min(seconds * 1000, static_cast<double>(INT_MAX)));
}

DWORD SegmentLength(DWORD sampleFrames, int segments)
{
    return static_cast<DWORD>(static_cast<double>(sampleFrames) / segments);
}

// Peak per segment of each channel of mono or stereo samples; 8-bit levels are centred on
// 127. Segments follow one another from the start of the data; the rest is ignored.
void MeasurePeaks(const SoundFormat &format, const uint8_t *samples, DWORD dataSize, int segments,
                  int *left, int *right)
{
    const int bytes = format.bitsPerSample / 8, channels = format.channels;
    const DWORD length = SegmentLength(dataSize / (bytes * channels), segments);
    const int rightOffset = channels == 2 ? bytes : 0;
    const uint8_t *frame = samples;
    for (int f = 0; f < segments; f++) {
        for (DWORD i = 0; i < length; i++, frame += bytes * channels) {
            const int l = bytes == 1 ? Level8(frame[0]) : Level16(frame);
            const int r = bytes == 1 ? Level8(frame[rightOffset]) : Level16(frame + rightOffset);
            left[f] = std::max(left[f], l);
            right[f] = std::max(right[f], r);
        }
    }
}

// Scales every value so that the largest becomes about 255; a silent channel (largest 0)
// stays at 0 rather than being divided by its zero peak.
void Normalise(int *const *arrays, int arrayCount, int entries)
{
    int peak = 0;
    for (int a = 0; a < arrayCount; a++)
        peak = std::max(peak, *std::max_element(arrays[a], arrays[a] + entries));
    if (peak == 0)
        return;
    const double factor = 255.0 / peak + 0.5;
    for (int a = 0; a < arrayCount; a++)
        for (int i = 0; i < entries; i++)
            arrays[a][i] = std::min(255, std::max(0, static_cast<int>(arrays[a][i] * factor)));
}

void Combine(const int *left, const int *right, int *combined, int entries)
{
    for (int i = 0; i < entries; i++)
        combined[i] = (left[i] + right[i]) / 2;
}

bool AnalyseLevels(SoundAnalysis *analysis, DWORD dataSize, int flags)
{
    const int frames = analysis->frames;
    analysis->left = AllocateLevels(frames);
    analysis->right = AllocateLevels(frames);
    analysis->combined = AllocateLevels(frames);
    GlobalLockGuard<SoundFormat> image(analysis->image);
    if (!analysis->left || !analysis->right || !analysis->combined || !image ||
        !UsableFormat(*image.get()))
        return false;
    analysis->duration = Duration(*image.get(), dataSize);
    // More than two channels: no levels, but still a sound.
    if (image->channels <= 2)
        MeasurePeaks(*image.get(), SoundSamples(image.get()), dataSize, frames, analysis->left,
                     analysis->right);
    if (flags & kAnalyseNormalize) {
        Normalise(&analysis->left, 1, frames);
        Normalise(&analysis->right, 1, frames);
    }
    Combine(analysis->left, analysis->right, analysis->combined, frames);
    return true;
}

// The bands of one worker: every second band from the first, over the shared working copy.
struct BandWork {
    SoundAnalysis *analysis;
    const uint8_t *samples;
    DWORD length; // sample frames per segment
    int segments, firstBand;
};

DWORD WINAPI MeasureBands(void *parameter)
{
    const BandWork &work = *static_cast<const BandWork *>(parameter);
    const SoundFormat *format = reinterpret_cast<const SoundFormat *>(work.samples) - 1;
    for (int band = work.firstBand; band < kSoundBands; band += 2) {
        const BandPass filter =
            MakeBandPass(format->samplesPerSecond, kBands[band].centre, kBands[band].bandwidth);
        MeasureBandPeaks(filter, work.samples, work.length, work.segments,
                         work.analysis->bandLeft[band], work.analysis->bandRight[band]);
    }
    return 0;
}

// Every band filters the same 16-bit stereo copy of the sound and keeps only its levels, so
// one read-only copy serves all ten, and the bands, being independent, are shared between
// this thread and one more; each filter's arithmetic is the same on either.
bool AnalyseBands(SoundAnalysis *analysis, DWORD dataSize, int flags)
{
    {
        GlobalLockGuard<SoundFormat> image(analysis->image);
        if (!image || !UsableFormat(*image.get()))
            return false;
        analysis->duration = Duration(*image.get(), dataSize);
    }
    GlobalBlock copy(ConvertToStereo16(analysis->image, dataSize));
    GlobalLockGuard<SoundFormat> working(copy.get());
    if (!working || working->formatTag != kPcmFormatTag)
        return false;
    const int segments = analysis->frames + 1;
    for (int band = 0; band < kSoundBands; band++) {
        analysis->bandCombined[band] = AllocateLevels(segments);
        analysis->bandLeft[band] = AllocateLevels(segments);
        analysis->bandRight[band] = AllocateLevels(segments);
        if (!analysis->bandCombined[band] || !analysis->bandLeft[band] ||
            !analysis->bandRight[band])
            return false;
    }
    const DWORD workingSize = static_cast<DWORD>(GlobalSize(copy.get()) - sizeof(SoundFormat));
    const DWORD length = SegmentLength(workingSize / 4, segments);
    BandWork shares[2] = {{analysis, SoundSamples(working.get()), length, segments, 0},
                          {analysis, SoundSamples(working.get()), length, segments, 1}};
    HANDLE helper = CreateThread(nullptr, 0, MeasureBands, &shares[1], 0, nullptr);
    MeasureBands(&shares[0]);
    if (helper) {
        WaitForSingleObject(helper, INFINITE);
        CloseHandle(helper);
    } else {
        MeasureBands(&shares[1]);
    }

    if (flags & kAnalyseNormalize) {
        Normalise(analysis->bandLeft, kSoundBands, segments);
        Normalise(analysis->bandRight, kSoundBands, segments);
    }
    for (int band = 0; band < kSoundBands; band++)
        Combine(analysis->bandLeft[band], analysis->bandRight[band], analysis->bandCombined[band],
                segments);
    return true;
}

} // namespace

int AnalyseSound(SoundAnalysis *analysis, const char *fileName, int frames, int flags)
{
    WaitCursor cursor;
    std::memset(analysis, 0, sizeof *analysis);
    analysis->frames = frames;
    DWORD dataSize = 0;
    bool analysed = false;
    if (frames >= 1 && frames <= kMostFrames) {
        analysis->image = ReadSoundImage(fileName, &dataSize);
        analysed =
            analysis->image && ((flags & kAnalyseBands) ? AnalyseBands(analysis, dataSize, flags)
                                                        : AnalyseLevels(analysis, dataSize, flags));
    }
    if (!analysed)
        FreeSoundAnalysis(analysis);
    return analysed ? 1 : 0;
}

void FreeSoundAnalysis(SoundAnalysis *analysis)
{
    if (analysis->image)
        GlobalFree(analysis->image);
    FreeLevels(&analysis->left);
    FreeLevels(&analysis->right);
    FreeLevels(&analysis->combined);
    for (int band = 0; band < kSoundBands; band++) {
        FreeLevels(&analysis->bandCombined[band]);
        FreeLevels(&analysis->bandLeft[band]);
        FreeLevels(&analysis->bandRight[band]);
    }
    std::memset(analysis, 0, sizeof *analysis);
}

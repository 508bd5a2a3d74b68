#include "sound/sound_analysis.h"

#include "wav_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace
{

// The analysis the plain way, as a reference: each band filters its own 16-bit stereo copy
// sample by sample with every term of the filter, stores each output truncated to 16 bits,
// and the stored copy is measured afterwards.
struct Levels {
    std::vector<std::vector<int>> left, right; // per band (one set in level mode)
};

std::vector<int16_t> Stereo16(const WavFormat &format, const Bytes &data)
{
    std::vector<int16_t> out;
    const int bytes = format.bits / 8;
    for (size_t i = 0; i + bytes * format.channels <= data.size(); i += bytes * format.channels)
        for (int c = 0; c < 2; c++) {
            const size_t at = i + (format.channels == 2 ? c * bytes : 0);
            out.push_back(bytes == 1 ? static_cast<int16_t>((data[at] - 127) * 256)
                                     : static_cast<int16_t>(data[at] | data[at + 1] << 8));
        }
    return out;
}

void Filter(std::vector<int16_t> &samples, double rate, double centre, double bandwidth)
{
    const double pi = 3.14159265358979323846;
    const double c = 1 / std::tan(pi * bandwidth / rate), d = 2 * std::cos(2 * pi * centre / rate);
    const double a0 = 1 / (1 + c), a1 = 0, a2 = -a0, b1 = -c * d * a0, b2 = (c - 1) * a0;
    const double scale = 1.0 / 32767;
    double x1[2] = {}, x2[2] = {}, y1[2] = {}, y2[2] = {};
    for (size_t i = 0; i < samples.size(); i++) {
        const int k = i % 2;
        const double x = samples[i] * scale;
        const double y = a0 * x + a1 * x1[k] + a2 * x2[k] - b1 * y1[k] - b2 * y2[k];
        x2[k] = x1[k], x1[k] = x, y2[k] = y1[k], y1[k] = y;
        const double stored = y / scale;
        samples[i] =
            std::fabs(stored) < 9.2e18 ? static_cast<int16_t>(static_cast<long long>(stored)) : 0;
    }
}

// Each channel's largest level in each of `segments` consecutive segments of equal length.
template <typename Level>
void Peaks(size_t sampleFrames, int segments, Level level, std::vector<int> &left,
           std::vector<int> &right)
{
    const size_t length = static_cast<size_t>(static_cast<double>(sampleFrames) / segments);
    left.assign(segments, 0), right.assign(segments, 0);
    for (int f = 0; f < segments; f++)
        for (size_t i = f * length; i < (f + 1) * length; i++) {
            left[f] = std::max(left[f], level(i, 0));
            right[f] = std::max(right[f], level(i, 1));
        }
}

void Peaks16(const std::vector<int16_t> &samples, int segments, std::vector<int> &left,
             std::vector<int> &right)
{
    Peaks(
        samples.size() / 2, segments,
        [&](size_t i, int c) { return std::abs(samples[2 * i + c]) / 256; }, left, right);
}

// Level mode: 8-bit samples are measured as |b - 127| × 2, 16-bit ones as |s| / 256.
Levels PlainLevels(const WavFormat &format, const Bytes &data, int frames)
{
    Levels levels{std::vector<std::vector<int>>(1), std::vector<std::vector<int>>(1)};
    if (format.bits == 16) {
        Peaks16(Stereo16(format, data), frames, levels.left[0], levels.right[0]);
        return levels;
    }
    Peaks(
        data.size() / format.channels, frames,
        [&](size_t i, int c) {
            return std::abs(data[i * format.channels + (format.channels == 2 ? c : 0)] - 127) * 2;
        },
        levels.left[0], levels.right[0]);
    return levels;
}

Levels PlainBands(const WavFormat &format, const Bytes &data, int frames)
{
    const double centres[] = {31, 62, 125, 250, 500, 1000, 2000, 4000, 8000, 16000};
    const double widths[] = {31, 49, 94, 180, 375, 750, 750, 750, 1500, 1500};
    Levels levels{std::vector<std::vector<int>>(10), std::vector<std::vector<int>>(10)};
    for (int band = 0; band < 10; band++) {
        std::vector<int16_t> copy = Stereo16(format, data);
        Filter(copy, format.rate, centres[band], widths[band]);
        Peaks16(copy, frames + 1, levels.left[band], levels.right[band]);
    }
    return levels;
}

void Normalise(std::vector<std::vector<int>> &sets)
{
    int peak = 0;
    for (const auto &set : sets)
        peak = std::max(peak, *std::max_element(set.begin(), set.end()));
    if (peak == 0)
        return;
    for (auto &set : sets)
        for (int &v : set)
            v = std::min(255, static_cast<int>(v * (255.0 / peak + 0.5)));
}

// A few seconds that cross every band: a glide in each channel, seeded noise, a stretch of
// full-scale square wave whose filtered peaks pass 16 bits, and silence.
Bytes Varied(const WavFormat &format, int seconds)
{
    Bytes data;
    unsigned seed = 7;
    const int count = seconds * static_cast<int>(format.rate);
    for (int i = 0; i < count; i++)
        for (int c = 0; c < format.channels; c++) {
            const double t = static_cast<double>(i) / format.rate;
            seed = seed * 1103515245 + 12345;
            double v = 12000 * std::sin(2 * 3.14159265 * (40 + (c ? 900 : 2500) * t) * t) +
                       static_cast<int>(seed >> 20 & 0xFFF) - 2048;
            if (i > count / 2 && i < count * 3 / 4)
                v = (i / (format.rate / 1000) + c) % 2 ? 32767 : -32768; // a 500 Hz square
            if (i > count * 7 / 8)
                v = 0;
            if (format.bits == 8)
                data.push_back(static_cast<uint8_t>(std::clamp(v / 256 + 127, 0.0, 255.0)));
            else
                Append16(&data, static_cast<uint16_t>(static_cast<int16_t>(v)));
        }
    return data;
}

TEST(BandLevels, EveryBandValueIsThatOfThePlainFilterInEveryMode)
{
    const WavFormat formats[] = {
        {1, 2, 22050, 4, 16}, {1, 1, 22050, 2, 16}, {1, 2, 11025, 2, 8},
        {1, 1, 11025, 1, 8},  {1, 1, 2000, 1, 8}, // at 2 kHz the top bands' filters blow up
    };
    const int frames = 37;
    for (const WavFormat &format : formats) {
        const Bytes data = Varied(format, 3);
        const TempWav wav(WavFile(format, data));
        const Levels bands = PlainBands(format, data, frames);
        const Levels levels = PlainLevels(format, data, frames);
        for (int flags : {0, 1, 2, 3}) {
            Levels expected = flags & kAnalyseBands ? bands : levels;
            if (flags & kAnalyseNormalize)
                Normalise(expected.left), Normalise(expected.right);
            SoundAnalysis a;
            ASSERT_EQ(1, AnalyseSound(&a, wav.path(), frames, flags));
            const std::string what = std::to_string(format.channels) + " channels, " +
                                     std::to_string(format.bits) + " bits, flags " +
                                     std::to_string(flags);
            for (size_t set = 0; set < expected.left.size(); set++) {
                const bool bands = flags & kAnalyseBands;
                const int *left = bands ? a.bandLeft[set] : a.left;
                const int *right = bands ? a.bandRight[set] : a.right;
                const int *combined = bands ? a.bandCombined[set] : a.combined;
                const int count = static_cast<int>(expected.left[set].size());
                for (int f = 0; f < count; f++) {
                    ASSERT_EQ(expected.left[set][f], left[f])
                        << what << ", band " << set << ", " << f;
                    ASSERT_EQ(expected.right[set][f], right[f]) << what << ", band " << set;
                    ASSERT_EQ((expected.left[set][f] + expected.right[set][f]) / 2, combined[f])
                        << what << ", band " << set;
                }
            }
            FreeSoundAnalysis(&a);
        }
    }
}

} // namespace

#include "sound/sound_conversion.h"

#include "frame/global_block.h"
#include "wav_fixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace
{

// A sound image made in memory, as the reader would leave it.
HGLOBAL MakeImage(const WavFormat &f, const Bytes &samples)
{
    HGLOBAL image = AllocateSharedBlock(16 + samples.size());
    GlobalLockGuard<SoundFormat> locked(image);
    *locked.get() = {f.tag, f.channels, f.rate, f.rate * f.blockAlign, f.blockAlign, f.bits};
    if (!samples.empty())
        std::memcpy(SoundSamples(locked.get()), samples.data(), samples.size());
    return image;
}

std::vector<int16_t> Stereo16(HGLOBAL image)
{
    GlobalLockGuard<SoundFormat> locked(image);
    EXPECT_EQ(2, locked->channels);
    EXPECT_EQ(16, locked->bitsPerSample);
    std::vector<int16_t> values((GlobalSize(image) - 16) / 2);
    std::memcpy(values.data(), SoundSamples(locked.get()), values.size() * 2);
    return values;
}

TEST(ConvertToStereo16, WidensAndDoublesEveryLayout)
{
    struct Case {
        const char *what;
        WavFormat format;
        Bytes samples;
        std::vector<int16_t> expected;
    } cases[] = {
        {"8-bit mono", {1, 1, 8000, 1, 8}, {127, 0, 255}, {0, 0, -32512, -32512, -32768, -32768}},
        {"8-bit stereo", {1, 2, 8000, 2, 8}, {255, 128}, {-32768, 256}},
        {"16-bit mono", {1, 1, 8000, 2, 16}, Samples16({1234, -7}), {1234, 1234, -7, -7}},
        {"16-bit stereo", {1, 2, 8000, 4, 16}, Samples16({1, 2, 3, 4}), {1, 2, 3, 4}},
    };
    for (const Case &c : cases) {
        GlobalBlock source(MakeImage(c.format, c.samples));
        GlobalBlock converted(
            ConvertToStereo16(source.get(), static_cast<DWORD>(c.samples.size())));
        ASSERT_TRUE(converted) << c.what;
        EXPECT_EQ(c.expected, Stereo16(converted.get())) << c.what;
    }
}

TEST(ConvertToStereo16, RefusesOtherLayoutsAndSizesPastTheImage)
{
    for (WavFormat f : {WavFormat{1, 3, 8000, 3, 8}, WavFormat{1, 1, 8000, 3, 24},
                        WavFormat{1, 0, 8000, 1, 8}, WavFormat{1, 2, 8000, 2, 0}}) {
        GlobalBlock source(MakeImage(f, Bytes(12, 1)));
        EXPECT_EQ(nullptr, ConvertToStereo16(source.get(), 12)) << f.channels << "x" << f.bits;
    }
    GlobalBlock source(MakeImage({1, 1, 8000, 1, 8}, Bytes(12, 1)));
    EXPECT_EQ(nullptr, ConvertToStereo16(source.get(), 13));
}

TEST(BandPassFilter, PassesItsCentreAndDampsFarFrequenciesPerChannel)
{
    const int rate = 44100, count = 4410;
    auto peakAfterFilter = [&](double frequency) {
        std::vector<int16_t> values;
        for (int i = 0; i < count; i++) {
            values.push_back(static_cast<int16_t>(
                10000 * std::sin(2 * 3.14159265358979 * frequency * i / rate)));
            values.push_back(0); // the right channel stays silent
        }
        const Bytes samples = Samples16(values);
        GlobalBlock image(MakeImage({1, 2, rate, 4, 16}, samples));
        GlobalLockGuard<SoundFormat> locked(image.get());
        EXPECT_EQ(1, BandPassFilter(locked.get(), 1000, 750, static_cast<DWORD>(samples.size())));
        std::vector<int16_t> out(values.size());
        std::memcpy(out.data(), SoundSamples(locked.get()), samples.size());
        int peak = 0;
        for (int i = count; i < 2 * count; i += 2) { // the second half, past the onset
            peak = std::max(peak, std::abs(static_cast<int>(out[i])));
            EXPECT_EQ(0, out[i + 1]);
        }
        return peak;
    };
    EXPECT_NEAR(10000, peakAfterFilter(1000), 300);
    EXPECT_LT(peakAfterFilter(8000), 1500);
    EXPECT_LT(peakAfterFilter(60), 1500);
}

TEST(BandPassFilter, LeavesOtherLayoutsAlone)
{
    const Bytes samples = Samples16({1000, -1000, 500});
    GlobalBlock image(MakeImage({1, 1, 8000, 2, 16}, samples));
    GlobalLockGuard<SoundFormat> locked(image.get());
    EXPECT_EQ(1, BandPassFilter(locked.get(), 1000, 750, 6));
    EXPECT_EQ(0, std::memcmp(samples.data(), SoundSamples(locked.get()), 6));
}

} // namespace

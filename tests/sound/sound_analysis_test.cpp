#include "sound/sound_analysis.h"

#include "frame/host_records.h"
#include "sound/match_time.h"
#include "support/heap_census.h"
#include "wav_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace
{

const WavFormat kMono8 = {1, 1, 8000, 1, 8};
const WavFormat kStereo8 = {1, 2, 8000, 2, 8};
const WavFormat kMono16 = {1, 1, 8000, 2, 16};
const WavFormat kStereo16 = {1, 2, 8000, 4, 16};

std::vector<int> Values(const int *levels, int count)
{
    return {levels, levels + count};
}

// Analyses bytes written to a temporary file; the record is freed by the caller.
int Analyse(SoundAnalysis *analysis, const Bytes &file, int frames, int flags)
{
    TempWav wav(file);
    return AnalyseSound(analysis, wav.path(), frames, flags);
}

TEST(SoundLevels, EightAndSixteenBitSamplesBecomeMagnitudes)
{
    struct Case {
        const char *what;
        Bytes file;
        std::vector<int> levels;
    } cases[] = {
        {"8-bit", WavFile(kMono8, {127, 0, 255}), {0, 254, 256}},
        {"16-bit", WavFile(kMono16, Samples16({-32768, 32767, -255, 256})), {128, 127, 0, 1}},
    };
    for (const Case &c : cases) {
        SoundAnalysis a;
        const int frames = static_cast<int>(c.levels.size());
        ASSERT_EQ(1, Analyse(&a, c.file, frames, 0)) << c.what;
        EXPECT_EQ(c.levels, Values(a.left, frames)) << c.what;
        EXPECT_EQ(c.levels, Values(a.right, frames)) << c.what << ": mono right = left";
        EXPECT_EQ(c.levels, Values(a.combined, frames)) << c.what;
        EXPECT_EQ(nullptr, a.bandLeft[0]);
        FreeSoundAnalysis(&a);
    }
}

TEST(SoundLevels, StereoSegmentsTakeEachChannelsPeakAndDropTheRemainder)
{
    // 5 sample frames into 2 segments of 2; the fifth (loud) frame is never measured.
    const Bytes samples = Samples16({512, -2560, -1024, 0, 0, 256, 2560, 0, 32767, 32767});
    SoundAnalysis a;
    ASSERT_EQ(1, Analyse(&a, WavFile(kStereo16, samples), 2, 0));
    EXPECT_EQ((std::vector<int>{4, 10}), Values(a.left, 2));
    EXPECT_EQ((std::vector<int>{10, 1}), Values(a.right, 2));
    EXPECT_EQ((std::vector<int>{7, 5}), Values(a.combined, 2));
    EXPECT_EQ(2, a.frames);
    EXPECT_EQ(0, a.duration); // 20 bytes at 32000 bytes a second
    FreeSoundAnalysis(&a);
}

TEST(SoundLevels, NormalisingScalesEachChannelByItsOwnPeak)
{
    // Left peaks at 100: 100 -> 255 (305 limited), 50 -> 152; right is silent and stays 0.
    const Bytes samples = Samples16({25600, 0, 12800, 0, 0, 0});
    SoundAnalysis a;
    ASSERT_EQ(1, Analyse(&a, WavFile(kStereo16, samples), 3, kAnalyseNormalize));
    EXPECT_EQ((std::vector<int>{255, 152, 0}), Values(a.left, 3));
    EXPECT_EQ((std::vector<int>{0, 0, 0}), Values(a.right, 3));
    EXPECT_EQ((std::vector<int>{127, 76, 0}), Values(a.combined, 3));
    FreeSoundAnalysis(&a);
}

TEST(SoundLevels, FewerSamplesThanFramesGiveSilenceButTheTruePlayingTime)
{
    SoundAnalysis a;
    ASSERT_EQ(1, Analyse(&a, WavFile(kMono8, Bytes(40, 0)), 50, kAnalyseNormalize));
    EXPECT_EQ(std::vector<int>(50, 0), Values(a.left, 50));
    EXPECT_EQ(5, a.duration);
    FreeSoundAnalysis(&a);
}

TEST(SoundBands, EightBitStereoAt8000HzLastsOneSecondInBothModes)
{
    Bytes samples(16000, 127);
    samples[15998] = 255; // a click in the very last sample frame, left only
    for (int flags : {0, kAnalyseBands}) {
        SoundAnalysis a;
        ASSERT_EQ(1, Analyse(&a, WavFile(kStereo8, samples), 9, flags)) << flags;
        EXPECT_EQ(1000, a.duration) << flags;
        EXPECT_EQ(9, a.frames) << flags;
        FreeSoundAnalysis(&a);
    }
    // Band mode cuts 10 segments of 800: only the tenth, past the frames, hears the click.
    SoundAnalysis a;
    ASSERT_EQ(1, Analyse(&a, WavFile(kStereo8, samples), 9, kAnalyseBands));
    EXPECT_EQ(nullptr, a.left);
    for (int b = 0; b < kSoundBands; b++) {
        EXPECT_EQ(std::vector<int>(9, 0), Values(a.bandLeft[b], 9)) << "band " << b;
        EXPECT_GT(a.bandLeft[b][9], 0) << "band " << b;
        EXPECT_EQ(0, a.bandRight[b][9]) << "band " << b;
        EXPECT_EQ(a.bandLeft[b][9] / 2, a.bandCombined[b][9]) << "band " << b;
    }
    FreeSoundAnalysis(&a);
}

TEST(SoundBands, NormalisingReachesFullScaleAcrossAllBands)
{
    Bytes samples;
    for (int i = 0; i < 4000; i++)
        samples.push_back(static_cast<uint8_t>(127 + (i % 16 < 8 ? 60 : -60)));
    SoundAnalysis a;
    ASSERT_EQ(1, Analyse(&a, WavFile(kMono8, samples), 4, kAnalyseBands | kAnalyseNormalize));
    int peak = 0;
    for (int b = 0; b < kSoundBands; b++)
        for (int f = 0; f <= 4; f++) {
            EXPECT_LE(0, a.bandLeft[b][f]);
            EXPECT_GE(255, a.bandLeft[b][f]);
            EXPECT_EQ(a.bandLeft[b][f], a.bandRight[b][f]) << "mono: both channels alike";
            peak = std::max(peak, a.bandLeft[b][f]);
        }
    EXPECT_EQ(255, peak);
    FreeSoundAnalysis(&a);
}

TEST(SoundAnalysis, ThreeChannelsAreSilentInLevelModeAndRefusedInBandMode)
{
    const WavFormat threeChannels = {1, 3, 8000, 3, 8};
    const Bytes file = WavFile(threeChannels, {0, 255, 0, 255, 0, 255});
    SoundAnalysis a;
    ASSERT_EQ(1, Analyse(&a, file, 2, kAnalyseNormalize));
    EXPECT_EQ((std::vector<int>{0, 0}), Values(a.left, 2));
    EXPECT_EQ((std::vector<int>{0, 0}), Values(a.combined, 2));
    FreeSoundAnalysis(&a);
    HeapCensus census;
    EXPECT_EQ(0, Analyse(&a, file, 2, kAnalyseBands));
    EXPECT_EQ(0, census.Leaked());
    EXPECT_EQ(nullptr, a.image);
}

TEST(SoundAnalysis, UnusableSoundsFailCleanlyInBothModes)
{
    const Bytes samples(64, 200);
    struct Case {
        const char *what;
        Bytes file;
        int frames;
    } cases[] = {
        {"24-bit", WavFile({1, 1, 8000, 3, 24}, samples), 4},
        {"no bits field", RiffFile({Chunk("fmt ", FormatBody(kMono8, 14)), Chunk("data", samples)}),
         4},
        {"no channels", WavFile({1, 0, 8000, 1, 8}, samples), 4},
        {"zero rate", WavFile({1, 1, 0, 1, 8}, samples), 4},
        {"zero block align", WavFile({1, 1, 8000, 0, 8}, samples), 4},
        {"not a sound", RiffFile({}, "AVI "), 4},
        {"no frames", WavFile(kMono8, samples), 0},
        {"negative frames", WavFile(kMono8, samples), -3},
    };
    for (const Case &c : cases)
        for (int flags : {0, kAnalyseNormalize, kAnalyseBands}) {
            SoundAnalysis a;
            HeapCensus census;
            EXPECT_EQ(0, Analyse(&a, c.file, c.frames, flags)) << c.what << " " << flags;
            EXPECT_EQ(0, census.Leaked()) << c.what << " " << flags;
            EXPECT_EQ(nullptr, a.image);
            EXPECT_EQ(nullptr, a.left);
            EXPECT_EQ(0, a.frames);
            FreeSoundAnalysis(&a); // a cleared record frees safely
        }
}

TEST(MatchTime, SpreadsTheFramesOverThePlayingTime)
{
    EXPECT_EQ(10, HostDelayUnit(kHostFlagGifType));
    EXPECT_EQ(1, HostDelayUnit(kHostFlagTrueColour));
    struct Case {
        int duration, frames, unit, delay;
    } cases[] = {
        {1000, 10, 10, 10}, {1000, 10, 1, 100}, {1999, 10, 10, 19}, {5, 10, 10, 1},
        {0, 10, 1, 1},      {1000, 0, 10, 100}, {1000, 10, 0, 100},
    };
    for (const Case &c : cases)
        EXPECT_EQ(c.delay, MatchTimeDelay(c.duration, c.frames, c.unit))
            << c.duration << " / " << c.frames << " / " << c.unit;
}

} // namespace

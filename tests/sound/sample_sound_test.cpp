// The sample sound the build puts beside the programs, as the sound pages will read it.
#include "frame/global_block.h"
#include "sound/sound_analysis.h"
#include "sound/wav_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace
{

// "default.wav" beside this test program, where the build puts it beside the plug-in.
std::string SampleSoundPath()
{
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of("\\/") + 1) + "default.wav";
}

int Peak(const int *levels, int first, int last)
{
    return *std::max_element(levels + first, levels + last + 1);
}

TEST(SampleSound, IsSixteenBitStereoAt44100HzLastingAFewSeconds)
{
    DWORD dataSize = 0;
    GlobalBlock image(ReadSoundImage(SampleSoundPath().c_str(), &dataSize));
    GlobalLockGuard<SoundFormat> format(image.get());
    ASSERT_TRUE(format) << SampleSoundPath();
    EXPECT_EQ(2, format->channels);
    EXPECT_EQ(44100u, format->samplesPerSecond);
    EXPECT_EQ(16, format->bitsPerSample);
    EXPECT_EQ(4, format->blockAlign);
    const double seconds = dataSize / 176400.0;
    EXPECT_GE(seconds, 8.0);
    EXPECT_LE(seconds, 12.0);
}

// One analysis frame a second: the first four seconds are the quiet bars, seconds six to ten
// the loud ones, and nothing reaches full scale.
TEST(SampleSound, HasAQuietPassageWellBelowItsLoudOne)
{
    SoundAnalysis a;
    ASSERT_EQ(1, AnalyseSound(&a, SampleSoundPath().c_str(), 11, 0));
    ASSERT_GE(a.duration, 10000);
    for (const int *levels : {a.left, a.right}) {
        const int quiet = Peak(levels, 0, 3);
        const int softestLoudSecond = *std::min_element(levels + 6, levels + 10);
        EXPECT_GT(quiet, 0);
        EXPECT_GT(softestLoudSecond, 4 * quiet);
        EXPECT_LT(Peak(levels, 0, 10), 124); // 16-bit levels reach 128 at full scale
    }
    FreeSoundAnalysis(&a);
}

} // namespace

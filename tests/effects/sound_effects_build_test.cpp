// The LED effects' build handlers on the real pages, from WAV files written by the test.
#include "effects/band_meter.h"
#include "effects/digital_vu.h"
#include "resources/resource_ids.h"
#include "sound/wav_fixture.h"
#include "support/heap_census.h"
#include "support/recording_host.h"
#include "ui/page_dialog.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace
{

struct SoundEffect {
    const char *name;
    int(__cdecl *build)(EffectContext *);
    UINT sound, frames, matchTime;
};
const SoundEffect kSoundEffects[] = {
    {"vertical", VerticalMeterBuild, 110, 116, 133},
    {"horizontal", HorizontalMeterBuild, 144, 150, 167},
    {"spectrum", BandMeterBuild, 418, 424, 441},
};

// One second of a 16-bit stereo sound at 8000 Hz that swells from silence.
Bytes OneSecond()
{
    std::vector<int16_t> samples;
    for (int i = 0; i < 8000; i++) {
        const int16_t v = static_cast<int16_t>((i % 40 < 20 ? 1 : -1) * i * 3);
        samples.push_back(v);
        samples.push_back(static_cast<int16_t>(v / 2));
    }
    return WavFile({1, 2, 8000, 4, 16}, Samples16(samples));
}

class SoundEffectsBuild : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { dialog_ = std::make_unique<PageDialog>(); }
    static void TearDownTestSuite() { dialog_.reset(); }

    // Builds with the page pointing at the file; answers the handler's result.
    int Build(const SoundEffect &effect, const TempWav &wav, int frames, bool matchTime,
              RecordingHost *host, FrameList *list) const
    {
        dialog_->SetText(effect.sound, wav.path());
        dialog_->SetText(effect.frames, std::to_string(frames).c_str());
        dialog_->SetText(IDC_DELAY, "7");
        CheckDlgButton(dialog_->get(), effect.matchTime, matchTime ? BST_CHECKED : BST_UNCHECKED);
        EffectContext context = {};
        context.dialog = dialog_->get();
        context.frames = list;
        context.host = &host->record;
        return effect.build(&context);
    }

    static std::unique_ptr<PageDialog> dialog_;
};
std::unique_ptr<PageDialog> SoundEffectsBuild::dialog_;

TEST_F(SoundEffectsBuild, OneFramePerFrameAskedForWithTheDialogsDelayOrMatchTime)
{
    const TempWav wav(OneSecond());
    struct Case {
        bool matchTime;
        uint8_t hostFlags;
        int frames, delay;
    } cases[] = {
        {false, kHostFlagGifType, 5, 7},
        {true, kHostFlagGifType, 4, 25}, // 1000 ms / 4 frames, in hundredths
        {true, 0, 8, 125},               // in milliseconds
    };
    for (const SoundEffect &effect : kSoundEffects)
        for (const Case &c : cases) {
            RecordingHost host(c.hostFlags);
            FrameList list = {};
            ASSERT_EQ(1, Build(effect, wav, c.frames, c.matchTime, &host, &list)) << effect.name;
            EXPECT_EQ(c.frames, list.count) << effect.name;
            EXPECT_EQ(c.frames, host.progressCalls) << effect.name;
            for (int i = 0; i < list.count; i++) {
                FrameRecord frame = {};
                ASSERT_EQ(1, GetFrame(&frame, &list, i));
                EXPECT_EQ(c.delay, frame.delay) << effect.name << " frame " << i;
            }
            FreeFrameList(&list);
        }
}

TEST_F(SoundEffectsBuild, ADamagedOrMissingSoundFailsTheBuildLeavingNothingAllocated)
{
    Bytes cut = OneSecond();
    cut.resize(40); // the data chunk's header and no more
    const TempWav damaged(cut);
    const TempWav missing;
    DeleteFileA(missing.path());
    for (const SoundEffect &effect : kSoundEffects) {
        RecordingHost host;
        FrameList list = {};
        Build(effect, damaged, 4, true, &host, &list); // warms up what GDI keeps
        for (const TempWav *wav : {&damaged, &missing}) {
            HeapCensus census;
            EXPECT_EQ(0, Build(effect, *wav, 4, true, &host, &list)) << effect.name;
            EXPECT_EQ(0, list.count) << effect.name;
            EXPECT_EQ(0, census.Leaked()) << effect.name;
        }
    }
}

} // namespace

#include "sound/sound_analysis.h"
#include "sound/wav_reader.h"

#include "frame/global_block.h"
#include "support/heap_census.h"
#include "wav_fixture.h"

#include <gtest/gtest.h>

namespace
{

// A fixed linear congruential sequence, so every run tries the same damaged files.
class Mutator
{
public:
    uint32_t Next()
    {
        state_ = state_ * 1664525u + 1013904223u;
        return state_ >> 8;
    }
    uint32_t Below(uint32_t n) { return Next() % n; }

    void Mutate(Bytes *file)
    {
        static const uint32_t kEdgeValues[] = {0, 1, 2, 3, 16, 0x7FFFFFFF, 0x80000000, 0xFFFFFFFF};
        const size_t at = file->empty() ? 0 : Below(static_cast<uint32_t>(file->size()));
        switch (Below(5)) {
        case 0: // one byte anywhere
            if (!file->empty())
                (*file)[at] = static_cast<uint8_t>(Next());
            break;
        case 1: // a size, count or rate field set to an edge value
            for (int i = 0; i < 4 && at + i < file->size(); i++)
                (*file)[at + i] = static_cast<uint8_t>(kEdgeValues[Below(8)] >> (8 * i));
            break;
        case 2: // cut short
            file->resize(at);
            break;
        case 3: // bytes dropped
            file->erase(file->begin() + at, file->begin() + std::min(file->size(), at + Below(9)));
            break;
        default: // bytes inserted
            file->insert(file->begin() + at, Below(9), static_cast<uint8_t>(Next()));
            break;
        }
    }

private:
    uint32_t state_ = 20261211;
};

std::vector<Bytes> SeedFiles()
{
    Bytes tone;
    for (int i = 0; i < 96; i++)
        tone.push_back(static_cast<uint8_t>(i * 37));
    return {
        WavFile({1, 1, 8000, 1, 8}, tone),
        WavFile({1, 2, 11025, 2, 8}, tone),
        WavFile({1, 1, 22050, 2, 16}, tone),
        WavFile({1, 2, 44100, 4, 16}, tone),
        RiffFile({Chunk("LIST", Bytes(7, 'i')), Chunk("fmt ", FormatBody({1, 2, 8000, 4, 16}, 14)),
                  Chunk("data", tone)}),
    };
}

// Every level the analysis leaves must be one the renderers can draw.
void ExpectLevelsInRange(const SoundAnalysis &a, int flags, int iteration)
{
    const int top = (flags & kAnalyseNormalize) ? 255 : 256;
    auto check = [&](const int *levels, int count) {
        for (int i = 0; i < count; i++)
            ASSERT_TRUE(levels[i] >= 0 && levels[i] <= top)
                << "mutation " << iteration << " level " << levels[i];
    };
    if (flags & kAnalyseBands) {
        for (int b = 0; b < kSoundBands; b++) {
            check(a.bandLeft[b], a.frames + 1);
            check(a.bandRight[b], a.frames + 1);
            check(a.bandCombined[b], a.frames + 1);
        }
    } else {
        check(a.left, a.frames);
        check(a.right, a.frames);
        check(a.combined, a.frames);
    }
    ASSERT_GE(a.duration, 0) << "mutation " << iteration;
}

TEST(SoundFuzz, DamagedFilesAreAnalysedWithinRangeOrRefusedCleanly)
{
    const std::vector<Bytes> seeds = SeedFiles();
    Mutator mutator;
    TempWav wav;
    int accepted = 0, refused = 0;
    // Warm up whatever the system keeps after a first read.
    SoundAnalysis a;
    wav.Write(seeds[0]);
    ASSERT_EQ(1, AnalyseSound(&a, wav.path(), 4, kAnalyseBands));
    FreeSoundAnalysis(&a);

    HeapCensus census;
    for (int i = 0; i < 3000; i++) {
        Bytes file = seeds[mutator.Below(static_cast<uint32_t>(seeds.size()))];
        for (uint32_t m = 1 + mutator.Below(3); m > 0; m--)
            mutator.Mutate(&file);
        wav.Write(file);
        const int flags = static_cast<int>(mutator.Below(4));
        const int frames = 1 + static_cast<int>(mutator.Below(12));

        GlobalBlock image(ReadSoundImage(wav.path(), nullptr));
        if (AnalyseSound(&a, wav.path(), frames, flags)) {
            ASSERT_TRUE(image) << "mutation " << i << ": analysed what the reader refused";
            ExpectLevelsInRange(a, flags, i);
            accepted++;
        } else {
            ASSERT_EQ(nullptr, a.image) << "mutation " << i;
            refused++;
        }
        FreeSoundAnalysis(&a);
    }
    EXPECT_EQ(0, census.Leaked());
    // Both outcomes must actually be exercised for the run to mean anything.
    EXPECT_GT(accepted, 300);
    EXPECT_GT(refused, 300);
}

} // namespace

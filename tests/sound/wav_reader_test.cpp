#include "sound/wav_reader.h"

#include "frame/global_block.h"
#include "support/heap_census.h"
#include "wav_fixture.h"

#include <gtest/gtest.h>

#include <cstring>

namespace
{

const WavFormat kStereo16 = {1, 2, 22050, 4, 16};
const Bytes kFourFrames = Samples16({1, -1, 300, -300, 32767, -32768, 5, 6});

Bytes Cut(Bytes bytes, size_t length)
{
    bytes.resize(length);
    return bytes;
}

TEST(WavReader, KeepsTheFormatRecordAndTheDataBytesAsStored)
{
    TempWav file(WavFile(kStereo16, kFourFrames));
    DWORD size = 0;
    GlobalBlock image(ReadSoundImage(file.path(), &size));
    ASSERT_TRUE(image);
    EXPECT_EQ(kFourFrames.size(), size);
    EXPECT_EQ(size + 16, GlobalSize(image.get()));
    GlobalLockGuard<SoundFormat> locked(image.get());
    EXPECT_EQ(1, locked->formatTag);
    EXPECT_EQ(2, locked->channels);
    EXPECT_EQ(22050u, locked->samplesPerSecond);
    EXPECT_EQ(88200u, locked->averageBytesPerSecond);
    EXPECT_EQ(4, locked->blockAlign);
    EXPECT_EQ(16, locked->bitsPerSample);
    EXPECT_EQ(0, std::memcmp(kFourFrames.data(), SoundSamples(locked.get()), size));
}

TEST(WavReader, AcceptsShortAndLongFormatChunksAndSkipsOtherChunks)
{
    Bytes longFormat = FormatBody(kStereo16, 18);
    longFormat[16] = 0x77; // an extension size the reader must not keep
    struct Case {
        const char *what;
        Bytes file;
        uint16_t bits;
        DWORD size;
    } cases[] = {
        {"fmt of 14 bytes",
         RiffFile({Chunk("fmt ", FormatBody(kStereo16, 14)), Chunk("data", kFourFrames)}), 0, 16},
        {"fmt of 18 bytes", RiffFile({Chunk("fmt ", longFormat), Chunk("data", kFourFrames)}), 16,
         16},
        {"LIST and odd-sized chunks between",
         RiffFile({Chunk("LIST", Bytes(5, 'x')), Chunk("fmt ", FormatBody(kStereo16)),
                   Chunk("fact", Bytes(3, 1)), Chunk("data", kFourFrames)}),
         16, 16},
        {"empty data", WavFile(kStereo16, {}), 16, 0},
    };
    for (const Case &c : cases) {
        TempWav file(c.file);
        DWORD size = 99;
        GlobalBlock image(ReadSoundImage(file.path(), &size));
        ASSERT_TRUE(image) << c.what;
        EXPECT_EQ(c.size, size) << c.what;
        EXPECT_EQ(c.size + 16, GlobalSize(image.get())) << c.what;
        GlobalLockGuard<SoundFormat> locked(image.get());
        EXPECT_EQ(c.bits, locked->bitsPerSample) << c.what;
        EXPECT_EQ(4, locked->blockAlign) << c.what;
    }
}

TEST(WavReader, RefusesDamagedFilesAndLeavesNothingBehind)
{
    const Bytes good = WavFile(kStereo16, kFourFrames);
    const Bytes format = Chunk("fmt ", FormatBody(kStereo16));
    const Bytes data = Chunk("data", kFourFrames);
    WavFormat adpcm = kStereo16;
    adpcm.tag = 2;
    struct Case {
        const char *what;
        Bytes file;
    } cases[] = {
        {"empty file", {}},
        {"not RIFF", Bytes{'R', 'I', 'F', 'X'}},
        {"RIFF of another form", RiffFile({format, data}, "AVI ")},
        {"no fmt", RiffFile({data})},
        {"data only before fmt", RiffFile({data, format})},
        {"no data", RiffFile({format})},
        {"not PCM", WavFile(adpcm, kFourFrames)},
        {"data claims more than the file holds",
         RiffFile({format, Chunk("data", kFourFrames, 17)})},
        {"data claims nearly 4 GB", RiffFile({format, Chunk("data", kFourFrames, 0xFFFFFFF8)})},
        {"fmt claims more than the file holds", Cut(RiffFile({Chunk("fmt ", {}, 16)}), 20)},
        {"cut inside fmt", Cut(good, 30)},
        {"cut inside the data header", Cut(good, 40)},
        {"cut inside the data", Cut(good, good.size() - 1)},
    };
    for (const Case &c : cases) {
        TempWav file(c.file);
        HeapCensus census;
        EXPECT_EQ(nullptr, ReadSoundImage(file.path(), nullptr)) << c.what;
        EXPECT_EQ(0, census.Leaked()) << c.what;
    }
}

TEST(WavReader, RefusesMissingFilesAndOverlongPaths)
{
    EXPECT_EQ(nullptr, ReadSoundImage("C:\\no such folder\\none.wav", nullptr));
    EXPECT_EQ(nullptr, ReadSoundImage(std::string(300, 'a').c_str(), nullptr));
    EXPECT_EQ(nullptr, ReadSoundImage(nullptr, nullptr));
}

} // namespace

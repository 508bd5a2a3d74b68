#include "sound/sound_analysis.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace
{

// Run by sox_cross_check.sh, which names a list of "path milliseconds peak" lines for
// files sox wrote, with the playing time and whole-file peak level sox reports for each.
TEST(SoxCrossCheck, PlayingTimeAndPeakAgreeWithSox)
{
    const char *manifest = std::getenv("ZX_SOX_MANIFEST");
    if (!manifest)
        GTEST_SKIP() << "needs the files sox_cross_check.sh writes";
    FILE *list = std::fopen(manifest, "r");
    ASSERT_NE(nullptr, list) << manifest;
    char path[261];
    int duration = 0, peak = 0, files = 0;
    while (std::fscanf(list, "%260s %d %d", path, &duration, &peak) == 3) {
        files++;
        SoundAnalysis a;
        ASSERT_EQ(1, AnalyseSound(&a, path, 1, 0)) << path;
        EXPECT_NEAR(duration, a.duration, 1) << path;
        EXPECT_EQ(peak, std::max(a.left[0], a.right[0])) << path;
        FreeSoundAnalysis(&a);
    }
    std::fclose(list);
    EXPECT_EQ(5, files);
}

} // namespace

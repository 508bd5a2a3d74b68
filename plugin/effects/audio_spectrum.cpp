#include "effects/audio_spectrum.h"

#include "effects/sound_frames.h"

namespace
{

constexpr UINT kSpectrumPage = 408;
constexpr SoundPageIds kSpectrumSound = {418, 424, 434, 441};

// The preview's stand-in band levels, lowest band first.
constexpr int kPreviewLeft[kSoundBands] = {10, 40, 60, 135, 244, 250, 234, 125, 50, 40};
constexpr int kPreviewRight[kSoundBands] = {5, 46, 57, 102, 218, 227, 209, 98, 50, 35};

// A one-frame band analysis of the preview levels; 0 when a level array cannot be had.
int PreviewAnalysis(SoundAnalysis *analysis)
{
    analysis->frames = 1;
    for (int b = 0; b < kSoundBands; b++) {
        int **arrays[3] = {&analysis->bandLeft[b], &analysis->bandRight[b],
                           &analysis->bandCombined[b]};
        for (int **array : arrays)
            if (!(*array = static_cast<int *>(GlobalAlloc(GPTR, sizeof(int)))))
                return 0;
        *analysis->bandLeft[b] = kPreviewLeft[b];
        *analysis->bandRight[b] = kPreviewRight[b];
        *analysis->bandCombined[b] = (kPreviewLeft[b] + kPreviewRight[b]) / 2;
    }
    return 1;
}

} // namespace

SpectrumDisplay::SpectrumDisplay(const LedLook &look)
    : panel_(look, MeterOrientation::kVertical), bars_(ChannelBars(look.channels))
{
    const LedMetrics &m = panel_.metrics();
    panel_.SetLayout(UprightLayout(
        m, bars_, look.channels,
        {kSoundBands, kSoundBands * m.width + (kSoundBands - 1) * m.gapH, m.groupGap, true}));
}

HGLOBAL SpectrumDisplay::Render(const SoundAnalysis &analysis, int frame) const
{
    int *const *bands[3] = {analysis.bandLeft, analysis.bandRight, analysis.bandCombined};
    // Columns run band by band, each band's bars side by side.
    int levels[2 * kSoundBands] = {};
    int c = 0;
    for (int b = 0; b < kSoundBands; b++)
        for (const ChannelBar &bar : bars_)
            levels[c++] = bands[bar.source][b][frame];
    return panel_.Render(levels);
}

int __cdecl SpectrumPreview(EffectContext *context)
{
    const SpectrumDisplay display(ReadLedLook(context->dialog, kSpectrumPage));
    SoundAnalysis analysis = {};
    if (display && PreviewAnalysis(&analysis))
        context->resultImage = display.Render(analysis, 0);
    FreeSoundAnalysis(&analysis);
    return context->resultImage != nullptr;
}

int __cdecl SpectrumBuild(EffectContext *context)
{
    const SpectrumDisplay display(ReadLedLook(context->dialog, kSpectrumPage));
    if (!display)
        return 0;
    return BuildSoundFrames(
        context, ReadSoundBuildRequest(context->dialog, kSpectrumSound), kAnalyseBands,
        [&display](const SoundAnalysis &analysis, int i) { return display.Render(analysis, i); });
}

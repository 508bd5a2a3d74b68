#include "effects/band_meter.h"

#include "effects/sound_frames.h"

namespace
{

constexpr UINT kBandMeterPage = 408;
constexpr SoundPageIds kBandMeterSound = {418, 424, 434, 441};

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

BandMeter::BandMeter(const LedLook &look)
    : panel_(look, MeterOrientation::kVertical), bars_(ChannelBars(look.channels))
{
    const LedMetrics &m = panel_.metrics();
    panel_.SetLayout(UprightLayout(
        m, bars_, look.channels,
        {kSoundBands, kSoundBands * m.width + (kSoundBands - 1) * m.gapH, m.groupGap, true}));
}

HGLOBAL BandMeter::Render(const SoundAnalysis &analysis, int frame) const
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

int __cdecl BandMeterPreview(EffectContext *context)
{
    const BandMeter meter(ReadLedLook(context->dialog, kBandMeterPage));
    SoundAnalysis analysis = {};
    if (meter && PreviewAnalysis(&analysis))
        context->resultImage = meter.Render(analysis, 0);
    FreeSoundAnalysis(&analysis);
    return context->resultImage != nullptr;
}

int __cdecl BandMeterBuild(EffectContext *context)
{
    const BandMeter meter(ReadLedLook(context->dialog, kBandMeterPage));
    if (!meter)
        return 0;
    return BuildSoundFrames(
        context, ReadSoundBuildRequest(context->dialog, kBandMeterSound), kAnalyseBands,
        [&meter](const SoundAnalysis &analysis, int i) { return meter.Render(analysis, i); });
}

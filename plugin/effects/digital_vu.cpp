#include "effects/digital_vu.h"

#include "effects/sound_frames.h"

#include <string>

namespace
{

constexpr UINT kVerticalPage = 100, kHorizontalPage = 134;
constexpr SoundPageIds kVerticalSound = {110, 116, 126, 133};
constexpr SoundPageIds kHorizontalSound = {144, 150, 160, 167};
// The preview's stand-in levels: left, right, combined.
constexpr int kPreviewLevels[3] = {128, 192, 160};

// Rows one under the other from left to right, the scale above them (Stereo: above and
// below), the channel letters before them.
LedLayout HorizontalLayout(const LedMetrics &m, const std::vector<ChannelBar> &bars, int channels)
{
    const bool stereo = bars.size() == 2;
    const int D = m.scaleWidth, E = m.textHeight, M = m.letterWidth;
    const int P = m.pad, e = m.etch, LW = m.width, LD = m.depth, n = m.count;
    const int letters = m.labelsOn ? 2 * m.gapH + M : 0;
    LedLayout layout;
    layout.width = (n - 1) * m.gapH + n * LW + 2 * P + 2 * m.edgeH + 2 * e + letters;
    layout.height = stereo ? 2 * LD + m.gapV + 2 * P : LD + 2 * P;
    if (m.scaleOn)
        layout.height += stereo ? 4 * m.edgeV + 2 * E : m.edgeV + E;
    layout.height += 2 * e;

    const int x0 = P + m.edgeH + e + letters;
    int rowTop = P + e;
    if (m.scaleOn && channels != kRightOnly)
        rowTop += E + (stereo ? 2 : 1) * m.edgeV;
    for (size_t i = 0; i < bars.size(); i++) {
        const int y = rowTop + static_cast<int>(i) * (LD + m.gapV);
        layout.columns.push_back({x0, y, LW + m.gapH, 0});
        const int x = P + m.edgeH + e;
        if (m.labelsOn)
            layout.labels.push_back(Letter(bars[i], {x, y, x + M, y + LD}, kLetterFont));
    }
    if (m.scaleOn) {
        std::vector<int> tops;
        if (stereo)
            tops = {P + e, 2 * P + 3 * m.edgeV + E + m.gapV + 2 * LD + e};
        else
            tops = {channels == kRightOnly ? P + LD + m.edgeV + e : P + e};
        const int step = ((m.gapH + LW) * n - 3 * LW) / 4;
        for (int top : tops)
            for (int i = 0; i < 5; i++) {
                const int x = x0 + i * step;
                layout.scale.push_back({std::to_string(kScaleNumbers[4 - i]),
                                        {x, top, x + D, top + E},
                                        DT_RIGHT,
                                        kScaleFont});
            }
    }
    return layout;
}

// A meter that cannot be drawn leaves the preview blank; the preview still answers success.
int Preview(EffectContext *context, UINT page, MeterOrientation orientation)
{
    const DigitalMeter meter(ReadLedLook(context->dialog, page), orientation);
    if (meter)
        context->resultImage =
            meter.Render(kPreviewLevels[0], kPreviewLevels[1], kPreviewLevels[2]);
    return 1;
}

int Build(EffectContext *context, UINT page, const SoundPageIds &sound,
          MeterOrientation orientation)
{
    const DigitalMeter meter(ReadLedLook(context->dialog, page), orientation);
    if (!meter)
        return 0;
    return BuildSoundFrames(context, ReadSoundBuildRequest(context->dialog, sound), 0,
                            [&meter](const SoundAnalysis &analysis, int i) {
                                return meter.Render(analysis.left[i], analysis.right[i],
                                                    analysis.combined[i]);
                            });
}

} // namespace

DigitalMeter::DigitalMeter(const LedLook &look, MeterOrientation orientation)
    : panel_(look, orientation), bars_(ChannelBars(look.channels))
{
    panel_.SetLayout(orientation == MeterOrientation::kVertical
                         ? UprightLayout(panel_.metrics(), bars_, look.channels,
                                         {1, panel_.metrics().width, panel_.metrics().gapH, false})
                         : HorizontalLayout(panel_.metrics(), bars_, look.channels));
}

HGLOBAL DigitalMeter::Render(int left, int right, int combined) const
{
    const int sources[3] = {left, right, combined};
    int levels[2] = {};
    for (size_t i = 0; i < bars_.size(); i++)
        levels[i] = sources[bars_[i].source];
    return panel_.Render(levels);
}

int __cdecl VerticalMeterPreview(EffectContext *context)
{
    return Preview(context, kVerticalPage, MeterOrientation::kVertical);
}

int __cdecl VerticalMeterBuild(EffectContext *context)
{
    return Build(context, kVerticalPage, kVerticalSound, MeterOrientation::kVertical);
}

int __cdecl HorizontalMeterPreview(EffectContext *context)
{
    return Preview(context, kHorizontalPage, MeterOrientation::kHorizontal);
}

int __cdecl HorizontalMeterBuild(EffectContext *context)
{
    return Build(context, kHorizontalPage, kHorizontalSound, MeterOrientation::kHorizontal);
}

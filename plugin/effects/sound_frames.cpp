#include "effects/sound_frames.h"

#include "effects/effect_frames.h"
#include "resources/resource_ids.h"
#include "sound/match_time.h"
#include "sound/wav_reader.h"
#include "ui/page_values.h"

namespace
{

// Frees the analysis on every way out of a build.
class AnalysisGuard
{
public:
    explicit AnalysisGuard(SoundAnalysis *analysis) : analysis_(analysis) {}
    ~AnalysisGuard() { FreeSoundAnalysis(analysis_); }
    AnalysisGuard(const AnalysisGuard &) = delete;
    AnalysisGuard &operator=(const AnalysisGuard &) = delete;

private:
    SoundAnalysis *analysis_;
};

} // namespace

SoundBuildRequest ReadSoundBuildRequest(HWND dialog, const SoundPageIds &ids)
{
    char path[kSoundPathLength + 1] = {};
    GetWindowTextA(GetDlgItem(dialog, ids.sound), path, sizeof path);
    return {path, ReadSpinValue(dialog, ids.frames), ReadSpinValue(dialog, IDC_DELAY),
            ReadCheck(dialog, ids.normalize) != 0, ReadCheck(dialog, ids.matchTime) != 0};
}

int BuildSoundFrames(EffectContext *context, const SoundBuildRequest &request, int mode,
                     const SoundFrameRenderer &render)
{
    SoundAnalysis analysis = {};
    const int flags = mode | (request.normalize ? kAnalyseNormalize : 0);
    if (!AnalyseSound(&analysis, request.sound.c_str(), request.frames, flags))
        return 0;
    AnalysisGuard guard(&analysis);
    const int unit = HostDelayUnit(context->host ? context->host->flags : 0);
    const int delay =
        request.matchTime ? MatchTimeDelay(analysis.duration, request.frames, unit) : request.delay;
    for (int i = 0; i < request.frames; i++)
        if (!AddEffectFrame(context, render(analysis, i), delay, i, request.frames))
            return 0;
    return 1;
}

#include "effects/effect_frames.h"

#include "imaging/resize_image.h"

#include <cstdint>

int HostDelay(const EffectContext *context, int milliseconds)
{
    const bool hundredths = context->host && (context->host->flags & kHostFlagGifType);
    return hundredths ? milliseconds / 10 : milliseconds;
}

void ReportProgress(const EffectContext *context, int position, int total)
{
    if (context->host && context->host->service)
        context->host->service(nullptr, HOST_PROGRESS, position,
                               reinterpret_cast<void *>(static_cast<intptr_t>(total)));
}

HGLOBAL ReduceFrame(HGLOBAL image, int percent)
{
    HGLOBAL reduced = ResizeImage(image, percent, percent);
    if (!reduced)
        return image;
    GlobalFree(image);
    return reduced;
}

#include "effects/effect_frames.h"

#include "frame/global_block.h"
#include "imaging/resize_image.h"

#include <cstdint>

int HostDelay(const EffectContext *context, int milliseconds)
{
    const bool hundredths = context->host && (context->host->flags & kHostFlagGifType);
    return hundredths ? milliseconds / 10 : milliseconds;
}

int AddEffectFrame(EffectContext *context, HGLOBAL frame, int delay, int position, int total)
{
    GlobalBlock owned(frame);
    if (!owned || !AddFrame(context->frames, frame, delay))
        return 0;
    owned.release();
    if (context->host && context->host->service)
        context->host->service(nullptr, HOST_PROGRESS, position,
                               reinterpret_cast<void *>(static_cast<intptr_t>(total)));
    return 1;
}

HGLOBAL ReduceFrame(HGLOBAL image, int percent)
{
    HGLOBAL reduced = ResizeImage(image, percent, percent);
    if (!reduced)
        return image;
    GlobalFree(image);
    return reduced;
}

void FillSurface(const RenderSurface &surface, int width, int height, int colour)
{
    HBRUSH brush = CreateSolidBrush(colour);
    RECT all = {0, 0, width, height};
    FillRect(surface.memoryDC, &all, brush);
    DeleteObject(brush);
}

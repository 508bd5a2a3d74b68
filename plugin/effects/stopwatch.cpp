#include "effects/stopwatch.h"

#include "effects/artwork_record.h"
#include "effects/effect_frames.h"
#include "imaging/render_surface.h"
#include "imaging/rotation.h"
#include "resources/resource_ids.h"
#include "ui/page_values.h"

#include <algorithm>

namespace
{

// Page controls.
constexpr UINT kBackgroundSwatch = 490, kLargeHandSwatch = 492, kSmallHandSwatch = 494;
constexpr UINT kSize = 496, kFrames = 498, kPadding = 501;
constexpr UINT kRealTimeCheck = 500, kPaddingCheck = 503;

constexpr int kDial = 7213, kMask = 7214;
constexpr int kPreviewSeconds = 18;

// Hand geometry, in artwork pixels, before rotation.
constexpr int kWatchWidth = 558, kWatchHeight = 761, kPivotX = 277;
constexpr int kSecondsPivotY = 481, kSecondsTipY = 279, kSecondsTailY = 537;
constexpr int kMinutesPivotY = 381, kMinutesTipY = 313;

void DrawDial(HDC dc, const PackedImage *dial, int at)
{
    BITMAPINFOHEADER header = *dial;
    if (header.biBitCount > 8) // artwork may carry a colour count where no table follows
        header.biClrUsed = header.biClrImportant = 0;
    SetDIBitsToDevice(dc, at, at, dial->biWidth, dial->biHeight, 0, 0, 0, dial->biHeight,
                      ImagePixels(dial), reinterpret_cast<const BITMAPINFO *>(&header),
                      DIB_RGB_COLORS);
}

// A line from the pivot to a point straight above or below it, turned clockwise.
void HandLine(HDC dc, int pivotY, int endY, int angle, int offset)
{
    const int cx = kPivotX + offset, cy = pivotY + offset;
    int x = cx, y = endY + offset;
    RotatePoint(&x, &y, cx, cy, angle);
    MoveToEx(dc, cx, cy, nullptr);
    LineTo(dc, x, y);
}

int Blend(int below, int over, int m)
{
    int blended = 0;
    for (int shift = 0; shift < 24; shift += 8)
        blended |= ((below >> shift & 0xFF) * (255 - m) / 255 + (over >> shift & 0xFF) * m / 255)
                   << shift;
    return blended;
}

// Everything outside the watch's silhouette takes the background colour.
void ApplyMask(PackedImage *image, const PackedImage *mask, int at, int background)
{
    for (int y = 0; y < mask->biHeight; y++)
        for (int x = 0; x < mask->biWidth; x++) {
            const int m = GetImagePixel(mask, x, y) & 0xFF;
            if (m)
                SetImagePixel(image, at + x, at + y,
                              Blend(GetImagePixel(image, at + x, at + y), background, m));
        }
}

} // namespace

StopwatchLook ReadStopwatchLook(HWND dialog)
{
    return {ReadSwatchColour(dialog, kBackgroundSwatch),
            ReadSwatchColour(dialog, kLargeHandSwatch),
            ReadSwatchColour(dialog, kSmallHandSwatch),
            ReadSpinValue(dialog, kSize),
            ReadSpinValue(dialog, kPadding),
            ReadCheck(dialog, kPaddingCheck) != 0};
}

HGLOBAL RenderStopwatchFrame(const StopwatchLook &look, const StopwatchArtwork &artwork,
                             int seconds)
{
    const int reduction = kWatchHeight / std::max(look.size, 1);
    const int padding = look.usePadding ? look.padding * reduction : 0;
    const int width = kWatchWidth + 2 * padding, height = kWatchHeight + 2 * padding;
    RenderSurface surface = {};
    if (!CreateRenderSurface(width, height, &surface))
        return nullptr;
    FillSurface(surface, width, height, look.background);
    DrawDial(surface.memoryDC, artwork.dial, padding);
    {
        ScopedPen pen(surface.memoryDC, look.largeHand, reduction);
        const int angle = 6 * (seconds % 60);
        HandLine(surface.memoryDC, kSecondsPivotY, kSecondsTipY, angle, padding);
        HandLine(surface.memoryDC, kSecondsPivotY, kSecondsTailY, angle, padding);
    }
    {
        ScopedPen pen(surface.memoryDC, look.smallHand, reduction);
        HandLine(surface.memoryDC, kMinutesPivotY, kMinutesTipY, 6 * (seconds / 60), padding);
    }
    SyncRenderSurface(&surface, kSyncSectionToImage);
    ApplyMask(surface.header, artwork.mask, padding, look.background);
    SyncRenderSurface(&surface, kSyncImageToSection);
    ReleaseRenderSurface(&surface, 1);
    return ReduceFrame(surface.image, 100 / reduction);
}

int BuildStopwatchFrames(EffectContext *context, const StopwatchLook &look,
                         const StopwatchArtwork &artwork, int count, int delay)
{
    for (int i = 0; i < count; i++) {
        if (!AddEffectFrame(context, RenderStopwatchFrame(look, artwork, i), delay, i, count))
            return 0;
    }
    return 1;
}

int __cdecl StopwatchPreview(EffectContext *context)
{
    ArtworkRecord<StopwatchArtwork> artwork(context, kDial, kMask);
    if (!artwork)
        return 0;
    context->resultImage =
        RenderStopwatchFrame(ReadStopwatchLook(context->dialog), artwork.get(), kPreviewSeconds);
    return context->resultImage != nullptr;
}

int __cdecl StopwatchBuild(EffectContext *context)
{
    ArtworkRecord<StopwatchArtwork> artwork(context, kDial, kMask);
    if (!artwork)
        return 0;
    HWND dialog = context->dialog;
    const int delay = ReadCheck(dialog, kRealTimeCheck) ? HostDelay(context, 1000)
                                                        : ReadSpinValue(dialog, IDC_DELAY);
    return BuildStopwatchFrames(context, ReadStopwatchLook(dialog), artwork.get(),
                                ReadSpinValue(dialog, kFrames), delay);
}

#include "effects/countdown.h"

#include "effects/artwork_record.h"
#include "effects/effect_frames.h"
#include "imaging/colour_helpers.h"
#include "imaging/render_surface.h"
#include "resources/resource_ids.h"
#include "ui/page_values.h"

#include <algorithm>

namespace
{

// Page controls.
constexpr UINT kDigitsSwatch = 200, kBackgroundSwatch = 202, kBezelSwatch = 219;
constexpr UINT kHours = 204, kMinutes = 206, kSeconds = 208, kSize = 210, kPadding = 214,
               kBezelSize = 217;
constexpr UINT kTenthsCheck = 212, kPaddingCheck = 213, kBezelCheck = 216;

constexpr int kLargeStrip = 7208, kSmallStrip = 7209;

// Glyph geometry, in artwork pixels.
constexpr int kLargeCell = 172, kSmallCell = 86, kLargeColon = 1720, kSmallColon = 860;
constexpr int kDigitsWidth = 1323, kDigitsWidthWithTenths = 1465, kDigitsHeight = 267;
constexpr int kSmallColonAt = 1344, kTenthsAt = 1390;
// Where the large cells go: tens of hours, hours, colon, minutes, colon, seconds.
constexpr int kLargeCellAt[8] = {0, 193, 386, 479, 672, 865, 958, 1151};

void Inset(RECT *ring, int width)
{
    ring->left += width;
    ring->top += width;
    ring->right -= width;
    ring->bottom -= width;
}

void Outline(HDC dc, RECT *ring, int colour, int width)
{
    ScopedPen pen(dc, colour, width);
    Rectangle(dc, ring->left, ring->top, ring->right, ring->bottom);
    Inset(ring, width);
}

// Rings of width w from the outside in: a dark line, a light line, a bevel that fades
// inwards, and a near-black line against the digits' background.
void DrawBezel(HDC dc, const CountdownLook &look, int width, int height, int w)
{
    HGDIOBJ previousBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    RECT ring = {0, 0, width - w, height - w};
    Outline(dc, &ring, ScaleColour(look.bezel, 0.66), w);
    Outline(dc, &ring, ScaleColour(look.bezel, 1.6), w);
    const double fade = 1 - 0.3 / std::max(look.bezelSize - 3.0, 0.1);
    int lit = look.bezel, shaded = ScaleColour(look.bezel, 1.6);
    for (int i = 0; i < look.bezelSize - 3; i++) {
        {
            ScopedPen pen(dc, lit, w);
            MoveToEx(dc, ring.left, ring.bottom, nullptr);
            LineTo(dc, ring.left, ring.top);
            LineTo(dc, ring.right, ring.top);
        }
        {
            ScopedPen pen(dc, shaded, w);
            MoveToEx(dc, ring.right, ring.top, nullptr);
            LineTo(dc, ring.right, ring.bottom);
            LineTo(dc, ring.left, ring.bottom);
        }
        shaded = ScaleColour(shaded, fade);
        lit = ScaleColour(lit, fade);
        Inset(&ring, w);
    }
    Outline(dc, &ring, ScaleColour(look.bezel, 0.1), w);
    SelectObject(dc, previousBrush);
}

int Channel(int colour, int shift)
{
    return colour >> shift & 0xFF;
}

// Black glyph pixels take the digits' colour, white ones keep what is below; the cell may
// run past its glyph and past the image, where nothing is drawn.
void BlendCell(PackedImage *image, const PackedImage *strip, int cellStart, int cellWidth, int x,
               int y, int colour)
{
    const int width = image->biWidth, height = image->biHeight;
    for (int i = 0; i < strip->biHeight && y + i < height; i++)
        for (int j = 0; j < cellWidth && x + j < width; j++) {
            const int v = GetImagePixel(strip, cellStart + j, i) & 0xFF;
            const int below = GetImagePixel(image, x + j, y + i);
            int blended = 0;
            for (int shift = 0; shift < 24; shift += 8)
                blended |=
                    (v * Channel(below, shift) / 255 + (255 - v) * Channel(colour, shift) / 255)
                    << shift;
            SetImagePixel(image, x + j, y + i, blended);
        }
}

void DrawGlyphs(PackedImage *image, const CountdownLook &look, const CountdownArtwork &artwork,
                const CountdownTime &time, int origin)
{
    const int colon = -1;
    const int cells[8] = {time.hours / 10,   time.hours % 10,   colon,
                          time.minutes / 10, time.minutes % 10, colon,
                          time.seconds / 10, time.seconds % 10};
    for (int k = 0; k < 8; k++) {
        const int start = cells[k] == colon ? kLargeColon : cells[k] * kLargeCell;
        BlendCell(image, artwork.large, start, kLargeCell, origin + kLargeCellAt[k], origin,
                  look.digits);
    }
    if (!look.tenths)
        return;
    BlendCell(image, artwork.small, kSmallColon, kSmallCell, origin + kSmallColonAt, origin,
              look.digits);
    BlendCell(image, artwork.small, time.tenths * kSmallCell, kSmallCell, origin + kTenthsAt,
              origin, look.digits);
}

CountdownTime ReadStartTime(HWND dialog)
{
    return {ReadSpinValue(dialog, kHours), ReadSpinValue(dialog, kMinutes),
            ReadSpinValue(dialog, kSeconds), 0};
}

} // namespace

CountdownLook ReadCountdownLook(HWND dialog)
{
    return {ReadSwatchColour(dialog, kDigitsSwatch), ReadSwatchColour(dialog, kBackgroundSwatch),
            ReadSwatchColour(dialog, kBezelSwatch),  ReadSpinValue(dialog, kSize),
            ReadSpinValue(dialog, kPadding),         ReadSpinValue(dialog, kBezelSize),
            ReadCheck(dialog, kTenthsCheck) != 0,    ReadCheck(dialog, kPaddingCheck) != 0,
            ReadCheck(dialog, kBezelCheck) != 0,     ReadCheck(dialog, IDC_ANTIALIAS) != 0};
}

HGLOBAL RenderCountdownFrame(const CountdownLook &look, const CountdownArtwork &artwork,
                             const CountdownTime &time)
{
    const int reduction = kDigitsHeight / std::max(look.size, 1);
    const int scaled = look.antialias ? reduction : 1;
    const int padding = look.usePadding ? look.padding * scaled : 0;
    const int bezel = look.useBezel ? look.bezelSize * scaled : 0;
    const int border = bezel + padding;
    const int width = 2 * border + (look.tenths ? kDigitsWidthWithTenths : kDigitsWidth);
    const int height = 2 * border + kDigitsHeight;
    RenderSurface surface = {};
    if (!CreateRenderSurface(width, height, &surface))
        return nullptr;
    FillSurface(surface, width, height, look.background);
    if (look.useBezel)
        DrawBezel(surface.memoryDC, look, width, height, scaled);
    SyncRenderSurface(&surface, kSyncSectionToImage);
    DrawGlyphs(surface.header, look, artwork, time, border);
    SyncRenderSurface(&surface, kSyncImageToSection);
    ReleaseRenderSurface(&surface, 1);
    return ReduceFrame(surface.image, 100 / reduction);
}

void CountDown(CountdownTime *time, bool tenths)
{
    if (tenths) {
        if (--time->tenths >= 0)
            return;
        time->tenths = 9;
    }
    if (--time->seconds >= 0)
        return;
    time->seconds = 59;
    if (--time->minutes >= 0)
        return;
    time->minutes = 59;
    time->hours--;
}

int BuildCountdownFrames(EffectContext *context, const CountdownLook &look,
                         const CountdownArtwork &artwork, CountdownTime time)
{
    const int seconds = 3600 * time.hours + 60 * time.minutes + time.seconds;
    const int total = look.tenths ? 10 * seconds : seconds;
    const int delay = HostDelay(context, look.tenths ? 100 : 1000);
    for (int i = 0; i <= total; i++) {
        if (!AddEffectFrame(context, RenderCountdownFrame(look, artwork, time), delay, i, total))
            return 0;
        CountDown(&time, look.tenths);
    }
    return 1;
}

int __cdecl CountdownPreview(EffectContext *context)
{
    ArtworkRecord<CountdownArtwork> artwork(context, kLargeStrip, kSmallStrip);
    if (!artwork)
        return 0;
    CountdownTime time = ReadStartTime(context->dialog);
    time.tenths = 9;
    context->resultImage =
        RenderCountdownFrame(ReadCountdownLook(context->dialog), artwork.get(), time);
    return context->resultImage != nullptr;
}

int __cdecl CountdownBuild(EffectContext *context)
{
    ArtworkRecord<CountdownArtwork> artwork(context, kLargeStrip, kSmallStrip);
    if (!artwork)
        return 0;
    return BuildCountdownFrames(context, ReadCountdownLook(context->dialog), artwork.get(),
                                ReadStartTime(context->dialog));
}

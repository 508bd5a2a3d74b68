#include "effects/stopwatch_frames.h"

#include "effects/effect_frames.h"
#include "effects/same_bytes.h"
#include "frame/global_block.h"
#include "imaging/artwork.h"
#include "imaging/resize_image.h"
#include "imaging/rotation.h"

#include <gtest/gtest.h>

namespace
{

void Hand(HDC dc, int pivotY, int endY, int angle, int offset)
{
    int x = 277 + offset, y = endY + offset;
    RotatePoint(&x, &y, 277 + offset, pivotY + offset, angle);
    MoveToEx(dc, 277 + offset, pivotY + offset, nullptr);
    LineTo(dc, x, y);
}

// The frame the plain way: a fresh surface, the dial and hands drawn on it, the silhouette
// applied pixel by pixel through the pixel rules, the whole picture reduced.
HGLOBAL PlainFrame(const StopwatchLook &look, const StopwatchArtwork &artwork, int seconds)
{
    const int g = 761 / look.size, p = look.usePadding ? look.padding * g : 0;
    const int width = 558 + 2 * p, height = 761 + 2 * p;
    RenderSurface surface = {};
    if (!CreateRenderSurface(width, height, &surface))
        return nullptr;
    HDC dc = surface.memoryDC;
    FillSurface(surface, width, height, look.background);
    BITMAPINFOHEADER header = *artwork.dial;
    header.biClrUsed = header.biClrImportant = 0;
    SetDIBitsToDevice(dc, p, p, 558, 761, 0, 0, 0, 761, ImagePixels(artwork.dial),
                      reinterpret_cast<const BITMAPINFO *>(&header), DIB_RGB_COLORS);
    {
        ScopedPen pen(dc, look.largeHand, g);
        Hand(dc, 481, 279, 6 * (seconds % 60), p);
        Hand(dc, 481, 537, 6 * (seconds % 60), p);
    }
    {
        ScopedPen pen(dc, look.smallHand, g);
        Hand(dc, 381, 313, 6 * (seconds / 60), p);
    }
    SyncRenderSurface(&surface, kSyncSectionToImage);
    for (int y = 0; y < 761; y++)
        for (int x = 0; x < 558; x++) {
            const int m = GetImagePixel(artwork.mask, x, y) & 0xFF;
            const int below = GetImagePixel(surface.header, p + x, p + y);
            int blended = 0;
            for (int shift = 0; shift < 24; shift += 8)
                blended |= ((below >> shift & 0xFF) * (255 - m) / 255 +
                            (look.background >> shift & 0xFF) * m / 255)
                           << shift;
            SetImagePixel(surface.header, p + x, p + y, blended);
        }
    SyncRenderSurface(&surface, kSyncImageToSection);
    ReleaseRenderSurface(&surface, 1);
    HGLOBAL reduced = ResizeImage(surface.image, 100 / g, 100 / g);
    GlobalFree(surface.image);
    return reduced;
}

TEST(StopwatchFrames, EveryFrameHasTheBytesOfMaskingAndReducingAFreshDrawing)
{
    LockedArtwork dial(GetModuleHandleA(nullptr), 7213), mask(GetModuleHandleA(nullptr), 7214);
    ASSERT_TRUE(dial && mask);
    const StopwatchArtwork artwork = {dial.get(), mask.get()};
    const StopwatchLook looks[] = {
        {RGB(127, 127, 127), RGB(0, 0, 0), RGB(0, 0, 0), 160, 10, true}, // the first page
        {RGB(200, 30, 90), RGB(255, 0, 0), RGB(0, 0, 255), 64, 1, false},
        {RGB(0, 0, 0), RGB(255, 255, 0), RGB(0, 255, 255), 256, 128, true},
    };
    for (const StopwatchLook &look : looks) {
        StopwatchFrames frames(look, artwork);
        for (int seconds : {0, 18, 61, 599, 1234}) {
            GlobalBlock fast(frames.Render(seconds));
            GlobalBlock plain(PlainFrame(look, artwork, seconds));
            ASSERT_TRUE(fast && plain);
            EXPECT_TRUE(SameBytes(fast.get(), plain.get()))
                << "size " << look.size << " padding " << look.usePadding << " at " << seconds;
        }
    }
}

} // namespace

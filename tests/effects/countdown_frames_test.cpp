#include "effects/countdown_frames.h"

#include "effects/same_bytes.h"
#include "imaging/artwork.h"
#include "imaging/resize_image.h"

#include <gtest/gtest.h>

namespace
{

// The frame the plain way: every cell blended into the full-size background pixel by pixel
// through the pixel rules, then the whole picture reduced.
void BlendCell(PackedImage *image, const PackedImage *strip, int start, int width, int x, int y,
               int colour)
{
    for (int i = 0; i < strip->biHeight && y + i < image->biHeight; i++)
        for (int j = 0; j < width && x + j < image->biWidth; j++) {
            const int v = GetImagePixel(strip, start + j, i) & 0xFF;
            const int below = GetImagePixel(image, x + j, y + i);
            int blended = 0;
            for (int shift = 0; shift < 24; shift += 8)
                blended |=
                    (v * (below >> shift & 0xFF) / 255 + (255 - v) * (colour >> shift & 0xFF) / 255)
                    << shift;
            SetImagePixel(image, x + j, y + i, blended);
        }
}

HGLOBAL PlainFrame(const CountdownLook &look, const CountdownArtwork &artwork,
                   const CountdownTime &time)
{
    const int reduction = 267 / look.size;
    const int scaled = look.antialias ? reduction : 1;
    const int origin = (look.usePadding ? look.padding * scaled : 0) +
                       (look.useBezel ? look.bezelSize * scaled : 0);
    HGLOBAL full = RenderCountdownBackground(look);
    {
        GlobalLockGuard<PackedImage> image(full);
        const int at[8] = {0, 193, 386, 479, 672, 865, 958, 1151};
        const int cells[8] = {time.hours / 10,   time.hours % 10,   -1,
                              time.minutes / 10, time.minutes % 10, -1,
                              time.seconds / 10, time.seconds % 10};
        for (int k = 0; k < 8; k++)
            BlendCell(image.get(), artwork.large, cells[k] < 0 ? 1720 : cells[k] * 172, 172,
                      origin + at[k], origin, look.digits);
        if (look.tenths) {
            BlendCell(image.get(), artwork.small, 860, 86, origin + 1344, origin, look.digits);
            BlendCell(image.get(), artwork.small, time.tenths * 86, 86, origin + 1390, origin,
                      look.digits);
        }
    }
    HGLOBAL reduced = ResizeImage(full, 100 / reduction, 100 / reduction);
    GlobalFree(full);
    return reduced;
}

TEST(CountdownFrames, EveryFrameHasTheBytesOfBlendingAndReducingTheFullPicture)
{
    LockedArtwork large(GetModuleHandleA(nullptr), 7208), small(GetModuleHandleA(nullptr), 7209);
    ASSERT_TRUE(large && small);
    const CountdownArtwork artwork = {large.get(), small.get()};
    struct Look {
        int size, padding, bezelSize;
        bool tenths, usePadding, useBezel, antialias;
    } looks[] = {
        {36, 10, 10, true, true, true, true},      // the page as it first shows
        {24, 10, 10, false, false, false, true},   // no border at all
        {24, 10, 10, true, false, false, true},    // the tenths cell runs past the edge
        {128, 3, 4, true, false, true, true},      // halved; bezel without padding
        {10, 0, 16, false, true, true, true},      // reduced to 3 percent
        {77, 40, 7, true, true, true, false},      // border not scaled
        {50, 256, 256, false, true, false, false}, // padding wider than the digits
    };
    const CountdownTime times[] = {{12, 34, 56, 7}, {0, 0, 0, 0}, {99, 59, 59, 9}, {10, 8, 1, 3}};
    for (const Look &l : looks) {
        const CountdownLook look = {
            RGB(0, 244, 0), RGB(10, 106, 0), RGB(127, 200, 31), l.size,     l.padding,
            l.bezelSize,    l.tenths,        l.usePadding,      l.useBezel, l.antialias};
        CountdownFrames frames(look, artwork);
        for (const CountdownTime &time : times) {
            GlobalBlock fast(frames.Render(time));
            GlobalBlock plain(PlainFrame(look, artwork, time));
            ASSERT_TRUE(fast && plain);
            EXPECT_TRUE(SameBytes(fast.get(), plain.get()))
                << "size " << l.size << " tenths " << l.tenths << " bezel " << l.useBezel
                << " antialias " << l.antialias << " at " << time.hours << ":" << time.minutes
                << ":" << time.seconds << "." << time.tenths;
        }
    }
}

} // namespace

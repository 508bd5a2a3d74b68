#include "effects/stopwatch_frames.h"

#include "effects/effect_frames.h"
#include "frame/global_block.h"
#include "imaging/byte_weights.h"
#include "imaging/colour_helpers.h"
#include "imaging/rotation.h"

#include <algorithm>
#include <cstring>

namespace
{

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

// Everything outside the watch's silhouette takes the background colour: per byte,
// below × (255 - m) / 255 + background × m / 255, m being the silhouette's red.
void ApplyMask(PackedImage *image, const PackedImage *mask, int at, int background)
{
    uint8_t over[3];
    PixelBytes(background, over);
    const int width = std::min<int>(mask->biWidth, image->biWidth - at);
    const int height = std::min<int>(mask->biHeight, image->biHeight - at);
    for (int y = 0; y < height; y++) {
        const uint8_t *m = ImageRow(mask, y);
        uint8_t *p = ImageRow(image, at + y) + 3 * at;
        for (int x = 0; x < width; x++, m += 3, p += 3) {
            const int weight = m[2];
            if (!weight)
                continue;
            const uint8_t *kept = ByteWeights(255 - weight), *taken = ByteWeights(weight);
            for (int c = 0; c < 3; c++)
                p[c] = static_cast<uint8_t>(kept[p[c]] + taken[over[c]]);
        }
    }
}

} // namespace

StopwatchFrames::StopwatchFrames(const StopwatchLook &look, const StopwatchArtwork &artwork)
    : look_(look), artwork_(artwork), reduction_(kWatchHeight / std::max(look.size, 1)),
      padding_(look.usePadding ? look.padding * reduction_ : 0)
{
    const int width = kWatchWidth + 2 * padding_, height = kWatchHeight + 2 * padding_;
    if (!CreateRenderSurface(width, height, &surface_))
        return;
    FillSurface(surface_, width, height, look.background);
    DrawDial(surface_.memoryDC, artwork.dial, padding_);
    SyncRenderSurface(&surface_, kSyncSectionToImage);
    ready_ = true;
}

StopwatchFrames::~StopwatchFrames()
{
    if (ready_)
        ReleaseRenderSurface(&surface_, 0);
}

HGLOBAL StopwatchFrames::Render(int seconds)
{
    if (!ready_)
        return nullptr;
    HDC dc = surface_.memoryDC;
    SyncRenderSurface(&surface_, kSyncImageToSection); // the dial without hands
    {
        ScopedPen pen(dc, look_.largeHand, reduction_);
        const int angle = 6 * (seconds % 60);
        HandLine(dc, kSecondsPivotY, kSecondsTipY, angle, padding_);
        HandLine(dc, kSecondsPivotY, kSecondsTailY, angle, padding_);
    }
    {
        ScopedPen pen(dc, look_.smallHand, reduction_);
        HandLine(dc, kMinutesPivotY, kMinutesTipY, 6 * (seconds / 60), padding_);
    }
    GdiFlush();

    const PackedImage *surface = surface_.header;
    GlobalBlock frame(CreatePackedImage(surface->biWidth, surface->biHeight, nullptr, 24));
    {
        GlobalLockGuard<PackedImage> image(frame.get());
        if (!image)
            return nullptr;
        std::memcpy(ImagePixels(image.get()), surface_.sectionBits, image->biSizeImage);
        ApplyMask(image.get(), artwork_.mask, padding_, look_.background);
    }
    return ReduceFrame(frame.release(), 100 / reduction_);
}

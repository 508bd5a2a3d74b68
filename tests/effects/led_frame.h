// What the LED effects' tests share: the pages' defaults as a look, and a rendered frame
// read pixel by pixel, LEDs found through the panel's own layout.
#pragma once

#include "effects/led_meter.h"
#include "frame/global_block.h"
#include "imaging/packed_image.h"

#include <windows.h>

constexpr int kGreen = RGB(0, 255, 0), kYellow = RGB(255, 255, 0), kRed = RGB(255, 0, 0);
constexpr int kPanelGrey = RGB(63, 63, 63), kWhite = RGB(255, 255, 255);

// The vertical meter's page as it first shows.
inline LedLook DefaultLook()
{
    LedLook look;
    look.low = kGreen, look.medium = kYellow, look.high = kRed;
    look.background = kPanelGrey, look.text = kWhite;
    look.channels = kStereo;
    look.ledWidth = 7, look.ledDepth = 3, look.leds = 44, look.etchSize = 2, look.padSize = 4;
    look.dark = true, look.retro = false, look.incandescent = false, look.etched = true;
    look.scale = true, look.labels = true, look.antialias = false;
    return look;
}

// One rendered frame, kept locked.
class LedFrame
{
public:
    explicit LedFrame(HGLOBAL image) : block_(image), image_(image) {}
    explicit operator bool() const { return static_cast<bool>(image_); }
    const PackedImage *operator->() const { return image_.get(); }
    int Pixel(int x, int y) const { return GetImagePixel(image_.get(), x, y); }

    // The colour at the middle of an LED of a column, in the frame's own pixels.
    int Led(const LedPanel &panel, int column, int led) const
    {
        const LedMetrics &m = panel.metrics();
        const LedColumn &c = panel.layout().columns[column];
        return Pixel((c.x + led * c.dx + m.width / 2) / m.k,
                     (c.y + led * c.dy + m.depth / 2) / m.k);
    }

private:
    GlobalBlock block_;
    GlobalLockGuard<PackedImage> image_;
};

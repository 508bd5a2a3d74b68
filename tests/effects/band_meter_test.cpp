#include "effects/band_meter.h"

#include "effects/led_frame.h"
#include "imaging/colour_helpers.h"
#include "ui/page_dialog.h"

#include <gtest/gtest.h>

namespace
{

TEST(BandMeter, DefaultPageIsTwoGroupsOfTenColumnsBesideTheScale)
{
    LedLook look = DefaultLook();
    look.leds = 48;
    const BandMeter meter(look);
    ASSERT_TRUE(meter);
    const LedLayout &layout = meter.panel().layout();
    EXPECT_EQ(206 + 2 * meter.panel().metrics().scaleWidth, layout.width);
    EXPECT_EQ(20u, layout.columns.size());
    ASSERT_EQ(2u, layout.labels.size());
    EXPECT_EQ("LEFT", layout.labels[0].text);
    EXPECT_EQ("RIGHT", layout.labels[1].text);
}

TEST(BandMeter, PreviewShowsItsBandsLowestFirstEachGroupItsChannel)
{
    const PageDialog dialog;
    EffectContext context = {};
    context.dialog = dialog.get();
    ASSERT_EQ(1, BandMeterPreview(&context));
    const LedFrame frame(context.resultImage);
    const BandMeter meter(ReadLedLook(dialog.get(), 408));
    const LedPanel &panel = meter.panel();
    ASSERT_EQ(48, panel.metrics().count);
    EXPECT_EQ(panel.layout().width / panel.metrics().k, frame->biWidth);
    // Columns alternate left, right band by band. LED 42 of 48 stands at 223.1: band 4 is
    // 244 on the left and 218 on the right, band 3 is 135 and 102.
    const int darkRed = ScaleColour(kRed, 0.66);
    EXPECT_EQ(kRed, frame.Led(panel, 2 * 4, 42));
    EXPECT_EQ(darkRed, frame.Led(panel, 2 * 4 + 1, 42));
    EXPECT_EQ(darkRed, frame.Led(panel, 2 * 3, 42));
    EXPECT_EQ(kGreen, frame.Led(panel, 2 * 3, 25)); // 132.8
    EXPECT_EQ(ScaleColour(kGreen, 0.66), frame.Led(panel, 2 * 3 + 1, 25));
}

} // namespace

#include "effects/digital_vu.h"

#include "config/settings.h"
#include "effects/led_frame.h"
#include "frame/plugin_instance.h"
#include "imaging/colour_helpers.h"
#include "imaging/resize_image.h"

#include <gtest/gtest.h>

namespace
{

// Just the LEDs: one bar, no frame, scale or letters.
LedLook BareMonoral()
{
    LedLook look = DefaultLook();
    look.channels = kMonoral;
    look.etched = look.scale = look.labels = false;
    return look;
}

TEST(DigitalVU, LedsLightAboveTheirThresholdsInTheirZonesColours)
{
    const int darkGreen = ScaleColour(kGreen, 0.66), darkYellow = ScaleColour(kYellow, 0.66);
    const int darkRed = ScaleColour(kRed, 0.66);
    struct Case {
        int level, led;
        bool dark;
        int colour;
    } cases[] = {
        {0, 0, false, kPanelGrey}, {0, 43, false, kPanelGrey},   // level 0 lights none
        {255, 0, false, kGreen},   {255, 27, false, kGreen},     // 27: 156.5
        {255, 28, false, kYellow}, {255, 37, false, kYellow},    // 28: 162.3
        {255, 38, false, kRed},    {255, 43, false, kRed},       // 38: 220.2
        {256, 43, false, kRed},    {162, 28, false, kPanelGrey}, // not above 162.3
        {163, 28, false, kYellow}, {0, 0, true, darkGreen},      //
        {0, 28, true, darkYellow}, {0, 38, true, darkRed},       // unlit, dark LEDs on
    };
    for (const Case &c : cases) {
        LedLook look = BareMonoral();
        look.dark = c.dark;
        const DigitalMeter meter(look, MeterOrientation::kVertical);
        ASSERT_TRUE(meter);
        const LedFrame frame(meter.Render(0, 0, c.level));
        ASSERT_TRUE(frame);
        EXPECT_EQ(c.colour, frame.Led(meter.panel(), 0, c.led)) << c.level << " LED " << c.led;
    }
}

TEST(DigitalVU, StereoBarsShowTheirOwnChannelsAndMonoralTheCombinedLevel)
{
    struct Case {
        int channels;
        int lit[2]; // LED 20 of each bar, from left 100, right 200, combined 150
    } cases[] = {
        {kStereo, {0, 1}}, {kMonoral, {1, -1}}, {kLeftOnly, {0, -1}}, {kRightOnly, {1, -1}}};
    for (const Case &c : cases) {
        LedLook look = BareMonoral();
        look.channels = c.channels;
        look.dark = false;
        const DigitalMeter meter(look, MeterOrientation::kVertical);
        const LedFrame frame(meter.Render(100, 200, 150)); // LED 20 is at 115.9
        ASSERT_TRUE(frame);
        ASSERT_EQ(c.lit[1] < 0 ? 1u : 2u, meter.panel().layout().columns.size());
        for (int bar = 0; bar < 2 && c.lit[bar] >= 0; bar++)
            EXPECT_EQ(c.lit[bar] ? kGreen : kPanelGrey, frame.Led(meter.panel(), bar, 20))
                << c.channels << " bar " << bar;
    }
}

TEST(DigitalVU, FrameSizeFollowsTheLayoutRules)
{
    struct Case {
        const char *what;
        MeterOrientation orientation;
        int leds, width, depth;
        bool scale, labels, antialias;
        int expectedWidth, expectedHeight; // -1: checked against the next case
    } cases[] = {
        // 2·7 + 2 + 2·4 + 2·2 wide; 43 + 44·3 + 8 + 2 + 4 high, either way
        {"stereo, bare", MeterOrientation::kVertical, 44, 7, 3, false, false, false, 28, 189},
        {"stereo, bare, antialiased", MeterOrientation::kVertical, 44, 7, 3, false, false, true, 28,
         189},
        // (n − 1)·2 + n·4 + 8 + 6 + 4 wide; 2·9 + 1 + 8 + 4 high
        {"horizontal, bare", MeterOrientation::kHorizontal, 44, 4, 9, false, false, false, 280, 31},
    };
    for (const Case &c : cases) {
        LedLook look = DefaultLook();
        look.leds = c.leds, look.ledWidth = c.width, look.ledDepth = c.depth;
        look.scale = c.scale, look.labels = c.labels, look.antialias = c.antialias;
        const DigitalMeter meter(look, c.orientation);
        const LedFrame frame(meter.Render(255, 255, 255));
        ASSERT_TRUE(frame) << c.what;
        EXPECT_EQ(c.expectedWidth, frame->biWidth) << c.what;
        EXPECT_EQ(c.expectedHeight, frame->biHeight) << c.what;
    }
}

TEST(DigitalVU, TheScaleNeedsSixteenLedsAndTakesNoRoomWithoutThem)
{
    for (MeterOrientation orientation :
         {MeterOrientation::kVertical, MeterOrientation::kHorizontal})
        for (int leds : {15, 16}) {
            LedLook look = DefaultLook();
            look.leds = leds;
            const DigitalMeter withScale(look, orientation);
            look.scale = false;
            const DigitalMeter without(look, orientation);
            const LedLayout &scaled = withScale.panel().layout(), &plain = without.panel().layout();
            const int gain = (scaled.width - plain.width) + (scaled.height - plain.height);
            EXPECT_EQ(leds >= 16 ? 10u : 0u, scaled.scale.size()) << leds;
            EXPECT_EQ(leds >= 16, gain > 0) << leds;
        }
}

TEST(DigitalVU, LettersNeedRoomForThemOrAnLedSixPixelsDeep)
{
    struct Case {
        MeterOrientation orientation;
        int width, depth;
        bool letters;
    } cases[] = {
        {MeterOrientation::kHorizontal, 4, 5, false},
        {MeterOrientation::kHorizontal, 4, 6, true},
        {MeterOrientation::kVertical, 2, 3, false}, // "4" of a 12-pixel font is wider than 2
        {MeterOrientation::kVertical, 7, 3, true},
    };
    for (const Case &c : cases) {
        LedLook look = DefaultLook();
        look.ledWidth = c.width, look.ledDepth = c.depth;
        const DigitalMeter meter(look, c.orientation);
        look.labels = false;
        const DigitalMeter none(look, c.orientation);
        const LedLayout &layout = meter.panel().layout();
        ASSERT_EQ(c.letters ? 2u : 0u, layout.labels.size()) << c.width << "x" << c.depth;
        if (!c.letters) {
            EXPECT_EQ(none.panel().layout().width, layout.width);
            EXPECT_EQ(none.panel().layout().height, layout.height);
            continue;
        }
        EXPECT_EQ("L", layout.labels[0].text);
        EXPECT_EQ("R", layout.labels[1].text);
        if (c.orientation == MeterOrientation::kHorizontal) { // 2·IH + M more
            EXPECT_EQ(none.panel().layout().width + 4 + meter.panel().metrics().letterWidth,
                      layout.width);
        }
    }
}

TEST(DigitalVU, BevelsShowEvenOnABlackPanel)
{
    LedLook look = DefaultLook();
    look.background = 0;
    const DigitalMeter meter(look, MeterOrientation::kVertical);
    const LedFrame frame(meter.Render(0, 0, 0));
    ASSERT_TRUE(frame);
    EXPECT_EQ(RGB(85, 85, 85), frame.Pixel(0, 0)); // 32 × 2.66
    EXPECT_EQ(RGB(85, 85, 85), frame.Pixel(1, 5));
    EXPECT_EQ(RGB(21, 21, 21), frame.Pixel(frame->biWidth - 1, frame->biHeight - 1)); // × 0.66
    EXPECT_EQ(RGB(21, 21, 21), frame.Pixel(frame->biWidth - 2, 5));
    EXPECT_EQ(0, frame.Pixel(2, 2)) << "inside the bevel: the panel itself";
}

TEST(DigitalVU, IncandescentLedsGlowOnlyWhenLargeEnough)
{
    struct Case {
        int width, depth;
        bool glows;
    } cases[] = {{7, 3, false}, {5, 16, false}, {6, 6, true}, {16, 16, true}};
    for (const Case &c : cases) {
        LedLook look = BareMonoral();
        look.incandescent = true;
        look.ledWidth = c.width, look.ledDepth = c.depth;
        const DigitalMeter meter(look, MeterOrientation::kVertical);
        const LedFrame frame(meter.Render(0, 0, 255));
        ASSERT_TRUE(frame);
        const int centre = frame.Led(meter.panel(), 0, 0);
        if (c.glows)
            EXPECT_GT(centre >> 8 & 0xFF, 63 + 40) << c.width << "x" << c.depth;
        else
            EXPECT_EQ(kPanelGrey, centre) << c.width << "x" << c.depth;
    }
}

TEST(DigitalVU, RetroPanelsAreTheTextureHalfWayToThePanelColourTiledEvery256Pixels)
{
    g_module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(g_module, MAKEINTRESOURCEA(7201), RT_BITMAP);
    ASSERT_NE(nullptr, found);
    const auto *texture =
        static_cast<const PackedImage *>(LockResource(LoadResource(g_module, found)));
    ASSERT_EQ(256, texture->biWidth);
    ASSERT_EQ(24, texture->biBitCount);

    LedLook look = BareMonoral();
    look.retro = true;
    look.leds = 60, look.ledWidth = 4; // 370 pixels wide
    look.background = RGB(200, 100, 0);
    const DigitalMeter meter(look, MeterOrientation::kHorizontal);
    const LedFrame frame(meter.Render(0, 0, 0));
    ASSERT_TRUE(frame);
    ASSERT_GT(frame->biWidth, 260);
    for (int x : {1, 3}) {
        const int source = GetImagePixel(texture, x, 1);
        int expected = 0;
        for (int shift : {0, 8, 16})
            expected |= (((source >> shift & 0xFF) + (look.background >> shift & 0xFF)) >> 1)
                        << shift;
        EXPECT_EQ(expected, frame.Pixel(x, 1)) << x;
        EXPECT_EQ(expected, frame.Pixel(x + 256, 1)) << x;
    }
}

// Antialias draws every measure twice as large and halves the frame; the meter puts its
// frames together from panels halved once where it can. Either way a frame must equal the
// same meter drawn at double measures and halved.
TEST(DigitalVU, AntialiasedFramesAreTheDoubledMeterHalved)
{
    g_module = GetModuleHandleA(nullptr);
    int32_t *gaps[] = {&settings::AdvancedDigitalVUInterledVertical,
                       &settings::AdvancedDigitalVUInterledHorizontal,
                       &settings::AdvancedDigitalVUEdgePadVertical,
                       &settings::AdvancedDigitalVUEdgePadHorizontal};
    for (MeterOrientation orientation :
         {MeterOrientation::kVertical, MeterOrientation::kHorizontal}) {
        LedLook look = DefaultLook();
        look.retro = true;
        look.etched = false; // an LED's bevel is as thick as the factor, not doubled with it
        if (orientation == MeterOrientation::kHorizontal)
            look.ledWidth = 4, look.ledDepth = 9;
        look.antialias = true;
        const DigitalMeter antialiased(look, orientation);
        const LedFrame frame(antialiased.Render(100, 230, 0));

        look.antialias = false;
        look.ledWidth *= 2, look.ledDepth *= 2, look.etchSize *= 2, look.padSize *= 2;
        for (int32_t *gap : gaps)
            *gap *= 2;
        const DigitalMeter doubled(look, orientation);
        for (int32_t *gap : gaps)
            *gap /= 2;
        const LedFrame halved(ResizeImage(GlobalBlock(doubled.Render(100, 230, 0)).get(), 50, 50));

        ASSERT_TRUE(frame && halved);
        ASSERT_EQ(halved->biWidth, frame->biWidth);
        ASSERT_EQ(halved->biHeight, frame->biHeight);
        int differing = 0;
        for (int y = 0; y < frame->biHeight; y++)
            for (int x = 0; x < frame->biWidth; x++)
                differing += frame.Pixel(x, y) != halved.Pixel(x, y);
        EXPECT_EQ(0, differing) << (orientation == MeterOrientation::kVertical ? "vertical"
                                                                               : "horizontal");
    }
}

} // namespace

#include "ui/control_row.h"

#include "config/settings.h"
#include "resources/resource_ids.h"
#include "ui/colour_swatch.h"
#include "ui/option_lists.h"
#include "ui/sound_file_control.h"

#include <commctrl.h>

namespace
{

// The only row handler: a changed value shows at once in the preview.
int RepaintPreview(HWND dialog, UINT, WPARAM, LPARAM)
{
    InvalidateRect(GetDlgItem(dialog, IDC_PREVIEW), nullptr, FALSE);
    return 1;
}

constexpr ControlMessageHandler kRepaint = RepaintPreview;
constexpr ControlMessageHandler kQuiet = nullptr;

// Places on the page grid: value controls in slots down the right of the page, their labels
// to their left, check boxes in rows and columns below the preview pane.
struct Place {
    int32_t x, y;
};
constexpr Place SLOT(int k)
{
    return {476, 10 + 28 * k};
}
constexpr Place SLOT_LABEL(Place slot)
{
    return {384, slot.y + 2};
}
constexpr Place CHECK(int r, int c)
{
    return {12 + 112 * c, 354 + 16 * r};
}

constexpr uint8_t kPage = kCreateAtStart | kCreatePageRow;
constexpr uint8_t kCustomPage = kPage | kCreateSubclass;
constexpr uint32_t kValueStyle = WS_CHILD | WS_TABSTOP;
constexpr uint32_t kCustomStyle = kValueStyle | BS_OWNERDRAW;

constexpr ControlRow Row(uint32_t id, uint32_t kind, uint8_t create, uint8_t refresh, uint8_t value,
                         WNDPROC proc, ControlInitialiser initialise, ControlMessageHandler handler,
                         void *setting, const char *text, Place place, int32_t width,
                         int32_t height, uint32_t style, const char *className, const char *caption)
{
    return {id, kind, create,  refresh, value, 0,      proc,  initialise, handler,   setting,
            0,  text, place.x, place.y, width, height, style, 0,          className, caption};
}

constexpr ControlRow Colour(uint32_t id, Place slot, int32_t *setting,
                            ControlMessageHandler handler)
{
    return Row(id, kKindCustom, kCustomPage, kRefreshAfterWrite, kValueInteger | kValueInitialise,
               ColourSwatchProc, nullptr, handler, setting, nullptr, slot, 80, 20, kCustomStyle,
               "button", "");
}

constexpr ControlRow Number(uint32_t id, Place slot, int32_t *setting, const char *spin,
                            ControlMessageHandler handler)
{
    return Row(id, kKindNumber, kPage, 0, kValueInteger, nullptr, nullptr, handler, setting, spin,
               slot, 40, 20, kValueStyle | WS_BORDER | ES_NUMBER, "edit", "");
}

constexpr ControlRow Check(uint32_t id, Place place, int32_t *setting, const char *caption,
                           ControlMessageHandler handler)
{
    return Row(id, kKindCheck, kPage, 0, kValueInteger, nullptr, nullptr, handler, setting, nullptr,
               place, 96, 12, kValueStyle | BS_AUTOCHECKBOX, "button", caption);
}

constexpr ControlRow ChoiceOfWidth(uint32_t id, Place slot, int32_t width, int32_t *setting,
                                   const char *items, ControlMessageHandler handler)
{
    return Row(id, kKindChoice, kPage, 0, kValueInteger | kValueItems, nullptr, nullptr, handler,
               setting, items, slot, width, 220, kValueStyle | WS_VSCROLL | CBS_DROPDOWNLIST,
               "combobox", "");
}

constexpr ControlRow Choice(uint32_t id, Place slot, int32_t *setting, const char *items,
                            ControlMessageHandler handler)
{
    return ChoiceOfWidth(id, slot, 80, setting, items, handler);
}

// The bar graph's type names are longer than the other lists' items.
constexpr ControlRow WideChoice(uint32_t id, Place slot, int32_t *setting, const char *items,
                                ControlMessageHandler handler)
{
    return ChoiceOfWidth(id, slot, 100, setting, items, handler);
}

constexpr ControlRow Label(uint32_t id, Place slot, const char *caption)
{
    return Row(id, kKindLabel, kPage, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr,
               SLOT_LABEL(slot), 88, 14, WS_CHILD | SS_RIGHT, "static", caption);
}

// File controls: the file name is the control's text. The text and image file controls'
// window procedures come with the effects that use them.
constexpr ControlRow FileControl(uint32_t id, Place slot, char *setting, WNDPROC proc,
                                 ControlMessageHandler handler)
{
    return Row(id, kKindCustom, kCustomPage, kRefreshAfterWrite, kValueText | kValueItems, proc,
               nullptr, handler, setting, nullptr, slot, 80, 20, kCustomStyle, "button", "");
}

constexpr ControlRow FileName(uint32_t id, Place slot, char *setting, ControlMessageHandler handler)
{
    return FileControl(id, slot, setting, nullptr, handler);
}

// The "Sound:" control: choose, play and inspect the WAV file.
constexpr ControlRow SoundFile(uint32_t id, Place slot, char *setting,
                               ControlMessageHandler handler)
{
    return FileControl(id, slot, setting, SoundFileControlProc, handler);
}

// A level slider packs its colour and position into one integer shown as its text.
constexpr ControlRow Slider(uint32_t id, int32_t y, int32_t *setting, ControlMessageHandler handler)
{
    return Row(id, kKindCustom, kCustomPage, kRefreshAfterWrite, kValueInteger | kValueInitialise,
               nullptr, nullptr, handler, setting, nullptr, {364, y}, 192, 16, kCustomStyle,
               "button", "");
}

constexpr ControlRow DataPoints(uint32_t id, int32_t y, char *setting,
                                ControlMessageHandler handler)
{
    return Row(id, kKindCustom, kCustomPage, kRefreshAfterWrite, kValueText | kValueItems, nullptr,
               nullptr, handler, setting, nullptr, {364, y}, 192, 90, kCustomStyle | WS_BORDER,
               "button", "");
}

constexpr ControlRow DataPointsLabel(uint32_t id, int32_t y, const char *caption)
{
    return Row(id, kKindLabel, kPage, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr,
               {364, y - 16}, 192, 14, WS_CHILD | SS_LEFT, "static", caption);
}

// The radar's markers: a list filled from the row's text in every run, saved nowhere.
constexpr ControlRow MarkerList(uint32_t id, Place slot, const char *items,
                                ControlMessageHandler handler)
{
    return Row(id, kKindListBox, kPage, kRefreshAfterWrite, kValueItems, nullptr, nullptr, handler,
               nullptr, items, slot, 80, 120,
               kValueStyle | WS_BORDER | WS_VSCROLL | LBS_NOTIFY | LBS_HASSTRINGS |
                   LBS_OWNERDRAWFIXED,
               "listbox", "");
}

// The main dialog's own controls come from its resource: rows that only bind them.
constexpr ControlRow DialogList(uint32_t id, int32_t *setting, ControlInitialiser initialise)
{
    return Row(id, kKindChoice, 0, 0, kValueInteger | kValueInitialise, nullptr, initialise,
               nullptr, setting, nullptr, {}, 0, 0, 0, nullptr, nullptr);
}

constexpr ControlRow DialogNumber(uint32_t id, int32_t *setting)
{
    return Row(id, kKindNumber, 0, 0, kValueInteger, nullptr, nullptr, nullptr, setting, nullptr,
               {}, 0, 0, 0, nullptr, nullptr);
}

constexpr ControlRow DialogCheck(uint32_t id, int32_t *setting, ControlMessageHandler handler)
{
    return Row(id, kKindCheck, 0, 0, kValueInteger, nullptr, nullptr, handler, setting, nullptr, {},
               0, 0, 0, nullptr, nullptr);
}

} // namespace

// clang-format off
const ControlRow kControlTable[] = {
    // The main dialog's options
    DialogList(IDC_EFFECT_LIST, &settings::MainEffect, FillEffectList),
    DialogList(IDC_PALETTE_LIST, &settings::MainPalette, FillPaletteList),
    DialogNumber(IDC_DELAY, &settings::MainDelay),
    DialogCheck(IDC_CUSTOM_PALETTE, &settings::MainCustompalette, kQuiet),
    DialogCheck(IDC_ADD_COMMENT, &settings::AddDescriptiveCommentBlock, kQuiet),
    DialogCheck(IDC_TRUE_COLOUR, &settings::Truecolour, kQuiet),
    DialogCheck(IDC_DITHER, &settings::MainDither, kQuiet),
    DialogCheck(IDC_MASK_BACKGROUND, &settings::MainMaskBackground, kQuiet),
    DialogCheck(IDC_ANTIALIAS, &settings::MainAntialias, kRepaint),
    DialogCheck(IDC_SUPERCOMPRESS, &settings::MainSupercompress, kQuiet),
    DialogCheck(IDC_TRANSPARENT, &settings::MainTransparent, kQuiet),
    // 0 "Alien Overflight"
    Colour(385, SLOT(0), &settings::MainPlasmaScaleColor, kRepaint),
    Label(386, SLOT(0), "Scale:"),
    Number(387, SLOT(3), &settings::MainPlasmaSize, "64,32760,128", kRepaint),
    Label(388, SLOT(3), "Size:"),
    Number(389, SLOT(7), &settings::MainPlasmaFrames, "32,1024,128", kQuiet),
    Label(390, SLOT(7), "Frames:"),
    Check(391, CHECK(0, 0), &settings::MainPlasmaUseScale, "Use scale", kRepaint),
    Colour(392, SLOT(1), &settings::MainPlasmaPanelColor, kRepaint),
    Label(393, SLOT(1), "Panel:"),
    Colour(394, SLOT(2), &settings::MainPlasmaBezelColor, kRepaint),
    Label(395, SLOT(2), "Bezel:"),
    Number(396, SLOT(5), &settings::MainPlasmaBezelSize, "16,32,10", kRepaint),
    Label(397, SLOT(5), "Bezel size:"),
    Number(398, SLOT(6), &settings::MainPlasmaSeed, "1000,32760,10632", kRepaint),
    Label(399, SLOT(6), "Random seed:"),
    Check(400, CHECK(0, 1), &settings::MainPlasmaUseBezel, "Use bezel", kRepaint),
    Number(401, SLOT(4), &settings::MainPlasmaTerrain, "4,32,4", kRepaint),
    Label(402, SLOT(4), "Terrain:"),
    Check(403, CHECK(0, 2), &settings::MainPlasmaCircular, "Circular", kRepaint),
    Slider(404, 234, &settings::MainPlasmaRed, kRepaint),
    Slider(405, 262, &settings::MainPlasmaGreen, kRepaint),
    Slider(406, 290, &settings::MainPlasmaBlue, kRepaint),
    Slider(407, 318, &settings::MainPlasmaIntensity, kRepaint),
    // 1 "Altimeter"
    Colour(525, SLOT(0), &settings::MainAltimeterPanelColor, kRepaint),
    Label(526, SLOT(0), "Panel:"),
    Colour(527, SLOT(1), &settings::MainAltimeterHunColor, kRepaint),
    Label(528, SLOT(1), "100 Feet:"),
    Colour(529, SLOT(2), &settings::MainAltimeterThouColor, kRepaint),
    Label(530, SLOT(2), "1000 Feet:"),
    Colour(531, SLOT(3), &settings::MainAltimeterTenThouColor, kRepaint),
    Label(532, SLOT(3), "10,000 Feet:"),
    Number(533, SLOT(4), &settings::MainAltimeterSize, "64,256,128", kRepaint),
    Label(534, SLOT(4), "Size:"),
    Number(535, SLOT(6), &settings::MainAltimeterFrames, "8,32760,128", kQuiet),
    Label(536, SLOT(6), "Frames:"),
    Number(537, SLOT(5), &settings::MainAltimeterSpacing, "1,256,16", kRepaint),
    Label(538, SLOT(5), "Pad:"),
    DataPoints(539, 222, settings::MainAltimeterDataPointList, kRepaint),
    DataPointsLabel(540, 222, "Altitude:"),
    Check(541, CHECK(0, 0), &settings::MainAltimeterUsePadding, "Use padding", kRepaint),
    // 2 "Audio Spectrum"
    Colour(408, SLOT(0), &settings::MainSpectrumGreenColor, kRepaint),
    Label(409, SLOT(0), "Low volume:"),
    Colour(410, SLOT(1), &settings::MainSpectrumYellowColor, kRepaint),
    Label(411, SLOT(1), "Medium volume:"),
    Colour(412, SLOT(2), &settings::MainSpectrumRedColor, kRepaint),
    Label(413, SLOT(2), "High volume:"),
    Colour(414, SLOT(3), &settings::MainSpectrumBlackColor, kRepaint),
    Label(415, SLOT(3), "Background:"),
    SoundFile(418, SLOT(5), settings::MainSpectrumSound, kRepaint),
    Label(419, SLOT(5), "Sound:"),
    Number(420, SLOT(7), &settings::MainSpectrumLedWide, "2,256,16", kRepaint),
    Label(421, SLOT(7), "LED Width:"),
    Number(422, SLOT(8), &settings::MainSpectrumLedDeep, "2,256,16", kRepaint),
    Label(423, SLOT(8), "LED Depth:"),
    Number(424, SLOT(9), &settings::MainSpectrumFrames, "2,32760,256", kQuiet),
    Label(425, SLOT(9), "Frames:"),
    Number(426, SLOT(10), &settings::MainSpectrumLEDs, "6,255,16", kRepaint),
    Label(427, SLOT(10), "LEDs:"),
    Choice(428, SLOT(6), &settings::MainSpectrumChannels, "Stereo;Monoral;Left;Right", kRepaint),
    Label(429, SLOT(6), "Channels:"),
    Check(430, CHECK(0, 0), &settings::MainSpectrumShowDarkLED, "Dark LEDs", kRepaint),
    Check(431, CHECK(0, 1), &settings::MainSpectrumRetro, "Retro", kRepaint),
    Check(432, CHECK(0, 2), &settings::MainSpectrumIncandescent, "Incandescent", kRepaint),
    Check(433, CHECK(1, 0), &settings::MainSpectrumEtched, "Etched", kRepaint),
    Check(434, CHECK(1, 1), &settings::MainSpectrumNormalize, "Normalize", kRepaint),
    Check(435, CHECK(1, 2), &settings::MainSpectrumScale, "Scale", kRepaint),
    Colour(416, SLOT(4), &settings::MainSpectrumTextColor, kRepaint),
    Label(417, SLOT(4), "Text:"),
    Number(436, SLOT(11), &settings::MainSpectrumEtchsize, "1,64,2", kRepaint),
    Label(437, SLOT(11), "Etch size:"),
    Number(438, SLOT(12), &settings::MainSpectrumPadsize, "0,64,8", kRepaint),
    Label(439, SLOT(12), "Pad size:"),
    Check(440, CHECK(2, 0), &settings::MainSpectrumLabels, "Labels", kRepaint),
    Check(441, CHECK(2, 1), &settings::MainSpectrumMatchTime, "Match Time", kRepaint),
    // 3 "Analog VU Meter (rectangular)"
    SoundFile(168, SLOT(1), settings::MainVUAnalogSquareSound, kRepaint),
    Label(169, SLOT(1), "Sound:"),
    Number(170, SLOT(4), &settings::MainVUAnalogSquareFrames, "2,32760,256", kQuiet),
    Label(171, SLOT(4), "Frames:"),
    Choice(172, SLOT(2), &settings::MainVUAnalogSquareChannels, "Stereo;Monoral;Left;Right", kRepaint),
    Label(173, SLOT(2), "Channels:"),
    Check(174, CHECK(0, 0), &settings::MainVUAnalogSquareNormalize, "Normalize", kRepaint),
    Check(175, CHECK(0, 1), &settings::MainVUAnalogSquareMatchTime, "Match Time", kRepaint),
    Number(176, SLOT(3), &settings::MainVUAnalogSquareSize, "48,256,128", kRepaint),
    Label(177, SLOT(3), "Size:"),
    Colour(178, SLOT(0), &settings::MainVUAnalogSquareBlackColor, kRepaint),
    Label(179, SLOT(0), "Background:"),
    Check(180, CHECK(0, 2), &settings::MainVUAnalogSquareFullScale, "Full scale", kRepaint),
    Number(181, SLOT(5), &settings::MainVUAnalogSquarePadding, "2,128,10", kRepaint),
    Label(182, SLOT(5), "Padding:"),
    Check(183, CHECK(1, 0), &settings::MainVUAnalogSquareUsePadding, "Use padding", kRepaint),
    // 4 "Analog VU Meter (round)"
    SoundFile(184, SLOT(1), settings::MainVUAnalogRoundSound, kRepaint),
    Label(185, SLOT(1), "Sound:"),
    Number(186, SLOT(4), &settings::MainVUAnalogRoundFrames, "2,32760,256", kQuiet),
    Label(187, SLOT(4), "Frames:"),
    Choice(188, SLOT(2), &settings::MainVUAnalogRoundChannels, "Stereo;Monoral;Left;Right", kRepaint),
    Label(189, SLOT(2), "Channels:"),
    Check(190, CHECK(0, 0), &settings::MainVUAnalogRoundNormalize, "Normalize", kRepaint),
    Check(191, CHECK(0, 1), &settings::MainVUAnalogRoundMatchTime, "Match Time", kRepaint),
    Number(192, SLOT(3), &settings::MainVUAnalogRoundSize, "48,256,128", kRepaint),
    Label(193, SLOT(3), "Size:"),
    Colour(194, SLOT(0), &settings::MainVUAnalogRoundBlackColor, kRepaint),
    Label(195, SLOT(0), "Background:"),
    Check(196, CHECK(0, 2), &settings::MainVUAnalogRoundFullScale, "Full scale", kRepaint),
    Number(197, SLOT(5), &settings::MainVUAnalogRoundPadding, "2,128,10", kRepaint),
    Label(198, SLOT(5), "Padding:"),
    Check(199, CHECK(1, 0), &settings::MainVUAnalogRoundUsePadding, "Use padding", kRepaint),
    // 5 "Bar Graph"
    Colour(542, SLOT(0), &settings::MainBarGraphBorderColor, kRepaint),
    Label(543, SLOT(0), "Border:"),
    Colour(544, SLOT(1), &settings::MainBarGraphLeftColor, kRepaint),
    Label(545, SLOT(1), "Left:"),
    Colour(546, SLOT(2), &settings::MainBarGraphRightColor, kRepaint),
    Label(547, SLOT(2), "Right:"),
    Colour(548, SLOT(3), &settings::MainBarGraphPadColor, kRepaint),
    Label(549, SLOT(3), "Padding:"),
    Colour(562, SLOT(4), &settings::MainBarGraphPanelColor, kRepaint),
    Label(563, SLOT(4), "Panel:"),
    FileName(567, SLOT(5), settings::MainBarGraphImageFile, kRepaint),
    Label(568, SLOT(5), "Image file:"),
    Number(550, SLOT(6), &settings::MainBarGraphWidth, "16,512,128", kRepaint),
    Label(551, SLOT(6), "Width:"),
    Number(552, SLOT(7), &settings::MainBarGraphDepth, "2,160,14", kRepaint),
    Label(553, SLOT(7), "Depth:"),
    Number(554, SLOT(8), &settings::MainBarGraphFrames, "8,32760,128", kQuiet),
    Label(555, SLOT(8), "Frames:"),
    Number(556, SLOT(10), &settings::MainBarGraphPadSize, "1,256,16", kRepaint),
    Label(557, SLOT(10), "Padding:"),
    Number(569, SLOT(11), &settings::MainBarGraphRoundness, "1,100,50", kRepaint),
    Label(570, SLOT(11), "Roundness:"),
    Number(558, SLOT(9), &settings::MainBarGraphBorderSize, "1,256,2", kRepaint),
    Label(559, SLOT(9), "Border:"),
    WideChoice(560, SLOT(12), &settings::MainBarGraphType, "Simple;Simple Fade;Simple 2D;Simple Fade 2D;Blocks;Blocks Fade;Blocks 2D;Blocks Fade 2D;Wave;Wave 2D;Spring;Spring 2D;Image;Image 2D", kRepaint),
    Label(561, SLOT(12), "Type:"),
    Check(564, CHECK(0, 0), &settings::MainBarGraphUseBorder, "Use border", kRepaint),
    Check(565, CHECK(0, 1), &settings::MainBarGraphUsePadding, "Use padding", kRepaint),
    Check(566, CHECK(0, 2), &settings::MainBarGraphRoundCorners, "Round corners", kRepaint),
    // 6 "Bubble Chamber"
    Colour(351, SLOT(2), &settings::MainBubblePanelColor, kRepaint),
    Label(352, SLOT(2), "Panel:"),
    Colour(353, SLOT(1), &settings::MainBubbleWhiteColor, kRepaint),
    Label(354, SLOT(1), "Bubbles:"),
    Colour(355, SLOT(0), &settings::MainBubbleBlueColor, kRepaint),
    Label(356, SLOT(0), "Glass:"),
    Number(357, SLOT(3), &settings::MainBubbleWide, "40,400,80", kRepaint),
    Label(358, SLOT(3), "Width:"),
    Number(359, SLOT(4), &settings::MainBubbleDeep, "40,400,280", kRepaint),
    Label(360, SLOT(4), "Depth:"),
    Number(361, SLOT(5), &settings::MainBubbleFrames, "64,32760,128", kRepaint),
    Label(362, SLOT(5), "Frames:"),
    Number(363, SLOT(8), &settings::MainBubbleDensity, "8,256,32", kRepaint),
    Label(364, SLOT(8), "Density:"),
    Number(365, SLOT(7), &settings::MainBubbleSize, "10,64,18", kRepaint),
    Label(366, SLOT(7), "Size:"),
    Number(367, SLOT(6), &settings::MainBubbleDrift, "0,99,25", kRepaint),
    Label(368, SLOT(6), "Drift:"),
    Number(369, SLOT(9), &settings::MainBubbleSeed, "1000,32760,10632", kRepaint),
    Label(370, SLOT(9), "Random seed:"),
    Number(371, SLOT(10), &settings::MainBubbleBevelFactor, "1,255,255", kRepaint),
    Label(372, SLOT(10), "Bevel depth:"),
    Check(373, CHECK(0, 0), &settings::MainBubbleUseBevel, "Bevel", kRepaint),
    Check(374, CHECK(0, 1), &settings::MainBubbleUseRoundCorners, "Round corners", kRepaint),
    // 7 "Countdown"
    Colour(200, SLOT(0), &settings::MainCountdownRedColor, kRepaint),
    Label(201, SLOT(0), "Digits:"),
    Colour(202, SLOT(1), &settings::MainCountdownBlackColor, kRepaint),
    Label(203, SLOT(1), "Background:"),
    Number(204, SLOT(3), &settings::MainCountdownHours, "0,99,0", kRepaint),
    Label(205, SLOT(3), "Hours:"),
    Number(206, SLOT(4), &settings::MainCountdownMinutes, "0,59,0", kRepaint),
    Label(207, SLOT(4), "Minutes:"),
    Number(208, SLOT(5), &settings::MainCountdownSeconds, "0,59,30", kRepaint),
    Label(209, SLOT(5), "Seconds:"),
    Number(210, SLOT(6), &settings::MainCountdownSize, "10,128,24", kRepaint),
    Label(211, SLOT(6), "Size:"),
    Check(212, CHECK(0, 0), &settings::MainCountdownUseHund, "Include tenths", kRepaint),
    Check(213, CHECK(0, 1), &settings::MainCountdownUsePadding, "Use padding", kRepaint),
    Number(214, SLOT(7), &settings::MainCountdownPadding, "0,256,16", kRepaint),
    Label(215, SLOT(7), "Padding:"),
    Check(216, CHECK(0, 2), &settings::MainCountdownUseBezel, "Use bezel", kRepaint),
    Number(217, SLOT(8), &settings::MainCountdownBezelSize, "4,256,16", kRepaint),
    Label(218, SLOT(8), "Bezel size:"),
    Colour(219, SLOT(2), &settings::MainCountdownBezelColor, kRepaint),
    Label(220, SLOT(2), "Bezel:"),
    // 8 "Digital VU Meter (horizontal)"
    Colour(134, SLOT(0), &settings::MainVUDigHorzGreenColor, kRepaint),
    Label(135, SLOT(0), "Low volume:"),
    Colour(136, SLOT(1), &settings::MainVUDigHorzYellowColor, kRepaint),
    Label(137, SLOT(1), "Medium volume:"),
    Colour(138, SLOT(2), &settings::MainVUDigHorzRedColor, kRepaint),
    Label(139, SLOT(2), "High volume:"),
    Colour(140, SLOT(3), &settings::MainVUDigHorzBlackColor, kRepaint),
    Label(141, SLOT(3), "Background:"),
    SoundFile(144, SLOT(5), settings::MainVUDigHorzSound, kRepaint),
    Label(145, SLOT(5), "Sound:"),
    Number(146, SLOT(7), &settings::MainVUDigHorzLedWide, "2,256,16", kRepaint),
    Label(147, SLOT(7), "LED Width:"),
    Number(148, SLOT(8), &settings::MainVUDigHorzLedDeep, "2,256,16", kRepaint),
    Label(149, SLOT(8), "LED Depth:"),
    Number(150, SLOT(9), &settings::MainVUDigHorzFrames, "2,32760,256", kQuiet),
    Label(151, SLOT(9), "Frames:"),
    Number(152, SLOT(10), &settings::MainVUDigHorzLEDs, "6,255,16", kRepaint),
    Label(153, SLOT(10), "LEDs:"),
    Choice(154, SLOT(6), &settings::MainVUDigHorzChannels, "Stereo;Monoral;Left;Right", kRepaint),
    Label(155, SLOT(6), "Channels:"),
    Check(156, CHECK(0, 0), &settings::MainVUDigHorzShowDarkLED, "Dark LEDs", kRepaint),
    Check(157, CHECK(0, 1), &settings::MainVUDigHorzRetro, "Retro", kRepaint),
    Check(158, CHECK(0, 2), &settings::MainVUDigHorzIncandescent, "Incandescent", kRepaint),
    Check(159, CHECK(1, 0), &settings::MainVUDigHorzEtched, "Etched", kRepaint),
    Check(160, CHECK(1, 1), &settings::MainVUDigHorzNormalize, "Normalize", kRepaint),
    Check(161, CHECK(1, 2), &settings::MainVUDigHorzScale, "Scale", kRepaint),
    Colour(142, SLOT(4), &settings::MainVUDigHorzTextColor, kRepaint),
    Label(143, SLOT(4), "Text:"),
    Number(162, SLOT(11), &settings::MainVUDigHorzEtchsize, "1,64,2", kRepaint),
    Label(163, SLOT(11), "Etch size:"),
    Number(164, SLOT(12), &settings::MainVUDigHorzPadsize, "0,64,8", kRepaint),
    Label(165, SLOT(12), "Pad size:"),
    Check(166, CHECK(2, 0), &settings::MainVUDigHorzLabels, "Labels", kRepaint),
    Check(167, CHECK(2, 1), &settings::MainVUDigHorzMatchTime, "Match Time", kRepaint),
    // 9 "Digital VU Meter (vertical)"
    Colour(100, SLOT(0), &settings::MainVUDigVertGreenColor, kRepaint),
    Label(101, SLOT(0), "Low volume:"),
    Colour(102, SLOT(1), &settings::MainVUDigVertYellowColor, kRepaint),
    Label(103, SLOT(1), "Medium volume:"),
    Colour(104, SLOT(2), &settings::MainVUDigVertRedColor, kRepaint),
    Label(105, SLOT(2), "High volume:"),
    Colour(106, SLOT(3), &settings::MainVUDigVertBlackColor, kRepaint),
    Label(107, SLOT(3), "Background:"),
    SoundFile(110, SLOT(5), settings::MainVUDigVertSound, kRepaint),
    Label(111, SLOT(5), "Sound:"),
    Number(112, SLOT(7), &settings::MainVUDigVertLedWide, "2,256,16", kRepaint),
    Label(113, SLOT(7), "LED Width:"),
    Number(114, SLOT(8), &settings::MainVUDigVertLedDeep, "2,256,16", kRepaint),
    Label(115, SLOT(8), "LED Depth:"),
    Number(116, SLOT(9), &settings::MainVUDigVertFrames, "2,32760,256", kQuiet),
    Label(117, SLOT(9), "Frames:"),
    Number(118, SLOT(10), &settings::MainVUDigVertLEDs, "6,255,16", kRepaint),
    Label(119, SLOT(10), "LEDs:"),
    Choice(120, SLOT(6), &settings::MainVUDigVertChannels, "Stereo;Monoral;Left;Right", kRepaint),
    Label(121, SLOT(6), "Channels:"),
    Check(122, CHECK(0, 0), &settings::MainVUDigVertShowDarkLED, "Dark LEDs", kRepaint),
    Check(123, CHECK(0, 1), &settings::MainVUDigVertRetro, "Retro", kRepaint),
    Check(124, CHECK(0, 2), &settings::MainVUDigVertIncandescent, "Incandescent", kRepaint),
    Check(125, CHECK(1, 0), &settings::MainVUDigVertEtched, "Etched", kRepaint),
    Check(126, CHECK(1, 1), &settings::MainVUDigVertNormalize, "Normalize", kRepaint),
    Check(127, CHECK(1, 2), &settings::MainVUDigVertScale, "Scale", kRepaint),
    Colour(108, SLOT(4), &settings::MainVUDigVertTextColor, kRepaint),
    Label(109, SLOT(4), "Text:"),
    Number(128, SLOT(11), &settings::MainVUDigVertEtchsize, "1,64,2", kRepaint),
    Label(129, SLOT(11), "Etch size:"),
    Number(130, SLOT(12), &settings::MainVUDigVertPadsize, "0,64,8", kRepaint),
    Label(131, SLOT(12), "Pad size:"),
    Check(132, CHECK(2, 0), &settings::MainVUDigVertLabels, "Labels", kRepaint),
    Check(133, CHECK(2, 1), &settings::MainVUDigVertMatchTime, "Match Time", kRepaint),
    // 10 "Extraterrestrial Data Pad"
    Colour(504, SLOT(0), &settings::MainDatapadBackColor, kRepaint),
    Label(505, SLOT(0), "Page:"),
    Colour(506, SLOT(1), &settings::MainDatapadBezelColor, kRepaint),
    Label(507, SLOT(1), "Case:"),
    Colour(508, SLOT(2), &settings::MainDatapadCounterColor, kRepaint),
    Label(509, SLOT(2), "Counter:"),
    Colour(510, SLOT(3), &settings::MainDatapadStatusColor, kRepaint),
    Label(511, SLOT(3), "Status:"),
    Colour(512, SLOT(4), &settings::MainDatapadTextColor, kRepaint),
    Label(513, SLOT(4), "Text:"),
    FileName(514, SLOT(5), settings::MainDatapadTextFile, kRepaint),
    Label(515, SLOT(5), "Text file:"),
    Number(516, SLOT(6), &settings::MainDatapadSize, "64,256,128", kRepaint),
    Label(517, SLOT(6), "Size:"),
    Number(518, SLOT(7), &settings::MainDatapadShadowDensity, "20,80,25", kRepaint),
    Label(519, SLOT(7), "Shadow density:"),
    Number(520, SLOT(8), &settings::MainDatapadShadowOffset, "10,30,28", kRepaint),
    Label(521, SLOT(8), "Shadow offset:"),
    Check(522, CHECK(0, 0), &settings::MainDatapadUseShadow, "Shadow", kRepaint),
    Check(523, CHECK(0, 1), &settings::MainDatapadUseStatus, "Status", kRepaint),
    Check(524, CHECK(0, 2), &settings::MainDatapadSimple, "Simple case", kRepaint),
    // 11 "Jacob's Ladder"
    Colour(470, SLOT(0), &settings::MainLadderBlueColor, kRepaint),
    Label(471, SLOT(0), "Background:"),
    Colour(472, SLOT(1), &settings::MainLadderWhiteColor, kRepaint),
    Label(473, SLOT(1), "Arc:"),
    Colour(474, SLOT(2), &settings::MainLadderBaseColor, kRepaint),
    Label(475, SLOT(2), "Base:"),
    Colour(476, SLOT(3), &settings::MainLadderElectrodeColor, kRepaint),
    Label(477, SLOT(3), "Electrodes:"),
    Number(478, SLOT(4), &settings::MainLadderSize, "64,256,128", kRepaint),
    Label(479, SLOT(4), "Size:"),
    Number(480, SLOT(5), &settings::MainLadderFrames, "8,32760,128", kQuiet),
    Label(481, SLOT(5), "Frames:"),
    Number(482, SLOT(6), &settings::MainLadderDisturbance, "0,40,16", kQuiet),
    Label(483, SLOT(6), "Disturbance:"),
    Number(484, SLOT(7), &settings::MainLadderEnergy, "1,18,8", kRepaint),
    Label(485, SLOT(7), "Energy:"),
    Number(486, SLOT(8), &settings::MainLadderComplexity, "1,10,4", kRepaint),
    Label(487, SLOT(8), "Complexity:"),
    Number(488, SLOT(9), &settings::MainLadderSeed, "1000,32760,10632", kRepaint),
    Label(489, SLOT(9), "Random seed:"),
    // 12 "Lissajous Figure"
    Colour(238, SLOT(0), &settings::MainLissajousGreenColor, kRepaint),
    Label(239, SLOT(0), "Trace:"),
    Colour(240, SLOT(1), &settings::MainLissajousBlackColor, kRepaint),
    Label(241, SLOT(1), "Background:"),
    Colour(242, SLOT(2), &settings::MainLissajousScaleColor, kRepaint),
    Label(243, SLOT(2), "Scale:"),
    Number(244, SLOT(6), &settings::MainLissajousSize, "64,256,128", kRepaint),
    Label(245, SLOT(6), "Size:"),
    Number(246, SLOT(8), &settings::MainLissajousTraceSize, "1,16,2", kRepaint),
    Label(247, SLOT(8), "Trace size:"),
    Number(248, SLOT(9), &settings::MainLissajousGlow, "0,64,16", kRepaint),
    Label(249, SLOT(9), "Glow:"),
    Number(250, SLOT(10), &settings::MainLissajousHorz, "1,32760,2", kRepaint),
    Label(251, SLOT(10), "Horizontal:"),
    Number(252, SLOT(11), &settings::MainLissajousVert, "1,32760,2", kRepaint),
    Label(253, SLOT(11), "Vertical:"),
    Choice(254, SLOT(5), &settings::MainLissajousIncrement, "-60;-45;-40;-30;-24;-20;-15;-12;-10;-9;-8;-6;-5;-4;-3;-2;-1;1;2;3;4;5;6;8;9;10;12;15;20;24;30;40;45;60", kQuiet),
    Label(255, SLOT(5), "Increment:"),
    Number(256, SLOT(12), &settings::MainLissajousPadsize, "1,256,16", kRepaint),
    Label(257, SLOT(12), "Pad:"),
    Check(258, CHECK(0, 0), &settings::MainLissajousUseScale, "Use scale", kRepaint),
    Check(259, CHECK(0, 1), &settings::MainLissajousPhaseY, "Vary Y phase", kQuiet),
    Colour(260, SLOT(3), &settings::MainLissajousPanelColor, kRepaint),
    Label(261, SLOT(3), "Panel:"),
    Colour(262, SLOT(4), &settings::MainLissajousBezelColor, kRepaint),
    Label(263, SLOT(4), "Bezel:"),
    Number(264, SLOT(7), &settings::MainLissajousBezelSize, "16,32,10", kRepaint),
    Label(265, SLOT(7), "Bezel size:"),
    Check(266, CHECK(0, 2), &settings::MainLissajousUseBezel, "Use bezel", kRepaint),
    // 13 "Magic Eye"
    Colour(221, SLOT(0), &settings::MainMagicEyeGreenColor, kRepaint),
    Label(222, SLOT(0), "Glow:"),
    Colour(223, SLOT(1), &settings::MainMagicEyeBlackColor, kRepaint),
    Label(224, SLOT(1), "Background:"),
    Number(225, SLOT(4), &settings::MainMagicEyeSize, "64,144,128", kRepaint),
    Label(226, SLOT(4), "Size:"),
    SoundFile(233, SLOT(2), settings::MainMagicEyeSound, kRepaint),
    Label(234, SLOT(2), "Sound:"),
    Check(227, CHECK(0, 1), &settings::MainMagicEyeMatchTime, "Match Time", kRepaint),
    Check(228, CHECK(0, 0), &settings::MainMagicEyeNormalize, "Normalize", kRepaint),
    Number(229, SLOT(5), &settings::MainMagicEyeFrames, "2,32760,256", kQuiet),
    Label(230, SLOT(5), "Frames:"),
    Choice(231, SLOT(3), &settings::MainMagicEyeChannels, "Stereo;Monoral;Left;Right", kRepaint),
    Label(232, SLOT(3), "Channels:"),
    Number(235, SLOT(6), &settings::MainMagicEyePadding, "0,256,16", kRepaint),
    Label(236, SLOT(6), "Padding:"),
    Check(237, CHECK(0, 2), &settings::MainMagicEyeUsePadding, "Use padding", kRepaint),
    // 14 "Plasma Arc"
    Colour(442, SLOT(0), &settings::MainArclightBlueColor, kRepaint),
    Label(443, SLOT(0), "Background:"),
    Colour(444, SLOT(1), &settings::MainArclightWhiteColor, kRepaint),
    Label(445, SLOT(1), "Arc:"),
    Colour(446, SLOT(2), &settings::MainArclightPanelColor, kRepaint),
    Label(447, SLOT(2), "Panel:"),
    Colour(448, SLOT(3), &settings::MainArclightGlareColor, kRepaint),
    Label(449, SLOT(3), "Glare:"),
    Colour(450, SLOT(4), &settings::MainArclightElectrodeColor, kRepaint),
    Label(451, SLOT(4), "Electrodes:"),
    Colour(452, SLOT(5), &settings::MainArclightTubeColor, kRepaint),
    Label(453, SLOT(5), "Tube:"),
    Colour(454, SLOT(6), &settings::MainArclightCapColor, kRepaint),
    Label(455, SLOT(6), "Caps:"),
    Number(456, SLOT(7), &settings::MainArclightSize, "64,256,128", kRepaint),
    Label(457, SLOT(7), "Size:"),
    Number(458, SLOT(8), &settings::MainArclightFrames, "8,32760,128", kQuiet),
    Label(459, SLOT(8), "Frames:"),
    Number(460, SLOT(9), &settings::MainArclightDisturbance, "0,40,16", kQuiet),
    Label(461, SLOT(9), "Disturbance:"),
    Number(462, SLOT(10), &settings::MainArclightEnergy, "1,18,8", kRepaint),
    Label(463, SLOT(10), "Energy:"),
    Number(464, SLOT(11), &settings::MainArclightComplexity, "1,10,4", kRepaint),
    Label(465, SLOT(11), "Complexity:"),
    Number(466, SLOT(12), &settings::MainArclightSeed, "1000,32760,10632", kRepaint),
    Label(467, SLOT(12), "Random seed:"),
    Check(468, CHECK(0, 0), &settings::MainArclightShowTube, "Show tube", kRepaint),
    Check(469, CHECK(0, 1), &settings::MainArclightAfterImage, "Afterimage", kRepaint),
    // 15 "Radar"
    Colour(329, SLOT(3), &settings::MainRadarPanelColor, kRepaint),
    Label(330, SLOT(3), "Panel:"),
    Colour(331, SLOT(2), &settings::MainRadarWhiteColor, kRepaint),
    Label(332, SLOT(2), "Scale:"),
    Colour(333, SLOT(0), &settings::MainRadarGreenColor, kRepaint),
    Label(334, SLOT(0), "Trace:"),
    Colour(347, SLOT(4), &settings::MainRadarMarkerColor, kRepaint),
    Label(348, SLOT(4), "Markers:"),
    Colour(337, SLOT(1), &settings::MainRadarBlackColor, kRepaint),
    Label(338, SLOT(1), "Screen:"),
    Number(335, SLOT(6), &settings::MainRadarSize, "48,256,128", kRepaint),
    Label(336, SLOT(6), "Size:"),
    Number(339, SLOT(7), &settings::MainRadarPadding, "2,128,10", kRepaint),
    Label(340, SLOT(7), "Padding:"),
    Choice(341, SLOT(5), &settings::MainRadarIncrement, "-60;-45;-40;-30;-24;-20;-15;-12;-10;-9;-8;-6;-5;-4;-3;-2;-1;1;2;3;4;5;6;8;9;10;12;15;20;24;30;40;45;60", kRepaint),
    Label(342, SLOT(5), "Increment:"),
    Number(343, SLOT(8), &settings::MainRadarAngle, "30,180,90", kRepaint),
    Label(344, SLOT(8), "Trace angle:"),
    MarkerList(345, SLOT(9), "AMC981,48,48;AZA010,217,88;BOA210,97,88;MAX004,135,78;STI761,210,45;XAO889,280,64;XJS912,330,80,220,52", kRepaint),
    Label(346, SLOT(9), "Markers:"),
    Check(349, CHECK(0, 0), &settings::MainRadarShowMarkers, "Show markers", kRepaint),
    Check(350, CHECK(0, 1), &settings::MainRadarPingMarkers, "Ping markers", kRepaint),
    // 16 "Tachometer"
    Number(375, SLOT(2), &settings::MainTachFrames, "2,32760,256", kQuiet),
    Label(376, SLOT(2), "Frames:"),
    Number(377, SLOT(1), &settings::MainTachSize, "48,256,128", kRepaint),
    Label(378, SLOT(1), "Size:"),
    Colour(379, SLOT(0), &settings::MainTachBlackColor, kRepaint),
    Label(380, SLOT(0), "Panel:"),
    Number(381, SLOT(3), &settings::MainTachPadding, "2,128,10", kRepaint),
    Label(382, SLOT(3), "Padding:"),
    DataPoints(383, 138, settings::MainTachDataPointList, kRepaint),
    DataPointsLabel(384, 138, "RPM:"),
    // 17 "Sound Map"
    Colour(267, SLOT(0), &settings::MainSonicGreenColor, kRepaint),
    Label(268, SLOT(0), "Trace:"),
    Colour(269, SLOT(1), &settings::MainSonicBlackColor, kRepaint),
    Label(270, SLOT(1), "Background:"),
    Colour(271, SLOT(2), &settings::MainSonicScaleColor, kRepaint),
    Label(272, SLOT(2), "Scale:"),
    Number(273, SLOT(8), &settings::MainSonicSize, "64,256,128", kRepaint),
    Label(274, SLOT(8), "Depth:"),
    Number(275, SLOT(7), &settings::MainSonicWidth, "64,512,256", kRepaint),
    Label(276, SLOT(7), "Width:"),
    Number(277, SLOT(10), &settings::MainSonicFrames, "64,32760,128", kQuiet),
    Label(278, SLOT(10), "Frames:"),
    Number(279, SLOT(11), &settings::MainSonicGlow, "0,64,16", kRepaint),
    Label(280, SLOT(11), "Glow:"),
    SoundFile(283, SLOT(5), settings::MainSonicSound, kRepaint),
    Label(284, SLOT(5), "Sound:"),
    Choice(285, SLOT(6), &settings::MainSonicChannels, "Stereo;Monoral;Left;Right", kRepaint),
    Label(286, SLOT(6), "Channels:"),
    Number(281, SLOT(12), &settings::MainSonicPadsize, "1,256,16", kRepaint),
    Label(282, SLOT(12), "Pad:"),
    Check(296, CHECK(0, 0), &settings::MainSonicUseScale, "Use scale", kRepaint),
    Colour(287, SLOT(3), &settings::MainSonicPanelColor, kRepaint),
    Label(288, SLOT(3), "Panel:"),
    Colour(289, SLOT(4), &settings::MainSonicBezelColor, kRepaint),
    Label(290, SLOT(4), "Bezel:"),
    Number(291, SLOT(9), &settings::MainSonicBezelSize, "16,32,10", kRepaint),
    Label(292, SLOT(9), "Bezel size:"),
    Check(293, CHECK(0, 1), &settings::MainSonicUseBezel, "Use bezel", kRepaint),
    Check(294, CHECK(0, 2), &settings::MainSonicNormalize, "Normalize", kRepaint),
    Check(295, CHECK(1, 0), &settings::MainSonicMatchTime, "Match Time", kRepaint),
    // 18 "Sound Scan"
    Colour(297, SLOT(0), &settings::MainVoiceGreenColor, kRepaint),
    Label(298, SLOT(0), "Trace:"),
    Colour(299, SLOT(1), &settings::MainVoiceBlackColor, kRepaint),
    Label(300, SLOT(1), "Background:"),
    Colour(301, SLOT(2), &settings::MainVoiceScaleColor, kRepaint),
    Label(302, SLOT(2), "Scale:"),
    Number(303, SLOT(8), &settings::MainVoiceSize, "64,256,128", kRepaint),
    Label(304, SLOT(8), "Depth:"),
    Number(305, SLOT(7), &settings::MainVoiceWidth, "64,512,256", kRepaint),
    Label(306, SLOT(7), "Width:"),
    Number(307, SLOT(10), &settings::MainVoiceGlow, "0,64,16", kRepaint),
    Label(308, SLOT(10), "Glow:"),
    SoundFile(311, SLOT(5), settings::MainVoiceSound, kRepaint),
    Label(312, SLOT(5), "Sound:"),
    Choice(313, SLOT(6), &settings::MainVoiceChannels, "Stereo;Monoral;Left;Right", kRepaint),
    Label(314, SLOT(6), "Channels:"),
    Number(309, SLOT(12), &settings::MainVoicePadsize, "1,256,16", kRepaint),
    Label(310, SLOT(12), "Pad:"),
    Number(325, SLOT(13), &settings::MainVoiceStepSize, "1,32,2", kRepaint),
    Label(326, SLOT(13), "Step size:"),
    Number(327, SLOT(11), &settings::MainVoicePause, "0,32760,100", kQuiet),
    Label(328, SLOT(11), "Pause:"),
    Check(324, CHECK(0, 0), &settings::MainVoiceUseScale, "Use scale", kRepaint),
    Colour(315, SLOT(3), &settings::MainVoicePanelColor, kRepaint),
    Label(316, SLOT(3), "Panel:"),
    Colour(317, SLOT(4), &settings::MainVoiceBezelColor, kRepaint),
    Label(318, SLOT(4), "Bezel:"),
    Number(319, SLOT(9), &settings::MainVoiceBezelSize, "16,32,10", kRepaint),
    Label(320, SLOT(9), "Bezel size:"),
    Check(321, CHECK(0, 1), &settings::MainVoiceUseBezel, "Use bezel", kRepaint),
    Check(322, CHECK(0, 2), &settings::MainVoiceNormalize, "Normalize", kRepaint),
    Check(323, CHECK(1, 0), &settings::MainVoiceFade, "Fade", kRepaint),
    // 19 "Stopwatch"
    Colour(490, SLOT(0), &settings::MainStopwatchBackColor, kRepaint),
    Label(491, SLOT(0), "Background:"),
    Colour(492, SLOT(2), &settings::MainStopwatchLargeHandColor, kRepaint),
    Label(493, SLOT(2), "Large hand:"),
    Colour(494, SLOT(1), &settings::MainStopwatchSmallHandColor, kRepaint),
    Label(495, SLOT(1), "Small hand:"),
    Number(496, SLOT(3), &settings::MainStopwatchSize, "64,256,128", kRepaint),
    Label(497, SLOT(3), "Size:"),
    Number(498, SLOT(4), &settings::MainStopwatchFrames, "2,32760,59", kQuiet),
    Label(499, SLOT(4), "Frames:"),
    Number(501, SLOT(5), &settings::MainStopwatchPadding, "1,128,10", kRepaint),
    Label(502, SLOT(5), "Padding:"),
    Check(500, CHECK(0, 0), &settings::MainStopwatchRealTime, "Real time", kQuiet),
    Check(503, CHECK(0, 1), &settings::MainStopwatchUsePadding, "Use padding", kRepaint),
};
// clang-format on

const size_t kControlRowCount = sizeof(kControlTable) / sizeof(kControlTable[0]);

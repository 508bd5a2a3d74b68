// The LED panel the digital VU meters and the audio spectrum share: the page they read,
// their pixel measures, the zone and dark colours, bevels, incandescent rings, the Retro
// texture, the scale and label texts, and the drawing of one frame from a level per column.
#pragma once

#include <windows.h>

#include "imaging/render_surface.h"

#include <string>
#include <utility>
#include <vector>

// The Channels list.
enum MeterChannels { kStereo, kMonoral, kLeftOnly, kRightOnly };

// Vertical: columns of LEDs from the bottom up, with one font for the scale and the
// letters. Horizontal: rows from left to right, the letters in a font as high as an LED.
enum class MeterOrientation { kVertical, kHorizontal };

// The page of one LED effect, as the user set it.
struct LedLook {
    int low, medium, high, background, text; // 0x00BBGGRR colours
    int channels;
    int ledWidth, ledDepth, leds, etchSize, padSize;
    bool dark, retro, incandescent, etched, scale, labels, antialias;
};

// The pages share one order of controls; firstId is the page's "Low volume:" swatch.
LedLook ReadLedLook(HWND dialog, UINT firstId);

// Pixel measures of the drawn image: every one but the LED count doubles with Antialias.
struct LedMetrics {
    int k;                        // 2 with Antialias, else 1
    int width, depth, count;      // one LED's width and depth, LEDs per column
    int pad, etch;                // padding, and the outer bevel (0 when not etched)
    int gapV, gapH, edgeV, edgeH; // between LEDs, and edge paddings
    int groupGap;                 // between the spectrum's two groups
    int digitWidth;               // of "4" in the scale font
    int scaleWidth, textHeight;   // a scale box: twice the digit's width, the font's height
    int letterWidth;              // of "M" in the letter font
    bool scaleOn, labelsOn;       // as drawn, after the automatic switches
};

// Where a column's LEDs go: LED 0's top-left corner, and the step to the next LED.
struct LedColumn {
    int x, y, dx, dy;
};

enum PanelFont { kScaleFont, kLetterFont };

struct PanelText {
    std::string text;
    RECT box;
    UINT alignment; // DT_CENTER or DT_RIGHT
    PanelFont font;
};

struct LedLayout {
    int width, height;
    std::vector<LedColumn> columns; // in drawing order
    std::vector<PanelText> scale, labels;
};

// The five scale numbers, top or right end first.
extern const int kScaleNumbers[5];

// Everything the frames of one preview or build share: colours, fonts, the layout, and the
// panel drawn twice, once with every LED unlit and once with every LED lit. The LEDs a level
// lights are always the first ones of their column, so a frame is the unlit panel with one
// span of each column copied from the lit one: the same pixels as drawing LED by LED. With
// Antialias, when every span starts and ends on even pixels, the two panels are halved once
// and frames are put together at the final size: the box average of each 2 × 2 block then
// comes out the same as halving every frame.
class LedPanel
{
public:
    LedPanel(const LedLook &look, MeterOrientation orientation);
    ~LedPanel();
    LedPanel(const LedPanel &) = delete;
    LedPanel &operator=(const LedPanel &) = delete;

    // False until a layout is set, or when a font, the Retro texture or a panel could not
    // be made.
    explicit operator bool() const { return ready_; }
    const LedMetrics &metrics() const { return metrics_; }
    // Lays the panel out and draws its unlit and lit states.
    void SetLayout(LedLayout layout);
    const LedLayout &layout() const { return layout_; }

    // A new 24-bit packed image of the layout, column c lit up to levels[c], reduced by half
    // with Antialias; null when the panel is not ready or the image cannot be allocated.
    HGLOBAL Render(const int *levels) const;

private:
    bool DrawPanel(RenderSurface *surface, int level, HDC retro) const;
    bool SpansOnEvenPixels() const;
    void DrawTexts(HDC dc, const std::vector<PanelText> &texts) const;
    void DrawLed(HDC dc, const RECT &box, int led, int level) const;
    int LitLeds(int level) const;

    LedLook look_;
    LedMetrics metrics_;
    LedLayout layout_;
    int highlight_, shadow_;
    HFONT fonts_[2];
    RenderSurface unlit_ = {}, lit_ = {};         // as drawn
    RenderSurface halfUnlit_ = {}, halfLit_ = {}; // halved, when frames are put together halved
    mutable RenderSurface frame_ = {};            // where each frame is put together
    bool halved_ = false, ready_ = false;
};

// A bar (the spectrum: a group of columns) of a channel choice: the level it shows, left,
// right or combined (0, 1, 2), and the label it carries.
struct ChannelBar {
    int source;
    const char *label;
};
// One bar (Monoral, Left, Right) or two (Stereo, left first).
std::vector<ChannelBar> ChannelBars(int channels);

// A bar's or row's letter: the first character of its label.
PanelText Letter(const ChannelBar &bar, RECT box, PanelFont font);

// Upright columns of LEDs from the bottom up, gathered in one group per bar (the meter's
// group is its one column, the spectrum's its ten bands), the scale beside the groups
// (Stereo: on both sides) and the labels under them.
struct ColumnGroups {
    int columns;     // per group
    int width, gap;  // of a group, and between the two groups of Stereo
    bool wholeLabel; // the label's whole text, not its letter
};
LedLayout UprightLayout(const LedMetrics &metrics, const std::vector<ChannelBar> &bars,
                        int channels, const ColumnGroups &groups);

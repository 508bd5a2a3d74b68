#include "effects/led_meter.h"

#include "config/settings.h"
#include "effects/effect_frames.h"
#include "frame/global_block.h"
#include "frame/plugin_instance.h"
#include "imaging/colour_helpers.h"
#include "imaging/render_surface.h"
#include "imaging/resize_image.h"
#include "resources/resource_ids.h"
#include "ui/page_values.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>

namespace
{

// Page controls, counted from the page's "Low volume:" swatch.
enum LedControl : UINT {
    kLowSwatch = 0,
    kMediumSwatch = 2,
    kHighSwatch = 4,
    kBackgroundSwatch = 6,
    kTextSwatch = 8,
    kLedWidth = 12,
    kLedDepth = 14,
    kLeds = 18,
    kChannels = 20,
    kDarkCheck = 22,
    kRetroCheck = 23,
    kIncandescentCheck = 24,
    kEtchedCheck = 25,
    kScaleCheck = 27,
    kEtchSize = 28,
    kPadSize = 30,
    kLabelsCheck = 32,
};

constexpr int kRetroSize = 256;
constexpr int kSmallestScale = 16; // LEDs a column needs to carry a scale
constexpr int kSmallestLetterDepth = 6;

HFONT InstrumentFont(int height)
{
    return CreateFontA(height, 0, 0, 0, settings::AdvancedInstrumentFontBold ? FW_BOLD : FW_NORMAL,
                       0, 0, 0, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                       DEFAULT_QUALITY, DEFAULT_PITCH, settings::AdvancedInstrumentFontName);
}

SIZE TextSize(HDC dc, HFONT font, const char *text)
{
    SIZE size = {};
    HGDIOBJ previous = SelectObject(dc, font);
    GetTextExtentPoint32A(dc, text, lstrlenA(text), &size);
    SelectObject(dc, previous);
    return size;
}

// Lines one pixel wide, `thickness` of them inside the box: the top and left edges in one
// colour, the bottom and right edges in the other; each line leaves out its end point.
void DrawBevel(HDC dc, const RECT &box, int thickness, int topLeft, int bottomRight)
{
    HGDIOBJ previous = SelectObject(dc, GetStockObject(DC_PEN));
    for (int j = 0; j < thickness; j++) {
        const int l = box.left + j, t = box.top + j, r = box.right - j, b = box.bottom - j;
        SetDCPenColor(dc, topLeft);
        MoveToEx(dc, l, t, nullptr);
        LineTo(dc, r, t);
        MoveToEx(dc, l, t, nullptr);
        LineTo(dc, l, b);
        SetDCPenColor(dc, bottomRight);
        MoveToEx(dc, l, b - 1, nullptr);
        LineTo(dc, r, b - 1);
        MoveToEx(dc, r - 1, t, nullptr);
        LineTo(dc, r - 1, b);
    }
    SelectObject(dc, previous);
}

// The panel texture tinted half-way towards the background, ready to be tiled.
class RetroTexture
{
public:
    explicit RetroTexture(int background)
    {
        HRSRC found = FindResourceA(g_module, MAKEINTRESOURCEA(IDB_PANEL_TEXTURE), RT_BITMAP);
        HGLOBAL loaded = found ? LoadResource(g_module, found) : nullptr;
        const auto *texture =
            loaded ? static_cast<const PackedImage *>(LockResource(loaded)) : nullptr;
        if (!texture || texture->biBitCount != 24 || texture->biWidth != kRetroSize ||
            texture->biHeight != kRetroSize ||
            !CreateRenderSurface(kRetroSize, kRetroSize, &surface_))
            return;
        uint8_t tint[3];
        PixelBytes(background, tint);
        for (int y = 0; y < kRetroSize; y++) {
            const uint8_t *from = ImageRow(texture, y);
            uint8_t *to = ImageRow(surface_.header, y);
            for (int i = 0; i < 3 * kRetroSize; i += 3)
                for (int c = 0; c < 3; c++)
                    to[i + c] = static_cast<uint8_t>((from[i + c] + tint[c]) >> 1);
        }
        SyncRenderSurface(&surface_, kSyncImageToSection);
    }
    ~RetroTexture()
    {
        if (surface_.image)
            ReleaseRenderSurface(&surface_, 0);
    }
    RetroTexture(const RetroTexture &) = delete;
    RetroTexture &operator=(const RetroTexture &) = delete;

    // Null when the texture could not be made.
    HDC dc() const { return surface_.image ? surface_.memoryDC : nullptr; }

private:
    RenderSurface surface_ = {};
};

// A new surface holding the surface's image reduced by half.
bool HalveSurface(const RenderSurface &full, RenderSurface *half)
{
    GlobalBlock reduced(ResizeImage(full.image, 50, 50));
    GlobalLockGuard<PackedImage> image(reduced.get());
    if (!image || !CreateRenderSurface(image->biWidth, image->biHeight, half))
        return false;
    std::memcpy(ImagePixels(half->header), ImagePixels(image.get()),
                ImageStride(image->biWidth, 24) * image->biHeight);
    return SyncRenderSurface(half, kSyncImageToSection) != 0;
}

} // namespace

const int kScaleNumbers[5] = {0, 4, 12, 24, 48};

LedLook ReadLedLook(HWND dialog, UINT firstId)
{
    LedLook look;
    look.low = ReadSwatchColour(dialog, firstId + kLowSwatch);
    look.medium = ReadSwatchColour(dialog, firstId + kMediumSwatch);
    look.high = ReadSwatchColour(dialog, firstId + kHighSwatch);
    look.background = ReadSwatchColour(dialog, firstId + kBackgroundSwatch);
    look.text = ReadSwatchColour(dialog, firstId + kTextSwatch);
    look.channels = ReadChoice(dialog, firstId + kChannels, kStereo, kRightOnly);
    look.ledWidth = ReadSpinValue(dialog, firstId + kLedWidth);
    look.ledDepth = ReadSpinValue(dialog, firstId + kLedDepth);
    look.leds = ReadSpinValue(dialog, firstId + kLeds);
    look.etchSize = ReadSpinValue(dialog, firstId + kEtchSize);
    look.padSize = ReadSpinValue(dialog, firstId + kPadSize);
    look.dark = ReadCheck(dialog, firstId + kDarkCheck) != 0;
    look.retro = ReadCheck(dialog, firstId + kRetroCheck) != 0;
    look.incandescent = ReadCheck(dialog, firstId + kIncandescentCheck) != 0;
    look.etched = ReadCheck(dialog, firstId + kEtchedCheck) != 0;
    look.scale = ReadCheck(dialog, firstId + kScaleCheck) != 0;
    look.labels = ReadCheck(dialog, firstId + kLabelsCheck) != 0;
    look.antialias = ReadCheck(dialog, IDC_ANTIALIAS) != 0;
    return look;
}

LedPanel::LedPanel(const LedLook &look, MeterOrientation orientation) : look_(look)
{
    LedMetrics &m = metrics_;
    m.k = look.antialias ? 2 : 1;
    m.width = look.ledWidth * m.k;
    m.depth = look.ledDepth * m.k;
    m.count = std::max(look.leds, 1);
    m.pad = look.padSize * m.k;
    m.etch = look.etched ? look.etchSize * m.k : 0;
    m.gapV = settings::AdvancedDigitalVUInterledVertical * m.k;
    m.gapH = settings::AdvancedDigitalVUInterledHorizontal * m.k;
    m.edgeV = settings::AdvancedDigitalVUEdgePadVertical * m.k;
    m.edgeH = settings::AdvancedDigitalVUEdgePadHorizontal * m.k;
    m.groupGap = settings::AdvancedDigitalVUInterchannelHorizontal * m.k;

    const bool vertical = orientation == MeterOrientation::kVertical;
    fonts_[kScaleFont] = InstrumentFont(vertical ? 4 * m.depth : 3 * m.width);
    fonts_[kLetterFont] = InstrumentFont(vertical ? 4 * m.depth : m.depth);
    HDC dc = CreateCompatibleDC(nullptr);
    const SIZE digit = TextSize(dc, fonts_[kScaleFont], "4");
    m.letterWidth = TextSize(dc, fonts_[kLetterFont], "M").cx;
    DeleteDC(dc);
    m.digitWidth = digit.cx;
    m.scaleWidth = 2 * digit.cx;
    m.textHeight = digit.cy;
    m.scaleOn = look.scale && look.leds >= kSmallestScale;
    m.labelsOn =
        look.labels && (vertical ? m.digitWidth <= m.width : look.ledDepth >= kSmallestLetterDepth);

    const int background = look.background ? look.background : RGB(32, 32, 32);
    highlight_ = ScaleColour(background, settings::AdvancedDigitalVUEtchHighlight * 0.01);
    shadow_ = ScaleColour(background, settings::AdvancedDigitalVUEtchShadow * 0.01);
}

LedPanel::~LedPanel()
{
    for (RenderSurface *panel : {&unlit_, &lit_, &halfUnlit_, &halfLit_, &frame_})
        if (panel->image)
            ReleaseRenderSurface(panel, 0);
    for (HFONT font : fonts_)
        if (font)
            DeleteObject(font);
}

void LedPanel::SetLayout(LedLayout layout)
{
    layout_ = std::move(layout);
    if (!fonts_[kScaleFont] || !fonts_[kLetterFont])
        return;
    std::optional<RetroTexture> retro;
    if (look_.retro && !retro.emplace(look_.background).dc())
        return;
    const HDC texture = retro ? retro->dc() : nullptr;
    ready_ = DrawPanel(&unlit_, 0, texture) && DrawPanel(&lit_, 256, texture);
    halved_ = ready_ && look_.antialias && SpansOnEvenPixels() &&
              HalveSurface(unlit_, &halfUnlit_) && HalveSurface(lit_, &halfLit_);
    const PackedImage *size = (halved_ ? halfUnlit_ : unlit_).header;
    ready_ = ready_ && CreateRenderSurface(size->biWidth, size->biHeight, &frame_);
}

void LedPanel::DrawTexts(HDC dc, const std::vector<PanelText> &texts) const
{
    for (const PanelText &text : texts) {
        HGDIOBJ previous = SelectObject(dc, fonts_[text.font]);
        RECT box = text.box;
        DrawTextA(dc, text.text.c_str(), -1, &box,
                  text.alignment | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        SelectObject(dc, previous);
    }
}

// Expects the DC brush and the null pen selected.
void LedPanel::DrawLed(HDC dc, const RECT &box, int led, int level) const
{
    const LedMetrics &m = metrics_;
    const double threshold = led * 255.0 / m.count;
    const bool lit = level > threshold;
    if (!lit && !look_.dark)
        return;
    const int zone = threshold < settings::AdvancedDigitalVUYellowRange ? look_.low
                     : threshold < settings::AdvancedDigitalVURedRange  ? look_.medium
                                                                        : look_.high;
    const int dark = ScaleColour(zone, settings::AdvancedDigitalVUDarkFactor * 0.01);
    if (look_.incandescent) {
        // Rings from the background at the rim towards a bright centre.
        const int centre = lit ? ScaleColour(zone, 1.75) : dark;
        const int rings = std::max(std::min(m.width / 2, m.depth / 2) - 1, 1);
        const int tone = 255 / rings;
        for (int j = 0; j < rings; j++) {
            SetDCBrushColor(dc, BlendColours(centre, look_.background, j * tone));
            Ellipse(dc, box.left + j, box.top + j, box.right - j, box.bottom - j);
        }
        return;
    }
    SetDCBrushColor(dc, lit ? zone : dark);
    PatBlt(dc, box.left, box.top, box.right - box.left, box.bottom - box.top, PATCOPY);
    // Sunk into the panel: lit from the opposite side to the panel's raised frame.
    if (look_.etched && m.width >= 4 * m.k && m.depth >= 4 * m.k)
        DrawBevel(dc, box, m.k, shadow_, highlight_);
}

// Every LED at one level (0: none lit, 256: all lit) over the background, scale, bevel and
// labels; the panel keeps its DC for copying from.
bool LedPanel::DrawPanel(RenderSurface *panel, int level, HDC retro) const
{
    const LedMetrics &m = metrics_;
    const int width = layout_.width, height = layout_.height;
    if (!CreateRenderSurface(width, height, panel))
        return false;
    HDC dc = panel->memoryDC;
    if (retro) {
        for (int y = 0; y < height; y += kRetroSize)
            for (int x = 0; x < width; x += kRetroSize)
                BitBlt(dc, x, y, kRetroSize, kRetroSize, retro, 0, 0, SRCCOPY);
    } else {
        FillSurface(*panel, width, height, look_.background);
    }
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, look_.text);
    DrawTexts(dc, layout_.scale);
    if (m.etch)
        DrawBevel(dc, {0, 0, width, height}, m.etch, highlight_, shadow_);
    DrawTexts(dc, layout_.labels);

    HGDIOBJ previousBrush = SelectObject(dc, GetStockObject(DC_BRUSH));
    HGDIOBJ previousPen = SelectObject(dc, GetStockObject(NULL_PEN));
    for (int led = 0; led < m.count; led++)
        for (const LedColumn &column : layout_.columns) {
            const int x = column.x + led * column.dx, y = column.y + led * column.dy;
            DrawLed(dc, {x, y, x + m.width, y + m.depth}, led, level);
        }
    SelectObject(dc, previousPen);
    SelectObject(dc, previousBrush);
    return SyncRenderSurface(panel, kSyncSectionToImage) != 0;
}

bool LedPanel::SpansOnEvenPixels() const
{
    for (const LedColumn &c : layout_.columns)
        if ((c.x | c.y | c.dx | c.dy | metrics_.width | metrics_.depth) & 1)
            return false;
    return true;
}

int LedPanel::LitLeds(int level) const
{
    int lit = 0;
    while (lit < metrics_.count && level > lit * 255.0 / metrics_.count)
        lit++;
    return lit;
}

HGLOBAL LedPanel::Render(const int *levels) const
{
    if (!ready_)
        return nullptr;
    const RenderSurface &unlit = halved_ ? halfUnlit_ : unlit_;
    const RenderSurface &lit = halved_ ? halfLit_ : lit_;
    const int shrink = halved_ ? 2 : 1;
    HDC dc = frame_.memoryDC;
    BitBlt(dc, 0, 0, frame_.header->biWidth, frame_.header->biHeight, unlit.memoryDC, 0, 0,
           SRCCOPY);
    for (size_t c = 0; c < layout_.columns.size(); c++) {
        const int count = LitLeds(levels[c]);
        if (!count)
            continue;
        // From LED 0 to the last lit one, whichever way the column runs.
        const LedColumn &column = layout_.columns[c];
        const int lastX = column.x + (count - 1) * column.dx;
        const int lastY = column.y + (count - 1) * column.dy;
        const int left = std::min(column.x, lastX) / shrink;
        const int top = std::min(column.y, lastY) / shrink;
        const int right = (std::max(column.x, lastX) + metrics_.width) / shrink;
        const int bottom = (std::max(column.y, lastY) + metrics_.depth) / shrink;
        BitBlt(dc, left, top, right - left, bottom - top, lit.memoryDC, left, top, SRCCOPY);
    }
    if (!SyncRenderSurface(&frame_, kSyncSectionToImage))
        return nullptr;
    return look_.antialias && !halved_ ? ResizeImage(frame_.image, 50, 50)
                                       : DuplicateImage(frame_.image);
}

std::vector<ChannelBar> ChannelBars(int channels)
{
    const ChannelBar left = {0, settings::AdvancedLabelLeft};
    const ChannelBar right = {1, settings::AdvancedLabelRight};
    switch (channels) {
    case kMonoral:
        return {{2, settings::AdvancedLabelMono}};
    case kLeftOnly:
        return {left};
    case kRightOnly:
        return {right};
    default:
        return {left, right};
    }
}

PanelText Letter(const ChannelBar &bar, RECT box, PanelFont font)
{
    return {bar.label[0] ? std::string(1, bar.label[0]) : std::string(), box, DT_CENTER, font};
}

LedLayout UprightLayout(const LedMetrics &m, const std::vector<ChannelBar> &bars, int channels,
                        const ColumnGroups &groups)
{
    const bool stereo = bars.size() == 2;
    const int D = m.scaleWidth, E = m.textHeight, G = groups.width;
    const int P = m.pad, e = m.etch, LD = m.depth, n = m.count;
    LedLayout layout;
    layout.width = stereo ? 2 * G + groups.gap + 2 * P : G + 2 * P;
    if (m.scaleOn)
        layout.width += stereo ? 4 * m.edgeH + 2 * D : m.edgeH + D;
    layout.width += 2 * e;
    layout.height = (n - 1) * m.gapV + n * LD + 2 * P + m.edgeV + 2 * e;
    if (m.labelsOn)
        layout.height += 2 * m.gapV + E;

    int groupX = P + e;
    if (m.scaleOn && channels != kRightOnly)
        groupX += (stereo ? 2 : 1) * m.edgeH + D;
    const int bottomLed = P + e + m.gapV + (n - 1) * (LD + m.gapV);
    for (int b = 0; b < groups.columns; b++)
        for (size_t i = 0; i < bars.size(); i++) {
            const int x = groupX + static_cast<int>(i) * (G + groups.gap) + b * (m.width + m.gapH);
            layout.columns.push_back({x, bottomLed, 0, -(LD + m.gapV)});
        }
    const int letterTop = P + e + m.gapV + n * (LD + m.gapV);
    for (size_t i = 0; m.labelsOn && i < bars.size(); i++) {
        const int x = groupX + static_cast<int>(i) * (G + groups.gap);
        const RECT box = {x, letterTop, x + G, letterTop + E};
        layout.labels.push_back(groups.wholeLabel
                                    ? PanelText{bars[i].label, box, DT_CENTER, kLetterFont}
                                    : Letter(bars[i], box, kLetterFont));
    }
    if (m.scaleOn) {
        std::vector<int> xs;
        if (stereo)
            xs = {P + m.edgeH + e, groupX + G + groups.gap + G + m.edgeH};
        else
            xs = {channels == kRightOnly ? P + G + m.edgeH + e : P + e};
        const int step = ((m.gapV + LD) * n - 4 * LD) / 4;
        for (int x : xs)
            for (int i = 0; i < 5; i++) {
                const int top = P + e + i * step;
                layout.scale.push_back({std::to_string(kScaleNumbers[i]),
                                        {x, top, x + D, top + E},
                                        DT_CENTER,
                                        kScaleFont});
            }
    }
    return layout;
}

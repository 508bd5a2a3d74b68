// Writes the artwork of the instrument effects into the folder named on the command line,
// one "artworkNNNN.cpx" per CPX resource: "CPX_HEAD", the inflated size, the stream size,
// 1, 32 zero bytes, then a zlib stream of a complete packed image (header, colour table,
// bottom-up rows). Drawn with GDI at four times the size and averaged down; deterministic.
//
// 7208 and 7209: seven-segment glyph strips, black on white, the digits 0-9 in cells of
// 172 × 267 (86 × 133 in the small strip) and a colon in a narrower cell after them.
// 7213 and 7214: a stopwatch without hands (case, crown, a seconds dial centred on the
// seconds hand's pivot and a 60-minute sub-dial centred on the minutes hand's pivot) and
// its silhouette, black where the watch is.
//
// Also "texture7201.bmp", the panel texture of the LED meters' "Retro" look (256 × 256,
// true colour), an ordinary bitmap resource.
#include "bitmap_file.h"
#include "gdi_canvas.h"

#include <windows.h>
#include <zlib.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace
{

// The large strip's design, in its own pixels; the small strip is the same at half size.
constexpr int kStripWidth = 1774, kStripHeight = 267, kCellWidth = 172, kColonCell = 1720;
constexpr double kGlyphLeft = 18, kGlyphRight = 154, kGlyphTop = 12, kGlyphBottom = 255;
constexpr double kStroke = 26, kJoint = 3, kSlant = 0.06;
constexpr double kColonX = 27, kColonDot = 28, kColonUpper = 85, kColonLower = 182;

// Grey levels, one byte a pixel, top-down.
struct GreyImage {
    int width, height;
    std::vector<uint8_t> levels;
};

// Segments a-g (top, top right, bottom right, bottom, bottom left, top left, middle) lit
// for each digit.
constexpr uint8_t kDigitSegments[10] = {0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F};

// Maps design points to the canvas: the cell's origin, the strip's scale, the italic lean.
struct Placement {
    double originX, scale;

    POINT operator()(double x, double y) const
    {
        const double lean = (kGlyphTop + kGlyphBottom) / 2 - y;
        return {static_cast<LONG>(std::lround((originX + x + lean * kSlant) * scale * kScale)),
                static_cast<LONG>(std::lround(y * scale * kScale))};
    }
};

void FillPolygon(HDC dc, const Placement &place, const double (*points)[2], int count)
{
    POINT device[8];
    for (int i = 0; i < count; i++)
        device[i] = place(points[i][0], points[i][1]);
    Polygon(dc, device, count);
}

// A segment with pointed ends along one axis, from `from` to `to` at `across`.
void Segment(HDC dc, const Placement &place, bool horizontal, double across, double from, double to)
{
    const double h = kStroke / 2, a = from + kJoint, b = to - kJoint;
    const double along[6][2] = {{a, 0}, {a + h, -h}, {b - h, -h}, {b, 0}, {b - h, h}, {a + h, h}};
    double points[6][2];
    for (int i = 0; i < 6; i++) {
        points[i][0] = horizontal ? along[i][0] : across + along[i][1];
        points[i][1] = horizontal ? across + along[i][1] : along[i][0];
    }
    FillPolygon(dc, place, points, 6);
}

void Digit(HDC dc, const Placement &place, int digit)
{
    const double h = kStroke / 2;
    const double left = kGlyphLeft + h, right = kGlyphRight - h;
    const double top = kGlyphTop + h, bottom = kGlyphBottom - h, middle = (top + bottom) / 2;
    const struct {
        bool horizontal;
        double across, from, to;
    } segments[7] = {
        {true, top, left, right},    {false, right, top, middle},   {false, right, middle, bottom},
        {true, bottom, left, right}, {false, left, middle, bottom}, {false, left, top, middle},
        {true, middle, left, right},
    };
    for (int s = 0; s < 7; s++)
        if (kDigitSegments[digit] >> s & 1)
            Segment(dc, place, segments[s].horizontal, segments[s].across, segments[s].from,
                    segments[s].to);
}

void Colon(HDC dc, const Placement &place)
{
    const double r = kColonDot / 2;
    for (double y : {kColonUpper, kColonLower}) {
        const double dot[4][2] = {
            {kColonX - r, y - r}, {kColonX + r, y - r}, {kColonX + r, y + r}, {kColonX - r, y + r}};
        FillPolygon(dc, place, dot, 4);
    }
}

GreyImage GlyphStrip(double scale)
{
    const int width = static_cast<int>(kStripWidth * scale);
    const int height = static_cast<int>(kStripHeight * scale);
    Canvas canvas(width * kScale, height * kScale);
    HDC dc = canvas.dc();
    RECT all = {0, 0, width * kScale, height * kScale};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(BLACK_BRUSH));
    HGDIOBJ oldPen = SelectObject(dc, GetStockObject(NULL_PEN));
    for (int digit = 0; digit < 10; digit++)
        Digit(dc, {static_cast<double>(digit * kCellWidth), scale}, digit);
    Colon(dc, {static_cast<double>(kColonCell), scale});
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    const Picture reduced = canvas.Reduced();
    GreyImage out = {reduced.width, reduced.height, {}};
    for (size_t i = 0; i < reduced.bgr.size(); i += 3)
        out.levels.push_back(reduced.bgr[i]);
    return out;
}

BITMAPINFOHEADER Header(int width, int height, int bits, int stride, int colours)
{
    BITMAPINFOHEADER info = {};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = static_cast<WORD>(bits);
    info.biSizeImage = stride * height;
    info.biClrUsed = info.biClrImportant = colours;
    return info;
}

// The packed image of a grey picture: header, grey-ramp colour table, bottom-up rows.
std::vector<uint8_t> PackedGrey(const GreyImage &image)
{
    const int stride = (image.width + 3) & ~3;
    const BITMAPINFOHEADER info = Header(image.width, image.height, 8, stride, 256);
    std::vector<uint8_t> bytes(sizeof info + 4 * 256 + info.biSizeImage);
    std::memcpy(bytes.data(), &info, sizeof info);
    uint8_t *table = bytes.data() + sizeof info;
    for (int i = 0; i < 256; i++)
        std::memset(table + 4 * i, i, 3);
    uint8_t *rows = table + 4 * 256;
    for (int y = 0; y < image.height; y++)
        std::memcpy(rows + stride * (image.height - 1 - y), &image.levels[image.width * y],
                    image.width);
    return bytes;
}

// The stopwatch's design, in its own pixels.
constexpr int kWatchWidth = 558, kWatchHeight = 761;
constexpr double kDialX = 277, kDialY = 481, kSubDialY = 381;
constexpr double kCaseRadius = 265, kFaceRadius = 236, kSubDialRadius = 76;
constexpr double kPi = 3.14159265358979323846;

// GDI in design pixels on a kScale canvas.
class WatchPainter
{
public:
    explicit WatchPainter(HDC dc) : dc_(dc) {}

    void Disc(double x, double y, double r, COLORREF fill) const
    {
        HBRUSH brush = CreateSolidBrush(fill);
        HGDIOBJ oldBrush = SelectObject(dc_, brush);
        HGDIOBJ oldPen = SelectObject(dc_, GetStockObject(NULL_PEN));
        Ellipse(dc_, At(x - r), At(y - r), At(x + r), At(y + r));
        SelectObject(dc_, oldPen);
        SelectObject(dc_, oldBrush);
        DeleteObject(brush);
    }
    void Box(double left, double top, double right, double bottom, COLORREF fill) const
    {
        HBRUSH brush = CreateSolidBrush(fill);
        RECT box = {At(left), At(top), At(right), At(bottom)};
        FillRect(dc_, &box, brush);
        DeleteObject(brush);
    }
    // A flat-ended stroke along the radius at the angle (degrees clockwise from 12 o'clock).
    void Tick(double x, double y, double angle, double from, double to, double width) const
    {
        const double dx = std::sin(angle * kPi / 180), dy = -std::cos(angle * kPi / 180);
        const double h = width / 2;
        const POINT corners[4] = {
            {At(x + dx * from - dy * h), At(y + dy * from + dx * h)},
            {At(x + dx * to - dy * h), At(y + dy * to + dx * h)},
            {At(x + dx * to + dy * h), At(y + dy * to - dx * h)},
            {At(x + dx * from + dy * h), At(y + dy * from - dx * h)},
        };
        HGDIOBJ oldBrush = SelectObject(dc_, GetStockObject(BLACK_BRUSH));
        HGDIOBJ oldPen = SelectObject(dc_, GetStockObject(NULL_PEN));
        Polygon(dc_, corners, 4);
        SelectObject(dc_, oldPen);
        SelectObject(dc_, oldBrush);
    }
    void Numeral(double x, double y, double angle, double radius, int value, int height) const
    {
        const double cx = x + radius * std::sin(angle * kPi / 180);
        const double cy = y - radius * std::cos(angle * kPi / 180);
        HFONT font = CreateFontA(-height * kScale, 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET,
                                 OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY,
                                 VARIABLE_PITCH | FF_SWISS, "Arial");
        HGDIOBJ oldFont = SelectObject(dc_, font);
        SetBkMode(dc_, TRANSPARENT);
        SetTextColor(dc_, RGB(20, 20, 20));
        RECT box = {At(cx - 40), At(cy - 30), At(cx + 40), At(cy + 30)};
        const std::string text = std::to_string(value);
        DrawTextA(dc_, text.c_str(), -1, &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        SelectObject(dc_, oldFont);
        DeleteObject(font);
    }

private:
    static LONG At(double v) { return static_cast<LONG>(std::lround(v * kScale)); }
    HDC dc_;
};

// The outline every part of the watch shares: the case, the crown's stem and knob and the
// ring above it, filled in one colour (the silhouette's black, or the metal's darkest rim).
void WatchOutline(const WatchPainter &paint, COLORREF colour, COLORREF hole)
{
    paint.Disc(kDialX, 78, 50, colour);
    paint.Disc(kDialX, 78, 33, hole);
    paint.Box(kDialX - 16, 118, kDialX + 16, kDialY - kCaseRadius + 20, colour);
    paint.Box(kDialX - 34, 126, kDialX + 34, 186, colour);
    paint.Disc(kDialX, kDialY, kCaseRadius, colour);
}

Picture StopwatchDial()
{
    Canvas canvas(kWatchWidth * kScale, kWatchHeight * kScale);
    const WatchPainter paint(canvas.dc());
    const COLORREF white = RGB(255, 255, 255);
    paint.Box(0, 0, kWatchWidth, kWatchHeight, white);
    WatchOutline(paint, RGB(70, 72, 76), white);
    // Brushed metal: the ring, the crown's knurling and the stem catch the light.
    paint.Disc(kDialX, 78, 46, RGB(196, 198, 202));
    paint.Disc(kDialX, 78, 37, white);
    paint.Box(kDialX - 12, 122, kDialX + 12, kDialY - kCaseRadius + 20, RGB(176, 178, 182));
    paint.Box(kDialX - 30, 130, kDialX + 30, 182, RGB(188, 190, 194));
    for (int k = -5; k <= 5; k++)
        paint.Box(kDialX + 5 * k - 1, 132, kDialX + 5 * k + 1, 180, RGB(120, 122, 126));
    const struct {
        double radius;
        COLORREF colour;
    } rings[] = {
        {kCaseRadius - 3, RGB(150, 152, 156)},  {kCaseRadius - 8, RGB(222, 224, 228)},
        {kCaseRadius - 16, RGB(190, 192, 196)}, {kCaseRadius - 24, RGB(120, 122, 126)},
        {kFaceRadius, RGB(40, 40, 40)},         {kFaceRadius - 3, RGB(248, 246, 238)},
    };
    for (const auto &ring : rings)
        paint.Disc(kDialX, kDialY, ring.radius, ring.colour);
    // The seconds dial: 60 marks, the fifth ones long, with their numerals inside.
    for (int s = 0; s < 60; s++) {
        const bool major = s % 5 == 0;
        paint.Tick(kDialX, kDialY, 6 * s, major ? 198 : 212, 226, major ? 5 : 2.5);
        if (major && s) // the sub-dial takes the place of the 60
            paint.Numeral(kDialX, kDialY, 6 * s, 176, s, 24);
    }
    // The minutes sub-dial, sunk a shade below the face.
    paint.Disc(kDialX, kSubDialY, kSubDialRadius + 2, RGB(60, 60, 60));
    paint.Disc(kDialX, kSubDialY, kSubDialRadius, RGB(236, 234, 226));
    for (int m = 0; m < 60; m++) {
        const bool major = m % 5 == 0;
        paint.Tick(kDialX, kSubDialY, 6 * m, major ? 62 : 68, kSubDialRadius - 3, major ? 3 : 1.5);
        if (m % 15 == 0)
            paint.Numeral(kDialX, kSubDialY, 6 * m, 46, m ? m : 60, 15);
    }
    paint.Disc(kDialX, kSubDialY, 5, RGB(30, 30, 30));
    paint.Disc(kDialX, kDialY, 8, RGB(30, 30, 30));
    return canvas.Reduced();
}

Picture StopwatchMask()
{
    Canvas canvas(kWatchWidth * kScale, kWatchHeight * kScale);
    const WatchPainter paint(canvas.dc());
    paint.Box(0, 0, kWatchWidth, kWatchHeight, RGB(255, 255, 255));
    WatchOutline(paint, RGB(0, 0, 0), RGB(255, 255, 255));
    return canvas.Reduced();
}

// The packed image of a colour picture: header, bottom-up rows of blue, green, red.
std::vector<uint8_t> PackedColour(const Picture &picture)
{
    const int stride = (picture.width * 3 + 3) & ~3;
    const BITMAPINFOHEADER info = Header(picture.width, picture.height, 24, stride, 0);
    std::vector<uint8_t> bytes(sizeof info + info.biSizeImage);
    std::memcpy(bytes.data(), &info, sizeof info);
    uint8_t *rows = bytes.data() + sizeof info;
    for (int y = 0; y < picture.height; y++)
        std::memcpy(rows + stride * (picture.height - 1 - y), &picture.bgr[3 * picture.width * y],
                    3 * picture.width);
    return bytes;
}

// The panel texture: fine brushed metal with a warm cast. Long and short streaks run along
// the rows (noise averaged over windows that wrap round the row), rows drift a little in
// brightness, a slow swell of whole periods crosses the tile and a pixel grain lies on top.
// Every term wraps at the edges, so the tile repeats without a seam.
constexpr int kPanelTexture = 256;

// One row of noise averaged over a window of 2 × reach + 1 pixels, wrapping.
std::vector<double> Streaks(Noise *grain, int reach, int amplitude)
{
    std::vector<int> raw(kPanelTexture);
    for (int &value : raw)
        value = grain->Next(2 * amplitude + 1) - amplitude;
    std::vector<double> row(kPanelTexture);
    for (int x = 0; x < kPanelTexture; x++) {
        int sum = 0;
        for (int k = -reach; k <= reach; k++)
            sum += raw[(x + k + kPanelTexture) % kPanelTexture];
        row[x] = static_cast<double>(sum) / (2 * reach + 1);
    }
    return row;
}

Picture PanelTexture()
{
    Noise grain(7201);
    std::vector<double> drift(kPanelTexture);
    for (double &value : drift)
        value = grain.Next(9) - 4;
    Picture out = {kPanelTexture, kPanelTexture, {}};
    out.bgr.resize(3 * kPanelTexture * kPanelTexture);
    for (int y = 0; y < kPanelTexture; y++) {
        const std::vector<double> streaks = Streaks(&grain, 24, 70);
        const std::vector<double> fineStreaks = Streaks(&grain, 3, 24);
        const double rowDrift = (drift[(y + kPanelTexture - 1) % kPanelTexture] + 2 * drift[y] +
                                 drift[(y + 1) % kPanelTexture]) /
                                4;
        for (int x = 0; x < kPanelTexture; x++) {
            const double swell = 5 * std::sin(2 * kPi * (x + 2.0 * y) / kPanelTexture) +
                                 3 * std::cos(2 * kPi * (3.0 * x - y) / kPanelTexture);
            const double level =
                118 + streaks[x] + fineStreaks[x] + rowDrift + swell + grain.Next(7) - 3;
            const int warm[3] = {-5, 1, 5}; // blue, green, red
            uint8_t *p = &out.bgr[3 * (y * kPanelTexture + x)];
            for (int c = 0; c < 3; c++)
                p[c] = static_cast<uint8_t>(std::clamp(static_cast<int>(level) + warm[c], 0, 255));
        }
    }
    return out;
}

void PutLittleEndian(uint8_t *at, uint32_t value)
{
    for (int i = 0; i < 4; i++)
        at[i] = static_cast<uint8_t>(value >> (8 * i));
}

bool WriteArtwork(const std::string &folder, int id, const std::vector<uint8_t> &image)
{
    uLongf streamBytes = compressBound(image.size());
    std::vector<uint8_t> resource(52 + streamBytes);
    if (compress2(resource.data() + 52, &streamBytes, image.data(), image.size(), 9) != Z_OK)
        return false;
    resource.resize(52 + streamBytes);
    std::memcpy(resource.data(), "CPX_HEAD", 8);
    PutLittleEndian(&resource[8], static_cast<uint32_t>(image.size()));
    PutLittleEndian(&resource[12], static_cast<uint32_t>(streamBytes));
    PutLittleEndian(&resource[16], 1);

    const std::string path = folder + "artwork" + std::to_string(id) + ".cpx";
    FILE *out = std::fopen(path.c_str(), "wb");
    if (!out)
        return false;
    const bool written = std::fwrite(resource.data(), 1, resource.size(), out) == resource.size();
    return std::fclose(out) == 0 && written;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: artwork_resources FOLDER\n");
        return 2;
    }
    const std::string folder = std::string(argv[1]) + "/";
    const bool ok = WriteArtwork(folder, 7208, PackedGrey(GlyphStrip(1.0))) &&
                    WriteArtwork(folder, 7209, PackedGrey(GlyphStrip(0.5))) &&
                    WriteArtwork(folder, 7213, PackedColour(StopwatchDial())) &&
                    WriteArtwork(folder, 7214, PackedColour(StopwatchMask())) &&
                    WriteBitmap(folder + "texture7201.bmp", PanelTexture(), nullptr, 24);
    if (!ok)
        std::fprintf(stderr, "artwork_resources: cannot write into %s\n", argv[1]);
    return ok ? 0 : 1;
}

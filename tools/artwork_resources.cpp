// Writes the artwork of the instrument effects into the folder named on the command line,
// one "artworkNNNN.cpx" per CPX resource: "CPX_HEAD", the inflated size, the stream size,
// 1, 32 zero bytes, then a zlib stream of a complete packed image (header, colour table,
// bottom-up rows). Drawn with GDI at four times the size and averaged down; deterministic.
//
// 7208 and 7209: seven-segment glyph strips, black on white, the digits 0-9 in cells of
// 172 × 267 (86 × 133 in the small strip) and a colon in a narrower cell after them.
#include "gdi_canvas.h"

#include <windows.h>
#include <zlib.h>

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

// The packed image of a grey picture: header, grey-ramp colour table, bottom-up rows.
std::vector<uint8_t> PackedGrey(const GreyImage &image)
{
    const int stride = (image.width + 3) & ~3;
    BITMAPINFOHEADER info = {};
    info.biSize = sizeof info;
    info.biWidth = image.width;
    info.biHeight = image.height;
    info.biPlanes = 1;
    info.biBitCount = 8;
    info.biSizeImage = stride * image.height;
    info.biClrUsed = info.biClrImportant = 256;
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
                    WriteArtwork(folder, 7209, PackedGrey(GlyphStrip(0.5)));
    if (!ok)
        std::fprintf(stderr, "artwork_resources: cannot write into %s\n", argv[1]);
    return ok ? 0 : 1;
}

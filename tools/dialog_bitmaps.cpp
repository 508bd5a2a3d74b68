// Writes the bitmaps of the plug-in's dialogs into the folder named on the command line:
// "logo10000.bmp" .. "logo10023.bmp", the 24 pictures of the animated emblem (50 × 49, true
// colour: a dial whose radar sweep goes once round, with the product's "Z" in the middle),
// and "texture7011.bmp", the brushed-metal texture of the dialog backgrounds (200 × 250,
// 256 greys centred on mid-grey, so that tinting it gives the tint colour). Drawn with GDI
// at four times the size and averaged down; deterministic (a fixed-seed generator, no
// clock).
#include "bitmap_file.h"
#include "gdi_canvas.h"

#include <windows.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace
{

constexpr int kLogoWidth = 50, kLogoHeight = 49, kLogoFrames = 24;
constexpr int kTextureWidth = 200, kTextureHeight = 250;
constexpr double kPi = 3.14159265358979323846;

void Shape(HDC dc, COLORREF fill, COLORREF line, int lineWidth, void (*draw)(HDC, const int *),
           const int *points)
{
    HBRUSH brush = fill == CLR_INVALID ? static_cast<HBRUSH>(GetStockObject(NULL_BRUSH))
                                       : CreateSolidBrush(fill);
    HPEN pen = line == CLR_INVALID ? static_cast<HPEN>(GetStockObject(NULL_PEN))
                                   : CreatePen(PS_SOLID, lineWidth, line);
    HGDIOBJ oldBrush = SelectObject(dc, brush);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    draw(dc, points);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    if (fill != CLR_INVALID)
        DeleteObject(brush);
    if (line != CLR_INVALID)
        DeleteObject(pen);
}

void DrawEllipse(HDC dc, const int *p)
{
    Ellipse(dc, p[0], p[1], p[2], p[3]);
}
void DrawRoundRect(HDC dc, const int *p)
{
    RoundRect(dc, p[0], p[1], p[2], p[3], p[4], p[4]);
}
void DrawPie(HDC dc, const int *p)
{
    Pie(dc, p[0], p[1], p[2], p[3], p[4], p[5], p[6], p[7]);
}
void DrawLine(HDC dc, const int *p)
{
    MoveToEx(dc, p[0], p[1], nullptr);
    LineTo(dc, p[2], p[3]);
}
void DrawZ(HDC dc, const int *p)
{
    Polygon(dc, reinterpret_cast<const POINT *>(p + 1), p[0]);
}

// A point at radius r and angle (degrees, clockwise from up) about the centre.
POINT Polar(int cx, int cy, double r, double degrees)
{
    const double a = degrees * kPi / 180;
    return {cx + static_cast<LONG>(std::lround(r * std::sin(a))),
            cy - static_cast<LONG>(std::lround(r * std::cos(a)))};
}

Picture LogoFrame(int frame)
{
    const int w = kLogoWidth * kScale, h = kLogoHeight * kScale;
    const int cx = w / 2, cy = h / 2, r = 88;
    Canvas canvas(w, h);
    HDC dc = canvas.dc();
    const int panel[] = {0, 0, w, h, 40};
    Shape(dc, RGB(46, 52, 64), RGB(20, 22, 28), 6, DrawRoundRect, panel);
    const int bezel[] = {cx - r - 8, cy - r - 8, cx + r + 8, cy + r + 8};
    Shape(dc, RGB(168, 176, 188), RGB(90, 96, 108), 4, DrawEllipse, bezel);
    const int face[] = {cx - r, cy - r, cx + r, cy + r};
    Shape(dc, RGB(8, 36, 24), RGB(30, 70, 48), 3, DrawEllipse, face);

    // The sweep: a bright leading wedge and a trail that fades behind it.
    const double lead = frame * 360.0 / kLogoFrames;
    for (int step = 6; step >= 0; step--) {
        const double from = lead - 12 * (step + 1), to = lead - 12 * step;
        const POINT a = Polar(cx, cy, r, to), b = Polar(cx, cy, r, from);
        const int glow = 200 - 26 * step;
        const int pie[] = {cx - r, cy - r, cx + r, cy + r, a.x, a.y, b.x, b.y};
        Shape(dc, RGB(glow / 5, glow, glow / 2), CLR_INVALID, 1, DrawPie, pie);
    }
    for (int ring = 1; ring <= 2; ring++) {
        const int rr = r * ring / 3;
        const int circle[] = {cx - rr, cy - rr, cx + rr, cy + rr};
        Shape(dc, CLR_INVALID, RGB(60, 140, 90), 2, DrawEllipse, circle);
    }
    for (int tick = 0; tick < 12; tick++) {
        const POINT a = Polar(cx, cy, r - (tick % 3 ? 8 : 16), tick * 30.0);
        const POINT b = Polar(cx, cy, r - 2, tick * 30.0);
        const int line[] = {a.x, a.y, b.x, b.y};
        Shape(dc, CLR_INVALID, RGB(150, 230, 170), tick % 3 ? 3 : 6, DrawLine, line);
    }
    const POINT tip = Polar(cx, cy, r - 4, lead);
    const int needle[] = {cx, cy, tip.x, tip.y};
    Shape(dc, CLR_INVALID, RGB(210, 255, 220), 5, DrawLine, needle);

    // The emblem's "Z", amber with a dark outline.
    const int z[] = {10,      cx - 40, cy - 44, cx + 40, cy - 44, cx + 40, cy - 28,
                     cx - 14, cy + 28, cx + 40, cy + 28, cx + 40, cy + 44, cx - 40,
                     cy + 44, cx - 40, cy + 28, cx + 14, cy - 28, cx - 40, cy - 28};
    Shape(dc, RGB(255, 186, 40), RGB(70, 36, 0), 6, DrawZ, z);
    return canvas.Reduced();
}

// Brushed metal: every row is noise smeared along the row (wrapping, so the texture tiles),
// plus a faint row-to-row grain and a soft diagonal sheen of whole periods.
Picture Texture()
{
    Noise noise(7011);
    Picture out = {kTextureWidth, kTextureHeight, {}};
    out.bgr.resize(3 * kTextureWidth * kTextureHeight);
    std::vector<int> raw(kTextureWidth);
    for (int y = 0; y < kTextureHeight; y++) {
        for (int &value : raw)
            value = noise.Next(41) - 20;
        const int grain = noise.Next(9) - 4;
        for (int x = 0; x < kTextureWidth; x++) {
            int sum = 0;
            for (int k = -6; k <= 6; k++)
                sum += raw[(x + k + kTextureWidth) % kTextureWidth];
            const double sheen = 6 * std::sin(2 * kPi * (x / 200.0 + y / 250.0));
            const int level = 128 + sum / 5 + grain + static_cast<int>(sheen);
            const uint8_t v = static_cast<uint8_t>(level < 0 ? 0 : level > 255 ? 255 : level);
            uint8_t *p = &out.bgr[3 * (y * kTextureWidth + x)];
            p[0] = p[1] = p[2] = v;
        }
    }
    return out;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: dialog_bitmaps FOLDER\n");
        return 2;
    }
    const std::string folder = std::string(argv[1]) + "/";
    bool ok = true;
    for (int frame = 0; frame < kLogoFrames; frame++)
        ok &= WriteBitmap(folder + "logo" + std::to_string(10000 + frame) + ".bmp",
                          LogoFrame(frame), nullptr, 24);
    RGBQUAD greys[256];
    for (int i = 0; i < 256; i++)
        greys[i] = {static_cast<BYTE>(i), static_cast<BYTE>(i), static_cast<BYTE>(i), 0};
    ok &= WriteBitmap(folder + "texture7011.bmp", Texture(), greys, 8);
    if (!ok)
        std::fprintf(stderr, "dialog_bitmaps: cannot write into %s\n", argv[1]);
    return ok ? 0 : 1;
}

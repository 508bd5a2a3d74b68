#include "imaging/dialog_background.h"
#include "imaging/image_drawing.h"

#include "config/settings.h"
#include "frame/global_block.h"
#include "frame/plugin_instance.h"
#include "imaging/packed_image.h"
#include "support/heap_census.h"

#include <gtest/gtest.h>

namespace
{

// A 24-bit DIB section selected into a memory DC, cleared to a marker colour.
class Canvas
{
public:
    Canvas(int width, int height)
    {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 24;
        dc_ = CreateCompatibleDC(nullptr);
        section_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, nullptr, nullptr, 0);
        previous_ = SelectObject(dc_, section_);
        RECT all = {0, 0, width, height};
        HBRUSH marker = CreateSolidBrush(RGB(1, 2, 3));
        FillRect(dc_, &all, marker);
        DeleteObject(marker);
    }
    ~Canvas()
    {
        SelectObject(dc_, previous_);
        DeleteObject(section_);
        DeleteDC(dc_);
    }
    HDC dc() const { return dc_; }
    COLORREF At(int x, int y) const { return GetPixel(dc_, x, y); }

private:
    HDC dc_;
    HBITMAP section_;
    HGDIOBJ previous_;
};

TEST(ImageDrawing, DrawsPaletteAndTrueColourImagesOneToOne)
{
    uint8_t palette[kPaletteBytes] = {0, 0, 0, 255, 0, 0, 0, 0, 255};
    GlobalBlock paletted(CreatePackedImage(3, 2, palette, 8));
    GlobalBlock trueColour(CreatePackedImage(2, 2, nullptr, 24));
    {
        GlobalLockGuard<PackedImage> image(paletted.get());
        SetImagePixel(image.get(), 0, 0, 1);
        SetImagePixel(image.get(), 2, 1, 2);
        GlobalLockGuard<PackedImage> other(trueColour.get());
        SetImagePixel(other.get(), 1, 0, RGB(10, 20, 30));
    }
    Canvas canvas(10, 10);
    HeapCensus census;
    DrawPackedImage(canvas.dc(), 4, 5, paletted.get());
    DrawPackedImage(canvas.dc(), 0, 0, trueColour.get());
    DrawPackedImage(canvas.dc(), 0, 0, nullptr);
    EXPECT_EQ(0, census.Leaked());
    EXPECT_EQ(RGB(255, 0, 0), canvas.At(4, 5));
    EXPECT_EQ(RGB(0, 0, 255), canvas.At(6, 6));
    EXPECT_EQ(RGB(0, 0, 0), canvas.At(5, 5));
    EXPECT_EQ(RGB(1, 2, 3), canvas.At(7, 5)); // outside the image
    EXPECT_EQ(RGB(10, 20, 30), canvas.At(1, 0));
}

TEST(ImageDrawing, PaletteHolderSizesAndReleases)
{
    const uint8_t palette[kPaletteBytes] = {};
    Canvas canvas(1, 1);
    struct Case {
        int count;
        bool made;
        int entries;
    } cases[] = {{2, true, 16}, {16, true, 16}, {17, true, 256}, {256, true, 256}, {257, false, 0}};
    for (const Case &c : cases) {
        PaletteHolder holder;
        ASSERT_EQ(1, SelectImagePalette(canvas.dc(), &holder, palette, c.count));
        EXPECT_EQ(c.made, holder.palette != nullptr) << c.count;
        if (holder.palette) {
            EXPECT_EQ(c.entries, GetPaletteEntries(holder.palette, 0, 0, nullptr)) << c.count;
        }
        ReleaseImagePalette(canvas.dc(), &holder);
        EXPECT_EQ(nullptr, holder.palette);
        EXPECT_EQ(nullptr, holder.memory);
    }
}

TEST(DialogBackground, TiledTextureOrPlainFace)
{
    g_module = GetModuleHandleA(nullptr);
    HWND window =
        CreateWindowA("static", "", WS_POPUP, 0, 0, 450, 520, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, window);
    Canvas canvas(450, 520);
    const int saved = settings::SolidBackground;

    settings::SolidBackground = 1;
    EXPECT_EQ(0, PaintDialogBackground(window, canvas.dc()));
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), canvas.At(300, 200));

    settings::SolidBackground = 0;
    ASSERT_GT(ScreenColourDepth(), 8) << "the bench's screen is true colour";
    EXPECT_EQ(1, PaintDialogBackground(window, canvas.dc()));
    // The 200 × 250 texture repeats across and down the client area.
    for (POINT p : {POINT{3, 7}, POINT{120, 40}, POINT{61, 199}}) {
        EXPECT_EQ(canvas.At(p.x, p.y), canvas.At(p.x + 200, p.y));
        EXPECT_EQ(canvas.At(p.x, p.y), canvas.At(p.x, p.y + 250));
    }
    EXPECT_NE(canvas.At(3, 7), canvas.At(120, 40)) << "a texture, not a plain fill";
    settings::SolidBackground = saved;
    DestroyWindow(window);
}

} // namespace

#include "imaging/dialog_background.h"

#include "config/settings.h"
#include "frame/plugin_instance.h"
#include "imaging/colour_helpers.h"
#include "imaging/image_drawing.h"
#include "imaging/palette_search.h"
#include "resources/resource_ids.h"

#include <cstring>
#include <vector>

namespace
{

// A light face colour would wash the texture out: tint towards the shadow colour instead.
int TextureTint()
{
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    if (Luminance(GetRValue(face), GetGValue(face), GetBValue(face)) > 200)
        return static_cast<int>(GetSysColor(COLOR_BTNSHADOW));
    return static_cast<int>(face);
}

// A writable copy of the texture resource (header, colour table, pixels), empty when the
// resource cannot be found.
std::vector<uint8_t> LoadTexture()
{
    HRSRC found = FindResourceA(g_module, MAKEINTRESOURCEA(IDB_DIALOG_TEXTURE), RT_BITMAP);
    HGLOBAL loaded = found ? LoadResource(g_module, found) : nullptr;
    const void *bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes)
        return {};
    const uint8_t *start = static_cast<const uint8_t *>(bytes);
    return std::vector<uint8_t>(start, start + SizeofResource(g_module, found));
}

void TileBitmap(HDC dc, HBITMAP bitmap, int width, int height, const RECT &area)
{
    HDC source = CreateCompatibleDC(dc);
    if (!source)
        return;
    HGDIOBJ previous = SelectObject(source, bitmap);
    for (int y = 0; y < area.bottom; y += height)
        for (int x = 0; x < area.right; x += width)
            BitBlt(dc, x, y, width, height, source, 0, 0, SRCCOPY);
    SelectObject(source, previous);
    DeleteDC(source);
}

} // namespace

int ScreenColourDepth()
{
    HDC screen = GetDC(nullptr);
    const int depth = GetDeviceCaps(screen, PLANES) * GetDeviceCaps(screen, BITSPIXEL);
    ReleaseDC(nullptr, screen);
    return depth;
}

int PaintDialogBackground(HWND window, HDC dc)
{
    RECT client;
    GetClientRect(window, &client);
    if (ScreenColourDepth() < 9 || settings::SolidBackground) {
        FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
        return 0;
    }
    std::vector<uint8_t> texture = LoadTexture();
    if (texture.size() < sizeof(BITMAPINFOHEADER))
        return 1;
    auto *image = reinterpret_cast<PackedImage *>(texture.data());
    TintImage(image, TextureTint());

    uint8_t palette[kPaletteBytes];
    PaletteHolder holder;
    SelectImagePalette(dc, &holder, palette, GetImagePalette(image, palette));
    if (HBITMAP bitmap = CreateImageBitmap(dc, image)) {
        TileBitmap(dc, bitmap, image->biWidth, image->biHeight, client);
        DeleteObject(bitmap);
    }
    ReleaseImagePalette(dc, &holder);
    return 1;
}

#include "imaging/image_drawing.h"

#include "frame/global_block.h"
#include "imaging/packed_image.h"

#include <cstring>

namespace
{

int LogicalPaletteSize(int count)
{
    return count <= 16 ? 16 : 256;
}

// Holds a memory DC for the life of one copy.
class MemoryDC
{
public:
    MemoryDC(HDC dc, HBITMAP bitmap)
        : dc_(CreateCompatibleDC(dc)),
          previous_(dc_ ? static_cast<HBITMAP>(SelectObject(dc_, bitmap)) : nullptr)
    {
    }
    ~MemoryDC()
    {
        if (!dc_)
            return;
        SelectObject(dc_, previous_);
        DeleteDC(dc_);
    }
    MemoryDC(const MemoryDC &) = delete;
    MemoryDC &operator=(const MemoryDC &) = delete;
    HDC get() const { return dc_; }

private:
    HDC dc_;
    HBITMAP previous_;
};

} // namespace

int SelectImagePalette(HDC dc, PaletteHolder *holder, const uint8_t *palette, int count)
{
    *holder = {};
    if (count > 256)
        return 1;
    const int entries = LogicalPaletteSize(count);
    GlobalBlock memory(GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT,
                                   sizeof(LOGPALETTE) + entries * sizeof(PALETTEENTRY)));
    GlobalLockGuard<LOGPALETTE> logical(memory.get());
    if (!logical)
        return 0;
    logical->palVersion = 0x300;
    logical->palNumEntries = static_cast<WORD>(entries);
    for (int i = 0; i < entries; i++)
        logical->palPalEntry[i] = {palette[3 * i], palette[3 * i + 1], palette[3 * i + 2], 0};
    holder->palette = CreatePalette(logical.get());
    if (!holder->palette)
        return 0;
    holder->previous = SelectPalette(dc, holder->palette, FALSE);
    RealizePalette(dc);
    holder->memory = memory.release();
    return 1;
}

void ReleaseImagePalette(HDC dc, PaletteHolder *holder)
{
    if (holder->palette) {
        SelectPalette(dc, holder->previous, FALSE);
        DeleteObject(holder->palette);
    }
    if (holder->memory)
        GlobalFree(holder->memory);
    *holder = {};
}

HBITMAP CreateImageBitmap(HDC dc, const BITMAPINFOHEADER *image)
{
    return CreateDIBitmap(dc, image, CBM_INIT,
                          reinterpret_cast<const uint8_t *>(image) +
                              ImagePixelOffset(image->biBitCount),
                          reinterpret_cast<const BITMAPINFO *>(image), DIB_RGB_COLORS);
}

void DrawPackedImage(HDC dc, int x, int y, HGLOBAL handle)
{
    GlobalLockGuard<PackedImage> image(handle);
    if (!image)
        return;
    PaletteHolder holder = {};
    if (image->biBitCount <= 8) {
        uint8_t palette[kPaletteBytes];
        SelectImagePalette(dc, &holder, palette, GetImagePalette(image.get(), palette));
    }
    if (HBITMAP bitmap = CreateImageBitmap(dc, image.get())) {
        {
            MemoryDC source(dc, bitmap);
            if (source.get())
                BitBlt(dc, x, y, image->biWidth, image->biHeight, source.get(), 0, 0, SRCCOPY);
        }
        DeleteObject(bitmap);
    }
    ReleaseImagePalette(dc, &holder);
}

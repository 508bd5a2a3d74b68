#include "imaging/render_surface.h"

#include <cstring>

namespace
{

size_t PixelBytes(const PackedImage *header)
{
    return static_cast<size_t>(ImageStride(header->biWidth, header->biBitCount)) * header->biHeight;
}

} // namespace

int CreateRenderSurface(int width, int height, RenderSurface *surface)
{
    *surface = RenderSurface{};
    surface->screenDC = GetDC(nullptr);
    if (surface->screenDC)
        surface->memoryDC = CreateCompatibleDC(surface->screenDC);
    if (surface->memoryDC)
        surface->image = CreatePackedImage(width, height, nullptr, 24);
    if (surface->image)
        surface->header = static_cast<PackedImage *>(GlobalLock(surface->image));
    if (surface->header)
        surface->section =
            CreateDIBSection(surface->memoryDC, reinterpret_cast<BITMAPINFO *>(surface->header),
                             DIB_RGB_COLORS, &surface->sectionBits, nullptr, 0);
    if (!surface->section || !surface->sectionBits) {
        ReleaseRenderSurface(surface, 0);
        return 0;
    }

    GdiFlush();
    // Isotropic mapping with equal extents: one logical unit is one pixel, y grows downward.
    SetMapMode(surface->memoryDC, MM_ISOTROPIC);
    surface->previousBitmap =
        static_cast<HBITMAP>(SelectObject(surface->memoryDC, surface->section));
    if (!surface->previousBitmap) {
        ReleaseRenderSurface(surface, 0);
        return 0;
    }
    SetWindowExtEx(surface->memoryDC, width, height, nullptr);
    SetViewportExtEx(surface->memoryDC, width, height, nullptr);
    return 1;
}

int SyncRenderSurface(RenderSurface *surface, int flags)
{
    if (flags & kSyncSectionToImage) {
        GdiFlush();
        std::memcpy(ImagePixels(surface->header), surface->sectionBits,
                    PixelBytes(surface->header));
    }
    if (flags & kSyncImageToSection)
        std::memcpy(surface->sectionBits, ImagePixels(surface->header),
                    PixelBytes(surface->header));
    return 1;
}

int ReleaseRenderSurface(RenderSurface *surface, int keep)
{
    if (surface->header && surface->sectionBits && surface->previousBitmap)
        SyncRenderSurface(surface, kSyncSectionToImage);
    if (surface->previousBitmap)
        SelectObject(surface->memoryDC, surface->previousBitmap);
    if (surface->section)
        DeleteObject(surface->section);
    if (surface->memoryDC)
        DeleteDC(surface->memoryDC);
    if (surface->screenDC)
        ReleaseDC(nullptr, surface->screenDC);
    if (surface->header)
        GlobalUnlock(surface->image);

    HGLOBAL image = surface->image;
    *surface = RenderSurface{};
    if (keep)
        surface->image = image;
    else if (image)
        GlobalFree(image);
    return 1;
}

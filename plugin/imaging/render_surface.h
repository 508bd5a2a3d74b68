// A render surface: a 24-bit packed image paired with a DIB section selected into a memory
// DC. GDI draws into the section; pixel work goes to the image; SyncRenderSurface copies
// between them.
#pragma once

#include <windows.h>

#include "imaging/packed_image.h"

struct RenderSurface {
    HGLOBAL image;          // the surface's 24-bit PackedImage
    PackedImage *header;    // that image, locked for the surface's whole life
    HBITMAP section;        // DIB section created from the image's header
    HBITMAP previousBitmap; // selected into the memory DC before the section
    void *sectionBits;      // the section's own pixel memory
    HDC memoryDC;           // all GDI drawing of a frame goes here
    HDC screenDC;           // the screen DC the memory DC was made from
};

// SyncRenderSurface flags; with both, the section is copied into the image first.
constexpr int kSyncSectionToImage = 2;
constexpr int kSyncImageToSection = 4;

// 1 on success; on failure everything obtained is released and 0 returned.
int CreateRenderSurface(int width, int height, RenderSurface *surface);
int SyncRenderSurface(RenderSurface *surface, int flags);
// Copies the section into the image and releases every GDI resource. With keep = 1 the image
// handle in the record becomes the caller's; with keep = 0 it is freed too.
int ReleaseRenderSurface(RenderSurface *surface, int keep);

#include "frame/global_block.h"
#include "imaging/render_surface.h"
#include "support/heap_census.h"

#include <gtest/gtest.h>

namespace
{

void DrawRectangle(HDC dc)
{
    HBRUSH brush = CreateSolidBrush(RGB(200, 40, 10));
    const RECT rect = {5, 2, 15, 8};
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
}

TEST(RenderSurface, ReleaseKeepsWhatGdiDrew)
{
    RenderSurface surface;
    // GDI sets up its own caches on first use; only what follows is counted.
    ASSERT_EQ(1, CreateRenderSurface(40, 30, &surface));
    DrawRectangle(surface.memoryDC);
    ReleaseRenderSurface(&surface, 0);

    HeapCensus census;
    ASSERT_EQ(1, CreateRenderSurface(40, 30, &surface));
    const HBITMAP section = surface.section;
    const HDC memoryDC = surface.memoryDC;
    DrawRectangle(surface.memoryDC);
    ASSERT_EQ(1, ReleaseRenderSurface(&surface, 1));
    EXPECT_EQ(0u, GetObjectType(section)) << "section deleted";
    EXPECT_EQ(0u, GetObjectType(memoryDC)) << "memory DC deleted";
    ASSERT_NE(nullptr, surface.image);
    EXPECT_EQ(nullptr, surface.memoryDC);

    GlobalBlock image(surface.image);
    {
        GlobalLockGuard<PackedImage> pixels(image.get());
        ASSERT_TRUE(pixels) << "the image is unlocked and lockable";
        EXPECT_EQ(RGB(200, 40, 10), GetImagePixel(pixels.get(), 5, 2));
        EXPECT_EQ(RGB(200, 40, 10), GetImagePixel(pixels.get(), 14, 7));
        EXPECT_EQ(0, GetImagePixel(pixels.get(), 15, 7));
        EXPECT_EQ(0, GetImagePixel(pixels.get(), 5, 8));
        EXPECT_EQ(0, GetImagePixel(pixels.get(), 5, 1));
    }
    image.reset();
    EXPECT_EQ(0, census.Leaked());
}

TEST(RenderSurface, SyncCopiesBothWays)
{
    RenderSurface surface;
    ASSERT_EQ(1, CreateRenderSurface(8, 8, &surface));
    SetPixelV(surface.memoryDC, 3, 4, RGB(1, 2, 3));
    SyncRenderSurface(&surface, kSyncSectionToImage);
    EXPECT_EQ(RGB(1, 2, 3), GetImagePixel(surface.header, 3, 4));

    SetImagePixel(surface.header, 6, 1, RGB(9, 8, 7));
    SyncRenderSurface(&surface, kSyncImageToSection);
    EXPECT_EQ(RGB(9, 8, 7), GetPixel(surface.memoryDC, 6, 1));
    ReleaseRenderSurface(&surface, 0);
    EXPECT_EQ(nullptr, surface.image);
}

TEST(RenderSurface, FailureReleasesEverything)
{
    HeapCensus census;
    RenderSurface surface;
    EXPECT_EQ(0, CreateRenderSurface(0, 0, &surface));
    EXPECT_EQ(nullptr, surface.image);
    EXPECT_EQ(nullptr, surface.memoryDC);
    EXPECT_EQ(nullptr, surface.screenDC);
    EXPECT_EQ(0, census.Leaked());
}

} // namespace

#include "frame/plugin_instance.h"
#include "resources/resource_ids.h"
#include "ui/animated_logo.h"

#include <gtest/gtest.h>

namespace
{

BITMAP BitmapSize(int id)
{
    BITMAP size = {};
    HBITMAP bitmap = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id));
    if (bitmap) {
        GetObjectA(bitmap, sizeof size, &size);
        DeleteObject(bitmap);
    }
    return size;
}

TEST(DialogBitmaps, LogoPicturesAndTexture)
{
    for (int id = IDB_LOGO_FIRST; id < IDB_LOGO_FIRST + IDB_LOGO_COUNT; id++) {
        const BITMAP size = BitmapSize(id);
        EXPECT_EQ(50, size.bmWidth) << id;
        EXPECT_EQ(49, size.bmHeight) << id;
    }
    HRSRC texture = FindResourceA(nullptr, MAKEINTRESOURCEA(IDB_DIALOG_TEXTURE), RT_BITMAP);
    ASSERT_NE(nullptr, texture);
    const auto *header =
        static_cast<const BITMAPINFOHEADER *>(LockResource(LoadResource(nullptr, texture)));
    EXPECT_EQ(200, header->biWidth);
    EXPECT_EQ(250, header->biHeight);
    EXPECT_EQ(8, header->biBitCount);
}

// The logo's state word: timer 0-7, picture 8-15, screen depth 16-23, animating 24.
TEST(AnimatedLogo, DrawsTheCurrentPictureAndWrapsOnlyOnColourScreens)
{
    g_module = GetModuleHandleA(nullptr);
    HWND logo = CreateWindowA("button", "", WS_POPUP | BS_OWNERDRAW, 0, 0, 54, 53, nullptr, nullptr,
                              nullptr, nullptr);
    HDC dc = GetDC(logo);
    struct Case {
        DWORD depth, picture, nextPicture;
    } cases[] = {{24, 0, 1}, {24, 23, 0}, {8, 5, 5}};
    for (const Case &c : cases) {
        const DWORD state = 99 | (c.picture << 8) | (c.depth << 16) | (1u << 24);
        SetWindowLongPtrA(logo, GWLP_USERDATA, state);
        DRAWITEMSTRUCT item = {ODT_BUTTON, 17, 0, ODA_DRAWENTIRE, 0, logo, dc, {0, 0, 54, 53}, 0};
        DrawLogo(&item);
        const DWORD after = static_cast<DWORD>(GetWindowLongPtrA(logo, GWLP_USERDATA));
        EXPECT_EQ(c.nextPicture, (after >> 8) & 0xFF) << c.depth << " " << c.picture;
        EXPECT_EQ(state & ~0xFF00u, after & ~0xFF00u);
    }
    ReleaseDC(logo, dc);
    DestroyWindow(logo);
}

} // namespace

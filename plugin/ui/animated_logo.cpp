#include "ui/animated_logo.h"

#include "frame/plugin_instance.h"
#include "imaging/dialog_background.h"
#include "resources/resource_ids.h"

namespace
{

constexpr DWORD kPictureShift = 8, kDepthShift = 16, kAnimating = 1u << 24;
constexpr int kEdge = 2;
constexpr UINT kTickMilliseconds = 60;

DWORD LogoState(HWND logo)
{
    return static_cast<DWORD>(GetWindowLongPtrA(logo, GWLP_USERDATA));
}

void SetLogoState(HWND logo, DWORD state)
{
    SetWindowLongPtrA(logo, GWLP_USERDATA, static_cast<LONG_PTR>(state));
}

HBITMAP LoadPicture(int picture)
{
    return LoadBitmapA(g_module, MAKEINTRESOURCEA(IDB_LOGO_FIRST + picture));
}

} // namespace

void StartLogo(HWND dialog, int logoId)
{
    HWND logo = GetDlgItem(dialog, logoId);
    SetLogoState(logo, 0);
    if (HBITMAP first = LoadPicture(0)) {
        BITMAP size;
        GetObjectA(first, sizeof size, &size);
        SetWindowPos(logo, nullptr, 0, 0, size.bmWidth + 2 * kEdge, size.bmHeight + 2 * kEdge,
                     SWP_NOMOVE | SWP_NOZORDER);
        DeleteObject(first);
    }
    const UINT_PTR timer = SetTimer(dialog, kLogoTimer, kTickMilliseconds, nullptr);
    if (!timer)
        return;
    const int depth = ScreenColourDepth();
    SetLogoState(logo, static_cast<DWORD>(timer & 0xFF) |
                           (static_cast<DWORD>(depth > 8 ? 24 : depth) << kDepthShift) |
                           kAnimating);
}

void StopLogo(HWND dialog, int logoId)
{
    HWND logo = GetDlgItem(dialog, logoId);
    const DWORD state = LogoState(logo);
    if (state & kAnimating)
        KillTimer(dialog, state & 0xFF);
    SetLogoState(logo, 0);
}

void TickLogo(HWND dialog, int logoId, UINT_PTR timer)
{
    HWND logo = GetDlgItem(dialog, logoId);
    const DWORD state = LogoState(logo);
    if ((state & kAnimating) && timer == (state & 0xFF))
        InvalidateRect(logo, nullptr, FALSE);
}

void DrawLogo(const DRAWITEMSTRUCT *item)
{
    const DWORD state = LogoState(item->hwndItem);
    if (((state >> kDepthShift) & 0xFF) <= 8)
        return; // palette screens and a logo that never started stay blank
    RECT edge = item->rcItem;
    DrawEdge(item->hDC, &edge, EDGE_RAISED, BF_RECT | BF_SOFT);

    const int picture = (state >> kPictureShift) & 0xFF;
    if (HBITMAP bitmap = LoadPicture(picture)) {
        BITMAP size;
        GetObjectA(bitmap, sizeof size, &size);
        HDC source = CreateCompatibleDC(item->hDC);
        HGDIOBJ previous = SelectObject(source, bitmap);
        BitBlt(item->hDC, kEdge, kEdge, size.bmWidth, size.bmHeight, source, 0, 0, SRCCOPY);
        SelectObject(source, previous);
        DeleteDC(source);
        DeleteObject(bitmap);
    }
    const DWORD next = (picture + 1) % IDB_LOGO_COUNT;
    SetLogoState(item->hwndItem, (state & ~(0xFFu << kPictureShift)) | (next << kPictureShift));
}

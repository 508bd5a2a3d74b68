#include "ui/dialog_look.h"

#include "imaging/dialog_background.h"
#include "ui/animated_logo.h"
#include "ui/dialog_painting.h"

namespace
{

bool IsEditField(HWND control)
{
    char name[16] = "";
    GetClassNameA(control, name, sizeof name);
    return lstrcmpiA(name, "Edit") == 0;
}

} // namespace

void CentreOnScreen(HWND window)
{
    RECT rect;
    GetWindowRect(window, &rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    SetWindowPos(window, nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

INT_PTR HandleDialogLook(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam, int logoId,
                         bool *handled)
{
    *handled = true;
    switch (message) {
    case WM_ERASEBKGND:
        PaintDialogBackground(dialog, reinterpret_cast<HDC>(wParam));
        return TRUE;
    case WM_CTLCOLORSTATIC:
        // Disabled and read-only fields ask the same; they keep their own plain look.
        if (!IsEditField(reinterpret_cast<HWND>(lParam)))
            return reinterpret_cast<INT_PTR>(PaintLabel(reinterpret_cast<HDC>(wParam)));
        break;
    case WM_TIMER:
        TickLogo(dialog, logoId, wParam);
        return TRUE;
    case WM_DRAWITEM:
        if (static_cast<int>(wParam) == logoId) {
            DrawLogo(reinterpret_cast<const DRAWITEMSTRUCT *>(lParam));
            return TRUE;
        }
        break;
    default:
        break;
    }
    *handled = false;
    return FALSE;
}

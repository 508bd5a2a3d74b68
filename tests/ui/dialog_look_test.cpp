#include "ui/dialog_look.h"

#include <gtest/gtest.h>

namespace
{

// Labels and check boxes let the texture through; fields keep their own background.
TEST(DialogLook, LabelsAreTransparentFieldsAreNot)
{
    HWND parent =
        CreateWindowA("static", "", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
    struct Case {
        const char *className;
        bool transparent;
    } cases[] = {{"static", true}, {"button", true}, {"edit", false}};
    for (const Case &c : cases) {
        HWND control = CreateWindowA(c.className, "", WS_CHILD, 0, 0, 10, 10, parent, nullptr,
                                     nullptr, nullptr);
        HDC dc = GetDC(control);
        SetBkMode(dc, OPAQUE);
        bool handled = false;
        const INT_PTR brush =
            HandleDialogLook(parent, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                             reinterpret_cast<LPARAM>(control), 17, &handled);
        EXPECT_EQ(c.transparent, handled) << c.className;
        if (c.transparent) {
            EXPECT_EQ(reinterpret_cast<INT_PTR>(GetStockObject(NULL_BRUSH)), brush);
            EXPECT_EQ(TRANSPARENT, GetBkMode(dc));
            EXPECT_EQ(GetSysColor(COLOR_WINDOWTEXT), GetTextColor(dc));
        }
        ReleaseDC(control, dc);
        DestroyWindow(control);
    }
    DestroyWindow(parent);
}

} // namespace

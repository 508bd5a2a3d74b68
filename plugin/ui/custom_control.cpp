#include "ui/custom_control.h"

WNDPROC ButtonClassProc()
{
    static WNDPROC proc = [] {
        WNDCLASSA buttonClass = {};
        GetClassInfoA(nullptr, "button", &buttonClass);
        return buttonClass.lpfnWndProc;
    }();
    return proc;
}

HGLOBAL ControlStateBlock(HWND control)
{
    return reinterpret_cast<HGLOBAL>(GetWindowLongPtrA(control, GWLP_USERDATA));
}

void AttachControlState(HWND control, SIZE_T bytes)
{
    SetWindowLongPtrA(
        control, GWLP_USERDATA,
        reinterpret_cast<LONG_PTR>(GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes)));
}

void FreeControlState(HWND control)
{
    GlobalFree(reinterpret_cast<HGLOBAL>(SetWindowLongPtrA(control, GWLP_USERDATA, 0)));
}

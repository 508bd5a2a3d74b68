#include "host/host_window.h"

namespace
{

const char kClassName[] = "ZentrixSubstituteHost";

LRESULT CALLBACK HostWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    DialogDriver *driver =
        reinterpret_cast<DialogDriver *>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (driver && message == WM_ENTERIDLE && wParam == MSGF_DIALOGBOX) {
        driver->OnIdle(reinterpret_cast<HWND>(lParam));
        return 0;
    }
    if (driver && message == kDriveMessage) {
        driver->Drive();
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace

HostWindow::HostWindow()
{
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = HostWindowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kClassName;
    RegisterClassA(&windowClass);
    window_ = CreateWindowA(kClassName, "Zentrix #1 host", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                            CW_USEDEFAULT, 320, 200, nullptr, nullptr, GetModuleHandleA(nullptr),
                            nullptr);
}

HostWindow::~HostWindow()
{
    if (window_)
        DestroyWindow(window_);
}

void HostWindow::Attach(DialogDriver *driver)
{
    SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(driver));
}

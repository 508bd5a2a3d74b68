#include "ui/main_dialog.h"

#include "frame/host_records.h"
#include "frame/plugin_instance.h"
#include "resources/resource_ids.h"

namespace
{

void CentreOnScreen(HWND window)
{
    RECT rect;
    GetWindowRect(window, &rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    SetWindowPos(window, nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

INT_PTR OnInitDialog(HWND dialog, WPARAM, LPARAM lParam)
{
    g_hostRecord = reinterpret_cast<const HostRecord *>(lParam);
    SetWindowLongPtrA(dialog, DWLP_USER, lParam);
    SetWindowTextA(dialog, "Zentrix #1");
    CentreOnScreen(dialog);
    SetFocus(GetDlgItem(dialog, IDC_BUILD));
    return FALSE; // the focus is set
}

INT_PTR OnCommand(HWND dialog, WPARAM wParam, LPARAM)
{
    switch (LOWORD(wParam)) {
    case IDC_BUILD:
        EndDialog(dialog, 1);
        return TRUE;
    case IDC_CANCEL:
        EndDialog(dialog, 0);
        return TRUE;
    default:
        return FALSE;
    }
}

struct MessageHandler {
    UINT message;
    INT_PTR (*handle)(HWND, WPARAM, LPARAM);
};

const MessageHandler kHandlers[] = {
    {WM_INITDIALOG, OnInitDialog},
    {WM_COMMAND, OnCommand},
};

} // namespace

INT_PTR CALLBACK MainDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    for (const MessageHandler &handler : kHandlers)
        if (handler.message == message)
            return handler.handle(dialog, wParam, lParam);
    return FALSE;
}

#include "ui/main_dialog.h"

#include "config/config_file.h"
#include "config/settings.h"
#include "frame/effect_registry.h"
#include "frame/host_records.h"
#include "frame/plugin_instance.h"
#include "resources/resource_ids.h"
#include "ui/control_row.h"
#include "ui/effect_pages.h"

namespace
{

// Posted at dialog start: the pages are built once the dialog is on its feet.
constexpr UINT WM_BUILD_PAGES = WM_USER + 200;

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
    if (!ReadSettings())
        UseSampleFolderForFileNames();
    SetWindowTextA(dialog, "Zentrix #1");
    CentreOnScreen(dialog);
    SetFocus(GetDlgItem(dialog, IDC_BUILD));
    PostMessageA(dialog, WM_BUILD_PAGES, 0, 0);
    return FALSE; // the focus is set
}

INT_PTR OnBuildPages(HWND dialog, WPARAM, LPARAM)
{
    CreatePages(dialog, kControlTable, kControlRowCount);
    WriteValues(dialog, kControlTable, kControlRowCount);
    InvalidateRect(GetDlgItem(dialog, IDC_PREVIEW), nullptr, FALSE);
    const LRESULT selection = SendDlgItemMessageA(dialog, IDC_EFFECT_LIST, CB_GETCURSEL, 0, 0);
    ShowPage(dialog, ClampEffectIndex(static_cast<int>(selection)));
    return TRUE;
}

INT_PTR OnDestroy(HWND, WPARAM, LPARAM)
{
    WriteSettings();
    return FALSE;
}

INT_PTR OnCommand(HWND dialog, WPARAM wParam, LPARAM lParam)
{
    if (!RouteCommand(dialog, wParam, lParam))
        return TRUE;
    switch (LOWORD(wParam)) {
    case IDC_BUILD:
        ReadValues(dialog, kControlTable, kControlRowCount);
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
    {WM_BUILD_PAGES, OnBuildPages},
    {WM_DESTROY, OnDestroy},
};

} // namespace

INT_PTR CALLBACK MainDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    for (const MessageHandler &handler : kHandlers)
        if (handler.message == message)
            return handler.handle(dialog, wParam, lParam);
    return FALSE;
}

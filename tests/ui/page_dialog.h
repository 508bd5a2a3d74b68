// The main dialog's resource with every page built and filled from the settings, run by a
// dialog procedure that does nothing else, so tests see the page mechanism alone.
#pragma once

#include "frame/plugin_instance.h"
#include "resources/resource_ids.h"
#include "ui/control_row.h"
#include "ui/effect_pages.h"

#include <windows.h>

#include <commctrl.h>

class PageDialog
{
public:
    PageDialog()
    {
        const INITCOMMONCONTROLSEX classes = {sizeof(classes), ICC_UPDOWN_CLASS};
        InitCommonControlsEx(&classes);
        g_module = GetModuleHandleA(nullptr);
        dialog_ = CreateDialogParamA(g_module, MAKEINTRESOURCEA(IDD_MAIN), nullptr, Procedure, 0);
        CreatePages(dialog_, kControlTable, kControlRowCount);
        WriteValues(dialog_, kControlTable, kControlRowCount);
    }
    ~PageDialog() { DestroyWindow(dialog_); }
    PageDialog(const PageDialog &) = delete;
    PageDialog &operator=(const PageDialog &) = delete;

    HWND get() const { return dialog_; }
    HWND Control(UINT id) const { return GetDlgItem(dialog_, id); }
    void SetText(UINT id, const char *text) const { SetDlgItemTextA(dialog_, id, text); }

private:
    static INT_PTR CALLBACK Procedure(HWND, UINT message, WPARAM, LPARAM)
    {
        return message == WM_INITDIALOG;
    }
    HWND dialog_;
};

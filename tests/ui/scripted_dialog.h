// Runs the plug-in's main dialog modally, the way the host does, and plays a script of steps
// into it from a thread timer: each step runs once the one before it has finished, and a step
// returning false is tried again on the next tick (say, until a box it waits for is open).
#pragma once

#include "frame/plugin_instance.h"
#include "resources/resource_ids.h"
#include "ui/main_dialog.h"

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <vector>

class ScriptedDialog
{
public:
    using Step = std::function<bool(HWND dialog)>;

    // The dialog's result; -1 when it never opened.
    static INT_PTR Run(const HostRecord *host, std::vector<Step> steps)
    {
        const INITCOMMONCONTROLSEX classes = {sizeof(classes), ICC_UPDOWN_CLASS};
        InitCommonControlsEx(&classes);
        g_module = GetModuleHandleA(nullptr);
        Current() = {std::move(steps), 0, false};
        const UINT_PTR timer = SetTimer(nullptr, 0, 20, Tick);
        const INT_PTR result = DialogBoxParamA(g_module, MAKEINTRESOURCEA(IDD_MAIN), nullptr,
                                               MainDialogProc, reinterpret_cast<LPARAM>(host));
        KillTimer(nullptr, timer);
        return result;
    }

    // A step that waits for the pages, which the dialog builds after it opens.
    static bool PagesBuilt(HWND dialog) { return GetDlgItem(dialog, 345) != nullptr; }

    static void Press(HWND dialog, int id)
    {
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
    }
    // Presses a button without waiting for what it opens, so that later steps can work in it.
    static void PressLater(HWND dialog, int id)
    {
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
    }
    // Chooses a list entry the way a user does: select, then close the list.
    static void Choose(HWND dialog, int id, int index)
    {
        SendDlgItemMessageA(dialog, id, CB_SETCURSEL, index, 0);
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_CLOSEUP),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
    }

private:
    struct State {
        std::vector<Step> steps;
        size_t next;
        bool busy; // a step's own message loop (a box it opened) must not start the next
    };
    static State &Current()
    {
        static State state;
        return state;
    }
    static HWND OpenDialog() { return FindWindowA("#32770", "Zentrix #1"); }
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
    {
        State &state = Current();
        HWND dialog = OpenDialog();
        if (state.busy || !dialog || state.next >= state.steps.size())
            return;
        state.busy = true;
        const size_t step = state.next;
        if (state.steps[step](dialog) && state.next == step)
            state.next++;
        Current().busy = false;
    }
};

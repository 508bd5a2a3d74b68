#include "ui/main_dialog.h"

#include "config/config_file.h"
#include "config/settings.h"
#include "frame/build_animation.h"
#include "frame/effect_registry.h"
#include "frame/host_records.h"
#include "frame/plugin_instance.h"
#include "frame/plugin_messages.h"
#include "resources/resource_ids.h"
#include "ui/about_box.h"
#include "ui/animated_logo.h"
#include "ui/control_row.h"
#include "ui/dialog_look.h"
#include "ui/dialog_painting.h"
#include "ui/effect_pages.h"
#include "ui/help.h"

namespace
{

// Posted at dialog start: the pages are built once the dialog is on its feet.
constexpr UINT WM_BUILD_PAGES = WM_USER + 200;
constexpr int kMarkerList = 345;

const char kInternalError[] = "Internal error";
// Delay spin boxes: hundredths of a second for GIF-type hosts, else milliseconds.
const char kDelayInHundredths[] = "1,500,8";
const char kDelayInMilliseconds[] = "1,5000,80";

const HostRecord *DialogHost(HWND dialog)
{
    return reinterpret_cast<const HostRecord *>(GetWindowLongPtrA(dialog, DWLP_USER));
}

void Enable(HWND dialog, int id, bool enabled)
{
    EnableWindow(GetDlgItem(dialog, id), enabled);
}

int SelectionOf(HWND dialog, int id)
{
    const LRESULT selection = SendDlgItemMessageA(dialog, id, CB_GETCURSEL, 0, 0);
    return selection == CB_ERR ? 0 : static_cast<int>(selection);
}

void RepaintPreview(HWND dialog)
{
    InvalidateRect(GetDlgItem(dialog, IDC_PREVIEW), nullptr, FALSE);
}

// The host's flags decide which output options exist and the delay's unit.
void ApplyHostFlags(HWND dialog, uint8_t flags)
{
    const bool gifType = flags & kHostFlagGifType;
    SetDlgItemTextA(dialog, IDC_DELAY_SPIN, gifType ? kDelayInHundredths : kDelayInMilliseconds);
    if (!gifType) {
        Enable(dialog, IDC_TRANSPARENT, false);
        Enable(dialog, IDC_SUPERCOMPRESS, false);
    }
    if (!(flags & kHostFlagTrueColour))
        settings::Truecolour = 0;
}

INT_PTR OnInitDialog(HWND dialog, WPARAM, LPARAM lParam)
{
    const HostRecord *host = reinterpret_cast<const HostRecord *>(lParam);
    g_hostRecord = host;
    SetWindowLongPtrA(dialog, DWLP_USER, lParam);
    if (!ReadSettings())
        UseSampleFolderForFileNames();
    const uint8_t flags = host ? host->flags : 0;
    if (!(flags & kHostFlagTrueColour))
        Enable(dialog, IDC_TRUE_COLOUR, false);
    if (!host || !host->service) {
        // Nothing could reach the host: say so and close without building.
        ShowMessage(dialog, kInternalError);
        EndDialog(dialog, 0);
        return TRUE;
    }
    ApplyHostFlags(dialog, flags);
    SetFocus(GetDlgItem(dialog, IDC_BUILD));
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_CUSTOM_PALETTE, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_CUSTOM_PALETTE)));
    StartLogo(dialog, IDC_LOGO);
    SetWindowTextA(dialog, "Zentrix #1");
    CentreOnScreen(dialog);
    PostMessageA(dialog, WM_BUILD_PAGES, 0, 0);
    return FALSE; // the focus is set
}

// An optimised palette makes the fixed palette choice meaningless.
void CustomPalette(HWND dialog, UINT)
{
    Enable(dialog, IDC_PALETTE_LIST, IsDlgButtonChecked(dialog, IDC_CUSTOM_PALETTE) != BST_CHECKED);
}

INT_PTR OnBuildPages(HWND dialog, WPARAM, LPARAM)
{
    CreatePages(dialog, kControlTable, kControlRowCount);
    WriteValues(dialog, kControlTable, kControlRowCount);
    // The stored "Custom palette" is only now in its box: the list must follow it.
    CustomPalette(dialog, BN_CLICKED);
    RepaintPreview(dialog);
    const LRESULT selection = SendDlgItemMessageA(dialog, IDC_EFFECT_LIST, CB_GETCURSEL, 0, 0);
    ShowPage(dialog, ClampEffectIndex(static_cast<int>(selection)));
    return TRUE;
}

INT_PTR OnDestroy(HWND dialog, WPARAM, LPARAM)
{
    StopLogo(dialog, IDC_LOGO);
    WriteSettings();
    return FALSE;
}

void Build(HWND dialog, UINT)
{
    ReadValues(dialog, kControlTable, kControlRowCount);
    BuildAnimation(dialog, DialogHost(dialog), 0);
    EndDialog(dialog, 1); // whatever the build's result: failures have been reported
}

void Test(HWND dialog, UINT)
{
    BuildAnimation(dialog, DialogHost(dialog), 1);
    RedrawWindow(dialog, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void Cancel(HWND dialog, UINT)
{
    EndDialog(dialog, 0);
}

void Help(HWND dialog, UINT)
{
    ShowHelp(dialog, "TEXT");
}

void About(HWND dialog, UINT)
{
    RunAboutBox(dialog);
}

// Lists act when a choice is made: closing the list, or a choice made with the keys while it
// stays closed.
bool ChoiceMade(UINT notification)
{
    return notification == CBN_CLOSEUP || notification == CBN_SELCHANGE;
}

void PaletteList(HWND dialog, UINT notification)
{
    if (ChoiceMade(notification))
        settings::MainPalette = SelectionOf(dialog, IDC_PALETTE_LIST);
}

void EffectList(HWND dialog, UINT notification)
{
    if (!ChoiceMade(notification))
        return;
    const int effect = ClampEffectIndex(SelectionOf(dialog, IDC_EFFECT_LIST));
    if (effect == settings::MainEffect)
        return;
    ShowPage(dialog, effect);
    settings::MainEffect = effect;
    RepaintPreview(dialog);
}

struct CommandHandler {
    int id;
    void (*handle)(HWND dialog, UINT notification);
};

const CommandHandler kCommands[] = {
    {IDC_BUILD, Build},
    {IDC_TEST, Test},
    {IDC_CANCEL, Cancel},
    {IDC_HELP_BUTTON, Help},
    {IDC_ABOUT, About},
    {IDC_CUSTOM_PALETTE, CustomPalette},
    {IDC_PALETTE_LIST, PaletteList},
    {IDC_EFFECT_LIST, EffectList},
};

INT_PTR OnCommand(HWND dialog, WPARAM wParam, LPARAM lParam)
{
    if (!RouteCommand(dialog, wParam, lParam))
        return TRUE;
    for (const CommandHandler &command : kCommands) {
        if (command.id == LOWORD(wParam)) {
            command.handle(dialog, HIWORD(wParam));
            return TRUE;
        }
    }
    return FALSE;
}

INT_PTR OnDrawItem(HWND dialog, WPARAM wParam, LPARAM lParam)
{
    const DRAWITEMSTRUCT *item = reinterpret_cast<const DRAWITEMSTRUCT *>(lParam);
    switch (wParam) {
    case IDC_PREVIEW:
        PaintPreview(dialog, item);
        return TRUE;
    case IDC_FRAME_SIZE:
        PaintFrameSize(item);
        return TRUE;
    case kMarkerList:
        PaintMarkerItem(item);
        return TRUE;
    default:
        return RouteOwnerDraw(dialog, wParam, item);
    }
}

struct MessageHandler {
    UINT message;
    INT_PTR (*handle)(HWND, WPARAM, LPARAM);
};

const MessageHandler kHandlers[] = {
    {WM_INITDIALOG, OnInitDialog}, {WM_COMMAND, OnCommand}, {WM_BUILD_PAGES, OnBuildPages},
    {WM_DRAWITEM, OnDrawItem},     {WM_DESTROY, OnDestroy},
};

} // namespace

INT_PTR CALLBACK MainDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    bool handled;
    const INT_PTR answer = HandleDialogLook(dialog, message, wParam, lParam, IDC_LOGO, &handled);
    if (handled)
        return answer;
    for (const MessageHandler &handler : kHandlers)
        if (handler.message == message)
            return handler.handle(dialog, wParam, lParam);
    return FALSE;
}

#include "ui/effect_pages.h"

#include "config/setting_entry.h"
#include "frame/effect_registry.h"
#include "frame/plugin_instance.h"
#include "ui/page_values.h"

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace
{

constexpr UINT kFirstPageId = 100;
constexpr UINT kLastPageId = 670;

int32_t &IntegerOf(const ControlRow &row)
{
    return *static_cast<int32_t *>(row.value);
}
char *TextOf(const ControlRow &row)
{
    return static_cast<char *>(row.value);
}

void Refresh(HWND control, const ControlRow &row)
{
    if (row.refreshFlag & kRefreshAfterWrite)
        SendMessageA(control, WM_CONTROL_REFRESH, row.number, reinterpret_cast<LPARAM>(row.text));
}

void ShowNumber(HWND control, const char *format, int32_t value)
{
    char text[16];
    std::snprintf(text, sizeof(text), format, value);
    SetWindowTextA(control, text);
}

bool IsListBox(const ControlRow &row)
{
    return row.kind == kKindListBox;
}

// The list messages of combo boxes and list boxes, side by side.
struct ListMessages {
    UINT reset, add, select, selectString, current, textLength, text;
};
const ListMessages kComboMessages = {CB_RESETCONTENT, CB_ADDSTRING, CB_SETCURSEL,
                                     CB_SELECTSTRING, CB_GETCURSEL, CB_GETLBTEXTLEN,
                                     CB_GETLBTEXT};
const ListMessages kListBoxMessages = {LB_RESETCONTENT, LB_ADDSTRING, LB_SETCURSEL,
                                       LB_SELECTSTRING, LB_GETCURSEL, LB_GETTEXTLEN,
                                       LB_GETTEXT};

const ListMessages &MessagesOf(const ControlRow &row)
{
    return IsListBox(row) ? kListBoxMessages : kComboMessages;
}

// Items are separated by ";"; empty items are skipped and each is cut to 260 characters.
void AddItems(HWND list, const ListMessages &messages, const char *items)
{
    for (const char *item = items; *item;) {
        const size_t length = std::strcspn(item, ";");
        if (length) {
            const std::string text(item,
                                   length < kSettingTextSize - 1 ? length : kSettingTextSize - 1);
            SendMessageA(list, messages.add, 0, reinterpret_cast<LPARAM>(text.c_str()));
        }
        item += length;
        while (*item == ';')
            item++;
    }
}

bool ValueIsText(const ControlRow &row)
{
    return (row.valueFlags & kValueText) && (row.createFlags & kCreateTextValue);
}

void WriteList(HWND dialog, HWND list, const ControlRow &row)
{
    const ListMessages &messages = MessagesOf(row);
    if ((row.valueFlags & kValueInitialise) && row.initialise) {
        row.initialise(dialog, row.id);
        Refresh(list, row);
    }
    if ((row.valueFlags & kValueItems) && row.text) {
        SendMessageA(list, messages.reset, 0, 0);
        AddItems(list, messages, row.text);
        if (row.value && ValueIsText(row))
            SendMessageA(list, messages.selectString, static_cast<WPARAM>(-1),
                         reinterpret_cast<LPARAM>(TextOf(row)));
        else if (row.value)
            SendMessageA(list, messages.select, IntegerOf(row), 0);
        Refresh(list, row);
    }
}

void WriteNumber(HWND dialog, HWND field, const ControlRow &row)
{
    if (row.valueFlags & kValueInteger) {
        char text[64] = "";
        HWND spin = GetDlgItem(dialog, row.id + kSpinIdOffset);
        GetWindowTextA(spin, text, sizeof(text));
        const SpinSpecification spec = ParseSpinSpecification(text);
        if (spec.fields >= 2)
            SendMessageA(spin, UDM_SETRANGE32, spec.min, spec.max);
        if (spec.fields >= 3)
            SendMessageA(spin, UDM_SETPOS32, 0, spec.initial);
    }
    if (row.value) {
        ShowNumber(field, "%u", IntegerOf(row));
        Refresh(field, row);
    }
}

void WriteValue(HWND dialog, HWND control, const ControlRow &row)
{
    switch (row.kind) {
    case kKindChoice:
    case kKindListBox:
        WriteList(dialog, control, row);
        break;
    case kKindCheck:
        if (row.value) {
            CheckDlgButton(dialog, row.id, IntegerOf(row));
            Refresh(control, row);
        }
        break;
    case kKindNumber:
        WriteNumber(dialog, control, row);
        break;
    case kKindText:
        if (row.valueFlags & kValueInteger)
            SendMessageA(control, EM_LIMITTEXT, row.number, 0);
        if ((row.createFlags & kCreateTextValue) && row.value) {
            SetWindowTextA(control, TextOf(row));
            Refresh(control, row);
        }
        break;
    case kKindCustom:
        if ((row.valueFlags & kValueInitialise) && row.value) {
            ShowNumber(control, "%d", IntegerOf(row));
            Refresh(control, row);
        }
        if ((row.valueFlags & kValueItems) && row.value) {
            SetWindowTextA(control, TextOf(row));
            Refresh(control, row);
        }
        break;
    case kKindScrollBar:
        if ((row.valueFlags & kValueInitialise) && row.value)
            SetScrollPos(control, SB_CTL, IntegerOf(row), TRUE);
        break;
    }
}

void ReadListText(HWND list, const ControlRow &row)
{
    const ListMessages &messages = MessagesOf(row);
    const LRESULT selection = SendMessageA(list, messages.current, 0, 0);
    if (selection < 0)
        return;
    const LRESULT length = SendMessageA(list, messages.textLength, selection, 0);
    if (length < 0)
        return;
    std::string text(static_cast<size_t>(length) + 1, '\0');
    SendMessageA(list, messages.text, selection, reinterpret_cast<LPARAM>(&text[0]));
    StoreSettingText(TextOf(row), text.c_str(), row.number);
}

void ReadWindowText(HWND control, const ControlRow &row, size_t limit)
{
    char text[kSettingTextSize];
    GetWindowTextA(control, text, sizeof(text));
    StoreSettingText(TextOf(row), text, limit);
}

void ReadValue(HWND dialog, HWND control, const ControlRow &row)
{
    switch (row.kind) {
    case kKindChoice:
    case kKindListBox:
        if (row.valueFlags & kValueInteger)
            IntegerOf(row) =
                static_cast<int32_t>(SendMessageA(control, MessagesOf(row).current, 0, 0));
        if (ValueIsText(row))
            ReadListText(control, row);
        break;
    case kKindCheck:
        IntegerOf(row) = IsDlgButtonChecked(dialog, row.id);
        break;
    case kKindNumber:
        IntegerOf(row) = ReadSpinValue(dialog, row.id);
        break;
    case kKindText:
        if (row.createFlags & kCreateTextValue)
            ReadWindowText(control, row, row.number);
        break;
    case kKindCustom:
        if (row.valueFlags & kValueInteger) {
            char text[32] = "";
            GetWindowTextA(control, text, sizeof(text));
            IntegerOf(row) = static_cast<int32_t>(std::strtol(text, nullptr, 10));
        }
        if (row.valueFlags & kValueText)
            ReadWindowText(control, row, kSettingTextSize - 1);
        break;
    case kKindScrollBar:
        IntegerOf(row) = GetScrollPos(control, SB_CTL);
        break;
    }
}

void CreateSpinBox(HWND dialog, const ControlRow &row)
{
    CreateWindowExA(
        0, UPDOWN_CLASSA, row.text, WS_CHILD | UDS_AUTOBUDDY | UDS_SETBUDDYINT | UDS_NOTHOUSANDS,
        row.x + row.width, row.y, 12, row.height, dialog,
        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(row.id + kSpinIdOffset)), g_module, nullptr);
}

void CreateControl(HWND dialog, const ControlRow &row)
{
    HWND control =
        CreateWindowExA(row.exStyle, row.className, row.caption, row.style & ~WS_VISIBLE, row.x,
                        row.y, row.width, row.height, dialog,
                        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(row.id)), g_module, nullptr);
    if (!control)
        return;
    if ((row.createFlags & kCreateSubclass) && row.windowProc) {
        SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(row.windowProc));
        SendMessageA(control, WM_CONTROL_INITIALISE, row.number,
                     reinterpret_cast<LPARAM>(row.text));
    }
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(g_pageFont), FALSE);
    if (row.kind == kKindNumber)
        CreateSpinBox(dialog, row);
}

bool IsPageId(int id)
{
    const int pageId = id >= static_cast<int>(kSpinIdOffset) ? id - kSpinIdOffset : id;
    return pageId >= static_cast<int>(kFirstPageId) && pageId <= static_cast<int>(kLastPageId);
}

BOOL CALLBACK HidePageControl(HWND child, LPARAM dialog)
{
    if (GetParent(child) == reinterpret_cast<HWND>(dialog) && IsPageId(GetDlgCtrlID(child)))
        ShowWindow(child, SW_HIDE);
    return TRUE;
}

} // namespace

void CreatePages(HWND dialog, const ControlRow *rows, size_t count)
{
    const INITCOMMONCONTROLSEX classes = {sizeof(classes), ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&classes);
    for (size_t i = 0; i < count; i++)
        if (rows[i].createFlags & kCreateAtStart)
            CreateControl(dialog, rows[i]);
}

void WriteValues(HWND dialog, const ControlRow *rows, size_t count)
{
    for (size_t i = 0; i < count; i++)
        if (HWND control = GetDlgItem(dialog, rows[i].id))
            WriteValue(dialog, control, rows[i]);
}

void ReadValues(HWND dialog, const ControlRow *rows, size_t count)
{
    for (size_t i = 0; i < count; i++)
        if (HWND control = GetDlgItem(dialog, rows[i].id); control && rows[i].value)
            ReadValue(dialog, control, rows[i]);
}

void ShowPage(HWND dialog, int effect)
{
    EnumChildWindows(dialog, HidePageControl, reinterpret_cast<LPARAM>(dialog));
    for (const uint32_t *id = kEffects[ClampEffectIndex(effect)].pageControls; *id; id++)
        if (HWND control = GetDlgItem(dialog, *id))
            ShowWindow(control, SW_SHOW);
}

int RouteCommand(HWND dialog, WPARAM wParam, LPARAM lParam)
{
    for (size_t i = 0; i < kControlRowCount; i++) {
        const ControlRow &row = kControlTable[i];
        if (row.id == LOWORD(wParam) && row.onMessage)
            return row.onMessage(dialog, WM_COMMAND, wParam, lParam);
    }
    return 1;
}

int RouteOwnerDraw(HWND dialog, WPARAM wParam, const DRAWITEMSTRUCT *item)
{
    for (size_t i = 0; i < kControlRowCount; i++) {
        const ControlRow &row = kControlTable[i];
        if ((row.drawFlag & kDrawByHandler) && row.onMessage && row.id == item->CtlID)
            return row.onMessage(dialog, WM_DRAWITEM, wParam, reinterpret_cast<LPARAM>(item));
    }
    return 0;
}

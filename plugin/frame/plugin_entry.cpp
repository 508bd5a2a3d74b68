#include "frame/plugin_entry.h"

#include "frame/plugin_instance.h"
#include "resources/resource_ids.h"
#include "ui/main_dialog.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>

namespace
{

const char kPluginName[] = "Zentrix #1";
const char kPluginCredit[] = "Zentrix #1 Plugin - animated gadget displays by Quintrel";

// Copies text into the field at offset, truncated so that it and its terminator stay inside
// both the field and the record.
void PutText(char *record, size_t recordSize, size_t offset, size_t fieldSize, const char *text)
{
    if (offset >= recordSize)
        return;
    const size_t room = std::min(fieldSize, recordSize - offset);
    const size_t length = std::min(std::strlen(text), room - 1);
    std::memcpy(record + offset, text, length);
    record[offset + length] = '\0';
}

HFONT CreateSizedFont(int height, const char *face)
{
    return CreateFontA(height, 0, 0, 0, FW_DONTCARE, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_DONTCARE, face);
}

} // namespace

int FillPluginInfo(PluginInfo *info)
{
    const int32_t size = info->size;
    if (size < static_cast<int32_t>(sizeof(info->size)))
        return 1;
    char *record = reinterpret_cast<char *>(info);
    std::memset(record, 0, size);
    info->size = size;
    if (size >= 8)
        info->version = kRecordVersion;
    PutText(record, size, offsetof(PluginInfo, name), sizeof(info->name), kPluginName);
    PutText(record, size, kPluginInfoCreditOffset, sizeof(kPluginCredit), kPluginCredit);
    return 1;
}

int RunPlugin(HWND hostWindow, const HostRecord *host)
{
    // The dialog and its pages hold spin boxes.
    const INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&controls);
    g_pageFont = CreateSizedFont(14, "MS Sans Serif");
    g_smallFont = CreateSizedFont(12, "Arial");

    DialogBoxParamA(g_module, MAKEINTRESOURCEA(IDD_MAIN), hostWindow, MainDialogProc,
                    reinterpret_cast<LPARAM>(host));

    if (hostWindow) {
        InvalidateRect(hostWindow, nullptr, TRUE);
        UpdateWindow(hostWindow);
    }
    DeleteObject(g_pageFont);
    DeleteObject(g_smallFont);
    g_pageFont = g_smallFont = nullptr;
    return 1;
}

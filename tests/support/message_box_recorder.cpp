#include "support/message_box_recorder.h"

#include <windows.h>

namespace
{

HHOOK g_hook = nullptr;
std::vector<ShownMessage> g_shown;
HWND g_lastBox = nullptr; // a box may be activated more than once

LRESULT CALLBACK WatchActivation(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_ACTIVATE) {
        HWND window = reinterpret_cast<HWND>(wParam);
        char className[32] = {};
        GetClassNameA(window, className, sizeof className);
        HWND text = GetDlgItem(window, 0xFFFF); // a message box's text
        if (lstrcmpA(className, "#32770") == 0 && text && window != g_lastBox) {
            g_lastBox = window;
            char caption[256] = {}, body[1024] = {};
            GetWindowTextA(window, caption, sizeof caption);
            GetWindowTextA(text, body, sizeof body);
            g_shown.push_back({caption, body});
            PostMessageA(window, WM_COMMAND, IDOK, 0);
        }
    }
    return CallNextHookEx(g_hook, code, wParam, lParam);
}

} // namespace

MessageBoxRecorder::MessageBoxRecorder()
{
    g_shown.clear();
    g_lastBox = nullptr;
    g_hook = SetWindowsHookExA(WH_CBT, WatchActivation, nullptr, GetCurrentThreadId());
}

MessageBoxRecorder::~MessageBoxRecorder()
{
    UnhookWindowsHookEx(g_hook);
    g_hook = nullptr;
}

const std::vector<ShownMessage> &MessageBoxRecorder::Shown() const
{
    return g_shown;
}

std::vector<std::string> MessageBoxRecorder::Texts() const
{
    std::vector<std::string> texts;
    for (const ShownMessage &message : g_shown)
        texts.push_back(message.text);
    return texts;
}

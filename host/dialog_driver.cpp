#include "host/dialog_driver.h"

#include "host/window_picture.h"

namespace
{

DialogDriver *g_driver = nullptr;

// The plug-in's dialog posts itself this message at start and builds its pages on it.
constexpr UINT kBuildPagesMessage = WM_USER + 200;
constexpr int kMessageBoxTextId = 0xFFFF;
constexpr int kMaxMessageBoxControls = 8;

struct ButtonRow {
    PressButton button;
    const char *name;
    int id;
};

const ButtonRow kButtons[] = {
    {PressButton::Build, "build", 1},
    {PressButton::Test, "test", 35},
    {PressButton::Cancel, "cancel", 2},
};

const ButtonRow &ButtonOf(PressButton button)
{
    for (const ButtonRow &row : kButtons)
        if (row.button == button)
            return row;
    return kButtons[2];
}

bool IsDialogClass(HWND window)
{
    char name[16];
    return GetClassNameA(window, name, sizeof(name)) && lstrcmpA(name, "#32770") == 0;
}

std::string WindowText(HWND window)
{
    const int length = GetWindowTextLengthA(window);
    std::string text(length + 1, '\0');
    text.resize(GetWindowTextA(window, &text[0], length + 1));
    return text;
}

// OK; a box without it (Yes and No, say) gets its default button, else its first, so that
// no run waits. The dialog manager's default id stays IDOK in such boxes, so the buttons'
// own styles tell.
int AnswerOf(HWND box)
{
    if (GetDlgItem(box, IDOK))
        return IDOK;
    int first = IDCANCEL;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char name[16];
        GetClassNameA(child, name, sizeof(name));
        if (lstrcmpiA(name, "Button") != 0)
            continue;
        if ((GetWindowLongA(child, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON)
            return GetDlgCtrlID(child);
        if (first == IDCANCEL)
            first = GetDlgCtrlID(child);
    }
    return first;
}

} // namespace

bool IsMessageBox(HWND window)
{
    if (!IsDialogClass(window) || !GetDlgItem(window, kMessageBoxTextId))
        return false;
    int controls = 0;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char name[16];
        GetClassNameA(child, name, sizeof(name));
        if (++controls > kMaxMessageBoxControls ||
            (lstrcmpiA(name, "Static") != 0 && lstrcmpiA(name, "Button") != 0))
            return false;
    }
    return true;
}

DialogDriver::DialogDriver(HWND hostWindow, PressButton press, const std::string &screenshot,
                           bool answerMessageBoxes, ServiceLog &log)
    : hostWindow_(hostWindow), press_(press), screenshot_(screenshot),
      answerMessageBoxes_(answerMessageBoxes), log_(log)
{
    g_driver = this;
    const DWORD thread = GetCurrentThreadId();
    startHook_ = SetWindowsHookExA(WH_CALLWNDPROCRET, DialogStarted, nullptr, thread);
    messageHook_ = SetWindowsHookExA(WH_GETMESSAGE, MessageRetrieved, nullptr, thread);
}

DialogDriver::~DialogDriver()
{
    if (startHook_)
        UnhookWindowsHookEx(startHook_);
    if (messageHook_)
        UnhookWindowsHookEx(messageHook_);
    g_driver = nullptr;
}

// WM_INITDIALOG has returned: the dialog's controls and texts are in place.
LRESULT CALLBACK DialogDriver::DialogStarted(int code, WPARAM wParam, LPARAM lParam)
{
    const CWPRETSTRUCT *call = reinterpret_cast<const CWPRETSTRUCT *>(lParam);
    if (code == HC_ACTION && g_driver && call->message == WM_INITDIALOG)
        g_driver->OnDialogStarted(call->hwnd);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK DialogDriver::MessageRetrieved(int code, WPARAM wParam, LPARAM lParam)
{
    const MSG *message = reinterpret_cast<const MSG *>(lParam);
    if (code == HC_ACTION && g_driver && message->message == kBuildPagesMessage &&
        message->hwnd == g_driver->dialog_)
        g_driver->pagesBuilt_ = true;
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void DialogDriver::OnDialogStarted(HWND dialog)
{
    if (IsMessageBox(dialog)) {
        log_.Write(JsonLine()
                       .Add("op", "message")
                       .Add("caption", WindowText(dialog))
                       .Add("text", WindowText(GetDlgItem(dialog, kMessageBoxTextId))));
        if (answerMessageBoxes_) {
            const int answer = AnswerOf(dialog);
            PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(dialog, answer)));
        }
    } else if (!dialog_ && GetWindow(dialog, GW_OWNER) == hostWindow_) {
        dialog_ = dialog;
    }
}

// The queue has gone idle after the start-up messages, including the page building.
void DialogDriver::OnIdle(HWND dialog)
{
    if (driven_ || dialog != dialog_ || !IsWindowVisible(dialog))
        return;
    driven_ = true;
    PostMessageA(hostWindow_, kDriveMessage, 0, 0);
}

void DialogDriver::Drive()
{
    if (!screenshot_.empty() && IsWindow(dialog_)) {
        RedrawWindow(dialog_, nullptr, nullptr,
                     RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        SaveWindowPicture(dialog_, screenshot_, error_);
    }
    if (press_ == PressButton::None)
        return;
    Press(press_);
    // A test build, or a build the plug-in could not finish, leaves the dialog open; a dialog
    // that has ended is hidden until its modal loop destroys it.
    if (IsWindowVisible(dialog_) && press_ != PressButton::Cancel)
        Press(PressButton::Cancel);
}

void DialogDriver::Press(PressButton button)
{
    const ButtonRow &row = ButtonOf(button);
    JsonLine line;
    line.Add("op", "press").Add("button", row.name).Add("pages", pagesBuilt_);
    HWND control = GetDlgItem(dialog_, row.id);
    if (!control) {
        log_.Write(line.Add("error", "the dialog has no such button"));
        return;
    }
    log_.Write(line);
    SendMessageA(control, BM_CLICK, 0, 0);
}

// Drives the plug-in's modal dialog the way a user would: once the dialog has built its
// pages (or, without pages, once it is shown and idle) it takes the screenshot and presses
// the button; message boxes are logged and, while driven, answered with OK.
//
// The dialog runs inside PLUGINDoBuild on this thread, so the driver watches it through
// thread hooks and acts from the host window, which owns the dialog: the dialog's modal
// loop tells its owner when the queue has gone idle (WM_ENTERIDLE).
#pragma once

#include "host/command_line.h"
#include "host/service_log.h"

#include <windows.h>

#include <string>

// Posted to the host window once the dialog is ready.
constexpr UINT kDriveMessage = WM_APP + 1;

class DialogDriver
{
public:
    DialogDriver(HWND hostWindow, PressButton press, const std::string &screenshot,
                 bool answerMessageBoxes, ServiceLog &log);
    ~DialogDriver();
    DialogDriver(const DialogDriver &) = delete;
    DialogDriver &operator=(const DialogDriver &) = delete;

    // Called by the host window.
    void OnIdle(HWND dialog);
    void Drive();

    // After the run: empty, or why the screenshot could not be saved.
    const std::string &Error() const { return error_; }

private:
    static LRESULT CALLBACK DialogStarted(int code, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK MessageRetrieved(int code, WPARAM wParam, LPARAM lParam);
    void OnDialogStarted(HWND dialog);
    void Press(PressButton button);

    HWND hostWindow_;
    PressButton press_;
    std::string screenshot_;
    bool answerMessageBoxes_;
    ServiceLog &log_;
    HHOOK startHook_ = nullptr;
    HHOOK messageHook_ = nullptr;
    HWND dialog_ = nullptr;
    bool pagesBuilt_ = false;
    bool driven_ = false;
    std::string error_;
};

// A message box: the system's dialog whose text is the static control 0xFFFF, with only
// static texts and buttons.
bool IsMessageBox(HWND window);

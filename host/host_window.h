// The host's main window: the owner of the plug-in's dialog, hidden because the dialog is
// all the user needs to see. It passes the dialog's idle notices to the driver.
#pragma once

#include "host/dialog_driver.h"

#include <windows.h>

// Destroys the window on scope exit.
class HostWindow
{
public:
    HostWindow();
    ~HostWindow();
    HostWindow(const HostWindow &) = delete;
    HostWindow &operator=(const HostWindow &) = delete;

    HWND get() const { return window_; }
    void Attach(DialogDriver *driver);

private:
    HWND window_ = nullptr;
};

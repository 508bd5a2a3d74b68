// What every dialog of the plug-in shares: its place on the screen and its textured look.
#pragma once

#include <windows.h>

void CentreOnScreen(HWND window);
// The background, label and logo messages of a dialog whose logo button has the given id;
// sets *handled when the message was one of them and returns the dialog's answer.
INT_PTR HandleDialogLook(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam, int logoId,
                         bool *handled);

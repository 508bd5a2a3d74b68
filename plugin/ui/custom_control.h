// What the page's custom controls share: they are buttons whose window procedure was
// replaced, passing what they do not handle to the button class's own procedure, and they
// keep their state in a movable block attached to the window.
#pragma once

#include <windows.h>

WNDPROC ButtonClassProc();

// The state block attached to the control, or null before its initialisation.
HGLOBAL ControlStateBlock(HWND control);
// Attaches a new zeroed state block of the given size (null when memory fails).
void AttachControlState(HWND control, SIZE_T bytes);
// Detaches and frees the control's state block.
void FreeControlState(HWND control);

// The plug-in's main dialog (resource 1000), run modally by the plug-in's entry point.
#pragma once

#include <windows.h>

// The creation parameter is the HostRecord pointer. Ends with 1 after "Build", 0 after
// "Cancel".
INT_PTR CALLBACK MainDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

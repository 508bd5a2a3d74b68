// The background of the plug-in's dialogs: the texture bitmap tinted towards the system's
// face colour and tiled, or the plain face colour on palette screens and when asked.
#pragma once

#include <windows.h>

// The screen's colour depth, planes × bits per pixel.
int ScreenColourDepth();
// Paints the window's client area. Returns 1 when the texture was tiled (or its resource
// cannot be loaded, which paints nothing), 0 when the plain face colour was used.
int PaintDialogBackground(HWND window, HDC dc);

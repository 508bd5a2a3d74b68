// The colour swatch of the effect pages: an owner-drawn button whose window text holds its
// colour as decimal text; a click lets the user choose another colour through the host.
#pragma once

#include <windows.h>

// The command a swatch posts itself when it has been clicked.
constexpr WPARAM kSwatchChooseCommand = 100;

LRESULT CALLBACK ColourSwatchProc(HWND swatch, UINT message, WPARAM wParam, LPARAM lParam);

// Initialisers of the main dialog's two lists: they fill the list and select the setting.
#pragma once

#include <windows.h>

// The 20 effect names in registry order; selects MainEffect (none when out of range).
void FillEffectList(HWND dialog, UINT id);
// The nine fixed palette names; selects MainPalette.
void FillPaletteList(HWND dialog, UINT id);

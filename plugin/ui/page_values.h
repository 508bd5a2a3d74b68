// The helpers with which effects read their values from the live page controls.
#pragma once

#include <windows.h>

// The number field's value as unsigned, clamped to the bounds of the spin specification held
// by its spin box (0..100 when the spin specification cannot be read).
int ReadSpinValue(HWND dialog, UINT id);
// 1 when the check box is checked (state exactly 1), else 0.
int ReadCheck(HWND dialog, UINT id);
// The list's selection (-1 when none), raised to min and lowered to max where those are not
// negative.
int ReadChoice(HWND dialog, UINT id, int min, int max);
// A level slider's position, -127..128.
int ReadSliderValue(HWND dialog, UINT id);
// A colour swatch's 0x00BBGGRR colour.
int ReadSwatchColour(HWND dialog, UINT id);

// A control's text read as an unsigned decimal number (0 when it is none); larger numbers
// saturate at 4294967295.
unsigned long ReadControlUnsigned(HWND dialog, UINT id);

struct SpinSpecification {
    int min, max, initial;
    int fields; // how many of the three were read
};
SpinSpecification ParseSpinSpecification(const char *text);

// The animated logo of the main dialog and the About box: an owner-drawn button showing the
// 24 pictures of bitmaps 10000-10023 in turn, driven by a timer of its dialog.
//
// Its state is one word in the button's user data: bits 0-7 the timer id, 8-15 the current
// picture, 16-23 the screen depth (24 for anything above 8 bits), bit 24 animation on.
#pragma once

#include <windows.h>

constexpr UINT_PTR kLogoTimer = 99;

// Sizes the button to the pictures plus a 2-pixel edge and starts the timer on the dialog;
// when the timer cannot be started the state stays 0 and the logo blank.
void StartLogo(HWND dialog, int logoId);
void StopLogo(HWND dialog, int logoId);
// A timer tick: repaints the logo.
void TickLogo(HWND dialog, int logoId, UINT_PTR timer);
// The owner-draw request of the logo button: draws the current picture and moves on.
void DrawLogo(const DRAWITEMSTRUCT *item);

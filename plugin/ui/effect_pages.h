// The page mechanism: every control of every effect page is made from the control table at
// dialog start, filled from its setting, shown with its effect's page and read back on Build.
#pragma once

#include <windows.h>

#include <cstddef>

#include "ui/control_row.h"

// Creates every row marked for creation, hidden, in table order (which is the tab order),
// each number field followed by its spin box. A control that cannot be made is left out.
void CreatePages(HWND dialog, const ControlRow *rows, size_t count);
// Fills every control from its setting.
void WriteValues(HWND dialog, const ControlRow *rows, size_t count);
// Copies every control's value into its setting.
void ReadValues(HWND dialog, const ControlRow *rows, size_t count);
// Hides every page control, then shows those of the effect's page.
void ShowPage(HWND dialog, int effect);
// Offers a command to its row's handler; returns 0 when the dialog's own handling must stop.
int RouteCommand(HWND dialog, WPARAM wParam, LPARAM lParam);
// Hands an owner-draw request to its row's handler; returns the handler's result, else 0.
int RouteOwnerDraw(HWND dialog, WPARAM wParam, const DRAWITEMSTRUCT *item);

// Painting of the main dialog: its labels, the live preview pane, the frame-size display and
// the items of the radar page's marker list.
#pragma once

#include <windows.h>

// Labels and check boxes show the textured background through: transparent, window-text
// colour. Returns the brush the dialog answers with.
HBRUSH PaintLabel(HDC dc);
// Has the selected effect render one frame into the pane, centres and clips it, and shows
// its size in the frame-size display.
void PaintPreview(HWND dialog, const DRAWITEMSTRUCT *item);
void PaintFrameSize(const DRAWITEMSTRUCT *item);
// A marker item shows its text up to the first ","; selected items white on the shadow
// colour, others black on white.
void PaintMarkerItem(const DRAWITEMSTRUCT *item);

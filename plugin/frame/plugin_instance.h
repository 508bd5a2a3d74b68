// What the plug-in keeps while it is loaded and while its dialog runs.
#pragma once

#include <windows.h>

#include "frame/host_records.h"

// The module instance: every resource and dialog is loaded from it.
extern HINSTANCE g_module;
// The host record of the running dialog, kept from dialog start.
extern const HostRecord *g_hostRecord;
// Fonts created for one run of the plug-in: the page font of every effect-page control and
// the small font of the numbers inside slider controls.
extern HFONT g_pageFont;
extern HFONT g_smallFont;

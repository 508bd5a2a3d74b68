// The work behind the DLL's exports, callable from tests.
#pragma once

#include <windows.h>

#include "frame/host_records.h"

// Fills a PluginInfo the host sized itself; never writes past that size. Returns 1.
int FillPluginInfo(PluginInfo *info);
// Runs the main dialog owned by the host window; returns 1 whatever the user did.
int RunPlugin(HWND hostWindow, const HostRecord *host);

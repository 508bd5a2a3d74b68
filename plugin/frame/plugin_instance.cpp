#include "frame/plugin_instance.h"

HINSTANCE g_module = nullptr;
const HostRecord *g_hostRecord = nullptr;
HFONT g_pageFont = nullptr;
HFONT g_smallFont = nullptr;

#include "frame/plugin_messages.h"

#include "frame/plugin_instance.h"

const char *LoadPluginString(UINT id)
{
    static char buffer[256];
    if (LoadStringA(g_module, id, buffer, sizeof buffer) <= 0)
        lstrcpynA(buffer, "String table error - this application may be damaged", sizeof buffer);
    return buffer;
}

void ShowMessage(HWND owner, const char *text)
{
    MessageBoxA(owner, text, "Message", MB_OK);
}

// The DLL's three exports, with the standard calling convention and undecorated names
// (zxfxplg1.def).
#include <windows.h>

#include "frame/plugin_entry.h"
#include "frame/plugin_instance.h"

extern "C" {

BOOL WINAPI DllEntryPoint(HINSTANCE instance, DWORD, LPVOID)
{
    g_module = instance;
    return TRUE;
}

int WINAPI PLUGINGetPluginParams(PluginInfo *info, void *)
{
    return FillPluginInfo(info);
}

int WINAPI PLUGINDoBuild(HWND hostWindow, HostRecord *host, void *)
{
    return RunPlugin(hostWindow, host);
}

// The C runtime's DLL start-up calls DllMain once it has initialised itself.
BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved)
{
    return DllEntryPoint(instance, reason, reserved);
}
}

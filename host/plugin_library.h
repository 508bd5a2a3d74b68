// A plug-in DLL loaded the way the host editors load it, with its exports checked.
#pragma once

#include "frame/host_records.h"

#include <string>

typedef int(WINAPI *GetPluginParamsFunction)(PluginInfo *, void *);
typedef int(WINAPI *DoBuildFunction)(HWND, HostRecord *, void *);

class PluginLibrary
{
public:
    PluginLibrary() = default;
    ~PluginLibrary();
    PluginLibrary(const PluginLibrary &) = delete;
    PluginLibrary &operator=(const PluginLibrary &) = delete;

    // False with a reason in error when the DLL cannot be loaded or lacks an export.
    bool Load(const std::string &path, std::string &error);
    // The PluginInfo name, from a record sized for the name and the credit text.
    std::string Name() const;
    int DoBuild(HWND owner, HostRecord *host) const { return doBuild_(owner, host, nullptr); }
    std::string Folder() const;

private:
    HMODULE module_ = nullptr;
    GetPluginParamsFunction getParams_ = nullptr;
    DoBuildFunction doBuild_ = nullptr;
};

// The default plug-in: zxfxplg1.dll beside the host program.
std::string DefaultPluginPath();

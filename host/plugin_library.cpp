#include "host/plugin_library.h"

#include <vector>

namespace
{

constexpr int kPluginInfoSize = 1024; // room for the name and a credit text of any length

std::string FolderOf(const std::string &path)
{
    const size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? "." : path.substr(0, slash);
}

} // namespace

PluginLibrary::~PluginLibrary()
{
    if (module_)
        FreeLibrary(module_);
}

bool PluginLibrary::Load(const std::string &path, std::string &error)
{
    module_ = LoadLibraryA(path.c_str());
    if (!module_) {
        error =
            "cannot load the plug-in " + path + " (error " + std::to_string(GetLastError()) + ")";
        return false;
    }
    getParams_ = reinterpret_cast<GetPluginParamsFunction>(
        reinterpret_cast<void *>(GetProcAddress(module_, "PLUGINGetPluginParams")));
    doBuild_ = reinterpret_cast<DoBuildFunction>(
        reinterpret_cast<void *>(GetProcAddress(module_, "PLUGINDoBuild")));
    for (const char *name : {"PLUGINGetPluginParams", "PLUGINDoBuild", "DllEntryPoint"}) {
        if (!GetProcAddress(module_, name)) {
            error = "the plug-in " + path + " does not export " + name;
            return false;
        }
    }
    return true;
}

std::string PluginLibrary::Name() const
{
    std::vector<char> block(kPluginInfoSize);
    PluginInfo *info = reinterpret_cast<PluginInfo *>(block.data());
    info->size = kPluginInfoSize;
    info->version = kRecordVersion;
    if (!getParams_(info, nullptr))
        return std::string();
    return std::string(info->name, strnlen(info->name, sizeof(info->name)));
}

std::string PluginLibrary::Folder() const
{
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(module_, path, MAX_PATH);
    return FolderOf(std::string(path, length));
}

std::string DefaultPluginPath()
{
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    return FolderOf(std::string(path, length)) + "\\zxfxplg1.dll";
}

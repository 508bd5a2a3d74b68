#include "config/config_folders.h"

#include <windows.h>

#include <shlobj.h>

namespace
{

std::string g_folderOverride;

std::string WithBackslash(std::string folder)
{
    if (!folder.empty() && folder.back() != '\\')
        folder += '\\';
    return folder;
}

// The shell's special folder followed by a subfolder, or empty when the shell has none.
std::string SpecialFolder(int csidl, const char *subfolder)
{
    char path[MAX_PATH];
    if (FAILED(SHGetFolderPathA(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path)))
        return std::string();
    return WithBackslash(path) + subfolder;
}

std::string ConfigurationFolder()
{
    if (!g_folderOverride.empty())
        return WithBackslash(g_folderOverride);
    return SpecialFolder(CSIDL_APPDATA, "Quintrel\\");
}

std::string InFolder(const std::string &folder, const char *name)
{
    return folder.empty() ? folder : folder + name;
}

} // namespace

std::string ConfigurationPath(const char *name)
{
    return InFolder(ConfigurationFolder(), name);
}

std::string ListFolderPath(const char *name)
{
    return InFolder(InFolder(ConfigurationFolder(), "Zentrix 1\\"), name);
}

std::string SampleFolderPath(const char *name)
{
    return InFolder(SpecialFolder(CSIDL_PERSONAL, "My Zentrix\\"), name);
}

void OverrideConfigurationFolder(const std::string &folder)
{
    g_folderOverride = folder;
}

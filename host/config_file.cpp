#include "host/config_file.h"

#include <windows.h>

#include <shlobj.h>

std::string ConfigFilePath()
{
    char folder[MAX_PATH];
    if (FAILED(SHGetFolderPathA(nullptr, CSIDL_APPDATA | CSIDL_FLAG_CREATE, nullptr,
                                SHGFP_TYPE_CURRENT, folder)))
        return std::string();
    const std::string quintrel = std::string(folder) + "\\Quintrel";
    if (!CreateDirectoryA(quintrel.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
        return std::string();
    return quintrel + "\\ZXFXPLG1.INI";
}

bool EditConfigFile(bool fresh, const std::vector<std::pair<std::string, std::string>> &settings,
                    std::string &error)
{
    if (!fresh && settings.empty())
        return true;
    const std::string path = ConfigFilePath();
    if (path.empty()) {
        error = "cannot find or create the configuration folder";
        return false;
    }
    if (fresh && !DeleteFileA(path.c_str()) && GetLastError() != ERROR_FILE_NOT_FOUND) {
        error = "cannot delete " + path;
        return false;
    }
    for (const auto &setting : settings) {
        if (!WritePrivateProfileStringA("PlugIn", setting.first.c_str(), setting.second.c_str(),
                                        path.c_str())) {
            error = "cannot write " + setting.first + " into " + path;
            return false;
        }
    }
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str()); // flush the cache
    return true;
}

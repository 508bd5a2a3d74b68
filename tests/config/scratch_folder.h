// A fresh folder under the temporary folder, made the configuration folder for the test's
// lifetime, so that a user's own settings are never touched; removed with its files after.
#pragma once

#include "config/config_folders.h"

#include <windows.h>

#include <fstream>
#include <sstream>
#include <string>

class ScratchConfigurationFolder
{
public:
    ScratchConfigurationFolder();
    ~ScratchConfigurationFolder();
    const std::string &path() const { return path_; }
    std::string File(const char *name) const { return path_ + name; }

private:
    std::string path_;
};

inline ScratchConfigurationFolder::ScratchConfigurationFolder()
{
    char temp[MAX_PATH];
    GetTempPathA(sizeof(temp), temp);
    path_ = std::string(temp) + "zxconfig" + std::to_string(GetCurrentProcessId()) + "\\";
    CreateDirectoryA(path_.c_str(), nullptr);
    OverrideConfigurationFolder(path_);
}

inline ScratchConfigurationFolder::~ScratchConfigurationFolder()
{
    OverrideConfigurationFolder(std::string());
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((path_ + "*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = path_ + found.cFileName;
            if (found.cFileName[0] == '.')
                continue;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveDirectoryA(name.c_str());
            else
                DeleteFileA(name.c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(path_.c_str());
}

// Writes text into a file as it stands (binary, so the test decides every byte).
inline void WriteTextFile(const std::string &path, const std::string &text)
{
    std::ofstream(path, std::ios::binary) << text;
}

inline std::string ReadTextFile(const std::string &path)
{
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

// Saves every setting variable and puts them all back, so that tests that change settings
// leave the defaults for the next test.
#pragma once

#include "config/setting_entry.h"

#include <cstring>
#include <vector>

class SettingsSnapshot
{
public:
    SettingsSnapshot()
    {
        for (size_t i = 0; i < kSettingsCount; i++)
            saved_.emplace_back(Bytes(kSettingsTable[i]));
    }
    ~SettingsSnapshot() { Restore(); }
    void Restore() const
    {
        for (size_t i = 0; i < kSettingsCount; i++)
            std::memcpy(kSettingsTable[i].value, saved_[i].data(), saved_[i].size());
    }

private:
    static std::vector<char> Bytes(const SettingEntry &entry)
    {
        const char *value = static_cast<const char *>(entry.value);
        const size_t size = entry.kind == SettingKind::Text ? kSettingTextSize : sizeof(int32_t);
        return std::vector<char>(value, value + size);
    }
    std::vector<std::vector<char>> saved_;
};

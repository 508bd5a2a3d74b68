// One row of the settings table: a key of the configuration file and the variable it binds.
#pragma once

#include <cstddef>
#include <cstdint>

// Text settings hold 260 characters and their terminating zero.
constexpr size_t kSettingTextSize = 261;

enum class SettingKind : uint8_t { Number, Text };

struct SettingEntry {
    const char *key;
    void *value; // int32_t, or char[kSettingTextSize]
    SettingKind kind;
    bool neverRead; // written for information, skipped by the reader
};

// Every key in the order of the file's lines.
extern const SettingEntry kSettingsTable[];
extern const size_t kSettingsCount;

// Copies at most limit characters (and never more than a text setting holds) and the
// terminating zero into a text setting.
void StoreSettingText(char *setting, const char *text, size_t limit = kSettingTextSize - 1);

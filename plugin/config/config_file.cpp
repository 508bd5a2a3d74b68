#include "config/config_file.h"

#include "config/config_folders.h"
#include "config/file_replacement.h"
#include "config/setting_entry.h"
#include "config/settings.h"

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

const char kConfigurationFileName[] = "ZXFXPLG1.INI";

namespace
{

// Room for 259 characters: a longer line goes on as the next line.
constexpr int kLineBuffer = 260;

bool ShiftKeyDown()
{
    return (GetAsyncKeyState(VK_SHIFT) & 0x8000) != 0;
}

const SettingEntry *FindReadableEntry(const char *key, size_t length)
{
    for (size_t i = 0; i < kSettingsCount; i++)
        if (!kSettingsTable[i].neverRead && std::strncmp(kSettingsTable[i].key, key, length) == 0)
            return &kSettingsTable[i];
    return nullptr;
}

// The leading decimal integer. Numbers are written unsigned, so values up to 4294967295 come
// back as the 32-bit pattern they were written from; numbers beyond 32 bits count as the
// nearest end of that range.
int32_t ParseNumber(const char *text)
{
    long long value = std::strtoll(text, nullptr, 10);
    if (value < INT32_MIN)
        value = INT32_MIN;
    if (value > static_cast<long long>(UINT32_MAX))
        value = UINT32_MAX;
    return static_cast<int32_t>(static_cast<uint32_t>(value));
}

void ApplyLine(char *line)
{
    if (line[0] == ';')
        return;
    char *end = line;
    while (static_cast<unsigned char>(*end) >= 32)
        end++;
    *end = '\0';

    size_t keyLength = 0;
    while (static_cast<unsigned char>(line[keyLength]) > ' ' && line[keyLength] != '=')
        keyLength++;
    if (keyLength == 0)
        return;
    const SettingEntry *entry = FindReadableEntry(line, keyLength);
    if (!entry)
        return;

    const char *value = line + keyLength;
    while (*value == ' ')
        value++;
    while (*value == '=')
        value++;
    while (*value == ' ')
        value++;
    if (entry->kind == SettingKind::Number)
        *static_cast<int32_t *>(entry->value) = ParseNumber(value);
    else
        StoreSettingText(static_cast<char *>(entry->value), value);
}

// Day of month padded with a space, English names whatever the user's locale.
void FormatTimeStamp(char (&stamp)[32], time_t now)
{
    static const char kDays[] = "SunMonTueWedThuFriSat";
    static const char kMonths[] = "JanFebMarAprMayJunJulAugSepOctNovDec";
    const tm *local = std::localtime(&now);
    if (!local) {
        stamp[0] = '\0';
        return;
    }
    std::snprintf(stamp, sizeof(stamp), "%.3s %.3s %2d %02d:%02d:%02d %4d",
                  kDays + 3 * local->tm_wday, kMonths + 3 * local->tm_mon, local->tm_mday,
                  local->tm_hour, local->tm_min, local->tm_sec, local->tm_year + 1900);
}

bool WriteLines(FILE *file)
{
    char stamp[32];
    FormatTimeStamp(stamp, std::time(nullptr));
    std::fprintf(file, ";Quintrel animtion plugin configuration file\n");
    std::fprintf(file, ";Edit this at your own risk\n");
    std::fprintf(file, ";Last updated %24.24s\n", stamp);
    std::fprintf(file, ";\n[PlugIn]\n");
    for (size_t i = 0; i < kSettingsCount; i++) {
        const SettingEntry &entry = kSettingsTable[i];
        if (entry.kind == SettingKind::Number)
            std::fprintf(file, "%s = %u\n", entry.key,
                         static_cast<unsigned>(*static_cast<const int32_t *>(entry.value)));
        else
            std::fprintf(file, "%s = %s\n", entry.key, static_cast<const char *>(entry.value));
    }
    return !std::ferror(file);
}

} // namespace

void ReadSettingsFile(const std::string &path)
{
    if (path.empty())
        return;
    FILE *file = std::fopen(path.c_str(), "rt");
    if (!file)
        return;
    char line[kLineBuffer];
    while (std::fgets(line, sizeof(line), file))
        ApplyLine(line);
    std::fclose(file);
}

bool WriteSettingsFile(const std::string &path)
{
    return !path.empty() && ReplaceFileWith(path, WriteLines);
}

bool ReadSettings()
{
    if (ShiftKeyDown())
        return false;
    ReadSettingsFile(ConfigurationPath(kConfigurationFileName));
    return true;
}

void WriteSettings()
{
    WriteSettingsFile(ConfigurationPath(kConfigurationFileName));
}

void UseSampleFolderForFileNames()
{
    char *const names[] = {
        settings::MainVUDigVertSound,      settings::MainVUDigHorzSound,
        settings::MainVUAnalogSquareSound, settings::MainVUAnalogRoundSound,
        settings::MainMagicEyeSound,       settings::MainSonicSound,
        settings::MainVoiceSound,          settings::MainSpectrumSound,
        settings::MainDatapadTextFile,     settings::MainBarGraphImageFile,
    };
    for (char *name : names)
        StoreSettingText(name, SampleFolderPath(name).c_str());
}

#include "config/setting_entry.h"

#include <cstring>

void StoreSettingText(char *setting, const char *text, size_t limit)
{
    const size_t room = limit < kSettingTextSize - 1 ? limit : kSettingTextSize - 1;
    const size_t length = strnlen(text, room);
    std::memmove(setting, text, length);
    setting[length] = '\0';
}

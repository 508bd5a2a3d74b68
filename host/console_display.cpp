#include "host/console_display.h"

#include <cstdio>

namespace
{

constexpr int kBarWidth = 40;
bool g_barShown = false;

void ClearBar()
{
    if (g_barShown)
        std::fprintf(stderr, "\r%*s\r", kBarWidth + 24, "");
    g_barShown = false;
}

} // namespace

void ShowStatus(const std::string &text)
{
    ClearBar();
    std::fprintf(stderr, "%s\n", text.c_str());
}

void ShowProgress(int position, int total)
{
    if (total <= 0) {
        ClearBar();
        return;
    }
    const int clamped = position < 0 ? 0 : position > total ? total : position;
    const int filled = static_cast<int>(static_cast<long long>(clamped) * kBarWidth / total);
    std::fprintf(stderr, "\r[%s%*s] %d/%d", std::string(filled, '#').c_str(), kBarWidth - filled,
                 "", position, total);
    std::fflush(stderr);
    g_barShown = true;
}

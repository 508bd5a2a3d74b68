#include "imaging/palette_search.h"

#include <cstring>
#include <vector>

int Luminance(int red, int green, int blue)
{
    return red * 30 / 100 + green * 59 / 100 + blue * 11 / 100;
}

int FindNearestColour(int red, int green, int blue, const uint8_t *palette, int count)
{
    int best = 1000000;
    int bestIndex = 0;
    for (int i = 0; i < count; i++) {
        const int dr = red - palette[3 * i];
        const int dg = green - palette[3 * i + 1];
        const int db = blue - palette[3 * i + 2];
        const int distance = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (distance == 0)
            return i; // the first exact match
        if (distance < best) {
            best = distance;
            bestIndex = i;
        }
    }
    return bestIndex;
}

int FindExactColour(int red, int green, int blue, const uint8_t *palette, int count)
{
    for (int i = 0; i < count; i++)
        if (palette[3 * i] == red && palette[3 * i + 1] == green && palette[3 * i + 2] == blue)
            return i;
    return -1;
}

void SortPaletteByLuminance(uint8_t *palette, int count, bool ascending)
{
    auto luminanceOf = [palette](int i) {
        return Luminance(palette[3 * i], palette[3 * i + 1], palette[3 * i + 2]);
    };
    for (int pass = 0; pass < count - 1; pass++)
        for (int i = 0; i < count - 1 - pass; i++) {
            const int a = luminanceOf(i);
            const int b = luminanceOf(i + 1);
            if (ascending ? a > b : a < b)
                for (int c = 0; c < 3; c++)
                    std::swap(palette[3 * i + c], palette[3 * (i + 1) + c]);
        }
}

int BitsForColourCount(int count)
{
    int bits = 1;
    while (bits < 8 && count > (1 << bits))
        bits++;
    return bits;
}

namespace
{

constexpr int kCells = 32768;

// The last cell table built, kept while the same palette and count come again.
struct CellCache {
    std::vector<uint8_t> palette;
    int count = -1;
    std::vector<uint8_t> cells = std::vector<uint8_t>(kCells);
};

CellCache &Cache()
{
    static CellCache cache;
    return cache;
}

const std::vector<uint8_t> &CellsFor(const uint8_t *palette, int count)
{
    CellCache &cache = Cache();
    const size_t bytes = 3 * static_cast<size_t>(count);
    if (cache.count == count && std::memcmp(cache.palette.data(), palette, bytes) == 0)
        return cache.cells;
    for (int t = 0; t < kCells; t++)
        cache.cells[t] = static_cast<uint8_t>(
            FindNearestColour((t % 32) * 8, (t / 32 % 32) * 8, (t / 1024) * 8, palette, count));
    cache.palette.assign(palette, palette + bytes);
    cache.count = count;
    return cache.cells;
}

unsigned HashColour(int red, int green, int blue)
{
    const unsigned colour = red | (green << 8) | (blue << 16);
    return (colour * 2654435761u) >> 22; // 10 bits
}

} // namespace

ColourMatcher::ColourMatcher(const uint8_t *palette, int count, bool fastRemap)
    : palette_(palette), count_(count), fast_(fastRemap), cells_(CellsFor(palette, count))
{
    std::memset(exact_, 0xFF, sizeof exact_);
    for (int i = 0; i < count; i++) {
        const int r = palette[3 * i], g = palette[3 * i + 1], b = palette[3 * i + 2];
        unsigned slot = HashColour(r, g, b);
        while (exact_[slot] >= 0) {
            const int j = exact_[slot];
            if (palette[3 * j] == r && palette[3 * j + 1] == g && palette[3 * j + 2] == b)
                break; // an earlier entry of the same colour keeps the slot
            slot = (slot + 1) & 1023;
        }
        if (exact_[slot] < 0)
            exact_[slot] = static_cast<int16_t>(i);
    }
}

int ColourMatcher::Exact(int red, int green, int blue) const
{
    for (unsigned slot = HashColour(red, green, blue);; slot = (slot + 1) & 1023) {
        const int i = exact_[slot];
        if (i < 0)
            return -1;
        if (palette_[3 * i] == red && palette_[3 * i + 1] == green && palette_[3 * i + 2] == blue)
            return i;
    }
}

int ColourMatcher::Cell(int red, int green, int blue) const
{
    return cells_[(red >> 3) + (green >> 3) * 32 + (blue >> 3) * 1024];
}

int ColourMatcher::Match(int red, int green, int blue) const
{
    if (!fast_)
        return FindNearestColour(red, green, blue, palette_, count_);
    const int exact = Exact(red, green, blue);
    return exact >= 0 ? exact : Cell(red, green, blue);
}

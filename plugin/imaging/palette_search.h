// Colour searches over RGB palettes (256 entries of red, green, blue) and the small palette
// utilities the colour reduction and the build driver share.
#pragma once

#include <cstdint>
#include <vector>

// red × 30 / 100 + green × 59 / 100 + blue × 11 / 100, each term divided on its own.
int Luminance(int red, int green, int blue);

// The first exact match, else the entry with the smallest 3 dR² + 4 dG² + 2 dB² (the lowest
// index wins ties); 0 when count is 0.
int FindNearestColour(int red, int green, int blue, const uint8_t *palette, int count);
// The first exact match, or -1.
int FindExactColour(int red, int green, int blue, const uint8_t *palette, int count);
// Bubble sort of the first count entries by luminance; equal luminances keep their order.
void SortPaletteByLuminance(uint8_t *palette, int count, bool ascending);
// 1 for up to 2 colours, 2 for up to 4, ... 8 for more than 128.
int BitsForColourCount(int count);

// Answers "which palette index for this colour" the way a remap does: with fast remap, an
// exact match or else the nearest entry to the colour's 15-bit cell; without it, the full
// nearest-colour search. The 32768-entry cell table is built once per palette and count and
// kept while the same palette is used again, which gives the same answers as rebuilding it
// for every image.
class ColourMatcher
{
public:
    ColourMatcher(const uint8_t *palette, int count, bool fastRemap);

    int Match(int red, int green, int blue) const;
    // The lookup entry of a colour's 15-bit cell.
    int Cell(int red, int green, int blue) const;
    // First exact match, or -1 (hashed; the same answer as FindExactColour).
    int Exact(int red, int green, int blue) const;

private:
    const uint8_t *palette_;
    int count_;
    bool fast_;
    std::vector<uint8_t> cells_; // 32768 entries
    int16_t exact_[1024];        // open-addressed hash of first indices, -1 when empty
};

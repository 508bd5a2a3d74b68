#include "imaging/fixed_palettes.h"

#include "frame/plugin_instance.h"
#include "imaging/packed_image.h"

#include <windows.h>

#include <cstring>

namespace
{

const uint8_t kL2[] = {0, 255};
const uint8_t kL4[] = {0, 85, 170, 255};
const uint8_t kL8[] = {0, 36, 72, 108, 144, 180, 216, 255};

const uint8_t kWindows16[16][3] = {
    {0, 0, 0},     {128, 0, 0},     {0, 128, 0},     {128, 128, 0},   {0, 0, 128}, {128, 0, 128},
    {0, 128, 128}, {128, 128, 128}, {192, 192, 192}, {255, 0, 0},     {0, 255, 0}, {255, 255, 0},
    {0, 0, 255},   {255, 0, 255},   {0, 255, 255},   {255, 255, 255},
};

// An orthogonal palette: every red level × green level × blue level, index =
// (r × greens + g) × blues + b.
struct Orthogonal {
    const uint8_t *red;
    int reds;
    const uint8_t *green;
    int greens;
    const uint8_t *blue;
    int blues;
};

struct FixedPalette {
    int entries;
    int bits;
    const Orthogonal *cube; // or
    const char *resource;   // or (neither: a built-in table)
};

const Orthogonal k32 = {kL4, 4, kL4, 4, kL2, 2};
const Orthogonal k64 = {kL4, 4, kL4, 4, kL4, 4};
const Orthogonal k128 = {kL4, 4, kL8, 8, kL4, 4};
const Orthogonal k256 = {kL8, 8, kL8, 8, kL4, 4};

const FixedPalette kPalettes[kFixedPaletteCount] = {
    /* 0 Black and white       */ {2, 1, nullptr, nullptr},
    /* 1 Sixteen-color Windows */ {16, 4, nullptr, nullptr},
    /* 2 32-color orthogonal   */ {32, 5, &k32, nullptr},
    /* 3 64-color orthogonal   */ {64, 6, &k64, nullptr},
    /* 4 128-color orthogonal  */ {128, 7, &k128, nullptr},
    /* 5 216-color safe        */ {216, 8, nullptr, "PALETTE216"},
    /* 6 256-color orthogonal  */ {256, 8, &k256, nullptr},
    /* 7 256-color with gray   */ {256, 8, nullptr, "PALETTE256G"},
    /* 8 256 gray levels       */ {256, 8, nullptr, nullptr},
};

// The palette resources carry an 85-byte header before their 768 palette bytes.
constexpr DWORD kResourceHeader = 85;

void CopyResourcePalette(uint8_t *palette, const char *name)
{
    HRSRC found = FindResourceA(g_module, name, MAKEINTRESOURCEA(10) /* RT_RCDATA */);
    if (!found || SizeofResource(g_module, found) < kResourceHeader + kPaletteBytes)
        return;
    HGLOBAL loaded = LoadResource(g_module, found);
    const uint8_t *bytes = loaded ? static_cast<const uint8_t *>(LockResource(loaded)) : nullptr;
    if (bytes)
        std::memcpy(palette, bytes + kResourceHeader, kPaletteBytes);
}

void FillCube(uint8_t *palette, const Orthogonal &cube)
{
    for (int r = 0; r < cube.reds; r++)
        for (int g = 0; g < cube.greens; g++)
            for (int b = 0; b < cube.blues; b++) {
                uint8_t *entry = palette + 3 * ((r * cube.greens + g) * cube.blues + b);
                entry[0] = cube.red[r];
                entry[1] = cube.green[g];
                entry[2] = cube.blue[b];
            }
}

} // namespace

int LoadFixedPalette(uint8_t *palette, int *bits, int type)
{
    if (type < 0 || type >= kFixedPaletteCount)
        type = kOrthogonal256Palette;
    const FixedPalette &fixed = kPalettes[type];
    if (bits)
        *bits = fixed.bits;
    if (!palette)
        return fixed.entries;

    std::memset(palette, 0, kPaletteBytes);
    if (fixed.cube)
        FillCube(palette, *fixed.cube);
    else if (fixed.resource)
        CopyResourcePalette(palette, fixed.resource);
    else if (type == 0)
        std::memset(palette + 3, 255, 3);
    else if (type == 1)
        std::memcpy(palette, kWindows16, sizeof kWindows16);
    else
        for (int i = 0; i < 256; i++)
            std::memset(palette + 3 * i, i, 3);
    return fixed.entries;
}

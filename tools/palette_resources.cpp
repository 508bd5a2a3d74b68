// Writes the two palette resources of the plug-in, "palette216.bin" and "palette256g.bin",
// into the folder named on the command line: an 85-byte header, then 256 red, green, blue
// triples. Deterministic: the same program writes the same bytes.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

namespace
{

constexpr int kHeaderBytes = 85;

struct Palette {
    uint8_t rgb[256][3] = {};
};

// Six levels per channel; entries 216-255 stay black.
Palette WebSafe()
{
    const uint8_t level[6] = {0, 51, 102, 153, 204, 255};
    Palette p;
    for (int i = 0; i < 216; i++) {
        p.rgb[i][0] = level[(i / 6) % 6];
        p.rgb[i][1] = level[i / 36];
        p.rgb[i][2] = level[i % 6];
    }
    return p;
}

// A 7 × 8 × 4 colour cube with a 32-step grey ramp inserted at entries 112-143.
Palette CubeWithGreys()
{
    const uint8_t red[7] = {0, 43, 85, 128, 170, 213, 255};
    const uint8_t green[8] = {0, 36, 73, 109, 146, 182, 219, 255};
    const uint8_t blue[4] = {0, 85, 170, 255};
    const uint8_t grey[32] = {1,   8,   16,  24,  32,  41,  49,  57,  65,  74,  82,
                              90,  98,  106, 115, 123, 131, 139, 148, 156, 164, 172,
                              180, 189, 197, 205, 213, 222, 230, 238, 246, 254};
    Palette p;
    for (int r = 0; r < 7; r++)
        for (int g = 0; g < 8; g++)
            for (int b = 0; b < 4; b++) {
                const int cube = r * 32 + g * 4 + b;
                uint8_t *entry = p.rgb[cube < 112 ? cube : cube + 32];
                entry[0] = red[r];
                entry[1] = green[g];
                entry[2] = blue[b];
            }
    for (int k = 0; k < 32; k++)
        std::memset(p.rgb[112 + k], grey[k], 3);
    return p;
}

bool Write(const std::string &path, const char *title, const Palette &palette)
{
    char header[kHeaderBytes] = {};
    std::snprintf(header, sizeof header, "Zentrix #1 palette: %s", title);
    FILE *file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    const bool ok = std::fwrite(header, 1, sizeof header, file) == sizeof header &&
                    std::fwrite(palette.rgb, 1, sizeof palette.rgb, file) == sizeof palette.rgb;
    return std::fclose(file) == 0 && ok;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: palette_resources OUTPUT-FOLDER\n");
        return 2;
    }
    const std::string folder = std::string(argv[1]) + "/";
    if (!Write(folder + "palette216.bin", "216-color safe", WebSafe()) ||
        !Write(folder + "palette256g.bin", "256-color with gray", CubeWithGreys())) {
        std::fprintf(stderr, "palette_resources: cannot write into %s\n", argv[1]);
        return 1;
    }
    return 0;
}

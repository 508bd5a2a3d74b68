#include "imaging/colour_helpers.h"

#include <algorithm>

namespace
{

int Channel(int colour, int shift)
{
    return (colour >> shift) & 0xFF;
}

int ClampChannel(int value)
{
    return std::min(255, std::max(0, value));
}

int MakeColour(int red, int green, int blue)
{
    return red | (green << 8) | (blue << 16);
}

int ScaleChannel(int value, double factor)
{
    const double scaled = value * factor;
    return scaled <= 0 ? 0 : scaled >= 255 ? 255 : static_cast<int>(scaled);
}

// Adds the tint offsets to one blue, green, red byte triple (the order of both DIB pixels and
// colour-table entries).
void TintBytes(uint8_t *bgr, const int offsets[3])
{
    for (int c = 0; c < 3; c++)
        bgr[c] = static_cast<uint8_t>(ClampChannel(bgr[c] + offsets[c]));
}

} // namespace

void PixelBytes(int colour, uint8_t bgr[3])
{
    for (int c = 0; c < 3; c++)
        bgr[c] = static_cast<uint8_t>(Channel(colour, 16 - 8 * c));
}

int ScaleColour(int colour, double factor)
{
    return MakeColour(ScaleChannel(Channel(colour, 0), factor),
                      ScaleChannel(Channel(colour, 8), factor),
                      ScaleChannel(Channel(colour, 16), factor));
}

int BlendColours(int a, int b, int weight)
{
    auto mix = [&](int shift) {
        return (weight * Channel(a, shift) + (255 - weight) * Channel(b, shift)) / 255;
    };
    return MakeColour(mix(0), mix(8), mix(16));
}

int TintImage(PackedImage *image, int tint)
{
    const int offsets[3] = {Channel(tint, 16) - 128, Channel(tint, 8) - 128,
                            Channel(tint, 0) - 128};
    const int bits = image->biBitCount;
    if (bits <= 8) {
        const int entries = 1 << bits;
        RGBQUAD *table = reinterpret_cast<RGBQUAD *>(image + 1);
        for (int i = 0; i < entries; i++)
            TintBytes(&table[i].rgbBlue, offsets);
        return entries;
    }
    const int step = bits / 8;
    for (int y = 0; y < image->biHeight; y++) {
        uint8_t *row = ImageRow(image, y);
        for (int x = 0; x < image->biWidth; x++)
            TintBytes(row + step * x, offsets);
    }
    return 16777216;
}

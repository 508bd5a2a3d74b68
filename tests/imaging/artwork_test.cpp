#include "imaging/artwork.h"

#include "frame/global_block.h"
#include "imaging/packed_image.h"
#include "support/heap_census.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace
{

using Bytes = std::vector<uint8_t>;

void PutLittleEndian(uint8_t *at, uint32_t value)
{
    for (int i = 0; i < 4; i++)
        at[i] = static_cast<uint8_t>(value >> (8 * i));
}

// The bytes of a packed image with a patterned body, as the artwork stores it.
Bytes ImageBytes(int width, int height, int bits)
{
    GlobalBlock block(CreatePackedImage(width, height, nullptr, bits));
    GlobalLockGuard<uint8_t> image(block.get());
    const size_t size = GlobalSize(block.get());
    Bytes bytes(image.get(), image.get() + size);
    for (size_t i = sizeof(PackedImage); i < size; i++)
        bytes[i] = static_cast<uint8_t>(i * 7 + i / 251);
    return bytes;
}

Bytes Compress(const Bytes &data)
{
    uLongf size = compressBound(data.size());
    Bytes stream(size);
    EXPECT_EQ(Z_OK, compress2(stream.data(), &size, data.data(), data.size(), 9));
    stream.resize(size);
    return stream;
}

// A CPX resource: tag, inflated size, stream size, 1, 32 zero bytes, stream.
Bytes Container(const Bytes &stream, uint32_t inflatedBytes)
{
    Bytes resource(kArtworkHeaderBytes + stream.size());
    std::memcpy(resource.data(), "CPX_HEAD", 8);
    PutLittleEndian(&resource[8], inflatedBytes);
    PutLittleEndian(&resource[12], static_cast<uint32_t>(stream.size()));
    PutLittleEndian(&resource[16], 1);
    std::copy(stream.begin(), stream.end(), resource.begin() + kArtworkHeaderBytes);
    return resource;
}

Bytes Inflated(HGLOBAL handle)
{
    GlobalLockGuard<uint8_t> bytes(handle);
    return Bytes(bytes.get(), bytes.get() + GlobalSize(handle));
}

TEST(Artwork, InflatesWholeImagesAcrossSeveralPasses)
{
    struct Case {
        int width, height, bits, rowBytes;
    } cases[] = {
        {537, 9, 24, 1612}, // a wide colour strip: rows padded to four bytes, > 8192 bytes
        {51, 40, 8, 52},    // a grey mask: header, 1024-byte colour table, rows
        {3, 1, 24, 12},     // smaller than one pass
    };
    for (const Case &c : cases) {
        const Bytes image = ImageBytes(c.width, c.height, c.bits);
        const size_t table = c.bits == 8 ? 1024 : 0;
        ASSERT_EQ(40 + table + c.height * c.rowBytes, image.size());
        const Bytes resource = Container(Compress(image), static_cast<uint32_t>(image.size()));
        GlobalBlock loaded(InflateArtwork(resource.data(), resource.size()));
        ASSERT_TRUE(loaded) << c.width << " x " << c.height;
        EXPECT_EQ(image, Inflated(loaded.get()));
    }
}

TEST(Artwork, DamagedResourcesAreRefusedAndLeaveNothingBehind)
{
    const Bytes image = ImageBytes(537, 9, 24);
    const uint32_t size = static_cast<uint32_t>(image.size());
    const Bytes stream = Compress(image);
    std::vector<std::pair<const char *, Bytes>> cases;
    for (int i = 0; i < 8; i++) {
        Bytes tagged = Container(stream, size);
        tagged[i] ^= 0x20;
        cases.emplace_back("tag differs in one byte", tagged);
    }
    const Bytes whole = Container(stream, size);
    cases.emplace_back("shorter than its header", Bytes(whole.begin(), whole.begin() + 51));
    Bytes cut = Container(Bytes(stream.begin(), stream.end() - 40), size);
    cases.emplace_back("stream cut short", cut);
    Bytes overlong = Container(stream, size);
    PutLittleEndian(&overlong[12], static_cast<uint32_t>(stream.size() + 1));
    cases.emplace_back("stream size past the resource", overlong);
    Bytes corrupt = Container(stream, size);
    corrupt[kArtworkHeaderBytes + stream.size() / 2] ^= 0xFF;
    cases.emplace_back("corrupt stream", corrupt);
    Bytes badHeader = Container(stream, size);
    badHeader[kArtworkHeaderBytes] ^= 0x01;
    cases.emplace_back("bad zlib header", badHeader);
    cases.emplace_back("inflates past its size", Container(stream, size - 1));
    cases.emplace_back("inflates short of its size", Container(stream, size + 1));
    cases.emplace_back("no inflated size", Container(stream, 0));
    Bytes lying = image;
    PutLittleEndian(&lying[8], 10); // ten rows where the block holds nine
    cases.emplace_back("header promises more rows", Container(Compress(lying), size));

    for (const auto &c : cases) {
        HeapCensus census;
        HGLOBAL loaded = InflateArtwork(c.second.data(), c.second.size());
        const long leaked = census.Leaked();
        EXPECT_EQ(nullptr, loaded) << c.first;
        EXPECT_EQ(0, leaked) << c.first;
        if (loaded)
            GlobalFree(loaded);
    }
}

TEST(Artwork, MissingResourceLoadsNothing)
{
    EXPECT_EQ(nullptr, LoadArtwork(GetModuleHandleA(nullptr), 7299));
}

// The glyph strips linked into this program: a pixel's palette index is its grey level.
TEST(Artwork, GlyphStripsHoldTheirCellsInPlace)
{
    struct Case {
        int id, width, height, cell, colon;
    } cases[] = {{7208, 1774, 267, 172, 1720}, {7209, 887, 133, 86, 860}};
    for (const Case &c : cases) {
        GlobalBlock block(LoadArtwork(GetModuleHandleA(nullptr), c.id));
        ASSERT_TRUE(block) << c.id;
        GlobalLockGuard<PackedImage> strip(block.get());
        ASSERT_EQ(c.width, strip->biWidth);
        ASSERT_EQ(c.height, strip->biHeight);
        ASSERT_EQ(8, strip->biBitCount);
        uint8_t palette[kPaletteBytes];
        ASSERT_EQ(256, GetImagePalette(strip.get(), palette));
        EXPECT_EQ(200, palette[3 * 200 + 1]);
        // The middle bar is inked in 8 and not in 0; cell edges stay white; both colon dots
        // are ink.
        const int middle = c.height / 2;
        const int centre = c.cell / 2;
        EXPECT_EQ(0, GetImagePixel(strip.get(), 8 * c.cell + centre, middle)) << c.id;
        EXPECT_EQ(255, GetImagePixel(strip.get(), 0 * c.cell + centre, middle)) << c.id;
        EXPECT_EQ(0, GetImagePixel(strip.get(), c.cell + c.cell * 145 / 172, c.height * 70 / 267))
            << "the upper right stroke of 1 in " << c.id;
        for (int digit = 0; digit < 10; digit++) {
            EXPECT_EQ(255, GetImagePixel(strip.get(), digit * c.cell + 1, middle)) << c.id;
            EXPECT_EQ(255, GetImagePixel(strip.get(), digit * c.cell + c.cell - 2, 1)) << c.id;
        }
        const int dotX = c.colon + (c.width - c.colon) / 2;
        EXPECT_EQ(0, GetImagePixel(strip.get(), dotX, c.height * 85 / 267)) << c.id;
        EXPECT_EQ(0, GetImagePixel(strip.get(), dotX, c.height * 182 / 267)) << c.id;
        EXPECT_EQ(255, GetImagePixel(strip.get(), dotX, middle)) << c.id;
        // Anti-aliased edges: greys between ink and paper occur.
        int greys = 0;
        for (int x = 0; x < c.width; x++)
            greys += GetImagePixel(strip.get(), x, middle) % 255 != 0;
        EXPECT_GT(greys, 10) << c.id;
    }
}

TEST(Artwork, StopwatchDialsSitOnTheHandPivots)
{
    GlobalBlock dialBlock(LoadArtwork(GetModuleHandleA(nullptr), 7213));
    GlobalBlock maskBlock(LoadArtwork(GetModuleHandleA(nullptr), 7214));
    GlobalLockGuard<PackedImage> dial(dialBlock.get()), mask(maskBlock.get());
    ASSERT_TRUE(dial && mask);
    for (const PackedImage *image : {dial.get(), mask.get()}) {
        EXPECT_EQ(558, image->biWidth);
        EXPECT_EQ(761, image->biHeight);
        EXPECT_EQ(24, image->biBitCount);
    }
    const int white = RGB(255, 255, 255);
    // Pivot caps on both centres; the face around them is light.
    EXPECT_EQ(RGB(30, 30, 30), GetImagePixel(dial.get(), 277, 481));
    EXPECT_EQ(RGB(30, 30, 30), GetImagePixel(dial.get(), 277, 381));
    EXPECT_GT(GetImagePixel(dial.get(), 277 + 120, 481) & 0xFF, 200);
    // The silhouette: the case and crown black, the corners and the ring's hole white.
    EXPECT_EQ(0, GetImagePixel(mask.get(), 277, 481));
    EXPECT_EQ(0, GetImagePixel(mask.get(), 277, 150));
    EXPECT_EQ(0, GetImagePixel(mask.get(), 277 + 260, 481));
    EXPECT_EQ(white, GetImagePixel(mask.get(), 0, 0));
    EXPECT_EQ(white, GetImagePixel(mask.get(), 557, 760));
    EXPECT_EQ(white, GetImagePixel(mask.get(), 277, 78));
}

} // namespace

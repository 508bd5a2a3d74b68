#include "host/png_writer.h"

#include "frame/global_block.h"
#include "host/output_file.h"
#include "imaging/packed_image.h"

#include <zlib.h>

namespace
{

void PutLong(std::vector<uint8_t> &out, uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<uint8_t>(value >> shift));
}

void PutShort(std::vector<uint8_t> &out, int value)
{
    out.push_back(static_cast<uint8_t>(value >> 8));
    out.push_back(static_cast<uint8_t>(value));
}

void PutChunk(std::vector<uint8_t> &out, const char *type, const std::vector<uint8_t> &data)
{
    PutLong(out, data.size());
    const size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    PutLong(out, crc32(0, &out[start], out.size() - start));
}

void PutSignatureAndHeader(std::vector<uint8_t> &out, int width, int height)
{
    const uint8_t signature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    out.insert(out.end(), signature, signature + sizeof(signature));
    std::vector<uint8_t> header;
    PutLong(header, width);
    PutLong(header, height);
    header.insert(header.end(), {8, 6, 0, 0, 0}); // 8-bit RGBA, deflate, no interlace
    PutChunk(out, "IHDR", header);
}

// Each row behind a "no filter" byte, deflated.
bool CompressRows(const RgbaPicture &picture, std::vector<uint8_t> &data)
{
    std::vector<uint8_t> raw;
    const size_t stride = static_cast<size_t>(picture.width) * 4;
    for (int y = 0; y < picture.height; y++) {
        raw.push_back(0);
        const auto row = picture.samples.begin() + y * stride;
        raw.insert(raw.end(), row, row + stride);
    }
    uLongf size = compressBound(raw.size());
    data.resize(size);
    if (compress2(data.data(), &size, raw.data(), raw.size(), Z_BEST_COMPRESSION) != Z_OK)
        return false;
    data.resize(size);
    return true;
}

// A frame placed on a canvas of the document's size; what the frame does not cover, and its
// transparent index, stays transparent.
bool FramePicture(const Document &document, const DocumentFrame &frame, RgbaPicture &picture)
{
    GlobalLockGuard<PackedImage> image(frame.image.get());
    if (!image)
        return false;
    picture.width = document.task.width;
    picture.height = document.task.height;
    picture.samples.assign(static_cast<size_t>(picture.width) * picture.height * 4, 0);
    const int bits = image->biBitCount;
    const int transparent = document.TransparentIndex(frame);
    uint8_t palette[kPaletteBytes];
    GetImagePalette(image.get(), palette);
    for (int y = 0; y < image->biHeight; y++) {
        for (int x = 0; x < image->biWidth; x++) {
            const int value = GetImagePixel(image.get(), x, y);
            uint8_t *sample = &picture.samples[(static_cast<size_t>(y) * picture.width + x) * 4];
            if (bits <= 8) {
                if (value == transparent)
                    continue;
                sample[0] = palette[3 * value];
                sample[1] = palette[3 * value + 1];
                sample[2] = palette[3 * value + 2];
            } else {
                sample[0] = static_cast<uint8_t>(value);
                sample[1] = static_cast<uint8_t>(value >> 8);
                sample[2] = static_cast<uint8_t>(value >> 16);
            }
            sample[3] = 255;
        }
    }
    return true;
}

std::vector<uint8_t> FrameControl(uint32_t sequence, const RgbaPicture &picture, int delay,
                                  int denominator, bool first)
{
    std::vector<uint8_t> data;
    PutLong(data, sequence);
    PutLong(data, picture.width);
    PutLong(data, picture.height);
    PutLong(data, 0); // x offset
    PutLong(data, 0); // y offset
    PutShort(data, delay < 0 ? 0 : delay > 0xFFFF ? 0xFFFF : delay);
    PutShort(data, denominator);
    data.push_back(0);             // no disposal
    data.push_back(first ? 0 : 1); // the first frame is the canvas; later ones blend over it
    return data;
}

} // namespace

bool WriteApng(const Document &document, bool delaysInMilliseconds, const std::string &path,
               std::string &error)
{
    std::vector<uint8_t> out;
    PutSignatureAndHeader(out, document.task.width, document.task.height);
    std::vector<uint8_t> animation;
    PutLong(animation, document.frames.size());
    PutLong(animation, 0); // loop for ever
    PutChunk(out, "acTL", animation);

    uint32_t sequence = 0;
    for (size_t i = 0; i < document.frames.size(); i++) {
        const DocumentFrame &frame = document.frames[i];
        RgbaPicture picture;
        std::vector<uint8_t> pixels;
        if (!FramePicture(document, frame, picture) || !CompressRows(picture, pixels)) {
            error = "out of memory";
            return false;
        }
        PutChunk(out, "fcTL",
                 FrameControl(sequence++, picture, frame.delay, delaysInMilliseconds ? 1000 : 100,
                              i == 0));
        if (i == 0) {
            PutChunk(out, "IDAT", pixels);
        } else {
            std::vector<uint8_t> data;
            PutLong(data, sequence++);
            data.insert(data.end(), pixels.begin(), pixels.end());
            PutChunk(out, "fdAT", data);
        }
    }
    PutChunk(out, "IEND", {});
    return WriteWholeFile(path, out, error);
}

bool WritePng(const RgbaPicture &picture, const std::string &path, std::string &error)
{
    std::vector<uint8_t> out;
    std::vector<uint8_t> pixels;
    PutSignatureAndHeader(out, picture.width, picture.height);
    if (!CompressRows(picture, pixels)) {
        error = "out of memory";
        return false;
    }
    PutChunk(out, "IDAT", pixels);
    PutChunk(out, "IEND", {});
    return WriteWholeFile(path, out, error);
}

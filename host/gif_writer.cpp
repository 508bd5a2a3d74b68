#include "host/gif_writer.h"

#include "frame/global_block.h"
#include "host/output_file.h"
#include "imaging/packed_image.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>
#include <vector>

namespace
{

constexpr int kMaxCodes = 4096;

// Packs variable-width codes least significant bit first into 255-byte data sub-blocks.
class CodeStream
{
public:
    explicit CodeStream(std::vector<uint8_t> &out) : out_(out) {}

    void Put(int code, int width)
    {
        bits_ |= static_cast<uint32_t>(code) << count_;
        count_ += width;
        while (count_ >= 8) {
            PutByte(static_cast<uint8_t>(bits_));
            bits_ >>= 8;
            count_ -= 8;
        }
    }

    void Finish()
    {
        if (count_ > 0)
            PutByte(static_cast<uint8_t>(bits_));
        FlushBlock();
        out_.push_back(0); // block terminator
    }

private:
    void PutByte(uint8_t byte)
    {
        block_[blockSize_++] = byte;
        if (blockSize_ == 255)
            FlushBlock();
    }

    void FlushBlock()
    {
        if (blockSize_ == 0)
            return;
        out_.push_back(static_cast<uint8_t>(blockSize_));
        out_.insert(out_.end(), block_, block_ + blockSize_);
        blockSize_ = 0;
    }

    std::vector<uint8_t> &out_;
    uint32_t bits_ = 0;
    int count_ = 0;
    uint8_t block_[255];
    int blockSize_ = 0;
};

// LZW with a clear code whenever the 12-bit code space is full.
void EncodeLzw(const std::vector<uint8_t> &indices, int minimumCodeSize, std::vector<uint8_t> &out)
{
    out.push_back(static_cast<uint8_t>(minimumCodeSize));
    CodeStream stream(out);
    const int clear = 1 << minimumCodeSize;
    const int end = clear + 1;
    std::unordered_map<uint32_t, int> table; // (prefix code << 8 | byte) -> code
    int next = end + 1;
    int width = minimumCodeSize + 1;
    // The decoder adds its entries one code later than the encoder, so the code width grows
    // once the next free code no longer fits, checked after each code is written.
    auto emit = [&](int code) {
        stream.Put(code, width);
        if (next >= (1 << width) && width < 12)
            width++;
    };
    stream.Put(clear, width);

    int prefix = -1;
    for (const uint8_t index : indices) {
        if (prefix < 0) {
            prefix = index;
            continue;
        }
        const uint32_t key = static_cast<uint32_t>(prefix) << 8 | index;
        const auto found = table.find(key);
        if (found != table.end()) {
            prefix = found->second;
            continue;
        }
        emit(prefix);
        if (next < kMaxCodes) {
            table[key] = next++;
        } else {
            stream.Put(clear, width);
            table.clear();
            next = end + 1;
            width = minimumCodeSize + 1;
        }
        prefix = index;
    }
    if (prefix >= 0)
        emit(prefix);
    emit(end);
    stream.Finish();
}

void PutWord(std::vector<uint8_t> &out, int value)
{
    out.push_back(static_cast<uint8_t>(value));
    out.push_back(static_cast<uint8_t>(value >> 8));
}

// Colour tables hold 2^(size + 1) entries; size is what the GIF fields carry.
int TableSizeField(int bits)
{
    return bits < 1 ? 0 : bits - 1;
}

void PutColourTable(std::vector<uint8_t> &out, const uint8_t *palette, int bits)
{
    out.insert(out.end(), palette, palette + 3 * (1 << bits));
}

void PutHeader(std::vector<uint8_t> &out, const Document &document)
{
    out.insert(out.end(), {'G', 'I', 'F', '8', '9', 'a'});
    PutWord(out, document.task.width);
    PutWord(out, document.task.height);
    const int bits = document.task.bits;
    out.push_back(static_cast<uint8_t>(0x80 | TableSizeField(bits) << 4 | TableSizeField(bits)));
    out.push_back(0); // background colour
    out.push_back(0); // no aspect ratio
    PutColourTable(out, document.task.palette, bits);
    // Loop for ever.
    const uint8_t loop[] = {0x21, 0xFF, 11,  'N', 'E', 'T', 'S', 'C', 'A', 'P',
                            'E',  '2',  '.', '0', 3,   1,   0,   0,   0};
    out.insert(out.end(), loop, loop + sizeof(loop));
}

// A graphic control extension: do not dispose, so that optimised frames composite.
void PutFrameControl(std::vector<uint8_t> &out, int delay, int transparentIndex)
{
    const uint8_t transparent = transparentIndex >= 0 ? 1 : 0;
    const uint8_t header[] = {0x21, 0xF9, 4, static_cast<uint8_t>(1 << 2 | transparent)};
    out.insert(out.end(), header, header + sizeof(header));
    PutWord(out, delay);
    out.push_back(static_cast<uint8_t>(transparentIndex >= 0 ? transparentIndex : 0));
    out.push_back(0);
}

bool PutFrame(std::vector<uint8_t> &out, const Document &document, const DocumentFrame &frame,
              bool delaysInMilliseconds, std::string &error)
{
    GlobalLockGuard<PackedImage> image(frame.image.get());
    if (!image || image->biBitCount > 8) {
        error = "a true-colour document can only be written as an animated PNG (.png)";
        return false;
    }
    const int bits = image->biBitCount;
    const int delay = delaysInMilliseconds ? frame.delay / 10 : frame.delay;
    PutFrameControl(out,
                    delay < 0        ? 0
                    : delay > 0xFFFF ? 0xFFFF
                                     : delay,
                    document.TransparentIndex(frame));

    std::vector<uint8_t> indices;
    indices.reserve(static_cast<size_t>(image->biWidth) * image->biHeight);
    int largest = 0;
    for (int y = 0; y < image->biHeight; y++) {
        for (int x = 0; x < image->biWidth; x++) {
            indices.push_back(static_cast<uint8_t>(GetImagePixel(image.get(), x, y)));
            largest = std::max<int>(largest, indices.back());
        }
    }
    // Images come in 1, 4 or 8 bits whatever the task's depth, so only the entries both
    // tables hold are compared; a frame whose colours differ, or that uses an index the
    // task's table lacks, carries its own table.
    const int taskBits = document.task.bits;
    uint8_t palette[kPaletteBytes];
    GetImagePalette(image.get(), palette);
    const int shared = 1 << std::min(bits, taskBits);
    const bool local =
        largest >= (1 << taskBits) || std::memcmp(palette, document.task.palette, 3 * shared) != 0;
    const int tableBits = local ? bits : taskBits;

    out.push_back(0x2C);
    PutWord(out, 0);
    PutWord(out, 0);
    PutWord(out, image->biWidth);
    PutWord(out, image->biHeight);
    out.push_back(local ? static_cast<uint8_t>(0x80 | TableSizeField(bits)) : 0);
    if (local)
        PutColourTable(out, palette, bits);
    EncodeLzw(indices, std::max(2, tableBits), out);
    return true;
}

} // namespace

bool WriteGif(const Document &document, bool delaysInMilliseconds, const std::string &path,
              std::string &error)
{
    if (document.PaletteEntries() == 0) {
        error = "a true-colour document can only be written as an animated PNG (.png)";
        return false;
    }
    std::vector<uint8_t> out;
    PutHeader(out, document);
    for (const DocumentFrame &frame : document.frames)
        if (!PutFrame(out, document, frame, delaysInMilliseconds, error))
            return false;
    out.push_back(0x3B);
    return WriteWholeFile(path, out, error);
}

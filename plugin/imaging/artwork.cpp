#include "imaging/artwork.h"

#include "frame/global_block.h"
#include "imaging/packed_image.h"

#include <zlib.h>

#include <cstring>

namespace
{

constexpr char kArtworkTag[8] = {'C', 'P', 'X', '_', 'H', 'E', 'A', 'D'};
constexpr int kPassBytes = 8192;
// The zlib release the artwork was made for; any 1.x library reads its streams.
constexpr char kZlibVersion[] = "1.1.4";

uint32_t ReadLittleEndian(const uint8_t *bytes)
{
    return bytes[0] | bytes[1] << 8 | bytes[2] << 16 | static_cast<uint32_t>(bytes[3]) << 24;
}

// Ends the inflation on every exit path.
class InflateStream
{
public:
    InflateStream() { ok_ = inflateInit_(&stream_, kZlibVersion, sizeof stream_) == Z_OK; }
    ~InflateStream()
    {
        if (ok_)
            inflateEnd(&stream_);
    }
    InflateStream(const InflateStream &) = delete;
    InflateStream &operator=(const InflateStream &) = delete;

    bool ok() const { return ok_; }
    z_stream *get() { return &stream_; }

private:
    z_stream stream_ = {};
    bool ok_;
};

// Inflates in passes of at most 8192 bytes, each appended to what the block holds so far,
// until the stream ends; a pass that makes no progress means the stream was cut short. A
// stream that would write past the block, or ends before filling it, is refused: the image
// header would not describe what follows it.
bool InflateInto(const uint8_t *source, uint32_t sourceBytes, uint8_t *block, uint32_t blockBytes)
{
    InflateStream inflater;
    if (!inflater.ok())
        return false;
    z_stream *stream = inflater.get();
    stream->next_in = const_cast<Bytef *>(source);
    uint32_t filled = 0;
    for (;;) {
        Bytef pass[kPassBytes];
        stream->avail_in = sourceBytes - stream->total_in;
        stream->next_out = pass;
        stream->avail_out = kPassBytes;
        const int status = inflate(stream, Z_PARTIAL_FLUSH);
        if (status != Z_OK && status != Z_STREAM_END)
            return false;
        const uint32_t produced = kPassBytes - stream->avail_out;
        if (produced > blockBytes - filled)
            return false;
        std::memcpy(block + filled, pass, produced);
        filled += produced;
        if (status == Z_STREAM_END)
            return filled == blockBytes;
    }
}

// The inflated block must hold the pixel rows its own header promises.
bool HoldsItsImage(const PackedImage *image, uint32_t bytes)
{
    if (bytes < sizeof(PackedImage) || image->biWidth <= 0 || image->biHeight <= 0)
        return false;
    const int bits = RoundImageDepth(image->biBitCount);
    const uint64_t needed =
        ImagePixelOffset(bits) + static_cast<uint64_t>(ImageStride(image->biWidth, bits)) *
                                     static_cast<uint64_t>(image->biHeight);
    return image->biBitCount == bits && needed <= bytes;
}

} // namespace

HGLOBAL InflateArtwork(const uint8_t *resource, size_t bytes)
{
    if (!resource || bytes < kArtworkHeaderBytes ||
        std::memcmp(resource, kArtworkTag, sizeof kArtworkTag) != 0)
        return nullptr;
    const uint32_t inflatedBytes = ReadLittleEndian(resource + 8);
    const uint32_t streamBytes = ReadLittleEndian(resource + 12);
    if (inflatedBytes == 0 || streamBytes > bytes - kArtworkHeaderBytes)
        return nullptr;
    GlobalBlock block(AllocateSharedBlock(inflatedBytes));
    {
        GlobalLockGuard<uint8_t> pixels(block.get());
        if (!pixels ||
            !InflateInto(resource + kArtworkHeaderBytes, streamBytes, pixels.get(),
                         inflatedBytes) ||
            !HoldsItsImage(reinterpret_cast<const PackedImage *>(pixels.get()), inflatedBytes))
            return nullptr;
    }
    return block.release();
}

HGLOBAL LoadArtwork(HMODULE module, int id)
{
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), "CPX");
    if (!found)
        return nullptr;
    HGLOBAL loaded = LoadResource(module, found);
    const void *bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes)
        return nullptr;
    return InflateArtwork(static_cast<const uint8_t *>(bytes), SizeofResource(module, found));
}

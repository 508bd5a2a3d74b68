// Small WAV files built byte by byte, so a test can state exactly what a file holds,
// damaged or not, and a temporary file that holds them while a test reads it.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

using Bytes = std::vector<uint8_t>;

inline void Append32(Bytes *bytes, uint32_t value)
{
    for (int i = 0; i < 4; i++)
        bytes->push_back(static_cast<uint8_t>(value >> (8 * i)));
}

inline void Append16(Bytes *bytes, uint16_t value)
{
    bytes->push_back(static_cast<uint8_t>(value));
    bytes->push_back(static_cast<uint8_t>(value >> 8));
}

// One chunk: its id, its stored size (the body's length unless told) and its body, padded
// to an even length as RIFF files are.
inline Bytes Chunk(const char *id, const Bytes &body, int64_t storedSize = -1)
{
    Bytes chunk(id, id + 4);
    Append32(&chunk, storedSize < 0 ? static_cast<uint32_t>(body.size())
                                    : static_cast<uint32_t>(storedSize));
    chunk.insert(chunk.end(), body.begin(), body.end());
    if (body.size() % 2)
        chunk.push_back(0);
    return chunk;
}

struct WavFormat {
    uint16_t tag, channels;
    uint32_t rate;
    uint16_t blockAlign, bits;
};

// The body of a "fmt " chunk, cut to its first `length` bytes when asked.
inline Bytes FormatBody(const WavFormat &f, size_t length = 16)
{
    Bytes body;
    Append16(&body, f.tag);
    Append16(&body, f.channels);
    Append32(&body, f.rate);
    Append32(&body, f.rate * f.blockAlign);
    Append16(&body, f.blockAlign);
    Append16(&body, f.bits);
    body.resize(length);
    return body;
}

inline Bytes RiffFile(const std::vector<Bytes> &chunks, const char *form = "WAVE")
{
    Bytes body(form, form + 4);
    for (const Bytes &chunk : chunks)
        body.insert(body.end(), chunk.begin(), chunk.end());
    return Chunk("RIFF", body);
}

// A plain PCM file: "fmt " then "data".
inline Bytes WavFile(const WavFormat &format, const Bytes &samples)
{
    return RiffFile({Chunk("fmt ", FormatBody(format)), Chunk("data", samples)});
}

inline Bytes Samples16(const std::vector<int16_t> &values)
{
    Bytes bytes;
    for (int16_t v : values)
        Append16(&bytes, static_cast<uint16_t>(v));
    return bytes;
}

// A file in the temporary folder, removed when the object goes.
class TempWav
{
public:
    explicit TempWav(const Bytes &bytes = {})
    {
        char folder[MAX_PATH];
        GetTempPathA(MAX_PATH, folder);
        GetTempFileNameA(folder, "zxw", 0, path_);
        Write(bytes);
    }
    ~TempWav() { DeleteFileA(path_); }
    TempWav(const TempWav &) = delete;
    TempWav &operator=(const TempWav &) = delete;

    void Write(const Bytes &bytes)
    {
        HANDLE file = CreateFileA(path_, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        if (!bytes.empty())
            WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        CloseHandle(file);
    }
    const char *path() const { return path_; }

private:
    char path_[MAX_PATH];
};

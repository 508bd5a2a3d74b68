#include "sound/wav_reader.h"

#include "frame/global_block.h"

#include <mmsystem.h>

#include <cstring>

namespace
{

// Closes a multimedia file on scope exit.
class MmioFile
{
public:
    explicit MmioFile(char *name) : handle_(mmioOpenA(name, nullptr, MMIO_READ)) {}
    ~MmioFile()
    {
        if (handle_)
            mmioClose(handle_, 0);
    }
    MmioFile(const MmioFile &) = delete;
    MmioFile &operator=(const MmioFile &) = delete;

    HMMIO get() const { return handle_; }

private:
    HMMIO handle_;
};

bool ReadExactly(HMMIO file, void *target, DWORD bytes)
{
    return mmioRead(file, static_cast<HPSTR>(target), static_cast<LONG>(bytes)) ==
           static_cast<LONG>(bytes);
}

// Bytes from the current position to the end of the file, leaving the position unchanged.
DWORD BytesLeft(HMMIO file)
{
    const LONG here = mmioSeek(file, 0, SEEK_CUR);
    const LONG end = mmioSeek(file, 0, SEEK_END);
    mmioSeek(file, here, SEEK_SET);
    return here < 0 || end < here ? 0 : static_cast<DWORD>(end - here);
}

bool ReadFormat(HMMIO file, MMCKINFO *riff, SoundFormat *format)
{
    MMCKINFO chunk = {};
    chunk.ckid = mmioFOURCC('f', 'm', 't', ' ');
    if (mmioDescend(file, &chunk, riff, MMIO_FINDCHUNK) != MMSYSERR_NOERROR)
        return false;
    std::memset(format, 0, sizeof *format);
    const DWORD wanted = chunk.cksize < sizeof *format ? chunk.cksize : sizeof *format;
    if (!ReadExactly(file, format, wanted) || format->formatTag != kPcmFormatTag)
        return false;
    return mmioAscend(file, &chunk, 0) == MMSYSERR_NOERROR;
}

} // namespace

HGLOBAL ReadSoundImage(const char *fileName, DWORD *dataSize)
{
    char name[kSoundPathLength + 1];
    if (!fileName || std::strlen(fileName) > kSoundPathLength)
        return nullptr;
    std::strcpy(name, fileName);
    MmioFile file(name);
    if (!file.get())
        return nullptr;

    MMCKINFO riff = {};
    riff.fccType = mmioFOURCC('W', 'A', 'V', 'E');
    if (mmioDescend(file.get(), &riff, nullptr, MMIO_FINDRIFF) != MMSYSERR_NOERROR)
        return nullptr;
    SoundFormat format;
    if (!ReadFormat(file.get(), &riff, &format))
        return nullptr;
    MMCKINFO data = {};
    data.ckid = mmioFOURCC('d', 'a', 't', 'a');
    if (mmioDescend(file.get(), &data, &riff, MMIO_FINDCHUNK) != MMSYSERR_NOERROR)
        return nullptr;
    if (dataSize)
        *dataSize = data.cksize;
    // A size the file cannot hold would only fail the read below; refusing it first also
    // keeps a damaged size from asking for gigabytes or wrapping the block size around.
    if (data.cksize > BytesLeft(file.get()))
        return nullptr;

    GlobalBlock image(AllocateSharedBlock(data.cksize + sizeof format));
    GlobalLockGuard<SoundFormat> locked(image.get());
    if (!locked)
        return nullptr;
    *locked.get() = format;
    if (!ReadExactly(file.get(), SoundSamples(locked.get()), data.cksize))
        return nullptr;
    return image.release();
}

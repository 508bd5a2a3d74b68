#include "host/image_loader.h"

#include "frame/global_block.h"
#include "imaging/packed_image.h"

#include <wincodec.h>

#include <vector>

namespace
{

// Holds one COM interface and releases it on scope exit.
template <typename T> class ComRef
{
public:
    ComRef() = default;
    ~ComRef()
    {
        if (pointer_)
            pointer_->Release();
    }
    ComRef(const ComRef &) = delete;
    ComRef &operator=(const ComRef &) = delete;

    T **Receive() { return &pointer_; }
    T *operator->() const { return pointer_; }
    T *get() const { return pointer_; }

private:
    T *pointer_ = nullptr;
};

std::wstring Widen(const std::string &text)
{
    const int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    std::wstring result(length, L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, &result[0], length);
    result.resize(length - 1);
    return result;
}

// The first frame as 32-bit BGRA rows, top-down: Wine's converter cannot give 24-bit BGR
// from PNG and GIF sources, so every file goes through this one format.
bool DecodeBgra(const std::string &path, UINT &width, UINT &height, std::vector<BYTE> &pixels)
{
    ComRef<IWICImagingFactory> factory;
    ComRef<IWICBitmapDecoder> decoder;
    ComRef<IWICBitmapFrameDecode> frame;
    ComRef<IWICBitmapSource> converted;
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IWICImagingFactory,
                                reinterpret_cast<void **>(factory.Receive()))))
        return false;
    if (FAILED(factory->CreateDecoderFromFilename(Widen(path).c_str(), nullptr, GENERIC_READ,
                                                  WICDecodeMetadataCacheOnDemand,
                                                  decoder.Receive())) ||
        FAILED(decoder->GetFrame(0, frame.Receive())) ||
        FAILED(WICConvertBitmapSource(GUID_WICPixelFormat32bppBGRA, frame.get(),
                                      converted.Receive())) ||
        FAILED(converted->GetSize(&width, &height)) || width == 0 || height == 0 || width > 32768 ||
        height > 32768)
        return false;
    pixels.resize(static_cast<size_t>(width) * height * 4);
    return SUCCEEDED(converted->CopyPixels(nullptr, width * 4, pixels.size(), pixels.data()));
}

} // namespace

HGLOBAL LoadImageFile(const std::string &path, std::string &error)
{
    UINT width = 0, height = 0;
    std::vector<BYTE> pixels;
    if (!DecodeBgra(path, width, height, pixels)) {
        error = "cannot read the picture " + path;
        return nullptr;
    }
    GlobalBlock block(CreatePackedImage(width, height, nullptr, 24));
    GlobalLockGuard<PackedImage> image(block.get());
    if (!image) {
        error = "out of memory";
        return nullptr;
    }
    for (UINT y = 0; y < height; y++) {
        const BYTE *source = &pixels[static_cast<size_t>(y) * width * 4];
        BYTE *target = ImageRow(image.get(), y);
        for (UINT x = 0; x < width; x++)
            std::copy(source + 4 * x, source + 4 * x + 3, target + 3 * x); // alpha is dropped
    }
    return block.release();
}

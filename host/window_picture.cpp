#include "host/window_picture.h"

#include "host/command_line.h"
#include "host/output_file.h"
#include "host/png_writer.h"

#include <vector>

namespace
{

// Releases the screen's device context on scope exit.
class ScreenDc
{
public:
    ScreenDc() : dc_(GetDC(nullptr)) {}
    ~ScreenDc()
    {
        if (dc_)
            ReleaseDC(nullptr, dc_);
    }
    ScreenDc(const ScreenDc &) = delete;
    ScreenDc &operator=(const ScreenDc &) = delete;
    HDC get() const { return dc_; }

private:
    HDC dc_;
};

// Deletes a memory device context and the bitmap selected into it on scope exit.
class MemoryCanvas
{
public:
    MemoryCanvas(HDC reference, int width, int height)
        : dc_(CreateCompatibleDC(reference)),
          bitmap_(CreateCompatibleBitmap(reference, width, height)),
          previous_(dc_ && bitmap_ ? SelectObject(dc_, bitmap_) : nullptr)
    {
    }
    ~MemoryCanvas()
    {
        if (previous_)
            SelectObject(dc_, previous_);
        if (bitmap_)
            DeleteObject(bitmap_);
        if (dc_)
            DeleteDC(dc_);
    }
    MemoryCanvas(const MemoryCanvas &) = delete;
    MemoryCanvas &operator=(const MemoryCanvas &) = delete;
    HDC dc() const { return dc_; }
    HBITMAP bitmap() const { return bitmap_; }
    explicit operator bool() const { return previous_ != nullptr; }

private:
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ previous_;
};

// The window's pixels as 24-bit rows, bottom-up, as a .bmp file holds them.
bool CaptureWindow(HWND window, BITMAPINFOHEADER &header, std::vector<uint8_t> &pixels)
{
    RECT rect;
    GetWindowRect(window, &rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    // What the user sees of the dialog, as the screen shows it.
    ScreenDc source;
    if (!source.get() || width <= 0 || height <= 0)
        return false;
    MemoryCanvas canvas(source.get(), width, height);
    if (!canvas ||
        !BitBlt(canvas.dc(), 0, 0, width, height, source.get(), rect.left, rect.top, SRCCOPY))
        return false;
    header = BITMAPINFOHEADER{};
    header.biSize = sizeof(header);
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    header.biSizeImage = ((width * 3 + 3) & ~3) * height;
    pixels.resize(header.biSizeImage);
    return GetDIBits(canvas.dc(), canvas.bitmap(), 0, height, pixels.data(),
                     reinterpret_cast<BITMAPINFO *>(&header), DIB_RGB_COLORS) == height;
}

std::vector<uint8_t> BmpFile(const BITMAPINFOHEADER &header, const std::vector<uint8_t> &pixels)
{
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42; // "BM"
    file.bfOffBits = sizeof(file) + sizeof(header);
    file.bfSize = file.bfOffBits + pixels.size();
    std::vector<uint8_t> bytes(reinterpret_cast<const uint8_t *>(&file),
                               reinterpret_cast<const uint8_t *>(&file + 1));
    bytes.insert(bytes.end(), reinterpret_cast<const uint8_t *>(&header),
                 reinterpret_cast<const uint8_t *>(&header + 1));
    bytes.insert(bytes.end(), pixels.begin(), pixels.end());
    return bytes;
}

RgbaPicture PictureOf(const BITMAPINFOHEADER &header, const std::vector<uint8_t> &pixels)
{
    RgbaPicture picture;
    picture.width = header.biWidth;
    picture.height = header.biHeight;
    const int stride = (header.biWidth * 3 + 3) & ~3;
    for (int y = 0; y < picture.height; y++) {
        const uint8_t *row = &pixels[(picture.height - 1 - y) * stride];
        for (int x = 0; x < picture.width; x++)
            picture.samples.insert(picture.samples.end(),
                                   {row[3 * x + 2], row[3 * x + 1], row[3 * x], 255});
    }
    return picture;
}

} // namespace

bool SaveWindowPicture(HWND window, const std::string &path, std::string &error)
{
    BITMAPINFOHEADER header;
    std::vector<uint8_t> pixels;
    if (!CaptureWindow(window, header, pixels)) {
        error = "cannot capture the dialog for " + path;
        return false;
    }
    if (HasExtension(path, ".png"))
        return WritePng(PictureOf(header, pixels), path, error);
    return WriteWholeFile(path, BmpFile(header, pixels), error);
}

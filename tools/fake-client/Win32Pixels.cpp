#include "tools/fake-client/Win32Pixels.h"

#include <vector>

namespace tallowen {

namespace {

// A memory DC with a bitmap selected into it; the previous bitmap is put back first.
class ScopedMemoryBitmap {
public:
    ScopedMemoryBitmap(HDC like, int width, int height)
        : dc_(CreateCompatibleDC(like)), bitmap_(CreateCompatibleBitmap(like, width, height)) {
        if (dc_ && bitmap_) old_ = SelectObject(dc_, bitmap_);
        ok_ = old_ != nullptr;
    }
    ~ScopedMemoryBitmap() {
        Deselect();
        if (bitmap_) DeleteObject(bitmap_);
        if (dc_) DeleteDC(dc_);
    }
    // Puts the previous bitmap back (the copy may then be read).
    void Deselect() {
        if (old_) SelectObject(dc_, old_);
        old_ = nullptr;
    }
    ScopedMemoryBitmap(const ScopedMemoryBitmap&) = delete;
    ScopedMemoryBitmap& operator=(const ScopedMemoryBitmap&) = delete;
    bool ok() const { return ok_; }
    HDC dc() const { return dc_; }
    HBITMAP bitmap() const { return bitmap_; }

private:
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ old_ = nullptr;
    bool ok_ = false;
};

BITMAPINFO Dib555(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;  // positive: rows bottom-up
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 16;
    info.bmiHeader.biCompression = BI_RGB;  // 16-bit BI_RGB is 5-5-5
    return info;
}

// DIB rows are whole 32-bit words long.
std::size_t Stride(int width) {
    return std::size_t(width + (width & 1));
}

}  // namespace

void PaintPicture(HDC dc, const Image555& picture) {
    const int w = picture.width, h = picture.height;
    if (w <= 0 || h <= 0) return;
    const std::size_t stride = Stride(w);
    std::vector<std::uint16_t> rows(stride * std::size_t(h));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            rows[std::size_t(h - 1 - y) * stride + std::size_t(x)] = picture.At(x, y);
    BITMAPINFO info = Dib555(w, h);
    SetDIBitsToDevice(dc, 0, 0, DWORD(w), DWORD(h), 0, 0, 0, UINT(h), rows.data(), &info,
                      DIB_RGB_COLORS);
}

Image555 CaptureClient(HWND window) {
    RECT client{};
    if (!GetClientRect(window, &client)) return Image555();
    const int w = client.right - client.left, h = client.bottom - client.top;
    if (w <= 0 || h <= 0) return Image555();
    ScopedWindowDC screen(window);
    if (!screen.get()) return Image555();
    ScopedMemoryBitmap copy(screen.get(), w, h);
    if (!copy.ok() || !BitBlt(copy.dc(), 0, 0, w, h, screen.get(), 0, 0, SRCCOPY))
        return Image555();
    const std::size_t stride = Stride(w);
    std::vector<std::uint16_t> rows(stride * std::size_t(h));
    BITMAPINFO info = Dib555(w, h);
    // The bitmap may not stay selected while GetDIBits reads it.
    copy.Deselect();
    const int got =
        GetDIBits(copy.dc(), copy.bitmap(), 0, UINT(h), rows.data(), &info, DIB_RGB_COLORS);
    if (got != h) return Image555();
    Image555 out(w, h, 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            out.Set(x, y, rows[std::size_t(h - 1 - y) * stride + std::size_t(x)]);
    return out;
}

}  // namespace tallowen

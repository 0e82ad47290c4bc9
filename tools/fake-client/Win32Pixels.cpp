#include "tools/fake-client/Win32Pixels.h"

#include <vector>

#include "win32/Capture.h"

namespace tallowen {

namespace {

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
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = h;  // positive: rows bottom-up
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 16;
    info.bmiHeader.biCompression = BI_RGB;  // 16-bit BI_RGB is 5-5-5
    SetDIBitsToDevice(dc, 0, 0, DWORD(w), DWORD(h), 0, 0, 0, UINT(h), rows.data(), &info,
                      DIB_RGB_COLORS);
}

Image555 CaptureClient(HWND window) {
    RECT client{};
    if (!GetClientRect(window, &client)) return Image555();
    const int w = client.right - client.left, h = client.bottom - client.top;
    if (w <= 0 || h <= 0) return Image555();
    const std::size_t stride = Stride(w);
    std::vector<std::uint16_t> rows(stride * std::size_t(h));
    if (win32::CopyWindowPixels(window, Rect{0, 0, w, h}, true, rows) != h) return Image555();
    Image555 out(w, h, 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            out.Set(x, y, rows[std::size_t(h - 1 - y) * stride + std::size_t(x)]);
    return out;
}

}  // namespace tallowen

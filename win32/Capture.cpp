#include "win32/Capture.h"

#include "win32/ScopedWin.h"

namespace tallowen::win32 {
namespace {

// Far beyond any screen: a larger request is a mistake, not a capture.
constexpr std::int32_t kMaxSide = 1 << 14;

}  // namespace

int CopyWindowPixels(HWND window, Rect area, bool clientArea, std::vector<std::uint16_t>& out) {
    const std::int64_t width = std::int64_t(area.right) - area.left;
    const std::int64_t height = std::int64_t(area.bottom) - area.top;
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) return 0;
    // 16-bit DIB rows are padded to 4 bytes: an odd width carries one spare pixel.
    const std::int64_t stride = width + (width & 1);
    if (out.size() < std::size_t(stride * height)) return 0;
    if (!window || !IsWindow(window)) return 0;
    // A minimised window has no client area; what its device context holds then is not the
    // window's picture.
    RECT extent{};
    if (!(clientArea ? GetClientRect(window, &extent) : GetWindowRect(window, &extent)) ||
        extent.right <= extent.left || extent.bottom <= extent.top)
        return 0;

    ScopedDC source = clientArea ? ScopedDC::Client(window) : ScopedDC::Whole(window);
    if (!source) return 0;
    const int w = int(width), h = int(height);
    ScopedBitmap bitmap(CreateCompatibleBitmap(source.Get(), w, h));
    ScopedMemoryDC memory(CreateCompatibleDC(source.Get()));
    if (!bitmap || !memory) return 0;
    {
        ScopedSelect selected(memory.Get(), bitmap.Get());
        if (!BitBlt(memory.Get(), 0, 0, w, h, source.Get(), area.left, area.top, SRCCOPY)) return 0;
    }  // GetDIBits wants the bitmap out of every device context.

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = h;  // positive: bottom-up rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 16;
    info.bmiHeader.biCompression = BI_RGB;
    int rows = GetDIBits(memory.Get(), bitmap.Get(), 0, UINT(h), out.data(), &info, DIB_RGB_COLORS);
    return rows > 0 ? rows : 0;
}

}  // namespace tallowen::win32

// The fake client's pictures on the real screen: painting an Image555 into a window's client
// area, and reading a client area back the way the watcher reads it (a 16-bit 5-5-5 copy).
#pragma once

#include <windows.h>

#include "reading/Image555.h"

namespace tallowen {

// A device context of a window, released when it goes.
class ScopedWindowDC {
public:
    explicit ScopedWindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~ScopedWindowDC() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    ScopedWindowDC(const ScopedWindowDC&) = delete;
    ScopedWindowDC& operator=(const ScopedWindowDC&) = delete;
    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// Draws `picture` at the client area's top left corner as a 16-bit BI_RGB bottom-up DIB, so
// that a 5-5-5 copy of the window gives the same pixels back.
void PaintPicture(HDC dc, const Image555& picture);

// The window's client area as a 16-bit 5-5-5 copy (BitBlt into a compatible bitmap, then
// GetDIBits); empty when the copy fails or the client area is empty.
Image555 CaptureClient(HWND window);

}  // namespace tallowen

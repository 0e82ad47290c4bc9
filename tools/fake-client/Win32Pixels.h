// The fake client's pictures on the real screen: painting an Image555 into a window's client
// area, and reading a client area back the way the watcher reads it (a 16-bit 5-5-5 copy).
#pragma once

#include <windows.h>

#include "reading/Image555.h"

namespace tallowen {

// Draws `picture` at the client area's top left corner as a 16-bit BI_RGB bottom-up DIB, so
// that a 5-5-5 copy of the window gives the same pixels back.
void PaintPicture(HDC dc, const Image555& picture);

// The window's client area as the watcher's desktop copies it; empty when the copy fails or
// the client area is empty.
Image555 CaptureClient(HWND window);

}  // namespace tallowen

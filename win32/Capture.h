// Copying a window's pixels as 16-bit 5-5-5 rows, bottom-up (the contract of
// Desktop::CopyPixels).
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "platform/Desktop.h"

namespace tallowen::win32 {

// Returns the rows delivered into `out` (0 = failed, `out` untouched).
int CopyWindowPixels(HWND window, Rect area, bool clientArea, std::vector<std::uint16_t>& out);

}  // namespace tallowen::win32

// The portable window handle is the HWND's value; only win32/ converts between them.
#pragma once

#include <windows.h>

#include <cstdint>

#include "platform/Desktop.h"

namespace tallowen::win32 {

inline HWND ToHwnd(WindowHandle handle) {
    return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(handle));
}
inline WindowHandle FromHwnd(HWND window) {
    return static_cast<WindowHandle>(reinterpret_cast<std::uintptr_t>(window));
}
inline Rect FromRECT(const RECT& r) {
    return {r.left, r.top, r.right, r.bottom};
}

}  // namespace tallowen::win32

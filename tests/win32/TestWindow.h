// Real top-level windows for the Win32 tests: a known title, a client area painted with a
// known pattern, and a log of the messages the tests send them.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "win32/BaseWindow.h"

namespace tallowen::testing {

// The pattern's colour at client (x, y): every level a multiple of 8, so that it survives the
// 5-5-5 copy exactly.
COLORREF PatternAt(int x, int y);
// The same colour as the copy delivers it.
std::uint16_t Pattern555(int x, int y);

class TestWindow final : public win32::BaseWindow<TestWindow> {
public:
    using Painter = std::function<COLORREF(int x, int y)>;
    // A window with a caption, as the game client's. Wine waits 2 s for a window manager
    // whenever such a window goes, so tests that need no caption use a bordered pop-up, shown
    // as a tool window without activation (which Wine leaves unmanaged).
    static constexpr DWORD kCaptioned = WS_OVERLAPPEDWINDOW;
    static constexpr DWORD kPopup = WS_POPUP | WS_BORDER;
    // Shows the window on top at `place` (outer rectangle, screen coordinates).
    TestWindow(const std::wstring& title, RECT place, DWORD style = kCaptioned,
               Painter paint = PatternAt);
    ~TestWindow();

    POINT ClientToScreenPoint(POINT client) const;

    struct Click {
        UINT message;
        POINT at;  // client coordinates
    };
    std::vector<Click> clicks;
    int appMessages = 0;
    int timerTicks = 0;

    LRESULT HandleMessage(UINT message, WPARAM w, LPARAM l);

private:
    void Paint();
    Painter paint_;
};

// Serves the pending messages for about `ms` milliseconds (the tests' own loop, independent
// of the clock under test).
void Pump(DWORD ms);

}  // namespace tallowen::testing

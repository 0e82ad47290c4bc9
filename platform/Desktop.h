// The desktop as the readers see it: top-level windows, their rectangles, pixel copies and
// the mouse. The real one lives in win32/; tests and the simulator provide their own.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tallowen {

struct Rect {
    std::int32_t left = 0, top = 0, right = 0, bottom = 0;
    std::int32_t Width() const { return right - left; }
    std::int32_t Height() const { return bottom - top; }
    bool operator==(const Rect&) const = default;
};

struct Point {
    std::int32_t x = 0, y = 0;
    bool operator==(const Point&) const = default;
};

using WindowHandle = std::uint64_t;  // 0 = none

struct TopWindow {
    WindowHandle handle = 0;
    std::string title;  // UTF-8
    bool visible = false;
    bool hasCaption = false;
};

class Desktop {
public:
    virtual ~Desktop() = default;

    // Top-level windows in z-order, the topmost first.
    virtual std::vector<TopWindow> TopLevelWindows() = 0;
    // The desktop window itself (its window rectangle is the whole screen).
    virtual WindowHandle DesktopWindow() = 0;

    // Screen coordinates; an unknown window gives an empty rectangle.
    virtual Rect WindowRect(WindowHandle window) = 0;
    // Client area: left and top are 0; a minimised window has a 0 x 0 client area.
    virtual Rect ClientRect(WindowHandle window) = 0;
    virtual Rect DesktopRect() = 0;

    // `place` in screen coordinates (the window's outer rectangle).
    virtual void MoveWindow(WindowHandle window, Rect place) = 0;
    virtual void SetTopmost(WindowHandle window, bool topmost) = 0;
    virtual void Minimize(WindowHandle window) = 0;
    virtual void Restore(WindowHandle window) = 0;

    // Copies `area` of the window (client coordinates when `clientArea`, whole-window
    // coordinates otherwise) as 16-bit 5-5-5 pixels, rows bottom-up: row 0 of `out` is the
    // area's lowest row. Rows are `stride` pixels apart, stride = area width rounded up to an
    // even number; `out` already holds stride x height entries. Returns the rows delivered
    // (0 = failed); rows not delivered are left as they were.
    virtual int CopyPixels(WindowHandle window, Rect area, bool clientArea,
                           std::vector<std::uint16_t>& out) = 0;

    virtual Point Cursor() = 0;
    virtual void SetCursor(Point at) = 0;
    // One press and release of the left button where the cursor is.
    virtual void LeftClick() = 0;
};

}  // namespace tallowen

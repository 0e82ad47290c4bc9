// A desktop of simulated top-level windows: each has a rectangle on the screen, a frame
// around its client area, a place in the z-order and a client picture that its owner paints.
// Copies behave as on Windows: a part of a window that another window covers, or that lies
// off the screen, comes out black; a minimised window has no client area to copy.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/Desktop.h"
#include "sim/ImageDesktop.h"

namespace tallowen {

// Widths of a window's frame on each side (the top one includes the caption bar).
struct Insets {
    int left = 0, top = 0, right = 0, bottom = 0;
};
constexpr Insets kCaptionFrame{4, 23, 4, 4};

struct SimWindow {
    WindowHandle handle = 0;
    std::string title;
    Rect rect;  // outer rectangle, screen coordinates
    Insets frame = kCaptionFrame;
    bool visible = true;
    bool hasCaption = true;
    bool minimized = false;
    bool topmost = false;
    // Stays in front even of topmost windows (a popup that keeps pushing itself forward).
    bool pinned = false;
    Image555 client;  // the client area's picture, client-sized
    // Repaints `client` for the window's current client size.
    std::function<void(SimWindow&)> paint;
    // A left click at a point of the client area.
    std::function<void(SimWindow&, Point)> click;

    int ClientWidth() const;
    int ClientHeight() const;
};

class SimDesktop : public Desktop {
public:
    static constexpr WindowHandle kDesktop = 0x10;
    static constexpr std::uint16_t kBackground = 0x0210;  // teal, as an empty desktop shows

    explicit SimDesktop(Rect screen = {0, 0, 1024, 768});

    // A new window on top of the others of its kind (topmost or not).
    WindowHandle Create(std::string title, Rect outer, Insets frame = kCaptionFrame,
                        bool hasCaption = true);
    void Close(WindowHandle window);
    SimWindow* Find(WindowHandle window);
    const SimWindow* Find(WindowHandle window) const;
    // Paints the window's client picture again (after its owner's state changed).
    void Repaint(WindowHandle window);
    void SetTitle(WindowHandle window, std::string title);
    // Brings the window to the front of its group.
    void BringToTop(WindowHandle window);
    // Handles front first.
    const std::vector<WindowHandle>& ZOrder() const { return zorder_; }

    // What the screen shows, and what a copy of one window shows (covered parts black).
    Image555 Screen() const;
    Image555 WindowPicture(WindowHandle window, bool clientArea) const;

    int Clicks() const { return clicks_; }
    int Copies() const { return copies_; }

    std::vector<TopWindow> TopLevelWindows() override;
    WindowHandle DesktopWindow() override { return kDesktop; }
    Rect WindowRect(WindowHandle window) override;
    Rect ClientRect(WindowHandle window) override;
    Rect DesktopRect() override { return screen_; }
    void MoveWindow(WindowHandle window, Rect place) override;
    void SetTopmost(WindowHandle window, bool topmost) override;
    void Minimize(WindowHandle window) override;
    void Restore(WindowHandle window) override;
    int CopyPixels(WindowHandle window, Rect area, bool clientArea,
                   std::vector<std::uint16_t>& out) override;
    Point Cursor() override { return cursor_; }
    void SetCursor(Point at) override { cursor_ = at; }
    void LeftClick() override;

private:
    // The window's own pixel at window coordinates (frame included), as it paints it.
    std::uint16_t OwnPixel(const SimWindow& w, int x, int y) const;
    std::uint16_t ScreenPixel(int x, int y) const;
    std::uint16_t SeenPixel(const SimWindow& w, bool clientArea, int x, int y) const;
    // The window seen at a screen point (nullptr: the bare desktop).
    const SimWindow* WindowAt(int x, int y) const;
    bool Shown(const SimWindow& w) const { return w.visible && !w.minimized; }
    void Resize(SimWindow& w);

    Rect screen_;
    std::vector<std::unique_ptr<SimWindow>> windows_;
    std::vector<WindowHandle> zorder_;  // front first; topmost windows ahead of the rest
    WindowHandle nextHandle_ = 0x1000;
    Point cursor_;
    int clicks_ = 0, copies_ = 0;
};

}  // namespace tallowen

// Real top-level windows that mirror the simulated desktop's windows: same title, same place,
// same client size, the simulated picture painted into the client area. Either side may
// change a window: the simulated client opens, closes, minimises and repaints its windows;
// someone else (a user, the watcher) moves, resizes, minimises, clicks or closes the real
// ones. Each mirror remembers the state both sides last agreed on, so each change is passed
// over once and never bounces back.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "sim/SimDesktop.h"

namespace tallowen {

using RealWindow = std::uint64_t;  // 0 = none

// The real windows as the mirror drives them.
class RealWindows {
public:
    virtual ~RealWindows() = default;
    // The frame a window has around its client area, with a caption or without.
    virtual Insets Frame(bool caption) = 0;
    // A new window, shown without taking the focus; 0 when it could not be made.
    virtual RealWindow Create(const std::string& title, Rect outer, bool caption, bool topmost) = 0;
    virtual void Destroy(RealWindow window) = 0;
    // Where the window really is (its outer rectangle).
    virtual Rect Outer(RealWindow window) = 0;
    virtual void Place(RealWindow window, Rect outer) = 0;
    virtual void Show(RealWindow window, bool minimized) = 0;
    virtual void SetTitle(RealWindow window, const std::string& title) = 0;
    virtual void Raise(RealWindow window) = 0;
    // The client area is to be painted again.
    virtual void Invalidate(RealWindow window) = 0;
};

// `outer` moved left and up as little as needed to lie on `screen` (its left and top edge
// win when it is larger than the screen).
Rect FitOnScreen(Rect outer, Rect screen);

class WindowMirror {
public:
    WindowMirror(SimDesktop& desktop, RealWindows& real) : desktop_(desktop), real_(real) {}

    // Passes the simulated side's changes over: new windows appear (a window that would lie
    // partly off the screen is first moved onto it), closed ones go, titles, places,
    // minimised states and pictures follow, a window brought forward comes forward.
    void Sync();

    // The real side's changes, passed over to the simulated windows.
    void RealMoved(RealWindow window, Rect outer);
    void RealMinimized(RealWindow window, bool minimized);
    // A left click at a point of the window's client area; the windows it opens appear at once.
    void RealClicked(RealWindow window, Point client);

    // The picture to paint into the window's client area (nullptr: none).
    const Image555* Picture(RealWindow window) const;
    WindowHandle SimOf(RealWindow window) const;
    RealWindow RealOf(WindowHandle sim) const;
    std::size_t Count() const { return mirrors_.size(); }

private:
    struct Mirror {
        WindowHandle sim = 0;
        RealWindow real = 0;
        std::string title;
        Rect rect;  // the outer rectangle both sides agree on
        bool minimized = false;
        Image555 painted;  // the picture last handed to the real window
    };
    Mirror* Find(RealWindow window);
    const Mirror* Find(RealWindow window) const;
    void Adopt(SimWindow& w);
    void Follow(const SimWindow& w, Mirror& m);
    void RepaintIfChanged(Mirror& m);

    SimDesktop& desktop_;
    RealWindows& real_;
    std::vector<Mirror> mirrors_;
    std::vector<WindowHandle> front_;  // the simulated z-order at the last sync
};

}  // namespace tallowen

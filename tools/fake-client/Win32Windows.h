// The mirror's real windows on Win32: one window class, windows made and moved with the
// frame AdjustWindowRectEx gives, each passing its paints, moves, minimising, clicks and
// closing on to the mirror.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "tools/fake-client/WindowMirror.h"

namespace tallowen {

class Win32Windows final : public RealWindows {
public:
    explicit Win32Windows(HINSTANCE instance);
    ~Win32Windows() override;
    Win32Windows(const Win32Windows&) = delete;
    Win32Windows& operator=(const Win32Windows&) = delete;

    // Where the windows' events go. `onClose` is told of a window asked to close.
    void Attach(WindowMirror* mirror, std::function<void(RealWindow)> onClose);
    static HWND Hwnd(RealWindow window) { return reinterpret_cast<HWND>(window); }

    Insets Frame(bool caption) override;
    RealWindow Create(const std::string& title, Rect outer, bool caption, bool topmost) override;
    void Destroy(RealWindow window) override;
    Rect Outer(RealWindow window) override;
    void Place(RealWindow window, Rect outer) override;
    void Show(RealWindow window, bool minimized) override;
    void SetTitle(RealWindow window, const std::string& title) override;
    void Raise(RealWindow window) override;
    void Invalidate(RealWindow window) override;

private:
    class Window;

    HINSTANCE instance_;
    WindowMirror* mirror_ = nullptr;
    std::function<void(RealWindow)> onClose_;
    std::vector<std::unique_ptr<Window>> live_;  // destroyed at the latest with this object
};

}  // namespace tallowen

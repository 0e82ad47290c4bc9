// The mirror's real windows on Win32: one window class, windows made and moved with the
// frame AdjustWindowRectEx gives, and the window procedure that passes paints, moves,
// minimising, clicks and closing on to the mirror.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "tools/fake-client/WindowMirror.h"

namespace tallowen {

std::wstring Wide(const std::string& utf8);
std::string Utf8(const std::wstring& wide);

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
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM w, LPARAM l);
    LRESULT Handle(HWND window, UINT message, WPARAM w, LPARAM l);

    HINSTANCE instance_;
    ATOM class_ = 0;
    WindowMirror* mirror_ = nullptr;
    std::function<void(RealWindow)> onClose_;
    std::vector<HWND> live_;  // destroyed at the latest with this object
};

}  // namespace tallowen

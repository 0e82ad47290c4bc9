// The desktop through user32: the top-level windows, their places, and the mouse.
#include <windows.h>

#include "win32/Capture.h"
#include "win32/Handles.h"
#include "win32/WideText.h"
#include "win32/Win32Seams.h"

namespace tallowen {
namespace {

using win32::FromHwnd;
using win32::FromRECT;
using win32::ToHwnd;

std::string TitleOf(HWND window) {
    int length = GetWindowTextLengthW(window);
    if (length <= 0) return {};
    std::wstring title(std::size_t(length) + 1, L'\0');
    int got = GetWindowTextW(window, title.data(), length + 1);
    title.resize(std::size_t(got > 0 ? got : 0));
    return win32::Narrow(title);
}

BOOL CALLBACK CollectWindow(HWND window, LPARAM into) {
    auto& windows = *reinterpret_cast<std::vector<TopWindow>*>(into);
    LONG style = GetWindowLongW(window, GWL_STYLE);
    windows.push_back({FromHwnd(window), TitleOf(window), IsWindowVisible(window) != FALSE,
                       (style & WS_CAPTION) == WS_CAPTION});
    return TRUE;
}

class Win32Desktop final : public Desktop {
public:
    std::vector<TopWindow> TopLevelWindows() override {
        std::vector<TopWindow> windows;
        EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&windows));
        return windows;
    }

    WindowHandle DesktopWindow() override { return FromHwnd(GetDesktopWindow()); }

    Rect WindowRect(WindowHandle window) override {
        RECT r{};
        if (!Known(window) || !GetWindowRect(ToHwnd(window), &r)) return {};
        return FromRECT(r);
    }

    Rect ClientRect(WindowHandle window) override {
        RECT r{};
        if (!Known(window) || !GetClientRect(ToHwnd(window), &r)) return {};
        return FromRECT(r);
    }

    Rect DesktopRect() override { return WindowRect(DesktopWindow()); }

    void MoveWindow(WindowHandle window, Rect place) override {
        if (!Known(window) || place.Width() < 0 || place.Height() < 0) return;
        ::MoveWindow(ToHwnd(window), place.left, place.top, place.Width(), place.Height(), TRUE);
    }

    void SetTopmost(WindowHandle window, bool topmost) override {
        if (!Known(window)) return;
        SetWindowPos(ToHwnd(window), topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }

    void Minimize(WindowHandle window) override {
        if (Known(window)) ShowWindow(ToHwnd(window), SW_MINIMIZE);
    }

    // Only a minimised window is restored: SW_RESTORE on a maximised one would shrink it.
    void Restore(WindowHandle window) override {
        if (Known(window) && IsIconic(ToHwnd(window))) ShowWindow(ToHwnd(window), SW_RESTORE);
    }

    int CopyPixels(WindowHandle window, Rect area, bool clientArea,
                   std::vector<std::uint16_t>& out) override {
        return win32::CopyWindowPixels(ToHwnd(window), area, clientArea, out);
    }

    Point Cursor() override {
        POINT p{};
        if (!GetCursorPos(&p)) return {};
        return {p.x, p.y};
    }

    void SetCursor(Point at) override { SetCursorPos(at.x, at.y); }

    // Press and release travel in one SendInput call, so that no other input can come
    // between them.
    void LeftClick() override {
        INPUT inputs[2]{};
        inputs[0].type = inputs[1].type = INPUT_MOUSE;
        inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
        inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
        SendInput(2, inputs, sizeof(INPUT));
    }

private:
    static bool Known(WindowHandle window) { return window && IsWindow(ToHwnd(window)); }
};

}  // namespace

std::unique_ptr<Desktop> MakeWin32Desktop() {
    return std::make_unique<Win32Desktop>();
}

}  // namespace tallowen

#include "tools/fake-client/Win32Windows.h"

#include <windowsx.h>

#include "tools/fake-client/Win32Pixels.h"
#include "win32/BaseWindow.h"
#include "win32/ScopedWin.h"
#include "win32/WideText.h"

namespace tallowen {

namespace {

constexpr wchar_t kClassName[] = L"TallowenFakeClientWindow";
constexpr DWORD kCaptionStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX;
constexpr DWORD kPopupStyle = WS_POPUP;

RealWindow Id(HWND window) {
    return reinterpret_cast<RealWindow>(window);
}

}  // namespace

// One real window; its events go to the mirror its owner is attached to.
class Win32Windows::Window final : public win32::BaseWindow<Window> {
public:
    Window(Win32Windows& owner, const std::string& title, Rect outer, bool caption, bool topmost)
        : owner_(owner) {
        Create(win32::WindowClass{.name = kClassName, .instance = owner.instance_},
               win32::Widen(title).c_str(), caption ? kCaptionStyle : kPopupStyle,
               topmost ? WS_EX_TOPMOST : 0, {outer.left, outer.top, outer.Width(), outer.Height()});
    }

    LRESULT HandleMessage(UINT message, WPARAM w, LPARAM l);

private:
    Win32Windows& owner_;
};

LRESULT Win32Windows::Window::HandleMessage(UINT message, WPARAM w, LPARAM l) {
    WindowMirror* mirror = owner_.mirror_;
    const RealWindow id = Id(Handle());
    switch (message) {
        case WM_PAINT: {
            win32::ScopedPaint paint(Handle());
            if (const Image555* picture = mirror ? mirror->Picture(id) : nullptr)
                PaintPicture(paint.Get(), *picture);
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;  // the picture covers the whole client area
        case WM_WINDOWPOSCHANGED:
            if (mirror) {
                // Minimising and restoring arrive here too (WM_SIZE is made from this message).
                const bool iconic = IsIconic(Handle()) != FALSE;
                mirror->RealMinimized(id, iconic);
                if (!iconic) mirror->RealMoved(id, owner_.Outer(id));
            }
            break;
        case WM_GETMINMAXINFO: {
            // The client sizes its windows as it likes, small ones too.
            auto* info = reinterpret_cast<MINMAXINFO*>(l);
            info->ptMinTrackSize = POINT{1, 1};
            return 0;
        }
        case WM_LBUTTONDOWN:
            if (mirror) mirror->RealClicked(id, Point{GET_X_LPARAM(l), GET_Y_LPARAM(l)});
            return 0;
        case WM_CLOSE:
            // The simulated client decides; the window goes when its simulated one does.
            if (owner_.onClose_) owner_.onClose_(id);
            return 0;
        default:
            break;
    }
    return Default(message, w, l);
}

Win32Windows::Win32Windows(HINSTANCE instance) : instance_(instance) {}

Win32Windows::~Win32Windows() {
    mirror_ = nullptr;
    onClose_ = nullptr;
    live_.clear();
}

void Win32Windows::Attach(WindowMirror* mirror, std::function<void(RealWindow)> onClose) {
    mirror_ = mirror;
    onClose_ = std::move(onClose);
}

Insets Win32Windows::Frame(bool caption) {
    RECT r{0, 0, 0, 0};
    AdjustWindowRectEx(&r, caption ? kCaptionStyle : kPopupStyle, FALSE, 0);
    return Insets{-r.left, -r.top, r.right, r.bottom};
}

RealWindow Win32Windows::Create(const std::string& title, Rect outer, bool caption, bool topmost) {
    auto made = std::make_unique<Window>(*this, title, outer, caption, topmost);
    const HWND window = made->Handle();
    if (!window) return 0;
    live_.push_back(std::move(made));
    ShowWindow(window, SW_SHOWNOACTIVATE);
    UpdateWindow(window);
    return Id(window);
}

// Windows destroyed some other way go from the list too.
void Win32Windows::Destroy(RealWindow window) {
    std::erase_if(live_, [window](const std::unique_ptr<Window>& w) {
        return !w->Handle() || w->Handle() == Hwnd(window);
    });
}

Rect Win32Windows::Outer(RealWindow window) {
    RECT r{};
    if (!GetWindowRect(Hwnd(window), &r)) return Rect{};
    return Rect{r.left, r.top, r.right, r.bottom};
}

void Win32Windows::Place(RealWindow window, Rect outer) {
    SetWindowPos(Hwnd(window), nullptr, outer.left, outer.top, outer.Width(), outer.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Windows::Show(RealWindow window, bool minimized) {
    ShowWindow(Hwnd(window), minimized ? SW_SHOWMINNOACTIVE : SW_SHOWNOACTIVATE);
}

void Win32Windows::SetTitle(RealWindow window, const std::string& title) {
    SetWindowTextW(Hwnd(window), win32::Widen(title).c_str());
}

void Win32Windows::Raise(RealWindow window) {
    SetWindowPos(Hwnd(window), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Win32Windows::Invalidate(RealWindow window) {
    InvalidateRect(Hwnd(window), nullptr, FALSE);
}

}  // namespace tallowen

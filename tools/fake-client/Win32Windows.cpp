#include "tools/fake-client/Win32Windows.h"

#include <windowsx.h>

#include "tools/fake-client/Win32Pixels.h"

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

std::wstring Wide(const std::string& utf8) {
    const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), nullptr, 0);
    std::wstring out(std::size_t(n > 0 ? n : 0), L'\0');
    if (n > 0) MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), out.data(), n);
    return out;
}

std::string Utf8(const std::wstring& wide) {
    const int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(), int(wide.size()), nullptr, 0,
                                      nullptr, nullptr);
    std::string out(std::size_t(n > 0 ? n : 0), '\0');
    if (n > 0)
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), int(wide.size()), out.data(), n, nullptr,
                            nullptr);
    return out;
}

Win32Windows::Win32Windows(HINSTANCE instance) : instance_(instance) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = &Win32Windows::Procedure;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // the arrow
    wc.lpszClassName = kClassName;
    class_ = RegisterClassExW(&wc);
}

Win32Windows::~Win32Windows() {
    mirror_ = nullptr;
    onClose_ = nullptr;
    for (HWND window : live_) DestroyWindow(window);
    if (class_) UnregisterClassW(kClassName, instance_);
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
    const DWORD ex = topmost ? WS_EX_TOPMOST : 0;
    HWND window = CreateWindowExW(ex, kClassName, Wide(title).c_str(),
                                  caption ? kCaptionStyle : kPopupStyle, outer.left, outer.top,
                                  outer.Width(), outer.Height(), nullptr, nullptr, instance_, this);
    if (!window) return 0;
    live_.push_back(window);
    ShowWindow(window, SW_SHOWNOACTIVATE);
    UpdateWindow(window);
    return Id(window);
}

void Win32Windows::Destroy(RealWindow window) {
    std::erase(live_, Hwnd(window));
    DestroyWindow(Hwnd(window));
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
    SetWindowTextW(Hwnd(window), Wide(title).c_str());
}

void Win32Windows::Raise(RealWindow window) {
    SetWindowPos(Hwnd(window), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Win32Windows::Invalidate(RealWindow window) {
    InvalidateRect(Hwnd(window), nullptr, FALSE);
}

LRESULT CALLBACK Win32Windows::Procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(l);
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<Win32Windows*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    return self ? self->Handle(window, message, w, l) : DefWindowProcW(window, message, w, l);
}

LRESULT Win32Windows::Handle(HWND window, UINT message, WPARAM w, LPARAM l) {
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(window, &ps);
            if (const Image555* picture = mirror_ ? mirror_->Picture(Id(window)) : nullptr)
                PaintPicture(dc, *picture);
            EndPaint(window, &ps);
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;  // the picture covers the whole client area
        case WM_WINDOWPOSCHANGED:
            if (mirror_) {
                // Minimising and restoring arrive here too (WM_SIZE is made from this message).
                const bool iconic = IsIconic(window) != FALSE;
                mirror_->RealMinimized(Id(window), iconic);
                if (!iconic) mirror_->RealMoved(Id(window), Outer(Id(window)));
            }
            break;
        case WM_GETMINMAXINFO: {
            // The client sizes its windows as it likes, small ones too.
            auto* info = reinterpret_cast<MINMAXINFO*>(l);
            info->ptMinTrackSize = POINT{1, 1};
            return 0;
        }
        case WM_LBUTTONDOWN:
            if (mirror_) mirror_->RealClicked(Id(window), Point{GET_X_LPARAM(l), GET_Y_LPARAM(l)});
            return 0;
        case WM_CLOSE:
            // The simulated client decides; the window goes when its simulated one does.
            if (onClose_) onClose_(Id(window));
            return 0;
        default:
            break;
    }
    return DefWindowProcW(window, message, w, l);
}

}  // namespace tallowen

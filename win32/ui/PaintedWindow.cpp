#include "win32/ui/PaintedWindow.h"

#include "win32/WideText.h"

namespace tallowen {

namespace {

constexpr wchar_t kClassName[] = L"TallowenPainted";

void RegisterOnce(HINSTANCE instance) {
    WNDCLASSEXW wc{};
    if (GetClassInfoExW(instance, kClassName, &wc)) return;
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = PaintedWindow::Proc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    wc.lpszClassName = kClassName;
    RegisterClassExW(&wc);
}

}  // namespace

PaintedWindow::PaintedWindow(HINSTANCE instance, HWND owner, DWORD style, DWORD exStyle) {
    RegisterOnce(instance);
    window_ = CreateWindowExW(exStyle, kClassName, L"", style, CW_USEDEFAULT, CW_USEDEFAULT, 200,
                              100, owner, nullptr, instance, this);
}

PaintedWindow::~PaintedWindow() {
    if (window_) {
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
}

LRESULT CALLBACK PaintedWindow::Proc(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(l);
        SetWindowLongPtrW(window, GWLP_USERDATA, LONG_PTR(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<PaintedWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self) return DefWindowProcW(window, message, w, l);
    if (message == WM_NCDESTROY) {
        self->window_ = nullptr;
        return DefWindowProcW(window, message, w, l);
    }
    if (self->handler_ && self->handler_(message, w, l)) return 0;
    if (message == WM_ERASEBKGND) return 1;
    if (message == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(window, &ps);
        RECT client;
        GetClientRect(window, &client);
        if (self->paint_) self->paint_(dc, client);
        EndPaint(window, &ps);
        return 0;
    }
    return DefWindowProcW(window, message, w, l);
}

void PaintedWindow::SetCaption(const std::string& caption) {
    if (window_) SetWindowTextW(window_, win32::Widen(caption).c_str());
}

void PaintedWindow::Place(int left, int top, int width, int height) {
    if (window_)
        SetWindowPos(window_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void PaintedWindow::SetTopmost(bool topmost) {
    if (window_)
        SetWindowPos(window_, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void PaintedWindow::Redraw() {
    if (!window_) return;
    InvalidateRect(window_, nullptr, FALSE);
    UpdateWindow(window_);
}

}  // namespace tallowen

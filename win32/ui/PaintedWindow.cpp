#include "win32/ui/PaintedWindow.h"

#include "win32/ScopedWin.h"
#include "win32/WideText.h"

namespace tallowen {

PaintedWindow::PaintedWindow(HINSTANCE instance, HWND owner, DWORD style, DWORD exStyle) {
    const win32::WindowClass cls{.name = L"TallowenPainted", .instance = instance};
    Create(cls, L"", style, exStyle, {.width = 200, .height = 100}, owner);
}

LRESULT PaintedWindow::HandleMessage(UINT message, WPARAM w, LPARAM l) {
    if (handler_ && handler_(message, w, l)) return 0;
    if (message == WM_ERASEBKGND) return 1;
    if (message == WM_PAINT) {
        win32::ScopedPaint paint(Handle());
        RECT client;
        GetClientRect(Handle(), &client);
        if (paint_) paint_(paint.Get(), client);
        return 0;
    }
    return Default(message, w, l);
}

void PaintedWindow::SetCaption(const std::string& caption) {
    if (Alive()) SetWindowTextW(Handle(), win32::Widen(caption).c_str());
}

void PaintedWindow::Place(int left, int top, int width, int height) {
    if (Alive())
        SetWindowPos(Handle(), nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void PaintedWindow::SetTopmost(bool topmost) {
    if (Alive())
        SetWindowPos(Handle(), topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void PaintedWindow::Redraw() {
    if (!Alive()) return;
    InvalidateRect(Handle(), nullptr, FALSE);
    UpdateWindow(Handle());
}

}  // namespace tallowen

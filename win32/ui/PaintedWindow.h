// A small top-level window whose client area its owner paints: the message window, the BOX
// window, the bidding board and the delete dialog are all made of it.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace tallowen {

class PaintedWindow {
public:
    using PaintFn = std::function<void(HDC dc, RECT client)>;
    using MessageFn = std::function<bool(UINT message, WPARAM w, LPARAM l)>;  // true: handled

    PaintedWindow(HINSTANCE instance, HWND owner, DWORD style, DWORD exStyle);
    ~PaintedWindow();
    PaintedWindow(const PaintedWindow&) = delete;
    PaintedWindow& operator=(const PaintedWindow&) = delete;

    HWND Handle() const { return window_; }
    bool Alive() const { return window_ != nullptr; }
    void OnPaint(PaintFn paint) { paint_ = std::move(paint); }
    // Messages the owner wants to see first (clicks, mouse moves, closing).
    void OnMessage(MessageFn handler) { handler_ = std::move(handler); }
    void SetCaption(const std::string& caption);
    void Place(int left, int top, int width, int height);
    void SetTopmost(bool topmost);
    void Redraw();

    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM w, LPARAM l);

private:
    HWND window_ = nullptr;
    PaintFn paint_;
    MessageFn handler_;
};

}  // namespace tallowen

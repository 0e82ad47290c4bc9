// A small top-level window whose client area its owner paints: the message window, the BOX
// window, the bidding board and the delete dialog are all made of it.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "win32/BaseWindow.h"

namespace tallowen {

class PaintedWindow final : public win32::BaseWindow<PaintedWindow> {
public:
    using PaintFn = std::function<void(HDC dc, RECT client)>;
    using MessageFn = std::function<bool(UINT message, WPARAM w, LPARAM l)>;  // true: handled

    PaintedWindow(HINSTANCE instance, HWND owner, DWORD style, DWORD exStyle);

    bool Alive() const { return Handle() != nullptr; }
    void OnPaint(PaintFn paint) { paint_ = std::move(paint); }
    // Messages the owner wants to see first (clicks, mouse moves, closing).
    void OnMessage(MessageFn handler) { handler_ = std::move(handler); }
    void SetCaption(const std::string& caption);
    void Place(int left, int top, int width, int height);
    void SetTopmost(bool topmost);
    void Redraw();

    LRESULT HandleMessage(UINT message, WPARAM w, LPARAM l);

private:
    PaintFn paint_;
    MessageFn handler_;
};

}  // namespace tallowen

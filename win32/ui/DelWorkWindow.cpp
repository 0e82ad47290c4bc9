#include "win32/ui/DelWorkWindow.h"

#include "shell/DelWorkLayout.h"
#include "win32/WideText.h"
#include "win32/ui/FlatButton.h"
#include "win32/ui/PaintedWindow.h"

namespace tallowen {

namespace {

constexpr int kDeleteId = 1, kCancelId = 2;

HWND MakeButton(HWND parent, HINSTANCE instance, int id, const DialogButton& b) {
    return CreateWindowExW(0, L"BUTTON", win32::Widen(b.caption).c_str(),
                           WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW, b.place.left,
                           b.place.top, b.place.Width(), b.place.Height(), parent,
                           HMENU(INT_PTR(id)), instance, nullptr);
}

}  // namespace

bool DelWorkWin32::Ask(const std::string& caption, const std::vector<std::string>& lines,
                       bool restore) {
    const bool japanese = look_.japanese;
    const std::string face = japanese ? look_.interfaceFont : look_.designFont;
    const FontSpec textFont{face, 11, false};
    win32::GdiCanvas measure(nullptr, Rect{}, fonts_, nullptr);
    const int lineHeight = measure.TextHeight(textFont);
    const DelWorkLayout d = LayoutDelWork(japanese, restore, look_.interfaceFont, caption,
                                          int(lines.size()), lineHeight);
    const std::uint32_t back = look_.backColor;

    PaintedWindow dialog(instance_, owner_, WS_POPUP | WS_CAPTION | WS_SYSMENU,
                         WS_EX_TOPMOST | WS_EX_DLGMODALFRAME);
    RECT outer{0, 0, d.width, d.height};
    AdjustWindowRectEx(&outer, WS_POPUP | WS_CAPTION | WS_SYSMENU, FALSE, WS_EX_DLGMODALFRAME);
    RECT main;
    GetWindowRect(owner_, &main);
    dialog.Place(main.left + d.offset.x, main.top + d.offset.y, outer.right - outer.left,
                 outer.bottom - outer.top);
    dialog.SetCaption(caption);
    HWND remove = MakeButton(dialog.Handle(), instance_, kDeleteId, d.remove);
    MakeButton(dialog.Handle(), instance_, kCancelId, d.cancel);
    int answer = -1;  // -1 waiting, 0 cancel, 1 delete
    dialog.OnPaint([&](HDC dc, RECT client) {
        win32::GdiCanvas canvas(dc, Rect{0, 0, client.right, client.bottom}, fonts_, nullptr);
        canvas.Fill(Rect{0, 0, client.right, client.bottom}, back);
        int y = 4;
        for (const std::string& line : lines) {
            canvas.Text(Point{4, y}, line, textFont, 0);
            y += lineHeight;
        }
    });
    dialog.OnMessage([&](UINT message, WPARAM w, LPARAM l) {
        if (message == WM_COMMAND && HIWORD(w) == BN_CLICKED) answer = LOWORD(w) == kDeleteId;
        if (message == WM_CLOSE) answer = 0;
        if (message == WM_DRAWITEM) {
            const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(l);
            const DialogButton& b = item.CtlID == kDeleteId ? d.remove : d.cancel;
            const FontSpec font{b.font.empty() ? face : b.font, b.points, false};
            DrawFlatButton(item, FlatButtonLook{b.caption, fonts_.Get(font), back, 0, true});
            return true;
        }
        return message == WM_COMMAND || message == WM_CLOSE;
    });
    EnableWindow(owner_, FALSE);
    ShowWindow(dialog.Handle(), SW_SHOW);
    SetFocus(remove);
    MSG message;
    while (answer < 0 && GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_KEYDOWN && message.wParam == VK_ESCAPE) answer = 0;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    if (message.message == WM_QUIT) PostQuitMessage(int(message.wParam));
    EnableWindow(owner_, TRUE);
    SetForegroundWindow(owner_);
    return answer == 1;
}

}  // namespace tallowen

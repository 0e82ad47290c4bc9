// frmErrMsg and frmMsgBox.
#include "win32/ui/MessageWindows.h"

#include "shell/MessageTexts.h"
#include "win32/WideText.h"
#include "win32/ui/ConsoleEcho.h"

namespace tallowen {

namespace {

constexpr DWORD kToolStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;

// The words of `text` in lines no wider than `width`; a word wider than that stands alone.
std::vector<std::string> WrapWords(Canvas& canvas, const std::string& text, const FontSpec& font,
                                   int width) {
    std::vector<std::string> lines;
    std::string line;
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = text.find(' ', at);
        end = end == std::string::npos ? text.size() : end + 1;  // a word keeps its blank
        const std::string word = text.substr(at, end - at);
        if (!line.empty() && canvas.TextWidth(line + word, font) > width) {
            lines.push_back(line);
            line = word;
        } else {
            line += word;
        }
        at = end;
    }
    if (!line.empty() || lines.empty()) lines.push_back(line);
    return lines;
}

}  // namespace

MessageWindow::MessageWindow(HINSTANCE instance, HWND owner, win32::GdiFonts& fonts)
    : instance_(instance), owner_(owner), fonts_(fonts) {}

void MessageWindow::Load() {
    if (window_) return;
    window_ = std::make_unique<PaintedWindow>(instance_, owner_, kToolStyle, WS_EX_TOOLWINDOW);
    RECT owner;
    GetWindowRect(owner_, &owner);
    const Rect place =
        MessageWindowPlace(Rect{owner.left, owner.top, owner.right, owner.bottom},
                           GetSystemMetrics(SM_CXSIZEFRAME), GetSystemMetrics(SM_CYCAPTION));
    window_->Place(place.left, place.top, place.Width(), place.Height());
    window_->SetCaption(look_.japanese ? " " : "Tallowen");
    window_->OnPaint([this](HDC dc, RECT client) {
        win32::GdiCanvas canvas(dc, Rect{0, 0, client.right, client.bottom}, fonts_, nullptr);
        canvas.Fill(Rect{0, 0, client.right, client.bottom}, look_.backColor);
        const FontSpec font{text_.font.empty() ? "Arial" : text_.font, text_.points, false};
        int y = 4;
        for (const std::string& line : WrapWords(canvas, text_.text, font, client.right - 12)) {
            canvas.Text(Point{6, y}, line, font, 0);
            y += canvas.TextHeight(font);
        }
    });
    window_->OnMessage([this](UINT message, WPARAM, LPARAM) {
        if (message != WM_CLOSE) return false;
        Hide();
        if (events_) events_->MessageClosed();
        return true;
    });
}

void MessageWindow::Show(const MessageText& message) {
    Load();
    EchoToConsole("message: ", message.text);
    text_ = message;
    ShowWindow(window_->Handle(), SW_SHOWNOACTIVATE);
    window_->Redraw();
}

void MessageWindow::Hide() {
    if (window_) ShowWindow(window_->Handle(), SW_HIDE);
}

void MessageWindow::SetTopmost(bool topmost) {
    if (window_) window_->SetTopmost(topmost);
}

LogWindow::LogWindow(HINSTANCE instance, HWND owner) : instance_(instance), owner_(owner) {}

void LogWindow::Load() {
    if (window_) return;
    window_ = std::make_unique<PaintedWindow>(instance_, owner_,
                                              WS_OVERLAPPED | WS_CAPTION | WS_THICKFRAME, 0);
    window_->SetCaption("Tallowen log");
    window_->Place(100, 100, 420, 300);
    RECT client;
    GetClientRect(window_->Handle(), &client);
    list_ = CreateWindowExW(0, L"LISTBOX", L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL, 0,
                            0, client.right, client.bottom, window_->Handle(), nullptr, instance_,
                            nullptr);
    SendMessageW(list_, LB_SETHORIZONTALEXTENT, 2000, 0);
    window_->OnMessage([this](UINT message, WPARAM, LPARAM l) {
        if (message == WM_SIZE) MoveWindow(list_, 0, 0, LOWORD(l), HIWORD(l), TRUE);
        return message == WM_CLOSE;  // the log stays until the table comes up
    });
    ShowWindow(window_->Handle(), SW_SHOWNOACTIVATE);
}

void LogWindow::Unload() {
    window_.reset();
    list_ = nullptr;
}

void LogWindow::Append(const std::string& line) {
    EchoToConsole("log: ", line);
    if (!list_) return;
    const LRESULT at = SendMessageW(list_, LB_ADDSTRING, 0, LPARAM(win32::Widen(line).c_str()));
    SendMessageW(list_, LB_SETTOPINDEX, WPARAM(at), 0);
}

void LogWindow::Clear() {
    if (list_) SendMessageW(list_, LB_RESETCONTENT, 0, 0);
}

}  // namespace tallowen

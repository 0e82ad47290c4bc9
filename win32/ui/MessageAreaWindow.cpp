#include "win32/ui/MessageAreaWindow.h"

#include <algorithm>

#include "win32/WideText.h"

namespace tallowen::ui {

namespace {

constexpr wchar_t kClassName[] = L"TallowenUTLMessages";
constexpr int kTop = 8;  // y of the first line

}  // namespace

MessageAreaWindow::MessageAreaWindow(HWND parent, const RECT& place, const CodePage& page,
                                     MessageFonts fonts)
    : fonts_(fonts) {
    Create(win32::WindowClass{.name = kClassName}, L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL, 0,
           {place.left, place.top, place.right - place.left, place.bottom - place.top}, parent);
    // The scroll bar is always there (greyed while all fits), so the width lines are laid
    // out in never changes.
    RECT inner{};
    GetClientRect(Handle(), &inner);
    area_ = std::make_unique<MessageArea>(
        [this](std::string_view text, MessageFont font) { return Measure(text, font); }, page,
        int(inner.right));
    SetBackColor(GetSysColor(COLOR_BTNFACE));
    UpdateScrollBar();
}

void MessageAreaWindow::SetBackColor(COLORREF colour) {
    backColor_ = colour;
    back_.Reset(CreateSolidBrush(colour));
    InvalidateRect(Handle(), nullptr, TRUE);
}

HFONT MessageAreaWindow::FontFor(MessageFont font) const {
    switch (font) {
        case MessageFont::LatinBold:
            return fonts_.bold;
        case MessageFont::Interface:
            return fonts_.interfaceFont;
        case MessageFont::Latin:
            break;
    }
    return fonts_.latin;
}

int MessageAreaWindow::Measure(std::string_view text, MessageFont font) const {
    std::wstring wide = win32::Widen(text);
    win32::ScopedSelect chosen(measureDC_.Get(), FontFor(font));
    SIZE size{};
    if (!GetTextExtentPoint32W(measureDC_.Get(), wide.c_str(), int(wide.size()), &size)) return 0;
    return int(size.cx);
}

int MessageAreaWindow::VisibleLines() const {
    RECT inner{};
    GetClientRect(Handle(), &inner);
    return std::max(1, int(inner.bottom - kTop) / kMessageLineStep);
}

// Repaints the lines from `fromLine` on, scrolling first when the present line has left the
// sight (the lines in sight move by a blit, so a long job repaints only what is new); then
// lets the owner process its events.
void MessageAreaWindow::Changed(int fromLine) {
    const int visible = VisibleLines();
    if (area_->Line() >= top_ + visible) {
        const int newTop = area_->Line() - visible + 1;
        const int delta = newTop - top_;
        top_ = newTop;
        if (delta < visible)
            ScrollWindowEx(Handle(), 0, -delta * kMessageLineStep, nullptr, nullptr, nullptr,
                           nullptr, SW_INVALIDATE | SW_ERASE);
        else
            InvalidateRect(Handle(), nullptr, TRUE);
    }
    RECT lines{};
    GetClientRect(Handle(), &lines);
    lines.top = kTop + (std::max(fromLine, top_) - top_) * kMessageLineStep;
    InvalidateRect(Handle(), &lines, TRUE);
    UpdateScrollBar();
    UpdateWindow(Handle());
    if (afterPrint) afterPrint();
}

void MessageAreaWindow::Print(std::string_view text) {
    const int line = area_->Line();
    area_->Print(text);
    Changed(line);
}

void MessageAreaWindow::PrintPath(std::string_view text) {
    const int line = area_->Line();
    area_->PrintPath(text);
    Changed(line);
}

void MessageAreaWindow::NewLines(int n) {
    const int line = area_->Line();
    area_->NewLines(n);
    Changed(line);
}

bool MessageAreaWindow::FitsWidth(std::string_view text, double fraction) const {
    return area_->FitsWidth(text, fraction);
}

void MessageAreaWindow::ScrollTo(int top) {
    const int last = std::max(0, area_->Line() - VisibleLines() + 1);
    top_ = std::clamp(top, 0, last);
    UpdateScrollBar();
    InvalidateRect(Handle(), nullptr, TRUE);
}

void MessageAreaWindow::UpdateScrollBar() {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL | SIF_DISABLENOSCROLL;
    info.nMin = 0;
    info.nMax = area_ ? area_->Line() : 0;
    info.nPage = UINT(VisibleLines());
    info.nPos = top_;
    SetScrollInfo(Handle(), SB_VERT, &info, TRUE);
}

void MessageAreaWindow::Paint() {
    win32::ScopedPaint paint(Handle());
    const HDC dc = paint.Get();
    const RECT& area = paint.Area();
    FillRect(dc, &area, back_.Get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    const int first = top_ + std::max(0, int(area.top) - kTop) / kMessageLineStep - 1;
    const int last = top_ + std::max(0, int(area.bottom) - kTop) / kMessageLineStep + 1;
    auto [from, to] = area_->PiecesOnLines(first, last);
    for (std::size_t i = from; i < to; ++i) {
        const MessagePiece& piece = area_->Pieces()[i];
        int x = piece.x;
        const int y = kTop + (piece.line - top_) * kMessageLineStep;
        for (const MessageRun& run : area_->Runs(piece.text)) {
            std::wstring wide = win32::Widen(run.text);
            win32::ScopedSelect chosen(dc, FontFor(run.font));
            TextOutW(dc, x, y, wide.c_str(), int(wide.size()));
            x += Measure(run.text, run.font);
        }
    }
}

// The lines as text, so that a test tool (or a screen reader) can read what the window says.
LRESULT MessageAreaWindow::GetText(WPARAM size, LPARAM buffer) const {
    std::wstring all = win32::Widen(area_->Text());
    if (buffer == 0) return LRESULT(all.size());
    if (size == 0) return 0;
    const std::size_t n = std::min<std::size_t>(all.size(), std::size_t(size) - 1);
    auto* out = reinterpret_cast<wchar_t*>(buffer);
    std::copy_n(all.data(), n, out);
    out[n] = L'\0';
    return LRESULT(n);
}

LRESULT MessageAreaWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    // While it is being made the window has no lines yet: it behaves as a plain window.
    if (!area_) return Default(message, wParam, lParam);
    switch (message) {
        case WM_PAINT:
            Paint();
            return 0;
        case WM_ERASEBKGND:
            return 1;  // WM_PAINT fills the background
        case WM_GETTEXTLENGTH:
            return GetText(0, 0);
        case WM_GETTEXT:
            return GetText(wParam, lParam);
        case WM_MOUSEWHEEL:
            ScrollTo(top_ - 3 * GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA);
            return 0;
        case WM_VSCROLL: {
            const int page = VisibleLines();
            switch (LOWORD(wParam)) {
                case SB_LINEUP:
                    ScrollTo(top_ - 1);
                    break;
                case SB_LINEDOWN:
                    ScrollTo(top_ + 1);
                    break;
                case SB_PAGEUP:
                    ScrollTo(top_ - page);
                    break;
                case SB_PAGEDOWN:
                    ScrollTo(top_ + page);
                    break;
                case SB_THUMBTRACK:
                case SB_THUMBPOSITION:
                    ScrollTo(HIWORD(wParam));
                    break;
                default:
                    break;
            }
            return 0;
        }
        default:
            return Default(message, wParam, lParam);
    }
}

}  // namespace tallowen::ui

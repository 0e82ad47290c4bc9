// The message area of the utility's window: a child window that keeps every message line
// (laid out by MessageArea in the window's real text widths), repaints them on WM_PAINT,
// scrolls so that the newest line stays in sight, and answers WM_GETTEXT with its lines.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include "report/MessageArea.h"
#include "win32/BaseWindow.h"
#include "win32/ScopedWin.h"

namespace tallowen {

class CodePage;

namespace ui {

struct MessageFonts {
    HFONT latin = nullptr;
    HFONT bold = nullptr;
    HFONT interfaceFont = nullptr;
};

class MessageAreaWindow final : public MessageSink, public win32::BaseWindow<MessageAreaWindow> {
public:
    MessageAreaWindow(HWND parent, const RECT& place, const CodePage& page, MessageFonts fonts);

    void SetBackColor(COLORREF colour);
    // The Japanese display with "メイリオ" installed: whole messages in the interface font.
    void SetWholeInInterface(bool on) { area_->SetWholeInInterface(on); }

    void Print(std::string_view text) override;
    void PrintPath(std::string_view text) override;
    void NewLines(int n) override;
    bool FitsWidth(std::string_view text, double fraction) const override;

    // Called after each message text has been painted: the owner keeps its window events
    // flowing there.
    std::function<void()> afterPrint;

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    int Measure(std::string_view text, MessageFont font) const;
    HFONT FontFor(MessageFont font) const;
    int VisibleLines() const;
    void Changed(int fromLine);
    void ScrollTo(int top);
    void UpdateScrollBar();
    void Paint();
    LRESULT GetText(WPARAM size, LPARAM buffer) const;

    MessageFonts fonts_;
    win32::ScopedMemoryDC measureDC_{CreateCompatibleDC(nullptr)};
    win32::ScopedBrush back_;
    COLORREF backColor_ = 0;
    std::unique_ptr<MessageArea> area_;
    int top_ = 0;  // the first line in sight
};

}  // namespace ui
}  // namespace tallowen

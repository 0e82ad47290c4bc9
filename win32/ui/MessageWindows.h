// frmErrMsg, the message window, and frmMsgBox, the diagnostic log.
#pragma once

#include <windows.h>

#include <memory>

#include "shell/Views.h"
#include "win32/GdiCanvas.h"
#include "win32/ui/PaintedWindow.h"

namespace tallowen {

class MessageWindow final : public MessageView {
public:
    MessageWindow(HINSTANCE instance, HWND owner, win32::GdiFonts& fonts);
    // From now on the window reports to `events` and looks like `look`.
    void Attach(ViewEvents& events, const ViewLook& look) {
        events_ = &events;
        look_ = look;
    }
    void SetLook(const ViewLook& look) { look_ = look; }
    void Show(const MessageText& message) override;
    void Hide() override;
    void SetTopmost(bool topmost) override;

private:
    void Load();
    HINSTANCE instance_;
    HWND owner_;
    win32::GdiFonts& fonts_;
    ViewEvents* events_ = nullptr;
    ViewLook look_;
    std::unique_ptr<PaintedWindow> window_;
    MessageText text_;
};

class LogWindow final : public LogView {
public:
    LogWindow(HINSTANCE instance, HWND owner);
    void Load() override;
    void Unload() override;
    void Append(const std::string& line) override;
    void Clear() override;

private:
    HINSTANCE instance_;
    HWND owner_;
    std::unique_ptr<PaintedWindow> window_;
    HWND list_ = nullptr;
};

}  // namespace tallowen

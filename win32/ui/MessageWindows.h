// frmErrMsg, the message window, and frmMsgBox, the diagnostic log.
#pragma once

#include <windows.h>

#include <memory>

#include "shell/AppContext.h"
#include "shell/Views.h"
#include "win32/GdiCanvas.h"
#include "win32/ui/PaintedWindow.h"

namespace tallowen {

class MessageWindow final : public MessageView {
public:
    MessageWindow(HINSTANCE instance, HWND owner, win32::GdiFonts& fonts);
    void Attach(AppContext& app) { app_ = &app; }
    void Show(const MessageText& message) override;
    void Hide() override;
    void SetTopmost(bool topmost) override;

private:
    void Load();
    HINSTANCE instance_;
    HWND owner_;
    win32::GdiFonts& fonts_;
    AppContext* app_ = nullptr;
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

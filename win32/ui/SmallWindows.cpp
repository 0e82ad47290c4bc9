#include "win32/ui/SmallWindows.h"

#include "win32/ui/DelWorkWindow.h"
#include "win32/ui/MessageWindows.h"
#include "win32/ui/SideWindows.h"

namespace tallowen {

SmallWindows::SmallWindows(HINSTANCE instance, HWND owner, win32::GdiFonts& fonts,
                           win32::GdiSheets& sheets, const CardMetrics& metrics)
    : message_(std::make_unique<MessageWindow>(instance, owner, fonts)),
      log_(std::make_unique<LogWindow>(instance, owner)),
      side_(std::make_unique<SideWindowsWin32>(instance, owner, fonts, sheets, metrics)),
      delWork_(std::make_unique<DelWorkWin32>(instance, owner, fonts)) {}

SmallWindows::~SmallWindows() = default;

void SmallWindows::Attach(AppContext& app) {
    message_->Attach(app);
    side_->Attach(app);
    delWork_->Attach(app);
}

MessageView& SmallWindows::Message() {
    return *message_;
}
LogView& SmallWindows::Log() {
    return *log_;
}
SideWindows& SmallWindows::Side() {
    return *side_;
}
DelWorkDialog& SmallWindows::DelWork() {
    return *delWork_;
}

}  // namespace tallowen

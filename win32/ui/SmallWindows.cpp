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

void SmallWindows::Attach(ViewEvents& events, const ViewLook& look) {
    message_->Attach(events, look);
    side_->Attach(events, look);
    delWork_->SetLook(look);
}

void SmallWindows::SetLook(const ViewLook& look) {
    message_->SetLook(look);
    side_->SetLook(look);
    delWork_->SetLook(look);
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

// The watcher's smaller windows: the message window frmErrMsg, the log window frmMsgBox, the
// BOX window frmMyBOX with the bidding board frmBidding, and the delete dialog frmDelWork.
// Each is made on first use.
#pragma once

#include <windows.h>

#include <memory>

#include "reading/CardSheets.h"
#include "shell/Views.h"
#include "win32/GdiCanvas.h"

namespace tallowen {

class MessageWindow;
class LogWindow;
class SideWindowsWin32;
class DelWorkWin32;

class SmallWindows {
public:
    SmallWindows(HINSTANCE instance, HWND owner, win32::GdiFonts& fonts, win32::GdiSheets& sheets,
                 const CardMetrics& metrics);
    ~SmallWindows();
    // From now on the windows report to `events` and look like `look`.
    void Attach(ViewEvents& events, const ViewLook& look);
    void SetLook(const ViewLook& look);
    MessageView& Message();
    LogView& Log();
    SideWindows& Side();
    DelWorkDialog& DelWork();

private:
    std::unique_ptr<MessageWindow> message_;
    std::unique_ptr<LogWindow> log_;
    std::unique_ptr<SideWindowsWin32> side_;
    std::unique_ptr<DelWorkWin32> delWork_;
};

}  // namespace tallowen

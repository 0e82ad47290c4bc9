// The real platform seams on Windows, one factory each. Free of <windows.h>, so that a program
// can pick its seams without pulling Win32 in.
#pragma once

#include <functional>
#include <memory>
#include <string_view>

#include "platform/Browser.h"
#include "platform/Clock.h"
#include "platform/Desktop.h"
#include "platform/Fonts.h"
#include "platform/Sound.h"

namespace tallowen {

std::unique_ptr<Desktop> MakeWin32Desktop();
std::unique_ptr<Clock> MakeWin32Clock();
std::unique_ptr<Sound> MakeWin32Sound();
std::unique_ptr<Fonts> MakeWin32Fonts();

// One way of opening an address; true when it started.
using BrowserStep = std::function<bool(std::string_view address)>;
// The browser automation object named `progId`: made visible, then told to navigate.
bool OpenByAutomation(std::string_view progId, std::string_view address);
// The user's default browser, through the shell's "open".
bool OpenWithShell(std::string_view address);
// "InternetExplorer.Application" first; where it is missing or fails, the default browser.
std::unique_ptr<Browser> MakeWin32Browser();
// The same order with steps of the caller's choosing (tests).
std::unique_ptr<Browser> MakeWin32Browser(BrowserStep first, BrowserStep fallback);

}  // namespace tallowen

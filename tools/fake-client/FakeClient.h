// The fake game client's parts on Win32: the session on real time, its real windows and the
// mirror between them, and the message pump the program runs on.
#pragma once

#include <windows.h>

#include <string>

#include "platform/CodePage.h"
#include "tools/fake-client/FakeSession.h"
#include "tools/fake-client/Win32Windows.h"
#include "tools/fake-client/WindowMirror.h"

namespace tallowen {

// One line on the standard output, at once (a test reads it as it comes).
void Say(const std::string& line);

// The screen in pixels.
Rect ScreenRect();

// Runs the window messages for `ms` milliseconds.
void PumpFor(DWORD ms);

struct FakeClient {
    FakeClient(const FakeClientArgs& args, HINSTANCE instance)
        : session(args, ScreenRect(), AnsiCodePage()),
          windows(instance),
          mirror(session.Desktop(), windows) {
        windows.Attach(&mirror, [this](RealWindow window) { Closed(window); });
    }
    ~FakeClient() { windows.Attach(nullptr, nullptr); }
    FakeClient(const FakeClient&) = delete;
    FakeClient& operator=(const FakeClient&) = delete;

    // Closing the table ends the program; other windows just close.
    void Closed(RealWindow window) {
        if (session.Close(mirror.SimOf(window)))
            PostQuitMessage(0);
        else
            mirror.Sync();
    }

    FakeSession session;
    Win32Windows windows;
    WindowMirror mirror;
};

// Shows the first windows, reads each one back and compares it with the simulated picture,
// then presses a table button and resizes a window and compares again. 0 when all agree.
int RunSelfCheck(const FakeClientArgs& args, HINSTANCE instance);

}  // namespace tallowen

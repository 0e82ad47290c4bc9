// The fake client checks itself on the real desktop: each real window must show exactly the
// simulated picture (read back as the watcher reads it), at the simulated place, with the
// simulated title; a click on a table button must open its window; a window someone else
// resizes or minimises must take the simulated one along.
#include <windows.h>

#include <cstdio>

#include "sim/ClientWindows.h"
#include "tools/fake-client/FakeClient.h"
#include "tools/fake-client/Win32Pixels.h"
#include "win32/WideText.h"
#include "win32/Win32Seams.h"

namespace tallowen {

namespace {

std::string Hex(std::uint16_t p) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%04X", unsigned(p));
    return text;
}

std::string Place(const Rect& r) {
    return "(" + std::to_string(r.left) + ", " + std::to_string(r.top) + ")-(" +
           std::to_string(r.right) + ", " + std::to_string(r.bottom) + ")";
}

// What differs between the copy read back and the picture drawn, empty when nothing does. A
// part that another window covers may read as black (as on Windows) or as the window's own
// picture (Wine keeps a surface per window); `seen` tells which parts are covered.
std::string PictureDifference(const Image555& read, const Image555& drawn, const Image555& seen) {
    if (read.width != drawn.width || read.height != drawn.height)
        return "read " + std::to_string(read.width) + "x" + std::to_string(read.height) +
               ", drawn " + std::to_string(drawn.width) + "x" + std::to_string(drawn.height);
    long differing = 0;
    int fx = -1, fy = -1;
    for (int y = 0; y < read.height; ++y)
        for (int x = 0; x < read.width; ++x) {
            const std::uint16_t p = read.At(x, y);
            const bool covered = seen.At(x, y) == 0 && drawn.At(x, y) != 0;
            if (p == drawn.At(x, y) || (covered && p == 0)) continue;
            if (differing++ == 0) fx = x, fy = y;
        }
    if (differing == 0) return "";
    return std::to_string(differing) + " pixels differ, first at (" + std::to_string(fx) + ", " +
           std::to_string(fy) + "): read " + Hex(read.At(fx, fy)) + ", drawn " +
           Hex(drawn.At(fx, fy));
}

// One window: title, outer rectangle, client place and size, and every client pixel.
bool CheckWindow(FakeClient& c, const SimWindow& w) {
    HWND real = Win32Windows::Hwnd(c.mirror.RealOf(w.handle));
    std::string problem;
    wchar_t title[256] = {};
    RECT outer{}, client{};
    POINT origin{0, 0};
    if (!real || !GetWindowTextW(real, title, 256) || !GetWindowRect(real, &outer) ||
        !GetClientRect(real, &client) || !ClientToScreen(real, &origin)) {
        Say(w.title + ": no real window");
        return false;
    }
    const Rect rect{outer.left, outer.top, outer.right, outer.bottom};
    if (win32::Narrow(title) != w.title) problem = "title \"" + win32::Narrow(title) + "\"";
    if (!w.minimized && rect != w.rect)
        problem = "placed at " + Place(rect) + ", simulated at " + Place(w.rect);
    if (!w.minimized &&
        (origin.x != w.rect.left + w.frame.left || origin.y != w.rect.top + w.frame.top ||
         client.right != w.ClientWidth() || client.bottom != w.ClientHeight()))
        problem = "client area " + std::to_string(client.right) + "x" +
                  std::to_string(client.bottom) + " at (" + std::to_string(origin.x) + ", " +
                  std::to_string(origin.y) + ")";
    if (problem.empty() && !w.minimized)
        problem = PictureDifference(CaptureClient(real), w.client,
                                    c.session.Desktop().WindowPicture(w.handle, true));
    Say(w.title + ": " + (problem.empty() ? "agrees" : problem) +
        (w.minimized ? " (minimised)" : "") + ", client " + std::to_string(w.ClientWidth()) + "x" +
        std::to_string(w.ClientHeight()) + " at " + Place(w.rect));
    return problem.empty();
}

int CheckAll(FakeClient& c, const std::string& when) {
    Say("-- " + when);
    int failures = 0;
    for (WindowHandle h : c.session.Desktop().ZOrder())
        if (const SimWindow* w = c.session.Desktop().Find(h)) failures += !CheckWindow(c, *w);
    return failures;
}

// As the watcher clicks.
void ClickAt(Point at) {
    const auto desktop = MakeWin32Desktop();
    desktop->SetCursor(at);
    desktop->LeftClick();
}

// The table's first button (the bidding window's) on the screen.
Point FirstButton(const SimWindow& table) {
    const Rect b = TableView::Button(0);
    return Point{table.rect.left + table.frame.left + (b.left + b.right) / 2,
                 table.rect.top + table.frame.top + (b.top + b.bottom) / 2};
}

bool Expect(bool ok, const std::string& what) {
    Say(std::string(ok ? "ok: " : "FAILED: ") + what);
    return ok;
}

}  // namespace

int RunSelfCheck(const FakeClientArgs& args, HINSTANCE instance) {
    FakeClient c(args, instance);
    c.session.Start();
    c.mirror.Sync();
    PumpFor(800);
    int failures = CheckAll(c, "the first windows");
    failures +=
        !Expect(c.mirror.Count() == 6, "six windows shown, " + std::to_string(c.mirror.Count()));

    SimClient& client = c.session.Client();
    client.Close(1);
    c.mirror.Sync();
    PumpFor(200);
    failures +=
        !Expect(client.Handle(1) == 0 && c.mirror.Count() == 5, "the bidding window closed");
    const SimWindow* table = c.session.Desktop().Find(client.Handle(0));
    if (table) ClickAt(FirstButton(*table));
    PumpFor(600);
    failures += !Expect(client.Handle(1) != 0 && c.mirror.RealOf(client.Handle(1)) != 0,
                        "a click on the table's first button opened the bidding window again");

    if (HWND bidding = Win32Windows::Hwnd(c.mirror.RealOf(client.Handle(1)))) {
        RECT r{};
        GetWindowRect(bidding, &r);
        // Taller shows more rows; moved, so that a stale place would show.
        SetWindowPos(bidding, nullptr, r.left - 20, r.top + 10, r.right - r.left,
                     r.bottom - r.top + 64, SWP_NOZORDER | SWP_NOACTIVATE);
        PumpFor(300);
        ShowWindow(bidding, SW_MINIMIZE);
        PumpFor(300);
        const SimWindow* w = c.session.Desktop().Find(client.Handle(1));
        failures +=
            !Expect(w && w->minimized, "minimising the real window minimised the simulated one");
        ShowWindow(bidding, SW_RESTORE);
        PumpFor(400);
        failures += !Expect(w && !w->minimized, "restoring it restored the simulated one");
    }
    failures += CheckAll(c, "after a click, a move, a resize, minimising and restoring");
    Say(failures == 0 ? "selfcheck: all windows agree"
                      : "selfcheck: " + std::to_string(failures) + " failures");
    return failures == 0 ? 0 : 1;
}

}  // namespace tallowen

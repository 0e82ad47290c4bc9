// The simulated desktop behaves as the readers expect of Windows: z-order with topmost
// windows in front, frames around client areas, covered and off-screen parts copied black,
// minimised windows without a client area, repaints on resize, clicks in client coordinates.
#include <gtest/gtest.h>

#include "sim/SimClock.h"
#include "sim/SimDesktop.h"

namespace tallowen::testing {
namespace {

constexpr std::uint16_t kBlue = 0x001F, kRedPx = 0x7C00;

// A window painted in one colour, with its client size remembered at each paint.
WindowHandle Solid(SimDesktop& d, Rect outer, std::uint16_t colour, int* paints = nullptr) {
    WindowHandle h = d.Create("W", outer);
    d.Find(h)->paint = [colour, paints](SimWindow& w) {
        w.client.Fill(0, 0, w.client.width, w.client.height, colour);
        if (paints) ++*paints;
    };
    d.Repaint(h);
    return h;
}

std::vector<std::uint16_t> Copy(SimDesktop& d, WindowHandle h, Rect area, bool client, int& rows) {
    const int w = area.Width();
    std::vector<std::uint16_t> out(std::size_t(w + (w & 1)) * std::size_t(area.Height()), 0x1234);
    rows = d.CopyPixels(h, area, client, out);
    return out;
}

TEST(SimDesktop, TopmostWindowsStayInFrontOfTheOthers) {
    SimDesktop d;
    WindowHandle a = d.Create("A", {0, 0, 100, 100});
    WindowHandle b = d.Create("B", {0, 0, 100, 100});
    EXPECT_EQ(d.ZOrder(), (std::vector<WindowHandle>{b, a}));
    d.SetTopmost(a, true);
    WindowHandle c = d.Create("C", {0, 0, 100, 100});
    EXPECT_EQ(d.ZOrder(), (std::vector<WindowHandle>{a, c, b}));
    d.SetTopmost(a, false);
    EXPECT_EQ(d.ZOrder().front(), a);  // first of the ordinary windows now
    EXPECT_EQ(d.TopLevelWindows().size(), 3u);
    EXPECT_EQ(d.TopLevelWindows()[1].title, "C");
}

TEST(SimDesktop, ClientAreaLiesInsideTheFrame) {
    SimDesktop d;
    WindowHandle h = Solid(d, {10, 20, 110, 147}, kBlue);
    EXPECT_EQ(d.ClientRect(h), (Rect{0, 0, 92, 100}));
    int rows = 0;
    auto client = Copy(d, h, {0, 0, 2, 1}, true, rows);
    EXPECT_EQ(rows, 1);
    EXPECT_EQ(client[0], kBlue);
    auto whole = Copy(d, h, {0, 0, 2, 1}, false, rows);
    EXPECT_NE(whole[0], kBlue);  // the frame
    auto inner = Copy(d, h, {4, 23, 6, 24}, false, rows);
    EXPECT_EQ(inner[0], kBlue);
}

TEST(SimDesktop, CoveredAndOffScreenPartsCopyBlack) {
    SimDesktop d(Rect{0, 0, 300, 300});
    WindowHandle under = Solid(d, {0, 0, 108, 127}, kBlue);  // client 100 x 100
    Solid(d, {54, 0, 200, 200}, kRedPx);                     // covers client x >= 50
    int rows = 0;
    auto row = Copy(d, under, {0, 10, 100, 11}, true, rows);
    EXPECT_EQ(row[49], kBlue);
    EXPECT_EQ(row[50], 0);
    d.MoveWindow(under, {250, 0, 358, 127});  // now partly off the right edge
    d.SetTopmost(under, true);
    row = Copy(d, under, {0, 10, 100, 11}, true, rows);
    EXPECT_EQ(row[0], kBlue);
    EXPECT_EQ(row[99], 0);
}

TEST(SimDesktop, MinimisedWindowHasNoClientAreaAndResizesRepaint) {
    SimDesktop d;
    int paints = 0;
    WindowHandle h = Solid(d, {0, 0, 108, 127}, kBlue, &paints);
    d.Minimize(h);
    EXPECT_EQ(d.ClientRect(h).Width(), 0);
    EXPECT_LT(d.WindowRect(h).left, -1000);
    int rows = 0;
    auto out = Copy(d, h, {0, 0, 4, 4}, true, rows);
    EXPECT_EQ(rows, 0);
    EXPECT_EQ(out[0], 0x1234);
    int before = paints;
    d.Restore(h);
    EXPECT_EQ(d.ClientRect(h), (Rect{0, 0, 100, 100}));
    EXPECT_GT(paints, before);
    before = paints;
    d.MoveWindow(h, {5, 5, 113, 132});  // moved only
    EXPECT_EQ(paints, before);
    d.MoveWindow(h, {5, 5, 113, 182});
    EXPECT_EQ(paints, before + 1);
    EXPECT_EQ(d.Find(h)->client.height, 150);
}

TEST(SimDesktop, ClickReachesTheWindowUnderTheCursorInClientCoordinates) {
    SimDesktop d;
    WindowHandle h = Solid(d, {100, 100, 208, 227}, kBlue);
    std::vector<Point> clicks;
    d.Find(h)->click = [&](SimWindow&, Point p) { clicks.push_back(p); };
    d.SetCursor({110, 130});
    d.LeftClick();
    d.SetCursor({102, 102});  // on the frame
    d.LeftClick();
    WindowHandle cover = Solid(d, {100, 100, 150, 150}, kRedPx);
    d.SetCursor({110, 130});  // now on the cover
    d.LeftClick();
    ASSERT_EQ(clicks.size(), 1u);
    EXPECT_EQ(clicks[0], (Point{6, 7}));
    EXPECT_EQ(d.Clicks(), 3);
    d.Close(cover);
    EXPECT_EQ(d.Find(cover), nullptr);
}

TEST(SimDesktop, DesktopCopyShowsTheFrontWindow) {
    SimDesktop d(Rect{0, 0, 200, 200});
    Solid(d, {0, 0, 108, 127}, kBlue);
    WindowHandle front = Solid(d, {50, 0, 158, 127}, kRedPx);
    int rows = 0;
    auto row = Copy(d, d.DesktopWindow(), {0, 50, 200, 51}, false, rows);
    EXPECT_EQ(row[10], kBlue);
    EXPECT_EQ(row[60], kRedPx);
    EXPECT_EQ(row[190], SimDesktop::kBackground);
    d.Minimize(front);
    row = Copy(d, d.DesktopWindow(), {0, 50, 200, 51}, false, rows);
    EXPECT_EQ(row[60], kBlue);
}

TEST(SimClock, TimerTickArrivesInsideAWaitAndTheBusyFlagTurnsItAway) {
    SimClock clock;
    bool busy = false;
    int ran = 0, turnedAway = 0;
    clock.Every(300, [&] {
        if (busy) {
            ++turnedAway;
            return;
        }
        busy = true;
        ++ran;
        clock.Wait(700);  // a capture's settling waits
        busy = false;
    });
    clock.Wait(3000);
    EXPECT_GT(ran, 1);
    EXPECT_GT(turnedAway, 1);
    EXPECT_GE(clock.Elapsed(), 3001u);
}

TEST(SimClock, DueEventsRunInAWaitAtTheirTimeTicksWrapAndCancelledEventsNeverRun) {
    SimClock clock(0xFFFFFF00u);
    std::vector<std::uint32_t> seen;
    clock.After(50, [&] { seen.push_back(clock.Ticks()); });
    int runs = 0;
    const int id = clock.Every(10, [&] { ++runs; });
    clock.DoEvents();
    EXPECT_TRUE(seen.empty());
    clock.Wait(0x1FF);
    EXPECT_EQ(seen, (std::vector<std::uint32_t>{0xFFFFFF32u}));
    EXPECT_EQ(clock.Ticks(), 0x100u);
    EXPECT_EQ(runs, 51);
    clock.Cancel(id);
    clock.Wait(100);
    EXPECT_EQ(runs, 51);
    EXPECT_EQ(clock.Pending(), 0u);
}

}  // namespace
}  // namespace tallowen::testing

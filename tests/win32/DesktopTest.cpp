// The desktop seam on real windows: z-order, titles, placement and the mouse.
#include <gtest/gtest.h>

#include <algorithm>

#include "TestWindow.h"
#include "win32/Handles.h"
#include "win32/Win32Seams.h"

namespace tallowen {
namespace {

using testing::TestWindow;
using win32::FromHwnd;

// Position of `window` in the z-ordered list, or -1.
int ZIndex(const std::vector<TopWindow>& windows, HWND window) {
    auto found = std::find_if(windows.begin(), windows.end(),
                              [&](const TopWindow& w) { return w.handle == FromHwnd(window); });
    return found == windows.end() ? -1 : int(found - windows.begin());
}

class DesktopTest : public ::testing::Test {
protected:
    std::unique_ptr<Desktop> desktop = MakeWin32Desktop();
};

TEST_F(DesktopTest, ListsWindowsTopFirstWithTheirTitles) {
    TestWindow lower(L"Tallowen lower", {40, 40, 340, 240});
    TestWindow upper(L"ハンド記録 テーブル", {80, 80, 380, 280});
    auto windows = desktop->TopLevelWindows();
    int a = ZIndex(windows, lower.Handle()), b = ZIndex(windows, upper.Handle());
    ASSERT_GE(a, 0);
    ASSERT_GE(b, 0);
    EXPECT_LT(b, a);
    EXPECT_EQ(windows[std::size_t(a)].title, "Tallowen lower");
    EXPECT_EQ(windows[std::size_t(b)].title, "ハンド記録 テーブル");
    EXPECT_TRUE(windows[std::size_t(b)].visible);
    EXPECT_TRUE(windows[std::size_t(b)].hasCaption);

    SetWindowPos(lower.Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    windows = desktop->TopLevelWindows();
    EXPECT_LT(ZIndex(windows, lower.Handle()), ZIndex(windows, upper.Handle()));
}

TEST_F(DesktopTest, HiddenAndCaptionlessWindowsAreMarked) {
    TestWindow window(L"Tallowen hidden", {40, 40, 340, 240}, TestWindow::kPopup);
    ShowWindow(window.Handle(), SW_HIDE);
    auto windows = desktop->TopLevelWindows();
    int at = ZIndex(windows, window.Handle());
    ASSERT_GE(at, 0);
    EXPECT_FALSE(windows[std::size_t(at)].visible);
    EXPECT_FALSE(windows[std::size_t(at)].hasCaption);
}

TEST_F(DesktopTest, RectanglesOfWindowsAndDesktop) {
    TestWindow window(L"Tallowen rects", {50, 60, 350, 260}, TestWindow::kPopup);
    WindowHandle handle = FromHwnd(window.Handle());
    EXPECT_EQ(desktop->WindowRect(handle), (Rect{50, 60, 350, 260}));
    RECT client;
    GetClientRect(window.Handle(), &client);
    EXPECT_EQ(desktop->ClientRect(handle), (Rect{0, 0, client.right, client.bottom}));
    EXPECT_GT(client.right, 200);

    Rect screen = desktop->DesktopRect();
    EXPECT_EQ(screen.Width(), GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(screen.Height(), GetSystemMetrics(SM_CYSCREEN));
    EXPECT_EQ(desktop->WindowRect(desktop->DesktopWindow()), screen);

    EXPECT_EQ(desktop->WindowRect(0), Rect{});
    EXPECT_EQ(desktop->ClientRect(0x7FFFFFF0), Rect{});
}

TEST_F(DesktopTest, MovesAndKeepsPlacesWhenTopmostChanges) {
    TestWindow window(L"Tallowen moves", {50, 60, 350, 260});
    WindowHandle handle = FromHwnd(window.Handle());
    desktop->MoveWindow(handle, {120, 140, 520, 440});
    EXPECT_EQ(desktop->WindowRect(handle), (Rect{120, 140, 520, 440}));

    desktop->SetTopmost(handle, true);
    EXPECT_TRUE(GetWindowLongW(window.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    TestWindow later(L"Tallowen later", {100, 100, 300, 300}, TestWindow::kPopup);
    auto windows = desktop->TopLevelWindows();
    EXPECT_LT(ZIndex(windows, window.Handle()), ZIndex(windows, later.Handle()));

    desktop->SetTopmost(handle, false);
    EXPECT_FALSE(GetWindowLongW(window.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(desktop->WindowRect(handle), (Rect{120, 140, 520, 440}));
}

TEST_F(DesktopTest, MinimisedWindowHasNoClientAreaUntilRestored) {
    TestWindow window(L"Tallowen minimise", {50, 60, 350, 260});
    WindowHandle handle = FromHwnd(window.Handle());
    Rect before = desktop->ClientRect(handle);
    desktop->Minimize(handle);
    testing::Pump(20);
    EXPECT_EQ(desktop->ClientRect(handle).Width(), 0);
    EXPECT_EQ(desktop->ClientRect(handle).Height(), 0);
    std::vector<std::uint16_t> pixels(100, 0xABCD);
    EXPECT_EQ(desktop->CopyPixels(handle, {0, 0, 10, 10}, true, pixels), 0);
    desktop->Restore(handle);
    testing::Pump(20);
    EXPECT_EQ(desktop->ClientRect(handle), before);

    // Restoring is for minimised windows only: a maximised one stays as it is.
    ShowWindow(window.Handle(), SW_MAXIMIZE);
    testing::Pump(20);
    desktop->Restore(handle);
    EXPECT_TRUE(IsZoomed(window.Handle()));
}

TEST_F(DesktopTest, ClickLandsAtTheCursor) {
    TestWindow window(L"Tallowen click", {200, 200, 500, 400}, TestWindow::kPopup);
    POINT target = window.ClientToScreenPoint({30, 40});
    desktop->SetCursor({target.x, target.y});
    EXPECT_EQ(desktop->Cursor(), (Point{target.x, target.y}));
    desktop->LeftClick();
    for (int i = 0; i < 50 && window.clicks.size() < 2; ++i) testing::Pump(10);
    ASSERT_EQ(window.clicks.size(), 2u);
    EXPECT_EQ(window.clicks[0].message, UINT(WM_LBUTTONDOWN));
    EXPECT_EQ(window.clicks[1].message, UINT(WM_LBUTTONUP));
    for (const auto& click : window.clicks) {
        EXPECT_EQ(click.at.x, 30);
        EXPECT_EQ(click.at.y, 40);
    }
}

}  // namespace
}  // namespace tallowen

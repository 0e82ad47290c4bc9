// Waits that keep the window events flowing, on real time.
#include <gtest/gtest.h>

#include <windows.h>

#include <mmsystem.h>

#include "TestWindow.h"
#include "win32/Win32Seams.h"

namespace tallowen {
namespace {

using testing::TestWindow;

// Wine's timers come in 16 ms steps; a loaded machine adds a little.
constexpr DWORD kSlack = 16 + 40;

class ClockTest : public ::testing::Test {
protected:
    std::unique_ptr<Clock> clock = MakeWin32Clock();
};

TEST_F(ClockTest, WaitServesPostedMessagesAndReturnsOnTime) {
    TestWindow window(L"Tallowen clock", {100, 100, 300, 200}, TestWindow::kPopup);
    PostMessageW(window.Handle(), WM_APP, 0, 0);
    const DWORD start = timeGetTime();
    clock->Wait(100);
    const DWORD passed = timeGetTime() - start;
    EXPECT_EQ(window.appMessages, 1);
    EXPECT_GT(passed, 100u);
    EXPECT_LT(passed, 100u + kSlack);
}

TEST_F(ClockTest, TimerTicksRunDuringAWait) {
    TestWindow window(L"Tallowen timer", {100, 100, 300, 200}, TestWindow::kPopup);
    SetTimer(window.Handle(), 1, 20, nullptr);
    clock->Wait(200);
    KillTimer(window.Handle(), 1);
    EXPECT_GE(window.timerTicks, 3);
}

TEST_F(ClockTest, TicksFollowTheWait) {
    const std::uint32_t before = clock->Ticks();
    clock->Wait(120);
    const std::uint32_t passed = clock->Ticks() - before;
    EXPECT_GE(passed, 120u - 16u);
    EXPECT_LT(passed, 120u + kSlack);
}

TEST_F(ClockTest, QuitEndsTheWaitAndStaysForTheOuterLoop) {
    PostQuitMessage(7);
    const DWORD start = timeGetTime();
    clock->Wait(3000);
    EXPECT_LT(timeGetTime() - start, 1000u);
    MSG msg;
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, WPARAM(7));
}

TEST_F(ClockTest, DoEventsServesWhatIsPendingWithoutWaiting) {
    TestWindow window(L"Tallowen events", {100, 100, 300, 200}, TestWindow::kPopup);
    PostMessageW(window.Handle(), WM_APP, 0, 0);
    PostMessageW(window.Handle(), WM_APP, 0, 0);
    const DWORD start = timeGetTime();
    clock->DoEvents();
    EXPECT_LT(timeGetTime() - start, 50u);
    EXPECT_EQ(window.appMessages, 2);

    PostQuitMessage(3);
    clock->DoEvents();
    MSG msg;
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, WPARAM(3));
}

}  // namespace
}  // namespace tallowen

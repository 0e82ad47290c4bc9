// The window procedure all our windows share: a window's messages reach its own object, with
// the window known to it, from WM_NCCREATE until the window goes or the object lets go of it.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "win32/BaseWindow.h"

namespace tallowen {
namespace {

class Probe final : public win32::BaseWindow<Probe> {
public:
    Probe(std::vector<UINT>& log, const wchar_t* className, UINT classStyle = 0) : log_(log) {
        Create(win32::WindowClass{.name = className, .style = classStyle}, L"Tallowen probe",
               WS_POPUP, WS_EX_TOOLWINDOW, {0, 0, 60, 40});
    }

    LRESULT HandleMessage(UINT message, WPARAM w, LPARAM l) {
        log_.push_back(message);
        if (message == WM_CREATE) handleAtCreate = Handle();
        return message == WM_APP ? 7 : Default(message, w, l);
    }

    HWND handleAtCreate = nullptr;

private:
    std::vector<UINT>& log_;
};

int Count(const std::vector<UINT>& log, UINT message) {
    return int(std::count(log.begin(), log.end(), message));
}

TEST(BaseWindow, EachWindowsMessagesReachItsOwnObjectFromCreationOn) {
    std::vector<UINT> logA, logB;
    Probe a(logA, L"TallowenProbeOwn"), b(logB, L"TallowenProbeOwn");
    ASSERT_NE(a.Handle(), nullptr);
    ASSERT_NE(b.Handle(), nullptr);
    EXPECT_NE(a.Handle(), b.Handle());
    ASSERT_FALSE(logA.empty());
    EXPECT_EQ(logA.front(), UINT(WM_NCCREATE));
    // The default handling during creation needs the window itself.
    EXPECT_EQ(a.handleAtCreate, a.Handle());
    EXPECT_EQ(SendMessageW(b.Handle(), WM_APP, 0, 0), 7);
    EXPECT_EQ(Count(logA, WM_APP), 0);
    EXPECT_EQ(Count(logB, WM_APP), 1);
}

TEST(BaseWindow, TheClassIsRegisteredOnceWithTheFirstStyle) {
    std::vector<UINT> log;
    Probe first(log, L"TallowenProbeOnce", CS_DBLCLKS);
    Probe second(log, L"TallowenProbeOnce", 0);
    ASSERT_NE(second.Handle(), nullptr);
    EXPECT_EQ(GetClassLongPtrW(second.Handle(), GCL_STYLE), ULONG_PTR(CS_DBLCLKS));
}

TEST(BaseWindow, NothingReachesTheObjectOnceItsWindowIsGone) {
    std::vector<UINT> log;
    {
        Probe probe(log, L"TallowenProbeGone");
        const HWND window = probe.Handle();
        DestroyWindow(window);  // from outside: the object hears of it, then has no window
        EXPECT_EQ(Count(log, WM_DESTROY), 1);
        EXPECT_EQ(Count(log, WM_NCDESTROY), 0);
        EXPECT_EQ(probe.Handle(), nullptr);
        EXPECT_FALSE(IsWindow(window));
    }
    HWND window = nullptr;
    {
        Probe probe(log, L"TallowenProbeGone");
        window = probe.Handle();
        log.clear();
    }  // the object goes first: its window goes with it, without a word to the object
    EXPECT_TRUE(log.empty());
    EXPECT_FALSE(IsWindow(window));
}

}  // namespace
}  // namespace tallowen

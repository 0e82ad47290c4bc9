// The small seams: installed fonts and text widths, the browser's fallback, sounds.
#include <gtest/gtest.h>

#include <windows.h>

#include <mmsystem.h>

#include "win32/Win32Seams.h"

namespace tallowen {
namespace {

TEST(Fonts, KnowsTheMappedFacesAndNoInventedOne) {
    auto fonts = MakeWin32Fonts();
    EXPECT_TRUE(fonts->Installed("Arial"));
    EXPECT_TRUE(fonts->Installed("Times New Roman"));
    EXPECT_TRUE(fonts->Installed("Symbol"));
    EXPECT_FALSE(fonts->Installed("Tallowen No Such Face"));
    EXPECT_FALSE(fonts->Installed(""));
}

TEST(Fonts, WidthsGrowWithPointsAndWeight) {
    auto fonts = MakeWin32Fonts();
    const int small = fonts->TextWidth("Arial", 9, false, "West leads");
    const int large = fonts->TextWidth("Arial", 18, false, "West leads");
    const int bold = fonts->TextWidth("Arial", 9, true, "West leads");
    EXPECT_GT(small, 20);
    EXPECT_GT(large, small * 3 / 2);
    EXPECT_GT(bold, small);
    EXPECT_EQ(fonts->TextWidth("Arial", 9, false, ""), 0);
    // Japanese text measures in a face that has it.
    EXPECT_GT(fonts->TextWidth("IPAGothic", 10, false, "ハンド"), 20);
    // Nonsense sizes measure something rather than fail.
    EXPECT_GE(fonts->TextWidth("Arial", -3, false, "x"), 0);
}

// The steps record what they were asked and answer as told.
struct Step {
    bool answer;
    std::vector<std::string> asked;
    BrowserStep Fn() {
        return [this](std::string_view a) {
            asked.emplace_back(a);
            return answer;
        };
    }
};

TEST(Browser, FallsBackToTheDefaultBrowserWhenTheObjectIsMissing) {
    Step shell{true, {}};
    auto browser = MakeWin32Browser(
        [](std::string_view a) { return OpenByAutomation("Tallowen.NoSuchObject", a); },
        shell.Fn());
    const DWORD start = timeGetTime();
    EXPECT_TRUE(browser->Open("https://example.org/login"));
    EXPECT_LT(timeGetTime() - start, 5000u);
    EXPECT_EQ(shell.asked, std::vector<std::string>{"https://example.org/login"});
}

TEST(Browser, TriesInOrderAndFailsOnlyWhenBothFail) {
    Step first{true, {}}, second{false, {}};
    EXPECT_TRUE(MakeWin32Browser(first.Fn(), second.Fn())->Open("a"));
    EXPECT_TRUE(second.asked.empty());

    first.answer = false;
    EXPECT_FALSE(MakeWin32Browser(first.Fn(), second.Fn())->Open("b"));
    EXPECT_EQ(second.asked, std::vector<std::string>{"b"});
    EXPECT_FALSE(MakeWin32Browser(first.Fn(), second.Fn())->Open(""));
    EXPECT_EQ(first.asked.size(), 2u);
}

TEST(Sound, ReturnsAtOnceForKnownAndMissingAliases) {
    auto sound = MakeWin32Sound();
    const DWORD start = timeGetTime();
    sound->PlayAlias("SystemExclamation");
    sound->PlayAlias("TallowenNoSuchSound");
    sound->PlayAlias("");
    sound->Beep();
    EXPECT_LT(timeGetTime() - start, 2000u);
}

}  // namespace
}  // namespace tallowen

#include <gtest/gtest.h>

#include "platform/CodePage.h"
#include "reading/GameWindows.h"

namespace tallowen {
namespace {

TEST(TitleTableTest, SubWindowTitleWidthsSpanTheEditions) {
    GameWindows windows;
    auto page = OpenCodePage(932);
    if (!page) GTEST_SKIP() << "no CP932 here";
    SetWinTitle(windows, *page);
    EXPECT_EQ(windows.minTitleWidth, 6);   // "スコア"
    EXPECT_EQ(windows.maxTitleWidth, 21);  // "Licitazione di Bridge"
}

}  // namespace
}  // namespace tallowen

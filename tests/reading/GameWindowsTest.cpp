#include <gtest/gtest.h>

#include "platform/CodePage.h"
#include "reading/GameWindows.h"

namespace tallowen {
namespace {

struct TitleCase {
    int kind, language;
    const char* title;
};

class Titles : public ::testing::TestWithParam<TitleCase> {};

TEST_P(Titles, AreTheClientsOwn) {
    EXPECT_EQ(TitleTable::Title(GetParam().kind, GetParam().language), GetParam().title);
}

INSTANTIATE_TEST_SUITE_P(
    Editions, Titles,
    ::testing::Values(TitleCase{0, 1, "Game: Bridge"}, TitleCase{1, 1, "Bridge Bidding"},
                      TitleCase{5, 1, "Bridge Bid"}, TitleCase{4, 2, "スコア"},
                      TitleCase{0, 2, "ゲーム：Bridge"}, TitleCase{1, 3, "Bridge - Reizung"},
                      TitleCase{1, 4, "Encheres du bridge"}, TitleCase{5, 4, "Encheres du bridge"},
                      TitleCase{2, 5, "Ultima presa"}, TitleCase{5, 6, "Subasta"},
                      TitleCase{0, 7, "Partida:Bridge"}, TitleCase{0, 8, "Partida: bridge"},
                      TitleCase{1, 9, "Apuestas de Bridge"}, TitleCase{3, 10, "Ultima rodada"},
                      TitleCase{0, 0, ""}, TitleCase{6, 1, ""}, TitleCase{1, 11, ""}));

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

// The pieces of one board in HTML and in the text twin, rule by rule.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/CodePage.h"
#include "report/BoardHtml.h"
#include "report/BoardText.h"
#include "report/PageHead.h"

namespace tallowen {
namespace {

std::string Joined(const PageText& page) {
    std::string all;
    for (const std::string& line : page.Lines()) all += line + "\n";
    return all;
}

struct BidCellCase {
    const char* call;
    const char* cell;
};
class BidCellTest : public ::testing::TestWithParam<BidCellCase> {};
TEST_P(BidCellTest, CallMarkup) {
    PageText page;
    WriteBidCell(page, PageStyle{}, GetParam().call);
    EXPECT_EQ(page.Lines(), std::vector<std::string>{GetParam().cell});
}
INSTANTIATE_TEST_SUITE_P(
    Calls, BidCellTest,
    ::testing::Values(BidCellCase{"1S", "  <td>1<span class=spd>&spades;</span>"},
                      BidCellCase{"3NT", "  <td>3NT"}, BidCellCase{"", "  <td>"},
                      BidCellCase{"8S", "  <td>8S"},  // not a level
                      BidCellCase{"1N", "  <td>1<span class=clb>&clubs;</span>"},
                      BidCellCase{"<b>", "  <td>&lt;b&gt;"}));

struct VulCase {
    int ns, ew;
    std::optional<std::string> text;
};
class VulTextTest : public ::testing::TestWithParam<VulCase> {};
TEST_P(VulTextTest, Words) {
    EXPECT_EQ(VulText(GetParam().ns, GetParam().ew), GetParam().text);
}
INSTANTIATE_TEST_SUITE_P(Flags, VulTextTest,
                         ::testing::Values(VulCase{0, 1, "E-W  Vul"}, VulCase{-1, 0, std::nullopt},
                                           VulCase{1, 2, std::nullopt}));

// A small board: North declares 4S doubled and makes it.
Board SampleBoard() {
    Board b;
    Deal& d = b.deal;
    d.Dealer = 3;
    d.Declarer = 0;
    d.Contract = "4Sx";
    d.Level = 4;
    d.Strain = 3;
    d.Result = 4;
    d.DupPts = 590;
    d.ScoreBefore[0].Vul = 0;
    d.ScoreBefore[1].Vul = 1;
    d.Rounds = 1;
    d.Calls[1] = {"", "", "", "4S"};
    b.number = 3;
    b.displayDate = "2006/10/22";
    b.names = {"Alice", "Bob", "Cy", "Dee"};
    b.bidNames = b.names;
    b.playNames = b.names;
    return b;
}

// The sample week's pages (golden files) hold made, defeated and passed-out boards; these are
// the cases they lack: a doubled contract, an unscored one, and a long auction.
TEST(BoardHtml, DoubledDefeatedAndUnscoredContracts) {
    TableFontMetrics metrics;
    PageText made;
    WriteBidTable(made, {PageStyle{}, metrics}, SampleBoard());
    EXPECT_NE(Joined(made).find(
                  "&nbsp;Contract<b>:</b> North,&nbsp; 4Sx, &nbsp; making 4 &nbsp;( +590 )\n"),
              std::string::npos);
    Board b = SampleBoard();
    b.deal.Result = -2;
    b.deal.DupPts = 300;
    PageText down;
    WriteBidTable(down, {PageStyle{}, metrics}, b);
    EXPECT_NE(Joined(down).find("4Sx, &nbsp; down 2 &nbsp;( &minus;300 )\n"), std::string::npos);
    b.deal.Result = 0;
    PageText none;
    WriteBidTable(none, {PageStyle{}, metrics}, b);
    EXPECT_NE(Joined(none).find("North,&nbsp; 4Sx\n"), std::string::npos);
}

// Nobody declares a passed-out board or an unfinished auction, in the page or in its twin.
TEST(BoardHtml, NoContractNamesNoDeclarer) {
    TableFontMetrics metrics;
    auto western = OpenCodePage(1252);
    for (const std::string contract : {"Pass Out", ""}) {
        Board b = SampleBoard();
        b.deal.Contract = contract;
        b.deal.Level = 0;
        b.deal.Result = 0;
        PageText page;
        WriteBidTable(page, {PageStyle{}, metrics}, b);
        EXPECT_NE(Joined(page).find("\n&nbsp;Contract<b>:</b> " + contract + "\n"),
                  std::string::npos);
        EXPECT_EQ(TextContractLine(b.deal, *western), " Contract: " + contract);
    }
}

// --- Text twin ---

TEST(BoardText, ContractColonFollowsTheCodePage) {
    auto western = OpenCodePage(1252);
    auto japanese = OpenCodePage(932);
    ASSERT_TRUE(western && japanese);
    Deal d = SampleBoard().deal;
    EXPECT_EQ(TextContractLine(d, *western), " Contract: North 4Sx, making 4,  590 pts.");
    EXPECT_EQ(TextContractLine(d, *japanese), " Contract： North 4Sx, making 4,  590 pts.");
    d.Result = 0;
    EXPECT_EQ(TextContractLine(d, *western), " Contract: North 4Sx");
}

TEST(BoardText, LongAuctionsContinueBelowTheDiagram) {
    auto western = OpenCodePage(1252);
    TextTwin twin(*western);
    Board b = SampleBoard();
    b.deal.Rounds = 20;
    for (int r = 1; r <= 20; ++r) b.deal.Calls[r] = {"Pass", "Pass", "Pass", "Pass"};
    WriteBoardText(twin, b);
    auto lines = twin.Text().Lines();
    // 28 auction lines: 12 beside the diagram, 16 below it with an empty left part.
    EXPECT_EQ(lines[12], std::string(45, ' ') + " Pass    Pass    Pass    Pass    ");
    EXPECT_EQ(lines[27], std::string(45, ' ') + std::string(40, '-'));
    EXPECT_EQ(lines[28], std::string(56, '-'));
}

}  // namespace
}  // namespace tallowen

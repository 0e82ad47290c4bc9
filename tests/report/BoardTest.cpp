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
                      BidCellCase{"7C", "  <td>7<span class=clb>&clubs;</span>"},
                      BidCellCase{"3NT", "  <td>3NT"}, BidCellCase{"X", "  <td>X"},
                      BidCellCase{"XX", "  <td>XX"}, BidCellCase{"Pass", "  <td>Pass"},
                      BidCellCase{"パス", "  <td>&#12497;&#12473;"}, BidCellCase{"", "  <td>"},
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
                         ::testing::Values(VulCase{0, 0, "Both Non-Vul"}, VulCase{1, 0, "N-S  Vul"},
                                           VulCase{0, 1, "E-W  Vul"}, VulCase{1, 1, "Both Vul"},
                                           VulCase{-1, 0, std::nullopt},
                                           VulCase{1, 2, std::nullopt}));

// A small board: North declares 4S doubled and makes it; East leads the king of hearts.
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
    d.SortedCodes[0] = {314, 313, 214, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    d.SortedCodes[1] = {213, 212, 110, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    d.LeadSeat = 1;
    d.LeadCode = 213;
    d.Cards[1][0] = "KH";
    d.CardMarks[1][0] = 1;
    d.Cards[0][0] = "AH";
    d.TrickWon[0][0] = 1;
    d.Cards[2][12] = "2C";
    d.CardMarks[2][12] = 2;
    b.number = 3;
    b.displayDate = "2006/10/22";
    b.names = {"Alice", "Bob", "Cy", "Dee"};
    b.bidNames = b.names;
    b.playNames = b.names;
    return b;
}

TEST(BoardHtml, HeaderWithDateNumberDealerAndVulnerability) {
    PageText page;
    WriteBoardHeader(page, SampleBoard());
    EXPECT_EQ(page.Lines(), (std::vector<std::string>{"<div class=clrboth><hr class=hr2>",
                                                      "2006/10/22: Board &#35;3  Dealer: West<br>",
                                                      "E-W  Vul", "</div>"}));
    EXPECT_EQ(BoardHeaderText(SampleBoard(), false), "2006/10/22: Board #3  Dealer: West");
}

TEST(BoardHtml, VulnerableSeatsAndContractLine) {
    TableFontMetrics metrics;
    PageStyle style;
    PageText page;
    WriteBidTable(page, {style, metrics}, SampleBoard());
    auto lines = page.Lines();
    EXPECT_EQ(lines[3], "  <td>North");
    EXPECT_EQ(lines[4], " <td class=vul>East");
    EXPECT_EQ(lines[6], " <td class=vul>West");
    EXPECT_NE(std::find(lines.begin(), lines.end(),
                        "&nbsp;Contract<b>:</b> North,&nbsp; 4Sx, &nbsp; making 4 &nbsp;( +590 )"),
              lines.end());
}

TEST(BoardHtml, DefeatedAndUnscoredContracts) {
    TableFontMetrics metrics;
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

TEST(BoardHtml, TablesAlignOnlyInTransitional) {
    TableFontMetrics metrics;
    PageStyle loose;
    loose.strict = false;
    PageText page;
    WriteBidTable(page, {loose, metrics}, SampleBoard());
    WriteHandTable(page, {loose, metrics}, SampleBoard());
    write_HtmPlay(page, loose, SampleBoard());
    std::string all = Joined(page);
    EXPECT_NE(all.find("<table border=1 align=right class=bid>"), std::string::npos);
    EXPECT_NE(all.find("<table border=0 align=left class=hand>"), std::string::npos);
    EXPECT_NE(all.find("<table border=0 align=center class=play>"), std::string::npos);
    EXPECT_EQ(all.find("<div class=ctr>"), std::string::npos);
}

TEST(BoardHtml, DeclarerBoldLeadMarkedVoidEmpty) {
    TableFontMetrics metrics;
    PageText page;
    WriteHandTable(page, {PageStyle{}, metrics}, SampleBoard());
    std::string all = Joined(page);
    EXPECT_NE(all.find("  <td colspan=4 class=lft><b>Alice</b>\n"), std::string::npos);
    EXPECT_NE(all.find("  <td colspan=2 class=lft>Bob\n"), std::string::npos);
    EXPECT_NE(all.find("  <td class=cds><span class=vd>K</span>Q\n"), std::string::npos);
    EXPECT_NE(all.find("  <td class=cds>AK\n"), std::string::npos);
    // North holds no diamond and no club.
    PageText cell;
    print_Cards(cell, SampleBoard(), 0, 1);
    EXPECT_EQ(cell.Lines(), std::vector<std::string>{"  <td class=cds>"});
}

TEST(BoardHtml, PassedOutBoardShowsNoDeclarer) {
    TableFontMetrics metrics;
    Board b = SampleBoard();
    b.deal.Contract = "Pass Out";
    b.deal.Level = 0;
    PageText page;
    prnHTM_HandName(page, {PageStyle{}, metrics}, b, 0);
    EXPECT_EQ(page.Lines(), std::vector<std::string>{"  <td colspan=4 class=lft>Alice"});
}

TEST(BoardHtml, PassedOutBoardHasNoTrickWinners) {
    Board b = SampleBoard();
    b.deal.Contract = "Pass Out";
    b.deal.Level = 0;
    PageText page;
    write_HtmPlay(page, PageStyle{}, b);
    EXPECT_EQ(Joined(page).find("class=wht"), std::string::npos);
}

TEST(BoardHtml, HandNamesAreCutToTheirCellWidths) {
    TableFontMetrics metrics;
    Board b = SampleBoard();
    b.names = {std::string(20, 'W'), std::string(20, 'W'), "", ""};  // 18 px each
    PageText north, east;
    prnHTM_HandName(north, {PageStyle{}, metrics}, b, 0);
    prnHTM_HandName(east, {PageStyle{}, metrics}, b, 1);
    EXPECT_EQ(north.Lines()[0], "  <td colspan=4 class=lft><b>" + std::string(6, 'W') + "</b>");
    EXPECT_EQ(east.Lines()[0], "  <td colspan=2 class=lft>" + std::string(4, 'W'));
}

TEST(BoardHtml, PlayTableMarksWinnersAndBrackets) {
    PageText page;
    write_HtmPlay(page, PageStyle{}, SampleBoard());
    auto lines = page.Lines();
    auto at = [&](const std::string& line) {
        return std::find(lines.begin(), lines.end(), line) - lines.begin();
    };
    auto north = at("  <td>N:");
    auto east = at("  <td>E:");
    auto south = at("  <td>S:");
    ASSERT_LT(static_cast<std::size_t>(south), lines.size());
    EXPECT_EQ(lines[north + 2], "  <td class=wht><span class=hrt>&hearts;</span>A");
    EXPECT_EQ(lines[east + 2], "  <td>[<span class=hrt>&hearts;</span>K]");
    EXPECT_EQ(lines[south + 14], "  <td>(<span class=clb>&clubs;</span>2)");
    EXPECT_EQ(lines[north + 3], "  <td>");  // no card recorded
}

// --- Text twin ---

TEST(BoardText, RanksOfSuitInHandOrderAndVoids) {
    Deal d = SampleBoard().deal;
    EXPECT_EQ(RanksOfSuit(d, 0, 3), "AK");
    EXPECT_EQ(RanksOfSuit(d, 0, 1), "-");
    EXPECT_EQ(RanksOfSuit(d, 1, 1), "T");
}

TEST(BoardText, ContractColonFollowsTheCodePage) {
    auto western = OpenCodePage(1252);
    auto japanese = OpenCodePage(932);
    ASSERT_TRUE(western && japanese);
    Deal d = SampleBoard().deal;
    EXPECT_EQ(TextContractLine(d, *western), " Contract: North 4Sx, making 4,  590 pts.");
    EXPECT_EQ(TextContractLine(d, *japanese), " Contract： North 4Sx, making 4,  590 pts.");
    d.Result = -3;
    d.DupPts = 800;
    EXPECT_EQ(TextContractLine(d, *western), " Contract: North 4Sx,  down 3,  -800 pts.");
    d.Result = 0;
    EXPECT_EQ(TextContractLine(d, *western), " Contract: North 4Sx");
}

TEST(BoardText, PaddingCountsDoubleByteCharactersTwice) {
    auto japanese = OpenCodePage(932);
    ASSERT_TRUE(japanese);
    EXPECT_EQ(PadBytes("パス", 8, *japanese), "パス    ");
    EXPECT_EQ(PadBytes("1S", 8, *japanese), "1S      ");
    EXPECT_EQ(PadBytes("longer than eight", 8, *japanese), "longer than eight");
}

TEST(BoardText, PlayGridLineOfTheOpeningLeader) {
    auto western = OpenCodePage(1252);
    TextTwin twin(*western);
    Board b = SampleBoard();
    b.deal.Cards[3][0] = "AS";
    b.deal.CardMarks[3][0] = 1;
    WriteBoardText(twin, b);
    auto lines = twin.Text().Lines();
    auto west = std::find_if(lines.begin(), lines.end(),
                             [](const std::string& l) { return l.rfind(" W  ", 0) == 0; });
    ASSERT_NE(west, lines.end());
    EXPECT_EQ(west->substr(0, 8), " W  [AS]");
    EXPECT_EQ(west->size(), 56u);
    EXPECT_EQ(lines[lines.size() - 3].substr(0, 8), " E  [KH]");
    EXPECT_EQ(lines[lines.size() - 5], std::string(56, '-'));
}

TEST(BoardText, AuctionStandsBesideTheDiagram) {
    auto western = OpenCodePage(1252);
    TextTwin twin(*western);
    WriteBoardText(twin, SampleBoard());
    auto lines = twin.Text().Lines();
    ASSERT_GE(lines.size(), 12u);
    EXPECT_EQ(lines[0],
              "                  S AK" + std::string(45 - 22, ' ') + std::string(40, '-'));
    EXPECT_EQ(lines[1].substr(45), " North   East    South   West    ");
    EXPECT_EQ(lines[4].substr(0, 26), " S -             ---N---- ");
    EXPECT_EQ(lines[5].substr(0, 28), " H -            |      E | H");
    EXPECT_EQ(lines[5].substr(45), " " + std::string(24, ' ') + "4S      ");
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

#include <gtest/gtest.h>

#include "platform/CodePage.h"
#include "records/RecordWriter.h"

namespace tallowen {
namespace {

TEST(NumberField, BlankOrMinusThenDigitsThenBlank) {
    EXPECT_EQ(NumberField(0), " 0 ");
    EXPECT_EQ(NumberField(-2147483647 - 1), "-2147483648 ");
}

struct AuctionCase {
    unsigned codePage;
    std::array<std::string, 4> calls;
    const char* line;
};
class PrintAuctionTable : public ::testing::TestWithParam<AuctionCase> {};

// Each call and its comma fill eight columns, the last call stands alone, an empty call is
// two blanks, and a double-byte character counts two columns.
TEST_P(PrintAuctionTable, EightColumnsACall) {
    auto page = OpenCodePage(GetParam().codePage);
    ASSERT_TRUE(page);
    CallGrid calls;
    calls[1] = GetParam().calls;
    auto lines = PrintAuction(1, calls, *page);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], " 1 ");
    EXPECT_EQ(lines[1], GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(
    Calls, PrintAuctionTable,
    ::testing::Values(AuctionCase{1252, {"Pass", "Pass", "", ""}, "Pass,   Pass,     ,       "},
                      AuctionCase{
                          1252, {"Redouble", "X", "XX", "Pass"}, "Redouble,X,      XX,     Pass"}));

TEST(PrintAuction, RoundCountsStayInBounds) {
    auto page = OpenCodePage(1252);
    CallGrid calls;
    EXPECT_EQ(PrintAuction(25, calls, *page).size(), 21u);  // at most 20 rounds
    EXPECT_EQ(PrintAuction(-3, calls, *page), std::vector<std::string>{" 0 "});
}

struct ScoreLineCase {
    ScoreVul side0, side1;
    const char* line;  // nullptr: no line at all
};
class ScoreLineTable : public ::testing::TestWithParam<ScoreLineCase> {};
TEST_P(ScoreLineTable, WritesTheKnownParts) {
    const auto& c = GetParam();
    auto line = PrintScoreLine(ScorePair{c.side0, c.side1});
    EXPECT_EQ(line.value_or("(none)"), c.line ? c.line : "(none)");
}
INSTANTIATE_TEST_SUITE_P(
    Parts, ScoreLineTable,
    ::testing::Values(ScoreLineCase{{0, 1}, {0, 1}, "Vul     Vul      0     0    "},
                      ScoreLineCase{{1500, 0}, {200, -1}, " 1500     200    "},
                      ScoreLineCase{{-1, 0}, {200, 1}, "NonVul  Vul     "},
                      ScoreLineCase{{-1, -1}, {-1, -1}, nullptr}));

TEST(PrintHand, FiveColumnsACardAndACardWithAnUnknownMarkIsLeftOut) {
    CardTextGrid cards;
    CardMarkGrid marks{};
    for (int t = 0; t < 13; ++t) cards[0][t] = cards[1][t] = "2C";
    cards[0][0] = "AS";
    marks[0][0] = 1;
    cards[0][1] = "TH";
    cards[0][12] = "KD";
    marks[0][12] = 2;
    marks[1][1] = 7;
    cards[1][2] = "QS";
    auto lines = PrintHand(cards, marks);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].size(), 65u);
    EXPECT_EQ(lines[0].substr(0, 10), "[AS]  TH  ");
    EXPECT_EQ(lines[0].substr(60), "(KD) ");
    EXPECT_EQ(lines[1].size(), 60u);
    EXPECT_EQ(lines[1].substr(0, 10), " 2C   QS  ");
}

}  // namespace
}  // namespace tallowen

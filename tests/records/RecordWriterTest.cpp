#include <gtest/gtest.h>

#include "platform/CodePage.h"
#include "records/RecordWriter.h"

namespace tallowen {
namespace {

std::unique_ptr<CodePage> Page(unsigned number) {
    return OpenCodePage(number);
}

TEST(NumberField, BlankOrMinusThenDigitsThenBlank) {
    EXPECT_EQ(NumberField(3), " 3 ");
    EXPECT_EQ(NumberField(0), " 0 ");
    EXPECT_EQ(NumberField(1290), " 1290 ");
    EXPECT_EQ(NumberField(-50), "-50 ");
    EXPECT_EQ(NumberField(-2147483647 - 1), "-2147483648 ");
}

TEST(PrintAuction, EachCallFillsEightColumnsButTheFourth) {
    auto page = Page(1252);
    CallGrid calls;
    calls[1] = {"1C", "Pass", "1H", "Pass"};
    calls[2] = {"3NT", "Pass", "Pass", "Pass"};
    auto lines = PrintAuction(2, calls, *page);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], " 2 ");
    EXPECT_EQ(lines[1], "1C,     Pass,   1H,     Pass");
    EXPECT_EQ(lines[2], "3NT,    Pass,   Pass,   Pass");
}

TEST(PrintAuction, EmptyCallsBeforeTheDealerAreTwoBlanks) {
    auto page = Page(1252);
    CallGrid calls;
    calls[1] = {"", "", "1S", "Pass"};
    calls[2] = {"Pass", "Pass", "", ""};
    auto lines = PrintAuction(2, calls, *page);
    EXPECT_EQ(lines[1], "  ,       ,     1S,     Pass");
    EXPECT_EQ(lines[2], "Pass,   Pass,     ,       ");
}

TEST(PrintAuction, DoubleByteCharactersCountTwoColumns) {
    auto page = Page(932);
    if (!page) GTEST_SKIP() << "code page 932 not available";
    CallGrid calls;
    calls[1] = {"パス", "1D", "パス", "パス"};
    auto lines = PrintAuction(1, calls, *page);
    EXPECT_EQ(lines[1], "パス,   1D,     パス,   パス");
}

TEST(PrintAuction, OverlongCallsAndCountsStayInBounds) {
    auto page = Page(1252);
    CallGrid calls;
    calls[1] = {"Redouble", "X", "XX", "Pass"};
    auto lines = PrintAuction(1, calls, *page);
    EXPECT_EQ(lines[1], "Redouble,X,      XX,     Pass");
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
    if (c.line == nullptr) {
        EXPECT_FALSE(line.has_value());
    } else {
        ASSERT_TRUE(line.has_value());
        EXPECT_EQ(*line, c.line);
    }
}
INSTANTIATE_TEST_SUITE_P(
    Parts, ScoreLineTable,
    ::testing::Values(ScoreLineCase{{1200, 0}, {350, 1}, "NonVul  Vul      1200     350    "},
                      ScoreLineCase{{0, 1}, {0, 1}, "Vul     Vul      0     0    "},
                      ScoreLineCase{{1500, -1}, {200, -1}, " 1500     200    "},
                      ScoreLineCase{{1500, 0}, {200, -1}, " 1500     200    "},
                      ScoreLineCase{{-1, 0}, {-1, 1}, "NonVul  Vul     "},
                      ScoreLineCase{{-1, 0}, {200, 1}, "NonVul  Vul     "},
                      ScoreLineCase{{-1, -1}, {-1, -1}, nullptr}));

TEST(PrintHand, EachMarkHasItsFiveColumnForm) {
    CardTextGrid cards;
    CardMarkGrid marks{};
    for (int t = 0; t < 13; ++t) cards[0][t] = "2C";
    cards[0][0] = "AS";
    marks[0][0] = 1;
    cards[0][1] = "TH";
    cards[0][12] = "KD";
    marks[0][12] = 2;
    auto lines = PrintHand(cards, marks);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].size(), 65u);
    EXPECT_EQ(lines[0].substr(0, 10), "[AS]  TH  ");
    EXPECT_EQ(lines[0].substr(60), "(KD) ");
}

TEST(PrintHand, ACardWithAnUnknownMarkIsLeftOut) {
    CardTextGrid cards;
    CardMarkGrid marks{};
    const char* hand[13] = {"AS", "KS", "QS", "JS", "TS", "9S", "8S",
                            "7S", "6S", "5S", "4S", "3S", "2S"};
    for (int t = 0; t < 13; ++t) cards[1][t] = hand[t];
    marks[1][1] = 7;
    auto lines = PrintHand(cards, marks);
    EXPECT_EQ(lines[1].size(), 60u);
    EXPECT_EQ(lines[1].substr(0, 10), " AS   QS  ");
}

}  // namespace
}  // namespace tallowen

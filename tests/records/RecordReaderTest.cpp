#include <gtest/gtest.h>

#include "RecordSamples.h"
#include "platform/CodePage.h"
#include "records/RecordReader.h"
#include "records/RecordWriter.h"

namespace tallowen {
namespace {

using samples::Scores;

// Writes a board's record lines and reads them back, as a record file would go.
Deal RoundTrip(const Deal& deal, const CodePage& page) {
    Deal back;
    EXPECT_EQ(ParseDealLines(DealFileLines(deal, page), back), "");
    return back;
}

TEST(RecordRoundTrip, KeepsEverythingTheFileHolds) {
    auto page = OpenCodePage(1252);
    Deal d = samples::Western();
    Deal back = RoundTrip(d, *page);
    EXPECT_EQ(back.Names, d.Names);
    EXPECT_EQ(back.Rounds, d.Rounds);
    EXPECT_EQ(back.Calls, d.Calls);
    EXPECT_EQ(back.ScoreBefore, d.ScoreBefore);
    EXPECT_EQ(back.ScoreAfter, d.ScoreAfter);
    EXPECT_EQ(back.Cards, d.Cards);
    EXPECT_EQ(back.CardMarks, d.CardMarks);
}

TEST(RecordRoundTrip, DealerInSeatTwoAndJapanesePasses) {
    auto page = OpenCodePage(932);
    if (!page) GTEST_SKIP() << "code page 932 not available";
    Deal d = samples::Japanese();
    d.ScoreBefore = Scores(0, 0, 1500, 200);
    Deal back = RoundTrip(d, *page);
    EXPECT_EQ(back.Calls, d.Calls);
    EXPECT_EQ(back.Calls[1][0], "");
    EXPECT_EQ(back.Calls[1][1], "");
    EXPECT_EQ(back.Calls[1][3], "パス");
    EXPECT_EQ(back.Names, d.Names);
    EXPECT_EQ(back.ScoreBefore, d.ScoreBefore);
}

struct NamesCase {
    SeatNames written, read;
};
class NamesLineTable : public ::testing::TestWithParam<NamesCase> {};
TEST_P(NamesLineTable, CommasAndTheFourthNamesBlankCutTheNames) {
    auto page = OpenCodePage(1252);
    Deal d = samples::Western();
    d.Names = GetParam().written;
    EXPECT_EQ(RoundTrip(d, *page).Names, GetParam().read);
}
INSTANTIATE_TEST_SUITE_P(
    Names, NamesLineTable,
    ::testing::Values(NamesCase{{"Ann Lee", "Ben  Ho", "Cy", "Di"},
                                {"Ann Lee", "Ben  Ho", "Cy", "Di"}},
                      NamesCase{{"Ann", "Ben", "Cy", "Di Ng"}, {"Ann", "Ben", "Cy", "Di"}},
                      NamesCase{{"Lee, Ann", "Ben", "Cy", "Di"}, {"Lee", "Ann", "Ben", "Cy"}},
                      NamesCase{{"", "Ben", "", "Di"}, {"", "Ben", "", "Di"}},
                      NamesCase{{"", "", "", ""}, {"", "", "", ""}}));

TEST(RecordRoundTrip, ACardWithAnUnknownMarkIsLostAndTheRestShiftLeft) {
    auto page = OpenCodePage(1252);
    Deal d = samples::Western();
    d.CardMarks[2][4] = 9;
    Deal back = RoundTrip(d, *page);
    EXPECT_EQ(back.Cards[2][3], d.Cards[2][3]);
    EXPECT_EQ(back.Cards[2][4], d.Cards[2][5]);
    EXPECT_EQ(back.Cards[2][11], d.Cards[2][12]);
    EXPECT_EQ(back.Cards[2][12], "");
    EXPECT_EQ(back.Cards[3], d.Cards[3]);  // the other seats keep their lines
}

TEST(RecordRoundTrip, WithoutVulnerabilityTheScoresComeBack) {
    // A line of scores alone: the vulnerability stays unknown and the scores are not lost.
    auto page = OpenCodePage(1252);
    Deal d = samples::Western();
    d.ScoreBefore = Scores(-1, -1, 1200, 350);
    Deal back = RoundTrip(d, *page);
    EXPECT_EQ(back.ScoreBefore, Scores(-1, -1, 1200, 350));
    EXPECT_EQ(back.Cards, d.Cards);
    EXPECT_EQ(back.ScoreAfter, d.ScoreAfter);
}

TEST(RecordRoundTrip, WithoutScoreLinesBothPairsAreUnknownAndTheHandsStayInPlace) {
    auto page = OpenCodePage(1252);
    Deal d = samples::Western();
    d.ScoreBefore = ScorePair{};
    d.ScoreAfter = ScorePair{};
    ASSERT_EQ(DealFileLines(d, *page).size(), 1u + 3u + 4u);
    Deal back = RoundTrip(d, *page);
    EXPECT_EQ(back.ScoreBefore, ScorePair{});
    EXPECT_EQ(back.ScoreAfter, ScorePair{});
    EXPECT_EQ(back.Cards, d.Cards);
    EXPECT_EQ(back.CardMarks, d.CardMarks);
}

TEST(RecordRoundTrip, OnlyTheScoreBeforeMissing) {
    auto page = OpenCodePage(1252);
    Deal d = samples::Western();
    d.ScoreBefore = ScorePair{};
    Deal back = RoundTrip(d, *page);
    EXPECT_EQ(back.ScoreBefore, ScorePair{});
    EXPECT_EQ(back.Cards, d.Cards);
    EXPECT_EQ(back.ScoreAfter, d.ScoreAfter);
}

TEST(ReadScoreLine, VulnerabilityWordsInAnyCase) {
    std::vector<std::string> lines{"nonvul  VUL      1200     -350    "};
    LineCursor in{&lines};
    ScorePair pair;
    ReadScoreLine(in, pair);
    EXPECT_EQ(pair, Scores(0, 1, 1200, -350));
    EXPECT_TRUE(in.AtEnd());
}

TEST(ReadScoreLine, AtTheEndOfTheFileBothSidesAreUnknown) {
    std::vector<std::string> lines;
    LineCursor in{&lines};
    ScorePair pair = Scores(0, 0, 10, 10);
    ReadScoreLine(in, pair);
    EXPECT_EQ(pair, ScorePair{});
}

TEST(ReadScoreLine, UnknownWordsLeaveTheVulnerabilityUnknown) {
    std::vector<std::string> lines{"Vul     Both    100     x"};
    LineCursor in{&lines};
    ScorePair pair;
    ReadScoreLine(in, pair);
    EXPECT_EQ(pair, Scores(1, -1, 100, 0));
}

TEST(ReadAuction, ClearsTheGridAndReadsTheGivenRounds) {
    std::vector<std::string> lines{" 1 ", "  ,       ,     1S,     Pass", "stays"};
    LineCursor in{&lines};
    std::int32_t rounds = 7;
    CallGrid calls;
    calls[5][2] = "old";
    EXPECT_EQ(ReadAuction(in, rounds, calls), "");
    EXPECT_EQ(rounds, 1);
    EXPECT_EQ(calls[1], (std::array<std::string, 4>{"", "", "1S", "Pass"}));
    EXPECT_EQ(calls[5][2], "");
    EXPECT_EQ(in.Take(), "stays");
}

TEST(ReadAuction, BrokenCountsAndMissingRoundsAreReported) {
    for (auto count : {"21", "-1", " 99999999999 "}) {
        std::vector<std::string> lines{count};
        LineCursor in{&lines};
        std::int32_t rounds = 0;
        CallGrid calls;
        EXPECT_NE(ReadAuction(in, rounds, calls), "") << count;
    }
    std::vector<std::string> lines{" 3 ", "1C, Pass, 1H, Pass"};
    LineCursor in{&lines};
    std::int32_t rounds = 0;
    CallGrid calls;
    EXPECT_NE(ReadAuction(in, rounds, calls), "");
}

TEST(ParseDealLines, AFailedReadLeavesTheDealAsItWas) {
    Deal d = samples::Western();
    const Deal before = d;
    for (const auto& lines : std::vector<std::vector<std::string>>{
             {}, {"Ann, Ben, Cy, Di"}, {"Ann, Ben, Cy, Di", " 1 ", "Pass, Pass, Pass, Pass"}}) {
        EXPECT_NE(ParseDealLines(lines, d), "");
        EXPECT_EQ(d, before);
    }
}

}  // namespace
}  // namespace tallowen

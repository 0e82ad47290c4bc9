#include <gtest/gtest.h>

#include "RecordSamples.h"
#include "platform/CodePage.h"
#include "records/DealOps.h"
#include "records/RecordReader.h"
#include "records/RecordWriter.h"

namespace tallowen {
namespace {

using samples::Scores;

// Writes a board's record lines and reads them back, as a record file would go.
Deal RoundTrip(const Deal& deal) {
    Deal back;
    EXPECT_EQ(ParseDealLines(DealFileLines(deal, *OpenCodePage(1252)), back), "");
    return back;
}

struct NamesCase {
    SeatNames written, read;
};
class NamesLineTable : public ::testing::TestWithParam<NamesCase> {};
TEST_P(NamesLineTable, CommasAndTheFourthNamesBlankCutTheNames) {
    Deal d = samples::Western();
    d.Names = GetParam().written;
    EXPECT_EQ(RoundTrip(d).Names, GetParam().read);
}
INSTANTIATE_TEST_SUITE_P(
    Names, NamesLineTable,
    ::testing::Values(NamesCase{{"Ann Lee", "Ben  Ho", "Cy", "Di"},
                                {"Ann Lee", "Ben  Ho", "Cy", "Di"}},
                      NamesCase{{"Ann", "Ben", "Cy", "Di Ng"}, {"Ann", "Ben", "Cy", "Di"}},
                      NamesCase{{"Lee, Ann", "Ben", "Cy", "Di"}, {"Lee", "Ann", "Ben", "Cy"}},
                      NamesCase{{"", "Ben", "", "Di"}, {"", "Ben", "", "Di"}}));

TEST(RecordRoundTrip, ACardWithAnUnknownMarkIsLostAndTheRestShiftLeft) {
    Deal d = samples::Western();
    d.CardMarks[2][4] = 9;
    Deal back = RoundTrip(d);
    EXPECT_EQ(back.Cards[2][3], d.Cards[2][3]);
    EXPECT_EQ(back.Cards[2][4], d.Cards[2][5]);
    EXPECT_EQ(back.Cards[2][11], d.Cards[2][12]);
    EXPECT_EQ(back.Cards[2][12], "");
    EXPECT_EQ(back.Cards[3], d.Cards[3]);  // the other seats keep their lines
}

TEST(ReadScoreLine, VulnerabilityWordsInAnyCaseUnknownWordsAndTheEndOfTheFile) {
    std::vector<std::string> lines{"nonvul  VUL      1200     -350    ",
                                   "Vul     Both    100     x"};
    LineCursor in{&lines};
    ScorePair pair;
    ReadScoreLine(in, pair);
    EXPECT_EQ(pair, Scores(0, 1, 1200, -350));
    ReadScoreLine(in, pair);
    EXPECT_EQ(pair, Scores(1, -1, 100, 0));
    EXPECT_TRUE(in.AtEnd());
    ReadScoreLine(in, pair);
    EXPECT_EQ(pair, ScorePair{});
}

TEST(ReadAuction, ClearsTheGridReadsTheGivenRoundsAndReportsBrokenCounts) {
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
    for (auto count : {"21", "-1", " 99999999999 ", " 3 "}) {  // three rounds, one given
        std::vector<std::string> broken{count, "1C, Pass, 1H, Pass"};
        LineCursor at{&broken};
        EXPECT_NE(ReadAuction(at, rounds, calls), "") << count;
    }
}

// A record cut off inside its hands is no board: shown or put on a page it would pass for a
// board with cards missing. It is refused whole, and so is one whose hand lines are all there
// but whose last line was cut (ReadDealFile tells that from the missing line end).
// What the recorder copies from the auction it keeps in memory must be what the auction file
// would have given back, neither more nor less.
TEST(AuctionPart, IsWhatTheAuctionFileKeeps) {
    const Deal deal = samples::Western();
    Deal fromFile, copied;
    ASSERT_EQ(ParseBidLines(BidFileLines(deal, *OpenCodePage(1252)), fromFile), "");
    CopyAuctionPart(deal, copied);
    EXPECT_EQ(DealFileLines(copied, *OpenCodePage(1252)),
              DealFileLines(fromFile, *OpenCodePage(1252)));
    EXPECT_EQ(copied.Rounds, deal.Rounds);
    EXPECT_EQ(copied.ScoreBefore[1].Score, deal.ScoreBefore[1].Score);
}

TEST(DamagedRecords, CutInsideTheHandsIsRefusedWhole) {
    const Deal d = samples::Western();
    const std::vector<std::string> whole = DealFileLines(d, *OpenCodePage(1252));
    const std::size_t firstHand = 3 + std::size_t(d.Rounds);
    for (std::size_t kept = firstHand; kept < firstHand + 4; ++kept) {
        std::vector<std::string> lines(whole.begin(), whole.begin() + std::ptrdiff_t(kept));
        Deal back = samples::Japanese();
        EXPECT_EQ(ParseDealLines(lines, back), "cut short inside its hands") << kept;
        EXPECT_EQ(back, samples::Japanese());
    }
    std::vector<std::string> noScoreAfter(whole.begin(),
                                          whole.begin() + std::ptrdiff_t(firstHand + 4));
    Deal back;
    EXPECT_EQ(ParseDealLines(noScoreAfter, back), "");
    EXPECT_EQ(back.Cards, d.Cards);
}

// A file holding NUL bytes is no record (a picture, a damaged block): it is refused whole
// rather than read as a board of garbage names.
TEST(DamagedRecords, BinaryBytesAreNoRecord) {
    std::vector<std::string> lines = DealFileLines(samples::Western(), *OpenCodePage(1252));
    lines[0] += std::string("\0\x01PNG", 5);
    Deal back = samples::Western();
    back.Contract = "kept";
    EXPECT_EQ(ParseDealLines(lines, back), "not a record file");
    EXPECT_EQ(back.Contract, "kept");
    EXPECT_EQ(ParseBidLines(lines, back), "not a record file");
}

}  // namespace
}  // namespace tallowen

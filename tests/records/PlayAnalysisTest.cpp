#include <gtest/gtest.h>

#include "records/Contract.h"
#include "records/PlayAnalysis.h"
#include "records/Scoring.h"

namespace tallowen {
namespace {

// North holds the spades, East the hearts, South the diamonds, West the clubs, each played
// from the ace down; trick t is led by seat t % 4, as the record file writes it. From trick
// `claimed` on the cards are left in the hands, in brackets as the file writes them.
Deal RecordedPlay(int claimed = 13) {
    Deal deal;
    const char* ranks = "AKQJT98765432";
    const char* suits = "SHDC";
    for (int t = 0; t < 13; ++t) {
        for (int s = 0; s < 4; ++s) {
            int mark = t >= claimed ? 2 : s == t % 4 ? 1 : 0;
            std::string card = std::string(1, ranks[t]) + suits[s];
            deal.Cards[s][t] = mark == 1 ? "[" + card + "]" : mark == 2 ? "(" + card + ")" : card;
            deal.CardMarks[s][t] = std::uint8_t(mark);
        }
    }
    const char* calls[] = {"1NT", "パス", "パス", "パス"};
    for (int s = 0; s < 4; ++s) deal.Calls[1][s] = calls[s];
    deal.Rounds = 1;
    for (int side = 0; side < 2; ++side) deal.ScoreBefore[side] = deal.ScoreAfter[side] = {0, 0};
    NullLogSink log;
    FindContract(deal, log);
    FindDealer(deal, log);
    return deal;
}

TEST(AnalysePlay, CodesLeadSortedHandsAndTricks) {
    Deal deal = RecordedPlay();
    AnalysePlay(deal, 1);
    EXPECT_EQ(deal.PlayCodes[1][0], 214);
    EXPECT_EQ(deal.LeadSeat, 0);
    EXPECT_EQ(deal.LeadCode, 314);
    EXPECT_EQ(deal.SortedCodes[3][0], 2);  // ascending: the two of clubs first
    EXPECT_EQ(deal.SortedCodes[3][12], 14);
    EXPECT_EQ(deal.TricksWon, (TrickCounts{4, 3, 3, 3}));
    NullLogSink log;
    DetermineResult(deal, log);
    EXPECT_EQ(deal.Result, 1);
    EXPECT_EQ(deal.DupPts, 90);
    AnalysePlay(deal, 0);
    EXPECT_EQ(deal.SortedCodes[0][0], 314);
}

TEST(AnalysePlay, BracketedCardsAndAClaim) {
    Deal deal = RecordedPlay(9);
    AnalysePlay(deal, 0);
    EXPECT_EQ(deal.PlayCodes[2][12], 102);
    EXPECT_EQ(deal.TricksWon, (TrickCounts{3, 2, 2, 2}));  // nine tricks played
    // Not all tricks played: the rubber scoreboard shows 1NT made, 40 below the line.
    deal.ScoreAfter[0].Score = 40;
    NullLogSink log;
    DetermineResult(deal, log);
    EXPECT_EQ(deal.Result, 1);
    EXPECT_EQ(deal.DupPts, 90);
}

}  // namespace
}  // namespace tallowen

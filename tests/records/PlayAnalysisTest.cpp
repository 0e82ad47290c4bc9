#include <gtest/gtest.h>

#include "records/Contract.h"
#include "records/PlayAnalysis.h"
#include "records/Scoring.h"

namespace tallowen {
namespace {

// North holds the spades, East the hearts, South the diamonds, West the clubs, each played
// from the ace down; trick t is led by seat t % 4, as the record file writes it.
Deal RecordedPlay() {
    Deal deal;
    const char* ranks = "AKQJT98765432";
    const char* suits = "SHDC";
    for (int t = 0; t < 13; ++t) {
        for (int s = 0; s < 4; ++s) {
            std::string card = std::string(1, ranks[t]) + suits[s];
            deal.Cards[s][t] = card;
            deal.CardMarks[s][t] = s == t % 4 ? 1 : 0;
        }
    }
    const char* calls[] = {"1NT", "パス", "パス", "パス"};
    for (int s = 0; s < 4; ++s) deal.Calls[1][s] = calls[s];
    deal.Rounds = 1;
    for (int side = 0; side < 2; ++side) {
        deal.ScoreBefore[side] = {0, 0};
        deal.ScoreAfter[side] = {0, 0};
    }
    return deal;
}

TEST(AnalysePlay, CodesLeadSortedHandsAndTricks) {
    Deal deal = RecordedPlay();
    NullLogSink log;
    FindContract(deal, log);
    FindDealer(deal, log);
    AnalysePlay(deal, 1);
    EXPECT_EQ(deal.PlayCodes[1][0], 214);
    EXPECT_EQ(deal.LeadSeat, 0);
    EXPECT_EQ(deal.LeadCode, 314);
    EXPECT_EQ(deal.SortedCodes[3][0], 2);  // ascending: the two of clubs first
    EXPECT_EQ(deal.SortedCodes[3][12], 14);
    EXPECT_EQ(deal.TricksWon, (TrickCounts{4, 3, 3, 3}));
    DetermineResult(deal, log);
    EXPECT_EQ(deal.Result, 1);
    EXPECT_EQ(deal.DupPts, 90);

    AnalysePlay(deal, 0);
    EXPECT_EQ(deal.SortedCodes[0][0], 314);
}

TEST(AnalysePlay, BracketedCardsAndAClaim) {
    Deal deal = RecordedPlay();
    for (int t = 0; t < 13; ++t) {
        for (int s = 0; s < 4; ++s) {
            std::uint8_t mark = deal.CardMarks[s][t];
            if (t >= 9) mark = 2;
            const char* open = mark == 1 ? "[" : mark == 2 ? "(" : "";
            const char* close = mark == 1 ? "]" : mark == 2 ? ")" : "";
            deal.Cards[s][t] = open + deal.Cards[s][t] + close;
            deal.CardMarks[s][t] = mark;
        }
    }
    NullLogSink log;
    FindContract(deal, log);
    AnalysePlay(deal, 0);
    EXPECT_EQ(deal.PlayCodes[2][12], 102);
    EXPECT_EQ(deal.TricksWon, (TrickCounts{3, 2, 2, 2}));  // nine tricks played
    // Not all tricks played: the rubber scoreboard shows 1NT made, 40 below the line.
    deal.ScoreAfter[0].Score = 40;
    DetermineResult(deal, log);
    EXPECT_EQ(deal.Result, 1);
    EXPECT_EQ(deal.DupPts, 90);
}

}  // namespace
}  // namespace tallowen

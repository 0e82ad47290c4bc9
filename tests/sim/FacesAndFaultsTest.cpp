// Every card and mark of the hand window in every edition, and the faults the simulator
// injects, each seen by the reader.
#include <gtest/gtest.h>

#include "SimHarness.h"
#include "reading/Bidding.h"
#include "reading/LastHand.h"
#include "reading/LastTrick.h"
#include "reading/Score.h"
#include "sim/NullBackends.h"

namespace tallowen::testing {
namespace {

// A board whose play was cut short by a claim, so that all three marks show.
SimBoard ClaimedBoard() {
    for (std::uint32_t seed = 1;; ++seed) {
        SimBoard b = MakeBoard(seed);
        if (!b.PassedOut() && b.played < kTrickCount) return b;
    }
}

class SimHandEdition : public ::testing::TestWithParam<int> {};

TEST_P(SimHandEdition, EveryCardAndMarkReadsInTheSystemsLetters) {
    const SimBoard board = ClaimedBoard();
    SimHarness h(GetParam(), board);
    const HandReading read = CaptHand(h.ctx, false);
    ASSERT_EQ(read.result, CaptureResult::Read);
    std::vector<std::string> deck;
    int marks[3] = {0, 0, 0};
    for (int seat = 0; seat < 4; ++seat) {
        EXPECT_EQ(read.names[std::size_t(seat)], board.names[std::size_t(seat)]);
        for (int k = 0; k < kTrickCount; ++k) {
            int mark = 0;
            const int code = board.PlayedCard(seat, k, mark);
            EXPECT_EQ(read.cards[std::size_t(seat)][std::size_t(k)], CardText(code));
            EXPECT_EQ(read.marks[std::size_t(seat)][std::size_t(k)], mark);
            deck.push_back(read.cards[std::size_t(seat)][std::size_t(k)]);
            ++marks[read.marks[std::size_t(seat)][std::size_t(k)]];
        }
    }
    std::sort(deck.begin(), deck.end());
    EXPECT_EQ(std::unique(deck.begin(), deck.end()), deck.end());  // 52 different cards
    EXPECT_EQ(marks[1], board.played);
    EXPECT_EQ(marks[2], 4 * (kTrickCount - board.played));
}

INSTANTIATE_TEST_SUITE_P(AllEditions, SimHandEdition, ::testing::Range(1, 11));

TEST(SimFaults, CoveredWindowsCopyBlackAndDoNotRead) {
    SimHarness h(1, MakeBoard(42));
    h.client->Cover(1, {0, 0, 400, 400});
    EXPECT_EQ(CaptAuction(h.ctx).result, CaptureResult::AuctionUnreadable);

    h.client->Cover(2, {90, 0, 130, 45});  // the top card and its rules
    TrickState state;
    EXPECT_EQ(CaptTrick(h.ctx, h.client->CardImages(), state, TrickMode::Store).outcome,
              TrickOutcome::Unreadable);

    h.client->Cover(4, {0, 40, 240, 110});  // the band and the scores
    EXPECT_EQ(CaptScore(h.ctx).result, CaptureResult::ScoreUnreadable);
}

TEST(SimFaults, MisdrawnGlyphsReadAsUnreadable) {
    SimHarness h(1, MakeBoard(43));
    SimFaults faults;
    faults.misdrawnKind = 3;
    faults.misdrawnGlyph = 8;  // a glyph of the first line's cards
    h.client->SetFaults(faults);
    EXPECT_EQ(CaptHand(h.ctx, false).result, CaptureResult::HandUnreadable);

    faults.misdrawnKind = 4;
    // The first digit of the left score: after the side names and the vulnerability words.
    const ScoreView view = h.client->Score();
    faults.misdrawnGlyph = int(view.sides[0].size() + view.sides[1].size() +
                               view.vulnerable[0].size() + view.vulnerable[1].size());
    h.client->SetFaults(faults);
    EXPECT_EQ(CaptScore(h.ctx).result, CaptureResult::BadScoreNumber);

    faults.misdrawnKind = 1;
    faults.misdrawnGlyph = 0;  // the first letter of the first heading
    h.client->SetFaults(faults);
    EXPECT_EQ(CaptAuction(h.ctx).headings[0], "?" + h.client->Board().names[0].substr(1));
}

TEST(SimFaults, HighlightedCardFailsTheTrickAtEveryPlace) {
    SimHarness h(5, MakeBoard(44), SimStage::Play, 3);
    for (int p = 0; p < 4; ++p) {
        SimFaults faults;
        faults.highlightedCard = p;
        h.client->SetFaults(faults);
        TrickState state;
        EXPECT_EQ(CaptTrick(h.ctx, h.client->CardImages(), state, TrickMode::Store).outcome,
                  TrickOutcome::Unreadable)
            << p;
    }
}

}  // namespace
}  // namespace tallowen::testing

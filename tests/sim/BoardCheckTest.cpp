// A hand and a score joined to an auction must be able to be one board: every board the
// simulated client plays passes, and what a late or early capture would join is refused.
#include <gtest/gtest.h>

#include "records/BoardCheck.h"
#include "records/Contract.h"
#include "records/LogSink.h"
#include "sim/SessionPlan.h"
#include "sim/SimRecord.h"

namespace tallowen::testing {
namespace {

std::vector<Deal> PlayedRecords(std::uint32_t seed, int boards) {
    SessionPlanOptions o;
    o.boards = boards;
    o.seed = seed;
    std::vector<Deal> out;
    for (const SimBoard& b : PlanSession(o)) out.push_back(RecordOf(b));
    return out;
}

// The auction of `auction` with the hand, play and score after the board of `hand`.
Deal Joined(const Deal& auction, const Deal& hand) {
    Deal d = hand;
    d.Rounds = auction.Rounds;
    d.Calls = auction.Calls;
    d.ScoreBefore = auction.ScoreBefore;
    return d;
}

bool IsPassOut(Deal d) {
    NullLogSink log;
    FindContract(d, log);
    return d.Contract == "Pass Out";
}

// A refusal loses the board for good, so no board played may be refused: passed out, claimed
// or played out, rubbers won and begun.
TEST(BoardCheck, NoBoardPlayedIsRefused) {
    for (std::uint32_t seed = 1; seed <= 25; ++seed)
        for (const Deal& d : PlayedRecords(seed, 40))
            EXPECT_EQ(HandAuctionMismatch(d), "") << "seed " << seed;
}

// Boards joined with the next one's hand and score, as a late auction or an early hand
// capture would join them: a passed-out auction never takes a played hand, a contract never a
// passed-out hand, and most of the others are told apart by the opening leader or the score.
TEST(BoardCheck, MostBoardsJoinedWithTheNextOneAreRefused) {
    int joined = 0, refused = 0;
    for (std::uint32_t seed = 1; seed <= 25; ++seed) {
        const std::vector<Deal> played = PlayedRecords(seed, 40);
        for (std::size_t i = 0; i + 1 < played.size(); ++i) {
            const Deal mixed = Joined(played[i], played[i + 1]);
            const std::string why = HandAuctionMismatch(mixed);
            if (IsPassOut(played[i]) != IsPassOut(played[i + 1])) {
                EXPECT_NE(why, "") << "seed " << seed << " board " << i;
            }
            ++joined;
            refused += !why.empty();
        }
    }
    EXPECT_GT(refused * 10, joined * 7) << refused << " of " << joined;
}

TEST(BoardCheck, SaysWhyAJoinedBoardCannotBeOne) {
    const std::vector<Deal> played = PlayedRecords(7, 40);
    const Deal* passOut = nullptr;
    const Deal* contract = nullptr;
    for (const Deal& d : played) {
        if (!passOut && IsPassOut(d)) passOut = &d;
        if (!contract && !IsPassOut(d)) contract = &d;
    }
    ASSERT_TRUE(passOut && contract);
    EXPECT_EQ(HandAuctionMismatch(Joined(*passOut, *contract)),
              "cards were played on a passed-out auction");
    EXPECT_EQ(HandAuctionMismatch(Joined(*contract, *passOut)).rfind("no card was played", 0), 0u);

    // The same board with the play turned a seat round: the lead comes from the wrong seat.
    Deal turned = *contract;
    for (int s = 0; s < 4; ++s) {
        turned.Cards[std::size_t(s)] = contract->Cards[std::size_t((s + 1) % 4)];
        turned.CardMarks[std::size_t(s)] = contract->CardMarks[std::size_t((s + 1) % 4)];
    }
    EXPECT_NE(HandAuctionMismatch(turned).find("the opening lead came from"), std::string::npos);

    // The scores of the two sides swapped: the side that scored is not the one the play says.
    for (const Deal& d : played) {
        Deal swapped = d;
        std::swap(swapped.ScoreAfter[0].Score, swapped.ScoreAfter[1].Score);
        std::swap(swapped.ScoreBefore[0].Score, swapped.ScoreBefore[1].Score);
        const std::string why = HandAuctionMismatch(swapped);
        if (why.find("by the score") != std::string::npos) return;
    }
    ADD_FAILURE() << "no board with its scores swapped was refused by its score";
}

}  // namespace
}  // namespace tallowen::testing

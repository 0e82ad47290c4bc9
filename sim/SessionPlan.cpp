#include "sim/SessionPlan.h"

#include <algorithm>

#include "records/BridgeRules.h"

namespace tallowen {

namespace {

std::uint32_t BoardSeed(std::uint32_t seed, int index) {
    SimRandom mix(std::uint64_t(seed) * 1000003u + std::uint64_t(index));
    return std::uint32_t(mix.Next());
}

// The three other players keep their order round the table whatever seat the user takes.
void SeatPlayers(SimBoard& board, const std::string& userId,
                 const std::array<std::string, 3>& others) {
    int next = 0;
    for (int s = 0; s < 4; ++s)
        board.names[std::size_t(s)] = s == board.userSeat ? userId : others[std::size_t(next++)];
}

}  // namespace

int CycleDealer(int boardNumber) {
    return ((boardNumber - 1) % 4 + 4) % 4;
}

std::vector<SimBoard> PlanSession(const SessionPlanOptions& o) {
    std::vector<SimBoard> plan;
    SimRandom rng(o.seed ^ 0x5E55u);
    // The others at the table: three names of the pool that are not the user's.
    const SimBoard cast = MakeBoard(o.seed);
    std::array<std::string, 3> others;
    for (int s = 0, k = 0; s < 4 && k < 3; ++s)
        if (cast.names[std::size_t(s)] != o.userId)
            others[std::size_t(k++)] = cast.names[std::size_t(s)];
    int userSeat = rng.Below(4);
    RubberScoreboard rubber;  // a fresh scoreboard, neither side vulnerable
    for (int i = 0; i < std::max(0, o.boards); ++i) {
        const int number = o.firstBoard + i;
        const std::uint32_t seed = BoardSeed(o.seed, i);
        if (i > 0 && rng.Below(100) < o.seatChangePercent)
            userSeat = (userSeat + 1 + rng.Below(3)) % 4;
        SimBoard b;
        b.userSeat = userSeat;
        SeatPlayers(b, o.userId, others);
        b.dealer = CycleDealer(number);
        b.vulnerable = rubber.Vulnerability();
        b.before = rubber.Pair();
        DealHands(b, seed);
        b.calls = MakeAuction(seed, o.minBids);
        CompleteBoard(b, seed, o.claims);
        ScoreRubber(rubber, RubberBoardOf(b));
        // The score window shows the vulnerability of the board to come.
        b.after = rubber.Pair();
        plan.push_back(std::move(b));
    }
    return plan;
}

}  // namespace tallowen

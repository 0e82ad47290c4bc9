#include "sim/SessionPlan.h"

#include <algorithm>

#include "records/Scoring.h"

namespace tallowen {

namespace {

std::uint32_t BoardSeed(std::uint32_t seed, int index) {
    SimRandom mix(std::uint64_t(seed) * 1000003u + std::uint64_t(index));
    return std::uint32_t(mix.Next());
}

// Trump honours (or aces at no trump) held in one hand, as the rubber scoreboard counts them.
int Honours(const SimBoard& board, int seat) {
    int count = 0;
    for (int code : board.hands[std::size_t(seat)]) {
        const int suit = code / 100, rank = code % 100;
        if (board.strain == kNoTrump ? rank == 14 : suit == board.strain && rank >= 10) ++count;
    }
    if (board.strain == kNoTrump) return count == 4 ? 150 : 0;
    return count == 5 ? 150 : count == 4 ? 100 : 0;
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

int CycleVulnerability(int boardNumber) {
    // None, North-South, East-West, both; each group of four boards starts one step later.
    const int n = ((boardNumber - 1) % 16 + 16) % 16;
    return (n + n / 4) % 4;
}

std::array<int, 2> ScoreboardGain(const SimBoard& b) {
    std::array<int, 2> gain{};
    if (b.PassedOut()) return gain;
    const int side = SideOf(b.declarer);
    const int vul = b.Vulnerable(side) ? 1 : 0;
    const int need = 6 + b.level;
    if (b.declarerTricks >= need) {
        const int over = b.declarerTricks - need;
        gain[std::size_t(side)] = TrickScore(b.level, b.strain, b.doubled) +
                                  OvertrickScore(over, b.strain, b.doubled, vul) + 50 * b.doubled +
                                  SlamBonus(b.level, vul);
    } else {
        gain[std::size_t(1 - side)] =
            DuplicateScore(b.level, b.strain, b.doubled, b.declarerTricks - need, vul);
    }
    for (int seat = 0; seat < 4; ++seat) gain[std::size_t(SideOf(seat))] += Honours(b, seat);
    return gain;
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
    ScorePair score{};
    score[0].Score = score[1].Score = 0;  // a fresh scoreboard
    for (int i = 0; i < std::max(0, o.boards); ++i) {
        const int number = o.firstBoard + i;
        const std::uint32_t seed = BoardSeed(o.seed, i);
        if (i > 0 && rng.Below(100) < o.seatChangePercent)
            userSeat = (userSeat + 1 + rng.Below(3)) % 4;
        SimBoard b;
        b.userSeat = userSeat;
        SeatPlayers(b, o.userId, others);
        b.dealer = CycleDealer(number);
        b.vulnerable = CycleVulnerability(number);
        for (int side = 0; side < 2; ++side)
            score[std::size_t(side)].Vul = b.Vulnerable(side) ? 1 : 0;
        b.before = score;
        DealHands(b, seed);
        b.calls = MakeAuction(seed, o.minBids);
        CompleteBoard(b, seed, o.claims);
        const std::array<int, 2> gain = ScoreboardGain(b);
        const int nextVul = CycleVulnerability(number + 1);
        for (int side = 0; side < 2; ++side) {
            b.after[std::size_t(side)].Score =
                b.before[std::size_t(side)].Score + gain[std::size_t(side)];
            b.after[std::size_t(side)].Vul = (nextVul >> side) & 1;
        }
        score = b.after;
        plan.push_back(std::move(b));
    }
    return plan;
}

}  // namespace tallowen

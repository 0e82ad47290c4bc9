#include "sim/RubberScore.h"

#include "records/Scoring.h"

namespace tallowen {

namespace {

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

bool Made(const SimBoard& b) {
    return !b.PassedOut() && b.declarerTricks >= 6 + b.level;
}

constexpr int kGamePoints = 100;

}  // namespace

int RubberState::Vulnerability() const {
    return (games[0] > 0 ? 1 : 0) | (games[1] > 0 ? 2 : 0);
}

std::array<int, 2> ScoreboardGain(const SimBoard& b) {
    std::array<int, 2> gain{};
    if (b.PassedOut()) return gain;
    const int side = SideOf(b.declarer);
    const int vul = b.Vulnerable(side) ? 1 : 0;
    const int need = 6 + b.level;
    if (Made(b)) {
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

int ScoreRubber(RubberState& r, const SimBoard& b) {
    if (!Made(b)) return 0;  // only the trick points of a contract made count for a game
    const std::size_t side = std::size_t(SideOf(b.declarer)), other = 1 - side;
    r.partScore[side] += TrickScore(b.level, b.strain, b.doubled);
    if (r.partScore[side] < kGamePoints) return 0;
    r.partScore = {};
    if (++r.games[side] < 2) return 0;
    const int bonus = r.games[other] == 0 ? 700 : 500;
    r = RubberState{};
    return bonus;
}

}  // namespace tallowen

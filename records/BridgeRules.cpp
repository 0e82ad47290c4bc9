#include "records/BridgeRules.h"

#include <algorithm>
#include <functional>
#include <utility>

#include "records/Scoring.h"

namespace tallowen {

bool CardBeats(int card, int best, int trump) {
    if (CardSuit(card) == CardSuit(best)) return CardRank(card) > CardRank(best);
    return trump != kNoTrump && CardSuit(card) == trump;
}

int TrickWinner(const std::array<int, kSeatCount>& cards, int leader, int trump) {
    int best = leader;
    for (int seat = 0; seat < kSeatCount; ++seat)
        if (CardBeats(cards[std::size_t(seat)], cards[std::size_t(best)], trump)) best = seat;
    return best;
}

bool IsHonour(int code, int strain) {
    if (strain == kNoTrump) return code > 0 && CardRank(code) == 14;
    return code >= MakeCardCode(strain, 10) && code <= MakeCardCode(strain, 14);
}

int HonourBonus(int honours, int strain) {
    if (strain == kNoTrump) return honours == 4 ? 150 : 0;
    return honours == 4 ? 100 : honours == 5 ? 150 : 0;
}

RubberBoard RubberBoardOf(const Deal& deal, int result) {
    RubberBoard b{
        deal.Level < 1 ? -1 : deal.Declarer, deal.Level, deal.Strain, deal.Doubled, result, {}};
    for (int seat = 0; seat < kSeatCount; ++seat)
        b.honours[std::size_t(SideOf(seat))] += HonorBonus(deal, seat);
    return b;
}

ScorePair RubberScoreboard::Pair() const {
    ScorePair pair;
    for (int side = 0; side < 2; ++side)
        pair[std::size_t(side)] = {total[std::size_t(side)], Vul(side)};
    return pair;
}

namespace {
bool HasContract(const RubberBoard& b) {
    return b.declarer >= 0 && b.declarer < kSeatCount && b.level >= 1 && b.result != 0;
}
}  // namespace

std::array<int, 2> BoardGain(const RubberBoard& b, int vul) {
    std::array<int, 2> gain{};
    if (!HasContract(b)) return gain;
    const std::size_t side = std::size_t(SideOf(b.declarer));
    if (b.result > 0) {
        gain[side] = TrickScore(b.level, b.strain, b.doubled) +
                     OvertrickScore(b.result - b.level, b.strain, b.doubled, vul) + 50 * b.doubled +
                     SlamBonus(b.level, vul);
    } else {
        gain[1 - side] = DuplicateScore(b.level, b.strain, b.doubled, b.result, vul);
    }
    for (std::size_t k = 0; k < 2; ++k) gain[k] += b.honours[k];
    return gain;
}

int ScoreRubber(RubberScoreboard& s, const RubberBoard& b) {
    if (!HasContract(b)) return 0;
    const std::size_t side = std::size_t(SideOf(b.declarer)), other = 1 - side;
    const std::array<int, 2> gain = BoardGain(b, s.Vul(int(side)));
    for (std::size_t k = 0; k < 2; ++k) s.total[k] += gain[k];
    if (b.result < 0) return 0;  // only the trick points of a contract made count for a game
    s.below[side] += TrickScore(b.level, b.strain, b.doubled);
    if (s.below[side] < kGamePoints) return 0;
    s.below = {};
    if (++s.games[side] < 2) return 0;
    const int bonus = s.games[other] == 0 ? 700 : 500;
    s.total[side] += bonus;
    s.games = {};
    return bonus;
}

std::uint64_t SeededRandom::Next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

int SeededRandom::Below(int n) {
    return n <= 1 ? 0 : static_cast<int>(Next() % static_cast<std::uint64_t>(n));
}

DealtHands ShuffleDeal(SeededRandom& random) {
    std::array<int, 4 * kTrickCount> pack{};
    for (int i = 0; i < int(pack.size()); ++i)
        pack[std::size_t(i)] = MakeCardCode(i / kTrickCount, 2 + i % kTrickCount);
    for (int i = int(pack.size()) - 1; i > 0; --i)
        std::swap(pack[std::size_t(i)], pack[std::size_t(random.Below(i + 1))]);
    DealtHands hands;
    for (std::size_t seat = 0; seat < hands.size(); ++seat) {
        auto& hand = hands[seat];
        std::copy_n(pack.begin() + std::ptrdiff_t(seat * kTrickCount), kTrickCount, hand.begin());
        std::sort(hand.begin(), hand.end(), std::greater<int>());
    }
    return hands;
}

}  // namespace tallowen

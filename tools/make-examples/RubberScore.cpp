#include "RubberScore.h"

#include "records/Scoring.h"

namespace tallowen::examples {

ScorePair RubberScore::Pair() const {
    ScorePair pair;
    for (int side = 0; side < 2; ++side) pair[side] = {total_[side], vul_[side]};
    return pair;
}

void RubberScore::Apply(const Deal& deal, int result) {
    if (deal.Level < 1 || result == 0) return;
    for (int seat = 0; seat < 4; ++seat) total_[seat % 2] += HonorBonus(deal, seat);
    const int side = deal.DeclarerSide;
    const int other = 1 - side;
    const int vul = vul_[side];
    if (result < 0) {
        total_[other] += DuplicateScore(deal.Level, deal.Strain, deal.Doubled, result, vul);
        return;
    }
    const int trick = TrickScore(deal.Level, deal.Strain, deal.Doubled);
    const int over = result - deal.Level;
    total_[side] += trick + 50 * deal.Doubled + SlamBonus(deal.Level, vul);
    if (over > 0) total_[side] += OvertrickScore(over, deal.Strain, deal.Doubled, vul);
    below_[side] += trick;
    if (below_[side] < 100) return;
    // A game: part-scores of both sides no longer count towards the next one.
    below_ = {0, 0};
    if (++games_[side] < 2) {
        vul_[side] = 1;
        return;
    }
    total_[side] += games_[other] == 0 ? 700 : 500;
    games_ = {0, 0};
    vul_ = {0, 0};
}

}  // namespace tallowen::examples

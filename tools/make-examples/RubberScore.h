// The game client's rubber scoreboard: both sides' running totals and vulnerability. Trick
// scores below the line make games (100), two games a rubber; overtricks, honours, slam,
// double and rubber bonuses and penalties all go into the totals the score line shows.
#pragma once

#include <array>

#include "records/Deal.h"

namespace tallowen::examples {

class RubberScore {
public:
    ScorePair Pair() const;
    // Scores a board whose contract is known (`FindContract`, `AnalysePlay` done) and whose
    // result is `result` (odd tricks when made, minus the undertricks when down). A board
    // without a contract changes nothing.
    void Apply(const Deal& deal, int result);

private:
    std::array<int, 2> total_{};
    std::array<int, 2> below_{};
    std::array<int, 2> games_{};
    std::array<int, 2> vul_{};
};

}  // namespace tallowen::examples

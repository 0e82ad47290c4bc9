// Plays a board out with plain table habits: a lead from the longest suit, second hand low,
// third hand high enough, ruffing what the opponents win, declarer drawing trumps and cashing
// winners. Every card follows suit when it can, so the play record is a legal one.
#pragma once

#include <array>

#include "Hands.h"

namespace tallowen::examples {

struct PlayOutcome {
    std::array<std::array<int, 13>, 4> cards{};  // card codes by seat, in the order played
    std::array<int, 13> leader{};                // seat that led each trick
    std::array<int, 13> winner{};                // seat that won each trick
    int declarerTricks = 0;                      // tricks of the declaring side
};

// `trump` 0..3, or 4 for no trump; the seat after the declarer leads first.
PlayOutcome PlayOut(const Hands& hands, int declarer, int trump);

}  // namespace tallowen::examples

// The client's rubber scoreboard: what each side gains on a board, and the games and rubbers
// that decide who is vulnerable on the next one.
#pragma once

#include <array>

#include "sim/SimBoard.h"

namespace tallowen {

// A rubber in progress. Trick points of contracts made count towards a game; the first side
// to reach 100 wins it, and both sides start the next game from nothing.
struct RubberState {
    std::array<int, 2> partScore{};  // by side, towards the current game
    std::array<int, 2> games{};      // by side, in the current rubber

    // Bit 0 North-South, bit 1 East-West: a side with a game is vulnerable.
    int Vulnerability() const;
};

// What each side gains on the scoreboard for a completed board: trick score, overtricks, the
// bonus for a doubled contract made, slam bonus and honours, or the defenders' penalty. A
// passed-out board gains nothing. The rubber bonus is not included (see ScoreRubber).
std::array<int, 2> ScoreboardGain(const SimBoard& board);

// Enters a completed board into the rubber. Returns the rubber bonus the declarers earned
// when the board gave them their second game (700, or 500 when the other side has a game);
// the rubber then starts over with both sides not vulnerable. 0 otherwise.
int ScoreRubber(RubberState& rubber, const SimBoard& board);

}  // namespace tallowen

// One board as the recorder would have written it: a deal, a plausible auction by simple
// standard methods, the play of the cards (or its start, when a claim ended it) and the
// result that play gives. The scoreboard lines are the caller's (they depend on the rubber).
#pragma once

#include <optional>
#include <string>

#include "records/BridgeRules.h"
#include "records/Deal.h"

namespace tallowen::examples {

// What a board must show; boards are drawn until one does.
enum class Want {
    Any,
    PassOut,
    DoubledMade,
    DoubledDown,
    RedoubledMade,
    RedoubledDown,
    Claim,
    SlamMade
};

struct BoardStyle {
    std::string pass = "Pass";  // the client edition's pass ("パス" in the Japanese one)
    int claimPercent = 12;      // chance that a board of no particular kind ends by a claim
    int doublePercent = 30;     // chance that a contract going two or more down is doubled
    int overcallPercent = 35;   // chance that an opponent with a five-card suit comes in
};

struct MadeBoard {
    // Rounds, Calls, Cards and CardMarks, with FindContract, FindDealer and AnalysePlay run.
    Deal deal;
    int result = 0;        // odd tricks when made, minus the undertricks when down, 0 passed out
    bool claimed = false;  // the play record stops before the thirteenth trick
};

// Draws deals for the given dealer until one gives a board of the kind wanted (at most
// `tries` deals).
std::optional<MadeBoard> MakeBoard(SeededRandom& random, int dealer, Want want,
                                   const BoardStyle& style, int tries = 200000);

}  // namespace tallowen::examples

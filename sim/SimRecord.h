// A completed board of the simulated client as a record: what a faithful recorder writes of
// it, and how a record read back from the Work folder differs from what was played.
#pragma once

#include <string>
#include <vector>

#include "records/Deal.h"
#include "sim/SimBoard.h"

namespace tallowen {

// Names, auction grid (round 1 on, seat columns, cells before the dealer empty), the cards
// in the order played with their marks, and the scoreboard before and after.
Deal RecordOf(const SimBoard& board);

// The fields a record file holds (names, rounds, calls, cards, marks, scores before and
// after) where `recorded` differs from the board, one line each; empty when they agree.
std::vector<std::string> RecordDifferences(const Deal& recorded, const SimBoard& board);

}  // namespace tallowen

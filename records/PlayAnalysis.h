// Card codes, opening lead, sorted hands and trick winners of a recorded play.
#pragma once

#include "records/Deal.h"

namespace tallowen {

// Fills `PlayCodes`, `LeadSeat`, `LeadCode`, `SortedCodes` (in `cardOrder`: 0 high to low,
// 1 low to high), `TrickWon` and `TricksWon` (with `Strain` as trump).
void AnalysePlay(Deal& deal, int cardOrder);

}  // namespace tallowen

// Card codes, opening lead, sorted hands and trick winners of a recorded play, and all that
// the scoring derives from a record once it is read.
#pragma once

#include "records/Deal.h"
#include "records/LogSink.h"

namespace tallowen {

// Marks who won each trick and counts the tricks per seat. Tricks up to the last played one
// are given to the leader of the next trick (mark 1); the last played trick is decided by
// the cards, with `trump` a strain (4 no trump).
void TrickWinners(TrickFlagGrid& won, TrickCounts& count, const CardCodeGrid& codes,
                  const CardMarkGrid& marks, int trump);

// Fills `PlayCodes`, `LeadSeat`, `LeadCode`, `SortedCodes` (in `cardOrder`: 0 high to low,
// 1 low to high), `TrickWon` and `TricksWon` (with `Strain` as trump).
void AnalysePlay(Deal& deal, int cardOrder);

// Everything the auction and the play of a record give: the contract and declarer, the
// dealer, the play as AnalysePlay fills it, then the result and the duplicate score.
void DeriveDeal(Deal& deal, int cardOrder, LogSink& log);

}  // namespace tallowen

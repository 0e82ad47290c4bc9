// Whether the hand and the score read after a board can belong to the auction kept for it.
// The recorder reads the three from different windows at different moments; a late auction
// capture or an early hand capture can join two boards, and such a record must never be
// written.
#pragma once

#include <string>

#include "records/Deal.h"

namespace tallowen {

// Why `joined` (the kept auction with the hand, the play and the scores read after the
// board) cannot be one board; empty when it can. Refused: a passed-out auction with cards
// played, a contract with a hand that shows no play at all (a passed-out board's display),
// an opening lead by any seat but the declarer's left-hand opponent, and a complete play
// whose result contradicts the one worked back from the scoreboard.
std::string HandAuctionMismatch(const Deal& joined);

}  // namespace tallowen

// The contract, its declarer and the dealer, read from a recorded auction.
#pragma once

#include <string_view>

#include "records/Deal.h"
#include "records/LogSink.h"

namespace tallowen {

// Level from the call's first character, strain from the rest.
void ParseBid(Deal& deal, std::string_view bid);

// Reads the auction backwards: three passes must close it, then the final bid and any
// double or redouble of it give `Contract`, `Level`, `Strain` and `Doubled`; the first player
// of the bidding side to name that strain is the declarer. An auction that is not finished
// leaves `Contract` empty; four passes give "Pass Out".
void FindContract(Deal& deal, LogSink& log);

// The dealer is the seat of the first call of the auction.
void FindDealer(Deal& deal, LogSink& log);

}  // namespace tallowen

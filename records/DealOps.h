// Small comparisons and copies between deals and the auction the recorder keeps.
#pragma once

#include <cstdint>

#include "records/Deal.h"

namespace tallowen {

// Clears the kept grid, then copies rounds 1..rounds of every seat and keeps the count.
void KeepBid(std::int32_t& keptRounds, std::int32_t rounds, CallGrid& keptCalls,
             const CallGrid& calls);

// True when both auctions have the same number of rounds and every call of those rounds is
// the same text (case counts).
bool TestSameAuction(std::int32_t rounds1, std::int32_t rounds2, const CallGrid& calls1,
                     const CallGrid& calls2);

// True when both sides' scores and vulnerabilities agree.
bool SameScorePair(const ScorePair& pair1, const ScorePair& pair2);

// Every empty name takes the name of the same seat from the fallback names.
void LongerName(SeatNames& names, const SeatNames& fallback);

// The auction part of a deal, all that the current-auction file keeps: the names over the
// auction, the calls and the score before the board.
void CopyAuctionPart(const Deal& from, Deal& to);

}  // namespace tallowen

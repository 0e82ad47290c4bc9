#include "records/DealOps.h"

#include <algorithm>

namespace tallowen {

namespace {
int ClampRounds(std::int32_t rounds) {
    return std::clamp(rounds, 0, kMaxRounds);
}
}  // namespace

void KeepBid(std::int32_t& keptRounds, std::int32_t rounds, CallGrid& keptCalls,
             const CallGrid& calls) {
    for (auto& row : keptCalls) row.fill(std::string());
    keptRounds = rounds;
    for (int r = 1; r <= ClampRounds(rounds); ++r) keptCalls[r] = calls[r];
}

bool TestSameAuction(std::int32_t rounds1, std::int32_t rounds2, const CallGrid& calls1,
                     const CallGrid& calls2) {
    if (rounds1 != rounds2) return false;
    for (int r = 1; r <= ClampRounds(rounds1); ++r)
        if (calls1[r] != calls2[r]) return false;
    return true;
}

bool SameScorePair(const ScorePair& pair1, const ScorePair& pair2) {
    return pair1[0] == pair2[0] && pair1[1] == pair2[1];
}

void LongerName(SeatNames& names, const SeatNames& fallback) {
    for (int seat = 0; seat < kSeatCount; ++seat)
        if (names[seat].empty()) names[seat] = fallback[seat];
}

void CopyAuctionPart(const Deal& from, Deal& to) {
    to.AuctionNames = from.AuctionNames;
    to.Rounds = from.Rounds;
    to.Calls = from.Calls;
    to.ScoreBefore = from.ScoreBefore;
}

}  // namespace tallowen

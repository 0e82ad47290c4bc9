// One board as the program keeps it: what the record files hold, and what the scoring derives
// from it after reading. Plain data; the record files and the scoring fill it.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "common/Notation.h"

namespace tallowen {

// Rounds of an auction: row 0 is never used, rows 1..20 hold the calls.
inline constexpr int kMaxRounds = 20;
// Grid sizes of a board: seats by table order, tricks by number - 1.
inline constexpr int kSeats = kSeatCount;
inline constexpr int kTricks = kTrickCount;

// Calls by round (0..20) and seat (0..3); an empty text is no call in that cell.
using CallGrid = std::array<std::array<std::string, kSeatCount>, kMaxRounds + 1>;
// Four texts by seat (player names).
using SeatNames = std::array<std::string, kSeatCount>;

struct Deal {
    SeatNames AuctionNames;  // names seen when the auction was captured ("BridgeBid.brg" only)
    SeatNames Names;         // names seen when the hand was captured
    ScorePair ScoreBefore;   // scoreboard and vulnerability before the board
    ScorePair ScoreAfter;    // ... and after it (record files only)
    std::array<std::int32_t, 2> Gained{};  // points each side gained on the scoreboard
    std::int32_t Rounds = 0;               // rounds used in Calls, 0..20
    CallGrid Calls;              // round 0 unused; cells before the dealer's first call empty
    CardTextGrid Cards;          // each seat's 13 cards in the order played
    CardCodeGrid PlayCodes{};    // card codes of Cards
    CardCodeGrid SortedCodes{};  // each hand sorted for the diagram
    CardMarkGrid CardMarks{};    // 0 plain, 1 led its trick, 2 never played (claim)
    std::int16_t Dealer = 0;
    std::int16_t LeadSeat = -1;  // opening leader, -1 if none
    std::int16_t LeadCode = -1;  // card code of the opening lead, -1 if none
    TrickFlagGrid TrickWon{};    // 1 where the seat won that trick
    TrickCounts TricksWon{};
    std::int32_t Declarer = 0;
    std::int32_t DeclarerSide = 0;
    std::string Contract;       // empty (not finished), "Pass Out", or the final bid + "x" / "xx"
    std::int32_t Level = 0;     // 1..7, 0 without a contract
    std::int32_t Strain = -1;   // 0..4, -1 without a contract
    std::int32_t Doubled = -1;  // 0, 1, 2; -1 without a contract
    std::int32_t Result = 0;    // odd tricks when made, minus the undertricks when down; 0 unknown
    std::int32_t DupPts = 0;    // duplicate score of the board

    bool operator==(const Deal&) const = default;
};

// The two boards the recorder keeps for the whole run: the one the capture flows are filling,
// and the one read back from a record file for display. After a hand is recorded the capture
// deal is copied whole into the shown deal.
struct DealSlots {
    Deal capture;
    Deal shown;
};

}  // namespace tallowen

// A scripted board for the simulated client: players, dealer and vulnerability, the
// auction, the four hands, the play trick by trick (perhaps cut short by a claim) and the
// scoreboard before and after. Everything follows from a seed, or from calls and hands a
// test sets itself before completing the board.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "common/Notation.h"
#include "records/BridgeRules.h"

namespace tallowen {

struct SimBoard {
    std::array<std::string, 4> names{"Nora", "Emil", "Sam", "Wanda"};  // by seat N, E, S, W
    int dealer = 0;
    int vulnerable = 0;  // bit 0 North-South, bit 1 East-West
    // The player whose client this is, at the bottom of the trick window.
    int userSeat = ToInt(Seat::South);
    std::vector<std::string> calls;  // "1S", "3NT", "X", "XX", "Pass"
    DealtHands hands{};              // card codes, each hand highest first

    // Worked out by CompleteBoard.
    int declarer = -1;  // -1: passed out
    int level = 0, strain = 0, doubled = 0;
    int played = 0;  // tricks played; the rest were claimed by the declarer
    std::array<std::array<int, 4>, kTrickCount> tricks{};  // [trick][seat] card code
    std::array<int, kTrickCount> leaders{}, winners{};
    int declarerTricks = 0;
    ScorePair before, after;  // side 0 North-South (left column of the score), 1 East-West

    bool PassedOut() const { return declarer < 0; }
    bool Vulnerable(int side) const { return (vulnerable >> side) & 1; }
    // Tricks won by a side in the first `tricks` played tricks.
    int TricksWon(int side, int tricks) const;
    // Card k of seat s in play order, and its mark (0 plain, 1 led its trick, 2 never played).
    int PlayedCard(int seat, int k, int& mark) const;
};

// A deterministic board from a seed.
SimBoard MakeBoard(std::uint32_t seed);
// Deals fresh hands from the seed.
void DealHands(SimBoard& board, std::uint32_t seed);
// A plausible auction from the dealer on (ends with three passes after the last bid, or
// four passes).
std::vector<std::string> MakeAuction(std::uint32_t seed, int minBids = 1);
// Contract, declarer, play (random legal cards from the seed, perhaps a claim) and scores
// from the names, dealer, calls and hands already set.
void CompleteBoard(SimBoard& board, std::uint32_t seed, bool allowClaim = true);

// The rubber scoreboard's view of a completed board: contract, result and the honours held.
RubberBoard RubberBoardOf(const SimBoard& board);

// The shared random source, seeded the simulated client's way.
class SimRandom : public SeededRandom {
public:
    explicit SimRandom(std::uint64_t seed) : SeededRandom(seed * 0x9E3779B97F4A7C15ull + 1) {}
};

}  // namespace tallowen

// The boards of a simulated session, worked out before it is played: board numbers with the
// dealer and vulnerability of the usual 16-board cycle, the user's seat (now and then
// another), deals, auctions and play from a seed, and the client's running scoreboard
// carried from each board to the next.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "sim/SimBoard.h"

namespace tallowen {

struct SessionPlanOptions {
    int boards = 8;
    int firstBoard = 1;  // board number of the first board
    std::uint32_t seed = 1;
    std::string userId = "me_tester";  // the user's name at the table
    int seatChangePercent = 10;        // chance that the user sits elsewhere on a new board
    int minBids = 0;                   // 0: now and then a board is passed out
    bool claims = true;                // play now and then ends in a claim
};

// Dealer seat (0 North) and vulnerability (bit 0 North-South, bit 1 East-West) of a board
// number from 1 on.
int CycleDealer(int boardNumber);
int CycleVulnerability(int boardNumber);

// What each side gains on the client's rubber scoreboard for a completed board: trick score,
// overtricks, the bonus for a doubled contract made, slam bonus and honours, or the
// defenders' penalty. A passed-out board gains nothing.
std::array<int, 2> ScoreboardGain(const SimBoard& board);

// The boards in playing order. Board k's score after is board k + 1's score before; the
// vulnerability after a board is that of the next board number.
std::vector<SimBoard> PlanSession(const SessionPlanOptions& options);

}  // namespace tallowen

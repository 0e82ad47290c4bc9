// The boards of a simulated session, worked out before it is played: board numbers with the
// dealer moving round the table, the user's seat (now and then another), deals, auctions and
// play from a seed, and the client's rubber scoreboard carried from each board to the next,
// with the vulnerability its games and rubbers give.
#pragma once

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

// Dealer seat (0 North) of a board number from 1 on: board 1 North, then clockwise.
int CycleDealer(int boardNumber);

// The boards in playing order, on a fresh scoreboard with neither side vulnerable. Board k's
// score after is board k + 1's score before, rubber bonus included; the vulnerability after
// a board is the one the next board is played at.
std::vector<SimBoard> PlanSession(const SessionPlanOptions& options);

}  // namespace tallowen

// The result of a board and its duplicate score. The game client keeps a rubber scoreboard;
// when the play ended by a claim the tricks are worked back from what the scoreboard gained.
#pragma once

#include <cstdint>

#include "records/Deal.h"
#include "records/LogSink.h"

namespace tallowen {

// Contract parts: level 1..7, strain 0..4 (4 no trump), doubled 0 / 1 / 2, vulnerability
// 0 / 1 of the declaring side.
int TrickScore(int level, int strain, int doubled);
int OvertrickScore(int overtricks, int strain, int doubled, int vul);
int GameBonus(int level, int strain, int doubled, int vul);
int SlamBonus(int level, int vul);
// Points of the board (0 or more; the board's sign follows `result`): `result` is the odd
// tricks taken when made, minus the undertricks when down; 0 (unknown) gives 0, and so does
// a vulnerability other than 0 or 1.
int DuplicateScore(int level, int strain, int doubled, int result, int vul);

// Same, for a deal whose contract and result are known; 0 while any vulnerability before or
// after the board is unknown.
int DuplicateScore(const Deal& deal);

// Rubber honours held in one seat's hand: four or five of the trump honours, or all four aces
// in no trump.
int HonorBonus(const Deal& deal, int seat);

// Adds `p` / `per` (fraction dropped) to `n`; a remainder below a whole count (negative `p`)
// makes the count unknown (0).
void AddTrickCount(int& n, std::int64_t p, int per);

// The result that the scoreboard gain implies: `points` of 1 or more were gained by the
// declarers, 0 or less is minus what the defenders gained. 0 when not found.
int ResultFromPoints(const Deal& deal, std::int64_t points, LogSink& log);

// The result worked back from what each side gained on the scoreboard (honours taken off),
// into `Result`; sets `Gained`. False when it cannot be told (no contract, or both sides
// gained); `Result` may still be 0 (unknown) when true.
bool ResultFromScoreboard(Deal& deal, LogSink& log);

// Sets `Result`, `DupPts` and `Gained`: from the tricks when all 13 were played, else from
// the scoreboard.
void DetermineResult(Deal& deal, LogSink& log);

}  // namespace tallowen

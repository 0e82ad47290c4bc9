// A completed board of the simulated client as a record: what a faithful recorder writes of
// it, and how a record read back from the Work folder differs from what was played.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "records/Deal.h"
#include "sim/SimBoard.h"

namespace tallowen {

// The auction grid of the board: round 1 on, seat columns, cells before the dealer empty.
void PutAuction(Deal& deal, const SimBoard& board);

// Names, auction grid (round 1 on, seat columns, cells before the dealer empty), the cards
// in the order played with their marks, and the scoreboard before and after.
Deal RecordOf(const SimBoard& board);

// The fields a record file holds (names, rounds, calls, cards, marks, scores before and
// after) where `recorded` differs from `want`, one line each; empty when they agree. A pass
// in the edition's own word agrees with any other pass.
std::vector<std::string> DealDifferences(const Deal& recorded, const Deal& want);
// The same against the record of a board.
std::vector<std::string> RecordDifferences(const Deal& recorded, const SimBoard& board);

// What became of one board played: recorded right, not recorded, or recorded wrong (another
// board's auction or score joined to its cards, a field misread, or recorded twice).
enum class BoardFate { Right, Lost, Wrong };
struct BoardOutcome {
    BoardFate fate = BoardFate::Lost;
    std::string record;  // the record holding the board's cards ("" when lost)
    std::string detail;  // for a wrong board, the first thing that differs
};

// Records (by record name) matched with the boards played, as record deals: the cards tell
// the boards apart, so each record is compared with the board holding its cards.
struct RecordMatch {
    std::vector<BoardOutcome> boards;   // one for each board played, in playing order
    std::vector<std::string> problems;  // a record of no board, a board twice, a field differing
    std::vector<int> missing;           // indices into the boards played that have no record
    std::vector<std::string> strays;    // records that hold no board played
};
RecordMatch MatchRecords(const std::map<std::string, Deal>& records,
                         const std::vector<Deal>& played);

}  // namespace tallowen

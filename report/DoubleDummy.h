// Double-dummy analysis of the boards with DDS, the solver bridge players trust: for each board
// with four complete hands, the tricks each seat takes as declarer in each strain, and the par
// score with its contracts for the board's dealer and vulnerability. Everything that touches
// DDS lives in DoubleDummy.cpp.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "records/Deal.h"

namespace tallowen {

// The four hands as DDS takes them: [seat][DDS suit: spades, hearts, diamonds, clubs], one bit
// per rank (bit 2 the two ... bit 14 the ace).
struct DdHands {
    std::array<std::array<std::uint32_t, 4>, 4> cards{};
};

// Tricks by strain (0 clubs .. 3 spades, 4 no trump, as our suit numbers) and declaring seat.
struct DdTable {
    std::array<std::array<int, kSeats>, 5> tricks{};
    bool operator==(const DdTable&) const = default;
};

// One par contract as DDS states it: level, strain, doubled, the seats that can declare it
// ("N", "EW" ...) and the tricks over (+) or under (-) the contract.
struct ParContract {
    int level = 0;
    int strain = 0;  // our numbers: 0 clubs .. 4 no trump
    bool doubled = false;
    std::string seats;
    int overTricks = 0;  // negative: down
    bool operator==(const ParContract&) const = default;
};

struct DdPar {
    bool known = false;
    std::string why;  // when not known
    int score = 0;    // North-South's view
    bool passOut = false;
    std::vector<ParContract> contracts;
};

struct DdResult {
    bool analysed = false;
    std::string why;  // when not analysed
    DdTable table;
    DdPar par;
};

// The hands, when all four hold 13 known cards and no card twice; otherwise none, with the
// reason in `why`.
std::optional<DdHands> FullHands(const Deal& deal, std::string& why);

// DDS's vulnerability number (0 none, 1 both, 2 North-South, 3 East-West); -1 when unknown.
int DdsVulnerability(const Deal& deal);

// Reads one par contract as DealerPar writes it ("4S*-EW-1", "3N-N+1"); none when malformed.
std::optional<ParContract> ParseDdsContract(const std::string& text);

// Tables in batches of as many boards as one CalcAllTables call takes, then DealerPar per board.
std::vector<DdResult> AnalyseDeals(const std::vector<const Deal*>& deals);

// The text DDS gives for one of its return codes.
std::string DdsErrorText(int code);

// How many threads the solver may use; 0 lets it take every core.
void SetSolverThreads(int threads);

// The solver's own figure: milliseconds for one table, solved single-threaded by CalcDDtable.
// The solver is left allowed every core afterwards. Negative when the board cannot be solved.
double TimeOneTableSingleThreaded(const Deal& deal);

}  // namespace tallowen

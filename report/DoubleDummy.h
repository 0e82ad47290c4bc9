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

// The play of a board as the solver takes it: the opening lead from declarer's left, then
// every card in the order played, up to the first one not known (a claim ends the play).
struct KnownPlay {
    int trump = kNoTrump;             // our strain numbers
    int leader = 0;                   // the opening leader
    std::vector<std::int16_t> codes;  // in the order played
    std::vector<int> seats;           // who played each
    std::vector<int> tricks;          // the trick (0..12) of each
};

// What each card of the play did to declarer's double-dummy tricks.
struct DdPlay {
    bool analysed = false;
    std::string why;  // when not analysed
    // Declarer's double-dummy tricks before the opening lead, then after each card played
    // (the cards of the last trick are forced and have none).
    std::vector<int> tricks;
    std::array<std::array<int, kTricks>, kSeats> lost{};  // tricks each card gave away
    int declarerLost = 0;                                 // by declarer and dummy
    int defendersLost = 0;                                // by the defenders
};

struct DdResult {
    bool analysed = false;
    std::string why;  // when not analysed
    DdTable table;
    DdPar par;
    DdPlay play;
};

class DdCache;

// The hands, when all four hold 13 known cards and no card twice; otherwise none, with the
// reason in `why`.
std::optional<DdHands> FullHands(const Deal& deal, std::string& why);

// DDS's vulnerability number (0 none, 1 both, 2 North-South, 3 East-West); -1 when unknown.
int DdsVulnerability(const Deal& deal);

// Reads one par contract as DealerPar writes it ("4S*-EW-1", "3N-N+1"); none when malformed.
std::optional<ParContract> ParseDdsContract(const std::string& text);

// The known play of a board with a contract; none, with the reason in `why`, when there is
// no contract or the opening lead is not from declarer's left.
std::optional<KnownPlay> PlayOf(const Deal& deal, std::string& why);

// How many trick counts the solver gives for a play of `cards` cards: one before the lead and
// one after each card but those of the last trick, which are forced.
constexpr std::size_t SolvedCount(std::size_t cards) {
    return (cards < 48 ? cards : 48) + 1;
}

// Fills the play's losses from the solver's tricks: a card of declarer's side that lowers
// declarer's tricks, or a defender's card that raises them, gave that many away.
void SetPlayTricks(DdPlay& play, const KnownPlay& known, std::vector<int> tricks);

// Tables in batches of as many boards as one CalcAllTables call takes, then DealerPar per
// board, then the play analysis of each board whose play is known. What `cache` holds is not
// solved again; what is solved goes into it.
std::vector<DdResult> AnalyseDeals(const std::vector<const Deal*>& deals, DdCache* cache = nullptr);

// The solver's version, as "2.9.0".
std::string SolverVersion();

// The text DDS gives for one of its return codes.
std::string DdsErrorText(int code);

// How many threads the solver may use; 0 lets it take every core.
void SetSolverThreads(int threads);

// DDS alone on the same boards, for the benchmark: CalcAllTables in the batches the analysis
// uses, on every core, without par or play. Milliseconds in all; negative when a board cannot
// be solved.
double TimeTablesAlone(const std::vector<const Deal*>& deals);

}  // namespace tallowen

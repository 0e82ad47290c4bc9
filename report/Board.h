// One board as the summary pages show it: the record with its derived results, and the forms
// of the player names that fit the page's cells.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "records/Deal.h"
#include "report/DoubleDummy.h"
#include "report/FontMetrics.h"
#include "report/PageStyle.h"

namespace tallowen {

inline constexpr int kPlayNameWidth = 80;
inline constexpr int kHandNameWidthNS = 110;
inline constexpr int kHandNameWidthEW = 90;

struct Board {
    Deal deal;                             // read and scored
    int number = 0;                        // boards on the page so far, this one included
    std::string displayDate;               // "2006/10/22"
    std::array<std::string, 4> names;      // the name of each seat, as recorded
    std::array<std::string, 4> bidNames;   // shortened together for the bidding table
    std::array<std::string, 4> playNames;  // cut for the play table
    std::optional<DdResult> dd;            // the double-dummy analysis, when asked for
};

// The name of each seat: the name seen with the hand, else the one seen with the auction.
std::array<std::string, 4> PlayerNames(const Deal& deal);
// Fills names, bidNames and playNames from the deal.
void MakeNameForms(Board& board, const FontMetrics& metrics);

// "2006/10/22: Board #3  Dealer: West"; the HTML form writes the number sign as "&#35;".
std::string BoardHeaderText(const Board& board, bool html);
// "Both Non-Vul", "N-S  Vul", "E-W  Vul", "Both Vul"; none when a flag is neither 0 nor 1.
std::optional<std::string> VulText(int northSouth, int eastWest);
bool SeatVulnerable(const Deal& deal, int seat);
// The contract was bid (not passed out, not unfinished).
bool HasContract(const Deal& deal);
// Somebody made a call, so the dealer is known (an empty auction leaves it unknown).
bool DealerKnown(const Deal& deal);

// What the pages need besides the board: the look, and the widths to fit names by.
struct PageContext {
    const PageStyle& style;
    const FontMetrics& metrics;
};

}  // namespace tallowen

#include "report/Board.h"

#include "common/Notation.h"
#include "common/Text.h"
#include "report/PageText.h"

namespace tallowen {

std::array<std::string, 4> PlayerNames(const Deal& deal) {
    std::array<std::string, 4> names;
    for (int seat = 0; seat < 4; ++seat)
        names[seat] = deal.Names[seat].empty() ? deal.AuctionNames[seat] : deal.Names[seat];
    return names;
}

void MakeNameForms(Board& board, const FontMetrics& metrics) {
    board.names = PlayerNames(board.deal);
    board.bidNames = board.names;
    FitNames(metrics, board.bidNames);
    for (int seat = 0; seat < 4; ++seat)
        board.playNames[seat] = TruncToWidth(metrics, board.names[seat], kPlayNameWidth);
}

std::string BoardHeaderText(const Board& board, bool html) {
    // The date comes from the record's file name, which may hold any character a file name
    // can ("1&_&x_001.brg"); in a page it is escaped like every other recorded text.
    return (html ? HtmlEscape(board.displayDate) : board.displayDate) +
           (html ? ": Board &#35;" : ": Board #") + NumText(board.number) +
           "  Dealer: " + SeatName(board.deal.Dealer);
}

std::optional<std::string> VulText(int northSouth, int eastWest) {
    if (northSouth == 0 && eastWest == 0) return "Both Non-Vul";
    if (northSouth == 1 && eastWest == 0) return "N-S  Vul";
    if (northSouth == 0 && eastWest == 1) return "E-W  Vul";
    if (northSouth == 1 && eastWest == 1) return "Both Vul";
    return std::nullopt;
}

bool SeatVulnerable(const Deal& deal, int seat) {
    return deal.ScoreBefore[static_cast<std::size_t>(SideOf(seat))].Vul == 1;
}

bool HasContract(const Deal& deal) {
    return deal.Level >= 1 && deal.Level <= 7;
}

bool DealerKnown(const Deal& deal) {
    if (deal.Dealer < 0 || deal.Dealer >= kSeats) return false;
    for (int round = 1; round <= MinOf(deal.Rounds, kMaxRounds); ++round)
        for (const std::string& call : deal.Calls[round])
            if (!Trim(call).empty()) return true;
    return false;
}

}  // namespace tallowen

#include "report/PbnWriter.h"

#include <algorithm>
#include <cstdlib>

#include "common/Notation.h"
#include "common/Text.h"

namespace tallowen {

namespace {

std::string SeatLetterOrUnknown(int seat) {
    return seat >= 0 && seat < kSeats ? SeatLetter(seat) : "?";
}

// A call in PBN's spelling; empty when the text is no call PBN knows.
std::string PbnCall(const std::string& raw) {
    std::string call = Trim(raw);
    if (IsPass(call)) return "Pass";
    if (call == "X" || call == "XX") return call;
    if (call.size() >= 2 && call[0] >= '1' && call[0] <= '7') {
        std::string strain = call.substr(1);
        if (strain == "C" || strain == "D" || strain == "H" || strain == "S" || strain == "NT")
            return call;
    }
    return {};
}

// The hand of one seat in PBN's suit order, or "-" when any of its 13 cards is unknown or
// also held by another seat.
std::string PbnHand(const Deal& deal, int seat) {
    const auto& hand = deal.PlayCodes[seat];
    for (std::size_t i = 0; i < hand.size(); ++i) {
        if (!IsCardCode(hand[i])) return "-";
        for (int other = 0; other < kSeats; ++other)
            for (std::size_t j = 0; j < hand.size(); ++j)
                if ((other != seat || j != i) && deal.PlayCodes[other][j] == hand[i]) return "-";
    }
    std::string suits[4];  // spades first
    for (int rank = 14; rank >= 2; --rank)
        for (std::int16_t code : hand)
            if (CardRank(code) == rank) suits[3 - CardSuit(code)] += RankText(rank);
    return suits[0] + "." + suits[1] + "." + suits[2] + "." + suits[3];
}

std::string Tag(std::string_view name, std::string_view value) {
    return "[" + std::string(name) + " \"" + PbnString(value) + "\"]";
}

std::string Vulnerable(const Deal& deal) {
    const int ns = deal.ScoreBefore[0].Vul;
    const int ew = deal.ScoreBefore[1].Vul;
    if ((ns != 0 && ns != 1) || (ew != 0 && ew != 1)) return "?";
    return ns && ew ? "All" : ns ? "NS" : ew ? "EW" : "None";
}

std::string TricksTaken(const Deal& deal) {
    if (!HasContract(deal) || deal.Result == 0) return "?";
    int tricks = deal.Result > 0 ? deal.Result + 6 : deal.Level + 6 + deal.Result;
    return tricks >= 0 && tricks <= 13 ? NumText(tricks) : "?";
}

std::string NorthSouthScore(const Deal& deal) {
    if (deal.Contract == "Pass Out") return "NS 0";
    if (!HasContract(deal) || deal.Result == 0 || deal.DupPts == 0) return "?";
    // The declarers' points when made, the defenders' when not; then as North-South see it.
    int points = deal.Result > 0 ? std::abs(deal.DupPts) : -std::abs(deal.DupPts);
    if (SideOf(deal.Declarer) == 1) points = -points;
    return "NS " + NumText(points);
}

std::string Signed(int n) {
    return n > 0 ? "+" + NumText(n) : NumText(n);
}

// The supplemental tags, after the mandatory ones and before the sections, sorted by name.
void WriteSupplementalTags(PageText& pbn, const Deal& deal, const DdResult* dd) {
    const bool par = dd && dd->analysed;
    if (par) pbn.Line(Tag("OptimumScore", dd->par.known ? "NS " + NumText(dd->par.score) : "?"));
    if (par) pbn.Line(Tag("ParContract", dd->par.known ? PbnParContract(dd->par) : "?"));
    if (par && !dd->par.known) pbn.Line("{Par: " + dd->par.why + "}");
    pbn.Line(Tag("Score", NorthSouthScore(deal)));
}

// The double-dummy table, a supplemental section after the auction and the play.
void WriteDoubleDummyTable(PageText& pbn, const DdResult& dd) {
    if (!dd.analysed) {
        pbn.Line("{Double dummy: not analysed, " + dd.why + "}");
        return;
    }
    pbn.Line("[OptimumResultTable \"Declarer;Denomination\\2R;Result\\2R\"]");
    for (int seat : {0, 2, 1, 3}) {
        for (int strain : {4, 3, 2, 1, 0}) {
            std::string denomination = strain == kNoTrump ? "NT" : " " + SuitLetter(strain);
            int tricks = dd.table.tricks[strain][seat];
            pbn.Line(SeatLetter(seat) + " " + denomination + " " + (tricks < 10 ? " " : "") +
                     NumText(tricks));
        }
    }
}

}  // namespace

std::string PbnString(std::string_view text) {
    std::string out;
    for (char ch : text) {
        if (ch == '"' || ch == '\\') out += '\\';
        out += static_cast<unsigned char>(ch) < 0x20 || ch == 0x7F ? ' ' : ch;
    }
    return out;
}

std::string PbnContract(const Deal& deal) {
    if (deal.Contract == "Pass Out") return "Pass";
    if (!HasContract(deal) || deal.Strain < 0 || deal.Strain > kNoTrump) return "?";
    std::string doubled = deal.Doubled == 1 ? "X" : deal.Doubled == 2 ? "XX" : "";
    return NumText(deal.Level) + SuitLetter(deal.Strain) + doubled;
}

std::string PbnDeal(const Deal& deal, int first) {
    std::string out = SeatLetter(first) + ":";
    for (int i = 0; i < kSeats; ++i) out += (i ? " " : "") + PbnHand(deal, (first + i) % kSeats);
    return out;
}

std::vector<std::string> PbnAuction(const Deal& deal) {
    // The cells in the order the calls were made; those before the dealer's first are empty.
    std::vector<std::string> cells;
    for (int round = 1; round <= MinOf(deal.Rounds, kMaxRounds); ++round)
        for (int seat = 0; seat < kSeats; ++seat) cells.push_back(deal.Calls[round][seat]);
    std::size_t at = 0;
    while (at < cells.size() && Trim(cells[at]).empty()) ++at;
    std::vector<std::string> calls;
    bool complete = false;
    for (; at < cells.size() && !complete; ++at) {
        std::string call = PbnCall(cells[at]);
        if (call.empty()) break;  // a missing or unreadable call: what follows is unknown
        calls.push_back(call);
        // Four passes, or three after any other call, end the auction: either way at least
        // four calls, the last three passes.
        const std::size_t n = calls.size();
        complete =
            n >= 4 && calls[n - 1] == "Pass" && calls[n - 2] == "Pass" && calls[n - 3] == "Pass";
    }
    if (!complete) calls.push_back("*");
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < calls.size(); i += kSeats) {
        std::string line;
        for (std::size_t k = i; k < calls.size() && k < i + kSeats; ++k)
            line += (k > i ? " " : "") + calls[k];
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> PbnPlay(const Deal& deal, int leader) {
    std::vector<std::string> lines;
    int full = 0;
    for (int t = 0; t < kTricks; ++t) {
        std::string line;
        int played = 0;
        for (int i = 0; i < kSeats; ++i) {
            const int seat = (leader + i) % kSeats;
            const int code = CardCode(deal.Cards[seat][t]);
            const bool known = IsCardCode(code) && deal.CardMarks[seat][t] != 2;
            line += (i ? " " : "") + (known ? SuitLetter(CardSuit(code)) + RankText(CardRank(code))
                                            : std::string("-"));
            played += known ? 1 : 0;
        }
        if (played == 0) break;
        lines.push_back(line);
        full += played == kSeats ? 1 : 0;
    }
    if (full < kTricks) lines.push_back("*");
    return lines;
}

std::string PbnParContract(const DdPar& par) {
    if (par.contracts.empty()) return par.passOut ? "Pass" : "?";
    std::vector<std::string> written;
    for (const ParContract& c : par.contracts) {
        const bool northSouth = c.seats.find_first_of("NS") != std::string::npos;
        std::string text = std::string(northSouth ? "NS " : "EW ") + NumText(c.level) +
                           SuitLetter(c.strain) + (c.doubled ? "X" : "");
        if (c.overTricks != 0) text += Signed(c.overTricks);
        // "3NT-N" and "3NT-S" both read "NS 3NT" by side.
        if (std::find(written.begin(), written.end(), text) == written.end())
            written.push_back(text);
    }
    std::string out;
    for (const std::string& text : written) out += (out.empty() ? "" : ", ") + text;
    return out;
}

void WritePbnBoard(PageText& pbn, const Board& board, std::string_view date, const DdResult* dd) {
    const Deal& d = board.deal;
    const bool dealerKnown = DealerKnown(d);
    const bool contract = HasContract(d) && d.Declarer >= 0 && d.Declarer < kSeats;
    const bool passedOut = d.Contract == "Pass Out";
    auto name = [&](int seat) { return board.names[seat].empty() ? "?" : board.names[seat]; };
    pbn.Line(Tag("Event", "?"));
    pbn.Line(Tag("Site", "?"));
    pbn.Line(Tag("Date", date));
    pbn.Line(Tag("Board", NumText(board.number)));
    pbn.Line(Tag("West", name(ToInt(Seat::West))));
    pbn.Line(Tag("North", name(ToInt(Seat::North))));
    pbn.Line(Tag("East", name(ToInt(Seat::East))));
    pbn.Line(Tag("South", name(ToInt(Seat::South))));
    pbn.Line(Tag("Dealer", dealerKnown ? SeatLetter(d.Dealer) : "?"));
    pbn.Line(Tag("Vulnerable", Vulnerable(d)));
    pbn.Line(Tag("Deal", PbnDeal(d, dealerKnown ? d.Dealer : ToInt(Seat::North))));
    pbn.Line(Tag("Scoring", "?"));
    pbn.Line(Tag("Declarer", contract ? SeatLetter(d.Declarer) : passedOut ? "" : "?"));
    pbn.Line(Tag("Contract", PbnContract(d)));
    pbn.Line(Tag("Result", passedOut ? "" : TricksTaken(d)));
    WriteSupplementalTags(pbn, d, dd);
    if (dealerKnown) {
        pbn.Line(Tag("Auction", SeatLetter(d.Dealer)));
        for (const std::string& line : PbnAuction(d)) pbn.Line(line);
    }
    if (contract) {
        const int leader = (d.Declarer + 1) % kSeats;
        std::vector<std::string> play = PbnPlay(d, leader);
        if (!(play.size() == 1 && play[0] == "*")) {
            pbn.Line(Tag("Play", SeatLetterOrUnknown(leader)));
            for (const std::string& line : play) pbn.Line(line);
        }
    }
    if (dd) WriteDoubleDummyTable(pbn, *dd);
    pbn.Line();
}

void WritePbnHead(PageText& pbn, std::string_view creator) {
    pbn.Line("% PBN 2.1");
    pbn.Line("% EXPORT");
    pbn.Line("%Content-type: text/x-pbn; charset=ISO-8859-1");
    pbn.Line("%Creator: " + std::string(creator));
    pbn.Line();
}

}  // namespace tallowen

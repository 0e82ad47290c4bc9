#include "report/BoardHtml.h"

#include <cstdlib>

#include "common/Notation.h"
#include "common/Text.h"
#include "common/Utf8.h"
#include "report/DdPage.h"
#include "report/PageHead.h"

namespace tallowen {

namespace {

constexpr int kSpades = ToInt(Suit::Spades);

// The contract part of the bidding table's last row.
std::string ContractMarkup(const Deal& deal) {
    std::string line = "&nbsp;Contract<b>:</b> ";
    // A passed-out board (or an unfinished auction) has no declarer to name.
    if (HasContract(deal)) line += SeatName(deal.Declarer) + ",&nbsp; ";
    line += HtmlEscape(deal.Contract);
    if (deal.Result != 0) {
        line += ", &nbsp; ";
        line += deal.Result > 0 ? "making " : "down ";
        line += NumText(std::abs(deal.Result)) + " ";
        line += deal.Result > 0 ? "&nbsp;( +" : "&nbsp;( &minus;";
        line += NumText(std::abs(deal.DupPts)) + " )";
    }
    return line;
}

// One card of the play table: the mark's bracket, the suit mark, the rank.
std::string PlayCellMarkup(const PageStyle& style, const std::string& card, int mark) {
    // By characters: a rank written with a character of several bytes stays whole.
    const auto chars = SplitChars(card);
    if (chars.size() < 2) return {};  // no card recorded in this place
    std::string open = mark == 1 ? "[" : mark == 2 ? "(" : "";
    std::string close = mark == 1 ? "]" : mark == 2 ? ")" : "";
    return open + SuitMarkup(style, SuitIndex(chars[1])) + HtmlEscape(chars[0]) + close;
}

}  // namespace

void WriteBoardHeader(PageText& page, const Board& board) {
    page.Line("<div class=clrboth><hr class=hr2>");
    page.Line(BoardHeaderText(board, true) + "<br>");
    const Deal& d = board.deal;
    if (auto vul = VulText(d.ScoreBefore[0].Vul, d.ScoreBefore[1].Vul)) page.Line(*vul);
    page.Line("</div>");
}

void WriteBidCell(PageText& page, const PageStyle& style, std::string_view call) {
    page.Put("  <td>");
    auto chars = SplitChars(call);
    if (chars.size() == 2 && call[0] >= '1' && call[0] <= '7') {
        page.Put(call.substr(0, 1));
        WriteSuitMark(page, style, SuitIndex(chars[1]));
    } else if (call == "パス") {
        page.Put("&#12497;&#12473;");
    } else {
        page.Put(HtmlEscape(call));
    }
    page.Line();
}

void WriteBidTable(PageText& page, const PageContext& ctx, const Board& board) {
    const Deal& d = board.deal;
    WriteLangChoice(page, ctx.style, "<!-- ビッド経過 -->", "<!-- Bidding -->");
    page.Line(ctx.style.strict ? "<table border=1 class=bid>"
                               : "<table border=1 align=right class=bid>");
    page.Line(" <tr>");
    for (int seat = 0; seat < 4; ++seat)
        page.Line((SeatVulnerable(d, seat) ? " <td class=vul>" : "  <td>") + SeatName(seat));
    page.Line(" <tr>");
    for (int seat = 0; seat < 4; ++seat) page.Line("  <td>" + HtmlEscape(board.bidNames[seat]));
    for (int round = 1; round <= MinOf(d.Rounds, kMaxRounds); ++round) {
        page.Line(" <tr>");
        for (int seat = 0; seat < 4; ++seat)
            WriteBidCell(page, ctx.style, Trim(d.Calls[round][seat]));
    }
    page.Line("<tr>");
    page.Line(" <td colspan=4>");
    page.Line(ContractMarkup(d));
    page.Line("</table>");
    page.Line();
}

void WriteSuitCell(PageText& page, const PageStyle& style, int suit) {
    page.Line("  <td>" + SuitMarkup(style, suit));
}

void WriteEmptyCells(PageText& page, int n) {
    for (int i = 0; i < n; ++i) page.Line("  <td>");
}

void prnHTM_HandName(PageText& page, const PageContext& ctx, const Board& board, int seat) {
    const bool northSouth = SideOf(seat) == 0;
    // Only a bid contract has a declarer to show; a passed-out board has none.
    const bool bold = HasContract(board.deal) && board.deal.Declarer == seat;
    std::string name = TruncToWidth(ctx.metrics, board.names[seat],
                                    northSouth ? kHandNameWidthNS : kHandNameWidthEW);
    page.Line(std::string("  <td colspan=") + (northSouth ? "4" : "2") + " class=lft>" +
              (bold ? "<b>" : "") + HtmlEscape(name) + (bold ? "</b>" : ""));
}

void print_Cards(PageText& page, const Board& board, int seat, int suit) {
    const Deal& d = board.deal;
    page.Put("  <td class=cds>");
    for (std::int16_t code : d.SortedCodes[seat]) {
        if (code <= 0 || CardSuit(code) != suit) continue;
        std::string rank = RankText(CardRank(code));
        if (seat == d.LeadSeat && code == d.LeadCode)
            page.Put("<span class=vd>" + rank + "</span>");
        else
            page.Put(rank);
    }
    page.Line();
}

void WriteHandTable(PageText& page, const PageContext& ctx, const Board& board) {
    WriteLangChoice(page, ctx.style, "<!-- ハンド -->", "<!-- Hand -->");
    page.Line(ctx.style.strict ? "<table border=0 class=hand>"
                               : "<table border=0 align=left class=hand>");
    page.Line(" <tr>");
    WriteEmptyCells(page, 2);
    prnHTM_HandName(page, ctx, board, ToInt(Seat::North));
    for (int suit = kSpades; suit >= 0; --suit) {
        page.Line(" <tr>");
        if (suit == ToInt(Suit::Clubs))
            prnHTM_HandName(page, ctx, board, ToInt(Seat::West));
        else
            WriteEmptyCells(page, 2);
        WriteSuitCell(page, ctx.style, suit);
        print_Cards(page, board, ToInt(Seat::North), suit);
        if (suit == ToInt(Suit::Clubs))
            prnHTM_HandName(page, ctx, board, ToInt(Seat::East));
        else
            WriteEmptyCells(page, 2);
    }
    for (int suit = kSpades; suit >= 0; --suit) {
        page.Line(" <tr>");
        WriteSuitCell(page, ctx.style, suit);
        print_Cards(page, board, ToInt(Seat::West), suit);
        WriteEmptyCells(page, 2);
        WriteSuitCell(page, ctx.style, suit);
        print_Cards(page, board, ToInt(Seat::East), suit);
    }
    for (int suit = kSpades; suit >= 0; --suit) {
        page.Line(" <tr>");
        WriteEmptyCells(page, 2);
        WriteSuitCell(page, ctx.style, suit);
        print_Cards(page, board, ToInt(Seat::South), suit);
        WriteEmptyCells(page, 2);
    }
    page.Line(" <tr>");
    WriteEmptyCells(page, 2);
    prnHTM_HandName(page, ctx, board, ToInt(Seat::South));
    page.Line("</table>");
    page.Line();
    if (board.dd) WriteDdHtml(page, ctx.style, *board.dd);
    page.Line("<div class=clrboth><hr></div>");
    page.Line();
}

void write_HtmPlay(PageText& page, const PageStyle& style, const Board& board) {
    const Deal& d = board.deal;
    WriteLangChoice(page, style, "<!-- プレイ経過 -->", "<!-- Play -->");
    if (style.strict) {
        page.Line("<div class=ctr>");
        page.Line("<table border=0 class=play>");
    } else {
        page.Line("<table border=0 align=center class=play>");
    }
    page.Line(" <tr class=htp1>");
    WriteEmptyCells(page, 2);
    for (int trick = 1; trick <= kTricks; ++trick) page.Put("  <td>" + NumText(trick));
    page.Put(" <tr><td colspan=15><hr>");
    // A passed-out board was never played: no trick has a winner to show.
    const bool played = HasContract(d);
    const DdPlay* dd = board.dd && board.dd->play.analysed ? &board.dd->play : nullptr;
    for (int seat = 0; seat < 4; ++seat) {
        page.Line(" <tr class=htp2>");
        page.Line("  <td>" + SeatLetter(seat) + ":");
        page.Line("  <td class=lft>" + HtmlEscape(board.playNames[seat]));
        for (int t = 0; t < kTricks; ++t) {
            page.Line((played && d.TrickWon[seat][t] ? "  <td class=wht>" : "  <td>") +
                      PlayCellMarkup(style, d.Cards[seat][t], d.CardMarks[seat][t]) +
                      (dd ? DdLostHtml(dd->lost[seat][t]) : ""));
        }
    }
    page.Line("</table>");
    if (board.dd) page.Line("<p class=dd>" + DdPlayText(d, board.dd->play, &style) + "</p>");
    if (style.strict) page.Line("</div>");
}

void WritePageEndRule(PageText& page) {
    page.Line("<div class=clrboth><hr class=hr2>");
    page.Line("</div>");
}

void WriteBoardHtml(PageText& page, const PageContext& ctx, const Board& board) {
    WriteBoardHeader(page, board);
    WriteBidTable(page, ctx, board);
    WriteHandTable(page, ctx, board);
    write_HtmPlay(page, ctx.style, board);
}

}  // namespace tallowen

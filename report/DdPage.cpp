#include "report/DdPage.h"

#include <cstdlib>

#include "common/Notation.h"
#include "common/Text.h"
#include "report/PageHead.h"

namespace tallowen {

namespace {

// Rows North, South, East, West (the partnerships together); columns no trump, then spades
// down to clubs, as players read a double-dummy table.
constexpr int kRowSeats[4] = {0, 2, 1, 3};
constexpr int kColumnStrains[5] = {4, 3, 2, 1, 0};

std::string Strain(int strain, const PageStyle* marks) {
    if (strain == kNoTrump) return "NT";
    return marks ? SuitMarkup(*marks, strain) : SuitLetter(strain);
}

std::string SignedNumber(int n, bool html) {
    if (n > 0) return "+" + NumText(n);
    if (n < 0) return (html ? "&minus;" : "-") + NumText(-n);
    return "0";
}

}  // namespace

std::string DdStyleRule(const PageStyle& style) {
    return std::string(" table.dd{clear:left;") + (style.strict ? "float:left;" : "") +
           "margin-top:1ex;line-height:2.2ex;background-color:" + style.backColor4 +
           ";border:2px ridge}" +
           " span.ddl{color:#c00000;font-size:smaller;font-weight:bold;vertical-align:super}" +
           " p.dd{text-align:center;margin:0.5ex 0}";
}

std::string DdParText(const DdPar& par, const PageStyle* marks) {
    const bool html = marks != nullptr;
    if (!par.known) return "Par unknown: " + par.why;
    std::string text = "Par NS " + SignedNumber(par.score, html) + ":";
    if (par.contracts.empty()) return text + " Pass";
    for (std::size_t i = 0; i < par.contracts.size(); ++i) {
        const ParContract& c = par.contracts[i];
        text += (i ? ", " : " ") + NumText(c.level) + Strain(c.strain, marks) +
                (c.doubled ? "x" : "") + " " + c.seats;
        if (c.overTricks != 0) text += " " + SignedNumber(c.overTricks, html);
    }
    return text;
}

void WriteDdHtml(PageText& page, const PageStyle& style, const DdResult& dd) {
    WriteLangChoice(page, style, "<!-- ダブルダミー -->", "<!-- Double dummy -->");
    page.Line(style.strict ? "<table border=1 class=dd>" : "<table border=1 align=left class=dd>");
    if (!dd.analysed) {
        page.Line(" <tr>");
        page.Line("  <td class=lft>Double dummy: not analysed, " + HtmlEscape(dd.why));
        page.Line("</table>");
        page.Line();
        return;
    }
    page.Line(" <tr>");
    page.Line("  <td>");
    for (int strain : kColumnStrains) page.Line("  <td>" + Strain(strain, &style));
    for (int seat : kRowSeats) {
        page.Line(" <tr>");
        page.Line("  <td>" + SeatLetter(seat));
        for (int strain : kColumnStrains)
            page.Line("  <td>" + NumText(dd.table.tricks[strain][seat]));
    }
    page.Line(" <tr>");
    page.Line("  <td colspan=6 class=lft>" + DdParText(dd.par, &style));
    page.Line("</table>");
    page.Line();
}

std::string DdPlayText(const Deal& deal, const DdPlay& play, const PageStyle* marks) {
    if (!play.analysed) return "Double dummy play: not analysed, " + play.why;
    const bool html = marks != nullptr;
    const int tricks = play.tricks.empty() ? 0 : play.tricks.front();
    const int over = tricks - (deal.Level + 6);
    std::string contract = NumText(deal.Level) + Strain(deal.Strain, marks) +
                           (deal.Doubled == 2   ? "xx"
                            : deal.Doubled == 1 ? "x"
                                                : "") +
                           (over == 0 ? "=" : SignedNumber(over, html));
    auto trick = [](int n) { return NumText(n) + (n == 1 ? " trick" : " tricks"); };
    return "Double dummy before the opening lead: " + contract + " by " + SeatName(deal.Declarer) +
           " (" + trick(tricks) + "). Given away in the play: by declarer " +
           trick(play.declarerLost) + ", by the defenders " + trick(play.defendersLost) + ".";
}

std::string DdLostHtml(int lost) {
    if (lost <= 0) return {};
    return "<span class=ddl title=\"gave away " + NumText(lost) +
           (lost == 1 ? " trick" : " tricks") + " double dummy\">" + NumText(lost) + "</span>";
}

std::string DdLostText(int lost) {
    if (lost <= 0) return "    ";
    std::string mark = " ^" + NumText(lost);
    return mark + std::string(4 - MinOf(4, static_cast<int>(mark.size())), ' ');
}

std::vector<std::string> DdTextLines(const DdResult& dd) {
    if (!dd.analysed) return {" Double dummy: not analysed, " + dd.why};
    std::vector<std::string> lines;
    std::string head = " Double dummy ";
    for (int strain : kColumnStrains) {
        std::string name = Strain(strain, nullptr);
        head += std::string(4 - name.size(), ' ') + name;
    }
    lines.push_back(head);
    for (int seat : kRowSeats) {
        std::string row = "   " + SeatName(seat);
        row.resize(14, ' ');
        for (int strain : kColumnStrains) {
            std::string n = NumText(dd.table.tricks[strain][seat]);
            row += std::string(4 - n.size(), ' ') + n;
        }
        lines.push_back(row);
    }
    lines.push_back(" " + DdParText(dd.par, nullptr));
    return lines;
}

}  // namespace tallowen

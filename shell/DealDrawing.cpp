// The upper part of the main window: the play table, the four hands around the table, the
// names and the result.
#include <algorithm>
#include <string>

#include "shell/MainDrawing.h"

namespace tallowen {

namespace {

constexpr int C = kColumnUnit;
constexpr int R = kRowUnit;
constexpr int T = kTopOffset;
constexpr std::uint32_t kBlack = 0;

// By display position: 0 bottom, 1 left, 2 top, 3 right.
constexpr std::array<Point, 4> kHandPlace{{{96, 251}, {1, 171}, {96, 95}, {188, 171}}};
constexpr std::array<Point, 4> kNamePlace{{{112, 342}, {7, 152}, {7, 99}, {222, 152}}};
// The play table's rows, top to bottom: left-hand opponent, partner, right-hand opponent, me.
constexpr std::array<int, 4> kRowPosition{1, 2, 3, 0};
constexpr std::array<std::string_view, 4> kRowLabel{"LHO", "Pard", "RHO", "Me"};

int SeatAt(const std::array<int, 4>& rotation, int position) {
    return std::clamp(rotation[std::size_t(position)], 0, 3);
}

// The longest run of one suit in a sorted hand; empty cards count for nothing.
int LongestSuit(const std::array<std::int16_t, kTricks>& sorted) {
    int longest = 0, run = 0, suit = -1;
    for (std::int16_t code : sorted) {
        if (code <= 0) {
            run = 0;
            suit = -1;
            continue;
        }
        run = CardSuit(code) == suit ? run + 1 : 1;
        suit = CardSuit(code);
        longest = std::max(longest, run);
    }
    return longest;
}

void DrawTrickNumbers(Surface& s) {
    s.pen.font = FontSpec{std::string(kTimes), 10, false};
    s.pen.colour = kBlack;
    s.pen.Y = RoundPx(T - 0.6 * R);
    for (int n = 1; n <= 13; ++n) {
        s.pen.X = RoundPx((n * 5.2 + 9) * C + kLeftMargin - 7) - (n >= 11 ? C : 0);
        Prnt(s, std::to_string(n));
    }
}

void DrawPlayRows(Surface& s, const Deal& deal, const std::array<int, 4>& rotation) {
    for (int i = 0; i < 4; ++i) {
        const int y = RoundPx(((i + 1) * 2.3 - 0.4) * R + T);
        s.pen.font.face = "Arial";
        s.pen.X = kLeftMargin + 15 + (i == 3 ? 5 : 0);
        s.pen.Y = y;
        Prnt(s, kRowLabel[std::size_t(i)]);
        const std::size_t seat = std::size_t(SeatAt(rotation, kRowPosition[std::size_t(i)]));
        for (int t = 0; t < kTricks; ++t) {
            const int x = kPlayColumn * t + kLeftMargin + t + 53;
            dspCardP(s.canvas, s.cards, x, y, deal.PlayCodes[seat][std::size_t(t)],
                     deal.CardMarks[seat][std::size_t(t)],
                     deal.TrickWon[seat][std::size_t(t)] != 0);
        }
    }
    s.pen.font.face = kTimes;
}

}  // namespace

void DrawPlayTable(Surface& s, const MainLayout& layout, const Deal& deal,
                   const std::array<int, 4>& rotation) {
    ClrPlayArea(s.canvas, layout);
    const int right = layout.innerWidth - 17;
    const int bottom = 12 * R;
    s.canvas.Fill(Rect{10, T - R + 3, right + 1, bottom + 1}, layout.backColor2);
    DrawTrickNumbers(s);
    DrawPlayRows(s, deal, rotation);
    s.canvas.Frame(Rect{10, T - R + 2, right + 1, bottom + 1}, kBlack, 1);
    const int rule = RoundPx(1.5 * R + T);
    s.canvas.Line(Point{10, rule}, Point{right, rule}, kBlack, 1);
}

void DrawHands(Surface& s, const MainLayout& layout, const Deal& deal,
               const std::array<int, 4>& rotation) {
    ClrHandArea(s.canvas, layout);
    std::array<int, 4> length{};
    for (int p = 0; p < 4; ++p)
        length[std::size_t(p)] = LongestSuit(deal.SortedCodes[std::size_t(SeatAt(rotation, p))]);
    // The left and right hands line up with each other.
    length[1] = length[3] = std::max(length[1], length[3]);
    for (int p = 0; p < 4; ++p) {
        const std::size_t seat = std::size_t(SeatAt(rotation, p));
        const int indent = length[std::size_t(p)] < 8 ? s.cards.CellWidth : 0;
        s.pen.Y = kHandPlace[std::size_t(p)].y + 2;
        for (int suit = 3; suit >= 0; --suit) {
            s.pen.X = kHandPlace[std::size_t(p)].x + indent;
            dspSuitMarkH(s.canvas, s.cards, s.pen.X, s.pen.Y, suit);
            for (std::int16_t code : deal.SortedCodes[seat])
                if (code > 0 && CardSuit(code) == suit)
                    dspCardH(s.canvas, s.cards, s.pen.X, s.pen.Y, code, code == deal.LeadCode);
            s.pen.Y += 18;
        }
    }
}

void DrawNamesResult(Surface& s, const Deal& deal, const std::array<int, 4>& rotation) {
    s.pen.font = FontSpec{std::string(kTimes), 12, false};
    s.pen.colour = kBlack;
    for (int p = 0; p < 4; ++p) {
        const int seat = SeatAt(rotation, p);
        s.pen.curX = kNamePlace[std::size_t(p)].x;
        s.pen.curY = kNamePlace[std::size_t(p)].y;
        // A passed-out board has no declarer to pick out.
        s.pen.font.bold = deal.Level != 0 && seat == deal.Declarer;
        print_(s, truncText(s.canvas, s.pen.font, deal.Names[std::size_t(seat)], 86));
    }
    s.pen.font.bold = false;
    if (deal.Result == 0) return;
    const int left = 46 * C + kLeftMargin;
    s.pen.X = left;
    s.pen.Y = T + 12 * R;
    DspContract(s, deal.Contract, 1);
    s.pen.X = left;
    s.pen.Y = RoundPx(s.pen.curY + 2 * R + 1);
    Prnt(s, deal.Result > 0 ? "making " + std::to_string(deal.Result)
                            : "down " + std::to_string(-deal.Result));
    s.pen.X = left;
    s.pen.Y += 2 * R + 2;
    if (deal.Result < 0) {
        s.pen.font.face = "Courier New";
        Prnt(s, "-");
        s.pen.font.face = kTimes;
    }
    Prnt(s, std::to_string(deal.DupPts) + " pts");
}

}  // namespace tallowen

// The auction area under the buttons, the clearing of the window's areas and the alert
// border.
#include "shell/MainDrawing.h"

#include <algorithm>

#include "common/Utf8.h"

namespace tallowen {

namespace {

constexpr int C = kColumnUnit;
constexpr int R = kRowUnit;
constexpr std::uint32_t kBlack = 0;
constexpr std::uint32_t kAlertRed = ColourRef(255, 0, 0);
constexpr std::string_view kContractJapanese = "コントラクト";
constexpr int kJapaneseClient = 2;

int ClampRounds(int rounds) {
    return std::clamp(rounds, 0, kMaxRounds);
}

// The player names over the four columns, cut to fit and centred, red for a side that was
// vulnerable before the board.
void DrawHeadings(Surface& s, const Deal& deal, int mode, int x0, int y0) {
    const SeatNames& names = mode == 1 ? deal.AuctionNames : deal.Names;
    s.pen.font = FontSpec{std::string(kTimes), 13, false};
    for (int seat = 0; seat < 4; ++seat) {
        const std::string name = truncText(s.canvas, s.pen.font, names[std::size_t(seat)], 68);
        const double centre = ((seat + 1) * 14.7 - 14.4 + 7.25) * C + x0;
        const bool vulnerable = deal.ScoreBefore[std::size_t(SideOf(seat))].Vul == 1;
        s.pen.colour = vulnerable ? kVulnerableRed : kBlack;
        // Every heading stands on the same line.
        s.pen.curX = RoundPx(centre - s.canvas.TextWidth(name, s.pen.font) / 2.0);
        s.pen.curY = 1.6 * R + y0;
        print_(s, name);
    }
    s.pen.colour = kBlack;
    s.pen.font.bold = false;
}

void DrawCalls(Surface& s, const Deal& deal, int rounds, int x0, int y0) {
    s.pen.font.points = 14;
    for (int r = 1; r <= rounds; ++r) {
        s.pen.Y = RoundPx((r * 2.5 + 2.5) * R + y0);
        for (int seat = 0; seat < 4; ++seat) {
            const std::string& call = deal.Calls[std::size_t(r)][std::size_t(seat)];
            s.pen.X = RoundPx(((seat + 1) * 14.5 - 8 - 0.5 * double(CharCount(call))) * C + x0);
            Dsp_Bid(s, call);
        }
    }
}

// "Contract : North  4Hx" under the last round.
void DrawContractLine(Surface& s, const MainLayout& layout, const Deal& deal, int x0) {
    s.pen.Y = RoundPx(s.pen.Y + 3.2 * R + 1);
    s.pen.X = 20 * C + x0;
    s.pen.font.points = layout.designPoints;
    const bool japanese = layout.language == kJapaneseClient;
    s.pen.font.face = japanese && !s.interfaceFont.empty() ? s.interfaceFont : std::string(kTimes);
    Prnt(s, japanese ? kContractJapanese : "Contract");
    s.pen.font.bold = true;
    Prnt(s, " :");
    s.pen.font.bold = false;
    s.pen.font.face = kTimes;
    Prnt(s, " " + SeatName(deal.Declarer) + "  ");
    DspContract(s, deal.Contract, 2);
}

}  // namespace

WindowSize AuctionWindowSize(const MainLayout& layout, int rounds) {
    rounds = ClampRounds(rounds);
    if (rounds == 0) return {layout.baseWidth, layout.baseHeight};
    int height = layout.baseHeight + RoundPx((rounds + 3.5) * 2.5 * R);
    if (layout.spareHeight == 0) height -= 25;
    return {layout.baseWidth, height};
}

WindowSize DrawAuctionArea(Surface& s, const MainLayout& layout, const Deal& deal, int mode,
                           bool& borderShown) {
    const int rounds = ClampRounds(deal.Rounds);
    const WindowSize size = AuctionWindowSize(layout, rounds);
    if (rounds == 0) return size;
    const std::uint32_t frame = mode == 1 ? kFrameBlue : kNavy;
    const int x0 = kLeftMargin + 18 * C;
    const int y0 = layout.cmdEndBottom + 8;
    ClrAuctionArea(s.canvas, layout, borderShown);
    DrawHeadings(s, deal, mode, x0, y0);
    DrawCalls(s, deal, rounds, x0, y0);
    if (deal.Level != 0) DrawContractLine(s, layout, deal, x0);
    const int height = RoundPx((rounds * 2.5 + 4.5) * R);
    s.canvas.Frame(Rect{x0, y0 + R, x0 + 60 * C, y0 + R + height}, frame, 1);
    const int rule = RoundPx(y0 + 4.5 * R);
    s.canvas.Line(Point{x0, rule}, Point{x0 + 60 * C, rule}, frame, 1);
    return size;
}

void ClrPlayArea(Canvas& canvas, const MainLayout& layout) {
    canvas.Fill(Rect{0, 0, layout.innerWidth + 1, RoundPx(12.5 * R) + 1}, layout.backColor);
}

void ClrHandArea(Canvas& canvas, const MainLayout& layout) {
    canvas.Fill(Rect{0, RoundPx(12.5 * R), layout.recordListLeft, layout.cmdEndBottom + 2},
                layout.backColor);
}

void ClrAuctionArea(Canvas& canvas, const MainLayout& layout, bool& borderShown) {
    const Rect inner = canvas.Extent();
    canvas.Fill(Rect{0, layout.cmdEndBottom, inner.right, inner.bottom}, layout.backColor);
    borderShown = false;
}

void DrawBorderLine(Canvas& canvas, const MainLayout& layout, bool& borderShown) {
    if (borderShown) return;
    canvas.Fill(Rect{0, layout.borderY - 1, layout.innerWidth, layout.borderY + 3}, kAlertRed);
    borderShown = true;
}

void EraseBorderLine(Canvas& canvas, const MainLayout& layout, bool& borderShown) {
    if (!borderShown) return;
    canvas.Fill(Rect{0, layout.borderY - 3, layout.innerWidth, layout.borderY + 3},
                layout.backColor);
    borderShown = false;
}

}  // namespace tallowen

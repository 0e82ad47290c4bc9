#include "shell/BiddingBoard.h"

#include <algorithm>

#include "common/Notation.h"
#include "common/Utf8.h"

namespace tallowen {

namespace {

constexpr double kColumn = 4.5;
constexpr int kLeft = 3;
constexpr int kRow = 7;
constexpr double kRowStep = 2.7;
constexpr int kFrameWidth = 270;
constexpr int kBottomGap = 10;
constexpr std::uint32_t kBlack = 0;
constexpr std::uint32_t kVulnerableRed = ColourRef(192, 0, 48);
constexpr std::uint32_t kFrameBlue = ColourRef(0, 0, 232);
constexpr int kJapaneseClient = 2;

int Top(bool withContract) {
    return withContract ? 12 : 0;
}

// The last round's line, or 0 without calls.
int LastRoundY(int rounds, int top) {
    return rounds > 0 ? RoundPx((kRowStep * rounds + 2.5) * kRow + top) : 0;
}

void DrawContract(Surface& s, const BoardLayout& layout, const BoardAuction& auction) {
    s.pen.X = 138;
    s.pen.font.points = 12;
    const bool japanese = layout.language == kJapaneseClient;
    s.pen.font.face = japanese && !s.interfaceFont.empty() ? s.interfaceFont : std::string(kTimes);
    Prnt(s, japanese ? "コントラクト" : "Contract");
    s.pen.font.bold = true;
    Prnt(s, " :");
    s.pen.font.bold = false;
    s.pen.font.face = kTimes;
    Prnt(s, " " + SeatName(auction.declarer) + "  ");
    BoardContract(s, auction.contract);
}

void DrawNames(Surface& s, const BoardAuction& auction, int top) {
    for (int seat = 0; seat < 4; ++seat) {
        const int vul = SideOf(seat) == 0 ? auction.vul0 : auction.vul1;
        s.pen.colour = vul == 1 ? kVulnerableRed : kBlack;
        s.pen.font.bold = seat == auction.declarer;
        const std::string name =
            truncText(s.canvas, s.pen.font, auction.names[std::size_t(seat)], 58);
        const double centre = ((seat + 1) * 14.7 - 14.4 + 7.25) * kColumn + kLeft;
        // Every name stands on the same line.
        s.pen.curX = RoundPx(centre - s.canvas.TextWidth(name, s.pen.font) / 2.0);
        s.pen.curY = top + 11.2;
        print_(s, name);
    }
    s.pen.colour = kBlack;
    s.pen.font.bold = false;
}

}  // namespace

Point BoardOpening(const Rect& saved, const PointXY& configured) {
    if (saved.left == 0 && saved.top == 0) return Point{configured.x, configured.y};
    return Point{saved.left, saved.top};
}

BoardResult BoardPlace(const BoardLayout& layout, int rounds, bool withContract) {
    rounds = std::clamp(rounds, 0, kMaxRounds);
    BoardResult result;
    const int y = RoundPx(3.4 * kRow + LastRoundY(rounds, Top(withContract)) + 1);
    result.height = y + 35 - (layout.spareHeight == 0 ? 10 : 0) + (layout.runtimeKind == 2 ? 6 : 0);
    result.place = layout.place;
    result.place.bottom = result.place.top + result.height;
    if (layout.screenBottom - result.place.bottom < kBottomGap) {
        result.place.top -= kBottomGap;
        result.place.bottom -= kBottomGap;
        result.movedUp = true;
    }
    if (layout.japaneseInterface)
        result.caption = withContract ? " このコントラクトのビッド経過" : " 現在のビッド経過";
    return result;
}

BoardResult Show_Bidding(Surface& s, const BoardLayout& layout, const BoardAuction& auction) {
    const int rounds = std::clamp(auction.rounds, 0, kMaxRounds);
    const bool withContract = auction.level != 0;
    s.canvas.Fill(s.canvas.Extent(), layout.backColor);
    s.pen.Y = 0;
    s.pen.colour = kBlack;
    s.pen.font.bold = false;
    const int top = Top(withContract);
    if (withContract) DrawContract(s, layout, auction);
    s.pen.font = FontSpec{std::string(kTimes), 14, false};
    DrawNames(s, auction, top);
    for (int r = 1; r <= rounds; ++r) {
        s.pen.Y = RoundPx((kRowStep * r + 2.5) * kRow + top);
        for (int seat = 0; seat < 4; ++seat) {
            const std::string& call = auction.calls[std::size_t(r)][std::size_t(seat)];
            s.pen.X =
                RoundPx(((seat + 1) * 14.5 - 8 - 0.5 * double(CharCount(call))) * kColumn + kLeft);
            BoardBid(s, call);
        }
    }
    const int height = RoundPx((kRowStep * rounds + 4.5) * kRow);
    s.canvas.Frame(Rect{kLeft, top + 7, kLeft + kFrameWidth, top + 7 + height}, kFrameBlue, 1);
    const int rule = RoundPx(top + 33.5);
    s.canvas.Line(Point{kLeft, rule}, Point{kLeft + kFrameWidth, rule}, kFrameBlue, 1);
    return BoardPlace(layout, rounds, withContract);
}

void BoardBid(Surface& s, std::string_view call) {
    if (call.empty() || call[0] < '1' || call[0] > '7') {
        Dsp_Bid(s, call);  // words are drawn as in the main window
        return;
    }
    Prnt(s, call.substr(0, 1));
    if (call.size() >= 3 && call.substr(call.size() - 2) == "NT") {
        s.pen.X += 2;
        Prnt(s, "NT");
        return;
    }
    const int suit = SuitIndex(call.substr(call.size() - 1));
    // The club picture sits a pixel to the left of the others.
    int x = s.pen.X - (suit == ToInt(Suit::Clubs) ? 1 : 0);
    const int start = x;
    dspSuitMarkH2(s.canvas, s.cards, x, s.pen.Y + 1, suit);
    s.pen.X += x - start;
}

void BoardContract(Surface& s, std::string_view contract) {
    if (contract.empty()) return;
    Prnt(s, contract.substr(0, 1));
    const std::string_view rest = contract.substr(1);
    const int suit = SuitIndex(rest);
    if (suit == kNoTrump) {
        Prnt(s, rest);
        return;
    }
    dspSuitMarkH2(s.canvas, s.cards, s.pen.X, s.pen.Y - (suit == ToInt(Suit::Clubs) ? 2 : 1), suit);
    if (rest.size() > 1) Prnt(s, rest.substr(1));
}

}  // namespace tallowen

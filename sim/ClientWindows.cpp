#include "sim/ClientWindows.h"

#include "common/Notation.h"
#include "sim/Editions.h"

namespace tallowen {

namespace {

void VLine(Image555& image, int x, std::uint16_t colour) {
    image.Fill(x, 0, x + 1, image.height, colour);
}
void HLine(Image555& image, int y, std::uint16_t colour) {
    image.Fill(0, y, image.width, y + 1, colour);
}

std::uint16_t SuitInk(int suit) {
    return suit == ToInt(Suit::Diamonds) || suit == ToInt(Suit::Hearts) ? kSimRed : kSimBlack;
}

// The 18 codes of a face, suit symbol first, each from its bottom row.
std::array<std::uint8_t, 18> FaceCodes(const CardImageTable& cards, int suit, int rank) {
    std::array<std::uint8_t, 18> codes{};
    const CardImage& s = cards.images[std::size_t(kFirstSuitImage + suit)];
    const CardImage& r = cards.images[std::size_t(rank)];
    for (int i = 0; i < kCardImageCodes; ++i) {
        codes[std::size_t(i)] = s.codes[std::size_t(i)];
        codes[std::size_t(kCardImageCodes + i)] = r.codes[std::size_t(i)];
    }
    return codes;
}

// A card standing upright, its face block at (x, y): row y + 21 - i holds code i.
void UprightCard(Image555& image, const CardImageTable& cards, int x, int y, int suit, int rank,
                 bool highlighted) {
    image.Fill(x - 2, y - 2, x + 10, y + 24, kSimGray);
    image.Fill(x - 1, y - 1, x + 9, y + 23, kSimWhite);
    if (highlighted) image.Fill(x, y, x + 8, y + 22, kSimHighlight);
    const auto codes = FaceCodes(cards, suit, rank);
    for (int i = 0; i < 18; ++i)
        for (int b = 0; b < 8; ++b)
            if (codes[std::size_t(i)] & (0x80 >> b)) image.Set(x + b, y + 21 - i, SuitInk(suit));
}

// A card lying on its side: column x + i holds code i, pixel y as the highest bit.
void SidewaysCard(Image555& image, const CardImageTable& cards, int x, int y, int shift, int suit,
                  int rank, bool highlighted) {
    image.Fill(x - 2, y - 2, x + shift + 24, y + 10, kSimGray);
    image.Fill(x - 1, y - 1, x + shift + 23, y + 9, kSimWhite);
    if (highlighted) image.Fill(x, y, x + shift + 22, y + 8, kSimHighlight);
    const auto codes = FaceCodes(cards, suit, rank);
    for (int i = 0; i < 18; ++i)
        for (int b = 0; b < 8; ++b)
            if (codes[std::size_t(i)] & (0x80 >> b)) image.Set(x + shift + i, y + b, SuitInk(suit));
}

}  // namespace

void PaintBidding(Image555& image, const GlyphPainter& font, const BiddingView& view) {
    image.Fill(0, 0, image.width, image.height, kSimWhite);
    for (int c = 0; c < 4; ++c) VLine(image, c * BiddingView::kColumn, kSimGray);
    VLine(image, image.width - 1, kSimGray);
    HLine(image, BiddingView::kRule, kSimGray);
    for (int c = 0; c < 4; ++c)
        font.Draw(image, c * BiddingView::kColumn + 5, BiddingView::kHeadingTop,
                  view.headings[std::size_t(c)]);
    for (int r = 1; r <= int(view.rows.size()); ++r) {
        if (!BiddingView::Shown(r, image.height)) break;
        const int top = BiddingView::BandTop(r);
        HLine(image, top + 12, kSimGray);
        for (int c = 0; c < 4; ++c)
            font.Draw(image, c * BiddingView::kColumn + 5, top,
                      view.rows[std::size_t(r - 1)][std::size_t(c)]);
    }
}

void PaintScore(Image555& image, const GlyphPainter& font, const ScoreView& view) {
    const int w = image.width, h = image.height;
    image.Fill(0, 0, w, h, kSimWhite);
    image.Fill(0, 0, w, ScoreView::kHeading, kSimGray);
    image.Fill(ScoreView::kDivider, ScoreView::kHeading, ScoreView::kDivider + 1, h, kSimGray);
    const int band = ScoreView::BandRow(h);
    image.Fill(0, band, w, band + 5, kSimGray);
    const int column[2] = {40, ScoreView::kDivider + 10};
    for (int i = 0; i < 2; ++i) {
        font.Draw(image, column[i], 7, view.sides[std::size_t(i)]);
        font.Draw(image, column[i], ScoreView::kVulTop, view.vulnerable[std::size_t(i)]);
    }
    // The left score ends ten pixels before the divider, the right one starts ten after.
    const std::string& left = view.scores[0];
    font.Draw(image, ScoreView::kDivider - 10 - font.Width(left), band + 9, left);
    font.Draw(image, ScoreView::kDivider + 10, band + 9, view.scores[1]);
}

void PaintLastHand(Image555& image, const GlyphPainter& font, const HandView& view) {
    image.Fill(0, 0, image.width, image.height, kSimWhite);
    VLine(image, 0, kSimGray);
    for (int k = 0; k <= 13; ++k) VLine(image, HandView::kFirstCell + view.cell * k, kSimGray);
    for (int line = 0; line <= 4; ++line) HLine(image, HandView::kAnchor + 16 * line, kSimGray);
    for (int line = 0; line < 4; ++line) {
        const int top = HandView::BandTop(line);
        font.Draw(image, 4, top, view.names[std::size_t(line)]);
        for (int k = 0; k < 13; ++k)
            font.Draw(image, HandView::kFirstCell + view.cell * k + 4, top,
                      view.words[std::size_t(line)][std::size_t(k)]);
    }
}

void PaintLastTrick(Image555& image, const CardImageTable& cards, const TrickView& view) {
    using V = TrickView;
    image.Fill(0, 0, image.width, image.height, kSimFelt);
    auto has = [&](int p) { return view.ranks[std::size_t(p)] >= 2; };
    if (has(0))
        UprightCard(image, cards, V::kCardX, V::kBottomY, view.suits[0], view.ranks[0],
                    view.highlighted == 0);
    if (has(2))
        UprightCard(image, cards, V::kCardX, V::kTopY, view.suits[2], view.ranks[2],
                    view.highlighted == 2);
    if (has(1))
        SidewaysCard(image, cards, V::kLeftX, V::kSideY, V::kLeftShift, view.suits[1],
                     view.ranks[1], view.highlighted == 1);
    if (has(3))
        SidewaysCard(image, cards, V::kRightX, V::kSideY, 0, view.suits[3], view.ranks[3],
                     view.highlighted == 3);
    // The black rules that frame the places of the four cards.
    image.Fill(90, 8, 151, 9, kSimBlack);
    image.Fill(90, 40, 151, 41, kSimBlack);
    image.Fill(90, 130, 151, 131, kSimBlack);
    image.Fill(20, 60, 61, 61, kSimBlack);
    image.Fill(100, 20, 101, 171, kSimBlack);
    image.Fill(75, 65, 76, 96, kSimBlack);
    image.Fill(240, 65, 241, 96, kSimBlack);
}

void PaintTable(Image555& image, const GlyphPainter& font, const TableView& view) {
    const int w = image.width, h = image.height;
    const int fx = view.frame.left, fy = view.frame.top;  // window to client
    image.Fill(0, 0, w, h, kSimPanel);
    for (int i = 0; i < 4; ++i) {
        const Rect b = TableView::Button(i);
        image.Fill(b.left, b.top, b.right, b.bottom, kSimGray);
        image.Fill(b.left + 1, b.top + 1, b.right - 1, b.bottom - 1, kSimButton);
        font.Draw(image, b.left + TableView::kCaptionX, b.top + TableView::kCaptionDown,
                  view.captions[std::size_t(i)]);
    }
    image.Fill(190, 8, w - 8, h - 8, kSimFelt);
    const int cx = TableView::kFrameX - fx, cy = TableView::kFrameY - fy;
    image.Fill(cx, cy - 159, cx + 245, cy + 1, kSimFrameRed);
    image.Fill(cx + 2, cy - 157, cx + 243, cy - 1, kSimWhite);
    const Rect box = TableView::Box();
    const int left = box.left - fx + 6, top = box.top - fy;
    for (int side = 0; side < 2; ++side) {
        const int n = view.tricks[std::size_t(side)];
        if (n < 0) continue;
        const int row = side == 0 ? TableView::kWeRow : TableView::kTheyRow;
        font.Draw(image, left, top + row, view.label + " " + std::to_string(n));
    }
    font.Draw(image, left, top + TableView::kContractRow, view.contract);
    // The turn marker: a yellow block beside the place of the player to move.
    static constexpr Point kMarks[4] = {{560, 490}, {200, 250}, {560, 20}, {760, 250}};
    if (view.turn >= 0 && view.turn < 4) {
        const Point m = kMarks[view.turn];
        image.Fill(m.x, m.y, m.x + 12, m.y + 12, 0x7FE0);
    }
    const Rect bar = TableView::kTurnBar, lamp = TableView::kTurnLamp;
    image.Fill(bar.left - fx, bar.top - fy, bar.right - fx, bar.bottom - fy, kSimBlack);
    if (view.userTurn)
        image.Fill(lamp.left - fx, lamp.top - fy, lamp.right - fx, lamp.bottom - fy, 0x7FE0);
}

void PaintBidBox(Image555& image, const GlyphPainter& font, const BidBoxView& view) {
    image.Fill(0, 0, image.width, image.height, kSimPanel);
    for (int level = 1; level <= 7; ++level)
        for (int strain = 0; strain < 5; ++strain) {
            const int x = 6 + 42 * strain, y = 6 + 22 * (level - 1);
            image.Fill(x, y, x + 38, y + 18, kSimButton);
            font.Draw(image, x + 4, y + 3, BidWord(level, strain, view.language));
        }
    const std::string words[3] = {view.passWord, "X", "XX"};
    for (int i = 0; i < 3; ++i) {
        const int x = 6 + 70 * i, y = 6 + 22 * 7;
        image.Fill(x, y, x + 66, y + 18, kSimButton);
        font.Draw(image, x + 4, y + 3, words[i]);
    }
}

}  // namespace tallowen

#include "reading/CardSheets.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "common/Notation.h"
#include "common/Text.h"
#include "reading/CardPictures.h"

namespace tallowen {

namespace {

constexpr std::uint32_t kBlack = 0;
constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kRed = ColourRef(255, 0, 0);
constexpr std::uint32_t kBarRed = ColourRef(224, 0, 0);
constexpr std::uint32_t kBlue = ColourRef(0, 0, 255);
constexpr double kRankPoints = 14;

// The Symbol font's club, diamond, heart and spade (codes 167..170) in UTF-8.
constexpr std::array<std::string_view, 4> kSymbolMarks{"\u00A7", "\u00A8", "\u00A9", "\u00AA"};

int Round(double v) {
    return static_cast<int>(RoundHalfEven(v));
}

bool CardOf(int code, int& suit, int& rank) {
    const int card = std::abs(code);
    suit = CardSuit(card);
    rank = CardRank(card);
    return suit >= 0 && suit <= 3 && rank >= 2 && rank <= 14;
}

// Row 2: the four suit symbols, each in its suit colour, printed one after the other.
int DrawSymbolRow(Canvas& sheet, int y) {
    const FontSpec symbol{"Symbol", kRankPoints, false};
    int x = 0;
    for (int suit = 0; suit < 4; ++suit)
        x += sheet.Text(Point{x, y}, kSymbolMarks[std::size_t(suit)], symbol,
                        kSuitTable[std::size_t(suit)].colourValue);
    return x;
}

// Rows 3 and 4: small digits, the red "D" and "N" with their bar, the brackets; then the
// large blue digits on a white band.
void DrawNumberRows(Canvas& sheet, const CardMetrics& m, int width) {
    const int cw = m.CellWidth;
    const int y3 = 3 * m.CellHeight;
    const FontSpec small{"Arial", kRankPoints - 2, true};
    for (int d = 0; d <= 9; ++d) sheet.Text(Point{d * cw, y3}, std::to_string(d), small, kBlack);
    sheet.Text(Point{10 * cw, y3}, "D", small, kRed);
    sheet.Text(Point{11 * cw, y3}, "N", small, kRed);
    const FontSpec brackets{"Arial", kRankPoints - 2, false};
    sheet.Text(Point{Round(12.6 * cw), y3}, "[", brackets, kBlack);
    sheet.Text(Point{Round(13.4 * cw), y3}, "]", brackets, kBlack);
    // The bar sits at the foot of the "D" and "N" cells.
    const int barTop = y3 + m.CellHeight - 3;
    sheet.Fill(Rect{10 * cw, barTop, 12 * cw, barTop + 2}, kBarRed);

    const int y4 = 4 * m.CellHeight;
    sheet.Fill(Rect{0, y4, width, y4 + m.CellHeight}, kWhite);
    const FontSpec large{"Arial", kRankPoints, true};
    for (int d = 0; d <= 9; ++d) sheet.Text(Point{d * cw, y4}, std::to_string(d), large, kBlue);
}

// The stored suit pictures, side by side; their key colour becomes the background.
void DrawSuitPictures(Sheets& sheets, std::uint32_t background, CardMetrics& m) {
    int width = 0, height = 0;
    for (const SuitPicture& picture : kSuitPictures) {
        width += SuitPictureWidth(picture);
        height = std::max(height, SuitPictureHeight(picture));
    }
    Canvas& sheet = sheets.Sheet(kSuitPictureSheet, std::max(width, 1), std::max(height, 1));
    sheet.Fill(Rect{0, 0, width, height}, background);
    int x = 0;
    for (int suit = 0; suit < 4; ++suit) {
        const SuitPicture& picture = kSuitPictures[std::size_t(suit)];
        const std::uint32_t ink = kSuitTable[std::size_t(suit)].colourValue;
        const int w = SuitPictureWidth(picture), h = SuitPictureHeight(picture);
        for (int y = 0; y < h; ++y) {
            const std::string_view row = picture[std::size_t(y)];
            for (int i = 0; i < int(row.size()); ++i) {
                const std::uint32_t colour = row[std::size_t(i)] == '#' ? ink : kSuitKeyColour;
                sheet.SetPixel(Point{x + i, y}, colour == kSuitKeyColour ? background : colour);
            }
        }
        m.suitPictures[std::size_t(suit)] = Rect{x, 0, x + w, h};
        x += w;
    }
}

}  // namespace

void ExecHandSheet(Sheets& sheets, std::uint32_t background, CardMetrics& m) {
    m.CellWidth = 11;
    m.CellHeight = 21;
    m.MarkWidth = 14;
    const FontSpec regular{"Courier New", kRankPoints, false};
    const FontSpec bold{"Courier New", kRankPoints, true};
    // Measured first: the sheet is made at the size the fonts need.
    Canvas& probe = sheets.Sheet(kHandSheet, 1, 1);
    const int rankWidth = probe.TextWidth(kRankRow, regular);
    const int cw = std::max(1, Round(rankWidth / 13.0));
    const int ch = std::max(3, probe.TextHeight(regular));
    const int bracketEnd = Round(13.4 * cw) + probe.TextWidth("]", {"Arial", kRankPoints - 2});
    const int width = std::max({rankWidth, bracketEnd, probe.TextWidth(kRankRow, bold)}) + 1;

    Canvas& sheet = sheets.Sheet(kHandSheet, width, 5 * ch + 2);
    sheet.Fill(Rect{0, 0, width, 5 * ch + 2}, background);
    sheet.Text(Point{0, 0}, kRankRow, regular, kBlack);
    m.CellWidth = cw;
    m.CellHeight = ch;
    sheet.Text(Point{0, ch}, kRankRow, bold, kBlack);
    m.MarkWidth = std::max(1, Round(DrawSymbolRow(sheet, Round(1.8 * ch)) / 4.0));
    DrawNumberRows(sheet, m, width);
    DrawSuitPictures(sheets, background, m);
}

void dspCardH(Canvas& target, const CardMetrics& m, int& px, int py, int code, bool bold) {
    int suit = 0, rank = 0;
    if (CardOf(code, suit, rank)) {
        const int x = (rank - 2) * m.CellWidth;
        const int y = (bold ? m.CellHeight : 0) + 1;
        target.Blit(kHandSheet, Rect{x, y, x + m.CellWidth, y + m.CellHeight + 1},
                    Point{px, py + 2});
        if (code < 0) ULcard(target, m, px, py, kMarkColour);
    }
    px += m.CellWidth;
}

void dspSuitMarkH(Canvas& target, const CardMetrics& m, int& px, int py, int suit) {
    if (suit >= 0 && suit <= 3) {
        const int x = m.MarkWidth * suit;
        const int y = 2 * m.CellHeight;
        // The symbol font sets the club a little high and left, the diamond a little high.
        const int dx = suit == ToInt(Suit::Clubs) ? 1 : 0;
        const int dy = suit <= ToInt(Suit::Diamonds) ? 1 : 0;
        target.Blit(kHandSheet, Rect{x, y, x + m.MarkWidth, y + m.CellHeight - 2},
                    Point{px + dx, py + 1 + dy});
    }
    px += m.MarkWidth;
}

void dspSuitMarkH2(Canvas& target, const CardMetrics& m, int& px, int py, int suit) {
    if (suit < 0 || suit > 3) return;
    const Rect& from = m.suitPictures[std::size_t(suit)];
    if (from.Width() <= 0) return;  // the sheet was never drawn
    target.Blit(kSuitPictureSheet, from, Point{px, py});
    px += from.Width();
}

void ULcard(Canvas& target, const CardMetrics& m, int x, int y, std::uint32_t colour) {
    const int top = y + m.CellWidth + 6;
    target.Fill(Rect{x + 1, top, x + 10, top + 2}, colour);
}

void dspCardP(Canvas& target, const CardMetrics& m, int dstX, int dstY, int code, int lead,
              bool win) {
    int suit = 0, rank = 0;
    if (!CardOf(code, suit, rank) || lead < 0 || lead > 2) return;
    const int row = lead * 8 + (win ? 4 : 0) + suit;
    const int x = kPlayColumn * (rank - 2) + 1;
    const int y = row * m.PlayCellHeight + 1;
    target.Blit(kPlaySheet, Rect{x, y, x + m.PlayCellWidth, y + m.PlayCellHeight - 1},
                Point{dstX, dstY});
    if (code < 0) {
        const int under = dstY + m.PlayCellHeight - 2;
        target.Line(Point{dstX, under}, Point{dstX + m.PlayCellWidth - 1, under}, kMarkColour, 1);
    }
}

int fontNo(std::string_view s) {
    if (s.empty()) return -2;
    const std::size_t at = kNotation.find(s);
    return at == std::string_view::npos ? -2 : int(at) + 1 - 2;
}

void DrawCardsBox(Canvas& box, const CardMetrics& m, std::uint32_t background, int trump) {
    box.Fill(box.Extent(), background);
    int y = 0;
    for (int suit = 3; suit >= 0; --suit) {
        int x = 2;
        dspSuitMarkH(box, m, x, y, suit);
        x += 2;
        for (int rank = 14; rank >= 2; --rank)
            dspCardH(box, m, x, y, MakeCardCode(suit, rank), suit == trump);
        y += m.CellHeight - 2;
    }
}

void TickPlayedCard(Canvas& box, const CardMetrics& m, std::uint32_t background, int suit,
                    int rank) {
    if (suit < 0 || suit > 3 || rank < 2 || rank > 14) return;
    const int x = (14 - rank) * m.CellWidth + m.MarkWidth + 4;
    const int y = (3 - suit) * (m.CellHeight - 2) + 1;
    box.Fill(Rect{x, y, x + m.CellWidth, y + m.CellHeight - 2}, background);
}

}  // namespace tallowen

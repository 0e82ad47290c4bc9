// The play sheet: a strip of small card-face pictures, drawn twice (the second time on the
// trick winner's band), and below nothing but cards: for each lead look (plain, "[ ]",
// "( )") and suit a row of the 13 ranks as text in the suit's colour, and a row of the same
// cards as small faces put together from the strip's second copy for the trick winner.
#include <algorithm>
#include <array>
#include <string>

#include "common/Notation.h"
#include "common/Text.h"
#include "reading/CardPictures.h"
#include "reading/CardSheets.h"

namespace tallowen {

namespace {

constexpr int kRowCount = 24;  // lead x 8 + win x 4 + suit
constexpr double kPlayPoints = 10;
constexpr std::array<std::string_view, 3> kOpen{"", "[", "("};
constexpr std::array<std::string_view, 3> kClose{"", "]", ")"};

struct Strip {
    std::array<int, kPictureCount> left{};  // within one copy
    std::array<int, kPictureCount> width{};
    int copyWidth = 0;
    int top = 0;
};

Strip MeasureStrip() {
    Strip strip;
    for (int i = 0; i < kPictureCount; ++i) {
        strip.left[std::size_t(i)] = strip.copyWidth;
        strip.width[std::size_t(i)] = PictureWidth(kCardPictures[std::size_t(i)]);
        strip.copyWidth += strip.width[std::size_t(i)];
    }
    return strip;
}

// One picture with its top left at (x, y): each run of one colour as one fill; white stays
// the background.
void DrawPicture(Canvas& sheet, const CardPicture& picture, int x, int y) {
    for (int r = 0; r < kPictureRows; ++r) {
        const std::vector<int> pixels = DecodePictureRow(picture[std::size_t(r)]);
        std::size_t i = 0;
        while (i < pixels.size()) {
            std::size_t j = i;
            while (j < pixels.size() && pixels[j] == pixels[i]) ++j;
            if (pixels[i] != kClearIndex)
                sheet.Fill(Rect{x + int(i), y + r, x + int(j), y + r + 1},
                           kPicturePalette[std::size_t(pixels[i])]);
            i = j;
        }
    }
}

void DrawStrip(Canvas& sheet, const Strip& strip) {
    sheet.Fill(Rect{strip.copyWidth, strip.top, 2 * strip.copyWidth, strip.top + kPictureRows},
               kPicturePalette[kWinnerIndex]);
    for (int copy = 0; copy < 2; ++copy)
        for (int i = 0; i < kPictureCount; ++i)
            DrawPicture(sheet, kCardPictures[std::size_t(i)],
                        copy * strip.copyWidth + strip.left[std::size_t(i)], strip.top);
}

// The text cards of one lead look and suit; returns where the last card ends.
int DrawTextRow(Canvas& sheet, int lead, int suit, int y) {
    const FontSpec font{"Courier New", kPlayPoints, false};
    const std::uint32_t ink = kSuitTable[std::size_t(suit)].colourValue;
    int end = 0;
    for (int k = 0; k < 13; ++k) {
        const std::string text = std::string(kOpen[std::size_t(lead)]) + kRankRow[std::size_t(k)] +
                                 std::string(kClose[std::size_t(lead)]);
        const int w = sheet.TextWidth(text, font);
        const int x = kPlayColumn * k + std::max(0, int(RoundHalfEven((kPlayColumn - w) / 2.0)));
        end = x + sheet.Text(Point{x, y}, text, font, ink);
    }
    return end;
}

// The winner's cards: bracket, rank face, suit face, bracket, copied from the strip's second
// copy onto the winner's band.
void DrawFaceRow(Canvas& sheet, const Strip& strip, const CardMetrics& m, int lead, int suit,
                 int row) {
    const int y = row * m.PlayCellHeight;
    for (int k = 0; k < 13; ++k) {
        std::array<int, 4> pieces{};
        int count = 0;
        if (lead > 0) pieces[std::size_t(count++)] = fontNo(kOpen[std::size_t(lead)]);
        pieces[std::size_t(count++)] = k;
        pieces[std::size_t(count++)] = fontNo(kSuitTable[std::size_t(suit)].letter);
        if (lead > 0) pieces[std::size_t(count++)] = fontNo(kClose[std::size_t(lead)]);
        int total = 0;
        for (int p = 0; p < count; ++p) total += strip.width[std::size_t(pieces[std::size_t(p)])];
        const int cell = kPlayColumn * k;
        sheet.Fill(Rect{cell + 1, y + 1, cell + kPlayColumn, y + m.PlayCellHeight},
                   kPicturePalette[kWinnerIndex]);
        int x = cell + 1 + std::max(0, (kPlayColumn - 1 - total) / 2);
        const int top = y + 1 + std::max(0, (m.PlayCellHeight - 1 - kPictureRows) / 2);
        for (int p = 0; p < count; ++p) {
            const std::size_t i = std::size_t(pieces[std::size_t(p)]);
            const int from = strip.copyWidth + strip.left[i];
            sheet.Blit(kPlaySheet,
                       Rect{from, strip.top, from + strip.width[i], strip.top + kPictureRows},
                       Point{x, top});
            x += strip.width[i];
        }
    }
}

}  // namespace

void ExecPlaySheet(Sheets& sheets, std::uint32_t background, CardMetrics& m) {
    const FontSpec font{"Courier New", kPlayPoints, false};
    Canvas& probe = sheets.Sheet(kPlaySheet, 1, 1);
    const int cellHeight = std::max(probe.TextHeight(font), kPictureRows + 2);
    Strip strip = MeasureStrip();
    strip.top = kRowCount * cellHeight;
    const int width = std::max(13 * kPlayColumn + 1, 2 * strip.copyWidth);
    const int height = strip.top + kPictureRows;

    Canvas& sheet = sheets.Sheet(kPlaySheet, width, height);
    sheet.Fill(Rect{0, 0, width, height}, background);
    m.PlayCellHeight = cellHeight;
    DrawStrip(sheet, strip);
    int rowEnd = 13 * kPlayColumn;
    for (int lead = 0; lead < 3; ++lead) {
        for (int suit = 0; suit < 4; ++suit) {
            const int end = DrawTextRow(sheet, lead, suit, (lead * 8 + suit) * cellHeight);
            if (lead == 0 && suit == 0) rowEnd = end;
        }
    }
    m.PlayCellWidth = std::max(1, int(RoundHalfEven(rowEnd / 13.0)));
    for (int lead = 0; lead < 3; ++lead)
        for (int suit = 0; suit < 4; ++suit)
            DrawFaceRow(sheet, strip, m, lead, suit, lead * 8 + 4 + suit);
}

}  // namespace tallowen

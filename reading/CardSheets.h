// The card and suit sheets: every rank, suit mark and small number the windows show is drawn
// once into an off-screen sheet at start-up, and later copied cell by cell with one blit each.
// The hand sheet serves the hand diagram, the auction and the BOX window; the play sheet the
// trick-by-trick play table.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "platform/Canvas.h"

namespace tallowen {

inline constexpr std::string_view kHandSheet = "frmH";
// The four stored suit pictures of the hand sheet, side by side.
inline constexpr std::string_view kSuitPictureSheet = "frmH.suits";
inline constexpr std::string_view kPlaySheet = "frmP";

// What the fonts produced when the sheets were drawn; the windows that copy from the sheets
// keep one of these. The values before measuring are the ones the layouts were designed with.
struct CardMetrics {
    int CellWidth = 11;   // one rank cell of the hand sheet
    int CellHeight = 21;  // one text line of the rank font
    int MarkWidth = 14;   // one suit-symbol cell
    int PlayCellWidth = 25;
    int PlayCellHeight = 16;
    // Where each stored suit picture sits in kSuitPictureSheet.
    std::array<Rect, 4> suitPictures{};
};

// The rank characters of both sheets, in rank order 2..14.
inline constexpr std::string_view kRankRow = "23456789TJQKA";
// The play sheet's card columns are this far apart.
inline constexpr int kPlayColumn = 25;
constexpr std::uint32_t kMarkColour = 0x8000FF;  // underlines a marked card

// Draws the hand sheet (rows 0..4) and the stored suit pictures on `background` and measures
// CellWidth, CellHeight and MarkWidth. Drawn again when the interface turns Japanese.
void ExecHandSheet(Sheets& sheets, std::uint32_t background, CardMetrics& metrics);
// Draws the play sheet: the picture strip and the 24 rows of cards (lead x 8 + win x 4 + suit)
// and measures PlayCellWidth and PlayCellHeight.
void ExecPlaySheet(Sheets& sheets, std::uint32_t background, CardMetrics& metrics);

// One rank cell of |code| (bold row when `bold`) at (px, py + 2); a negative code is
// underlined. px moves on by CellWidth.
void dspCardH(Canvas& target, const CardMetrics& m, int& px, int py, int code, bool bold);
// The suit symbol 0..3 from the sheet's symbol row at (px, py + 1); px moves on by MarkWidth,
// also for a suit 4 or more, which draws nothing.
void dspSuitMarkH(Canvas& target, const CardMetrics& m, int& px, int py, int suit);
// The stored suit picture at (px, py) at its full size; px moves on by its width.
void dspSuitMarkH2(Canvas& target, const CardMetrics& m, int& px, int py, int suit);
// The 9 x 2 bar that underlines a card drawn at (x, y).
void ULcard(Canvas& target, const CardMetrics& m, int x, int y, std::uint32_t colour);
// One play-sheet card at (dstX, dstY). lead: 0 plain, 1 between "[" and "]", 2 between "("
// and ")"; `win` picks the trick winner's look. A negative code is marked with a line.
void dspCardP(Canvas& target, const CardMetrics& m, int dstX, int dstY, int code, int lead,
              bool win);
// The place of a character in the card notation minus 2: "2" 0, "A" 12, "C" 13, "S" 16,
// ")" 20; -1 for "1", -2 for anything else.
int fontNo(std::string_view s);

// The BOX window's grid of remaining cards: spades at the top, aces on the left, the trump
// suit in bold (none for a trump of 4 or more), on a cleared background.
void DrawCardsBox(Canvas& box, const CardMetrics& m, std::uint32_t background, int trump);
// Blanks out the grid cell of one played card.
void TickPlayedCard(Canvas& box, const CardMetrics& m, std::uint32_t background, int suit,
                    int rank);

}  // namespace tallowen

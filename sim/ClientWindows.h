// The pictures of the game client's windows: what each one shows, and how it is laid out.
// The layouts are those the readers rely on (gray cell rules whose blank columns separate
// words, black text, the information box in its dark red frame, card faces on white).
#pragma once

#include <array>
#include <string>
#include <vector>

#include "platform/Desktop.h"
#include "reading/CardImages.h"
#include "sim/GlyphPainter.h"
#include "sim/ImageDesktop.h"
#include "sim/SimDesktop.h"

namespace tallowen {

constexpr std::uint16_t kSimWhite = 0x7FFF;
constexpr std::uint16_t kSimBlack = 0x0000;
constexpr std::uint16_t kSimGray = 0x6318;       // 24, 24, 24: cell rules
constexpr std::uint16_t kSimRed = 0x7C00;        // red suits
constexpr std::uint16_t kSimFelt = 0x0200;       // 0, 16, 0
constexpr std::uint16_t kSimFrameRed = 0x1400;   // 5, 0, 0: the information box's frame
constexpr std::uint16_t kSimPanel = 0x6B59;      // 26, 26, 25
constexpr std::uint16_t kSimButton = 0x5EF7;     // 23, 23, 23
constexpr std::uint16_t kSimHighlight = 0x7D00;  // 31, 8, 0: a highlighted card face

// The auction history: heading names and rows of four cells, 16 pixels apart.
struct BiddingView {
    std::array<std::string, 4> headings;
    std::vector<std::array<std::string, 4>> rows;
    static constexpr int kColumn = 75;
    static constexpr int kHeadingTop = 3;
    static constexpr int kRule = 19;
    static int BandTop(int row) { return kRule + 4 + 16 * (row - 1); }  // row from 1
    // A row is shown when its whole text band fits.
    static bool Shown(int row, int height) { return BandTop(row) + 12 <= height; }
};
void PaintBidding(Image555& image, const GlyphPainter& font, const BiddingView& view);

// The score window: the vulnerability line under a gray heading, the scores under a gray
// band near the bottom, the sides divided by a gray rule.
struct ScoreView {
    std::array<std::string, 2> sides{"N-S", "E-W"};
    std::array<std::string, 2> vulnerable;  // the word, or empty
    std::array<std::string, 2> scores;
    static constexpr int kHeading = 25;  // gray rows above
    static constexpr int kDivider = 120;
    static constexpr int kVulTop = 27;
    static int BandRow(int height) { return height - 35 > 50 ? height - 35 : 50; }
};
void PaintScore(Image555& image, const GlyphPainter& font, const ScoreView& view);

// The last hand: a name cell and thirteen card cells per player, under a gray rule.
struct HandView {
    std::array<std::string, 4> names;
    std::array<std::array<std::string, 13>, 4> words;  // card words with their brackets
    int cell = 34;
    static constexpr int kAnchor = 24;
    static constexpr int kFirstCell = 100;
    static int BandTop(int line) { return kAnchor + 4 + 16 * line; }
};
void PaintLastHand(Image555& image, const GlyphPainter& font, const HandView& view);

// The last trick: four small card faces around black rules, by table position (0 bottom,
// 1 left, 2 top, 3 right); rank 0 shows no card.
struct TrickView {
    std::array<int, 4> suits{}, ranks{};
    int highlighted = -1;  // a position whose face is drawn highlighted
    static constexpr int kWidth = 260, kHeight = 200;
    static constexpr int kCardX = 103, kTopY = 11, kBottomY = 133, kSideY = 63;
    static constexpr int kLeftX = 50, kLeftShift = 2, kRightX = 215;
};
void PaintLastTrick(Image555& image, const CardImageTable& cards, const TrickView& view);

// The table window's client area: the buttons on the left edge, the felt, the information
// box with the contract and the tricks of both sides, the turn marker.
struct TableView {
    std::array<std::string, 4> captions;
    std::string contract;
    std::string label;                  // the tricks label
    std::array<int, 2> tricks{-1, -1};  // we, they; -1 shows no count
    int turn = -1;                      // table position whose turn it is, -1 none
    bool userTurn = false;              // the user is to call or play (also from dummy)
    Insets frame;                       // the window's frame, to place the box
    // Buttons, client coordinates.
    static Rect Button(int i) { return {8, 60 + 32 * i, 176, 84 + 32 * i}; }
    static constexpr int kCaptionX = 8, kCaptionDown = 6;
    // The frame's lower left corner, window coordinates.
    static constexpr int kFrameX = 230, kFrameY = 470;
    static constexpr int kWeRow = 8, kTheyRow = 60, kContractRow = 100;  // below the box top
    static Rect Box() { return {kFrameX + 5, kFrameY - 154, kFrameX + 240, kFrameY - 5}; }
    // The "your turn" lamp, window coordinates: a black bar whose upper rows light up.
    static constexpr Rect kTurnBar{105, 109, 130, 114};
    static constexpr Rect kTurnLamp{107, 109, 128, 113};
};
void PaintTable(Image555& image, const GlyphPainter& font, const TableView& view);

// The bid box: a button per bid, then pass, double and redouble.
struct BidBoxView {
    int language = 1;
    std::string passWord;
};
void PaintBidBox(Image555& image, const GlyphPainter& font, const BidBoxView& view);

}  // namespace tallowen

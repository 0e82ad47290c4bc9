// The bidding board frmBidding: the auction of the current board on a small window of its
// own, with the contract once there is one. Everything is drawn on the window itself with the
// main window's text helpers and text position.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "common/Settings.h"
#include "records/Deal.h"
#include "shell/TextPen.h"

namespace tallowen {

// The board's caption in the English interface (the design's).
inline constexpr std::string_view kBoardCaption = "Bidding";

// What the board's window tells the drawing.
struct BoardLayout {
    bool japaneseInterface = false;
    int language = 1;     // the game client's language number
    int spareHeight = 0;  // the game window's spare height
    int runtimeKind = 2;  // the game client's runtime kind
    std::uint32_t backColor = 0xF0F0F0;
    Rect place;            // the board's outer rectangle on the screen now
    int screenBottom = 0;  // the bottom of the screen
};

// How the board is to be shown: where it opens when it is not up, and its drawing's layout
// but for its place, which the window fills in.
struct BoardSetup {
    Point opening;
    BoardLayout layout;
};

// Where the board opens when it is not up: where the user left it (as the layout file keeps
// it), else at the configured point. A saved place at 0, 0 stands for none.
Point BoardOpening(const Rect& saved, const PointXY& configured);

// The auction to show. A contract level of 0 shows no contract yet.
struct BoardAuction {
    const CallGrid& calls;
    int rounds = 0;
    int vul0 = 0, vul1 = 0;  // 1: that side is vulnerable
    const SeatNames& names;
    int level = 0;
    int declarer = -1;
    std::string_view contract;
};

struct BoardResult {
    int height = 0;
    Rect place;            // where the window goes: resized, and 10 pixels up near the bottom
    bool movedUp = false;  // ... when its bottom came within 10 pixels of the screen's
    std::string caption;   // the Japanese interface's caption; empty: keep the caption
};

// Where the board goes for an auction of `rounds` rounds, with or without a contract.
BoardResult BoardPlace(const BoardLayout& layout, int rounds, bool withContract);

// Draws the board on `s` and returns where the window goes and its caption. The window is
// resized before the drawing is shown.
BoardResult Show_Bidding(Surface& s, const BoardLayout& layout, const BoardAuction& auction);

// The board's own forms of a call and of the contract text at (X, Y): the stored suit
// pictures instead of the symbol font.
void BoardBid(Surface& s, std::string_view call);
void BoardContract(Surface& s, std::string_view contract);

}  // namespace tallowen

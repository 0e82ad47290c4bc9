// The drawing of a deal on the main window's own surface: the play table at the top, the
// four hands with the names and the result below it, the auction area under the buttons
// (which grows the window), the clearing of each area and the red alert border. Positions
// only; the window executes them on its canvas.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "common/Notation.h"
#include "records/Deal.h"
#include "shell/TextPen.h"

namespace tallowen {

// What the main window tells the drawing about itself, in pixels of its inner area unless
// said otherwise.
struct MainLayout {
    int baseWidth = 0, baseHeight = 0;  // the outer size remembered at start-up
    int cmdEndBottom = 0;               // bottom of the End button
    int recordListLeft = 0;             // left of record list 0
    int borderY = 0;                    // the inner height at start-up
    int innerWidth = 0;
    double designPoints = 9;  // the window's design font size
    std::uint32_t backColor = 0xF0F0F0;
    std::uint32_t backColor2 = 0xCDCDCD;
    int language = 1;     // the game client's language number
    int spareHeight = 0;  // the game window's spare height (its title-bar allowance)
};

struct WindowSize {
    int width = 0, height = 0;
    bool operator==(const WindowSize&) const = default;
};

// Layout units of the main window.
inline constexpr int kColumnUnit = 5;  // C
inline constexpr int kRowUnit = 7;     // R
inline constexpr int kTopOffset = 7;   // T
inline constexpr std::uint32_t kNavy = ColourRef(16, 16, 80);
inline constexpr std::uint32_t kFrameBlue = ColourRef(0, 0, 232);
inline constexpr std::uint32_t kVulnerableRed = ColourRef(192, 0, 48);

// The size the window takes for an auction of `rounds` rounds: the base size with no
// auction, else taller by (rounds + 3.5) x 2.5 row units (25 pixels less when the game window
// has no spare height).
WindowSize AuctionWindowSize(const MainLayout& layout, int rounds);

// The auction area (mode 0 a record shown, 1 right after an auction capture, 2 after a hand
// capture). Returns the window size it needs: the window is resized to it before drawing.
WindowSize DrawAuctionArea(Surface& s, const MainLayout& layout, const Deal& deal, int mode,
                           bool& borderShown);
// `rotation`: the seat at display positions 0 bottom, 1 left, 2 top, 3 right.
void DrawPlayTable(Surface& s, const MainLayout& layout, const Deal& deal,
                   const std::array<int, 4>& rotation);
void DrawHands(Surface& s, const MainLayout& layout, const Deal& deal,
               const std::array<int, 4>& rotation);
void DrawNamesResult(Surface& s, const Deal& deal, const std::array<int, 4>& rotation);

void ClrPlayArea(Canvas& canvas, const MainLayout& layout);
void ClrHandArea(Canvas& canvas, const MainLayout& layout);
void ClrAuctionArea(Canvas& canvas, const MainLayout& layout, bool& borderShown);
void DrawBorderLine(Canvas& canvas, const MainLayout& layout, bool& borderShown);
void EraseBorderLine(Canvas& canvas, const MainLayout& layout, bool& borderShown);

}  // namespace tallowen

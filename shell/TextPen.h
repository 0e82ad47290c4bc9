// The small text helpers the main window and the bidding board draw with: a text position
// (X, Y) they share, the surface's current point, font and colour, over a Canvas.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/Canvas.h"
#include "reading/CardSheets.h"

namespace tallowen {

inline constexpr std::string_view kTimes = "Times New Roman";
inline constexpr std::string_view kPassJapanese = "パス";
inline constexpr int kLeftMargin = 2;
inline constexpr int kTextLineStep = 16;

struct TextPen {
    int X = kLeftMargin, Y = 7;  // the text position the helpers share
    double curX = 0, curY = 0;   // the surface's current point
    FontSpec font{std::string(kTimes), 13, false};
    std::uint32_t colour = 0;
};

// What a helper draws on: the window's canvas, the shared pen, the card sheets' metrics and the
// interface font ("メイリオ" or the window's own font), which draws "パス".
struct Surface {
    Canvas& canvas;
    TextPen& pen;
    const CardMetrics& cards;
    std::string interfaceFont;
};

// Whole-pixel positions: halves go to the even neighbour.
int RoundPx(double value);

// Prints at the current point without a line end; the current point moves to its end.
void PrintHere(Surface& s, std::string_view text);
// Prints at the current point, then goes to the start of the next line.
void PrintLine(Surface& s, std::string_view text);

// Prints at (X, Y) without a line end; X moves to the end of the text.
void Prnt(Surface& s, std::string_view text);
// The text shortened from its end, a character at a time, until it is at most `width` pixels
// wide in `font`.
std::string truncText(Canvas& canvas, const FontSpec& font, std::string_view text, int width);
void truncTextPrint(Surface& s, std::string_view text, int width);
// Prints at the current point with every "_" drawn as a short stroke (the fonts draw the
// underscore poorly); ends with a line end.
void print_(Surface& s, std::string_view text);
// X back to the left margin, Y one line lower.
void CrLf(Surface& s);

// One call of the main window's auction at (X, Y): a word as it stands, a bid as its level
// and a suit symbol (or "NT").
void Dsp_Bid(Surface& s, std::string_view call);
// The contract ("4Hx", "3NT", ...) at (X, Y); mode 1 sets the suit symbol 2 pixels lower.
void DspContract(Surface& s, std::string_view contract, int mode);

}  // namespace tallowen

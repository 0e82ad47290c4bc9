// Getting ready to read a game, and the table's buttons that open the client's small
// windows: found by reading their captions, pressed with synthetic clicks.
#pragma once

#include <array>

#include "platform/Desktop.h"

namespace tallowen {

struct ReadingContext;
struct InfoBoxState;

constexpr int kAllButtons = 254;  // ClickGameButton: press the buttons of kinds 1..4

struct ButtonState {
    // Screen points by window kind 1..4 (bidding, last trick, last hand, score), where the
    // caption's text ends; (0, 0) = not found yet. Found once, kept for the run.
    std::array<Point, 5> position{};
    // Where the table window stood when the positions were found: the watcher moves the table
    // itself after pressing the buttons once, so presses follow the table from there.
    Point tableAtScan;
    int clickCount = 0;  // clicks sent by the last ClickGameButton
};

// Prepares the glyphs of renderer set 1 for the client's language and, with a table on the
// desktop, finds its information box unless that is known already.
void PrepareReading(ReadingContext& ctx, InfoBoxState& box);

// Reads the captions at the table window's left edge for the buttons not yet found.
void ScanButtons(ReadingContext& ctx, ButtonState& buttons);

// Presses the button of `kind` (1..4), or all four for kAllButtons; buttons not found are
// skipped. The mouse cursor goes back where it was.
void ClickGameButton(ReadingContext& ctx, ButtonState& buttons, int kind);

void SendLeftClick(ReadingContext& ctx, int x, int y);

// The system's warning: the beep on the old Windows 9x platform, else the exclamation sound.
void WarningSound(ReadingContext& ctx);

}  // namespace tallowen

// The tricks won by each side, read from the information box of the game table window, and
// the search for that box.
#pragma once

#include <array>
#include <functional>
#include <map>

#include "platform/Desktop.h"

namespace tallowen {

struct ReadingContext;

constexpr int kInfoBoxWidth = 235;
constexpr int kInfoBoxHeight = 149;

struct InfoBoxState {
    bool located = false;
    Rect box;  // in the table window's own coordinates (frame included)
    Point centre;
    // Top-left corners found so far, by the table window's width.
    std::map<int, Point> cache;
    // Box rows where a count was read before (window rows; -1 = none).
    std::array<int, 2> remembered{-1, -1};

    // Told whether the box was found ("Box OK" / "BOX ×" on the status window).
    std::function<void(bool found)> status;
    // Asks the shell to look the game windows up again (after five failed searches).
    std::function<void()> lookupWindows;
};

// Finds the box inside its dark red frame in the table window, or takes it from the cache
// for the window's current width. Returns whether the box is located.
bool LocateInfoBox(ReadingContext& ctx, InfoBoxState& state);

// Reads the two counts. The box is copied from the table window itself, in the coordinates
// it was found in. A count that cannot be read leaves its output as it was.
void CaptureTotalTricks(ReadingContext& ctx, InfoBoxState& state, int& weTricks, int& theyTricks);

}  // namespace tallowen

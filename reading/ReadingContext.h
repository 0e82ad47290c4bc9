// Everything the screen readers share for the life of the program: the seam to the desktop,
// the one pixel buffer and its two capture records, and the glyph table.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/Calendar.h"
#include "platform/Clock.h"
#include "platform/Desktop.h"
#include "platform/Sound.h"
#include "reading/GameWindows.h"
#include "reading/GlyphTable.h"
#include "reading/PixelGrid.h"

namespace tallowen {

struct ReadingContext {
    ReadingContext(Desktop& d, Clock& c, Sound& s, GameWindows& w)
        : desktop(d), clock(c), sound(s), windows(w) {}

    Desktop& desktop;
    Clock& clock;
    Sound& sound;
    GameWindows& windows;

    // The buffer of the latest capture, whichever grid describes it.
    std::vector<std::uint16_t> pixels;
    PixelGrid GameGrid;              // client areas of game windows
    PixelGrid ScreenGrid;            // rectangles of the desktop or the table window
    std::uint32_t captureCount = 0;  // grows with every capture attempt
    RefColour reference;             // the information box's frame colour

    GlyphTable glyphs;

    // Asks the shell to re-open a game window of this kind and to find its handle again.
    std::function<void(int kind)> reopenWindow;
    // The date and time that diagnostic reports carry; none: they carry none.
    Calendar* calendar = nullptr;
    // Receives a diagnostic report, one text per line.
    std::function<void(const std::vector<std::string>& lines)> report;

    PixelView Game() const { return PixelView(pixels, GameGrid); }
    PixelView Screen() const { return PixelView(pixels, ScreenGrid); }
    int Language() const { return windows.language; }
};

}  // namespace tallowen

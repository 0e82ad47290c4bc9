// A game table on the simulated desktop as the real client shows it: its title holds the
// edition's table title among the room's and the player's names, which makes it long.
#pragma once

#include <string>

#include "ShellRig.h"
#include "reading/GameWindows.h"

namespace tallowen::testing {

inline std::string LongTableTitle(int language) {
    return "Yahoo! " + std::string(TitleTable::Title(0, language)) +
           " - Table 12 - Player: tester - Room: Social Lounge (advanced)";
}

// The simulated client with all its windows open and a table titled as the real one is.
inline SimClient& StartTable(ShellRig& rig, int language, std::uint32_t seed = 7) {
    SimClient& client = rig.StartClient(language, MakeBoard(seed));
    rig.desktop.SetTitle(client.Handle(0), LongTableTitle(language));
    return client;
}

// Paints, over whatever the window shows, the two rows the turn test looks at (whole-window
// coordinates 107..127 on rows 112 and 113): `ink` colours a row, otherwise it is black.
inline void PaintTurnRows(SimDesktop& desktop, WindowHandle window, bool row112Ink,
                          bool row113Ink) {
    SimWindow* w = desktop.Find(window);
    auto previous = w->paint;
    w->paint = [previous, row112Ink, row113Ink](SimWindow& win) {
        if (previous) previous(win);
        for (int x = 107; x < 128; ++x) {
            const int cx = x - win.frame.left;
            win.client.Set(cx, 112 - win.frame.top, row112Ink ? 0x7FFF : 0x0000);
            // Bit 15 is no colour: a row of such pixels is still background.
            win.client.Set(cx, 113 - win.frame.top, row113Ink ? 0x001F : 0x8000);
        }
    };
    desktop.Repaint(window);
}

}  // namespace tallowen::testing

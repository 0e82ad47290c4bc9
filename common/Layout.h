// The window-layout file Tallowen writes when it ends and reads at start-up: the desktop width,
// its own window's position and the saved positions of the game windows and the bidding board.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "common/Files.h"
#include "common/Settings.h"

namespace tallowen {

class CodePage;

// The saved positions in file order (lines 3 to 9).
enum class LayoutSlot : int {
    Table = 0,
    Score = 1,
    LastHand = 2,
    LastTrick = 3,
    Auction = 4,  // the game's bidding window
    BidBox = 5,
    BiddingBoard = 6,  // our own bidding board
};
constexpr int kLayoutSlots = 7;

// The game-window kind of a slot (0 table, 1 bidding, 2 last trick, 3 last hand, 4 score,
// 5 bid box), and 6 for the bidding board.
int LayoutSlotKind(LayoutSlot slot);
const char* LayoutSlotLabel(LayoutSlot slot);

struct WindowLayout {
    std::array<PointXY, kLayoutSlots> saved{};  // left, top; 0, 0 while unset
    PointXY& operator[](LayoutSlot slot) { return saved[static_cast<std::size_t>(slot)]; }
    const PointXY& operator[](LayoutSlot slot) const {
        return saved[static_cast<std::size_t>(slot)];
    }
};

// "ブリッジ.CFG" in the Japanese interface, else "Tallowen.CFG", unless the CFG key names one.
std::string LayoutFileName(const Settings& settings);

// One position line: the first item and the number after it, clamped so that no window is
// placed off screen (x above 1000 gives 0, below -10 gives -10; y above 1000 gives 0, below -15
// gives -15).
PointXY ReadWinPos(std::string line);
// One line in 14-column print zones: numbers from columns 1 and 15, the label from column 29.
// x and y above 1000 become 0, below -10 become -10.
std::string PrintWinPos(PointXY position, std::string_view label);

enum class CfgStatus {
    Read,         // positions taken from the file
    Absent,       // no file: the defaults for the bidding window and the bid box were set
    OtherScreen,  // written on a screen of another width: deleted, nothing taken
    Unreadable,   // exists but could not be read: nothing taken, left in place
};

struct CfgReadResult {
    CfgStatus status = CfgStatus::Absent;
    std::optional<PointXY> programWindow;  // where Tallowen's own window goes (size kept)
    bool deleteFailed = false;             // an other-screen file could not be removed
    std::string error;
};

CfgReadResult ReadCFG(const std::filesystem::path& file, int desktopWidth, const CodePage& page,
                      WindowLayout& layout);

struct LiveRect {
    std::int32_t left = 0, top = 0, right = 0, bottom = 0;
};
// Asked once per slot kind (LayoutSlotKind) while writing, the Bridge table window excepted:
// when the game windows are tracked and that window exists, the shell brings it up and gives
// its present rectangle.
using LiveWindowRect = std::function<std::optional<LiveRect>(int kind)>;

// Writes the layout file anew (atomically). The Bridge table window is written as saved. For
// the other slots live rectangles are taken into `layout` first, and a slot still at 0, 0 is
// written with the position the old file had. An empty name writes nothing and succeeds.
FileResult WriteCFG(const std::filesystem::path& file, int desktopWidth, PointXY programWindow,
                    WindowLayout& layout, const LiveWindowRect& live, const CodePage& page);

}  // namespace tallowen

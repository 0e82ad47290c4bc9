// The game client's windows: their kinds, handles and rectangles, and their titles in the
// client's ten language editions.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/Edition.h"
#include "platform/Desktop.h"

namespace tallowen {

class CodePage;

enum class WindowKind : int {
    Table = 0,
    Bidding = 1,  // the auction history
    LastTrick = 2,
    LastHand = 3,
    Score = 4,
    BidBox = 5,
};
constexpr int kWindowKindCount = 6;  // kinds 0..5
constexpr int kSubWindowCount = 5;   // kinds 1..5
constexpr int kMaxCandidates = 100;

struct TitleCandidate {
    WindowHandle handle = 0;
    std::string title;
};

// The game client's windows only; the watcher keeps its own windows itself.
struct GameWindows {
    WindowHandle table = 0;  // 0 = no table
    WindowHandle desktop = 0;
    std::array<WindowHandle, kWindowKindCount> handle{};  // by kind; the lookup fills 1..5
    std::array<Rect, kWindowKindCount> rect{};            // current, screen pixels
    std::array<Rect, kWindowKindCount> saved{};           // from the window-layout file
    std::array<bool, kWindowKindCount> placed{};          // moved to its saved place this run
    Rect biddingPlace;  // where the bidding window last stood shown, kept while it is closed
    Rect tableRect;
    std::int32_t tableWidth = 0, tableHeight = 0;
    std::vector<TitleCandidate> candidates;  // at most kMaxCandidates per scan
    int minTitleWidth = 0, maxTitleWidth = 0;
    int language = ToInt(Edition::English);
    int gameType = 0;  // always bridge
    int platform = 2;
    int titleBarAllowance = 0;

    WindowHandle Handle(WindowKind kind) const { return handle[std::size_t(kind)]; }
};

// Fixed texts per language 1..10 (an out-of-range language gives empty texts).
struct TitleTable {
    // kind 0..5
    static std::string_view Title(int kind, int language);
    static std::string_view Country(int language);
    // The label before the trick count in the table's information box ("Tricks:").
    static std::string_view TricksLabel(int language);
    // Caption keyword of the table button that opens kind 1..4.
    static std::string_view ButtonKeyword(int kind, int language);
    // The table's buttons by kind, whatever the language: 1 "Auction" .. 6 "ShowAuction".
    static std::string_view ButtonName(int kind);
    // The vulnerability word of the score window.
    static std::string_view VulnerableWord(int language);
};

// Display width: characters, a double-byte one counting 2.
int DisplayWidth(std::string_view text, const CodePage& page);
// Fills the smallest and largest display width of the titles of kinds 1..5 over all
// languages (empty titles skipped).
void SetWinTitle(GameWindows& windows, const CodePage& page);

}  // namespace tallowen

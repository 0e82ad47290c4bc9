// The 300 ms tick and everything it drives: window bookkeeping, the table coming and going,
// the capture schedule, the pauses, and the commands of the menus and the score button.
#pragma once

#include <cstdint>
#include <string_view>

#include "shell/AppContext.h"

namespace tallowen {

constexpr std::uint32_t kTickInterval = 300;

// The tick counter wraps after 2^32 ms (49.7 days): a time is past when the signed
// difference says so, which holds across the wrap for times less than 24 days apart.
constexpr bool TickIsPast(std::uint32_t now, std::uint32_t due) {
    return static_cast<std::int32_t>(now - due) > 0;
}

// The Link menu's addresses: the game's site (its login page lies below it) and our help, the
// player's guide that comes in the program folder (the web address only when it is missing).
inline constexpr std::string_view kGameSite = "https://games.yahoo.com";
inline constexpr std::string_view kHelpPage = "https://tallowen.example/help.html";
inline constexpr std::string_view kGuidePage = "guide/Tallowen-guide.html";

void Timer1_Timer(AppContext& app);
void Background_Job(AppContext& app);
void OffToOn(AppContext& app);
void ExitProc(AppContext& app);
bool TestMyTurn(ReadingContext& reading);

void cmdTimer_Click(AppContext& app);
void picBox_Click(AppContext& app);
void menuRestart_Click(AppContext& app);
void menuLink_Click(AppContext& app, int index);
void cmdScore_Click(AppContext& app);
// The score button offers to hide the score window, or to show it.
void ShowScoreButton(AppContext& app, bool hides);

// The AlertSound setting, played by alias; an empty name plays nothing.
void PlayAlertSound(AppContext& app);

}  // namespace tallowen

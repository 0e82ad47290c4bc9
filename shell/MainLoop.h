// The 300 ms tick and everything it drives: window bookkeeping, the table coming and going,
// the capture schedule, the pauses, and the commands of the menus and the score button.
#pragma once

#include "shell/AppContext.h"

namespace tallowen {

constexpr std::uint32_t kTickInterval = 300;

void Timer1_Timer(AppContext& app);
void Background_Job(AppContext& app);
void OffToOn(AppContext& app);
void ExitProc(AppContext& app);
bool TestMyTurn(AppContext& app);

void cmdTimer_Click(AppContext& app);
void picBox_Click(AppContext& app);
void menuRestart_Click(AppContext& app);
void menuLink_Click(AppContext& app, int index);
void cmdScore_Click(AppContext& app);

// The AlertSound setting, played by alias; an empty name plays nothing.
void PlayAlertSound(AppContext& app);

}  // namespace tallowen

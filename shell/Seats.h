// Which seat the main window shows at the bottom, and the user's own seat.
#pragma once

#include "shell/AppContext.h"

namespace tallowen {

void InitNESW(AppContext& app);
void sitNESW(AppContext& app, int bottomSeat);
int InvSeat(const std::array<int, 4>& rotation, int seat);
void Lbl_Click(AppContext& app, int index);
void MenuSeat_Click(AppContext& app, int index);
// The seat whose name holds one of the user's IDs (remembering which ID), -1 when none.
int FindUserSeat(const Settings& settings, int& idIndex, const SeatNames& names);
// The seat of a shown record to put at the bottom: the last seat whose name matches one of the
// user's IDs by NamesMatch (the IDs up to the first empty one), -1 when none does.
int ShownUserSeat(const Settings& settings, const SeatNames& names);

}  // namespace tallowen

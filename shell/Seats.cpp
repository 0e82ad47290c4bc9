// Placeholder bodies until this part of the watcher is written.
#include "shell/Seats.h"

namespace tallowen {
void InitNESW(AppContext& /*app*/) {}
void sitNESW(AppContext& /*app*/, int /*bottomSeat*/) {}
int InvSeat(const AppContext& /*app*/, int /*seat*/) {
    return -1;
}
void Lbl_Click(AppContext& /*app*/, int /*index*/) {}
void MenuSeat_Click(AppContext& /*app*/, int /*index*/) {}
int FindUserSeat(AppContext& /*app*/, const SeatNames& /*names*/) {
    return -1;
}

}  // namespace tallowen

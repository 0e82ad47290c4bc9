// Placeholder bodies until this part of the watcher is written.
#include "shell/MainLoop.h"

namespace tallowen {
void Timer1_Timer(AppContext& /*app*/) {}
void Background_Job(AppContext& /*app*/) {}
void OffToOn(AppContext& /*app*/) {}
void ExitProc(AppContext& /*app*/) {}
bool TestMyTurn(AppContext& /*app*/) {
    return false;
}
void cmdTimer_Click(AppContext& /*app*/) {}
void picBox_Click(AppContext& /*app*/) {}
void menuRestart_Click(AppContext& /*app*/) {}
void menuLink_Click(AppContext& /*app*/, int /*index*/) {}
void cmdScore_Click(AppContext& /*app*/) {}
void PlayAlertSound(AppContext& /*app*/) {}

}  // namespace tallowen

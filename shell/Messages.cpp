// Placeholder bodies until this part of the watcher is written.
#include "shell/Messages.h"

namespace tallowen {
void ShowError(AppContext& /*app*/, const std::string& /*message*/) {}
void ShowErrorMsg(AppContext& /*app*/, const std::string& /*message*/) {}
void PutMsg(AppContext& /*app*/, int /*code*/) {}
std::string NumberedMessage(int /*code*/, int /*language*/, bool /*jpnInterface*/) {
    return {};
}
void HideMessage(AppContext& /*app*/) {}
void LogLine(AppContext& /*app*/, const std::string& /*line*/) {}
void ShowRunningAuction(AppContext& /*app*/) {}
void ShowRecordedAuction(AppContext& /*app*/) {}

}  // namespace tallowen

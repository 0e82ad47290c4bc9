// Telling the user: the message window with its numbered messages in the client's language,
// free-text errors, the warning sound, the log window and the bidding board's helpers.
#pragma once

#include <string>

#include "shell/AppContext.h"

namespace tallowen {

void ShowError(AppContext& app, const std::string& message);
void ShowErrorMsg(AppContext& app, const std::string& message);
void PutMsg(AppContext& app, int code);
// The text of a numbered message (entities decoded), empty when it has none there.
std::string NumberedMessage(int code, int language, bool jpnInterface);
void HideMessage(AppContext& app);
void LogLine(AppContext& app, const std::string& line);
// The bidding board while an auction runs (loads it when its position is set).
void ShowRunningAuction(AppContext& app);
// The bidding board after an auction was recorded, when it is loaded.
void ShowRecordedAuction(AppContext& app);

// What the user did to the program's own windows, and where the main window stands, as the
// windows report it (AppViewEvents passes it on).
void MainWindowPlaced(AppContext& app, WindowHandle window, Rect place);
void BoardMoved(AppContext& app, Rect place);        // the bidding board stands there now
void SideWindowClosed(AppContext& app, bool board);  // the bidding board, or else the BOX
void MessageClosed(AppContext& app);

}  // namespace tallowen

// Finding the game client's windows among the desktop's top-level windows by their titles,
// placing them where the user keeps them, and the two small windows that follow the table.
#pragma once

#include "shell/AppContext.h"

namespace tallowen {

// Walks the top-level windows: fills the candidate list and finds the table (and with it the
// client's language).
void ScanTopWindows(AppContext& app);
// Fills the handles of kinds 1..5 from the candidates (kinds without a match keep theirs).
void LookupAllKinds(AppContext& app);
// Fills the handle of one kind from the candidates (cleared when none matches).
void LookupKind(AppContext& app, WindowKind kind);
// Whether the bid box is on the desktop at this moment, not when the tick began: a capture
// waits for its window copies, and the client opens and closes the bid box meanwhile. The
// table found at the tick stays as it was; the next tick tells whether it has gone.
bool BidBoxShownNow(AppContext& app);
// First sight of a window: in front, restored, and moved to its saved place once.
void PlaceWindow(AppContext& app, WindowKind kind);
void SetWinGame(AppContext& app);
void GetSubWindows(AppContext& app);
void NotExistProcess(AppContext& app, WindowKind kind, int messageCode);
// A window that could not be copied: press its button, give the client a moment, and find
// its handle again.
void ReopenWindow(AppContext& app, WindowKind kind);
// Scan and look up all kinds.
void LookupWindows(AppContext& app);
void SetBox(AppContext& app, int swtch);
// Where frmMyBOX goes: beside the table, at the height the settings give.
Rect BoxWindowPlace(const GameWindows& windows, const Settings& settings);
// frmMyBOX: loads the remaining-cards box beside the table (when configured).
void LoadBoxWindow(AppContext& app);

}  // namespace tallowen

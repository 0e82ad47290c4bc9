// What the watcher's own windows are handed from its state, so that they read none of it
// themselves: their look, what the game client tells the auction area, how the bidding board
// is shown, and the one place that keeps what the windows report.
#pragma once

#include "shell/AppContext.h"
#include "shell/BiddingBoard.h"

namespace tallowen {

// The look as start-up has decided it so far: the design look until the settings are read.
ViewLook LookOf(const AppContext& app);

// The client's language edition and its windows' spare height.
ClientFacts ClientOf(const AppContext& app);

// Where the bidding board opens when it is not up, and what its drawing takes from the
// interface, the game client and the screen.
BoardSetup BoardSetupOf(const AppContext& app);

// The windows' reports, kept in `app` by the shell's own functions (Messages.h).
class AppViewEvents final : public ViewEvents {
public:
    explicit AppViewEvents(AppContext& app) : app_(app) {}
    void MainWindowPlaced(WindowHandle window, Rect place) override;
    void BoardMoved(Rect place) override;
    void SideWindowClosed(bool board) override;
    void MessageClosed() override;

private:
    AppContext& app_;
};

}  // namespace tallowen

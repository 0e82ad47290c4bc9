// The watch over the play: every tick, the last-trick window tells how many cards have been
// played, and the table's information box how many tricks each side has taken.
#include <string>

#include "common/Text.h"
#include "reading/LastTrick.h"
#include "reading/TricksCount.h"
#include "shell/CaptureSupport.h"
#include "shell/Captures.h"
#include "shell/Controls.h"

namespace tallowen {

namespace {

constexpr int kDeckCards = 52;

// A count label only ever goes up: a misread lower number must not undo a good one.
void Raise(AppContext& app, Control label, int& shown, int value) {
    if (value <= shown) return;
    shown = value;
    SetCaption(app, label, std::to_string(value));
}

}  // namespace

void CmdTrick(AppContext& app) {
    if (app.loop.gamePresent != 1) return;
    if (!WindowKnown(app.game.windows, WindowKind::LastTrick)) {
        TellMissingNow(app, WindowKind::LastTrick, 25);
        return;
    }
    // Only a trick none of whose cards was in the trick before counts: the window goes on
    // showing a trick until the next one is complete.
    const TrickReading trick =
        CaptTrick(app.game.reading, app.game.cardImages, app.game.trick, TrickMode::NewOnly);
    app.capture.cardsSeen = app.game.trick.cardCount;
    if (trick.outcome != TrickOutcome::Read) return;
    if (app.capture.cardsSeen >= kDeckCards) {
        cmdHandClick2(app, 1);
        return;
    }
    int we = 0, they = 0;
    CaptureTotalTricks(app.game.reading, app.game.infoBox, we, they);
    const int total = we + they;
    if (total == 13 || total == 0 || total <= app.capture.lastTotalShown) return;
    std::array<int, 3>& shown = app.display.shown.tricks;
    Raise(app, Control::WeT, shown[0], we);
    Raise(app, Control::ThT, shown[1], they);
    Raise(app, Control::sumT, shown[2], total);
    app.capture.lastTotalShown = total;
}

}  // namespace tallowen

#include "shell/MainLoop.h"

#include "common/Edition.h"
#include "common/Text.h"
#include "reading/Buttons.h"
#include "reading/Capture.h"
#include "reading/TricksCount.h"
#include "shell/Captures.h"
#include "shell/Controls.h"
#include "shell/Discovery.h"
#include "shell/Messages.h"
#include "shell/Seats.h"
#include "shell/WorkWrites.h"

namespace tallowen {

namespace {

constexpr int kAlertFirst = 120, kAlertSecond = 180;  // seconds of a pause
constexpr int kMaxSubWindowAttempts = 9;
constexpr int kBiddingMaxHeight = 100;
constexpr int kTablePlaceY = 120;
constexpr int kNarrowScreen = 1000;
constexpr std::int32_t kMinBridgeWindowWidth = 551;
constexpr std::uint32_t kPausedBlue = 0xFF0000;
// From the bid box closing to the auction capture: the client draws the last call first.
constexpr std::uint32_t kAuctionSettleMs = 3000;

WindowHandle Handle(const AppContext& app, WindowKind kind) {
    return app.game.windows.Handle(kind);
}

void FrontTable(AppContext& app, bool tableInFront) {
    app.views.main.SetTopmost(!tableInFront);
    if (app.game.windows.table != 0)
        app.seams.desktop.SetTopmost(app.game.windows.table, tableInFront);
}

void ShowPauseSeconds(AppContext& app, std::int64_t seconds) {
    app.display.shown.timerCounting = true;
    SetCaption(app, Control::cmdTimer, NumText(seconds));
}

// While paused, the pause button counts the seconds, and reminds twice that the watch is off.
void CountPause(AppContext& app) {
    const std::uint32_t elapsed = app.loop.lastTick - app.loop.pauseStart;  // wraps safely
    const std::int64_t seconds = RoundHalfEven(elapsed / 1000.0);
    ShowPauseSeconds(app, seconds);
    if (seconds == kAlertFirst || seconds == kAlertSecond) {
        app.views.main.AlertBorder(true);
        PlayAlertSound(app);
    }
}

// The bid box closes with the last call of an auction. While an auction is awaited, its
// closing brings the capture forward: a passed-out board stays on the screen only for the
// pause between deals, which is shorter than the wait between attempts.
void WatchAuctionEnd(AppContext& app, bool bidBoxNow) {
    const bool closed = app.loop.bidBoxSeen && !bidBoxNow;
    app.loop.bidBoxSeen = bidBoxNow;
    if (!closed) return;
    CaptureSlot& slot = app.loop.schedule[Slot::Bid];
    const std::uint32_t soon = app.seams.clock.Ticks() + kAuctionSettleMs;
    if (app.capture.awaitAuctionEnd) {
        app.capture.awaitAuctionEnd = false;
        slot = {true, soon, slot.remaining};
    } else if (slot.armed && TickIsPast(slot.due, soon)) {
        slot.due = soon;
    }
}

// Where the bidding window stands while it is shown: a window of the same title that the
// client opens there again is that window, however short the watcher made it.
void KeepBiddingPlace(AppContext& app) {
    const WindowHandle bidding = Handle(app, WindowKind::Bidding);
    if (bidding == 0 || app.seams.desktop.ClientRect(bidding).Height() <= 0) return;
    app.game.windows.biddingPlace = app.seams.desktop.WindowRect(bidding);
}

void RunDueSlots(AppContext& app) {
    for (int k = 1; k < kSlotCount; ++k) {
        const CaptureSlot& slot = app.loop.schedule.slots[std::size_t(k)];
        if (!slot.armed || !TickIsPast(app.seams.clock.Ticks(), slot.due)) continue;
        if (k == int(Slot::Bid)) {
            cmdBidClick2(app, 1);
        } else if (k == int(Slot::Trick)) {
            // The turn test copies the table and so waits: a tick arriving meanwhile must
            // find the flag set, like one arriving during the watch itself.
            app.loop.busy.trick = true;
            if (!app.display.turnFront && TestMyTurn(app.game.reading)) {
                app.seams.desktop.SetTopmost(app.game.windows.table, true);
                app.display.turnFront = true;
            }
            CmdTrick(app);
            app.loop.busy.trick = false;
        } else if (k == int(Slot::Hand)) {
            cmdHandClick2(app, 1);
        }
    }
}

void KeepInFront(AppContext& app) {
    if (app.display.boxLoaded) app.views.side.KeepBoxInFront();
    if (app.display.boardLoaded && app.seams.desktop.DesktopRect().Width() < kNarrowScreen)
        app.views.side.KeepBoardInFront();
    if (app.display.messages.visible) app.views.message.SetTopmost(true);
    const WindowHandle score = Handle(app, WindowKind::Score);
    if (app.display.showScore != 0 && score != 0) app.seams.desktop.SetTopmost(score, true);
}

// Windows the user was told are missing: the game may open them on a click of its own
// button, and the message goes once they are there.
void RetryWaitingWindows(AppContext& app) {
    if (!app.display.messages.shown) return;
    for (int k = 1; k <= 4; ++k) {
        if (!app.display.messages.waiting[std::size_t(k)]) continue;
        const WindowKind kind = WindowKind(k);
        if (Handle(app, kind) != 0) {
            app.display.messages.waiting[std::size_t(k)] = false;
            HideMessage(app);
        } else {
            ClickGameButton(app.game.reading, app.game.buttons, k);
            LookupKind(app, kind);
        }
    }
}

// While a log is kept, the table is set to the width the settings ask for: only once, and
// only when it stands at the top left corner of the desktop.
void NarrowTable(AppContext& app) {
    GameWindows& w = app.game.windows;
    if (!app.game.reading.glyphs.ready || w.placed[0] || app.settings.log.empty()) return;
    if (w.tableRect.left != 0 || w.tableRect.top != 0) return;
    const std::int32_t width = app.settings.bridgeWindowWidth;
    if (width >= kMinBridgeWindowWidth && width < w.tableWidth) {
        const Rect r = w.tableRect;
        app.seams.desktop.MoveWindow(w.table, Rect{r.left, r.top, r.left + width, r.bottom});
    }
    w.placed[0] = true;
}

std::string RuntimeName(int glyphSet) {
    if (glyphSet == 0) return "MSJVM";
    if (glyphSet == 1) return "Sun JRE";
    return "";
}

// When a table comes up, its five windows are looked for and placed; true once all are.
bool FindSubWindows(AppContext& app) {
    Desktop& desktop = app.seams.desktop;
    for (int attempt = 1; attempt <= kMaxSubWindowAttempts; ++attempt) {
        GetSubWindows(app);
        const WindowHandle bidding = Handle(app, WindowKind::Bidding);
        if (bidding == 0) continue;
        PlaceWindow(app, WindowKind::Bidding);
        Rect& r = app.game.windows.rect[std::size_t(WindowKind::Bidding)];
        if (r.Height() > kBiddingMaxHeight) {
            desktop.MoveWindow(bidding, Rect{r.left, r.top, r.right, r.top + kBiddingMaxHeight});
            r = desktop.WindowRect(bidding);
        }
        bool all = true;
        for (int k = 1; k <= kSubWindowCount && all; ++k) {
            if (Handle(app, WindowKind(k)) == 0)
                all = false;
            else if (k != int(WindowKind::Bidding))
                PlaceWindow(app, WindowKind(k));
        }
        if (all) return true;
    }
    return false;
}

void MoveKeepingSize(AppContext& app, WindowHandle h, int x, int y) {
    const Rect r = app.seams.desktop.WindowRect(h);
    app.seams.desktop.MoveWindow(h, Rect{x, y, x + r.Width(), y + r.Height()});
}

void ArrangeGameWindows(AppContext& app) {
    Desktop& desktop = app.seams.desktop;
    GameWindows& w = app.game.windows;
    if (app.settings.minimizeLastHand) desktop.Minimize(Handle(app, WindowKind::LastHand));
    MoveKeepingSize(app, w.table, 0, kTablePlaceY);
    w.tableRect = w.rect[0] = desktop.WindowRect(w.table);
    w.placed[0] = true;
    const WindowHandle trick = Handle(app, WindowKind::LastTrick);
    const Rect t = desktop.WindowRect(trick);
    MoveKeepingSize(app, trick, w.tableWidth - t.Width(), w.tableHeight - t.Height());
}

void ShowTableControls(AppContext& app) {
    SetVisible(app, Control::cmdScore, true);
    if (app.display.showScore != 0) {
        const WindowHandle score = Handle(app, WindowKind::Score);
        if (score != 0) app.seams.desktop.Restore(score);
    }
    ShowScoreButton(app, app.display.showScore != 0);
    if (app.settings.showBoxStatus) {
        SetVisible(app, Control::BoxStat, true);
        ControlState& s = app.Ctl(Control::BoxStat);
        s.foreColour = 0x000000u;
        app.views.main.Apply(Control::BoxStat, s);
    }
    app.loop.schedule[Slot::Bid].armed = app.settings.autoCaptBid;
    SetVisible(app, Control::cmdTimer, true);
    InitNESW(app);
    app.loop.tickCounter = 0;
}

// 0 in the pause start means "running", so a pause that begins at tick 0 starts at 1 ms.
std::uint32_t PauseStartAt(std::uint32_t click) {
    return click == 0 ? 1 : click;
}

bool TimerShowsRunning(const AppContext& app) {
    return !app.display.shown.timerCounting;
}

void ShowTimerRunning(AppContext& app) {
    app.display.shown.timerCounting = false;
    SetBold(app, Control::cmdTimer, false);
    if (app.jpnInterface) {
        SetCaption(app, Control::cmdTimer, "休止");
    } else {
        SetCaption(app, Control::cmdTimer, "Pause");
        SetPoints(app, Control::cmdTimer, 10);
    }
}

// A pause keeps what was left of each slot's time; a slot that was already due keeps
// nothing, so that it runs as soon as the pause ends.
void HoldSlots(AppContext& app, int lastSlot, std::uint32_t at) {
    for (int k = 1; k <= lastSlot; ++k) {
        CaptureSlot& s = app.loop.schedule.slots[std::size_t(k)];
        s.remaining = TickIsPast(s.due, at) ? s.due - at : 0;
    }
}

void ResumeSlots(AppContext& app, int lastSlot, std::uint32_t at) {
    for (int k = 1; k <= lastSlot; ++k) {
        CaptureSlot& s = app.loop.schedule.slots[std::size_t(k)];
        s.due = s.remaining + at;
    }
}

}  // namespace

void Timer1_Timer(AppContext& app) {
    app.loop.lastTick = app.seams.clock.Ticks();
    if (app.loop.busy.Any()) return;
    app.loop.busy.background = true;
    Background_Job(app);
    app.loop.busy.background = false;
    WriteUnwritten(app);
    if (app.loop.pauseStart != 0) {
        CountPause(app);
        return;
    }
    if (++app.loop.tickCounter == 1) return;  // the table has just come up: let it settle
    RunDueSlots(app);
    KeepInFront(app);
}

void Background_Job(AppContext& app) {
    RetryWaitingWindows(app);
    ScanTopWindows(app);
    GameWindows& w = app.game.windows;
    Desktop& desktop = app.seams.desktop;
    const bool wasPresent = app.loop.gamePresent == 1;
    if (w.table == 0) {
        if (wasPresent) ExitProc(app);
        SetVisible(app, Control::cmdTimer, false);
        app.loop.gamePresent = 0;
        return;
    }
    if (!wasPresent) {
        desktop.Restore(w.table);
        desktop.SetTopmost(w.table, true);
    }
    w.tableRect = w.rect[0] = desktop.WindowRect(w.table);
    w.tableWidth = w.tableRect.Width();
    w.tableHeight = w.tableRect.Height();
    if (w.tableRect.left < 0) {
        MoveKeepingSize(app, w.table, 0, w.tableRect.top);
        w.tableRect = w.rect[0] = desktop.WindowRect(w.table);
    }
    if (!wasPresent) OffToOn(app);
    app.loop.gamePresent = 1;
    LookupKind(app, WindowKind::BidBox);
    NarrowTable(app);
    KeepBiddingPlace(app);
    const WindowHandle bidBox = Handle(app, WindowKind::BidBox);
    WatchAuctionEnd(app, bidBox != 0);
    if (bidBox == 0) return;
    PlaceWindow(app, WindowKind::BidBox);
    if (app.settings.topMostBiddingBoard && app.loop.schedule[Slot::Bid].armed)
        desktop.SetTopmost(bidBox, true);
    // A bid box that appears after the auction was captured belongs to the next deal: the
    // last hand is complete now.
    if (app.loop.schedule[Slot::Hand].armed && !app.capture.bidBoxAtAuction) cmdHandClick2(app, 1);
}

void OffToOn(AppContext& app) {
    if (!app.settings.log.empty()) app.views.log.Unload();
    SetWinGame(app);
    if (const FileResult work = EnsureFolder(app.folders.Work()); !work.ok)
        LogLine(app, work.error);
    LocateInfoBox(app.game.reading, app.game.infoBox);
    PrepareReading(app.game.reading, app.game.infoBox);
    SetWindowCaption(app, app.baseCaption + " [" +
                              Trim(RuntimeName(app.game.reading.glyphs.currentSet)) + "] " +
                              std::string(TitleTable::Title(0, app.Language())));
    if (!FindSubWindows(app)) return;  // tried again only when the table comes back
    ArrangeGameWindows(app);
    ShowTableControls(app);
}

void ExitProc(AppContext& app) {
    app.loop.tickCounter = 0;
    app.display.turnFront = false;
    app.capture.cardsSeen = 0;
    app.capture.lastTotalShown = 0;
    app.loop.bidBoxSeen = false;
    app.capture.awaitAuctionEnd = false;
    app.game.reading.glyphs.ready = false;
    app.game.reading.glyphs.currentSet = 0;
    app.game.infoBox.located = false;
    app.game.windows.placed.fill(false);
    SetVisible(app, Control::picBox, false);
    SetVisible(app, Control::BoxStat, false);
    app.loop.schedule[Slot::Bid].armed = app.settings.autoCaptBid;
    app.game.windows.language = ToInt(Edition::English);
    app.loop.schedule.Disarm(Slot::Hand);
    SetWindowCaption(app, app.baseCaption);
    SetBox(app, 0);
}

bool TestMyTurn(ReadingContext& reading) {
    constexpr int kLeft = 107, kTop = 112, kRight = 128, kBottom = 114;
    if (CaptureTableWindowRect(reading, Rect{kLeft, kTop, kRight, kBottom}) <= 0) return false;
    const PixelView view = reading.Screen();
    for (int y = kTop; y < kBottom; ++y) {
        bool blank = true;
        for (int x = kLeft; x < kRight && blank; ++x) blank = view.Black(x, y);
        if (blank) return y > kTop;
    }
    return false;
}

void cmdTimer_Click(AppContext& app) {
    if (app.loop.gamePresent != 1) return;
    const std::uint32_t click = app.seams.clock.Ticks();
    const int lastSlot = int(Slot::Hand);  // the automatic auction capture keeps its time
    if (TimerShowsRunning(app)) {
        ShowPauseSeconds(app, 0);
        SetBold(app, Control::cmdTimer, true);
        if (!app.jpnInterface) SetPoints(app, Control::cmdTimer, 12);
        app.loop.pauseStart = PauseStartAt(click);
        HoldSlots(app, lastSlot, click);
        FrontTable(app, false);
    } else {
        app.views.main.AlertBorder(false);
        ShowTimerRunning(app);
        ResumeSlots(app, lastSlot, click);
        app.loop.pauseStart = 0;
        // The pause is over for the trick box too.
        if (app.loop.picBoxPause != 0) {
            app.loop.picBoxPause = 0;
            SetBackToSetting(app, Control::picBox);
        }
        FrontTable(app, true);
    }
}

void picBox_Click(AppContext& app) {
    if (app.loop.gamePresent != 1) return;
    const std::uint32_t click = app.seams.clock.Ticks();
    app.loop.pauseStart = PauseStartAt(click);
    if (app.loop.picBoxPause == 0) {
        app.loop.picBoxPause = 1;
        SetBackColour(app, Control::picBox, kPausedBlue);
        HoldSlots(app, kSlotCount - 1, click);
        FrontTable(app, false);
    } else {
        app.loop.picBoxPause = 0;
        SetBackToSetting(app, Control::picBox);
        app.views.main.AlertBorder(false);
        ResumeSlots(app, kSlotCount - 1, click);
        app.loop.pauseStart = 0;
        // The pause is over for the pause button too: it must not go on showing seconds and
        // take its next click for a resume.
        if (!TimerShowsRunning(app)) ShowTimerRunning(app);
        FrontTable(app, true);
    }
}

void menuRestart_Click(AppContext& app) {
    ExitProc(app);
    PrepCaptNextBid(app);
    // Without this the next tick would take the table for one already being watched and
    // never prepare it again.
    app.loop.gamePresent = 0;
}

void menuLink_Click(AppContext& app, int index) {
    std::string address;
    if (index == 1) address = std::string(kGameSite) + "/games/login2?page=br&ss=1";
    if (index == 2) {
        const std::filesystem::path guide = app.folders.app / PathFromUtf8(kGuidePage);
        address = FileExists(guide) ? PathToUtf8(guide.lexically_normal()) : std::string(kHelpPage);
    }
    if (!app.seams.browser.Open(address)) LogLine(app, "No browser for \"" + address + "\".");
}

void cmdScore_Click(AppContext& app) {
    const WindowHandle score = Handle(app, WindowKind::Score);
    Desktop& desktop = app.seams.desktop;
    if (!app.display.shown.scoreButtonHides) {
        app.display.showScore = -1;
        ShowScoreButton(app, true);
        if (score == 0) return;
        desktop.Restore(score);
        desktop.SetTopmost(score, true);
    } else {
        app.display.showScore = 0;
        ShowScoreButton(app, false);
        if (score != 0) desktop.Minimize(score);
    }
}

void ShowScoreButton(AppContext& app, bool hides) {
    app.display.shown.scoreButtonHides = hides;
    SetCaption(app, Control::cmdScore, hides ? "Hide Score" : "Show Score");
}

void PlayAlertSound(AppContext& app) {
    if (!app.settings.alertSound.empty()) app.seams.sound.PlayAlias(app.settings.alertSound);
}

}  // namespace tallowen

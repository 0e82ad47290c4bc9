#include "shell/MainLoop.h"

#include "ShellRig.h"
#include "TableSetup.h"
#include "common/Text.h"
#include "reading/Buttons.h"
#include "shell/Controls.h"
#include "shell/Discovery.h"

namespace tallowen::testing {

namespace {

// The watcher with the client's table up and the 300 ms timer on the virtual clock. The
// automatic captures are off so that only the slots a test arms do any work.
struct Loop {
    ShellRig rig;
    SimClient* client = nullptr;
    int timer = 0;

    explicit Loop(int language = 1, std::uint32_t start = 0) {
        if (start != 0) rig.clock = SimClock(start);
        rig.app.settings.autoCaptBid = false;
        rig.app.settings.autoCaptHand = false;
        SetCaption(rig.app, Control::cmdTimer, "Pause");
        client = &StartTable(rig, language);
    }
    AppContext& App() { return rig.app; }
    WindowHandle Table() const { return client->Handle(0); }
    void StartTicks() {
        timer = rig.clock.Every(kTickInterval, [this] { Timer1_Timer(rig.app); });
    }
    // Runs the next tick (and whatever it waits for).
    void Tick() { rig.clock.Wait(kTickInterval - 1); }
    // The table has come up and the first tick has passed.
    void Settle() {
        StartTicks();
        Tick();
        Tick();
    }
    const ControlState& Shown(Control c) const { return rig.views.main.controls[std::size_t(c)]; }
    SimWindow& Window(WindowHandle h) { return *rig.desktop.Find(h); }
};

}  // namespace

// ---- the table coming and going --------------------------------------------------------

TEST(TableAppears, TheFirstTickOnlyBringsTheTableUp) {
    Loop loop(4);
    PaintTurnRows(loop.rig.desktop, loop.Table(), true, false);  // the user's turn
    loop.App().schedule.Arm(Slot::Trick, loop.rig.clock.Ticks());
    loop.StartTicks();
    loop.Tick();
    AppContext& app = loop.App();
    EXPECT_EQ(app.gamePresent, 1);
    EXPECT_EQ(app.tickCounter, 1);
    EXPECT_GT(loop.rig.clock.Elapsed(), 2 * kTickInterval) << "ticks arrived inside its waits";
    EXPECT_FALSE(app.turnFront) << "no slot runs on the first tick";
    EXPECT_EQ(loop.rig.views.main.caption, "Tallowen 2.2 [Sun JRE] Jeu : Bridge");
    EXPECT_EQ(app.Language(), 4);
    EXPECT_TRUE(app.reading.glyphs.ready);
    loop.Tick();
    EXPECT_EQ(app.tickCounter, 2);
    EXPECT_TRUE(app.turnFront) << "the trick slot ran and saw the user's turn";
    EXPECT_TRUE(loop.Window(loop.Table()).topmost);
}

TEST(TableAppears, TheGameWindowsAreArranged) {
    Loop loop(1);
    loop.App().showScore = -1;
    loop.rig.desktop.Minimize(loop.client->Handle(4));
    loop.StartTicks();
    loop.Tick();
    AppContext& app = loop.App();
    const Rect table = loop.rig.desktop.WindowRect(loop.Table());
    EXPECT_EQ(table.left, 0);
    EXPECT_EQ(table.top, 120);
    EXPECT_TRUE(app.windows.placed[0]);
    const Rect bidding = loop.rig.desktop.WindowRect(loop.client->Handle(1));
    EXPECT_EQ(bidding.Height(), 100);
    const Rect trick = loop.rig.desktop.WindowRect(loop.client->Handle(2));
    EXPECT_EQ(trick.right, app.windows.tableWidth);
    EXPECT_EQ(trick.bottom, app.windows.tableHeight);
    for (int kind = 1; kind <= 5; ++kind)
        EXPECT_EQ(app.windows.handle[std::size_t(kind)], loop.client->Handle(kind));
    EXPECT_TRUE(loop.Shown(Control::cmdTimer).visible);
    EXPECT_TRUE(loop.Shown(Control::cmdScore).visible);
    EXPECT_EQ(loop.Shown(Control::cmdScore).caption, "Hide Score");
    EXPECT_FALSE(loop.Window(loop.client->Handle(4)).minimized);
    EXPECT_FALSE(loop.App().schedule[Slot::Bid].armed);
}

TEST(TableAppears, AutomaticBidCaptureArmsItsSlot) {
    Loop loop(1);
    loop.App().settings.autoCaptBid = true;
    loop.App().schedule[Slot::Bid].due = loop.rig.clock.Ticks() + 3600000;  // never due here
    loop.App().settings.showBoxStatus = true;
    loop.StartTicks();
    loop.Tick();
    EXPECT_TRUE(loop.App().schedule[Slot::Bid].armed);
    EXPECT_TRUE(loop.Shown(Control::BoxStat).visible);
    EXPECT_EQ(loop.Shown(Control::BoxStat).foreColour, 0u);
}

TEST(TableGoes, ExitProcResetsThePerTableState) {
    Loop loop(4);
    loop.Settle();
    AppContext& app = loop.App();
    app.schedule.Arm(Slot::Hand, loop.rig.clock.Ticks() + 3600000);
    app.schedule.Arm(Slot::Bid, loop.rig.clock.Ticks() + 3600000);
    app.turnFront = true;
    SetVisible(app, Control::picBox, true);
    SetVisible(app, Control::BoxStat, true);
    SetBox(app, 1);
    loop.client->Close(0);
    loop.Tick();
    EXPECT_EQ(app.gamePresent, 0);
    EXPECT_EQ(loop.rig.views.main.caption, "Tallowen 2.2");
    EXPECT_EQ(app.Language(), 1);
    EXPECT_FALSE(app.schedule[Slot::Hand].armed);
    EXPECT_FALSE(app.schedule[Slot::Bid].armed) << "follows the AutoCapt Bid setting";
    EXPECT_FALSE(app.turnFront);
    EXPECT_FALSE(app.reading.glyphs.ready);
    for (bool placed : app.windows.placed) EXPECT_FALSE(placed);
    EXPECT_FALSE(loop.Shown(Control::cmdTimer).visible);
    EXPECT_FALSE(loop.Shown(Control::picBox).visible);
    EXPECT_FALSE(loop.Shown(Control::BoxStat).visible);
    EXPECT_EQ(app.records.currentList, 0);

    // Back again: placed and prepared anew, and again one tick of settling.
    loop.client->OpenTable();
    loop.rig.desktop.SetTitle(loop.Table(), LongTableTitle(4));
    loop.Tick();
    EXPECT_EQ(app.gamePresent, 1);
    EXPECT_EQ(app.tickCounter, 1);
    EXPECT_EQ(app.Language(), 4);
    EXPECT_EQ(loop.rig.desktop.WindowRect(loop.Table()).top, 120);
}

TEST(TableAppears, OffToOnGivesUpAfterNineAttempts) {
    Loop loop(1);
    loop.client->Close(4);
    const Rect scoreButton = TableView::Button(3);
    loop.client->Cover(0, scoreButton);  // the score window cannot be opened
    SetVisible(loop.App(), Control::cmdScore, false);
    loop.StartTicks();
    loop.Tick();
    EXPECT_EQ(loop.client->clicksSeen, 9 * 3) << "three buttons pressed in each attempt";
    EXPECT_EQ(loop.App().gamePresent, 1);
    EXPECT_FALSE(loop.Shown(Control::cmdScore).visible) << "the rest of the start is skipped";
    EXPECT_NE(loop.rig.desktop.WindowRect(loop.Table()).top, 120);
    loop.Tick();
    loop.Tick();
    EXPECT_EQ(loop.client->clicksSeen, 27) << "not tried again while the table stays";
}

TEST(TableAppears, ATableLeftOfTheScreenIsPulledBack) {
    Loop loop(1);
    loop.App().gamePresent = 1;  // already watched: only the bookkeeping runs
    loop.rig.desktop.MoveWindow(loop.Table(), {-30, 40, 770, 600});
    Background_Job(loop.App());
    EXPECT_EQ(loop.rig.desktop.WindowRect(loop.Table()), (Rect{0, 40, 800, 600}));
    EXPECT_EQ(loop.App().windows.tableWidth, 800);
}

TEST(TableAppears, TheLogSettingNarrowsAnUnplacedTable) {
    Loop loop(1);
    AppContext& app = loop.App();
    app.gamePresent = 1;
    app.reading.glyphs.ready = true;
    app.settings.log = "yes";
    app.settings.bridgeWindowWidth = 600;
    Background_Job(app);
    EXPECT_EQ(loop.rig.desktop.WindowRect(loop.Table()), (Rect{0, 0, 600, 560}));
    EXPECT_TRUE(app.windows.placed[0]);
    app.windows.placed[0] = false;
    app.settings.bridgeWindowWidth = 550;  // too narrow to be meant
    loop.rig.desktop.MoveWindow(loop.Table(), {0, 0, 800, 560});
    Background_Job(app);
    EXPECT_EQ(loop.rig.desktop.WindowRect(loop.Table()).right, 800);
    EXPECT_TRUE(app.windows.placed[0]);
}

TEST(BackgroundJob, WaitingWindowsArePressedForUntilTheyAreKnown) {
    Loop loop(1);
    AppContext& app = loop.App();
    app.gamePresent = 1;
    ScanTopWindows(app);
    PrepareReading(app.reading, app.infoBox);
    loop.client->Close(3);
    Background_Job(app);  // the candidates now lack the last hand
    app.messages.shown = true;
    app.messages.waiting[3] = true;
    Background_Job(app);
    EXPECT_EQ(loop.client->clicksSeen, 1) << "pressed its button";
    EXPECT_TRUE(app.messages.waiting[3]);
    Background_Job(app);  // the candidates of the last scan hold it now
    Background_Job(app);
    EXPECT_FALSE(app.messages.waiting[3]);
    EXPECT_EQ(app.windows.Handle(WindowKind::LastHand), loop.client->Handle(3));
}

TEST(BackgroundJob, NothingIsRetriedBeforeAMessageWasShown) {
    Loop loop(1);
    AppContext& app = loop.App();
    app.gamePresent = 1;
    ScanTopWindows(app);
    PrepareReading(app.reading, app.infoBox);
    app.messages.waiting[2] = true;
    Background_Job(app);
    EXPECT_EQ(loop.client->clicksSeen, 0);
}

TEST(Restart, TheTableIsTakenUpAgainOnTheNextTick) {
    Loop loop(3);
    loop.Settle();
    AppContext& app = loop.App();
    menuRestart_Click(app);
    EXPECT_EQ(loop.rig.views.main.caption, "Tallowen 2.2");
    EXPECT_EQ(app.Language(), 1);
    loop.Tick();
    EXPECT_EQ(loop.rig.views.main.caption, "Tallowen 2.2 [Sun JRE] Spiel: Bridge");
    EXPECT_EQ(app.Language(), 3);
    EXPECT_EQ(app.tickCounter, 1);
    EXPECT_TRUE(app.reading.glyphs.ready);
}

// ---- the tick's guards and timing --------------------------------------------------------

class BusyTick : public ::testing::TestWithParam<bool BusyFlags::*> {};

TEST_P(BusyTick, ATickDuringAnyBusyFlagDoesNothing) {
    Loop loop(1);
    AppContext& app = loop.App();
    app.busy.*GetParam() = true;
    loop.StartTicks();
    loop.Tick();
    loop.Tick();
    EXPECT_EQ(app.gamePresent, 0);
    EXPECT_EQ(app.tickCounter, 0);
    EXPECT_EQ(app.windows.table, 0u);
    EXPECT_GT(app.lastTick, 0u) << "the tick time is still taken";
    EXPECT_LT(loop.rig.clock.Ticks() - app.lastTick, kTickInterval);
    app.busy.*GetParam() = false;
    loop.Tick();
    EXPECT_EQ(app.gamePresent, 1);
}
INSTANTIATE_TEST_SUITE_P(Flags, BusyTick,
                         ::testing::Values(&BusyFlags::bid, &BusyFlags::hand, &BusyFlags::trick,
                                           &BusyFlags::listClick, &BusyFlags::background));

TEST(Timing, ASlotRunsOnTheFirstTickPastItsDueTime) {
    Loop loop(1);
    PaintTurnRows(loop.rig.desktop, loop.Table(), true, false);
    loop.Settle();
    AppContext& app = loop.App();
    const std::uint32_t due = loop.rig.clock.Ticks() + 2000;
    app.schedule.Arm(Slot::Trick, due);
    while (loop.rig.clock.Ticks() + kTickInterval <= due) loop.Tick();
    EXPECT_FALSE(app.turnFront);
    loop.Tick();
    loop.Tick();
    EXPECT_TRUE(app.turnFront);
    EXPECT_EQ(app.schedule[Slot::Trick].due, due) << "the trick slot keeps its past due time";
}

TEST(Timing, DueTimesAcrossTheWrapOfTheTickCounter) {
    const std::uint32_t start = 0xFFFFFFFFu - 10000;
    Loop loop(1, start);
    PaintTurnRows(loop.rig.desktop, loop.Table(), true, false);
    loop.Settle();
    AppContext& app = loop.App();
    const std::uint32_t now = loop.rig.clock.Ticks();
    ASSERT_GT(now, start) << "still before the wrap";
    const std::uint32_t due = now + 30000;
    ASSERT_LT(due, now) << "the due time lies past the wrap";
    app.schedule.Arm(Slot::Trick, due);
    loop.rig.clock.Wait(28000);
    EXPECT_LT(loop.rig.clock.Ticks(), start) << "the counter has wrapped";
    EXPECT_FALSE(app.turnFront);
    loop.rig.clock.Wait(3000);
    EXPECT_TRUE(app.turnFront);
}

TEST(Timing, TheTurnTestOnlyRunsWhileTheTableIsNotYetInFront) {
    Loop loop(1);
    PaintTurnRows(loop.rig.desktop, loop.Table(), true, false);
    loop.Settle();
    AppContext& app = loop.App();
    app.schedule.Arm(Slot::Trick, loop.rig.clock.Ticks());
    loop.Tick();
    ASSERT_TRUE(app.turnFront);
    loop.rig.desktop.SetTopmost(loop.Table(), false);
    loop.Tick();
    EXPECT_FALSE(loop.Window(loop.Table()).topmost) << "brought to the front once a turn";
}

// ---- the pauses ------------------------------------------------------------------------

struct PauseSetup {
    Loop loop{1};
    std::uint32_t t0 = 0;
    PauseSetup() {
        AppContext& app = loop.App();
        app.gamePresent = 1;
        app.windows.table = loop.Table();
        t0 = loop.rig.clock.Ticks();
        for (int k = 1; k <= 5; ++k) app.schedule.slots[std::size_t(k)] = {true, t0 + 1000u * k, 0};
    }
    std::uint32_t Due(int k) { return loop.App().schedule.slots[std::size_t(k)].due; }
};

TEST(Pause, ThePauseButtonShiftsTheSlotsUpToTheHandCapture) {
    PauseSetup s;
    AppContext& app = s.loop.App();
    cmdTimer_Click(app);
    EXPECT_EQ(s.loop.Shown(Control::cmdTimer).caption, "0");
    EXPECT_TRUE(s.loop.Shown(Control::cmdTimer).bold);
    EXPECT_EQ(s.loop.Shown(Control::cmdTimer).points, 12);
    EXPECT_TRUE(s.loop.rig.views.main.topmost);
    EXPECT_FALSE(s.loop.Window(s.loop.Table()).topmost);
    s.loop.rig.clock.Wait(4999);
    const std::uint32_t shift = s.loop.rig.clock.Ticks() - s.t0;
    cmdTimer_Click(app);
    for (int k = 1; k <= 3; ++k) EXPECT_EQ(s.Due(k), s.t0 + 1000u * k + shift) << "slot " << k;
    EXPECT_EQ(s.Due(4), s.t0 + 4000) << "the auction capture keeps its time";
    EXPECT_EQ(s.Due(5), s.t0 + 5000);
    EXPECT_EQ(s.loop.Shown(Control::cmdTimer).caption, "Pause");
    EXPECT_EQ(s.loop.Shown(Control::cmdTimer).points, 10);
    EXPECT_FALSE(s.loop.rig.views.main.topmost);
    EXPECT_TRUE(s.loop.Window(s.loop.Table()).topmost);
    EXPECT_EQ(app.pauseStart, 0u);
}

TEST(Pause, TheTrickBoxShiftsEverySlot) {
    PauseSetup s;
    AppContext& app = s.loop.App();
    app.settings.backColor = 0x00C0C0C0u;
    picBox_Click(app);
    EXPECT_EQ(app.picBoxPause, 1);
    EXPECT_EQ(s.loop.Shown(Control::picBox).backColour, 0xFF0000u);
    ASSERT_EQ(s.t0, 0u);
    EXPECT_NE(app.pauseStart, 0u) << "a pause that begins at tick 0 is still a pause";
    s.loop.rig.clock.Wait(2999);
    const std::uint32_t shift = s.loop.rig.clock.Ticks() - s.t0;
    picBox_Click(app);
    for (int k = 1; k <= 5; ++k) EXPECT_EQ(s.Due(k), s.t0 + 1000u * k + shift) << "slot " << k;
    EXPECT_EQ(app.picBoxPause, 0);
    EXPECT_EQ(s.loop.Shown(Control::picBox).backColour, 0x00C0C0C0u);
    EXPECT_EQ(app.pauseStart, 0u);
    EXPECT_TRUE(s.loop.Window(s.loop.Table()).topmost);
}

TEST(Pause, ASlotAlreadyDueStaysDueAfterThePause) {
    PauseSetup s;
    AppContext& app = s.loop.App();
    app.schedule[Slot::Hand] = {true, s.t0 - 500, 99999};  // a stale rest of an older pause
    cmdTimer_Click(app);
    s.loop.rig.clock.Wait(4999);
    const std::uint32_t resume = s.loop.rig.clock.Ticks();
    cmdTimer_Click(app);
    EXPECT_EQ(s.Due(3), resume);
}

TEST(Pause, EndingOnePauseEndsItForTheOtherControlToo) {
    PauseSetup s;
    AppContext& app = s.loop.App();
    cmdTimer_Click(app);
    SetCaption(app, Control::cmdTimer, "7");  // as the ticks show it
    picBox_Click(app);
    picBox_Click(app);
    EXPECT_EQ(app.pauseStart, 0u);
    EXPECT_EQ(s.loop.Shown(Control::cmdTimer).caption, "Pause");
    picBox_Click(app);
    cmdTimer_Click(app);  // the button now reads "Pause": this click pauses
    EXPECT_EQ(s.loop.Shown(Control::cmdTimer).caption, "0");
    cmdTimer_Click(app);
    EXPECT_EQ(app.picBoxPause, 0);
}

TEST(Pause, JapaneseInterfaceCaptions) {
    PauseSetup s;
    AppContext& app = s.loop.App();
    app.jpnInterface = true;
    SetCaption(app, Control::cmdTimer, "休止");
    SetPoints(app, Control::cmdTimer, 11);
    cmdTimer_Click(app);
    EXPECT_EQ(s.loop.Shown(Control::cmdTimer).caption, "0");
    EXPECT_EQ(s.loop.Shown(Control::cmdTimer).points, 11);
    cmdTimer_Click(app);
    EXPECT_EQ(s.loop.Shown(Control::cmdTimer).caption, "休止");
    EXPECT_EQ(s.loop.Shown(Control::cmdTimer).points, 11);
}

TEST(Pause, OnlyWhileAGameIsOn) {
    PauseSetup s;
    AppContext& app = s.loop.App();
    app.gamePresent = 0;
    cmdTimer_Click(app);
    picBox_Click(app);
    EXPECT_EQ(app.pauseStart, 0u);
    EXPECT_EQ(app.picBoxPause, 0);
    EXPECT_EQ(s.loop.Shown(Control::cmdTimer).caption, "Pause");
}

TEST(Pause, ADueTimeReachedDuringThePauseWaitsForItsEnd) {
    Loop loop(1);
    PaintTurnRows(loop.rig.desktop, loop.Table(), true, false);
    loop.Settle();
    AppContext& app = loop.App();
    app.schedule.Arm(Slot::Trick, loop.rig.clock.Ticks() + 1000);
    cmdTimer_Click(app);
    loop.rig.clock.Wait(5000);
    EXPECT_FALSE(app.turnFront);
    EXPECT_EQ(loop.Shown(Control::cmdTimer).caption, "5");
    cmdTimer_Click(app);
    loop.rig.clock.Wait(800);
    EXPECT_FALSE(app.turnFront);
    loop.rig.clock.Wait(600);
    EXPECT_TRUE(app.turnFront);
}

class PauseAlert : public ::testing::TestWithParam<const char*> {};

TEST_P(PauseAlert, TwoAndThreeMinutesIntoAPauseTheAlertSounds) {
    Loop loop(1);
    loop.Settle();
    AppContext& app = loop.App();
    app.settings.alertSound = GetParam();
    const auto plays = [&] { return loop.rig.sound.aliases.size(); };
    const bool audible = !app.settings.alertSound.empty();
    cmdTimer_Click(app);
    const std::uint32_t start = app.pauseStart;
    auto waitUntil = [&](std::uint32_t ms) {
        loop.rig.clock.Wait(start + ms - loop.rig.clock.Ticks());
    };
    waitUntil(119000);
    EXPECT_EQ(plays(), 0u);
    EXPECT_FALSE(loop.rig.views.main.alertBorder);
    EXPECT_EQ(LeadingNumber(loop.Shown(Control::cmdTimer).caption), 119);
    waitUntil(121000);
    const std::size_t first = plays();
    EXPECT_TRUE(loop.rig.views.main.alertBorder);
    if (audible) {
        EXPECT_GE(first, 3u);
        EXPECT_LE(first, 4u);
    } else {
        EXPECT_EQ(first, 0u);
    }
    waitUntil(179000);
    EXPECT_EQ(plays(), first);
    waitUntil(185000);
    if (audible) {
        EXPECT_GE(plays(), first + 3);
        EXPECT_LE(plays(), first + 4);
        for (const auto& alias : loop.rig.sound.aliases) EXPECT_EQ(alias, GetParam());
    }
    cmdTimer_Click(app);
    EXPECT_FALSE(loop.rig.views.main.alertBorder);
}
INSTANTIATE_TEST_SUITE_P(Sounds, PauseAlert, ::testing::Values("Asterisk", "SystemHand", ""));

// ---- the turn test --------------------------------------------------------------------

struct TurnCase {
    bool row112Ink, row113Ink, myTurn;
};

class TurnTest : public ::testing::TestWithParam<TurnCase> {};

TEST_P(TurnTest, InkAboveABlankRowMeansTheUsersTurn) {
    const TurnCase c = GetParam();
    Loop loop(1);
    loop.App().windows.table = loop.Table();
    PaintTurnRows(loop.rig.desktop, loop.Table(), c.row112Ink, c.row113Ink);
    EXPECT_EQ(TestMyTurn(loop.App()), c.myTurn);
}
INSTANTIATE_TEST_SUITE_P(Rows, TurnTest,
                         ::testing::Values(TurnCase{true, false, true},
                                           TurnCase{false, false, false},
                                           TurnCase{true, true, false},
                                           TurnCase{false, true, false}));

TEST(TurnTest, NoTableOrAMinimisedOneIsNoTurn) {
    Loop loop(1);
    PaintTurnRows(loop.rig.desktop, loop.Table(), true, false);
    EXPECT_FALSE(TestMyTurn(loop.App()));
    loop.App().windows.table = loop.Table();
    loop.rig.desktop.Minimize(loop.Table());
    EXPECT_FALSE(TestMyTurn(loop.App()));
}

// ---- windows kept in front, menus and the score button ------------------------------------

TEST(KeepInFront, TheMessageAndTheScoreWindowStayInFront) {
    Loop loop(1);
    loop.Settle();
    AppContext& app = loop.App();
    const WindowHandle score = loop.client->Handle(4);
    loop.rig.desktop.SetTopmost(score, false);
    app.messages.visible = true;
    loop.Tick();
    EXPECT_TRUE(loop.rig.views.message.topmost);
    EXPECT_FALSE(loop.Window(score).topmost) << "not while the score is hidden";
    app.showScore = 2;
    loop.Tick();
    EXPECT_TRUE(loop.Window(score).topmost);
}

TEST(ScoreButton, ShowsAndHidesTheScoreWindow) {
    Loop loop(1);
    AppContext& app = loop.App();
    const WindowHandle score = loop.client->Handle(4);
    app.windows.handle[4] = score;
    SetCaption(app, Control::cmdScore, "Show Score");
    loop.rig.desktop.Minimize(score);
    cmdScore_Click(app);
    EXPECT_EQ(app.showScore, -1);
    EXPECT_EQ(loop.Shown(Control::cmdScore).caption, "Hide Score");
    EXPECT_FALSE(loop.Window(score).minimized);
    EXPECT_TRUE(loop.Window(score).topmost);
    cmdScore_Click(app);
    EXPECT_EQ(app.showScore, 0);
    EXPECT_EQ(loop.Shown(Control::cmdScore).caption, "Show Score");
    EXPECT_TRUE(loop.Window(score).minimized);
    app.windows.handle[4] = 0;  // no score window: only the flag and the caption change
    cmdScore_Click(app);
    EXPECT_EQ(app.showScore, -1);
}

struct LinkCase {
    int index;
    std::string expected;
};

class LinkMenu : public ::testing::TestWithParam<LinkCase> {};

TEST_P(LinkMenu, EachItemOpensItsAddress) {
    ShellRig rig;
    menuLink_Click(rig.app, GetParam().index);
    ASSERT_EQ(rig.browser.opened.size(), 1u);
    EXPECT_EQ(rig.browser.opened[0], GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(
    Items, LinkMenu,
    ::testing::Values(LinkCase{1, std::string(kGameSite) + "/games/login2?page=br&ss=1"},
                      LinkCase{2, std::string(kHelpPage)}, LinkCase{0, ""}, LinkCase{3, ""}));

TEST(LinkMenu, TheLoginPageIsOnTheGamesSiteOverHttps) {
    ShellRig rig;
    menuLink_Click(rig.app, 1);
    EXPECT_TRUE(StartsWith(rig.browser.opened.at(0), "https://"));
    EXPECT_NE(rig.browser.opened.at(0).find("/games/login2?page=br&ss=1"), std::string::npos);
}

TEST(AlertSound, AnEmptyNamePlaysNothing) {
    ShellRig rig;
    rig.app.settings.alertSound = "";
    PlayAlertSound(rig.app);
    EXPECT_TRUE(rig.sound.aliases.empty());
    rig.app.settings.alertSound = "Asterisk";
    PlayAlertSound(rig.app);
    EXPECT_EQ(rig.sound.aliases, std::vector<std::string>{"Asterisk"});
}

TEST(TickIsPast, SignedDifferenceAcrossTheWrap) {
    EXPECT_TRUE(TickIsPast(10, 5));
    EXPECT_FALSE(TickIsPast(5, 5));
    EXPECT_FALSE(TickIsPast(5, 10));
    EXPECT_TRUE(TickIsPast(100, 0xFFFFFF00u));
    EXPECT_FALSE(TickIsPast(0xFFFFFF00u, 100));
}

}  // namespace tallowen::testing

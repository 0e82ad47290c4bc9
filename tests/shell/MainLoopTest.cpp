#include <gtest/gtest.h>

#include <tuple>

#include "shell/MainLoop.h"

#include "ShellRig.h"
#include "TableSetup.h"
#include "common/Edition.h"
#include "reading/Buttons.h"
#include "shell/CaptureSupport.h"
#include "shell/Controls.h"
#include "shell/Discovery.h"

namespace tallowen::testing {

namespace {

// The watcher with the client's table up and the 300 ms timer on the virtual clock. The
// automatic captures are off, so only the slots a test arms do any work; the table shows the
// user's turn, so the trick slot tells when it ran by bringing the table to the front.
struct Loop {
    ShellRig rig;
    AppContext& app = rig.app;
    SimClient* client = nullptr;

    explicit Loop(int language = 1, std::uint32_t start = 0) {
        if (start != 0) rig.clock = SimClock(start);
        app.settings.autoCaptBid = app.settings.autoCaptHand = false;
        SetCaption(app, Control::cmdTimer, "Pause");
        for (Control c : {Control::cmdTimer, Control::cmdScore, Control::picBox, Control::BoxStat})
            SetVisible(app, c, false);  // as start-up leaves them
        client = &StartTable(rig, language);
        PaintTurnRows(rig.desktop, Table(), true, false);
    }
    WindowHandle Table() const { return client->Handle(0); }
    void StartTicks() {
        rig.clock.Every(kTickInterval, [this] { Timer1_Timer(app); });
    }
    void Tick() { rig.clock.Wait(kTickInterval - 1); }  // the next tick and what it waits for
    void Settle() {
        StartTicks();
        Tick();
        Tick();
    }
    std::uint32_t Now() { return rig.clock.Ticks(); }
    const ControlState& Shown(Control c) const { return rig.views.main.controls[std::size_t(c)]; }
    SimWindow& Window(WindowHandle h) { return *rig.desktop.Find(h); }
};

}  // namespace

TEST(TableAppears, TheFirstTickOnlyBringsTheTableUpAndArrangesItsWindows) {
    Loop loop(ToInt(Edition::French));
    AppContext& app = loop.app;
    app.loop.schedule.Arm(Slot::Trick, loop.Now());
    app.settings.minimizeLastHand = true;
    app.settings.log = "on";
    loop.rig.views.log.loaded = true;
    loop.StartTicks();
    loop.Tick();
    EXPECT_EQ(app.loop.gamePresent, 1);
    EXPECT_EQ(app.loop.tickCounter, 1);
    EXPECT_GT(loop.rig.clock.Elapsed(), 2 * kTickInterval) << "ticks arrived inside its waits";
    EXPECT_FALSE(app.display.turnFront) << "no slot runs on the first tick";
    EXPECT_TRUE(EditionOf(app.Language()) == Edition::French && app.game.reading.glyphs.ready &&
                !loop.rig.views.log.loaded);
    EXPECT_TRUE(loop.Window(loop.client->Handle(3)).minimized);
    loop.Tick();
    EXPECT_EQ(app.loop.tickCounter, 2);
    EXPECT_TRUE(app.display.turnFront) << "the trick slot ran and saw the user's turn";
    EXPECT_TRUE(loop.Window(loop.Table()).topmost);
}

TEST(TableGoes, ExitProcResetsThePerTableState) {
    Loop loop(4);
    loop.Settle();
    AppContext& app = loop.app;
    app.loop.schedule.Arm(Slot::Hand, loop.Now() + 3600000);
    app.loop.schedule.Arm(Slot::Bid, loop.Now() + 3600000);
    SetVisible(app, Control::picBox, true);
    SetBox(app, 1);
    loop.client->Close(0);
    loop.Tick();
    EXPECT_EQ(app.loop.gamePresent, 0);
    EXPECT_EQ(app.Language(), 1);
    EXPECT_FALSE(app.loop.schedule[Slot::Hand].armed);
    EXPECT_FALSE(app.loop.schedule[Slot::Bid].armed) << "follows the AutoCapt Bid setting";
    EXPECT_FALSE(app.game.reading.glyphs.ready || app.game.windows.placed[0]);
    EXPECT_FALSE(loop.Shown(Control::picBox).visible);
    EXPECT_EQ(app.records.currentList, 0);
}

TEST(TableAppears, OffToOnGivesUpAfterNineAttempts) {
    Loop loop(1);
    loop.client->Close(4);
    loop.client->Cover(0, TableView::Button(3));  // the score window cannot be opened
    loop.StartTicks();
    loop.Tick();
    EXPECT_EQ(loop.client->clicksSeen, 9 * 3) << "three buttons pressed in each attempt";
    EXPECT_FALSE(loop.Shown(Control::cmdScore).visible) << "the rest of the start is skipped";
    loop.Tick();
    EXPECT_EQ(loop.client->clicksSeen, 27) << "not tried again while the table stays";
}

class BusyTick : public ::testing::TestWithParam<bool BusyFlags::*> {};

TEST_P(BusyTick, ATickDuringAnyBusyFlagOnlyTakesTheTime) {
    Loop loop(1);
    loop.app.loop.busy.*GetParam() = true;
    loop.StartTicks();
    loop.Tick();
    loop.Tick();
    EXPECT_EQ(loop.app.loop.gamePresent, 0);
    EXPECT_EQ(loop.app.loop.tickCounter, 0);
    EXPECT_LT(loop.Now() - loop.app.loop.lastTick, kTickInterval);
    loop.app.loop.busy.*GetParam() = false;
    loop.Tick();
    EXPECT_EQ(loop.app.loop.gamePresent, 1);
}
INSTANTIATE_TEST_SUITE_P(Flags, BusyTick,
                         ::testing::Values(&BusyFlags::bid, &BusyFlags::hand, &BusyFlags::trick,
                                           &BusyFlags::listClick, &BusyFlags::background));

class DueTime : public ::testing::TestWithParam<std::uint32_t> {};

// Start values of the clock: plain, and just before the 32-bit counter wraps.
TEST_P(DueTime, ASlotRunsOnTheFirstTickPastItsDueTime) {
    Loop loop(1, GetParam());
    loop.Settle();
    const std::uint32_t due = loop.Now() + 30000;
    loop.app.loop.schedule.Arm(Slot::Trick, due);
    while (std::int32_t(due - loop.Now()) >= std::int32_t(kTickInterval)) loop.Tick();
    EXPECT_FALSE(loop.app.display.turnFront);
    loop.Tick();
    loop.Tick();
    EXPECT_TRUE(loop.app.display.turnFront);
    if (GetParam() > 0x80000000u) {
        EXPECT_LT(loop.Now(), GetParam()) << "the counter wrapped";
    }
    EXPECT_EQ(loop.app.loop.schedule[Slot::Trick].due, due)
        << "the trick slot keeps its past due time";
}
INSTANTIATE_TEST_SUITE_P(Clocks, DueTime, ::testing::Values(5000u, 0xFFFFFFFFu - 10000));

struct PauseCase {
    void (*click)(AppContext&);
    int lastShifted;  // the slots 1..lastShifted move by the pause's length
};

class Pause : public ::testing::TestWithParam<PauseCase> {};

TEST_P(Pause, SlotsKeepTheirRemainingTimeAndTheTableGoesBehind) {
    Loop loop(1);
    AppContext& app = loop.app;
    app.loop.gamePresent = 1;
    app.game.windows.table = loop.Table();
    const std::uint32_t t0 = loop.Now();  // 0: a pause may begin at tick 0
    for (int k = 1; k <= 5; ++k)
        app.loop.schedule.slots[std::size_t(k)] = {true, t0 + 1000u * k, 0};
    app.loop.schedule[Slot::Hand] = {true, t0 - 500, 99999};  // due already; an old pause's rest
    GetParam().click(app);
    EXPECT_TRUE(app.loop.pauseStart != 0 && !loop.Window(loop.Table()).topmost);
    loop.rig.clock.Wait(4999);
    const std::uint32_t resume = loop.Now();
    GetParam().click(app);
    EXPECT_EQ(app.loop.pauseStart, 0u);
    for (int k : {1, 2, 4, 5}) {
        const std::uint32_t shift = k <= GetParam().lastShifted ? resume - t0 : 0;
        EXPECT_EQ(app.loop.schedule.slots[std::size_t(k)].due, t0 + 1000u * k + shift) << k;
    }
    EXPECT_EQ(app.loop.schedule[Slot::Hand].due, resume) << "a due slot stays due";
    EXPECT_TRUE(loop.Window(loop.Table()).topmost);
    app.loop.gamePresent = 0;  // no game, no pause
    GetParam().click(app);
    EXPECT_EQ(app.loop.pauseStart, 0u);
}
INSTANTIATE_TEST_SUITE_P(Controls, Pause,
                         ::testing::Values(PauseCase{&cmdTimer_Click, 3},
                                           PauseCase{&picBox_Click, 5}));

TEST(Pause, AJapaneseCaptionComesBack) {
    Loop loop(1);
    AppContext& app = loop.app;
    app.loop.gamePresent = 1;
    app.jpnInterface = true;
    SetCaption(app, Control::cmdTimer, "休止");
    cmdTimer_Click(app);
    EXPECT_EQ(loop.Shown(Control::cmdTimer).caption, "0");
    cmdTimer_Click(app);
    EXPECT_EQ(loop.Shown(Control::cmdTimer).caption, "休止");
    EXPECT_EQ(app.loop.picBoxPause, 0);
}

class PauseAlert : public ::testing::TestWithParam<const char*> {};

TEST_P(PauseAlert, TwoAndThreeMinutesIntoAPauseTheAlertSounds) {
    Loop loop(1);
    loop.Settle();
    loop.app.settings.alertSound = GetParam();
    const std::size_t perAlert = *GetParam() ? 1 : 0;  // an empty name plays nothing
    const auto plays = [&] { return loop.rig.sound.aliases.size(); };
    cmdTimer_Click(loop.app);
    const std::uint32_t start = loop.app.loop.pauseStart;
    const auto until = [&](std::uint32_t ms) { loop.rig.clock.Wait(start + ms - loop.Now()); };
    until(119000);
    EXPECT_EQ(plays(), 0u);
    until(121000);
    const std::size_t first = plays();
    EXPECT_TRUE(loop.rig.views.main.alertBorder);
    EXPECT_GE(first, 3 * perAlert);  // every 300 ms tick that rounds to 120 s
    EXPECT_LE(first, 4 * perAlert);
    until(179000);
    EXPECT_EQ(plays(), first);
    until(185000);
    EXPECT_GE(plays(), first + 3 * perAlert);
    EXPECT_LE(plays(), first + 4 * perAlert);
    cmdTimer_Click(loop.app);
    EXPECT_FALSE(loop.rig.views.main.alertBorder);
}
INSTANTIATE_TEST_SUITE_P(Sounds, PauseAlert, ::testing::Values("Asterisk", ""));

// Ink in row 112 above a blank row 113 of the table's turn marker is the user's turn.
TEST(TurnTest, InkAboveABlankRowMeansTheUsersTurn) {
    Loop loop(1);
    EXPECT_FALSE(TestMyTurn(loop.app.game.reading)) << "no table known yet";
    loop.app.game.windows.table = loop.Table();
    for (auto [ink112, ink113, turn] : {std::tuple{true, false, true},
                                        {false, false, false},
                                        {true, true, false},
                                        {false, true, false}}) {
        PaintTurnRows(loop.rig.desktop, loop.Table(), ink112, ink113);
        EXPECT_EQ(TestMyTurn(loop.app.game.reading), turn) << ink112 << ink113;
    }
}

TEST(Pause, ADueTimeReachedDuringThePauseWaitsForItsEnd) {
    Loop loop(1);
    loop.Settle();
    loop.app.loop.schedule.Arm(Slot::Trick, loop.Now() + 1000);
    cmdTimer_Click(loop.app);
    loop.rig.clock.Wait(5000);
    EXPECT_FALSE(loop.app.display.turnFront) << "nothing runs while paused";
    cmdTimer_Click(loop.app);
    loop.rig.clock.Wait(800);
    EXPECT_FALSE(loop.app.display.turnFront) << "the time left is counted from the resume";
    loop.rig.clock.Wait(600);
    EXPECT_TRUE(loop.app.display.turnFront);
}

TEST(KeepInFront, TheMessageAndTheScoreWindowStayInFront) {
    Loop loop(1);
    loop.Settle();
    const WindowHandle score = loop.client->Handle(4);
    loop.rig.desktop.SetTopmost(score, false);
    loop.app.display.messages.visible = true;
    loop.Tick();
    EXPECT_TRUE(loop.rig.views.message.topmost);
    EXPECT_FALSE(loop.Window(score).topmost) << "not while the score is hidden";
    loop.app.display.showScore = 2;
    loop.Tick();
    EXPECT_TRUE(loop.Window(score).topmost);
}

}  // namespace tallowen::testing

namespace tallowen::testing {
namespace {

TEST(LinkMenu, HelpOpensTheGuideInTheProgramFolderAndTheWebPageOnlyWithoutIt) {
    ShellRig rig;
    menuLink_Click(rig.app, 2);  // no guide unpacked beside the program
    const std::filesystem::path guide = rig.folder / "guide" / "Tallowen-guide.html";
    std::filesystem::create_directories(guide.parent_path());
    std::ofstream(guide) << "<title>guide</title>";
    menuLink_Click(rig.app, 2);
    menuLink_Click(rig.app, 1);
    ASSERT_EQ(rig.browser.opened.size(), 3u);
    EXPECT_EQ(rig.browser.opened[0], kHelpPage);
    EXPECT_EQ(PathFromUtf8(rig.browser.opened[1]), guide.lexically_normal());
    EXPECT_EQ(rig.browser.opened[2], std::string(kGameSite) + "/games/login2?page=br&ss=1");
}

}  // namespace
}  // namespace tallowen::testing

namespace tallowen::testing {

// Once the user shows the score window, reading the score must not minimise it again; once
// hidden, a read puts it back down.
TEST(ShowScore, AShownScoreWindowStaysUpWhenTheScoreIsRead) {
    Loop loop(1);
    loop.Settle();
    const WindowHandle score = loop.client->Handle(4);
    ScorePair read;
    cmdScore_Click(loop.app);
    ASSERT_EQ(loop.Shown(Control::cmdScore).caption, "Hide Score");
    EXPECT_EQ(ReadScore(loop.app, read, 1), CaptureResult::Read);
    EXPECT_FALSE(loop.Window(score).minimized);

    cmdScore_Click(loop.app);
    loop.rig.desktop.Restore(score);
    EXPECT_EQ(ReadScore(loop.app, read, 1), CaptureResult::Read);
    EXPECT_TRUE(loop.Window(score).minimized);
}

}  // namespace tallowen::testing

// The watch over the play between the auction and the hand, and the tricks count it reads.
#include "CaptureRig.h"
#include "reading/TricksCount.h"
#include "shell/Controls.h"

namespace tallowen::testing {
namespace {

int Shown(CaptureRig& rig, Control label) {
    return std::atoi(rig.Ctl(label).caption.c_str());
}

SimClient& PlayStarts(CaptureRig& rig, const SimBoard& board) {
    SimClient& client = rig.Start(board, SimStage::Auction, int(board.calls.size()));
    cmdBidClick2(rig.app, 1);
    EXPECT_EQ(rig.app.captureNotes.lastBidResult, 0);
    return client;
}

TEST(TrickWatch, CountsEachTrickOnceAndCapturesTheHandAfterFiftyTwoCards) {
    CaptureRig rig;
    const SimBoard board = PlayedBoard(41);
    ASSERT_EQ(board.played, 13);
    SimClient& client = PlayStarts(rig, board);
    const int us = board.userSeat % 2;
    for (int t = 1; t <= 12; ++t) {
        client.SetStage(SimStage::Play, t);
        CmdTrick(rig.app);
        CmdTrick(rig.app);  // the same trick on the next tick counts nothing
        ASSERT_EQ(rig.app.cardsSeen, 4 * t) << t;
        int we = 0, they = 0;
        client.ExpectedTricks(we, they);
        if (we > 0) {
            EXPECT_EQ(Shown(rig, Control::WeT), board.TricksWon(us, t)) << t;
        }
        if (they > 0) {
            EXPECT_EQ(Shown(rig, Control::ThT), board.TricksWon(1 - us, t)) << t;
        }
        EXPECT_EQ(Shown(rig, Control::sumT), t) << t;
    }
    EXPECT_TRUE(rig.Records().empty());
    client.SetStage(SimStage::Done);
    CmdTrick(rig.app);
    EXPECT_EQ(rig.app.cardsSeen, 52);
    EXPECT_EQ(rig.app.captureNotes.lastHandResult, 0);
    ASSERT_EQ(rig.Records().size(), 1u);
    EXPECT_FALSE(rig.SlotOf(Slot::Trick).armed);
    EXPECT_EQ(Shown(rig, Control::sumT), 12) << "the total of 13 is left to the hand capture";
}

TEST(TrickWatch, TheLabelsNeverGoDown) {
    CaptureRig rig;
    const SimBoard board = PlayedBoard(42);
    SimClient& client = PlayStarts(rig, board);
    SetCaption(rig.app, Control::WeT, "9");
    SetCaption(rig.app, Control::ThT, "9");
    SetCaption(rig.app, Control::sumT, "9");
    client.SetStage(SimStage::Play, 3);
    CmdTrick(rig.app);
    EXPECT_EQ(rig.Ctl(Control::WeT).caption, "9");
    EXPECT_EQ(rig.Ctl(Control::ThT).caption, "9");
    EXPECT_EQ(rig.Ctl(Control::sumT).caption, "9");
    EXPECT_EQ(rig.app.lastTotalShown, 3);
    // A later trick whose total reads no higher than the one shown changes nothing.
    rig.app.lastTotalShown = 10;
    SetCaption(rig.app, Control::sumT, "");
    client.SetStage(SimStage::Play, 4);
    CmdTrick(rig.app);
    EXPECT_EQ(rig.Ctl(Control::sumT).caption, "");
    EXPECT_EQ(rig.app.cardsSeen, 8);
}

TEST(TrickWatch, WithAutomaticHandCaptureOffFiftyTwoCardsCaptureNothing) {
    CaptureRig rig;
    rig.app.settings.autoCaptHand = false;
    const SimBoard board = PlayedBoard(43);
    SimClient& client = PlayStarts(rig, board);
    for (int t = 1; t <= 12; ++t) {
        client.SetStage(SimStage::Play, t);
        CmdTrick(rig.app);
    }
    client.SetStage(SimStage::Done);
    CmdTrick(rig.app);
    EXPECT_EQ(rig.app.cardsSeen, 52);
    EXPECT_TRUE(rig.Records().empty());
}

TEST(TrickWatch, AMissingLastTrickWindowIsReportedAtOnce) {
    CaptureRig rig;
    const SimBoard board = PlayedBoard(44);
    PlayStarts(rig, board);
    rig.app.tickCounter = 2;
    rig.app.windows.handle[std::size_t(WindowKind::LastTrick)] = 0;
    CmdTrick(rig.app);
    ASSERT_EQ(rig.app.captureNotes.missing.size(), 1u);
    EXPECT_EQ(rig.app.captureNotes.missing[0].kind, WindowKind::LastTrick);
    EXPECT_EQ(rig.app.captureNotes.missing[0].code, 25);
    rig.app.gamePresent = 0;
    CmdTrick(rig.app);
    EXPECT_EQ(rig.app.captureNotes.missing.size(), 1u) << "no game, no watch";
}

TEST(TrickWatch, PreparingTheWatchResetsWhatTheBoardBeforeLeft) {
    CaptureRig rig;
    const SimBoard board = PlayedBoard(45);
    SimClient& client = rig.Start(board, SimStage::Play, 5);
    rig.app.cardsSeen = 48;
    rig.app.trick.cardCount = 48;
    rig.app.turnFront = true;
    rig.app.lastTotalShown = 12;
    PrepCaptNextHand(rig.app);
    EXPECT_EQ(rig.app.cardsSeen, 0);
    EXPECT_EQ(rig.app.trick.cardCount, 0);
    EXPECT_FALSE(rig.app.turnFront);
    EXPECT_EQ(rig.app.lastTotalShown, 0);
    EXPECT_TRUE(rig.app.bidBoxAtAuction);
    EXPECT_EQ(rig.SlotOf(Slot::Trick).due, rig.clock.Ticks() + 500);
    // The trick on display when the watch began is not a trick of this board.
    CmdTrick(rig.app);
    EXPECT_EQ(rig.app.cardsSeen, 0);
    client.SetStage(SimStage::Play, 6);
    CmdTrick(rig.app);
    EXPECT_EQ(rig.app.cardsSeen, 4);
}

TEST(TrickWatch, TheRemainingCardsBoxFollowsThePlayWhenConfigured) {
    CaptureRig rig;
    rig.app.settings.boxPosition = {10, 300};
    rig.app.boxLoaded = true;
    const SimBoard board = PlayedBoard(46);
    SimClient& client = PlayStarts(rig, board);
    EXPECT_EQ(rig.views.side.boxShown, 1);
    EXPECT_EQ(rig.views.side.trump, rig.app.deals.capture.Strain);
    client.SetStage(SimStage::Play, 1);
    CmdTrick(rig.app);
    EXPECT_EQ(rig.views.side.ticked.size(), 4u);
}

TEST(TricksCountMend, TheTableIsNeverLeftInFrontOfEveryWindow) {
    CaptureRig rig;
    const SimBoard board = PlayedBoard(47);
    rig.Start(board, SimStage::Play, 2);
    const WindowHandle table = rig.client->Handle(0);
    auto inFront = [&] { return rig.desktop.Find(table)->topmost; };
    int we = 0, they = 0;
    // Found and read.
    rig.desktop.SetTopmost(table, true);
    CaptureTotalTricks(rig.app.reading, rig.app.infoBox, we, they);
    EXPECT_FALSE(inFront());
    // No label for the language.
    rig.app.windows.language = 0;
    rig.desktop.SetTopmost(table, true);
    CaptureTotalTricks(rig.app.reading, rig.app.infoBox, we, they);
    EXPECT_FALSE(inFront());
    rig.app.windows.language = 1;
    // The box cannot be found: a table width never seen, covered where the box would be.
    rig.app.infoBox = InfoBoxState{};
    rig.client->Cover(0, {0, 0, 800, 537});
    rig.desktop.SetTopmost(table, true);
    CaptureTotalTricks(rig.app.reading, rig.app.infoBox, we, they);
    EXPECT_FALSE(rig.app.infoBox.located);
    EXPECT_FALSE(inFront());
}

}  // namespace
}  // namespace tallowen::testing

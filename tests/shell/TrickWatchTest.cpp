// The watch over the play between the auction and the hand, and the tricks count it reads.
#include <gtest/gtest.h>

#include "CaptureRig.h"
#include "reading/TricksCount.h"
#include "shell/Controls.h"

namespace tallowen::testing {
namespace {

int Shown(CaptureRig& rig, Control label) {
    return std::atoi(rig.Ctl(label).caption.c_str());
}

SimClient& PlayStarts(CaptureRig& rig, const SimBoard& board) {
    SimClient& client = rig.StartAuctionOver(board);
    cmdBidClick2(rig.app, 1);
    EXPECT_EQ(rig.app.capture.notes.lastBidResult, CaptureResult::Read);
    return client;
}

// Twelve tricks, each seen on two ticks, then the board's end.
void PlayOut(CaptureRig& rig, SimClient& client) {
    for (int t = 1; t <= 12; ++t) {
        client.SetStage(SimStage::Play, t);
        CmdTrick(rig.app);
        CmdTrick(rig.app);
        ASSERT_EQ(rig.app.capture.cardsSeen, 4 * t) << "each trick counts once";
        EXPECT_EQ(Shown(rig, Control::sumT), t);
    }
    EXPECT_TRUE(rig.Records().empty());
    client.SetStage(SimStage::Done);
    CmdTrick(rig.app);
    EXPECT_EQ(rig.app.capture.cardsSeen, 52);
}

TEST(TrickWatch, CountsEachTrickOnceAndCapturesTheHandAfterFiftyTwoCards) {
    CaptureRig rig;
    const SimBoard board = PlayedBoard(41);
    ASSERT_EQ(board.played, 13);
    PlayOut(rig, PlayStarts(rig, board));
    EXPECT_EQ(rig.Records().size(), 1u);
    EXPECT_FALSE(rig.SlotOf(Slot::Trick).armed);
    EXPECT_EQ(Shown(rig, Control::sumT), 12) << "13 is left to the hand capture";
}

TEST(TrickWatch, WithAutomaticHandCaptureOffOnlyTheButtonCaptures) {
    CaptureRig rig;
    rig.app.settings.autoCaptHand = false;
    SimClient& client = PlayStarts(rig, PlayedBoard(43));
    EXPECT_FALSE(rig.SlotOf(Slot::Hand).armed);
    PlayOut(rig, client);
    cmdHandClick2(rig.app, 1);  // as the bid box of the next deal would
    EXPECT_TRUE(rig.Records().empty());
    cmdHandClick2(rig.app, 0);
    EXPECT_EQ(rig.Records().size(), 1u);
}

TEST(TrickWatch, TheLabelsNeverGoDown) {
    CaptureRig rig;
    SimClient& client = PlayStarts(rig, PlayedBoard(42));
    for (Control c : {Control::WeT, Control::ThT, Control::sumT}) SetCaption(rig.app, c, "9");
    rig.app.display.shown.tricks = {9, 9, 9};
    client.SetStage(SimStage::Play, 3);
    CmdTrick(rig.app);
    for (Control c : {Control::WeT, Control::ThT, Control::sumT}) EXPECT_EQ(Shown(rig, c), 9);
    EXPECT_EQ(rig.app.capture.lastTotalShown, 3);
    // A total that reads no higher than the last one shown changes nothing.
    rig.app.capture.lastTotalShown = 10;
    SetCaption(rig.app, Control::sumT, "");
    rig.app.display.shown.tricks[2] = 0;
    client.SetStage(SimStage::Play, 4);
    CmdTrick(rig.app);
    EXPECT_EQ(rig.Ctl(Control::sumT).caption, "");
}

TEST(TrickWatch, AMissingLastTrickWindowIsReportedAtOnce) {
    CaptureRig rig;
    PlayStarts(rig, PlayedBoard(44));
    rig.app.loop.tickCounter = 2;
    rig.app.game.windows.handle[std::size_t(WindowKind::LastTrick)] = 0;
    CmdTrick(rig.app);
    ASSERT_EQ(rig.app.capture.notes.missing.size(), 1u);
    EXPECT_EQ(rig.app.capture.notes.missing[0].code, 25);
}

TEST(TricksCountMend, TheTableIsNeverLeftInFrontOfEveryWindow) {
    CaptureRig rig;
    rig.Start(PlayedBoard(47), SimStage::Play, 2);
    const WindowHandle table = rig.client->Handle(0);
    auto readLeavesItBehind = [&] {
        rig.desktop.SetTopmost(table, true);
        int we = 0, they = 0;
        CaptureTotalTricks(rig.app.game.reading, rig.app.game.infoBox, we, they);
        return !rig.desktop.Find(table)->topmost;
    };
    EXPECT_TRUE(readLeavesItBehind()) << "read";
    rig.app.game.windows.language = 0;
    EXPECT_TRUE(readLeavesItBehind()) << "no label for the language";
    rig.app.game.windows.language = 1;
    rig.app.game.infoBox = InfoBoxState{};
    rig.client->Cover(0, {0, 0, 800, 537});
    EXPECT_TRUE(readLeavesItBehind()) << "the box not found";
    EXPECT_FALSE(rig.app.game.infoBox.located);
}

}  // namespace
}  // namespace tallowen::testing

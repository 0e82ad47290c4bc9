// The capture of the last hand with the score, which records the board.
#include <gtest/gtest.h>

#include "CaptureRig.h"
#include "shell/Controls.h"
#include "sim/SimRecord.h"

namespace tallowen::testing {
namespace {

constexpr std::uint32_t kWaitHand = 300000;

// The auction of `board` taken, and the board played to its end.
SimClient& AuctionTaken(CaptureRig& rig, const SimBoard& board) {
    SimClient& client = rig.StartAuctionOver(board);
    cmdBidClick2(rig.app, 1);
    EXPECT_EQ(rig.app.captureNotes.lastBidResult, 0);
    client.SetStage(SimStage::Done);
    return client;
}

void ExpectRecordOf(CaptureRig& rig, const std::string& name, const SimBoard& board) {
    const Deal read = rig.ReadBack(name);
    const Deal expected = RecordOf(board);
    EXPECT_EQ(read.Names, expected.Names);
    EXPECT_EQ(read.Rounds, expected.Rounds);
    EXPECT_EQ(read.Calls, expected.Calls);
    EXPECT_EQ(read.Cards, expected.Cards);
    EXPECT_EQ(read.CardMarks, expected.CardMarks);
    EXPECT_EQ(read.ScoreBefore, expected.ScoreBefore);
    EXPECT_EQ(read.ScoreAfter, expected.ScoreAfter);
}

// Nothing recorded, and the hand capture to be tried again.
void ExpectRetry(CaptureRig& rig) {
    EXPECT_TRUE(rig.Records().empty());
    EXPECT_TRUE(rig.SlotOf(Slot::Hand).armed);
    // Re-armed before the missing window's button is pressed, which takes a moment.
    const std::uint32_t due = rig.SlotOf(Slot::Hand).due, now = rig.clock.Ticks();
    EXPECT_LE(due, now + kWaitHand);
    EXPECT_GE(due + 1000, now + kWaitHand);
    EXPECT_EQ(rig.app.keptScore, ScorePair{});
    EXPECT_TRUE(rig.Ctl(Control::cmdBid).visible && !rig.app.busy.hand);
}

TEST(HandCapture, AWholeBoardIsRecordedAsTheClientPlayedIt) {
    for (std::uint32_t seed : {21u, 22u, 23u}) {
        CaptureRig rig;
        const SimBoard board = PlayedBoard(seed);
        AuctionTaken(rig, board);
        cmdHandClick2(rig.app, 0);
        ASSERT_EQ(rig.app.captureNotes.lastHandResult, 0) << seed;
        ASSERT_EQ(rig.Records(), std::vector<std::string>{"12_06_001.brg"});
        ExpectRecordOf(rig, "12_06_001", board);
        // The record as the scoring completes it, shown and kept as the board before.
        const Deal& shown = rig.app.deals.shown;
        const int need = 6 + board.level, made = board.declarerTricks;
        EXPECT_EQ(shown.Declarer, board.declarer);
        EXPECT_EQ(shown.Result, made >= need ? made - 6 : made - need);
        EXPECT_EQ(rig.app.previousDeal, shown);
        EXPECT_EQ(rig.views.main.shownDeal, shown);
        EXPECT_EQ(rig.app.keptScore, board.after);
        EXPECT_EQ(rig.app.records.onDisplay, "12_06_001");
        EXPECT_TRUE(rig.Ctl(Control::picBox).visible);
        // The next auction comes next.
        EXPECT_EQ(rig.app.deals.capture.Strain, 4);
        EXPECT_TRUE(rig.SlotOf(Slot::Bid).armed);
        EXPECT_FALSE(rig.SlotOf(Slot::Hand).armed || rig.SlotOf(Slot::Trick).armed);
        EXPECT_EQ(rig.Ctl(Control::cmdBid).backColour, kOrange);
        EXPECT_TRUE(rig.Ctl(Control::cmdBid).visible && rig.Ctl(Control::cmdHand).enabled);
    }
}

TEST(HandCapture, TheSameHandAgainIsUnchangedAndRecordsNothing) {
    CaptureRig rig;
    const SimBoard board = PlayedBoard(26);
    AuctionTaken(rig, board);
    cmdHandClick2(rig.app, 0);
    ASSERT_EQ(rig.app.captureNotes.lastHandResult, 0);
    // The score moved on, but the last-hand window still shows the board recorded.
    SimBoard moved = board;
    moved.after[0].Score += 100;
    rig.Start(moved, SimStage::Done);
    cmdHandClick2(rig.app, 0);
    EXPECT_EQ(rig.app.captureNotes.lastHandResult, 24);
    EXPECT_EQ(rig.MessageCodes(), std::vector<int>{24});
    EXPECT_EQ(rig.Records().size(), 1u);
    EXPECT_EQ(rig.app.keptScore, board.after);
    EXPECT_TRUE(rig.SlotOf(Slot::Hand).armed);
}

TEST(HandCapture, AScoreNotYetMovedOnIsUnchanged) {
    CaptureRig rig;
    SimClient& client = AuctionTaken(rig, PlayedBoard(27));
    SimFaults stale;
    stale.staleScore = true;
    client.SetFaults(stale);
    cmdHandClick2(rig.app, 1);  // automatic: silent
    EXPECT_EQ(rig.app.captureNotes.lastHandResult, 7);
    EXPECT_TRUE(rig.MessageCodes().empty());
    cmdHandClick2(rig.app, 0);
    EXPECT_EQ(rig.MessageCodes(), std::vector<int>{7});
    ExpectRetry(rig);
    client.SetFaults(SimFaults{});
    cmdHandClick2(rig.app, 1);
    EXPECT_EQ(rig.Records().size(), 1u) << "recorded once the score has moved on";
}

TEST(HandCapture, APassedOutBoardIsRecordedThoughItsScoreCannotMove) {
    CaptureRig rig;
    SimBoard board = MakeBoard(28);
    board.calls = {"Pass", "Pass", "Pass", "Pass"};
    CompleteBoard(board, 28);
    ASSERT_EQ(board.after, board.before);
    AuctionTaken(rig, board);
    cmdHandClick2(rig.app, 1);
    EXPECT_EQ(rig.app.captureNotes.lastHandResult, 0);
    ExpectRecordOf(rig, "12_06_001", board);
}

TEST(HandCapture, AnUnreadableOrEmptyHandIsReportedAndTriedAgain) {
    CaptureRig rig;
    SimClient& client = AuctionTaken(rig, PlayedBoard(29));
    SimFaults faults;
    faults.misdrawnKind = 3;
    faults.misdrawnGlyph = 8;  // a glyph of the first line's cards
    client.SetFaults(faults);
    cmdHandClick2(rig.app, 1);
    EXPECT_EQ(rig.app.captureNotes.lastHandResult, 22);
    EXPECT_EQ(rig.app.captureNotes.errors,
              std::vector<std::string>{"Failed in Reading \"Last Hand\"."});
    ExpectRetry(rig);
    // A window that cannot be copied reads as no error with nothing in it: no hand either.
    client.Close(3);
    rig.app.windows.handle[3] = 0x4242;
    cmdHandClick2(rig.app, 1);
    EXPECT_EQ(rig.app.captureNotes.lastHandResult, 22);
    ExpectRetry(rig);
}

TEST(HandCapture, AnAuctionFileOrRecordThatFailsIsReportedAndNothingChanges) {
    for (bool auctionFile : {true, false}) {
        CaptureRig rig;
        AuctionTaken(rig, PlayedBoard(31));
        const Deal before = rig.app.deals.capture;
        if (auctionFile)
            std::filesystem::remove(rig.folder / "Work" / "BridgeBid.brg");
        else
            rig.app.naming.RecordPrefix = "gone/12_06_";  // a folder that does not exist
        cmdHandClick2(rig.app, 1);
        EXPECT_EQ(rig.app.captureNotes.lastHandResult, kRecordFailed);
        EXPECT_EQ(rig.app.captureNotes.errors.size(), 1u);
        EXPECT_EQ(rig.app.deals.capture, before);
        EXPECT_EQ(rig.app.previousDeal, Deal{});
        EXPECT_FALSE(rig.SlotOf(Slot::Bid).armed);
        ExpectRetry(rig);
    }
}

TEST(HandCapture, ACaptureRunningKeepsAnotherFromStarting) {
    CaptureRig rig;
    AuctionTaken(rig, PlayedBoard(34));
    int nestedCopies = -1;
    rig.clock.After(50, [&] {
        EXPECT_TRUE(rig.app.busy.hand);
        const int copies = rig.desktop.Copies();
        cmdHandClick2(rig.app, 1);
        nestedCopies = rig.desktop.Copies() - copies;
    });
    cmdHandClick2(rig.app, 1);
    EXPECT_EQ(nestedCopies, 0);
    EXPECT_EQ(rig.Records().size(), 1u);
}

TEST(HandCapture, WithoutAGameTheButtonOnlyShowsASample) {
    CaptureRig rig;
    AuctionTaken(rig, PlayedBoard(35));
    rig.app.gamePresent = 0;
    cmdHandClick2(rig.app, 0);
    cmdHand_Click(rig.app);  // without the log setting: nothing
    EXPECT_TRUE(rig.Records().empty());
    EXPECT_EQ(rig.views.side.boardShown, 0);
    rig.app.settings.log = "on";
    cmdHand_Click(rig.app);
    EXPECT_EQ(rig.views.side.board.AuctionNames, (SeatNames{"Hawk", "Panda", "Sheep", "Mouse"}));
    EXPECT_EQ(rig.app.previousDeal, Deal{});
}

TEST(HandCapture, TheRightButtonSwitchesAutomaticCapture) {
    CaptureRig rig;
    rig.app.schedule.Arm(Slot::Hand, 5);
    cmdHand_MouseDown(rig.app, kRightButton);
    EXPECT_FALSE(rig.app.settings.autoCaptHand || rig.SlotOf(Slot::Hand).armed ||
                 rig.Ctl(Control::cmdHand).bold);
    // Re-armed before the missing window's button is pressed, which takes a moment.
    const std::uint32_t due = rig.SlotOf(Slot::Hand).due, now = rig.clock.Ticks();
    EXPECT_LE(due, now + kWaitHand);
    EXPECT_GE(due + 1000, now + kWaitHand);
    menuHand_Click(rig.app);
    EXPECT_TRUE(rig.app.settings.autoCaptHand && rig.Ctl(Control::menuHand).checked &&
                rig.Ctl(Control::cmdHand).bold);
    EXPECT_FALSE(rig.SlotOf(Slot::Hand).armed) << "armed only by the next auction";
    cmdHand_MouseDown(rig.app, 1);
    EXPECT_TRUE(rig.app.settings.autoCaptHand);
}

struct MissingCase {
    std::vector<WindowKind> missing;
    int code;
    bool reported;
};

class HandMissingWindow : public ::testing::TestWithParam<MissingCase> {};

TEST_P(HandMissingWindow, IsReportedWhereItMattersAndTheCaptureTriesAgain) {
    const MissingCase& c = GetParam();
    CaptureRig rig;
    AuctionTaken(rig, PlayedBoard(36));
    for (WindowKind kind : c.missing) rig.app.windows.handle[std::size_t(kind)] = 0;
    cmdHandClick2(rig.app, 1);
    EXPECT_EQ(rig.app.captureNotes.lastHandResult, c.code);
    ASSERT_EQ(rig.app.captureNotes.missing.size(), c.reported ? 1u : 0u);
    if (c.reported) {
        EXPECT_EQ(rig.app.captureNotes.missing[0].code, c.code);
    }
    ExpectRetry(rig);
}

INSTANTIATE_TEST_SUITE_P(
    Windows, HandMissingWindow,
    ::testing::Values(MissingCase{{WindowKind::Score}, 1, true},
                      MissingCase{{WindowKind::LastHand, WindowKind::Bidding}, 21, true},
                      MissingCase{{WindowKind::Bidding}, 18, false},
                      MissingCase{{WindowKind::Bidding, WindowKind::Score}, 1, true}));

}  // namespace
}  // namespace tallowen::testing

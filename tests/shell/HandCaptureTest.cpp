// The capture of the last hand with the score, which records the board.
#include "CaptureRig.h"
#include "records/RecordFiles.h"
#include "shell/Controls.h"

namespace tallowen::testing {
namespace {

constexpr std::uint32_t kWaitHand = 300000;

// The auction of `board` taken, and the board played to its end.
SimClient& AuctionTaken(CaptureRig& rig, const SimBoard& board) {
    SimClient& client = rig.Start(board, SimStage::Auction, int(board.calls.size()));
    cmdBidClick2(rig.app, 1);
    EXPECT_EQ(rig.app.captureNotes.lastBidResult, 0);
    client.SetStage(SimStage::Done);
    return client;
}

void ExpectRecordOf(CaptureRig& rig, const std::string& name, const SimBoard& board) {
    const Deal read = rig.ReadBack(name);
    const Deal expected = ExpectedRecord(board);
    EXPECT_EQ(read.Names, expected.Names);
    EXPECT_EQ(read.Rounds, expected.Rounds);
    EXPECT_EQ(read.Calls, expected.Calls);
    EXPECT_EQ(read.Cards, expected.Cards);
    EXPECT_EQ(read.CardMarks, expected.CardMarks);
    EXPECT_EQ(read.ScoreBefore, expected.ScoreBefore);
    EXPECT_EQ(read.ScoreAfter, expected.ScoreAfter);
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
        const int need = 6 + board.level;
        const int result =
            board.declarerTricks >= need ? board.declarerTricks - 6 : board.declarerTricks - need;
        EXPECT_EQ(shown.Declarer, board.declarer);
        EXPECT_EQ(shown.Strain, board.strain);
        EXPECT_EQ(shown.Result, result);
        EXPECT_EQ(shown.Names, board.names);
        EXPECT_EQ(rig.app.previousDeal, shown);
        EXPECT_EQ(rig.views.main.shownDeal, shown);
        EXPECT_EQ(rig.app.deals.capture.Strain, 4) << "no trump known before the next auction";
        EXPECT_EQ(rig.app.keptScore, board.after);
        EXPECT_EQ(rig.app.records.onDisplay, "12_06_001");
        EXPECT_EQ(rig.views.main.dealsShown, 1);
        EXPECT_TRUE(rig.Ctl(Control::picBox).visible);
        // The next auction comes next.
        EXPECT_TRUE(rig.SlotOf(Slot::Bid).armed);
        EXPECT_FALSE(rig.SlotOf(Slot::Hand).armed);
        EXPECT_FALSE(rig.SlotOf(Slot::Trick).armed);
        EXPECT_EQ(rig.Ctl(Control::cmdBid).backColour, kOrange);
        EXPECT_TRUE(rig.Ctl(Control::cmdBid).visible);
        EXPECT_TRUE(rig.Ctl(Control::cmdHand).enabled);
        EXPECT_FALSE(rig.app.busy.hand);
    }
}

TEST(HandCapture, TheNextBoardTakesTheNextRecordName) {
    CaptureRig rig;
    const SimBoard first = PlayedBoard(24);
    AuctionTaken(rig, first);
    cmdHandClick2(rig.app, 0);
    ASSERT_EQ(rig.app.captureNotes.lastHandResult, 0);
    SimBoard second = PlayedBoard(25);
    second.before = first.after;
    CompleteBoard(second, 25, false);
    AuctionTaken(rig, second);
    cmdHandClick2(rig.app, 1);
    ASSERT_EQ(rig.app.captureNotes.lastHandResult, 0);
    ExpectRecordOf(rig, "12_06_001", first);
    ExpectRecordOf(rig, "12_06_002", second);
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
    ASSERT_EQ(rig.app.captureNotes.messages.size(), 1u);
    EXPECT_EQ(rig.app.captureNotes.messages[0].code, 24);
    EXPECT_EQ(rig.Records().size(), 1u);
    EXPECT_EQ(rig.app.keptScore, board.after);
    EXPECT_TRUE(rig.SlotOf(Slot::Hand).armed);
    EXPECT_EQ(rig.SlotOf(Slot::Hand).due, rig.clock.Ticks() + kWaitHand);
}

TEST(HandCapture, AScoreNotYetMovedOnIsUnchanged) {
    CaptureRig rig;
    const SimBoard board = PlayedBoard(27);
    SimClient& client = AuctionTaken(rig, board);
    SimFaults stale;
    stale.staleScore = true;
    client.SetFaults(stale);
    cmdHandClick2(rig.app, 1);  // automatic: silent
    EXPECT_EQ(rig.app.captureNotes.lastHandResult, 7);
    EXPECT_TRUE(rig.app.captureNotes.messages.empty());
    cmdHandClick2(rig.app, 0);
    EXPECT_EQ(rig.app.captureNotes.lastHandResult, 7);
    ASSERT_EQ(rig.app.captureNotes.messages.size(), 1u);
    EXPECT_EQ(rig.app.captureNotes.messages[0].code, 7);
    EXPECT_TRUE(rig.Records().empty());
    EXPECT_TRUE(rig.SlotOf(Slot::Hand).armed);
    EXPECT_EQ(rig.SlotOf(Slot::Hand).due, rig.clock.Ticks() + kWaitHand);
    // Once the score has moved on the board is recorded.
    client.SetFaults(SimFaults{});
    cmdHandClick2(rig.app, 1);
    EXPECT_EQ(rig.app.captureNotes.lastHandResult, 0);
    EXPECT_EQ(rig.Records().size(), 1u);
}

TEST(HandCapture, APassedOutBoardIsRecordedThoughItsScoreCannotMove) {
    CaptureRig rig;
    SimBoard board = MakeBoard(28);
    board.calls = {"Pass", "Pass", "Pass", "Pass"};
    CompleteBoard(board, 28);
    ASSERT_EQ(board.after, board.before);
    AuctionTaken(rig, board);
    EXPECT_EQ(rig.app.deals.capture.Contract, "Pass Out");
    cmdHandClick2(rig.app, 1);
    EXPECT_EQ(rig.app.captureNotes.lastHandResult, 0);
    ExpectRecordOf(rig, "12_06_001", board);
}

TEST(HandCapture, AnUnreadableHandIsReportedAndTriedAgain) {
    CaptureRig rig;
    const SimBoard board = PlayedBoard(29);
    SimClient& client = AuctionTaken(rig, board);
    SimFaults faults;
    faults.misdrawnKind = 3;
    faults.misdrawnGlyph = 8;  // a glyph of the first line's cards
    client.SetFaults(faults);
    cmdHandClick2(rig.app, 1);
    EXPECT_EQ(rig.app.captureNotes.lastHandResult, 22);
    ASSERT_EQ(rig.app.captureNotes.errors.size(), 1u);
    EXPECT_EQ(rig.app.captureNotes.errors[0], "Failed in Reading \"Last Hand\".");
    EXPECT_TRUE(rig.Records().empty());
    EXPECT_TRUE(rig.SlotOf(Slot::Hand).armed);
    EXPECT_EQ(rig.app.keptScore, ScorePair{});
}

TEST(HandCapture, AHandWindowWithNothingInItIsNoHand) {
    CaptureRig rig;
    const SimBoard board = PlayedBoard(30);
    SimClient& client = AuctionTaken(rig, board);
    client.Minimize(3);
    rig.app.reading.reopenWindow = nullptr;
    client.Close(3);
    rig.app.windows.handle[3] = 0x4242;  // known, but gone: nothing can be copied
    cmdHandClick2(rig.app, 1);
    EXPECT_EQ(rig.app.captureNotes.lastHandResult, 22);
    EXPECT_TRUE(rig.Records().empty());
}

TEST(HandCapture, AMissingAuctionFileRecordsNothing) {
    CaptureRig rig;
    const SimBoard board = PlayedBoard(31);
    AuctionTaken(rig, board);
    std::filesystem::remove(rig.folder / "Work" / "BridgeBid.brg");
    cmdHandClick2(rig.app, 1);
    EXPECT_EQ(rig.app.captureNotes.lastHandResult, kRecordFailed);
    ASSERT_EQ(rig.app.captureNotes.errors.size(), 1u);
    EXPECT_NE(rig.app.captureNotes.errors[0].find("BridgeBid.brg"), std::string::npos);
    EXPECT_TRUE(rig.Records().empty());
    EXPECT_EQ(rig.app.keptScore, ScorePair{});
    EXPECT_TRUE(rig.SlotOf(Slot::Hand).armed);
}

TEST(HandCapture, ARecordThatCannotBeWrittenIsReportedAndNothingChanges) {
    CaptureRig rig;
    const SimBoard board = PlayedBoard(32);
    AuctionTaken(rig, board);
    const Deal before = rig.app.deals.capture;
    rig.app.naming.RecordPrefix = "gone/12_06_";  // a folder that does not exist
    cmdHandClick2(rig.app, 1);
    EXPECT_EQ(rig.app.captureNotes.lastHandResult, kRecordFailed);
    EXPECT_EQ(rig.app.captureNotes.errors.size(), 1u);
    EXPECT_EQ(rig.app.deals.capture, before);
    EXPECT_EQ(rig.app.previousDeal, Deal{});
    EXPECT_TRUE(rig.Records().empty());
    EXPECT_TRUE(rig.SlotOf(Slot::Hand).armed);
    EXPECT_FALSE(rig.SlotOf(Slot::Bid).armed);
}

TEST(HandCapture, WithAutomaticHandCaptureOffOnlyTheButtonCaptures) {
    CaptureRig rig;
    rig.app.settings.autoCaptHand = false;
    const SimBoard board = PlayedBoard(33);
    AuctionTaken(rig, board);
    EXPECT_FALSE(rig.SlotOf(Slot::Hand).armed);
    EXPECT_TRUE(rig.SlotOf(Slot::Trick).armed);
    cmdHandClick2(rig.app, 1);
    EXPECT_TRUE(rig.Records().empty());
    cmdHandClick2(rig.app, 0);
    EXPECT_EQ(rig.Records().size(), 1u);
}

TEST(HandCapture, ACaptureRunningKeepsAnotherFromStarting) {
    CaptureRig rig;
    const SimBoard board = PlayedBoard(34);
    AuctionTaken(rig, board);
    bool busySeen = false;
    int copiesDuringNested = -1;
    rig.clock.After(50, [&] {
        busySeen = rig.app.busy.hand;
        const int copies = rig.desktop.Copies();
        cmdHandClick2(rig.app, 1);
        copiesDuringNested = rig.desktop.Copies() - copies;
    });
    cmdHandClick2(rig.app, 1);
    EXPECT_TRUE(busySeen);
    EXPECT_EQ(copiesDuringNested, 0);
    EXPECT_EQ(rig.Records().size(), 1u);
}

TEST(HandCapture, WithoutAGameNothingHappens) {
    CaptureRig rig;
    const SimBoard board = PlayedBoard(35);
    AuctionTaken(rig, board);
    rig.app.gamePresent = 0;
    cmdHandClick2(rig.app, 0);
    EXPECT_TRUE(rig.Records().empty());
    cmdHand_Click(rig.app);  // without the log setting: nothing either
    EXPECT_EQ(rig.views.side.boardShown, 0);
    rig.app.settings.log = "on";
    cmdHand_Click(rig.app);
    EXPECT_EQ(rig.views.side.boardShown, 1);
    EXPECT_EQ(rig.views.side.board.AuctionNames, (SeatNames{"Hawk", "Panda", "Sheep", "Mouse"}));
    EXPECT_EQ(rig.app.previousDeal, Deal{});
}

TEST(HandCapture, TheRightButtonSwitchesAutomaticCapture) {
    CaptureRig rig;
    rig.app.schedule.Arm(Slot::Hand, 5);
    cmdHand_MouseDown(rig.app, kRightButton);
    EXPECT_FALSE(rig.app.settings.autoCaptHand);
    EXPECT_FALSE(rig.SlotOf(Slot::Hand).armed);
    EXPECT_FALSE(rig.Ctl(Control::cmdHand).bold);
    EXPECT_EQ(rig.SlotOf(Slot::Hand).due, rig.clock.Ticks() + kWaitHand);
    menuHand_Click(rig.app);
    EXPECT_TRUE(rig.app.settings.autoCaptHand);
    EXPECT_TRUE(rig.Ctl(Control::menuHand).checked);
    EXPECT_TRUE(rig.Ctl(Control::cmdHand).bold);
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
    const SimBoard board = PlayedBoard(36);
    AuctionTaken(rig, board);
    for (WindowKind kind : c.missing) rig.app.windows.handle[std::size_t(kind)] = 0;
    cmdHandClick2(rig.app, 1);
    EXPECT_EQ(rig.app.captureNotes.lastHandResult, c.code);
    EXPECT_EQ(rig.app.captureNotes.missing.size(), c.reported ? 1u : 0u);
    if (c.reported) {
        EXPECT_EQ(rig.app.captureNotes.missing[0].code, c.code);
    }
    EXPECT_TRUE(rig.SlotOf(Slot::Hand).armed);
    EXPECT_TRUE(rig.Records().empty());
    EXPECT_FALSE(rig.app.busy.hand);
    EXPECT_TRUE(rig.Ctl(Control::cmdBid).visible);
}

INSTANTIATE_TEST_SUITE_P(
    Windows, HandMissingWindow,
    ::testing::Values(MissingCase{{WindowKind::Score}, 1, true},
                      MissingCase{{WindowKind::LastHand, WindowKind::Bidding}, 21, true},
                      MissingCase{{WindowKind::Bidding}, 18, false},
                      MissingCase{{WindowKind::Bidding, WindowKind::Score}, 1, true}));

}  // namespace
}  // namespace tallowen::testing

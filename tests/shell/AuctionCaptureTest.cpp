// The capture of a finished auction from the simulated client's bidding window.
#include <gtest/gtest.h>

#include "CaptureRig.h"
#include "shell/Controls.h"
#include "sim/SimRecord.h"

namespace tallowen::testing {
namespace {

constexpr std::uint32_t kWaitBid = 20000;

TEST(AuctionCapture, AFinishedAuctionIsKeptAndTheHandIsWatchedNext) {
    CaptureRig rig;
    const SimBoard board = PlayedBoard(7);
    rig.StartAuctionOver(board);
    cmdBidClick2(rig.app, 1);
    ASSERT_EQ(rig.app.captureNotes.lastBidResult, 0);
    Deal kept;
    ASSERT_TRUE(ReadBidFile(kept, rig.app.folders, rig.app.seams.codePage).ok);
    const Deal expected = RecordOf(board);
    EXPECT_EQ(kept.AuctionNames, board.names);
    EXPECT_EQ(kept.Calls, expected.Calls);
    EXPECT_EQ(kept.Rounds, expected.Rounds);
    EXPECT_EQ(kept.ScoreBefore, board.before);
    EXPECT_EQ(rig.app.keptRounds, expected.Rounds);
    EXPECT_EQ(rig.app.deals.capture.Dealer, board.dealer);
    EXPECT_EQ(rig.views.main.auctionsShown, 1);
    EXPECT_FALSE(rig.SlotOf(Slot::Bid).armed);
    EXPECT_TRUE(rig.SlotOf(Slot::Trick).armed);
    EXPECT_EQ(rig.SlotOf(Slot::Hand).due, rig.clock.Ticks() + 300000);
    EXPECT_TRUE(rig.SlotOf(Slot::Hand).armed);
    EXPECT_EQ(rig.Ctl(Control::cmdHand).backColour, kOrange);
    EXPECT_TRUE(rig.Ctl(Control::cmdBid).enabled && rig.Ctl(Control::cmdHand).visible &&
                rig.Ctl(Control::cmdTimer).enabled && !rig.app.busy.bid);
}

TEST(AuctionCapture, TheSameAuctionAgainIsUnchangedAndRecordsNothing) {
    CaptureRig rig;
    rig.StartAuctionOver(PlayedBoard(8));
    cmdBidClick2(rig.app, 1);
    ASSERT_EQ(rig.app.captureNotes.lastBidResult, 0);
    const std::string file = rig.BidFile();
    cmdBidClick2(rig.app, 1);  // automatic: silent
    EXPECT_EQ(rig.app.captureNotes.lastBidResult, 16);
    EXPECT_TRUE(rig.app.captureNotes.messages.empty());
    cmdBidClick2(rig.app, 0);  // by the user: told so
    EXPECT_EQ(rig.MessageCodes(), std::vector<int>{16});
    EXPECT_EQ(rig.BidFile(), file);
    EXPECT_EQ(rig.views.main.auctionsShown, 1);
    EXPECT_EQ(rig.SlotOf(Slot::Bid).due, rig.clock.Ticks() + kWaitBid);
    EXPECT_TRUE(rig.SlotOf(Slot::Bid).armed);
}

TEST(AuctionCapture, AnAuctionStillRunningOrWithoutPlayersIsNotKept) {
    CaptureRig rig;
    const SimBoard board = PlayedBoard(9);
    rig.Start(board, SimStage::Auction, int(board.calls.size()) - 1);
    cmdBidClick2(rig.app, 0);
    EXPECT_EQ(rig.app.captureNotes.lastBidResult, 15);
    EXPECT_EQ(rig.MessageCodes(), std::vector<int>{15});
    SimBoard nobody = board;
    nobody.names = {"", "", "", ""};
    rig.StartAuctionOver(nobody);
    rig.app.schedule.Disarm(Slot::Bid);
    cmdBidClick2(rig.app, 0);
    EXPECT_EQ(rig.app.captureNotes.lastBidResult, kNoPlayersRead);
    EXPECT_EQ(rig.MessageCodes(), std::vector<int>{15}) << "no players: nothing to tell";
    EXPECT_TRUE(rig.SlotOf(Slot::Bid).armed) << "still to be taken";
    EXPECT_TRUE(rig.Ctl(Control::cmdBid).enabled && !rig.app.busy.bid);
    EXPECT_TRUE(rig.BidFile().empty());
    EXPECT_EQ(rig.app.keptRounds, 0);
}

TEST(AuctionCapture, WithoutAGameTheCaptureIsOnlyPutOff) {
    CaptureRig rig;
    rig.app.gamePresent = 0;
    cmdBidClick2(rig.app, 1);
    EXPECT_EQ(rig.SlotOf(Slot::Bid).due, rig.clock.Ticks() + 3000);
    cmdBidClick2(rig.app, 0);
    EXPECT_EQ(rig.SlotOf(Slot::Bid).due, rig.clock.Ticks() + kWaitBid);
    EXPECT_TRUE(rig.SlotOf(Slot::Bid).armed);
    EXPECT_FALSE(rig.Ctl(Control::cmdTimer).enabled);
}

struct ReadErrorCase {
    int kind;
    Rect covered;
    std::int32_t code;
    const char* error;
    bool jpnInterface = false;
};

class AuctionReadError : public ::testing::TestWithParam<ReadErrorCase> {};

// Read errors are shown even to the schedule, and keep nothing.
TEST_P(AuctionReadError, IsShownAndKeepsNothing) {
    CaptureRig rig;
    rig.app.jpnInterface = GetParam().jpnInterface;
    rig.StartAuctionOver(PlayedBoard(12)).Cover(GetParam().kind, GetParam().covered);
    cmdBidClick2(rig.app, 1);
    EXPECT_EQ(rig.app.captureNotes.lastBidResult, GetParam().code);
    EXPECT_EQ(rig.app.captureNotes.errors, std::vector<std::string>{GetParam().error});
    EXPECT_TRUE(rig.SlotOf(Slot::Bid).armed);
    EXPECT_TRUE(rig.BidFile().empty());
    EXPECT_EQ(rig.app.keptRounds, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Windows, AuctionReadError,
    ::testing::Values(
        ReadErrorCase{1, {0, 17, 300, 80}, 14, "Failed in Reading \"Bridge Bidding\" Window."},
        ReadErrorCase{4, {0, 40, 240, 110}, 3, "Can't Read \"Bridge Score\" Window."},
        ReadErrorCase{1, {0, 17, 300, 80}, 14, "\"Bridge Bidding\" 読み取りのエラー.", true},
        ReadErrorCase{4, {0, 40, 240, 110}, 3, "Bridge Score 読み取りのエラー.", true}));

TEST(AuctionCapture, ACurrentAuctionFileThatCannotBeWrittenIsReportedAndNothingKept) {
    CaptureRig rig;
    std::filesystem::create_directories(rig.folder / "Work" / "BridgeBid.brg");
    rig.StartAuctionOver(PlayedBoard(14));
    cmdBidClick2(rig.app, 1);
    EXPECT_EQ(rig.app.captureNotes.lastBidResult, kRecordFailed);
    ASSERT_EQ(rig.app.captureNotes.errors.size(), 1u);
    EXPECT_NE(rig.app.captureNotes.errors[0].find("BridgeBid.brg"), std::string::npos);
    EXPECT_EQ(rig.app.keptRounds, 0);
    EXPECT_TRUE(rig.SlotOf(Slot::Bid).armed);
    EXPECT_FALSE(rig.SlotOf(Slot::Hand).armed);
}

TEST(AuctionCapture, ATooShortWindowGrowsUntilTheAuctionFitsAndGetsItsHeightBack) {
    CaptureRig rig;
    SimBoard board = MakeBoard(11);
    board.dealer = 1;
    board.calls.clear();
    for (int level = 1; level <= 6; ++level)  // 1C .. 6C: eight rows with the passes
        for (int strain = 0; strain < (level < 6 ? 5 : 1); ++strain)
            board.calls.push_back(std::to_string(level) + SuitLetter(strain));
    board.calls.insert(board.calls.end(), 3, "Pass");
    CompleteBoard(board, 11, false);
    rig.StartAuctionOver(board);
    const WindowHandle bidding = rig.client->Handle(1);
    ReduceAuctionHeight(rig.app);
    EXPECT_EQ(rig.desktop.WindowRect(bidding).Height(), 8 * 16);
    for (int attempts = 1; rig.app.keptRounds == 0; ++attempts) {
        ASSERT_LT(attempts, 6);
        cmdBidClick2(rig.app, 1);
    }
    EXPECT_EQ(rig.app.keptRounds, 8);
    EXPECT_GT(rig.desktop.WindowRect(bidding).Height(), 8 * 16);
    PrepCaptNextBid(rig.app);
    EXPECT_EQ(rig.desktop.WindowRect(bidding).Height(), 8 * 16);
    // Without a line step there is no standard height: the window is left as it is.
    rig.desktop.MoveWindow(bidding, {810, 0, 1110, 300});
    rig.app.reading.glyphs.currentSet = 0;
    ReduceAuctionHeight(rig.app);
    EXPECT_EQ(rig.desktop.WindowRect(bidding).Height(), 300);
}

TEST(AuctionCapture, TheSwitchAndTheNextAuctionArmTheirSlots) {
    CaptureRig rig;
    rig.app.schedule.Arm(Slot::Hand, 1);
    PrepCaptNextBid(rig.app);
    EXPECT_TRUE(rig.SlotOf(Slot::Bid).armed);
    EXPECT_EQ(rig.SlotOf(Slot::Bid).due, rig.clock.Ticks() + kWaitBid);
    EXPECT_FALSE(rig.SlotOf(Slot::Reminder).armed || rig.SlotOf(Slot::Hand).armed);
    EXPECT_EQ(rig.app.deals.capture.Strain, 4);
    EXPECT_EQ(rig.Ctl(Control::cmdBid).backColour, kOrange);
    cmdBid_MouseDown(rig.app, 1);
    EXPECT_TRUE(rig.app.settings.autoCaptBid) << "the left button does nothing";
    cmdBid_MouseDown(rig.app, kRightButton);
    EXPECT_FALSE(rig.app.settings.autoCaptBid || rig.Ctl(Control::menuBid).checked ||
                 rig.Ctl(Control::cmdBid).bold || rig.SlotOf(Slot::Bid).armed);
    EXPECT_EQ(rig.SlotOf(Slot::Reminder).due, rig.clock.Ticks() + 90000);
    PrepCaptNextBid(rig.app);
    EXPECT_FALSE(rig.SlotOf(Slot::Bid).armed);
    EXPECT_TRUE(rig.SlotOf(Slot::Reminder).armed);
    menuBid_Click(rig.app);
    EXPECT_TRUE(rig.app.settings.autoCaptBid && rig.Ctl(Control::menuBid).checked &&
                rig.Ctl(Control::cmdBid).bold);
    EXPECT_EQ(rig.SlotOf(Slot::Bid).due, rig.clock.Ticks() + 3000);
    EXPECT_FALSE(rig.SlotOf(Slot::Reminder).armed);
}

TEST(AuctionCapture, ACaptureRunningKeepsAnotherFromStarting) {
    CaptureRig rig;
    rig.StartAuctionOver(PlayedBoard(16));
    int nestedCopies = -1;
    rig.clock.After(50, [&] {
        EXPECT_TRUE(rig.app.busy.bid);
        const int copies = rig.desktop.Copies();
        cmdBidClick2(rig.app, 1);
        nestedCopies = rig.desktop.Copies() - copies;
    });
    cmdBidClick2(rig.app, 1);
    EXPECT_EQ(nestedCopies, 0);
    EXPECT_EQ(rig.app.captureNotes.lastBidResult, 0);
}

struct MissingCase {
    std::vector<WindowKind> missing;
    WindowKind reported;
    int code;
};

class AuctionMissingWindow : public ::testing::TestWithParam<MissingCase> {};

TEST_P(AuctionMissingWindow, IsReportedOnceTheTableIsSettledAndTheCaptureTriesAgain) {
    const MissingCase& c = GetParam();
    for (int ticks : {5, 11}) {
        CaptureRig rig;
        rig.StartAuctionOver(PlayedBoard(17));
        rig.app.tickCounter = ticks;
        for (WindowKind kind : c.missing) rig.app.windows.handle[std::size_t(kind)] = 0;
        cmdBidClick2(rig.app, 1);
        EXPECT_EQ(rig.app.captureNotes.lastBidResult, c.code);
        const auto& missing = rig.app.captureNotes.missing;
        ASSERT_EQ(missing.size(), ticks < 11 ? 0u : 1u);
        if (!missing.empty()) {
            EXPECT_TRUE(missing[0].kind == c.reported && missing[0].code == c.code);
        }
        EXPECT_EQ(rig.SlotOf(Slot::Bid).due, rig.clock.Ticks() + kWaitBid);
        EXPECT_TRUE(rig.SlotOf(Slot::Bid).armed && rig.Ctl(Control::cmdTimer).enabled);
        EXPECT_TRUE(rig.BidFile().empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Windows, AuctionMissingWindow,
    ::testing::Values(
        MissingCase{{WindowKind::LastHand}, WindowKind::LastHand, 21},
        MissingCase{{WindowKind::Score, WindowKind::Bidding}, WindowKind::Bidding, 18},
        MissingCase{{WindowKind::Score}, WindowKind::Score, 1},
        MissingCase{{WindowKind::Score, WindowKind::LastHand}, WindowKind::LastHand, 21}));

TEST(RandomMessage, IsShownInABorrowedLanguageThatIsGivenBackAfterwards) {
    CaptureRig rig;
    rig.app.gamePresent = 0;
    rig.app.windows.language = 4;
    // language 0.25 * 10 + 0.45 = 2.95 -> 3; message 0.5 * 25 + 0.45 = 12.95 -> 13
    rig.random = SequenceRandom(1, {0.25, 0.5, 0.001, 0.999});
    cmdBid_Click(rig.app);
    EXPECT_EQ(rig.MessageCodes(), std::vector<int>{13});
    EXPECT_EQ(rig.app.captureNotes.messages[0].language, 3);
    EXPECT_EQ(rig.app.windows.language, 4);
    // A draw that rounds to no language at all borrows a real one, and still gives it back.
    cmdBid_Click(rig.app);
    EXPECT_EQ(rig.MessageCodes(), (std::vector<int>{13, 25}));
    EXPECT_EQ(rig.app.captureNotes.messages[1].language, 1);
    EXPECT_EQ(rig.app.windows.language, 4);
}

}  // namespace
}  // namespace tallowen::testing

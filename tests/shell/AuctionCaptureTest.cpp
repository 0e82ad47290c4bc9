// The capture of a finished auction from the simulated client's bidding window.
#include "CaptureRig.h"
#include "records/RecordFiles.h"
#include "shell/Controls.h"

namespace tallowen::testing {
namespace {

constexpr std::uint32_t kWaitBid = 20000;

SimBoard LongAuctionBoard() {
    SimBoard board = MakeBoard(11);
    board.dealer = 1;
    board.calls.clear();
    // Seven rows of bidding before the closing passes.
    const char* bids[] = {"1C",  "1D",  "1H", "1S", "1NT", "2C",  "2D",  "2H", "2S",
                          "2NT", "3C",  "3D", "3H", "3S",  "3NT", "4C",  "4D", "4H",
                          "4S",  "4NT", "5C", "5D", "5H",  "5S",  "5NT", "6C"};
    for (const char* bid : bids) board.calls.push_back(bid);
    for (int i = 0; i < 3; ++i) board.calls.push_back("Pass");
    CompleteBoard(board, 11, false);
    return board;
}

TEST(AuctionCapture, AFinishedAuctionIsKeptAndTheHandIsWatchedNext) {
    CaptureRig rig;
    const SimBoard board = PlayedBoard(7);
    rig.Start(board, SimStage::Auction, int(board.calls.size()));
    cmdBidClick2(rig.app, 1);
    ASSERT_EQ(rig.app.captureNotes.lastBidResult, 0);

    Deal kept;
    ASSERT_TRUE(ReadBidFile(kept, rig.app.folders, rig.app.seams.codePage).ok);
    const Deal expected = ExpectedRecord(board);
    EXPECT_EQ(kept.AuctionNames, board.names);
    EXPECT_EQ(kept.Rounds, expected.Rounds);
    EXPECT_EQ(kept.Calls, expected.Calls);
    EXPECT_EQ(kept.ScoreBefore, board.before);
    EXPECT_EQ(rig.app.deals.capture.Dealer, board.dealer);
    EXPECT_FALSE(rig.app.deals.capture.Contract.empty());
    EXPECT_EQ(rig.app.keptRounds, expected.Rounds);
    EXPECT_EQ(rig.views.main.auctionsShown, 1);

    const std::uint32_t now = rig.clock.Ticks();
    EXPECT_FALSE(rig.SlotOf(Slot::Bid).armed);
    EXPECT_FALSE(rig.SlotOf(Slot::Reminder).armed);
    EXPECT_TRUE(rig.SlotOf(Slot::Hand).armed);
    EXPECT_EQ(rig.SlotOf(Slot::Hand).due, now + 300000);
    EXPECT_TRUE(rig.SlotOf(Slot::Trick).armed);
    EXPECT_EQ(rig.Ctl(Control::cmdHand).backColour, kOrange);
    EXPECT_NE(rig.Ctl(Control::cmdBid).backColour, kOrange);
    EXPECT_TRUE(rig.Ctl(Control::cmdBid).enabled);
    EXPECT_TRUE(rig.Ctl(Control::cmdHand).visible);
    EXPECT_TRUE(rig.Ctl(Control::cmdTimer).enabled);
    EXPECT_FALSE(rig.app.busy.bid);
    EXPECT_TRUE(rig.Records().empty());
}

TEST(AuctionCapture, TheSameAuctionAgainIsUnchangedAndRecordsNothing) {
    CaptureRig rig;
    const SimBoard board = PlayedBoard(8);
    rig.Start(board, SimStage::Auction, int(board.calls.size()));
    cmdBidClick2(rig.app, 1);
    ASSERT_EQ(rig.app.captureNotes.lastBidResult, 0);
    const std::string file = rig.BidFile();

    cmdBidClick2(rig.app, 1);  // automatic: silent
    EXPECT_EQ(rig.app.captureNotes.lastBidResult, 16);
    EXPECT_TRUE(rig.app.captureNotes.messages.empty());
    cmdBidClick2(rig.app, 0);  // by the user: told so
    EXPECT_EQ(rig.app.captureNotes.lastBidResult, 16);
    ASSERT_EQ(rig.app.captureNotes.messages.size(), 1u);
    EXPECT_EQ(rig.app.captureNotes.messages[0].code, 16);
    EXPECT_EQ(rig.BidFile(), file);
    EXPECT_EQ(rig.views.main.auctionsShown, 1);
    EXPECT_TRUE(rig.SlotOf(Slot::Bid).armed);
    EXPECT_EQ(rig.SlotOf(Slot::Bid).due, rig.clock.Ticks() + kWaitBid);
}

TEST(AuctionCapture, AnAuctionStillRunningIsNotKept) {
    CaptureRig rig;
    const SimBoard board = PlayedBoard(9);
    rig.Start(board, SimStage::Auction, int(board.calls.size()) - 1);
    cmdBidClick2(rig.app, 0);
    EXPECT_EQ(rig.app.captureNotes.lastBidResult, 15);
    ASSERT_EQ(rig.app.captureNotes.messages.size(), 1u);
    EXPECT_EQ(rig.app.captureNotes.messages[0].code, 15);
    EXPECT_TRUE(rig.BidFile().empty());
    EXPECT_EQ(rig.app.keptRounds, 0);
    EXPECT_TRUE(rig.SlotOf(Slot::Bid).armed);
    EXPECT_FALSE(rig.SlotOf(Slot::Hand).armed);
}

TEST(AuctionCapture, NoPlayerOnDisplayEndsQuietlyAndTriesAgain) {
    CaptureRig rig;
    SimBoard board = PlayedBoard(9);
    board.names = {"", "", "", ""};
    rig.Start(board, SimStage::Auction, int(board.calls.size()));
    cmdBidClick2(rig.app, 0);
    EXPECT_EQ(rig.app.captureNotes.lastBidResult, kNoPlayersRead);
    EXPECT_TRUE(rig.app.captureNotes.messages.empty());
    EXPECT_TRUE(rig.app.captureNotes.errors.empty());
    EXPECT_TRUE(rig.BidFile().empty());
    EXPECT_TRUE(rig.SlotOf(Slot::Bid).armed);
    EXPECT_FALSE(rig.app.busy.bid);
    EXPECT_TRUE(rig.Ctl(Control::cmdBid).enabled);
    EXPECT_TRUE(rig.Ctl(Control::cmdTimer).enabled);
}

TEST(AuctionCapture, WithoutAGameTheCaptureIsOnlyPutOff) {
    CaptureRig rig;
    rig.app.gamePresent = 0;
    cmdBidClick2(rig.app, 1);
    EXPECT_TRUE(rig.SlotOf(Slot::Bid).armed);
    EXPECT_EQ(rig.SlotOf(Slot::Bid).due, rig.clock.Ticks() + 3000);
    EXPECT_FALSE(rig.Ctl(Control::cmdTimer).enabled);
    cmdBidClick2(rig.app, 0);
    EXPECT_EQ(rig.SlotOf(Slot::Bid).due, rig.clock.Ticks() + kWaitBid);
    EXPECT_FALSE(rig.Ctl(Control::cmdTimer).enabled);
}

TEST(AuctionCapture, ReadErrorsAreShownEvenToTheSchedule) {
    CaptureRig rig;
    const SimBoard board = PlayedBoard(12);
    SimClient& client = rig.Start(board, SimStage::Auction, int(board.calls.size()));
    client.Cover(1, {0, 17, 300, 80});  // the grid under the headings
    cmdBidClick2(rig.app, 1);
    EXPECT_EQ(rig.app.captureNotes.lastBidResult, 14);
    ASSERT_EQ(rig.app.captureNotes.errors.size(), 1u);
    EXPECT_EQ(rig.app.captureNotes.errors[0], "Failed in Reading \"Bridge Bidding\" Window.");
    EXPECT_TRUE(rig.SlotOf(Slot::Bid).armed);
    EXPECT_TRUE(rig.BidFile().empty());
}

TEST(AuctionCapture, AnUnreadableScoreKeepsNothing) {
    CaptureRig rig;
    const SimBoard board = PlayedBoard(13);
    SimClient& client = rig.Start(board, SimStage::Auction, int(board.calls.size()));
    client.Cover(4, {0, 40, 240, 110});  // the band and the scores
    cmdBidClick2(rig.app, 1);
    EXPECT_EQ(rig.app.captureNotes.lastBidResult, 3);
    ASSERT_EQ(rig.app.captureNotes.errors.size(), 1u);
    EXPECT_EQ(rig.app.captureNotes.errors[0], "Can't Read \"Bridge Score\" Window.");
    EXPECT_TRUE(rig.BidFile().empty());
    EXPECT_EQ(rig.app.keptRounds, 0);
}

TEST(AuctionCapture, ACurrentAuctionFileThatCannotBeWrittenIsReportedAndNothingKept) {
    CaptureRig rig;
    std::filesystem::create_directories(rig.folder / "Work" / "BridgeBid.brg");
    const SimBoard board = PlayedBoard(14);
    rig.Start(board, SimStage::Auction, int(board.calls.size()));
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
    const SimBoard board = LongAuctionBoard();
    rig.Start(board, SimStage::Auction, int(board.calls.size()));
    const WindowHandle bidding = rig.client->Handle(1);
    ReduceAuctionHeight(rig.app);
    EXPECT_EQ(rig.desktop.WindowRect(bidding).Height(), 8 * 16);
    int attempts = 0;
    while (rig.app.captureNotes.lastBidResult != 0 || attempts == 0) {
        cmdBidClick2(rig.app, 1);
        ASSERT_LT(++attempts, 6);
    }
    EXPECT_GT(rig.desktop.WindowRect(bidding).Height(), 8 * 16);
    EXPECT_EQ(rig.app.keptRounds, 8);
    PrepCaptNextBid(rig.app);
    EXPECT_EQ(rig.desktop.WindowRect(bidding).Height(), 8 * 16);
    EXPECT_EQ(rig.app.windows.rect[1], rig.desktop.WindowRect(bidding));
}

TEST(AuctionCapture, WithoutALineStepTheWindowIsLeftAlone) {
    CaptureRig rig;
    const SimBoard board = PlayedBoard(15);
    rig.Start(board, SimStage::Auction);
    const Rect before = rig.desktop.WindowRect(rig.client->Handle(1));
    rig.app.reading.glyphs.currentSet = 0;
    ReduceAuctionHeight(rig.app);
    EXPECT_EQ(rig.desktop.WindowRect(rig.client->Handle(1)), before);
}

TEST(AuctionCapture, PreparingTheNextAuctionMovesTheOrangeBackToTheBidButton) {
    CaptureRig rig;
    rig.app.schedule.Arm(Slot::Trick, 1);
    rig.app.schedule.Arm(Slot::Hand, 1);
    PrepCaptNextBid(rig.app);
    EXPECT_TRUE(rig.SlotOf(Slot::Bid).armed);
    EXPECT_EQ(rig.SlotOf(Slot::Bid).due, rig.clock.Ticks() + kWaitBid);
    EXPECT_FALSE(rig.SlotOf(Slot::Reminder).armed);
    EXPECT_FALSE(rig.SlotOf(Slot::Trick).armed);
    EXPECT_FALSE(rig.SlotOf(Slot::Hand).armed);
    EXPECT_EQ(rig.app.deals.capture.Strain, 4);
    EXPECT_EQ(rig.Ctl(Control::cmdBid).backColour, kOrange);

    rig.app.settings.autoCaptBid = false;
    PrepCaptNextBid(rig.app);
    EXPECT_FALSE(rig.SlotOf(Slot::Bid).armed);
    EXPECT_TRUE(rig.SlotOf(Slot::Reminder).armed);
    EXPECT_EQ(rig.SlotOf(Slot::Reminder).due, rig.clock.Ticks() + 90000);
}

TEST(AuctionCapture, TheRightButtonSwitchesAutomaticCapture) {
    CaptureRig rig;
    cmdBid_MouseDown(rig.app, 1);
    EXPECT_TRUE(rig.app.settings.autoCaptBid) << "the left button does nothing";
    cmdBid_MouseDown(rig.app, kRightButton);
    EXPECT_FALSE(rig.app.settings.autoCaptBid);
    EXPECT_FALSE(rig.Ctl(Control::menuBid).checked);
    EXPECT_FALSE(rig.Ctl(Control::cmdBid).bold);
    EXPECT_FALSE(rig.SlotOf(Slot::Bid).armed);
    EXPECT_TRUE(rig.SlotOf(Slot::Reminder).armed);
    menuBid_Click(rig.app);
    EXPECT_TRUE(rig.app.settings.autoCaptBid);
    EXPECT_TRUE(rig.Ctl(Control::menuBid).checked);
    EXPECT_TRUE(rig.Ctl(Control::cmdBid).bold);
    EXPECT_TRUE(rig.SlotOf(Slot::Bid).armed);
    EXPECT_EQ(rig.SlotOf(Slot::Bid).due, rig.clock.Ticks() + 3000);
    EXPECT_FALSE(rig.SlotOf(Slot::Reminder).armed);
}

TEST(AuctionCapture, ACaptureRunningKeepsAnotherFromStarting) {
    CaptureRig rig;
    const SimBoard board = PlayedBoard(16);
    rig.Start(board, SimStage::Auction, int(board.calls.size()));
    bool busySeen = false;
    int copiesDuringNested = -1;
    rig.clock.After(50, [&] {
        busySeen = rig.app.busy.bid;
        const int copies = rig.desktop.Copies();
        cmdBidClick2(rig.app, 1);
        copiesDuringNested = rig.desktop.Copies() - copies;
    });
    cmdBidClick2(rig.app, 1);
    EXPECT_TRUE(busySeen);
    EXPECT_EQ(copiesDuringNested, 0);
    EXPECT_EQ(rig.app.captureNotes.lastBidResult, 0);
    EXPECT_FALSE(rig.app.busy.bid);
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
        const SimBoard board = PlayedBoard(17);
        rig.Start(board, SimStage::Auction, int(board.calls.size()));
        rig.app.tickCounter = ticks;
        for (WindowKind kind : c.missing) rig.app.windows.handle[std::size_t(kind)] = 0;
        cmdBidClick2(rig.app, 1);
        EXPECT_EQ(rig.app.captureNotes.lastBidResult, c.code);
        if (ticks < 11) {
            EXPECT_TRUE(rig.app.captureNotes.missing.empty());
        } else {
            ASSERT_EQ(rig.app.captureNotes.missing.size(), 1u);
            EXPECT_EQ(rig.app.captureNotes.missing[0].kind, c.reported);
            EXPECT_EQ(rig.app.captureNotes.missing[0].code, c.code);
        }
        EXPECT_TRUE(rig.SlotOf(Slot::Bid).armed);
        EXPECT_EQ(rig.SlotOf(Slot::Bid).due, rig.clock.Ticks() + kWaitBid);
        EXPECT_TRUE(rig.Ctl(Control::cmdTimer).enabled);
        EXPECT_FALSE(rig.app.busy.bid);
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
    ASSERT_EQ(rig.app.captureNotes.messages.size(), 1u);
    EXPECT_EQ(rig.app.captureNotes.messages[0].code, 13);
    EXPECT_EQ(rig.app.captureNotes.messages[0].language, 3);
    EXPECT_EQ(rig.app.windows.language, 4);
    // A draw that rounds to no language at all borrows a real one, and still gives it back.
    cmdBid_Click(rig.app);
    ASSERT_EQ(rig.app.captureNotes.messages.size(), 2u);
    EXPECT_EQ(rig.app.captureNotes.messages[1].code, 25);
    EXPECT_GE(rig.app.captureNotes.messages[1].language, 1);
    EXPECT_LE(rig.app.captureNotes.messages[1].language, 10);
    EXPECT_EQ(rig.app.windows.language, 4);
}

TEST(RandomMessage, WithAGameTheClickCaptures) {
    CaptureRig rig;
    const SimBoard board = PlayedBoard(18);
    rig.Start(board, SimStage::Auction, int(board.calls.size()));
    cmdBid_Click(rig.app);
    EXPECT_EQ(rig.app.captureNotes.lastBidResult, 0);
    EXPECT_TRUE(rig.app.captureNotes.messages.empty());
}

}  // namespace
}  // namespace tallowen::testing

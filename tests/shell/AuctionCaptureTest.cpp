// The capture of a finished auction from the simulated client's bidding window.
#include <gtest/gtest.h>

#include "CaptureRig.h"
#include "shell/Controls.h"
#include "sim/SimRecord.h"

namespace tallowen::testing {
namespace {

constexpr std::uint32_t kWaitBid = 20000;

TEST(AuctionCapture, TheSameAuctionAgainIsUnchangedAndRecordsNothing) {
    CaptureRig rig;
    rig.StartAuctionOver(PlayedBoard(8));
    cmdBidClick2(rig.app, 1);
    ASSERT_EQ(rig.app.capture.notes.lastBidResult, CaptureResult::Read);
    const std::string file = rig.BidFile();
    cmdBidClick2(rig.app, 1);  // automatic: silent
    EXPECT_EQ(rig.app.capture.notes.lastBidResult, CaptureResult::AuctionUnchanged);
    EXPECT_TRUE(rig.app.capture.notes.messages.empty());
    cmdBidClick2(rig.app, 0);  // by the user: told so
    EXPECT_EQ(rig.MessageCodes(), std::vector<int>{16});
    EXPECT_EQ(rig.BidFile(), file);
    EXPECT_EQ(rig.views.main.auctionsShown, 1);
    EXPECT_TRUE(rig.SlotOf(Slot::Bid).armed);
}

TEST(AuctionCapture, AnAuctionStillRunningOrWithoutPlayersIsNotKept) {
    CaptureRig rig;
    const SimBoard board = PlayedBoard(9);
    rig.Start(board, SimStage::Auction, int(board.calls.size()) - 1);
    cmdBidClick2(rig.app, 0);
    EXPECT_EQ(rig.app.capture.notes.lastBidResult, CaptureResult::AuctionIncomplete);
    EXPECT_EQ(rig.MessageCodes(), std::vector<int>{15});
    SimBoard nobody = board;
    nobody.names = {"", "", "", ""};
    rig.StartAuctionOver(nobody);
    rig.app.loop.schedule.Disarm(Slot::Bid);
    cmdBidClick2(rig.app, 0);
    EXPECT_EQ(rig.app.capture.notes.lastBidResult, CaptureResult::NoPlayersRead);
    EXPECT_EQ(rig.MessageCodes(), std::vector<int>{15}) << "no players: nothing to tell";
    EXPECT_TRUE(rig.SlotOf(Slot::Bid).armed && rig.BidFile().empty());
}

// Read errors are shown even to the schedule, and keep nothing.
TEST(AuctionCapture, AReadErrorIsShownInTheInterfacesLanguageAndKeepsNothing) {
    CaptureRig rig;
    rig.app.jpnInterface = true;
    rig.StartAuctionOver(PlayedBoard(12)).Cover(4, {0, 40, 240, 110});
    cmdBidClick2(rig.app, 1);
    EXPECT_EQ(rig.app.capture.notes.lastBidResult, CaptureResult::ScoreUnreadable);
    EXPECT_EQ(rig.app.capture.notes.errors,
              std::vector<std::string>{"Bridge Score 読み取りのエラー."});
    EXPECT_TRUE(rig.SlotOf(Slot::Bid).armed && rig.BidFile().empty());
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
    for (int attempts = 1; rig.app.capture.keptRounds == 0; ++attempts) {
        ASSERT_LT(attempts, 6);
        cmdBidClick2(rig.app, 1);
    }
    EXPECT_EQ(rig.app.capture.keptRounds, 8);
    EXPECT_GT(rig.desktop.WindowRect(bidding).Height(), 8 * 16);
    PrepCaptNextBid(rig.app);
    EXPECT_EQ(rig.desktop.WindowRect(bidding).Height(), 8 * 16);
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
        rig.app.loop.tickCounter = ticks;
        for (WindowKind kind : c.missing) rig.app.game.windows.handle[std::size_t(kind)] = 0;
        cmdBidClick2(rig.app, 1);
        EXPECT_EQ(Code(rig.app.capture.notes.lastBidResult), c.code);
        const auto& missing = rig.app.capture.notes.missing;
        ASSERT_EQ(missing.size(), ticks < 11 ? 0u : 1u);
        if (!missing.empty()) {
            EXPECT_TRUE(missing[0].kind == c.reported && missing[0].code == c.code);
        }
        EXPECT_EQ(rig.SlotOf(Slot::Bid).due, rig.clock.Ticks() + kWaitBid);
        EXPECT_TRUE(rig.BidFile().empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Windows, AuctionMissingWindow,
    ::testing::Values(
        MissingCase{{WindowKind::Score, WindowKind::Bidding}, WindowKind::Bidding, 18},
        MissingCase{{WindowKind::Score}, WindowKind::Score, 1},
        MissingCase{{WindowKind::Score, WindowKind::LastHand}, WindowKind::LastHand, 21}));

TEST(RandomMessage, IsShownInABorrowedLanguageThatIsGivenBackAfterwards) {
    CaptureRig rig;
    rig.app.loop.gamePresent = 0;
    rig.app.game.windows.language = 4;
    // language 0.25 * 10 + 0.45 = 2.95 -> 3; message 0.5 * 25 + 0.45 = 12.95 -> 13
    rig.random = SequenceRandom(1, {0.25, 0.5, 0.001, 0.999});
    cmdBid_Click(rig.app);
    EXPECT_EQ(rig.MessageCodes(), std::vector<int>{13});
    EXPECT_EQ(rig.app.capture.notes.messages[0].language, 3);
    EXPECT_EQ(rig.app.game.windows.language, 4);
    // A draw that rounds to no language at all borrows a real one, and still gives it back.
    cmdBid_Click(rig.app);
    EXPECT_EQ(rig.MessageCodes(), (std::vector<int>{13, 25}));
    EXPECT_EQ(rig.app.capture.notes.messages[1].language, 1);
    EXPECT_EQ(rig.app.game.windows.language, 4);
}

}  // namespace
}  // namespace tallowen::testing

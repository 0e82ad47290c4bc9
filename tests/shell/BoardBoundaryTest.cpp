// Where one board ends and the next begins, as the watcher sees it: the bid box closing with
// the last call and opening with the next deal, the short life of a passed-out board on the
// screen, and a hand read after the board it should belong to.
#include <gtest/gtest.h>

#include "CaptureRig.h"
#include "SessionDriver.h"
#include "shell/Discovery.h"
#include "shell/MainLoop.h"
#include "sim/SessionPlan.h"

namespace tallowen::testing {
namespace {

constexpr int kBidBox = 5;

SimBoard PassedOutBoard(std::uint32_t seed) {
    SimBoard board = MakeBoard(seed);
    board.calls = {"Pass", "Pass", "Pass", "Pass"};
    CompleteBoard(board, seed);
    return board;
}

// The client makes the last call while the capture waits for its window copy, and closes
// the bid box with it: the box seen when the tick began belongs to the auction just read, so
// the bid box of the next deal must still start the hand capture.
TEST(AuctionEnd, ABidBoxClosedDuringTheCaptureLeavesTheNextDealsBoxToStartTheHand) {
    CaptureRig rig;
    const SimBoard board = PlayedBoard(40);
    const int calls = int(board.calls.size());
    SimClient& client = rig.Start(board, SimStage::Auction, calls - 1);
    ASSERT_NE(rig.app.game.windows.Handle(WindowKind::BidBox), 0u);
    rig.clock.After(20, [&] {
        client.SetStage(SimStage::Auction, calls);
        client.Close(kBidBox);
    });
    cmdBidClick2(rig.app, 1);
    ASSERT_EQ(rig.app.capture.notes.lastBidResult, CaptureResult::Read);
    EXPECT_FALSE(rig.app.capture.bidBoxAtAuction);

    client.SetStage(SimStage::Done);
    SimBoard following = PlayedBoard(41);
    following.before = board.after;
    client.NewBoard(following);
    client.Open(kBidBox);
    Background_Job(rig.app);
    ASSERT_EQ(rig.Records().size(), 1u) << "the next deal's bid box takes the last hand";
    for (const std::string& d : RecordDifferences(rig.ReadBack("12_06_001"), board))
        ADD_FAILURE() << d;
}

// A bid box that stays open through the capture is the auction's own: it starts nothing.
TEST(AuctionEnd, ABidBoxOpenThroughTheCaptureStartsNoHandCapture) {
    CaptureRig rig;
    rig.StartAuctionOver(PlayedBoard(42));
    cmdBidClick2(rig.app, 1);
    ASSERT_EQ(rig.app.capture.notes.lastBidResult, CaptureResult::Read);
    EXPECT_TRUE(rig.app.capture.bidBoxAtAuction);
    Background_Job(rig.app);
    EXPECT_TRUE(rig.Records().empty());
}

// The rows of the information box where the board before showed its trick counts are looked
// for afresh once a new auction is kept.
TEST(AuctionEnd, ANewAuctionForgetsTheTrickCountRowsOfTheBoardBefore) {
    CaptureRig rig;
    rig.StartAuctionOver(PlayedBoard(47));
    rig.app.game.infoBox.remembered = {60, 75};
    cmdBidClick2(rig.app, 1);
    ASSERT_EQ(rig.app.capture.notes.lastBidResult, CaptureResult::Read);
    EXPECT_EQ(rig.app.game.infoBox.remembered, (std::array<int, 2>{-1, -1}));
}

// Waiting for an auction, the bid box closing brings the capture forward to a few seconds
// away; a due time already nearer stays.
TEST(AuctionEnd, TheBidBoxClosingBringsTheAuctionCaptureForward) {
    CaptureRig rig;
    SimClient& client = rig.Start(PassedOutBoard(43), SimStage::Auction, 3);
    PrepCaptNextBid(rig.app);
    Background_Job(rig.app);
    const std::uint32_t now = rig.clock.Ticks();
    EXPECT_EQ(rig.SlotOf(Slot::Bid).due, now + std::uint32_t(rig.app.settings.waitTimeBid));
    client.SetStage(SimStage::Auction, 4);
    client.Close(kBidBox);
    Background_Job(rig.app);
    EXPECT_EQ(rig.SlotOf(Slot::Bid).due, now + 3000);
    Background_Job(rig.app);  // still closed: nothing moves
    EXPECT_EQ(rig.SlotOf(Slot::Bid).due, now + 3000);
}

// Sessions at the default settings whose passed-out boards are on the screen only for the
// pause between deals (12 s against the 20 s between auction attempts): each is recorded.
TEST(AuctionEnd, EveryPassedOutBoardOfASessionIsRecorded) {
    SimSessionOptions options = DefaultSession(10, 1, 1);
    int passedOut = 0;
    for (options.plan.seed = 1; passedOut < 2; ++options.plan.seed) {
        passedOut = 0;
        for (const SimBoard& b : PlanSession(options.plan)) passedOut += b.PassedOut();
    }
    ShellRig rig;
    const SessionOutcome out = PlaySession(rig, options);
    const SessionAccount account = Account(out);
    EXPECT_EQ(account.right, 10) << AccountSummary(account);
}

// In the editions whose bidding window and bid box share a title, a short window of that
// title is taken for the bid box. The watcher makes the bidding window short itself, and the
// client opens a closed window again where it stood: that window must still be found as the
// bidding window, or no auction is recorded for the rest of the session.
TEST(SharedTitle, ABiddingWindowClosedAndOpenedAgainIsStillTheBiddingWindow) {
    for (const int edition : {4, 5, 10}) {
        ShellRig rig;
        const SessionOutcome out =
            PlaySession(rig, DefaultSession(8, edition, 90 + edition), [&rig](SimSession& s) {
                for (const std::uint32_t at : {100000u, 300000u})
                    rig.clock.After(at, [&s] { s.Client().Close(int(WindowKind::Bidding)); });
            });
        const SessionAccount account = Account(out);
        for (std::size_t i = out.played.size() - 3; i < out.played.size(); ++i)
            EXPECT_NE(account.lines[i].find(": right"), std::string::npos)
                << "edition " << edition << ": " << account.lines[i];
    }
}

// The auction of a passed-out board was kept, but the hand read is the next board's, played:
// the two are never joined. That board's own hand is gone, and the score on the screen is no
// longer the one before the board whose hand is shown, so the watcher starts over with the
// next auction it sees end; that board is then recorded whole.
TEST(MixedCapture, AHandPlayedIsNotJoinedToAPassedOutAuctionAndTheNextBoardIsRecorded) {
    CaptureRig rig;
    rig.StartAuctionOver(PassedOutBoard(44));
    cmdBidClick2(rig.app, 1);
    ASSERT_EQ(rig.app.capture.notes.lastBidResult, CaptureResult::Read);
    const std::string kept = rig.BidFile();
    SimClient& client = rig.Start(PlayedBoard(45), SimStage::Done);
    cmdHandClick2(rig.app, 1);
    EXPECT_EQ(rig.app.capture.notes.lastHandResult, CaptureResult::HandNotOfAuction);
    EXPECT_EQ(rig.app.capture.notes.handRefused, "cards were played on a passed-out auction");
    EXPECT_TRUE(rig.Records().empty());
    EXPECT_EQ(rig.BidFile(), kept);
    EXPECT_TRUE(rig.app.capture.notes.messages.empty() && rig.app.capture.notes.errors.empty());
    EXPECT_FALSE(rig.SlotOf(Slot::Hand).armed);
    EXPECT_FALSE(rig.SlotOf(Slot::Bid).armed) << "not the finished board's auction on the screen";

    const SimBoard next = PlayedBoard(46);
    client.NewBoard(next);
    client.Open(kBidBox);
    Background_Job(rig.app);
    client.SetStage(SimStage::Auction, int(next.calls.size()));
    client.Close(kBidBox);
    Background_Job(rig.app);
    ASSERT_TRUE(rig.SlotOf(Slot::Bid).armed);
    EXPECT_EQ(rig.SlotOf(Slot::Bid).due, rig.clock.Ticks() + 3000);
    cmdBidClick2(rig.app, 1);
    ASSERT_EQ(rig.app.capture.notes.lastBidResult, CaptureResult::Read);
    client.SetStage(SimStage::Done);
    cmdHandClick2(rig.app, 0);
    ASSERT_EQ(rig.Records().size(), 1u);
    for (const std::string& d : RecordDifferences(rig.ReadBack("12_06_001"), next))
        ADD_FAILURE() << d;
}

}  // namespace
}  // namespace tallowen::testing

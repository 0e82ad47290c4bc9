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
    EXPECT_EQ(rig.app.capture.notes.lastBidResult, CaptureResult::Read);
    client.SetStage(SimStage::Done);
    return client;
}

// Nothing recorded, and the hand capture to be tried again.
void ExpectRetry(CaptureRig& rig) {
    EXPECT_TRUE(rig.Records().empty());
    EXPECT_TRUE(rig.SlotOf(Slot::Hand).armed);
    // Re-armed with the hand's wait, less the moment the capture itself took.
    const std::uint32_t due = rig.SlotOf(Slot::Hand).due, now = rig.clock.Ticks();
    EXPECT_LE(due, now + kWaitHand);
    EXPECT_GE(due + 1000, now + kWaitHand);
    EXPECT_EQ(rig.app.capture.keptScore, ScorePair{});
    EXPECT_FALSE(rig.app.loop.busy.hand);
}

TEST(HandCapture, TheSameHandAgainIsUnchangedAndRecordsNothing) {
    CaptureRig rig;
    const SimBoard board = PlayedBoard(26);
    AuctionTaken(rig, board);
    cmdHandClick2(rig.app, 0);
    ASSERT_EQ(rig.app.capture.notes.lastHandResult, CaptureResult::Read);
    // The score moved on, but the last-hand window still shows the board recorded.
    SimBoard moved = board;
    moved.after[0].Score += 100;
    rig.Start(moved, SimStage::Done);
    cmdHandClick2(rig.app, 0);
    EXPECT_EQ(rig.app.capture.notes.lastHandResult, CaptureResult::HandUnchanged);
    EXPECT_EQ(rig.MessageCodes(), std::vector<int>{24});
    EXPECT_EQ(rig.Records().size(), 1u);
    EXPECT_EQ(rig.app.capture.keptScore, board.after);
    EXPECT_TRUE(rig.SlotOf(Slot::Hand).armed);
}

TEST(HandCapture, AScoreNotYetMovedOnIsUnchanged) {
    CaptureRig rig;
    SimClient& client = AuctionTaken(rig, PlayedBoard(27));
    SimFaults stale;
    stale.staleScore = true;
    client.SetFaults(stale);
    cmdHandClick2(rig.app, 1);  // automatic: silent
    EXPECT_EQ(rig.app.capture.notes.lastHandResult, CaptureResult::ScoreUnchanged);
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
    EXPECT_EQ(rig.app.capture.notes.lastHandResult, CaptureResult::Read);
    for (const std::string& d : RecordDifferences(rig.ReadBack("12_06_001"), board))
        ADD_FAILURE() << d;
}

TEST(HandCapture, AnUnreadableHandIsReportedAndTriedAgain) {
    CaptureRig rig;
    SimClient& client = AuctionTaken(rig, PlayedBoard(29));
    SimFaults faults;
    faults.misdrawnKind = 3;
    faults.misdrawnGlyph = 8;  // a glyph of the first line's cards
    client.SetFaults(faults);
    cmdHandClick2(rig.app, 1);
    EXPECT_EQ(rig.app.capture.notes.lastHandResult, CaptureResult::HandUnreadable);
    EXPECT_EQ(rig.app.capture.notes.errors.size(), 1u);
    ExpectRetry(rig);
}

// A capture waits for the client now and then; a click or a tick arriving in such a wait
// must not start a second capture on top of it.
TEST(Captures, ARunningCaptureKeepsAnotherFromStarting) {
    for (bool hand : {false, true}) {
        CaptureRig rig;
        if (hand) AuctionTaken(rig, PlayedBoard(34));
        if (!hand) rig.StartAuctionOver(PlayedBoard(16));
        void (*click)(AppContext&, int) = hand ? &cmdHandClick2 : &cmdBidClick2;
        int nestedCopies = -1;
        rig.clock.After(50, [&] {
            EXPECT_TRUE(hand ? rig.app.loop.busy.hand : rig.app.loop.busy.bid);
            const int copies = rig.desktop.Copies();
            click(rig.app, 1);
            nestedCopies = rig.desktop.Copies() - copies;
        });
        click(rig.app, 1);
        EXPECT_EQ(nestedCopies, 0) << hand;
        EXPECT_EQ(hand ? rig.Records().size() : std::size_t(rig.app.capture.keptRounds > 0), 1u);
    }
}

}  // namespace
}  // namespace tallowen::testing

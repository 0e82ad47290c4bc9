// The Work folder failing under the watcher: removed, or replaced by a file (as a full disk
// refuses files), at the auction, at the hand, or for a while in the middle of a session.
// The board is never lost to it nor joined to another, and the user hears of it once.
#include <gtest/gtest.h>

#include "CaptureRig.h"
#include "SessionDriver.h"
#include "shell/MainLoop.h"
#include "shell/WorkWrites.h"

namespace tallowen::testing {
namespace {

namespace fs = std::filesystem;

// The Work folder taken away and a file put in its place: nothing can be written there.
void BlockWork(const fs::path& folder) {
    fs::remove_all(folder / "Work");
    std::ofstream(folder / "Work") << "in the way";
}

void UnblockWork(const fs::path& folder) {
    fs::remove(folder / "Work");
}

TEST(WorkWrites, AnAuctionFileThatCannotBeWrittenIsKeptAndWrittenLater) {
    CaptureRig rig;
    const SimBoard board = PlayedBoard(61);
    SimClient& client = rig.StartAuctionOver(board);
    BlockWork(rig.folder);
    cmdBidClick2(rig.app, 1);
    EXPECT_EQ(rig.app.capture.notes.lastBidResult, CaptureResult::Read)
        << "the auction is taken all the same";
    EXPECT_TRUE(rig.SlotOf(Slot::Hand).armed);
    ASSERT_EQ(rig.app.capture.notes.errors.size(), 1u);
    EXPECT_NE(rig.app.capture.notes.errors[0].find("Work"), std::string::npos);
    WriteUnwritten(rig.app);
    WriteUnwritten(rig.app);
    EXPECT_EQ(rig.app.capture.notes.errors.size(), 1u) << "told once while the fault lasts";

    UnblockWork(rig.folder);
    WriteUnwritten(rig.app);
    EXPECT_NE(rig.BidFile(), "");
    ASSERT_EQ(rig.app.capture.notes.errors.size(), 2u);
    EXPECT_NE(rig.app.capture.notes.errors[1].find("again"), std::string::npos);
    client.SetStage(SimStage::Done);
    cmdHandClick2(rig.app, 1);
    ASSERT_EQ(rig.Records().size(), 1u);
    for (const std::string& d : RecordDifferences(rig.ReadBack("12_06_001"), board))
        ADD_FAILURE() << d;
}

// The auction file cannot be replaced, so the one on disk is the board before's: the hand is
// joined to the auction in memory, never to that one.
TEST(WorkWrites, AnAuctionFileLeftFromTheBoardBeforeIsNeverJoinedToTheHand) {
    CaptureRig rig;
    SimClient& client = rig.StartAuctionOver(PlayedBoard(64));
    cmdBidClick2(rig.app, 1);
    client.SetStage(SimStage::Done);
    cmdHandClick2(rig.app, 1);
    ASSERT_EQ(rig.Records().size(), 1u);
    const std::string before = rig.BidFile();

    SimBoard board = PlayedBoard(65);
    board.before = PlayedBoard(64).after;
    client.NewBoard(board);
    client.SetStage(SimStage::Auction, int(board.calls.size()));
    const fs::path blocker = TemporaryName(rig.folder / "Work" / "BridgeBid.brg");
    fs::create_directory(blocker);
    cmdBidClick2(rig.app, 1);
    ASSERT_EQ(rig.app.capture.notes.lastBidResult, CaptureResult::Read);
    EXPECT_EQ(rig.BidFile(), before);
    client.SetStage(SimStage::Done);
    cmdHandClick2(rig.app, 1);
    fs::remove(blocker);
    ASSERT_EQ(rig.Records().size(), 2u);
    for (const std::string& d : RecordDifferences(rig.ReadBack("12_06_002"), board))
        ADD_FAILURE() << d;
}

// The folder went, and the auction file with it, between the auction and the hand: the
// auction captured moments before is the one joined to the hand, and the folder comes back.
TEST(WorkWrites, AnAuctionFileGoneWithItsFolderIsTakenFromMemory) {
    CaptureRig rig;
    const SimBoard board = PlayedBoard(62);
    SimClient& client = rig.StartAuctionOver(board);
    cmdBidClick2(rig.app, 1);
    fs::remove_all(rig.folder / "Work");
    client.SetStage(SimStage::Done);
    cmdHandClick2(rig.app, 1);
    ASSERT_EQ(rig.app.capture.notes.lastHandResult, CaptureResult::Read);
    EXPECT_TRUE(rig.app.capture.notes.errors.empty());
    ASSERT_EQ(rig.Records().size(), 1u);
    for (const std::string& d : RecordDifferences(rig.ReadBack("12_06_001"), board))
        ADD_FAILURE() << d;
}

// A record that cannot be written keeps its board: the hand is taken, the next auction
// awaited, and the same record is written once the folder takes it; never the old auction
// with a new hand.
TEST(WorkWrites, ARecordThatCannotBeWrittenIsWrittenOnceTheFolderTakesIt) {
    CaptureRig rig;
    const SimBoard board = PlayedBoard(63);
    SimClient& client = rig.StartAuctionOver(board);
    cmdBidClick2(rig.app, 1);
    client.SetStage(SimStage::Done);
    BlockWork(rig.folder);
    cmdHandClick2(rig.app, 1);
    EXPECT_EQ(rig.app.capture.notes.lastHandResult, CaptureResult::Read);
    EXPECT_TRUE(rig.app.writes.unwrittenRecord.has_value());
    EXPECT_TRUE(rig.SlotOf(Slot::Bid).armed) << "on to the next auction";
    EXPECT_FALSE(rig.SlotOf(Slot::Hand).armed);
    for (int tick = 0; tick < 5; ++tick) WriteUnwritten(rig.app);
    EXPECT_EQ(rig.app.capture.notes.errors.size(), 1u);

    UnblockWork(rig.folder);
    WriteUnwritten(rig.app);
    EXPECT_FALSE(rig.app.writes.unwrittenRecord.has_value());
    ASSERT_EQ(rig.Records().size(), 1u);
    for (const std::string& d : RecordDifferences(rig.ReadBack("12_06_001"), board))
        ADD_FAILURE() << d;
    EXPECT_EQ(rig.app.records.listed, std::vector<std::string>{"12_06_001"});
    EXPECT_EQ(rig.app.capture.notes.errors.size(), 2u);
    EXPECT_EQ(rig.app.writes.recordsLostToWrites, 0);
}

// Sessions as the client plays them whose Work folder a second process removes, or blocks for
// a while, now and then: every board is recorded all the same.
TEST(WorkWrites, ASessionWhoseWorkFolderIsRemovedOrBlockedRecordsEveryBoard) {
    for (const bool block : {false, true}) {
        ShellRig rig;
        const fs::path folder = rig.folder;
        for (std::uint32_t at = 45000; at < 600000; at += 97000)
            rig.clock.After(at, [folder, block, &rig] {
                if (!block) {
                    fs::remove_all(folder / "Work");
                    return;
                }
                BlockWork(folder);
                rig.clock.After(20000, [folder] { UnblockWork(folder); });
            });
        const SessionOutcome out = PlaySession(rig, DefaultSession(10, 1, 77));
        const SessionAccount account = Account(out);
        EXPECT_EQ(account.right, 10)
            << AccountSummary(account) << (block ? " blocked" : " removed");
        EXPECT_EQ(rig.app.writes.recordsLostToWrites, 0);
        int over = 0;
        for (const std::string& m : out.messages) over += m.find("takes files again") != m.npos;
        EXPECT_TRUE(!block || over > 0) << "the blocks never met a write";
    }
}

}  // namespace
}  // namespace tallowen::testing

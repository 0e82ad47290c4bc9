// The simulated session on real time, and the expected records it leaves: written as a
// faithful watcher writes them, compared with what a watcher wrote.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <random>

#include "platform/CodePage.h"
#include "records/RecordFiles.h"
#include "sim/ExpectedRecords.h"
#include "sim/SimRecord.h"
#include "tools/fake-client/FakeSession.h"

namespace tallowen::testing {
namespace {

namespace fs = std::filesystem;

// A folder of its own under the home folder (the programs keep clear of temporary folders,
// so the tests do too): a program folder with its Work folder, and an expected folder.
class Folder : public ::testing::Test {
protected:
    void SetUp() override {
        const char* home = std::getenv("HOME");
        root = fs::path(home ? home : ".") / ".tallowen-tests" /
               ("fakeclient-" + std::to_string(std::random_device{}()));
        folders.app = root / "program";
        fs::create_directories(folders.Work());
        naming.RecordPrefix = "12_07_";
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(root, ec);
    }
    FakeClientArgs Args(int boards, std::uint32_t pace = 500) {
        FakeClientArgs a;
        a.boards = boards;
        a.seed = 11;
        a.paceMs = pace;
        a.expect = root / "expect";
        return a;
    }
    // What a faithful watcher leaves in the Work folder.
    std::string Record(const Deal& deal) {
        const RecordResult r = WriteDealFile(deal, naming, folders, AnsiCodePage(), nullptr);
        EXPECT_TRUE(r.ok) << r.error;
        return r.name;
    }
    RecordComparison Compare() {
        return CompareWithExpected(folders.app, root / "expect", AnsiCodePage());
    }

    fs::path root;
    Folders folders;
    RecordNaming naming;
};

// The client's clock follows the real one: nothing moves before its time, and each step
// comes when the pace says.
TEST_F(Folder, StepsComeOnTheRealClocksTime) {
    FakeSession s(Args(1, 400), Rect{0, 0, 1280, 1024}, AnsiCodePage());
    s.Start();
    const WindowHandle bidding = s.Client().Handle(1);
    ASSERT_NE(bidding, 0u);
    EXPECT_EQ(s.Client().Bidding().rows.size(), 0u);
    s.AdvanceTo(399);
    EXPECT_EQ(s.Now(), 399u);
    EXPECT_EQ(s.Client().Bidding().rows.size(), 0u) << "the first call is not due yet";
    s.AdvanceTo(400);
    EXPECT_EQ(s.Client().Bidding().rows.size(), 1u);
    s.AdvanceTo(100);  // time never runs back
    EXPECT_EQ(s.Now(), 400u);
}

TEST_F(Folder, EachBoardPlayedLeavesItsExpectedRecord) {
    FakeSession s(Args(2), Rect{0, 0, 1280, 1024}, AnsiCodePage());
    s.Start();
    s.AdvanceTo(s.Session().PlannedLength() + 1);
    ASSERT_TRUE(s.Session().Finished());
    ASSERT_EQ(s.Session().Played().size(), 2u);
    EXPECT_EQ(s.ExpectedWritten(), 2);
    EXPECT_TRUE(s.Failures().empty());
    EXPECT_NE(s.Client().Handle(5), 0u) << "the next deal's bid box is open";
    for (const SimPlayedBoard& p : s.Session().Played()) Record(RecordOf(p.board));
    const RecordComparison c = Compare();
    EXPECT_TRUE(c.ok);
    EXPECT_EQ(c.lines, std::vector<std::string>{"records 2, boards expected 2: all agree"});
}

TEST_F(Folder, AnExpectedRecordThatCannotBeWrittenIsAFailure) {
    fs::create_directories(root);
    { std::ofstream(root / "expect") << "a file where the folder should be"; }
    FakeSession s(Args(1), Rect{0, 0, 1280, 1024}, AnsiCodePage());
    s.Start();
    s.AdvanceTo(s.Session().PlannedLength() + 1);
    EXPECT_EQ(s.ExpectedWritten(), 0);
    ASSERT_EQ(s.Failures().size(), 1u);
    EXPECT_EQ(s.Failures()[0].rfind("board_001: ", 0), 0u) << s.Failures()[0];
}

TEST_F(Folder, ClosingTheTableEndsTheClientClosingAnotherWindowDoesNot) {
    FakeSession s(Args(1), Rect{0, 0, 1280, 1024}, AnsiCodePage());
    s.Start();
    const WindowHandle score = s.Client().Handle(4);
    EXPECT_FALSE(s.Close(score));
    EXPECT_EQ(s.Client().Handle(4), 0u);
    EXPECT_EQ(s.Desktop().Find(score), nullptr);
    EXPECT_FALSE(s.Close(0x7777));  // nothing of the client's
    EXPECT_TRUE(s.Close(s.Client().Handle(0)));
}

// What the comparison says when the watcher got something wrong, or nothing at all.
TEST_F(Folder, TheComparisonNamesWhatDiffers) {
    // Boards with a contract: the spoilt records below change a bid and a played card, which
    // a passed-out board does not have. The comparison itself is the same for every board.
    const std::vector<SimBoard> plan = PlanSession({.boards = 3, .seed = 4, .minBids = 1});
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(
            WriteExpectedRecord(root / "expect", i + 1, plan[std::size_t(i)], AnsiCodePage()).ok);
    EXPECT_FALSE(Compare().ok) << "no record at all";

    Deal wrong = RecordOf(plan[0]);
    wrong.Calls[1][std::size_t(plan[0].dealer)] = "7NT";
    const std::string first = Record(wrong);
    Record(RecordOf(plan[1]));
    Record(RecordOf(plan[1]));
    Deal foreign = RecordOf(plan[2]);
    foreign.Cards[0][0] = foreign.Cards[1][0];
    Record(foreign);
    const RecordComparison c = Compare();
    EXPECT_FALSE(c.ok);
    auto has = [&c](const std::string& text) {
        for (const std::string& line : c.lines)
            if (line.find(text) != std::string::npos) return true;
        return false;
    };
    EXPECT_TRUE(has(first + ": round 1")) << c.lines.front();
    EXPECT_TRUE(has("records a board twice"));
    EXPECT_TRUE(has("holds no board that was played"));
    EXPECT_TRUE(has("board_003 was not recorded"));
    EXPECT_EQ(c.lines.back(), "records 4, boards expected 3: differences");
}

TEST_F(Folder, NoExpectedRecordsOrAnUnreadableOneIsAFailure) {
    RecordComparison c = Compare();
    EXPECT_FALSE(c.ok);
    EXPECT_EQ(c.lines.front().rfind("no expected records in ", 0), 0u);
    fs::create_directories(root / "expect");
    { std::ofstream(root / "expect" / "board_001.brg") << "not a record\0"; }
    const SimBoard b = PlanSession({.boards = 1, .seed = 2})[0];
    Record(RecordOf(b));
    { std::ofstream(folders.WorkFile("12_07_002.brg"), std::ios::binary).write("x\0y", 3); }
    c = Compare();
    EXPECT_FALSE(c.ok);
}

}  // namespace
}  // namespace tallowen::testing

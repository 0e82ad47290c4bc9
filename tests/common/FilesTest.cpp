#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <thread>

#include "Scratch.h"
#include "common/Files.h"
#include "common/Text.h"
#include "platform/CodePage.h"
#include "platform/FilePlace.h"

namespace fs = std::filesystem;

namespace tallowen {
namespace {

class WorkFolder : public ::testing::Test {
protected:
    void SetUp() override { fs::create_directories(folders.Work()); }
    void Touch(const std::string& name) { std::ofstream(folders.WorkFile(name)) << "x"; }
    scratch::ScratchFolder dir;
    Folders folders{dir.path()};
};

TEST_F(WorkFolder, ScanSortsRecordsDeletesDoubleBackupsAndIgnoresOtherNames) {
    for (auto n : {"10_22_002.brg", "10_21_005.brg", "10_22_001.brg", "BAK10_22_003.brg",
                   "BAKBAK10_22_001.brg", "note.brg", "10_22_1.brg", "10_22_004.txt",
                   "bakbak10_22_009.BRG", "10_22_1000.brg", "10_22_999.brg", "BAK10_22_1001.brg"})
        Touch(n);
    WorkFiles found = ScanWorkFiles(folders);
    EXPECT_EQ(found.work, (std::vector<std::string>{"10_21_005", "10_22_001", "10_22_002",
                                                    "10_22_999", "10_22_1000"}));
    std::sort(found.backups.begin(), found.backups.end());
    EXPECT_EQ(found.backups, (std::vector<std::string>{"10_22_003", "10_22_1001"}));
    EXPECT_FALSE(fs::exists(folders.WorkFile("BAKBAK10_22_001.brg")));
    EXPECT_FALSE(fs::exists(folders.WorkFile("bakbak10_22_009.BRG")));
    EXPECT_TRUE(fs::exists(folders.WorkFile("note.brg")));
    fs::remove_all(folders.Work());
    found = ScanWorkFiles(folders);
    EXPECT_TRUE(found.work.empty() && found.backups.empty());
}

TEST_F(WorkFolder, WritesAreWholeAndNeverReplaceWhenAskedNotTo) {
    auto page = OpenCodePage(932);
    ASSERT_TRUE(page);
    fs::path file = folders.WorkFile("10_22_001.brg");
    FileResult first = WriteTextLines(file, {"パス", "1S"}, *page, false);
    ASSERT_TRUE(first.ok) << first.error;
    FileResult second = WriteTextLines(file, {"other"}, *page, false);
    EXPECT_FALSE(second.ok);
    EXPECT_NE(second.error.find("10_22_001.brg"), std::string::npos);
    TextLines back = ReadTextLines(file, *page);
    ASSERT_TRUE(back.ok);
    EXPECT_EQ(back.lines, (std::vector<std::string>{"パス", "1S"}));
    EXPECT_EQ(scratch::Bytes(file), "\x83\x70\x83\x58\r\n1S\r\n");
    for (auto& e : fs::directory_iterator(folders.Work()))
        EXPECT_EQ(e.path().filename(), "10_22_001.brg");  // no temporary file left behind
}

// Two writers of one new file at the same moment (two copies of the utility with their own
// lock folders): exactly one makes it, whole, and the other is told it was made already.
TEST_F(WorkFolder, TwoWritersOfOneNewFileNeverBothWinNorMixTheirBytes) {
    const fs::path file = folders.WorkFile("2006_10_22.htm");
    const std::string a(200000, 'a'), b(300000, 'b');
    for (int round = 0; round < 40; ++round) {
        fs::remove(file);
        FileResult ra, rb;
        std::thread other([&] { rb = WriteBytes(file, b, false); });
        ra = WriteBytes(file, a, false);
        other.join();
        ASSERT_NE(ra.ok, rb.ok) << "round " << round;
        const FileResult& lost = ra.ok ? rb : ra;
        EXPECT_TRUE(lost.exists);
        EXPECT_EQ(lost.error, "2006_10_22.htm: already made");
        EXPECT_EQ(scratch::Bytes(file), ra.ok ? a : b);
    }
    for (auto& e : fs::directory_iterator(folders.Work()))
        EXPECT_EQ(e.path().filename(), "2006_10_22.htm");  // no temporary file left behind
}

TEST_F(WorkFolder, PlacingANewFileNeverReplacesOne) {
    const fs::path from = folders.WorkFile("new.tmp~"), to = folders.WorkFile("page.htm");
    std::ofstream(from) << "new";
    std::ofstream(to) << "old";
    EXPECT_EQ(PlaceNewFile(from, to), PlaceResult::Exists);
    EXPECT_EQ(scratch::Bytes(to), "old");
    EXPECT_EQ(scratch::Bytes(from), "new");
    fs::remove(to);
    EXPECT_EQ(PlaceNewFile(from, to), PlaceResult::Placed);
    EXPECT_EQ(scratch::Bytes(to), "new");
    EXPECT_FALSE(fs::exists(from));
    EXPECT_EQ(PlaceNewFile(from, folders.WorkFile("again.htm")), PlaceResult::Failed);
}

TEST(Lines, AllLineEndsAndALastLineWithoutOne) {
    scratch::ScratchFolder dir;
    TextLines t = ReadTextLines(dir.Write("lines.txt", "a\r\nb\nc\rd"), *scratch::Page(1252));
    EXPECT_EQ(t.lines, (std::vector<std::string>{"a", "b", "c", "d"}));
}

}  // namespace
}  // namespace tallowen

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "Scratch.h"
#include "common/Files.h"
#include "common/Text.h"
#include "platform/CodePage.h"

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

TEST_F(WorkFolder, WriteIntoAMissingFolderFailsWithTheFileName) {
    auto page = OpenCodePage(1252);
    FileResult r = WriteTextLines(folders.app / "absent" / "x.brg", {"a"}, *page);
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.error.find("x.brg"), std::string::npos);
    TextLines missing = ReadTextLines(folders.app / "absent.brg", *page);
    EXPECT_FALSE(missing.ok);
    EXPECT_FALSE(missing.error.empty());
}

TEST_F(WorkFolder, FindsFilesWhateverTheCaseAndJapaneseNames) {
    std::ofstream(folders.AppFile("TALLOWEN.ini")) << "JPN=yes";
    std::ofstream(folders.AppFile("ブリッジ.INI")) << "JPN=yes";
    auto found = FindFileNoCase(folders.app, "Tallowen.INI");
    ASSERT_TRUE(found);
    EXPECT_TRUE(
        FileExists(*found));  // Windows answers with the name asked for, Linux with the stored one
    EXPECT_EQ(ToLower(PathToUtf8(found->filename())), "tallowen.ini");
    EXPECT_TRUE(FindFileNoCase(folders.app, "ブリッジ.ini"));
    EXPECT_FALSE(FindFileNoCase(folders.app, "Other.ini"));
}

TEST(Lines, AllLineEndsAndALastLineWithoutOne) {
    scratch::ScratchFolder dir;
    TextLines t = ReadTextLines(dir.Write("lines.txt", "a\r\nb\nc\rd"), *scratch::Page(1252));
    EXPECT_EQ(t.lines, (std::vector<std::string>{"a", "b", "c", "d"}));
}

}  // namespace
}  // namespace tallowen

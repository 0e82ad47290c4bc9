#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "RecordSamples.h"
#include "common/Files.h"
#include "platform/CodePage.h"
#include "platform/FilePlace.h"
#include "records/RecordFiles.h"

namespace fs = std::filesystem;

namespace tallowen {
namespace {

using samples::Golden;
using samples::ReadBytes;
using samples::WriteBytesTo;

class RecordFolder : public ::testing::Test {
protected:
    void SetUp() override {
        folders.app = fs::temp_directory_path() /
                      (std::string("tallowen-records-") +
                       ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folders.app);
        fs::create_directories(folders.Work());
        naming.RecordPrefix = "10_22_";
        naming.RecordCounter = 1;
    }
    void TearDown() override { fs::remove_all(folders.app); }
    std::string WorkBytes(const std::string& name) { return ReadBytes(folders.WorkFile(name)); }
    RecordResult Write(const Deal& deal = samples::Western()) {
        return WriteDealFile(deal, naming, folders, *cp1252, &listener);
    }

    struct Listener : RecordListener {
        std::vector<std::string> names;
        void RecordWritten(const std::string& name) override { names.push_back(name); }
    };

    Folders folders;
    RecordNaming naming;
    Listener listener;
    std::unique_ptr<CodePage> cp1252 = OpenCodePage(1252), cp932 = OpenCodePage(932);
};

// --- The golden files, written byte for byte and read back ---

TEST_F(RecordFolder, RecordFilesMatchTheGoldenFilesAndReadBack) {
    ASSERT_TRUE(cp932);
    RecordResult r = Write();
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.name, "10_22_001");
    EXPECT_FALSE(r.lossy);
    EXPECT_EQ(WorkBytes("10_22_001.brg"), ReadBytes(Golden("deal1252.brg")));
    EXPECT_EQ(listener.names, std::vector<std::string>{"10_22_001"});
    EXPECT_EQ(naming.RecordCounter, 2);
    Deal japanese = samples::Japanese();
    ASSERT_TRUE(WriteDealFile(japanese, naming, folders, *cp932, &listener).ok);
    EXPECT_EQ(WorkBytes("10_22_002.brg"), ReadBytes(Golden("deal932.brg")));

    fs::copy_file(Golden("deal1252.brg"), folders.WorkFile("10_21_004.brg"));
    fs::copy_file(Golden("deal932.brg"), folders.WorkFile("10_21_005.brg"));
    Deal d;
    ASSERT_TRUE(ReadDealFile(d, "10_21_004", folders, *cp1252).ok);
    EXPECT_EQ(d, samples::Western());
    ASSERT_TRUE(ReadDealFile(d, "10_21_005", folders, *cp932).ok);
    japanese.AuctionNames = {};  // a record holds the hand's names only
    // Scores without vulnerability words keep their values; the vulnerability stays unknown.
    EXPECT_EQ(d, japanese);
}

TEST_F(RecordFolder, BidFileMatchesTheGoldenFileAndIsReplacedEachTime) {
    ASSERT_TRUE(cp932);
    Deal d = samples::Japanese();
    d.Names = {"x", "x", "x", "x"};  // the current-auction file holds the auction's names
    d.ScoreBefore = samples::Scores(0, 1, 10, 20);
    ASSERT_TRUE(WriteBidFile(d, folders, *cp932).ok);
    d.ScoreBefore = samples::Scores(0, 0, 0, 0);
    RecordResult r = WriteBidFile(d, folders, *cp932);
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(WorkBytes("BridgeBid.brg"), ReadBytes(Golden("bid932.brg")));
}

TEST_F(RecordFolder, ReadsARecordWithoutScoreLines) {
    fs::copy_file(Golden("noscore1252.brg"), folders.WorkFile("10_21_006.brg"));
    Deal d;
    ASSERT_TRUE(ReadDealFile(d, "10_21_006", folders, *cp1252).ok);
    EXPECT_EQ(d.ScoreBefore, ScorePair{});
    EXPECT_EQ(d.ScoreAfter, ScorePair{});
    EXPECT_EQ(d.Cards, samples::Western().Cards);
    EXPECT_EQ(d.Calls[1][3], "Pass");
}

TEST_F(RecordFolder, ReadsTheBidFileIntoTheAuctionFields) {
    ASSERT_TRUE(cp932);
    fs::copy_file(Golden("bid932.brg"), folders.WorkFile("BridgeBid.brg"));
    Deal d = samples::Western();
    ASSERT_TRUE(ReadBidFile(d, folders, *cp932).ok);
    EXPECT_EQ(d.AuctionNames, samples::Japanese().Names);
    EXPECT_EQ(d.Names, samples::Western().Names);  // the hand's names are not touched
    EXPECT_EQ(d.Calls, samples::Japanese().Calls);
    EXPECT_EQ(d.ScoreBefore, samples::Scores(0, 0, 0, 0));
    EXPECT_EQ(d.Cards, samples::Western().Cards);
}

// --- Names on disk ---

// In any letter case: a record copied back from elsewhere may carry ".BRG".
TEST_F(RecordFolder, ANameTakenOnDiskIsSkippedAndNeverReplaced) {
    WriteBytesTo(folders.WorkFile("10_22_001.brg"), "restored");
    WriteBytesTo(folders.WorkFile("10_22_002.BRG"), "copied");
    RecordResult r = Write();
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.name, "10_22_003");
    EXPECT_EQ(naming.RecordCounter, 4);
    EXPECT_EQ(WorkBytes("10_22_001.brg"), "restored");
    EXPECT_EQ(WorkBytes("10_22_002.BRG"), "copied");
    fs::copy_file(Golden("deal1252.brg"), folders.WorkFile("10_22_005.BRG"));
    Deal d;
    EXPECT_TRUE(ReadDealFile(d, "10_22_005", folders, *cp1252).ok);
    EXPECT_EQ(d.Names, samples::Western().Names);
}

TEST_F(RecordFolder, TheNinthTenthAndThousandthRecordsOfADay) {
    for (auto [counter, name] :
         {std::pair{9, "10_22_009"}, {10, "10_22_010"}, {999, "10_22_999"}, {1000, "10_22_1000"}}) {
        naming.RecordCounter = counter;
        EXPECT_EQ(Write().name, name);
    }
    EXPECT_TRUE(fs::exists(folders.WorkFile("10_22_1000.brg")));
}

// --- Failures are results, and nothing stored changes ---

TEST_F(RecordFolder, ARecordThatCannotBeWrittenIsAFailure) {
    fs::remove_all(folders.Work());
    WriteBytesTo(folders.Work(), "not a folder");
    RecordResult r = Write();
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.error.find("Work: the folder cannot be made"), std::string::npos) << r.error;
    EXPECT_TRUE(listener.names.empty());
    EXPECT_EQ(naming.RecordCounter, 1);  // the next try takes the same name
    EXPECT_EQ(ReadBytes(folders.Work()), "not a folder");
}

TEST_F(RecordFolder, ABidFileThatCannotBeWrittenIsAFailureAndTheOldOneStays) {
    WriteBytesTo(folders.WorkFile("BridgeBid.brg"), "old auction\r\n");
    fs::create_directory(TemporaryName(folders.WorkFile("BridgeBid.brg")));  // blocked
    RecordResult r = WriteBidFile(samples::Western(), folders, *cp1252);
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.error.find("BridgeBid.brg"), std::string::npos) << r.error;
    EXPECT_EQ(WorkBytes("BridgeBid.brg"), "old auction\r\n");
}

TEST_F(RecordFolder, MissingFilesAreFailuresAndTheDealStays) {
    Deal d = samples::Western();
    RecordResult r = ReadDealFile(d, "10_22_077", folders, *cp1252);
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.error.find("10_22_077.brg"), std::string::npos) << r.error;
    r = ReadBidFile(d, folders, *cp1252);
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.error.find("BridgeBid.brg"), std::string::npos) << r.error;
    // Nor is a name that leaves the work folder read.
    WriteBytesTo(folders.AppFile("outside.brg"), ReadBytes(Golden("deal1252.brg")));
    EXPECT_FALSE(ReadDealFile(d, "../outside", folders, *cp1252).ok);
    EXPECT_FALSE(ReadDealFile(d, "", folders, *cp1252).ok);
    EXPECT_EQ(d, samples::Western());
}

// A record cut off anywhere is a failure (with the deal untouched) unless it ends with a
// whole line after its four hand lines (the score line after them may be missing); nothing
// crashes on the way.
TEST_F(RecordFolder, RecordsCutOffAtEveryByte) {
    for (const char* golden : {"deal1252.brg", "deal932.brg", "noscore1252.brg"}) {
        const std::string bytes = ReadBytes(Golden(golden));
        const auto lines = std::count(bytes.begin(), bytes.end(), '\n');
        const auto handsEnd = lines - (std::string(golden) == "noscore1252.brg" ? 0 : 1);
        for (std::size_t cut = 0; cut <= bytes.size(); ++cut) {
            WriteBytesTo(folders.WorkFile("10_22_001.brg"), bytes.substr(0, cut));
            Deal d = samples::Western();
            d.Contract = "sentinel";
            const Deal before = d;
            RecordResult r = ReadDealFile(d, "10_22_001", folders, *cp1252);
            const char last = cut > 0 ? bytes[cut - 1] : '\0';
            const auto ended =
                std::count(bytes.begin(), bytes.begin() + std::ptrdiff_t(cut), '\n') +
                (last == '\r');
            EXPECT_EQ(r.ok, (last == '\n' || last == '\r') && ended >= handsEnd)
                << golden << " cut at " << cut;
            if (!r.ok) {
                EXPECT_EQ(d, before) << golden << " cut at " << cut;
            }
            EXPECT_EQ(d.Contract, "sentinel");
        }
    }
}

TEST_F(RecordFolder, BidFilesCutOffAtEveryByte) {
    std::string bytes = ReadBytes(Golden("bid932.brg"));
    for (std::size_t cut = 0; cut <= bytes.size(); ++cut) {
        WriteBytesTo(folders.WorkFile("BridgeBid.brg"), bytes.substr(0, cut));
        Deal d = samples::Western();
        const Deal before = d;
        if (!ReadBidFile(d, folders, *cp1252).ok) {
            EXPECT_EQ(d, before) << "cut at " << cut;
        }
        EXPECT_EQ(d.Cards, before.Cards);
    }
}

}  // namespace
}  // namespace tallowen

namespace tallowen::testing {
namespace {

// What a copy killed while writing leaves behind: a complete record in its temporary file is
// kept under the next free name of its day, a cut one and a stale auction file are removed,
// and the temporary file of a copy still running is left alone.
TEST(Leftovers, AKilledCopysFinishedRecordIsKeptAndTheRestRemoved) {
    const fs::path app = fs::temp_directory_path() / ("tallowen-leftovers-" + ProcessTag());
    fs::remove_all(app);
    Folders folders;
    folders.app = app;
    fs::create_directories(folders.Work());
    const std::unique_ptr<CodePage> page = OpenCodePage(1252);
    const std::string record = ReadBytes(Golden("deal1252.brg"));
    WriteBytesTo(folders.WorkFile("10_22_001.brg"), record);
    const std::string gone = ".2147483646-1.tmp~";  // no such process
    WriteBytesTo(folders.WorkFile("10_22_001.brg" + gone), record);
    WriteBytesTo(folders.WorkFile("10_22_002.brg" + gone), record.substr(0, record.size() - 9));
    WriteBytesTo(folders.WorkFile("BridgeBid.brg" + gone), "A, B, C, D\r\n");
    const std::string running = "10_22_003.brg." + ProcessTag() + "-1.tmp~";
    WriteBytesTo(folders.WorkFile(running), record);
    // Killed between the link to its name and the removal of the temporary name.
    fs::create_hard_link(folders.WorkFile("10_22_001.brg"),
                         folders.WorkFile("10_22_001.brg.2147483646-2.tmp~"));

    const std::vector<std::string> lines = SettleWorkLeftovers(folders, *page);
    EXPECT_EQ(lines.size(), 4u);
    EXPECT_EQ(ReadBytes(folders.WorkFile("10_22_002.brg")), record) << "the next free name";
    std::set<std::string> left;
    for (const auto& entry : fs::directory_iterator(folders.Work()))
        left.insert(PathToUtf8(entry.path().filename()));
    EXPECT_EQ(left, (std::set<std::string>{"10_22_001.brg", "10_22_002.brg", running}));
    fs::remove_all(app);
}

}  // namespace
}  // namespace tallowen::testing

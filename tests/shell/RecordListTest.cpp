#include <gtest/gtest.h>

#include "shell/RecordList.h"

#include <set>
#include <string>

#include "ShellRig.h"
#include "records/RecordSamples.h"
#include "records/RecordWriter.h"
#include "shell/Captures.h"

namespace tallowen::testing {

namespace {

namespace fs = std::filesystem;

void WriteRecord(ShellRig& rig, const std::string& fileName, const Deal& deal) {
    const CodePage& page = rig.app.seams.codePage;
    ASSERT_TRUE(
        WriteTextLines(rig.app.folders.WorkFile(fileName), DealFileLines(deal, page), page).ok);
}

void WriteRecords(ShellRig& rig, std::initializer_list<std::string> fileNames) {
    for (const std::string& name : fileNames) WriteRecord(rig, name, samples::Western());
}

// The files of the Work folder with their contents.
std::map<std::string, std::string> Folder(const ShellRig& rig) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::directory_iterator(rig.app.folders.Work()))
        files[PathToUtf8(entry.path().filename())] = samples::ReadBytes(entry.path());
    return files;
}

std::set<std::string> Names(const ShellRig& rig) {
    std::set<std::string> names;
    for (const auto& [name, bytes] : Folder(rig)) names.insert(name);
    return names;
}

const ControlState& Seen(const ShellRig& rig, Control c) {
    return rig.views.main.controls[std::size_t(c)];
}

// Answers the delete question after a while, looking at the window as the user sees it.
void AnswerLater(ShellRig& rig, void (*answer)(AppContext&), bool* sawQuestion = nullptr) {
    rig.clock.After(500, [&rig, answer, sawQuestion] {
        if (sawQuestion)
            *sawQuestion =
                rig.app.records.deleteRequest == -1 && !Seen(rig, Control::filBox0).enabled &&
                Seen(rig, Control::cmdDEL).visible && !Seen(rig, Control::cmdBid).enabled;
        answer(rig.app);
    });
}

}  // namespace

TEST(RecordList, NewestFirstWithLongNamesAndNothingElse) {
    ShellRig rig;
    WriteRecords(rig, {"01_02_003.brg", "12_06_001.brg", "12_06_1000.brg", "12_06_002.brg",
                       "BridgeBid.brg", "12_06_01.brg", "BAK12_05_001.brg"});
    RefreshFileBox(rig.app);
    const std::vector<std::string> newestFirst{"12_06_1000", "12_06_002", "12_06_001", "01_02_003"};
    EXPECT_EQ(rig.views.main.list, newestFirst);
    EXPECT_EQ(rig.app.records.work.size(), 4u);
    EXPECT_EQ(rig.app.records.backups, std::vector<std::string>{"12_05_001"});
}

TEST(RecordList, DeletingSelectedRecordsMakesThemBackups) {
    ShellRig rig;
    WriteRecords(rig, {"12_06_001.brg", "12_06_002.brg", "12_06_003.brg", "12_06_004.brg"});
    RefreshFileBox(rig.app);
    auto before = Folder(rig);
    rig.views.main.selected = {0, 1, 3};  // 004, 003 and 001
    bool sawQuestion = false;
    AnswerLater(rig, cmdDEL_Click, &sawQuestion);
    filBox_KeyDown(rig.app, kDeleteKey);
    EXPECT_TRUE(sawQuestion);
    EXPECT_EQ(Names(rig), (std::set<std::string>{"12_06_002.brg", "BAK12_06_001.brg",
                                                 "BAK12_06_003.brg", "BAK12_06_004.brg"}));
    EXPECT_EQ(Folder(rig)["BAK12_06_003.brg"], before["12_06_003.brg"]);
    EXPECT_EQ(rig.views.main.list, std::vector<std::string>{"12_06_002"});
    EXPECT_EQ(rig.app.records.deleteRequest, 0);
    EXPECT_TRUE(Seen(rig, Control::filBox0).enabled && !Seen(rig, Control::cmdDEL).visible);
    EXPECT_TRUE(rig.views.message.shown.empty());
}

TEST(RecordList, UndoLeavesEverythingAsItWasAndTheWaitIgnoresTheList) {
    ShellRig rig;
    WriteRecords(rig, {"12_06_001.brg", "12_06_002.brg", "12_06_003.brg"});
    RefreshFileBox(rig.app);
    auto before = Folder(rig);
    rig.views.main.selected = {0, 1, 2};
    rig.clock.After(500, [&rig] {
        filBox_Click(rig.app, "12_06_001");
        filBox_KeyDown(rig.app, kDeleteKey);  // must not start a second wait
        cmdUndo_Click(rig.app);
    });
    filBox_MouseDown(rig.app, kRightButton);
    EXPECT_EQ(Folder(rig), before);
    EXPECT_EQ(rig.views.main.list.size(), 3u);
    EXPECT_EQ(rig.views.main.dealsShown, 0);
    EXPECT_EQ(rig.app.records.deleteRequest, 0);
}

TEST(RecordList, ListClicksAreIgnoredWhileACaptureRuns) {
    ShellRig rig;
    WriteRecords(rig, {"12_06_001.brg"});
    for (bool BusyFlags::*flag : {&BusyFlags::bid, &BusyFlags::hand, &BusyFlags::listClick}) {
        rig.app.loop.busy.*flag = true;
        filBox_Click(rig.app, "12_06_001");
        rig.app.loop.busy.*flag = false;
    }
    EXPECT_EQ(rig.views.main.dealsShown, 0);
    filBox_Click(rig.app, "");
    EXPECT_EQ(rig.sound.beeps, 1);
    filBox_Click(rig.app, "12_06_001");
    EXPECT_EQ(rig.views.main.dealsShown, 1);
    EXPECT_FALSE(rig.app.loop.busy.listClick);
}

TEST(RecordList, RenameOntoAnExistingNameKeepsBothFilesAndSaysSo) {
    ShellRig rig;
    WriteRecords(rig, {"12_06_001.brg", "12_06_002.brg", "12_06_003.brg"});
    // Left from deleting the same names before (one of them written by another system).
    WriteRecord(rig, "BAK12_06_001.brg", samples::Japanese());
    WriteRecord(rig, "bak12_06_003.BRG", samples::Japanese());
    RefreshFileBox(rig.app);
    auto before = Folder(rig);
    rig.views.main.selected = {0, 1, 2};
    AnswerLater(rig, cmdDEL_Click);
    filBox_KeyDown(rig.app, kDeleteKey);
    auto after = Folder(rig);
    for (const char* kept : {"12_06_001.brg", "BAK12_06_001.brg", "bak12_06_003.BRG"})
        EXPECT_EQ(after[kept], before[kept]) << kept;
    EXPECT_EQ(after["BAK12_06_002.brg"], before["12_06_002.brg"]);  // the free one moved
    EXPECT_EQ(rig.views.main.list, (std::vector<std::string>{"12_06_003", "12_06_001"}));
    ASSERT_EQ(rig.views.message.shown.size(), 1u);
    EXPECT_NE(rig.views.message.shown[0].text.find("already exists"), std::string::npos);
}

TEST(RecordList, OnlyBackupsOfferARestoreAndListTheRecordsNewestFirst) {
    ShellRig rig;
    WriteRecords(rig, {"BAK12_06_001.brg", "BAK12_06_002.brg", "BAK01_03_005.brg"});
    rig.app.loop.schedule.Arm(Slot::Bid, 0);
    rig.clock.Wait(1000);
    cmdDelFiles_Click(rig.app);
    EXPECT_EQ(Names(rig),
              (std::set<std::string>{"12_06_001.brg", "12_06_002.brg", "01_03_005.brg"}));
    EXPECT_EQ(rig.views.main.list,
              (std::vector<std::string>{"12_06_002", "12_06_001", "01_03_005"}));
    // The calendar says December 6th: the day's next record is the third.
    EXPECT_EQ(rig.app.writes.naming.RecordPrefix, "12_06_");
    EXPECT_EQ(rig.app.writes.naming.RecordCounter, 3);
    EXPECT_EQ(rig.app.loop.schedule[Slot::Bid].due, rig.clock.Ticks() + 3000);
    EXPECT_TRUE(rig.views.delWork.restore);
}

TEST(RecordList, DeleteAllDiscardsOldBackupsAndBacksUpTheRecords) {
    ShellRig rig;
    WriteRecords(rig, {"12_06_001.brg", "12_06_002.brg"});
    WriteRecord(rig, "BAK12_06_001.brg", samples::Japanese());
    WriteRecord(rig, "BAK11_30_004.brg", samples::Japanese());
    RefreshFileBox(rig.app);
    auto before = Folder(rig);
    rig.app.capture.keptRounds = 3;
    rig.app.capture.keptCalls[1][0] = "1S";
    rig.app.writes.naming = {"12_06_", 3};
    cmdDelFiles_Click(rig.app);
    auto after = Folder(rig);
    EXPECT_EQ(Names(rig), (std::set<std::string>{"BAK12_06_001.brg", "BAK12_06_002.brg"}));
    EXPECT_EQ(after["BAK12_06_001.brg"], before["12_06_001.brg"]);
    EXPECT_TRUE(rig.views.main.list.empty());
    EXPECT_EQ(rig.app.capture.keptRounds, 0);
    EXPECT_EQ(rig.app.capture.keptCalls[1][0], "");
    EXPECT_EQ(rig.app.writes.naming.RecordCounter, 1);
}

TEST(RecordList, DeleteAllAnsweredNoOrDuringACaptureChangesNothingAndJapaneseAsksInJapanese) {
    ShellRig rig;
    WriteRecords(rig, {"12_06_001.brg", "BAK12_06_001.brg"});
    auto before = Folder(rig);
    rig.app.loop.busy.hand = true;
    cmdDelFiles_Click(rig.app);
    EXPECT_EQ(rig.views.delWork.asked, 0);
    rig.app.loop.busy.hand = false;
    rig.views.delWork.answer = false;
    rig.app.capture.keptRounds = 2;
    rig.app.jpnInterface = true;
    cmdDelFiles_Click(rig.app);
    EXPECT_EQ(rig.views.delWork.asked, 1);
    EXPECT_EQ(rig.views.delWork.caption, "作業用フォルダを空にする");
    EXPECT_EQ(Folder(rig), before);
    EXPECT_EQ(rig.app.capture.keptRounds, 2);
}

TEST(RecordList, ShowFileDrawsTheRecordAndReportsOneThatCannotBeRead) {
    ShellRig rig;
    Deal sample = samples::Western();
    sample.Names[1] = "";
    WriteRecord(rig, "12_06_001.brg", sample);
    rig.app.capture.deals.shown.AuctionNames = {"", "Robert", "", ""};
    rig.app.display.rotation = {2, 3, 0, 1};
    Show_File(rig.app, "12_06_001");
    EXPECT_EQ(rig.views.main.auctionsShown, 1);
    ASSERT_EQ(rig.views.main.dealsShown, 1);
    const Deal& shown = rig.views.main.shownDeal;
    EXPECT_EQ(shown.Contract, "1NT");
    EXPECT_EQ(shown.Names[1], "Robert");  // the name seen at the auction fills the gap
    EXPECT_EQ(rig.views.main.rotation, rig.app.display.rotation);
    EXPECT_EQ(rig.app.records.onDisplay, "12_06_001");
    Show_File(rig.app, "12_06_001");  // already on display
    EXPECT_EQ(rig.views.main.dealsShown, 1);
    const Deal before = rig.app.capture.deals.shown;
    // Plainly no record: binary bytes.
    samples::WriteBytesTo(rig.app.folders.WorkFile("12_06_002.brg"),
                          std::string("Ann\0Bob\r\n", 10));
    Show_File(rig.app, "12_06_002");
    Show_File(rig.app, "12_06_003");  // not there
    EXPECT_EQ(rig.app.capture.deals.shown, before);
    EXPECT_EQ(rig.app.records.onDisplay, "12_06_001");
    EXPECT_EQ(rig.views.main.dealsShown, 1);
    ASSERT_EQ(rig.views.message.shown.size(), 2u);
    EXPECT_NE(rig.views.message.shown[1].text.find("12_06_003.brg"), std::string::npos);
}

}  // namespace tallowen::testing

namespace tallowen::testing {

// A shown record turns to the user: the last seat whose name begins with one of the IDs (its
// rating and brackets aside) comes to the bottom; a name that only holds an ID elsewhere does
// not count, nor does an ID after the first empty one.
TEST(RecordList, AShownRecordTurnsToTheLastSeatWhoseNameMatchesAnId) {
    struct Case {
        SeatNames names;
        std::vector<std::string> ids;
        int bottom;  // -1: the rotation stays
    };
    const Case cases[] = {
        {{"bobby", "Emil", "bob", "Wanda"}, {"bob"}, 2},
        {{"Nora", "<Bob(1500)>", "Sam", "Wanda"}, {"bob"}, 1},
        {{"Nora", "Emil", "Sam", "xbob"}, {"bob"}, -1},
        {{"Nora", "Emil", "sam", "Wanda"}, {"kay", "", "sam"}, -1},
        {{"Nora", "Emil", "Sam", "Wanda"}, {"kay", "wan"}, 3},
    };
    for (const Case& c : cases) {
        ShellRig rig;
        Deal sample = samples::Western();
        sample.Names = c.names;
        WriteRecord(rig, "12_06_001.brg", sample);
        rig.app.settings.myYahooID = c.ids;
        rig.app.display.rotation = {1, 2, 3, 0};
        Show_File(rig.app, "12_06_001");
        EXPECT_EQ(rig.app.display.rotation[0], c.bottom < 0 ? 1 : c.bottom)
            << c.names[0] << c.ids[0];
    }
}

}  // namespace tallowen::testing

// Whole runs of the utility: the start-up refusals, the settings, and the pages it leaves.
#include <gtest/gtest.h>

#include <fstream>

#include "common/Text.h"
#include "platform/Clock.h"
#include "sim/NullBackends.h"
#include "tests/report/ReportFixture.h"

namespace tallowen {
namespace {

namespace fs = std::filesystem;

bool HasLine(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// --- Start-up refusals ---

class RefusedFolderTest : public ::testing::TestWithParam<std::pair<const char*, bool>> {};
TEST_P(RefusedFolderTest, ArchiveTemporaryAndWindowsFoldersInAnyCase) {
    EXPECT_EQ(RefusedProgramFolder(GetParam().first, "C:\\WINDOWS"), GetParam().second)
        << GetParam().first;
}
INSTANTIATE_TEST_SUITE_P(Paths, RefusedFolderTest,
                         ::testing::Values(std::pair{"/home/u/Temp/Tallowen", true},
                                           std::pair{"D:\\Downloads\\Tallowen22.zip\\Tallowen",
                                                     true},
                                           std::pair{"C:\\Windows\\Tallowen", true},
                                           std::pair{"C:\\Program Files\\Tallowen", false},
                                           std::pair{"C:\\Games\\Tallowen.lzh", false}));

TEST(StartUp, FolderArgumentIsAbsoluteAndPlain) {
    const fs::path here = fs::current_path();
    EXPECT_EQ(ProgramFolderArgument("."), here);
    EXPECT_EQ(ProgramFolderArgument("games/./Tallowen/../Tallowen/"), here / "games" / "Tallowen");
    EXPECT_EQ(ProgramFolderArgument("/srv/Tallowen/."), fs::absolute("/srv/Tallowen"));
}

TEST(StartUp, FolderWithTempIsRefusedAndNothingIsWritten) {
    TempFolder folder;
    fs::path app = folder.path() / "Temp Files" / "Tallowen";
    fs::create_directories(app / "Work");
    FixedReportClock clock;
    TableFontMetrics metrics;
    auto ansi = OpenCodePage(1252);
    ReportEnv env(clock, metrics, *ansi);
    LineMessageSink messages;
    EXPECT_EQ(RunReportJob({app}, messages, env), 1);
    auto lines = messages.Lines();
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[0], "  UnZip the archived file Tallowen22.zip before starting ");
    EXPECT_EQ(lines[2].rfind("  App.Path = ", 0), 0u);
    EXPECT_FALSE(fs::exists(app / "HandRec"));
}

TEST(StartUp, SecondCopyIsRefusedAndARunHoldsTheLock) {
    ReportRun run;
    run.CopyWork("work");
    auto held = AcquireInstanceLock(kUtilityLockName);
    ASSERT_TRUE(held);
    EXPECT_EQ(run.Run(), 1);
    EXPECT_EQ(run.Messages()[0], " You are going to start TallowenUTL.exe again.");
    EXPECT_FALSE(fs::exists(run.app() / "HandRec"));
    held.reset();
    ASSERT_EQ(run.Run(), 0);
    EXPECT_FALSE(AcquireInstanceLock(kUtilityLockName)) << "held until the host lets go";
}

TEST(StartUp, MissingWorkFolderIsRefusedAfterAWaitOnTheClock) {
    ManualClock clock;
    ReportRun run;
    fs::remove_all(run.work());
    FixedReportClock dates;
    TableFontMetrics metrics;
    ReportEnv env(dates, metrics, run.ansi(), &clock);
    LineMessageSink messages;
    EXPECT_EQ(RunReportJob({run.app()}, messages, env), 1);
    EXPECT_EQ(clock.Ticks(), kQuitWaitMs + 1) << "one wait of the quit pause";
    EXPECT_EQ(messages.Lines()[0], "  Work folder is absent.");
    EXPECT_FALSE(fs::exists(run.app() / "HandRec"));
}

TEST(StartUp, FoldersAreShownInTheFormThatNamesThem) {
#ifdef _WIN32
    EXPECT_EQ(ShownFolder("c:\\users\\ann\\tallowen"), "C:\\Users\\Ann\\Tallowen");
#else
    // Where case tells names apart, "/Home/Ann" would be another folder.
    EXPECT_EQ(ShownFolder("/home/ann/tallowen-demo/HandRec"), "/home/ann/tallowen-demo/HandRec");
#endif
}

TEST(StartUp, AbsentSettingsBreakThePathOnlyOnANarrowWindow) {
    class NarrowSink final : public MessageSink {
    public:
        void Print(std::string_view text) override { lines.back() += text; }
        void PrintPath(std::string_view text) override { lines.back() += text; }
        void NewLines(int n) override { lines.insert(lines.end(), n, std::string()); }
        bool FitsWidth(std::string_view, double fraction) const override {
            EXPECT_DOUBLE_EQ(fraction, 0.8);
            return false;
        }
        std::vector<std::string> lines{std::string()};
    } sink;
    ReportOptions options;
    options.appFolder = "/home/u/Tallowen";
    AbsentINI(options, sink);
    std::string sep(1, static_cast<char>(std::filesystem::path::preferred_separator));
    EXPECT_EQ(sink.lines[0], "  Initialization file");
    EXPECT_EQ(sink.lines[1], "  " + ShownFolder("/home/u/Tallowen"));
    EXPECT_EQ(sink.lines[2], "  " + sep + "Tallowen.ini  is not found.");
    EXPECT_EQ(sink.lines[3], "  TallowenUTL.exe  is running with standard setting.");
    LineMessageSink wide;
    AbsentINI(options, wide);
    EXPECT_EQ(wide.Lines()[1], "  " + ShownFolder("/home/u/Tallowen") + sep + "Tallowen.ini");
    EXPECT_EQ(wide.Lines()[2], "  is not found.");
}

// --- Settings and messages ---

TEST(Run, WithoutSettingsFileSaysSoAndUsesStrictEntities) {
    ReportRun run;
    run.CopyWork("work");
    ASSERT_EQ(run.Run(), 0);
    auto lines = run.Messages();
    EXPECT_EQ(lines[0], "  Now preparing summary files in HTML.");
    EXPECT_TRUE(HasLine(lines, "  Initialization file"));
    EXPECT_TRUE(HasLine(lines, "  is not found."));
    EXPECT_TRUE(HasLine(lines, "  TallowenUTL.exe  is running with standard setting."));
    EXPECT_EQ(
        run.Output("HandRec", "2006_10_22.htm"),
        ReadFileBytes(fs::path(TALLOWEN_TESTDATA) / "report" / "strict_entity" / "2006_10_22.htm"));
}

// The window takes its End caption and colours from the settings, before the job prints.
class SettingsReadTest : public ::testing::TestWithParam<bool> {};
TEST_P(SettingsReadTest, HostIsToldTheSettingsOnceBeforeTheJobPrints) {
    const bool withFile = GetParam();
    ReportRun run;
    if (withFile) run.WriteSettings({"JPN = yes", "BackColor = FF8000"});
    FixedReportClock clock;
    TableFontMetrics metrics;
    ReportEnv env(clock, metrics, run.ansi());
    LineMessageSink messages;
    int calls = 0;
    std::size_t linesBefore = 99;
    Settings seen;
    env.settingsRead = [&](const Settings& settings) {
        ++calls;
        seen = settings;
        linesBefore = messages.Lines().size();
    };
    ASSERT_EQ(RunReportJob({run.app()}, messages, env), 0);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(linesBefore, 0u);
    EXPECT_EQ(seen.jpn, withFile);
    EXPECT_EQ(seen.backColor.has_value(), withFile);
}
INSTANTIATE_TEST_SUITE_P(WithAndWithoutFile, SettingsReadTest, ::testing::Bool());

TEST(StartUp, RefusedRunNeverReachesTheSettings) {
    ReportRun run;
    fs::remove(run.work());
    FixedReportClock clock;
    TableFontMetrics metrics;
    ReportEnv env(clock, metrics, run.ansi());
    LineMessageSink messages;
    bool told = false;
    env.settingsRead = [&](const Settings&) { told = true; };
    EXPECT_EQ(RunReportJob({run.app()}, messages, env), 1);
    EXPECT_FALSE(told);
    EXPECT_TRUE(HasLine(messages.Lines(), "  Work folder is absent."));
}

TEST(Run, EmptyWorkFolderWritesNoPage) {
    ReportRun run;
    ASSERT_EQ(run.Run(), 0);
    auto lines = run.Messages();
    EXPECT_TRUE(HasLine(lines, "  Number of work files (brg) input = 0"));
    EXPECT_TRUE(HasLine(lines, "  No files in the Work folder."));
    EXPECT_TRUE(HasLine(lines, "  Click END button and terminate job."));
    EXPECT_TRUE(fs::is_empty(run.app() / "HandRec"));
}

// The console's messages: the window's lines, but no END button to send the user to.
class ConsoleLines final : public MessageSink {
public:
    void Print(std::string_view text) override { lines.Print(text); }
    void PrintPath(std::string_view text) override { lines.PrintPath(text); }
    void NewLines(int n) override { lines.NewLines(n); }
    bool FitsWidth(std::string_view text, double fraction) const override {
        return lines.FitsWidth(text, fraction);
    }
    bool HasEndButton() const override { return false; }
    LineMessageSink lines;
};

TEST(Run, AConsoleIsNeverToldToClickAButton) {
    for (const char* work : {"work", "", "absent"}) {
        SCOPED_TRACE(work);
        ReportRun run;
        if (std::string(work) == "absent") fs::remove(run.work());
        if (std::string(work) == "work") run.CopyWork(work);
        FixedReportClock clock;
        TableFontMetrics metrics;
        ReportEnv env(clock, metrics, run.ansi());
        ConsoleLines console;
        RunReportJob({run.app()}, console, env);
        const std::vector<std::string> lines = console.lines.Lines();
        for (const std::string& line : lines) {
            EXPECT_EQ(line.find("Click"), std::string::npos) << line;
            EXPECT_EQ(line.find("Waiting"), std::string::npos) << line;
        }
        const char* last = std::string(work) == "work" ? "  Job finished."
                           : std::string(work).empty() ? "  Nothing to do."
                                                       : "  Nothing was done.";
        EXPECT_TRUE(HasLine(lines, last));
    }
}

TEST(Run, UnknownSettingsKeyStopsReadingButNotTheRun) {
    ReportRun run;
    run.CopyWork("work");
    run.WriteSettings({"strict = no", "Mystery = 1", "Text Output = yes"});
    ASSERT_EQ(run.Run(), 0);
    EXPECT_FALSE(run.env().settings.strict);
    EXPECT_FALSE(run.env().settings.textOutput);  // after the unknown key
    EXPECT_FALSE(fs::exists(run.app() / "HandRec" / "2006_10_22.txt"));
    EXPECT_EQ(run.Messages()[0], "  Now preparing summary files in HTML.");
}

TEST(PageSuffix, AfterTheHighestNameInUseByEitherFile) {
    TempFolder folder;
    EXPECT_EQ(PageSuffix(folder.path(), "2006_10_22"), "");
    std::ofstream(folder.path() / "2006_10_22.txt") << "x";
    EXPECT_EQ(PageSuffix(folder.path(), "2006_10_22"), "0A");
    std::ofstream(folder.path() / "2006_10_223A.htm") << "x";
    EXPECT_EQ(PageSuffix(folder.path(), "2006_10_22"), "4A");
    EXPECT_EQ(PageSuffix(folder.path(), "2006_10_21"), "");
}

// The other records are written, but a board the user played is missing from the page: the
// job ends in failure, and the record is named.
TEST(Run, UnreadableOrCutRecordsAreReportedTheOthersWrittenAndTheJobFails) {
    const std::string cut[] = {"A, B, C, D\r\n 99 \r\n",
                               // the last hand lines and the final line end are missing
                               "A, B, C, D\r\n 1 \r\nPass,   Pass,   Pass,   Pass\r\n AC   KC"};
    for (const std::string& bytes : cut) {
        ReportRun run;
        run.CopyWork("work");
        std::ofstream(run.work() / "10_22_003.brg", std::ios::binary) << bytes;
        ASSERT_EQ(run.Run(), 1);
        EXPECT_EQ(run.env().summary.boards, 3);
        ASSERT_EQ(run.env().summary.errors.size(), 1u);
        EXPECT_NE(run.MessageText().find("10_22_003.brg"), std::string::npos);
        EXPECT_TRUE(HasLine(run.Messages(), "  2006_10_22.htm  <==  2 Boards"));
    }
}

// --- Suit images ---

TEST(Run, ImageStyleWritesTheFourImagesAndSymbolWinsOverImages) {
    for (bool symbol : {false, true}) {
        ReportRun run;
        run.CopyWork("work");
        run.WriteSettings({symbol ? "Suit Marks = symbol giff" : "Suit Marks = giff"});
        ASSERT_EQ(run.Run(), 0);
        for (const char* name : {"C.gif", "D.gif", "H.gif", "S.gif"})
            EXPECT_EQ(fs::exists(run.app() / "HandRec" / name), !symbol) << name;
        EXPECT_NE(
            run.Output("HandRec", "2006_10_22.htm")
                .find(symbol ? "<span class=spd>&#170;</span>" : R"(<img src="S.gif" alt="S">)"),
            std::string::npos);
    }
}

}  // namespace
}  // namespace tallowen

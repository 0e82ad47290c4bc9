// The simulation mode's command line, and the lines it prints for the records the watcher
// leaves in the Work folder.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "platform/CodePage.h"
#include "records/RecordFiles.h"
#include "sim/SessionPlan.h"
#include "sim/SimRecord.h"
#include "sim/SimulateCommand.h"

namespace tallowen::testing {
namespace {

std::vector<std::string> Words(const std::string& line) {
    std::vector<std::string> out;
    std::size_t at = 0;
    while (at < line.size()) {
        const std::size_t end = std::min(line.find(' ', at), line.size());
        if (end > at) out.push_back(line.substr(at, end - at));
        at = end + 1;
    }
    return out;
}

// (line, refused, simulate, boards, language, seed, folder); empty folder: the default one.
using ArgsCase = std::tuple<std::string, bool, bool, int, int, std::uint32_t, std::string>;
class SimulateArgsTable : public ::testing::TestWithParam<ArgsCase> {};

TEST_P(SimulateArgsTable, ParsesOrRefuses) {
    const auto& [line, refused, simulate, boards, language, seed, folder] = GetParam();
    const SimulateArgs a = ParseSimulateArgs(Words(line));
    EXPECT_EQ(!a.error.empty(), refused) << a.error;
    if (refused) return;
    EXPECT_EQ(a.version, !simulate);
    if (!simulate) return;
    EXPECT_EQ((std::tuple{a.boards, a.language, a.seed}), (std::tuple{boards, language, seed}));
    EXPECT_EQ(a.folder, folder.empty() ? DefaultSimulateFolder() : PathFromUtf8(folder));
}

INSTANTIATE_TEST_SUITE_P(
    Lines, SimulateArgsTable,
    ::testing::Values(ArgsCase{"", false, false, 0, 0, 0, ""},
                      ArgsCase{"--version", false, false, 0, 0, 0, ""},
                      ArgsCase{"--simulate", false, true, 8, 1, 1, ""},
                      ArgsCase{"--simulate --boards 3 --lang 4 --seed 9 --folder demo", false, true,
                               3, 4, 9, "demo"},
                      ArgsCase{"--seed 4294967295 --simulate --lang 10 --boards 100000", false,
                               true, 100000, 10, 4294967295u, ""},
                      ArgsCase{"--simulate --boards 0", true, false, 0, 0, 0, ""},
                      ArgsCase{"--simulate --boards 3x", true, false, 0, 0, 0, ""},
                      ArgsCase{"--simulate --boards 100001", true, false, 0, 0, 0, ""},
                      ArgsCase{"--simulate --lang 11", true, false, 0, 0, 0, ""},
                      ArgsCase{"--simulate --seed -1", true, false, 0, 0, 0, ""},
                      ArgsCase{"--simulate --seed 4294967296", true, false, 0, 0, 0, ""},
                      ArgsCase{"--simulate --folder", true, false, 0, 0, 0, ""},
                      ArgsCase{"--simulate --fast", true, false, 0, 0, 0, ""},
                      ArgsCase{"--boards 3", true, false, 0, 0, 0, ""},
                      ArgsCase{"--version --simulate", true, false, 0, 0, 0, ""}));

TEST(SimulateFolder, TheDefaultLiesUnderTheHomeFolder) {
    const char* home = std::getenv("HOME");
    if (!home) GTEST_SKIP() << "no HOME";
    EXPECT_EQ(DefaultSimulateFolder(), PathFromUtf8(home) / "Tallowen");
}

// A Work folder of its own under the home folder (temporary folders are refused by the
// program, so the tests keep clear of them too).
class SimulatePrinting : public ::testing::Test {
protected:
    void SetUp() override {
        const char* home = std::getenv("HOME");
        folders.app = std::filesystem::path(home ? home : ".") / ".tallowen-tests" /
                      ("simulate-" + std::to_string(std::random_device{}()));
        std::filesystem::create_directories(folders.Work());
        naming.RecordPrefix = "12_06_";
    }
    void TearDown() override {
        std::error_code ec;
        std::filesystem::remove_all(folders.app, ec);
    }
    std::string Write(const SimBoard& b) {
        const RecordResult r = WriteDealFile(RecordOf(b), naming, folders, AnsiCodePage(), nullptr);
        EXPECT_TRUE(r.ok) << r.error;
        return r.name;
    }
    Folders folders;
    RecordNaming naming;
};

// The line names the record, the contract and declarer, the tricks and who scored what.
TEST_F(SimulatePrinting, ARecordLineTellsContractResultAndPointsOrPassOut) {
    SimBoard b = MakeBoard(40);
    b.dealer = 0;
    b.calls = {"1S", "Pass", "4S", "X", "Pass", "Pass", "Pass"};
    b.before = {ScoreVul{0, 1}, ScoreVul{0, 0}};
    b.vulnerable = 1;
    CompleteBoard(b, 40, /*allowClaim=*/false);
    b.after = b.before;
    const std::string name = Write(b);
    const std::string line = RecordLine(ReadRecord(folders, name, AnsiCodePage()));
    const int tricks = b.declarerTricks;
    std::string want = name + "  4Sx by North  ";
    if (tricks >= 10) {
        // Doubled and vulnerable: 240 + 500 game + 50 for the insult, 200 an overtrick.
        want += "made " + std::to_string(tricks) + " tricks  N-S +" +
                std::to_string(790 + 200 * (tricks - 10));
    } else {
        // Doubled and vulnerable: 200 for the first undertrick, 300 for each further one.
        want += "down " + std::to_string(10 - tricks) + "  E-W +" +
                std::to_string(200 + 300 * (9 - tricks));
    }
    EXPECT_EQ(line, want);

    b.calls = {"Pass", "Pass", "Pass", "Pass"};
    CompleteBoard(b, 41);
    const std::string passed = Write(b);
    EXPECT_EQ(RecordLine(ReadRecord(folders, passed, AnsiCodePage())), passed + "  Pass Out");
}

TEST_F(SimulatePrinting, AnUnreadableOrMissingRecordSaysSo) {
    const std::string broken = "12_06_077";
    const FileResult w =
        WriteTextLines(folders.WorkFile(broken + ".brg"), {"not a record"}, AnsiCodePage());
    ASSERT_TRUE(w.ok);
    const std::string line = RecordLine(ReadRecord(folders, broken, AnsiCodePage()));
    EXPECT_EQ(line.rfind(broken + "  unreadable", 0), 0u) << line;
    EXPECT_EQ(RecordLine(ReadRecord(folders, "12_06_078", AnsiCodePage())).find("unreadable"),
              std::string("12_06_078  ").size());
}

// What a test compares a record with: a faithful record, written and read back, agrees with
// its board; a record that went wrong says where.
TEST_F(SimulatePrinting, ARecordReadBackAgreesWithItsBoardAndTellsWhereNot) {
    for (const SimBoard& b : PlanSession({})) {
        const std::string name = Write(b);
        Deal read;
        ASSERT_TRUE(ReadDealFile(read, name, folders, AnsiCodePage()).ok);
        EXPECT_EQ(RecordDifferences(read, b), std::vector<std::string>{}) << name;
    }
    const SimBoard b = PlanSession({})[3];
    Deal wrong = RecordOf(b);
    wrong.Calls[1][std::size_t(b.dealer)] = "7NT";
    wrong.CardMarks[2][12] = 3;
    wrong.ScoreAfter[1].Vul = -1;
    wrong.Names[0] = "someone";
    const std::vector<std::string> lines = RecordDifferences(wrong, b);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "North: name someone, played by " + b.names[0]);
    EXPECT_EQ(lines[1],
              "round 1 " + SeatName(b.dealer) + ": call \"7NT\", played \"" + b.calls[0] + "\"");
    EXPECT_EQ(lines[2].rfind("South card 13: ", 0), 0u) << lines[2];
    EXPECT_EQ(lines[3].rfind("score after ", 0), 0u) << lines[3];
}

TEST(SimulateSummary, SaysPlayedRecordedTimeAndRate) {
    EXPECT_EQ(SummaryLine(8, 7, 2.0, 812.4),
              "boards played 8, recorded 7, 2.00 s (812 s at the table), 4.0 boards per second");
    EXPECT_EQ(SummaryLine(3, 0, 0.0, 0.0).substr(56), "0.0 boards per second") << "not by zero";
}

}  // namespace
}  // namespace tallowen::testing

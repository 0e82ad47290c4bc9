// Every page a run writes is valid HTML 4.01 of its doctype, in the character set it declares,
// and matches its golden file byte for byte (pages, text twins and the messages).
#include <gtest/gtest.h>

#include <algorithm>

#include "common/Text.h"
#include "report/PageText.h"
#include "tests/report/ReportFixture.h"

namespace tallowen {
namespace {

namespace fs = std::filesystem;

struct RunCase {
    const char* name;
    const char* work;
    unsigned codePage;
    std::vector<std::string> settings;
};

class GoldenRunTest : public ::testing::TestWithParam<RunCase> {};

TEST_P(GoldenRunTest, PagesAreValidAndAsGolden) {
    const RunCase& c = GetParam();
    ReportRun run(c.codePage);
    run.CopyWork(c.work);
    if (!c.settings.empty()) run.WriteSettings(c.settings);
    ASSERT_EQ(run.Run(), 0);
    const std::string folder = run.env().settings.jpn ? "ハンド記録" : "HandRec";
    const std::string charset = run.env().settings.jpn ? "Shift_JIS" : "UTF-8";
    ASSERT_FALSE(run.env().summary.pages.empty());
    for (const std::string& file : run.env().summary.pages) {
        fs::path path = run.app() / PathFromUtf8(folder) / file;
        ExpectGolden(ReadFileBytes(path), std::string(c.name) + "/" + file);
        if (file.ends_with(".htm")) EXPECT_VALID_HTML(path, charset);
    }
    // The messages, with the program folder (which differs per run) taken out.
    std::string messages = run.MessageText();
    std::string app = ShownFolder(run.app());
    for (std::size_t at; (at = messages.find(app)) != std::string::npos;)
        messages.replace(at, app.size(), "<app>");
    for (std::size_t at; (at = messages.find("<app>\\")) != std::string::npos;)
        messages.replace(at, 6, "<app>/");
    ExpectGolden(messages, std::string(c.name) + "/messages.txt");
}

INSTANTIATE_TEST_SUITE_P(
    Runs, GoldenRunTest,
    ::testing::Values(
        RunCase{"strict_entity", "work", 1252, {"Text Output = yes"}},
        RunCase{"loose_entity", "work", 1252, {"strict = no", "BackColor3 = ffe8e8"}},
        RunCase{"strict_symbol", "work", 1252, {"Suit Marks = symbol"}},
        RunCase{"strict_image", "work", 1252, {"Suit Marks = giff", "Card Order = ascending"}},
        RunCase{"loose_image", "work", 1252, {"Suit Marks = giff", "strict = no"}},
        RunCase{"japanese_932", "work932", 932, {"JPN = yes", "Text Output = yes"}},
        RunCase{"japanese_latin_names", "work", 1252, {"JPN = yes", "Text Output = yes"}},
        RunCase{"english_on_932",
                "work932",
                932,
                {"Text Output = yes", "Suit Marks = (100, 100, 110, 90)"}}),
    [](const auto& info) { return std::string(info.param.name); });

// Where Shift_JIS cannot be written, a Japanese page still declares it and stays readable:
// everything beyond ASCII is written as references.
TEST(PageEncoding, JapanesePageWithoutShiftJisConverter) {
    ReportRun run(932);
    run.CopyWork("work932");
    fs::create_directories(run.app() / "out");
    LineMessageSink messages;
    FixedReportClock clock;
    TableFontMetrics metrics;
    SummaryJob job;
    job.folders.app = run.app();
    job.output = run.app() / "out";
    job.outputName = "out";
    job.style.japanese = true;
    job.messages = &messages;
    job.clock = &clock;
    job.metrics = &metrics;
    job.textPage = &run.ansi();
    job.sjisPage = nullptr;
    SummaryResult result = MakeSummaries(job);
    ASSERT_EQ(result.pages, std::vector<std::string>{"2006_10_23.htm"});
    fs::path page = run.app() / "out" / "2006_10_23.htm";
    std::string bytes = ReadFileBytes(page);
    EXPECT_TRUE(std::all_of(bytes.begin(), bytes.end(),
                            [](char ch) { return static_cast<unsigned char>(ch) < 0x80; }));
    EXPECT_NE(bytes.find("  <td>&#23665;&#30000;"), std::string::npos);
    EXPECT_NE(bytes.find("charset=Shift_JIS"), std::string::npos);
    EXPECT_VALID_HTML(page, "Shift_JIS");
}

}  // namespace
}  // namespace tallowen

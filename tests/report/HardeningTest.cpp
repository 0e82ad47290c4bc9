// Whole runs over bad input and failed writes: what reaches a page is printable, escaped
// and valid; what could not be written is said so, and the run ends as a failure.
#include <gtest/gtest.h>

#include <fstream>

#include "tests/report/ReportFixture.h"

namespace tallowen {
namespace {

namespace fs = std::filesystem;

bool HasLine(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

bool Holds(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// A record of the sample folder with its first line replaced (bytes in Windows-1252).
std::string RecordWithLine(std::size_t index, const std::string& line) {
    std::ifstream in(fs::path(TALLOWEN_TESTDATA) / "report" / "work" / "10_22_001.brg",
                     std::ios::binary);
    std::string bytes{std::istreambuf_iterator<char>(in), {}}, out;
    std::size_t at = 0;
    for (std::size_t i = 0; at <= bytes.size(); ++i) {
        std::size_t end = bytes.find("\r\n", at);
        if (end == std::string::npos) break;
        out += (i == index ? line : bytes.substr(at, end - at)) + "\r\n";
        at = end + 2;
    }
    return out;
}

void WriteRecord(const ReportRun& run, const std::string& name, const std::string& bytes) {
    std::ofstream(run.work() / PathFromUtf8(name), std::ios::binary) << bytes;
}

TEST(BadRecords, ControlCharactersReachNeitherPageNorTwin) {
    ReportRun run;
    WriteRecord(run, "10_22_001.brg", RecordWithLine(0, "A\x01lice, B\x81ob, Cy\x7F, D\x9Di"));
    run.WriteSettings({"Text Output = yes"});
    ASSERT_EQ(run.Run(), 0);
    const std::string page = run.Output("HandRec", "2006_10_22.htm");
    const std::string twin = run.Output("HandRec", "2006_10_22.txt");
    for (const std::string& text : {page, twin}) {
        for (char c : std::string("\x01\x7F"))
            EXPECT_FALSE(Holds(text, std::string(1, c))) << int(c);
        EXPECT_FALSE(Holds(text, std::string("\0", 1)));
        EXPECT_TRUE(Holds(text, "A?lice"));
        EXPECT_TRUE(Holds(text, "B?ob"));
    }
    EXPECT_FALSE(Holds(page, "\xC2\x81") || Holds(page, "\xC2\x9D"));
    EXPECT_FALSE(Holds(twin, "\x81") || Holds(twin, "\x9D"));
    EXPECT_VALID_HTML(run.app() / "HandRec" / "2006_10_22.htm", "UTF-8");
}

// A rank of two bytes in UTF-8 ("é" in Windows-1252 is one) is cut as one character.
TEST(BadRecords, ACardOfSeveralBytesStaysWhole) {
    ReportRun run;
    const std::string hand = " \xE9S   KC   QC   JC  [TC] [9C]  8C   7C   6C  [5C]  4C  (3C)  2C  ";
    std::string record = RecordWithLine(5, hand);
    WriteRecord(run, "10_22_001.brg", record);
    run.WriteSettings({"Text Output = yes"});
    ASSERT_EQ(run.Run(), 0);
    const std::string page = run.Output("HandRec", "2006_10_22.htm");
    EXPECT_TRUE(Holds(page, "<span class=spd>&spades;</span>\xC3\xA9\r\n")) << page;
    EXPECT_TRUE(Holds(run.Output("HandRec", "2006_10_22.txt"), " \xE9S "));
    EXPECT_VALID_HTML(run.app() / "HandRec" / "2006_10_22.htm", "UTF-8");
}

// The page's date comes from the record's name, which may hold any character a file name can.
TEST(BadRecords, TheDateOfARecordNameIsEscaped) {
    std::vector<std::string> names{"1&_&x_001.brg"};
#ifndef _WIN32
    names.push_back("1<x<a_001.brg");
#endif
    for (const std::string& name : names) {
        ReportRun run;
        WriteRecord(run, name, RecordWithLine(0, "Ann, Ben, Cy, Di"));
        ASSERT_EQ(run.Run(), 0) << name;
        ASSERT_EQ(run.env().summary.pages.size(), 1u) << name;
        const fs::path file = run.app() / "HandRec" / PathFromUtf8(run.env().summary.pages[0]);
        const std::string page = ReadFileBytes(file);
        const std::string date = "2006/" + name.substr(0, 2) + "/" + name.substr(3, 2);
        EXPECT_FALSE(Holds(page, date)) << page;
        EXPECT_VALID_HTML(file, "UTF-8");
    }
}

TEST(BadRecords, AFileThatIsNoRecordIsSkippedWithAMessageAndTheJobFails) {
    ReportRun run;
    run.CopyWork("work");
    WriteRecord(run, "10_22_003.brg", std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16));
    ASSERT_EQ(run.Run(), 1);
    EXPECT_EQ(run.env().summary.boards, 3);
    EXPECT_TRUE(HasLine(run.Messages(), "  10_22_003.brg: not a record file"));
}

TEST(BadSettings, StyleSheetValuesThatAreNoColoursAreNotPasted) {
    ReportRun run;
    run.CopyWork("work");
    run.WriteSettings({"BidTrickCounter =", "BackColor4 = </style><script>alert(1)</script>",
                       "BackColor5 = \"", "Suit Marks = (1</style>, 2, 3, 4)"});
    ASSERT_EQ(run.Run(), 0);
    const std::string page = run.Output("HandRec", "2006_10_22.htm");
    EXPECT_FALSE(Holds(page, "<script>"));
    EXPECT_TRUE(Holds(page, "background-color:#D0D0D0;border"));
    EXPECT_TRUE(Holds(page, "background-color:#E0C0C0;line-height"));
}

// An output folder that is a file: nothing can be written, and the run says so.
TEST(FailedWrites, NothingWrittenIsNoSuccess) {
    ReportRun run;
    run.CopyWork("work");
    run.WriteSettings({"Text Output = yes"});
    std::ofstream(run.app() / "HandRec", std::ios::binary) << "mine";
    EXPECT_EQ(run.Run(), 1);
    const auto lines = run.Messages();
    EXPECT_TRUE(HasLine(lines, "  2006_10_22.txt")) << run.MessageText();
    EXPECT_TRUE(HasLine(lines, "  2006_10_22.txt: cannot be created"));
    EXPECT_TRUE(HasLine(lines, "  2006_10_22.htm: cannot be created"));
    EXPECT_TRUE(HasLine(lines, " These files could not be made:"));
    EXPECT_TRUE(HasLine(lines, " No files have been made in folder"));
    EXPECT_FALSE(Holds(run.MessageText(), "The above files have been made"));
    EXPECT_EQ(run.env().summary.notMade.size(), 4u);  // two days, each a page and a twin
    EXPECT_EQ(ReadFileBytes(run.app() / "HandRec"), "mine");
}

TEST(FailedWrites, RecordsWithoutASinglePageAreNoSuccess) {
    ReportRun run;
    WriteRecord(run, "10_22_001.brg", std::string("\0\0\0\0", 4));
    WriteRecord(run, "10_22_002.brg", "Ann, Ben, Cy, Di\r\n 99 \r\n");
    EXPECT_EQ(run.Run(), 1);
    EXPECT_TRUE(HasLine(run.Messages(), " No files have been made in folder"));
    EXPECT_FALSE(Holds(run.MessageText(), "These files could not be made"));
}

// Two copies running at once: the page the other copy put in place first is there, so the
// copy that lost the race has not failed; a page or twin not written at all is a failure.
TEST(FailedWrites, APageAnotherCopyMadeCountsAsMade) {
    SummaryResult r;
    r.workFiles = 3;
    r.alreadyMade = {"2006_10_22.htm"};
    EXPECT_FALSE(SummaryFailed(r));
    r.notMade = {"2006_10_22.txt"};
    EXPECT_TRUE(SummaryFailed(r));
}

}  // namespace
}  // namespace tallowen

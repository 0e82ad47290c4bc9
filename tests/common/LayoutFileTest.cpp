// The window-layout file: line format, clamping, the screen-width check, reading and writing.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "common/Layout.h"
#include "platform/CodePage.h"

namespace tallowen {
namespace {

namespace fs = std::filesystem;

const fs::path kDataFolder = fs::path(TALLOWEN_TESTDATA) / "common" / "layout";

class ScratchFolder {
public:
    ScratchFolder() {
        std::random_device rd;
        path_ = fs::temp_directory_path() / ("tallowen-layout-" + std::to_string(rd()));
        fs::create_directories(path_);
    }
    ~ScratchFolder() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    fs::path File(std::string_view name) const { return path_ / PathFromUtf8(name); }
    fs::path Copy(const fs::path& from, std::string_view name) const {
        fs::copy_file(from, File(name));
        return File(name);
    }

private:
    fs::path path_;
};

std::string Bytes(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::unique_ptr<CodePage> Page(unsigned number) {
    auto page = OpenCodePage(number);
    if (!page) ADD_FAILURE() << "code page " << number << " not available";
    return page;
}

// ---- one line ----

TEST(PrintWinPos, NumbersAndLabelInFourteenColumnZones) {
    std::string line = PrintWinPos({220, 300}, "Auction Window");
    EXPECT_EQ(line.substr(0, 5), " 220 ");
    EXPECT_EQ(line.substr(14, 5), " 300 ");
    EXPECT_EQ(line.substr(28), "Auction Window");
    EXPECT_EQ(line.find_first_not_of(' ', 5), 15u);
    EXPECT_EQ(PrintWinPos({-10, -5}, "X"), "-10           -5            X");
}

struct ClampCase {
    PointXY in;
    PointXY printed;
    PointXY read;  // the same numbers read back from a line
};
class PositionRange : public testing::TestWithParam<ClampCase> {};

TEST_P(PositionRange, PrintAndReadClampTheirOwnWay) {
    const ClampCase& c = GetParam();
    std::string line = PrintWinPos(c.in, "L");
    EXPECT_EQ(ReadWinPos(line), c.printed) << line;  // printed values are all in read range
    std::string raw = std::to_string(c.in.x) + " " + std::to_string(c.in.y) + " L";
    EXPECT_EQ(ReadWinPos(raw), c.read) << raw;
}

INSTANTIATE_TEST_SUITE_P(Values, PositionRange,
                         testing::Values(ClampCase{{220, 300}, {220, 300}, {220, 300}},
                                         ClampCase{{1000, 1000}, {1000, 1000}, {1000, 1000}},
                                         ClampCase{{1001, 5}, {0, 5}, {0, 5}},
                                         ClampCase{{5, 1001}, {5, 0}, {5, 0}},
                                         ClampCase{{-10, -10}, {-10, -10}, {-10, -10}},
                                         ClampCase{{-11, -11}, {-10, -10}, {-10, -11}},
                                         ClampCase{{-16, -16}, {-10, -10}, {-10, -15}},
                                         ClampCase{{1920, -300}, {0, -10}, {0, -15}}));

TEST(ReadWinPos, FirstItemThenTheNumberAfterIt) {
    EXPECT_EQ(ReadWinPos("12, 34 Label"), (PointXY{12, 34}));
    EXPECT_EQ(ReadWinPos("  7"), (PointXY{7, 0}));
    EXPECT_EQ(ReadWinPos(""), (PointXY{0, 0}));
    EXPECT_EQ(ReadWinPos("left top"), (PointXY{0, 0}));
}

TEST(LayoutFileName, CfgKeyThenLanguage) {
    Settings s;
    EXPECT_EQ(LayoutFileName(s), "Tallowen.CFG");
    s.jpn = true;
    EXPECT_EQ(LayoutFileName(s), "ブリッジ.CFG");
    s.cfg = "Laptop.CFG";
    EXPECT_EQ(LayoutFileName(s), "Laptop.CFG");
}

// ---- reading ----

TEST(ReadCFG, GoldenFileOnItsOwnScreen) {
    ScratchFolder dir;
    fs::path file = dir.Copy(kDataFolder / "Read.CFG", "Tallowen.CFG");
    WindowLayout layout;
    CfgReadResult r = ReadCFG(file, 1280, *Page(1252), layout);
    EXPECT_EQ(r.status, CfgStatus::Read);
    ASSERT_TRUE(r.programWindow.has_value());
    EXPECT_EQ(*r.programWindow, (PointXY{1050, 120}));  // the program's own line is not clamped
    EXPECT_EQ(layout[LayoutSlot::Table], (PointXY{100, 200}));
    EXPECT_EQ(layout[LayoutSlot::Score], (PointXY{0, 5}));
    EXPECT_EQ(layout[LayoutSlot::LastHand], (PointXY{-10, -15}));
    EXPECT_EQ(layout[LayoutSlot::LastTrick], (PointXY{30, 0}));
    EXPECT_EQ(layout[LayoutSlot::Auction], (PointXY{220, 300}));
    EXPECT_EQ(layout[LayoutSlot::BidBox], (PointXY{-10, -15}));
    EXPECT_EQ(layout[LayoutSlot::BiddingBoard], (PointXY{0, 0}));  // no ninth line
    EXPECT_TRUE(fs::exists(file));
}

TEST(ReadCFG, FileOfAnotherScreenIsDeletedAndNothingTaken) {
    ScratchFolder dir;
    fs::path file = dir.Copy(kDataFolder / "Read.CFG", "ブリッジ.CFG");
    WindowLayout layout;
    CfgReadResult r = ReadCFG(file, 1920, *Page(932), layout);
    EXPECT_EQ(r.status, CfgStatus::OtherScreen);
    EXPECT_FALSE(r.deleteFailed);
    EXPECT_FALSE(r.programWindow.has_value());
    EXPECT_FALSE(fs::exists(file));
    for (const auto& p : layout.saved) EXPECT_EQ(p, (PointXY{0, 0}));
}

TEST(ReadCFG, NoFileGivesTheBiddingWindowAndBidBoxDefaults) {
    ScratchFolder dir;
    WindowLayout layout;
    CfgReadResult r = ReadCFG(dir.File("Tallowen.CFG"), 1280, *Page(1252), layout);
    EXPECT_EQ(r.status, CfgStatus::Absent);
    EXPECT_EQ(layout[LayoutSlot::Auction], (PointXY{220, 0}));
    EXPECT_EQ(layout[LayoutSlot::BidBox], (PointXY{0, 300}));
    EXPECT_EQ(layout[LayoutSlot::Table], (PointXY{0, 0}));
}

TEST(ReadCFG, ShortEmptyAndBrokenFiles) {
    ScratchFolder dir;
    fs::path file = dir.File("Tallowen.CFG");
    std::ofstream(file, std::ios::binary) << " 1280         PC Screen Width\r\n";
    WindowLayout layout;
    CfgReadResult r = ReadCFG(file, 1280, *Page(1252), layout);
    EXPECT_EQ(r.status, CfgStatus::Read);
    EXPECT_FALSE(r.programWindow.has_value());

    std::ofstream(file, std::ios::binary | std::ios::trunc);  // empty: no width to match
    EXPECT_EQ(ReadCFG(file, 1280, *Page(1252), layout).status, CfgStatus::OtherScreen);

    std::string junk("\0\xFF\x81\r\n\x82\x82\x82\r\n", 8);
    std::ofstream(file, std::ios::binary).write(junk.data(), std::streamsize(junk.size()));
    EXPECT_EQ(ReadCFG(file, 0, *Page(932), layout).status, CfgStatus::Read);

    fs::create_directory(dir.File("Folder.CFG"));
    EXPECT_EQ(ReadCFG(dir.File("Folder.CFG"), 1280, *Page(1252), layout).status, CfgStatus::Absent);
}

// ---- writing ----

// The scenario behind the golden file: a saved table and two out-of-range positions, a slot
// never placed this run that falls back on the old file, a live window, an unset slot.
WindowLayout ScenarioLayout() {
    WindowLayout layout;
    layout[LayoutSlot::Table] = {10, 20};
    layout[LayoutSlot::Score] = {1100, 5};
    layout[LayoutSlot::LastHand] = {-50, -20};
    layout[LayoutSlot::Auction] = {1, 1};
    layout[LayoutSlot::BiddingBoard] = {700, 650};
    return layout;
}

class WriteCFGGolden : public testing::TestWithParam<std::pair<unsigned, const char*>> {};

TEST_P(WriteCFGGolden, MatchesTheGoldenFile) {
    auto page = Page(GetParam().first);
    ASSERT_TRUE(page);
    ScratchFolder dir;
    fs::path file = dir.File(GetParam().second);
    std::ofstream(file, std::ios::binary)
        << " 1280\r\n 0 0\r\n 1 1\r\n 2 2\r\n 3 3\r\n 33 44\r\n 5 5\r\n 0 0\r\n";
    WindowLayout layout = ScenarioLayout();
    std::vector<int> asked;
    LiveWindowRect live = [&asked](int kind) -> std::optional<LiveRect> {
        asked.push_back(kind);
        if (kind == 1) return LiveRect{300, 400, 800, 700};
        return std::nullopt;
    };
    FileResult r = WriteCFG(file, 1280, {1050, 120}, layout, live, *page);
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(Bytes(file), Bytes(kDataFolder / "Written.CFG"));
    EXPECT_EQ(asked, (std::vector<int>{0, 4, 3, 2, 1, 5, 6}));
    EXPECT_EQ(layout[LayoutSlot::Auction], (PointXY{300, 400}));  // the live rectangle is kept
}

INSTANTIATE_TEST_SUITE_P(CodePages, WriteCFGGolden,
                         testing::Values(std::make_pair(1252u, "Tallowen.CFG"),
                                         std::make_pair(932u, "ブリッジ.CFG")));

TEST(WriteCFG, WrittenFileReadsBackOnTheSameScreen) {
    ScratchFolder dir;
    fs::path file = dir.File("Tallowen.CFG");
    WindowLayout layout = ScenarioLayout();
    ASSERT_TRUE(WriteCFG(file, 1024, {500, 40}, layout, nullptr, *Page(1252)).ok);
    WindowLayout back;
    CfgReadResult r = ReadCFG(file, 1024, *Page(1252), back);
    EXPECT_EQ(r.status, CfgStatus::Read);
    EXPECT_EQ(*r.programWindow, (PointXY{500, 40}));
    EXPECT_EQ(back[LayoutSlot::Table], (PointXY{10, 20}));
    EXPECT_EQ(back[LayoutSlot::Score], (PointXY{0, 5}));
    EXPECT_EQ(back[LayoutSlot::LastHand], (PointXY{-10, -10}));
    EXPECT_EQ(back[LayoutSlot::Auction], (PointXY{1, 1}));
    EXPECT_EQ(back[LayoutSlot::BiddingBoard], (PointXY{700, 650}));
    EXPECT_EQ(ReadCFG(file, 1280, *Page(1252), back).status, CfgStatus::OtherScreen);
}

TEST(WriteCFG, EmptyNameWritesNothing) {
    ScratchFolder dir;
    WindowLayout layout = ScenarioLayout();
    FileResult r = WriteCFG(dir.File(""), 1280, {0, 0}, layout, nullptr, *Page(1252));
    EXPECT_TRUE(r.ok);
    EXPECT_TRUE(fs::is_empty(dir.File("")));
}

TEST(WriteCFG, UnwritablePlaceIsReportedNotThrown) {
    ScratchFolder dir;
    WindowLayout layout;
    FileResult r =
        WriteCFG(dir.File("missing/Tallowen.CFG"), 1280, {0, 0}, layout, nullptr, *Page(1252));
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(r.error.empty());
}

}  // namespace
}  // namespace tallowen

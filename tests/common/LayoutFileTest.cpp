// The window-layout file: line format, clamping, the screen-width check, reading and writing.
#include <gtest/gtest.h>

#include "Scratch.h"
#include "common/Layout.h"

namespace tallowen {
namespace {

using scratch::Bytes;
using scratch::Page;
using scratch::ScratchFolder;
namespace fs = std::filesystem;

const fs::path kDataFolder = fs::path(TALLOWEN_TESTDATA) / "common" / "layout";

struct ClampCase {
    PointXY in, printed, read;  // read: the same numbers read back from a line
};
class PositionRange : public ::testing::TestWithParam<ClampCase> {};

TEST_P(PositionRange, PrintAndReadClampTheirOwnWay) {
    const ClampCase& c = GetParam();
    EXPECT_EQ(ReadWinPos(PrintWinPos(c.in, "L")), c.printed);
    std::string raw = std::to_string(c.in.x) + " " + std::to_string(c.in.y) + " L";
    EXPECT_EQ(ReadWinPos(raw), c.read) << raw;
}

INSTANTIATE_TEST_SUITE_P(Values, PositionRange,
                         ::testing::Values(ClampCase{{1000, 1000}, {1000, 1000}, {1000, 1000}},
                                           ClampCase{{1001, 1001}, {0, 0}, {0, 0}},
                                           ClampCase{{-10, -10}, {-10, -10}, {-10, -10}},
                                           ClampCase{{-11, -11}, {-10, -10}, {-10, -11}},
                                           ClampCase{{1920, -300}, {0, -10}, {0, -15}}));

TEST(LayoutFileName, CfgKeyThenLanguage) {
    Settings s;
    EXPECT_EQ(LayoutFileName(s), "Tallowen.CFG");
    s.jpn = true;
    EXPECT_EQ(LayoutFileName(s), "ブリッジ.CFG");
    s.cfg = "Laptop.CFG";
    EXPECT_EQ(LayoutFileName(s), "Laptop.CFG");
}

TEST(ReadCFG, GoldenFileOnItsOwnScreen) {
    ScratchFolder dir;
    fs::path file = dir.Write("Tallowen.CFG", Bytes(kDataFolder / "Read.CFG"));
    WindowLayout layout;
    CfgReadResult r = ReadCFG(file, 1280, *Page(1252), layout);
    EXPECT_EQ(r.status, CfgStatus::Read);
    EXPECT_EQ(r.programWindow, (PointXY{1050, 120}));  // the program's own line is not clamped
    EXPECT_EQ(layout.saved,
              (decltype(layout.saved){
                  PointXY{100, 200}, {0, 5}, {-10, -15}, {30, 0}, {220, 300}, {-10, -15}, {0, 0}}));
    EXPECT_TRUE(fs::exists(file));
}

TEST(ReadCFG, FileOfAnotherScreenIsDeletedAndNothingTaken) {
    ScratchFolder dir;
    fs::path file = dir.Write("ブリッジ.CFG", Bytes(kDataFolder / "Read.CFG"));
    WindowLayout layout;
    CfgReadResult r = ReadCFG(file, 1920, *Page(932), layout);
    EXPECT_EQ(r.status, CfgStatus::OtherScreen);
    EXPECT_FALSE(r.deleteFailed || r.programWindow.has_value() || fs::exists(file));
    for (const auto& p : layout.saved) EXPECT_EQ(p, (PointXY{0, 0}));
}

TEST(ReadCFG, AbsentShortEmptyAndBrokenFiles) {
    ScratchFolder dir;
    WindowLayout layout;
    fs::path file = dir.File("Tallowen.CFG");
    EXPECT_EQ(ReadCFG(file, 1280, *Page(1252), layout).status, CfgStatus::Absent);
    EXPECT_EQ(layout[LayoutSlot::Auction], (PointXY{220, 0}));  // the defaults of a first run
    EXPECT_EQ(layout[LayoutSlot::BidBox], (PointXY{0, 300}));

    dir.Write("Tallowen.CFG", " 1280         PC Screen Width\r\n");
    CfgReadResult r = ReadCFG(file, 1280, *Page(1252), layout);
    EXPECT_EQ(r.status, CfgStatus::Read);
    EXPECT_FALSE(r.programWindow.has_value());
    dir.Write("Tallowen.CFG", "");  // no width to match
    EXPECT_EQ(ReadCFG(file, 1280, *Page(1252), layout).status, CfgStatus::OtherScreen);
    dir.Write("Tallowen.CFG", std::string("\0\xFF\x81\r\n\x82\x82\x82\r\n", 8));
    EXPECT_EQ(ReadCFG(file, 0, *Page(932), layout).status, CfgStatus::Read);
    fs::create_directory(dir.File("Folder.CFG"));
    EXPECT_EQ(ReadCFG(dir.File("Folder.CFG"), 1280, *Page(1252), layout).status, CfgStatus::Absent);
}

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

class WriteCFGGolden : public ::testing::TestWithParam<std::pair<unsigned, const char*>> {};

TEST_P(WriteCFGGolden, MatchesTheGoldenFile) {
    auto page = Page(GetParam().first);
    ASSERT_TRUE(page);
    ScratchFolder dir;
    fs::path file = dir.Write(
        GetParam().second, " 1280\r\n 0 0\r\n 1 1\r\n 2 2\r\n 3 3\r\n 33 44\r\n 5 5\r\n 0 0\r\n");
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
    EXPECT_EQ(asked, (std::vector<int>{4, 3, 2, 1, 5, 6}));       // the table window is not asked
    EXPECT_EQ(layout[LayoutSlot::Auction], (PointXY{300, 400}));  // the live rectangle is kept

    WindowLayout back;  // and it reads back on the same screen only
    EXPECT_EQ(ReadCFG(file, 1280, *page, back).status, CfgStatus::Read);
    EXPECT_EQ(back[LayoutSlot::Table], (PointXY{10, 20}));
    layout[LayoutSlot::Table] = {0, 0};  // written as saved, not taken from the old file
    ASSERT_TRUE(WriteCFG(file, 1280, {0, 0}, layout, live, *page).ok);
    EXPECT_EQ(ReadCFG(file, 1280, *page, back).status, CfgStatus::Read);
    EXPECT_EQ(back[LayoutSlot::Table], (PointXY{0, 0}));
    EXPECT_EQ(ReadCFG(file, 1024, *page, back).status, CfgStatus::OtherScreen);
}

INSTANTIATE_TEST_SUITE_P(CodePages, WriteCFGGolden,
                         ::testing::Values(std::make_pair(1252u, "Tallowen.CFG"),
                                           std::make_pair(932u, "ブリッジ.CFG")));

TEST(WriteCFG, EmptyNameWritesNothingAndAnUnwritablePlaceIsReported) {
    ScratchFolder dir;
    WindowLayout layout = ScenarioLayout();
    EXPECT_TRUE(WriteCFG(dir.File(""), 1280, {0, 0}, layout, nullptr, *Page(1252)).ok);
    EXPECT_TRUE(fs::is_empty(dir.path()));
    FileResult r =
        WriteCFG(dir.File("missing/Tallowen.CFG"), 1280, {0, 0}, layout, nullptr, *Page(1252));
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(r.error.empty());
}

}  // namespace
}  // namespace tallowen

// The information box of the table window: finding it by its frame, and the tricks counts.
#include <gtest/gtest.h>

#include "ReaderPictures.h"
#include "ReadingFixture.h"
#include "reading/TricksCount.h"

namespace tallowen {
namespace {

using namespace testing;

TablePicture BoxWith(const std::string& label, int we, int they) {
    TablePicture t;
    t.boxLines = {{6, label + " " + std::to_string(we)},
                  {30, "Contract"},
                  {56, label + " " + std::to_string(they)}};
    return t;
}

struct Counts {
    int we = -1, they = -1;
};

Counts ReadCounts(ReadingRig& rig, InfoBoxState& box) {
    Counts c;
    CaptureTotalTricks(rig.ctx, box, c.we, c.they);
    return c;
}

TEST(InfoBox, IsFoundInItsFrameSearchedAgainForANewWidthAndCachedForAKnownOne) {
    TablePicture t = BoxWith("Tricks:", 5, 3);
    ReadingRig rig(t.Paint(), 1, "Game: Bridge");
    InfoBoxState box;
    std::vector<bool> shown;
    box.status = [&](bool found) { shown.push_back(found); };
    ASSERT_TRUE(LocateInfoBox(rig.ctx, box));
    EXPECT_EQ(box.box, (Rect{235, 316, 470, 465}));
    EXPECT_EQ(box.centre, (Point{352, 390}));
    EXPECT_EQ(shown, (std::vector<bool>{true}));
    const int copies = rig.desktop.Copies();
    rig.desktop.SetPlace({0, 0, 660, 520});  // 20 pixels wider: the box moved with it
    t.width = 660;
    t.frameX = 250;
    rig.desktop.Picture() = t.Paint();
    ASSERT_TRUE(LocateInfoBox(rig.ctx, box));
    EXPECT_EQ(box.box.left, 255);
    EXPECT_EQ(rig.desktop.Copies(), copies + 1);
    rig.desktop.SetPlace({0, 0, 640, 520});
    ASSERT_TRUE(LocateInfoBox(rig.ctx, box));
    EXPECT_EQ(box.box.left, 235);
    EXPECT_EQ(rig.desktop.Copies(), copies + 1) << "no search for a width seen before";
}

TEST(InfoBox, NoFrameMeansSevenSearchesAndOneLookupOfTheWindows) {
    TablePicture t = BoxWith("Tricks:", 5, 3);
    t.box = false;
    ReadingRig rig(t.Paint(), 1, "Game: Bridge");
    InfoBoxState box;
    int lookups = 0;
    bool shownFound = true;
    box.lookupWindows = [&] { ++lookups; };
    box.status = [&](bool found) { shownFound = found; };
    EXPECT_FALSE(LocateInfoBox(rig.ctx, box));
    EXPECT_EQ(rig.desktop.Copies(), 7);
    EXPECT_EQ(lookups, 1);
    EXPECT_FALSE(shownFound);
    Counts c = ReadCounts(rig, box);
    EXPECT_EQ(c.we, -1);
    EXPECT_EQ(c.they, -1);
}

TEST(InfoBox, AFrameColourOffByMoreThanOneLevelIsNotTheFrame) {
    TablePicture t = BoxWith("Tricks:", 5, 3);
    Image555 picture = t.Paint();
    for (auto& p : picture.pixels)
        if (p == kFrameRed) p = Rgb555(7, 0, 0);
    ReadingRig rig(picture, 1, "Game: Bridge");
    InfoBoxState box;
    EXPECT_FALSE(LocateInfoBox(rig.ctx, box));
    for (auto& p : picture.pixels)
        if (p == Rgb555(7, 0, 0)) p = Rgb555(6, 1, 0);
    ReadingRig near(picture, 1, "Game: Bridge");
    EXPECT_TRUE(LocateInfoBox(near.ctx, box));
}

struct CountCase {
    int language;
    const char* label;
    int we, they;   // drawn
    Counts counts;  // read: a zero is not reported, another edition's label not read
};

class TricksCount : public ::testing::TestWithParam<CountCase> {};

TEST_P(TricksCount, ReadsWeNearTheTopAndTheyInTheMiddle) {
    const CountCase& c = GetParam();
    ReadingRig rig(BoxWith(c.label, c.we, c.they).Paint(), c.language, "Game: Bridge");
    // The box is found in window coordinates; a table away from the corner must still read.
    rig.desktop.SetPlace({150, 90, 150 + 640, 90 + 520});
    InfoBoxState box;
    Counts read = ReadCounts(rig, box);
    EXPECT_EQ(read.we, c.counts.we);
    EXPECT_EQ(read.they, c.counts.they);
    EXPECT_FALSE(rig.desktop.Topmost());
}

INSTANTIATE_TEST_SUITE_P(Boxes, TricksCount,
                         ::testing::Values(CountCase{1, "Tricks:", 5, 3, {5, 3}},
                                           CountCase{3, "Stiche:", 10, 1, {10, 1}},
                                           CountCase{1, "Tricks:", 0, 4, {-1, 4}},
                                           CountCase{3, "Tricks:", 5, 3, {-1, -1}}));

TEST(TricksCountBox, RememberedRowsAreReadFirstAndForgottenWhenTheLabelMoves) {
    TablePicture t = BoxWith("Tricks:", 5, 3);
    ReadingRig rig(t.Paint(), 1, "Game: Bridge");
    InfoBoxState box;
    ReadCounts(rig, box);
    EXPECT_EQ(box.remembered, (std::array<int, 2>{316 + 6, 316 + 56}));
    t.boxLines = {{6, "Tricks: 6"}, {56, "Tricks: 4"}};
    rig.desktop.Picture() = t.Paint();
    Counts c = ReadCounts(rig, box);
    EXPECT_EQ(c.we, 6);
    EXPECT_EQ(c.they, 4);
    t.boxLines = {{8, "Tricks: 7"}, {70, "Tricks: 5"}};
    rig.desktop.Picture() = t.Paint();
    c = ReadCounts(rig, box);
    EXPECT_EQ(c.we, 7);
    EXPECT_EQ(c.they, 5);
    EXPECT_EQ(box.remembered, (std::array<int, 2>{316 + 8, 316 + 70}));
}

}  // namespace
}  // namespace tallowen

#include <gtest/gtest.h>

#include "ReadingFixture.h"
#include "reading/Capture.h"
#include "reading/PixelGrid.h"

namespace tallowen {
namespace {

using testing::kBlack;
using testing::kGray;
using testing::kWhite;
using testing::ReadingRig;

std::uint16_t GrayLevel(int level) {
    return Rgb555(level, level, level);
}

TEST(ColourTests, GrayIsLevelsFifteenToTwentySevenWithEqualChannels) {
    EXPECT_FALSE(IsGray(GrayLevel(14)));
    EXPECT_TRUE(IsGray(GrayLevel(15)));
    EXPECT_TRUE(IsGray(GrayLevel(27)));
    EXPECT_FALSE(IsGray(GrayLevel(28)));
    EXPECT_FALSE(IsGray(Rgb555(24, 24, 23)));
    EXPECT_FALSE(IsGray(Rgb555(23, 24, 24)));
    EXPECT_TRUE(IsGray(kGray));
}

TEST(ColourTests, TopBitIsIgnoredAndInkIsBlueBelowFifteen) {
    EXPECT_TRUE(IsWhite(0xFFFF));
    EXPECT_TRUE(IsBlack(0x8000));
    EXPECT_FALSE(IsWhite(0x7FFE));
    EXPECT_TRUE(IsInk(Rgb555(31, 31, 14)));
    EXPECT_FALSE(IsInk(Rgb555(0, 0, 15)));
    EXPECT_TRUE(IsInk(kBlack));
}

TEST(ColourTests, NearReferenceAllowsOneLevelPerChannel) {
    RefColour ref{20, 5, 5};
    EXPECT_TRUE(IsNearReference(Rgb555(21, 4, 6), ref));
    EXPECT_FALSE(IsNearReference(Rgb555(22, 5, 5), ref));
    EXPECT_FALSE(IsNearReference(Rgb555(20, 5, 7), ref));
}

TEST(WindowCapture, AllZeroRectCopiesTheWholeClientArea) {
    ReadingRig rig(Image555(120, 80, kWhite));
    ASSERT_EQ(rig.Capture(), 80);
    const PixelGrid& g = rig.ctx.GameGrid;
    EXPECT_EQ(g.Top, 0);
    EXPECT_EQ(g.Left, 0);
    EXPECT_EQ(g.Bottom, g.WindowHeight);
    EXPECT_EQ(g.Right, 120);
    EXPECT_EQ(g.Length, 120);
    EXPECT_EQ(rig.ctx.pixels.size(), 120u * 80u);
}

TEST(WindowCapture, RowsAreStoredBottomUpAndOddWidthsArePadded) {
    Image555 image(301, 10, kWhite);
    image.Set(300, 4, kBlack);  // last column of row 4
    image.Set(0, 3, kGray);     // first column of the row above
    ReadingRig rig(std::move(image));
    ASSERT_EQ(rig.Capture(), 10);
    const PixelGrid& g = rig.ctx.GameGrid;
    EXPECT_EQ(g.Length, 302);
    PixelView view = rig.ctx.Game();
    EXPECT_TRUE(view.Black(300, 4));
    EXPECT_TRUE(view.Gray(0, 3));
    // The padding pixel sits between them in the buffer.
    EXPECT_EQ(view.IndexOf(0, 3) - view.IndexOf(300, 4), 2);
    EXPECT_EQ(view.IndexOf(0, 9), 0);  // buffer row 0 is the window's lowest row
    EXPECT_FALSE(view.Has(301, 4));    // the padding is not part of the window
}

TEST(WindowCapture, PartialRectIsAddressedInWindowCoordinates) {
    Image555 image(200, 100, kWhite);
    image.Set(55, 42, kBlack);
    ReadingRig rig(std::move(image));
    ASSERT_EQ(CaptureWindowRect(rig.ctx, ImageDesktop::kWindow, rig.ctx.ScreenGrid,
                                Rect{50, 40, 61, 0}, true),
              60);
    PixelView view = rig.ctx.Screen();
    EXPECT_EQ(rig.ctx.ScreenGrid.Length, 12);
    EXPECT_TRUE(view.Black(55, 42));
    EXPECT_FALSE(view.Has(49, 42));
    EXPECT_FALSE(view.Has(55, 39));
}

TEST(WindowCapture, MinimisedWindowCopiesNothingAndKeepsTheBuffer) {
    ReadingRig rig(Image555(50, 40, kWhite));
    ASSERT_EQ(rig.Capture(), 40);
    auto before = rig.ctx.pixels;
    rig.desktop.SetMinimized(true);
    EXPECT_EQ(rig.Capture(), 0);
    EXPECT_EQ(rig.ctx.GameGrid.Lines, 0);
    EXPECT_EQ(rig.ctx.pixels, before);
    EXPECT_FALSE(rig.ctx.Game().Has(0, 0));
}

TEST(WindowCapture, LeftEdgeBeyondThousandAndInvertedRectsCopyNothing) {
    ReadingRig rig(Image555(1200, 40, kWhite));
    EXPECT_EQ(CaptureWindowRect(rig.ctx, ImageDesktop::kWindow, rig.ctx.GameGrid,
                                Rect{1001, 0, 0, 0}, true),
              0);
    EXPECT_EQ(CaptureWindowRect(rig.ctx, ImageDesktop::kWindow, rig.ctx.GameGrid,
                                Rect{30, 20, 10, 0}, true),
              0);
}

TEST(WindowCapture, SettlingWaitsSurroundTheCopy) {
    ReadingRig rig(Image555(50, 40, kWhite));
    rig.ctx.glyphs.currentSet = 1;
    std::uint32_t start = rig.clock.Ticks();
    rig.Capture();
    EXPECT_GE(rig.clock.Ticks() - start, 600u);  // 0.1 s before, 0.5 s after with set 1
    rig.ctx.glyphs.currentSet = 0;
    start = rig.clock.Ticks();
    rig.Capture();
    EXPECT_GE(rig.clock.Ticks() - start, 200u);
    EXPECT_LT(rig.clock.Ticks() - start, 600u);
}

TEST(HoldOnScreen, WindowAboveAndLeftOfTheScreenStopsAtZeroAndMinusFive) {
    Rect r = HoldOnScreen(Rect{-20, -20, 380, 280}, Rect{0, 0, 1024, 768});
    EXPECT_EQ(r, (Rect{0, -5, 400, 295}));
}

TEST(HoldOnScreen, FivePixelsMayStayOffTheRightEdge) {
    Rect r = HoldOnScreen(Rect{724, 100, 1054, 300}, Rect{0, 0, 1024, 768});
    EXPECT_EQ(r.left, 699);  // 30 past the edge, moved 25
    EXPECT_EQ(r.Width(), 330);
}

TEST(HoldOnScreen, BottomEdgeIsPulledUp) {
    Rect r = HoldOnScreen(Rect{10, 700, 110, 800}, Rect{0, 0, 1024, 768});
    EXPECT_EQ(r, (Rect{10, 668, 110, 768}));
}

TEST(CaptureGameWindowTest, FirstSightAtTheCornerMovesToTheSavedPlaceOnce) {
    ReadingRig rig(Image555(100, 60, kWhite));
    rig.desktop.SetPlace(Rect{3, 4, 103, 64});
    rig.windows.saved[1] = Rect{200, 150, 0, 0};
    ASSERT_EQ(CaptureGameWindow(rig.ctx, 1), 60);
    EXPECT_EQ(rig.desktop.Place(), (Rect{200, 150, 300, 210}));
    EXPECT_TRUE(rig.windows.placed[1]);
    EXPECT_TRUE(rig.desktop.Topmost());
    rig.desktop.SetPlace(Rect{0, 0, 100, 60});
    CaptureGameWindow(rig.ctx, 1);
    EXPECT_EQ(rig.desktop.Place(), (Rect{0, 0, 100, 60}));  // placed already
}

TEST(CaptureGameWindowTest, MinimisedWindowIsRestoredBeforeTheCopy) {
    ReadingRig rig(Image555(100, 60, kWhite));
    rig.desktop.SetMinimized(true);
    EXPECT_EQ(CaptureGameWindow(rig.ctx, 4), 60);
    EXPECT_FALSE(rig.desktop.Minimized());
}

TEST(CaptureGameWindowTest, FailedCopyReopensTheWindowOnceAndTriesAgain) {
    ReadingRig rig(Image555(100, 60, kWhite));
    rig.desktop.FailCopies(true);
    int reopened = 0;
    rig.ctx.reopenWindow = [&](int kind) {
        EXPECT_EQ(kind, 3);
        ++reopened;
        rig.desktop.FailCopies(false);
    };
    EXPECT_EQ(CaptureGameWindow(rig.ctx, 3), 60);
    EXPECT_EQ(reopened, 1);

    rig.desktop.FailCopies(true);
    rig.ctx.reopenWindow = [&](int) { ++reopened; };
    EXPECT_EQ(CaptureGameWindow(rig.ctx, 3), 0);
    EXPECT_EQ(reopened, 2);
    EXPECT_EQ(rig.ctx.GameGrid.Lines, 0);
}

// --- Scanners ---

struct ScanRig : ReadingRig {
    ScanRig() : ReadingRig(Picture()) { Capture(); }
    static Image555 Picture() {
        Image555 image(60, 50, kWhite);
        image.Fill(0, 20, 60, 21, kGray);   // gray row 20
        image.Fill(0, 22, 60, 23, kGray);   // gray row 22
        image.Fill(5, 30, 9, 31, kBlack);   // black pixels on row 30 at x 5..8
        image.Fill(0, 40, 60, 41, kBlack);  // solid black row 40
        image.Fill(45, 0, 46, 50, kBlack);  // solid black column 45
        image.Fill(40, 10, 41, 11, kGray);  // a gray pixel on row 10 ...
        image.Fill(0, 10, 30, 11, kWhite);  // ... after white
        return image;
    }
};

TEST(Scanners, GrayRowWithTopEqualBottomTestsOneRow) {
    ScanRig rig;
    PixelView v = rig.ctx.Game();
    EXPECT_EQ(FindGrayRow(v, Rect{10, 20, 20, 20}), 20);
    EXPECT_EQ(FindGrayRow(v, Rect{10, 21, 20, 21}), -1);
    EXPECT_EQ(FindGrayRow(v, Rect{10, 21, 20, 22}), 22);  // bottom is inclusive
    EXPECT_EQ(FindGrayRow(v, Rect{10, 0, 45, 49}), -1);   // column 45 is black
}

TEST(Scanners, BlackRowStopsBeforeTheBottomRow) {
    ScanRig rig;
    PixelView v = rig.ctx.Game();
    EXPECT_EQ(FindBlackRow(v, Rect{0, 25, 20, 30}), -1);
    EXPECT_EQ(FindBlackRow(v, Rect{0, 25, 20, 31}), 30);
    EXPECT_EQ(FindBlackRow(v, Rect{9, 25, 20, 35}), -1);  // the black run ends at x 8
}

TEST(Scanners, SolidBlackRowIgnoresTheRectBottom) {
    ScanRig rig;
    PixelView v = rig.ctx.Game();
    EXPECT_EQ(FindSolidBlackRow(v, Rect{0, 25, 60, 26}), 40);
    EXPECT_EQ(FindSolidBlackRow(v, Rect{0, 25, 61, 26}), -1);  // x 60 lies outside
}

TEST(Scanners, SolidBlackColumnAndRowsPastTheBuffer) {
    ScanRig rig;
    PixelView v = rig.ctx.Game();
    EXPECT_EQ(FindSolidBlackColumn(v, Rect{30, 0, 59, 50}), 45);
    EXPECT_EQ(FindSolidBlackColumn(v, Rect{30, 0, 44, 50}), -1);
    EXPECT_EQ(FindSolidBlackColumn(v, Rect{30, 10, 59, 60}), -1000);
}

TEST(Scanners, WhiteRowWhiteInRowAndGrayAfterWhite) {
    ScanRig rig;
    PixelView v = rig.ctx.Game();
    EXPECT_EQ(FindWhiteRow(v, Rect{0, 20, 40, 40}), 21);
    EXPECT_EQ(FindWhiteInRow(v, 30, Rect{3, 0, 59, 0}), 3);
    EXPECT_EQ(FindWhiteInRow(v, 30, Rect{5, 0, 8, 0}), -1);
    EXPECT_EQ(FindGrayAfterWhite(v, 10, Rect{0, 0, 59, 0}), 40);
    EXPECT_EQ(FindGrayAfterWhite(v, 20, Rect{0, 0, 59, 0}), -1);  // no white on a gray row
}

TEST(Scanners, NothingIsFoundInAFailedCapture) {
    ReadingRig rig(Image555(60, 50, kBlack));
    rig.desktop.FailCopies(true);
    rig.Capture();
    PixelView v = rig.ctx.Game();
    EXPECT_EQ(FindBlackRow(v, Rect{0, 0, 59, 49}), -1);
    EXPECT_EQ(FindSolidBlackRow(v, Rect{0, 0, 59, 49}), -1);
    EXPECT_EQ(FindSolidBlackColumn(v, Rect{0, 0, 59, 49}), -1);
}

}  // namespace
}  // namespace tallowen

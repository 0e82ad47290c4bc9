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

TEST(WindowCapture, TheWholeClientAreaIsStoredBottomUpWithOddWidthsPadded) {
    Image555 image(301, 10, kWhite);
    image.Set(300, 4, kBlack);  // last column of row 4
    image.Set(0, 3, kGray);     // first column of the row above
    ReadingRig rig(std::move(image));
    ASSERT_EQ(rig.Capture(), 10);
    const PixelGrid& g = rig.ctx.GameGrid;
    EXPECT_EQ((Rect{g.Left, g.Top, g.Right, g.Bottom}), (Rect{0, 0, 301, 10}));
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

TEST(WindowCapture, MinimisedFarOrInvertedCopiesNothingAndKeepsTheBuffer) {
    ReadingRig rig(Image555(1200, 40, kWhite));
    ASSERT_EQ(rig.Capture(), 40);
    auto before = rig.ctx.pixels;
    auto copy = [&](Rect r) {
        return CaptureWindowRect(rig.ctx, ImageDesktop::kWindow, rig.ctx.GameGrid, r, true);
    };
    EXPECT_EQ(copy(Rect{1001, 0, 0, 0}), 0);  // left edge beyond a thousand
    EXPECT_EQ(copy(Rect{30, 20, 10, 0}), 0);
    rig.desktop.SetMinimized(true);
    EXPECT_EQ(rig.Capture(), 0);
    EXPECT_EQ(rig.ctx.GameGrid.Lines, 0);
    EXPECT_EQ(rig.ctx.pixels, before);
    EXPECT_FALSE(rig.ctx.Game().Has(0, 0));
}

TEST(HoldOnScreen, StopsAtZeroAndMinusFiveLetsFiveOffTheRightAndPullsUp) {
    const Rect screen{0, 0, 1024, 768};
    EXPECT_EQ(HoldOnScreen(Rect{-20, -20, 380, 280}, screen), (Rect{0, -5, 400, 295}));
    EXPECT_EQ(HoldOnScreen(Rect{724, 100, 1054, 300}, screen), (Rect{699, 100, 1029, 300}));
    EXPECT_EQ(HoldOnScreen(Rect{10, 700, 110, 800}, screen), (Rect{10, 668, 110, 768}));
}

// Where a window at the corner goes is tested with the shell's placement; here, a window that
// only turns up through the re-open is still placed at its first sight.
TEST(CaptureGameWindowTest, AWindowFoundByTheReopenIsPlacedAtItsFirstSight) {
    ReadingRig rig(Image555(100, 60, kWhite));
    rig.desktop.SetPlace(Rect{0, 0, 100, 60});
    rig.windows.handle[2] = 0;
    rig.windows.saved[2] = Rect{300, 250, 0, 0};
    rig.ctx.reopenWindow = [&](int kind) {
        rig.windows.handle[std::size_t(kind)] = ImageDesktop::kWindow;
    };
    ASSERT_EQ(CaptureGameWindow(rig.ctx, WindowKind::LastTrick), 60);
    EXPECT_EQ(rig.desktop.Place(), (Rect{300, 250, 400, 310}));
}

TEST(CaptureGameWindowTest, MinimisedIsRestoredAFailedCopyReopensTheWindowOnce) {
    ReadingRig rig(Image555(100, 60, kWhite));
    rig.desktop.SetMinimized(true);
    EXPECT_EQ(CaptureGameWindow(rig.ctx, WindowKind::Score), 60);
    EXPECT_FALSE(rig.desktop.Minimized());

    rig.desktop.FailCopies(true);
    int reopened = 0;
    rig.ctx.reopenWindow = [&](int kind) {
        EXPECT_EQ(kind, 3);
        ++reopened;
        rig.desktop.FailCopies(false);
    };
    EXPECT_EQ(CaptureGameWindow(rig.ctx, WindowKind::LastHand), 60);
    EXPECT_EQ(reopened, 1);
    rig.desktop.FailCopies(true);
    rig.ctx.reopenWindow = [&](int) { ++reopened; };
    EXPECT_EQ(CaptureGameWindow(rig.ctx, WindowKind::LastHand), 0);
    EXPECT_EQ(reopened, 2);
    EXPECT_EQ(rig.ctx.GameGrid.Lines, 0);
}

// Only the game client's windows are captured here; the watcher's own windows are not kinds.
TEST(CaptureGameWindowTest, AKindOutsideTheClientsWindowsCopiesNothing) {
    ReadingRig rig(Image555(100, 60, kWhite));
    for (auto& h : rig.windows.handle) h = ImageDesktop::kWindow;
    rig.ctx.GameGrid.Lines = 60;
    int reopened = 0;
    rig.ctx.reopenWindow = [&](int) { ++reopened; };
    for (int kind : {-1, kWindowKindCount, 8}) {
        EXPECT_EQ(CaptureGameWindow(rig.ctx, WindowKind(kind)), 0) << kind;
        EXPECT_EQ(rig.ctx.GameGrid.Lines, 0);
    }
    EXPECT_EQ(rig.desktop.Copies(), 0);
    EXPECT_EQ(reopened, 0);
    EXPECT_FALSE(rig.desktop.Topmost());
    EXPECT_EQ(CaptureGameWindow(rig.ctx, WindowKind::BidBox), 60) << "the last kind is read";
}

// --- Scanners over one picture of landmarks ---

enum class Scan { Gray, Black, SolidRow, SolidColumn, WhiteRow, WhiteIn, GrayAfterWhite };

struct ScanCase {
    Scan scan;
    Rect rect;
    int expected;
    int row = 0;  // for the scans along one row
};

int RunScan(const PixelView& v, const ScanCase& c) {
    switch (c.scan) {
        case Scan::Gray:
            return FindGrayRow(v, c.rect);
        case Scan::Black:
            return FindBlackRow(v, c.rect);
        case Scan::SolidRow:
            return FindSolidBlackRow(v, c.rect);
        case Scan::SolidColumn:
            return FindSolidBlackColumn(v, c.rect);
        case Scan::WhiteRow:
            return FindWhiteRow(v, c.rect);
        case Scan::WhiteIn:
            return FindWhiteInRow(v, c.row, c.rect);
        case Scan::GrayAfterWhite:
            return FindGrayAfterWhite(v, c.row, c.rect);
    }
    return -2;
}

class Scanners : public ::testing::TestWithParam<ScanCase> {};

TEST_P(Scanners, FindTheirLandmark) {
    Image555 image(60, 50, kWhite);
    image.Fill(0, 20, 60, 21, kGray);  // gray rows 20 and 22
    image.Fill(0, 22, 60, 23, kGray);
    image.Fill(5, 30, 9, 31, kBlack);   // black pixels on row 30 at x 5..8
    image.Fill(0, 40, 60, 41, kBlack);  // solid black row 40
    image.Fill(45, 0, 46, 50, kBlack);  // solid black column 45
    image.Fill(40, 10, 41, 11, kGray);  // a gray pixel on row 10 after white
    ReadingRig rig(std::move(image));
    rig.Capture();
    EXPECT_EQ(RunScan(rig.ctx.Game(), GetParam()), GetParam().expected);

    // Nothing is found in a failed capture.
    rig.desktop.FailCopies(true);
    rig.Capture();
    if (GetParam().expected >= 0) {
        EXPECT_LT(RunScan(rig.ctx.Game(), GetParam()), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Landmarks, Scanners,
    ::testing::Values(ScanCase{Scan::Gray, {10, 20, 20, 20}, 20},  // top == bottom: one row
                      ScanCase{Scan::Gray, {10, 21, 20, 21}, -1},
                      ScanCase{Scan::Gray, {10, 21, 20, 22}, 22},  // bottom is inclusive
                      ScanCase{Scan::Gray, {10, 0, 45, 49}, -1},   // column 45 is black
                      ScanCase{Scan::Black, {0, 25, 20, 30}, -1},  // stops before the bottom
                      ScanCase{Scan::Black, {0, 25, 20, 31}, 30},
                      ScanCase{Scan::Black, {9, 25, 20, 35}, -1},     // the run ends at x 8
                      ScanCase{Scan::SolidRow, {0, 25, 60, 26}, 40},  // ignores the bottom
                      ScanCase{Scan::SolidRow, {0, 25, 61, 26}, -1},  // x 60 lies outside
                      ScanCase{Scan::SolidColumn, {30, 0, 59, 50}, 45},
                      ScanCase{Scan::SolidColumn, {30, 0, 44, 50}, -1},
                      ScanCase{Scan::SolidColumn, {30, 10, 59, 60}, -1000},  // rows past the end
                      ScanCase{Scan::WhiteRow, {0, 20, 40, 40}, 21},
                      ScanCase{Scan::WhiteIn, {3, 0, 59, 0}, 3, 30},
                      ScanCase{Scan::WhiteIn, {5, 0, 8, 0}, -1, 30},
                      ScanCase{Scan::GrayAfterWhite, {0, 0, 59, 0}, 40, 10},
                      ScanCase{Scan::GrayAfterWhite, {0, 0, 59, 0}, -1, 20}));

}  // namespace
}  // namespace tallowen

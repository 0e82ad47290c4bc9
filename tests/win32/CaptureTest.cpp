// Pixel copies of real windows: exact 5-5-5 values, bottom-up rows, padded strides.
#include <gtest/gtest.h>

#include "TestWindow.h"
#include "win32/Handles.h"
#include "win32/Win32Seams.h"

namespace tallowen {
namespace {

using testing::Pattern555;
using testing::TestWindow;
using win32::FromHwnd;

class CaptureTest : public ::testing::Test {
protected:
    // Copies `area` and checks every pixel against the pattern at client (x0 + i, y0 + j).
    void ExpectPattern(WindowHandle window, Rect area, bool client, int x0, int y0) {
        const int w = area.Width(), h = area.Height(), stride = w + (w & 1);
        std::vector<std::uint16_t> pixels(std::size_t(stride * h), 0xFFFF);
        ASSERT_EQ(desktop->CopyPixels(window, area, client, pixels), h);
        for (int j = 0; j < h; ++j)
            for (int i = 0; i < w; ++i) {
                // Row 0 of the copy is the area's lowest row.
                std::uint16_t got = pixels[std::size_t((h - 1 - j) * stride + i)] & 0x7FFF;
                ASSERT_EQ(got, Pattern555(x0 + i, y0 + j)) << "at " << i << "," << j;
            }
    }

    std::unique_ptr<Desktop> desktop = MakeWin32Desktop();
};

TEST_F(CaptureTest, ClientAreaComesBottomUpWithAnEvenStride) {
    TestWindow window(L"Tallowen capture", {100, 100, 400, 300}, TestWindow::kPopup);
    ExpectPattern(FromHwnd(window.Handle()), {0, 0, 40, 30}, true, 0, 0);
    // Odd width: one spare pixel per row.
    ExpectPattern(FromHwnd(window.Handle()), {5, 7, 12, 11}, true, 5, 7);
}

TEST_F(CaptureTest, WholeWindowAreaIsOffsetByTheFrame) {
    TestWindow window(L"Tallowen frame", {100, 100, 400, 300}, TestWindow::kPopup);
    POINT origin = window.ClientToScreenPoint({0, 0});
    const int dx = origin.x - 100, dy = origin.y - 100;
    ExpectPattern(FromHwnd(window.Handle()), {dx + 2, dy + 3, dx + 11, dy + 8}, false, 2, 3);
}

TEST_F(CaptureTest, DesktopCopyShowsTheWindowAtItsScreenPlace) {
    TestWindow window(L"Tallowen desktop", {100, 100, 400, 300}, TestWindow::kPopup);
    POINT origin = window.ClientToScreenPoint({10, 20});
    ExpectPattern(desktop->DesktopWindow(), {origin.x, origin.y, origin.x + 6, origin.y + 4}, false,
                  10, 20);
}

TEST_F(CaptureTest, PartlyOffScreenWindowCopiesWithoutHarm) {
    TestWindow window(L"Tallowen off screen", {-60, -40, 240, 160}, TestWindow::kPopup);
    WindowHandle handle = FromHwnd(window.Handle());
    Rect client = desktop->ClientRect(handle);
    const int w = client.Width(), h = client.Height(), stride = w + (w & 1);
    std::vector<std::uint16_t> pixels(std::size_t(stride * h));
    EXPECT_EQ(desktop->CopyPixels(handle, client, true, pixels), h);
    // The lower right corner is on the screen.
    EXPECT_EQ(pixels[std::size_t(w - 1)] & 0x7FFF, Pattern555(w - 1, h - 1));

    // Beyond the client area and beyond the screen: a copy, whatever it shows, and no crash.
    std::vector<std::uint16_t> beyond(40 * 40);
    EXPECT_EQ(desktop->CopyPixels(handle, {w - 20, h - 20, w + 20, h + 20}, true, beyond), 40);
}

TEST_F(CaptureTest, RefusesWhatCannotBeDelivered) {
    TestWindow window(L"Tallowen refusals", {100, 100, 400, 300}, TestWindow::kPopup);
    WindowHandle handle = FromHwnd(window.Handle());
    std::vector<std::uint16_t> small(10 * 10 - 1, 0x1234);
    EXPECT_EQ(desktop->CopyPixels(handle, {0, 0, 10, 10}, true, small), 0);
    EXPECT_EQ(small.front(), 0x1234);
    EXPECT_EQ(small.back(), 0x1234);

    std::vector<std::uint16_t> pixels(100);
    EXPECT_EQ(desktop->CopyPixels(handle, {5, 5, 5, 9}, true, pixels), 0);
    EXPECT_EQ(desktop->CopyPixels(handle, {9, 9, 5, 5}, true, pixels), 0);
    EXPECT_EQ(desktop->CopyPixels(0, {0, 0, 10, 10}, true, pixels), 0);
    EXPECT_EQ(desktop->CopyPixels(0x7FFFFFF0, {0, 0, 10, 10}, true, pixels), 0);
    EXPECT_EQ(desktop->CopyPixels(handle, {0, 0, 1 << 30, 1 << 30}, true, pixels), 0);
    EXPECT_EQ(desktop->CopyPixels(handle, {-2147483647, 0, 2147483647, 1}, true, pixels), 0);
}

}  // namespace
}  // namespace tallowen

// GDI drawing read back pixel by pixel: sheets, the back buffer, and a window painted from it.
#include <gtest/gtest.h>

#include <set>

#include "TestWindow.h"
#include "win32/GdiCanvas.h"
#include "win32/Handles.h"
#include "win32/Win32Seams.h"

namespace tallowen {
namespace {

using win32::BackBuffer;
using win32::GdiSheets;

constexpr std::uint32_t kWhite = 0xFFFFFF, kRed = 0x0000FF, kNavy = 0x800000, kBlack = 0;

class CanvasTest : public ::testing::Test {
protected:
    std::uint32_t At(const char* sheet, int x, int y) {
        return GetPixel(sheets.SheetDC(sheet), x, y) & 0xFFFFFF;
    }
    // The columns and rows of `sheet` in `area` that are not white.
    Rect Ink(const char* sheet, Rect area) {
        Rect box{area.right, area.bottom, area.left - 1, area.top - 1};
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x)
                if (At(sheet, x, y) != kWhite) {
                    box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x),
                           std::max(box.bottom, y)};
                }
        return box;  // inclusive; right < left when there is no ink
    }
    std::string Picture(const char* sheet, Rect area) {
        std::string bits;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x)
                bits += At(sheet, x, y) == kWhite ? '.' : '#';
        return bits;
    }

    win32::GdiFonts fonts;
    GdiSheets sheets{fonts};
};

TEST_F(CanvasTest, FillsFramesLinesAndPixelsExactly) {
    Canvas& c = sheets.Sheet("frmH", 60, 40);
    EXPECT_EQ(c.Extent(), (Rect{0, 0, 60, 40}));
    EXPECT_EQ(At("frmH", 30, 20), kWhite);

    c.Fill({2, 3, 6, 8}, kRed);
    EXPECT_EQ(At("frmH", 2, 3), kRed);
    EXPECT_EQ(At("frmH", 5, 7), kRed);
    EXPECT_EQ(At("frmH", 6, 7), kWhite);
    EXPECT_EQ(At("frmH", 5, 8), kWhite);

    c.Frame({10, 10, 20, 18}, kNavy, 2);
    EXPECT_EQ(At("frmH", 10, 10), kNavy);
    EXPECT_EQ(At("frmH", 11, 11), kNavy);
    EXPECT_EQ(At("frmH", 12, 12), kWhite);
    EXPECT_EQ(At("frmH", 19, 17), kNavy);
    EXPECT_EQ(At("frmH", 18, 16), kNavy);
    EXPECT_EQ(At("frmH", 17, 15), kWhite);
    EXPECT_EQ(At("frmH", 20, 10), kWhite);
    EXPECT_EQ(At("frmH", 10, 18), kWhite);

    c.Line({0, 30}, {10, 30}, kBlack, 1);
    EXPECT_EQ(At("frmH", 0, 30), kBlack);
    EXPECT_EQ(At("frmH", 9, 30), kBlack);
    EXPECT_EQ(At("frmH", 10, 30), kWhite);
    EXPECT_EQ(At("frmH", 5, 31), kWhite);

    c.SetPixel({40, 5}, 0x123456);
    EXPECT_EQ(At("frmH", 40, 5), 0x123456u);
    c.SetPixel({-5, 500}, kBlack);  // outside: nothing
    c.Frame({0, 0, 0, 10}, kBlack, 3);
    c.Fill({50, 50, 40, 40}, kBlack);
    EXPECT_EQ(At("frmH", 45, 35), kWhite);
}

TEST_F(CanvasTest, TextInksOnlyWithinItsWidth) {
    Canvas& c = sheets.Sheet("text", 200, 60);
    const FontSpec times{"Times New Roman", 12, false};
    const int width = c.Text({10, 10}, "Hand", times, kBlack);
    EXPECT_EQ(width, c.TextWidth("Hand", times));
    EXPECT_GT(width, 20);
    const int height = c.TextHeight(times);
    EXPECT_GE(height, 14);
    Rect ink = Ink("text", {0, 0, 200, 60});
    EXPECT_GE(ink.left, 10);
    EXPECT_LT(ink.right, 10 + width);
    EXPECT_GE(ink.top, 10);
    EXPECT_LT(ink.bottom, 10 + height);
    EXPECT_GT(ink.right - ink.left, width / 2);

    EXPECT_GT(c.TextHeight({"Times New Roman", 24, false}), height);
    EXPECT_GT(c.TextWidth("Hand", {"Times New Roman", 12, true}), width - 1);
    EXPECT_EQ(c.Text({0, 0}, "", times, kBlack), 0);
}

TEST_F(CanvasTest, SymbolFaceDrawsTheFourSuits) {
    Canvas& c = sheets.Sheet("suits", 200, 40);
    const FontSpec symbol{"Symbol", 14, false};
    const char* suits[] = {"\u00A7", "\u00A8", "\u00A9", "\u00AA"};
    std::set<std::string> pictures;
    for (int i = 0; i < 4; ++i) {
        Rect cell{i * 40, 0, i * 40 + 30, 30};
        EXPECT_GT(c.Text({cell.left, 2}, suits[i], symbol, kBlack), 5);
        EXPECT_GE(Ink("suits", cell).right, cell.left) << "suit " << i;
        pictures.insert(Picture("suits", cell));
    }
    EXPECT_EQ(pictures.size(), 4u);
    // Not the section sign of a text face.
    Canvas& t = sheets.Sheet("section", 30, 30);
    t.Text({0, 2}, "\u00A7", {"Times New Roman", 14, false}, kBlack);
    EXPECT_NE(Picture("section", {0, 0, 30, 30}), Picture("suits", {0, 0, 30, 30}));
}

TEST_F(CanvasTest, SheetOfAnotherSizeStartsAfresh) {
    sheets.Sheet("frmP", 30, 30).Fill({0, 0, 30, 30}, kRed);
    sheets.Sheet("frmP", 30, 30);
    EXPECT_EQ(At("frmP", 5, 5), kRed);
    Canvas& again = sheets.Sheet("frmP", 40, 20);
    EXPECT_EQ(again.Extent(), (Rect{0, 0, 40, 20}));
    EXPECT_EQ(At("frmP", 5, 5), kWhite);
    EXPECT_EQ(sheets.Sheet("tiny", 0, -4).Extent(), (Rect{0, 0, 1, 1}));
    EXPECT_EQ(sheets.SheetDC("never made"), nullptr);
}

TEST_F(CanvasTest, BackBufferBlitsKeepsItsPictureAndPaintsAWindow) {
    Canvas& source = sheets.Sheet("cards", 20, 20);
    source.Fill({4, 4, 7, 7}, kNavy);
    source.SetPixel({5, 5}, kRed);

    BackBuffer buffer(fonts, &sheets);
    ASSERT_TRUE(buffer.Resize(80, 50));
    buffer.Draw().Blit("cards", {4, 4, 7, 7}, {10, 20});
    buffer.Draw().Blit("no such sheet", {0, 0, 5, 5}, {0, 0});
    EXPECT_EQ(GetPixel(buffer.DC(), 10, 20) & 0xFFFFFF, kNavy);
    EXPECT_EQ(GetPixel(buffer.DC(), 11, 21) & 0xFFFFFF, kRed);
    EXPECT_EQ(GetPixel(buffer.DC(), 13, 20) & 0xFFFFFF, kWhite);
    EXPECT_EQ(GetPixel(buffer.DC(), 0, 0) & 0xFFFFFF, kWhite);

    ASSERT_TRUE(buffer.Resize(120, 90));
    ASSERT_TRUE(buffer.Resize(0, 0));  // a minimised window keeps its picture
    EXPECT_EQ(buffer.Width(), 120);
    EXPECT_EQ(GetPixel(buffer.DC(), 11, 21) & 0xFFFFFF, kRed);
    EXPECT_EQ(GetPixel(buffer.DC(), 100, 80) & 0xFFFFFF, kWhite);
    EXPECT_EQ(buffer.Draw().Extent(), (Rect{0, 0, 120, 90}));

    testing::TestWindow window(L"Tallowen painted", {100, 100, 400, 300},
                               testing::TestWindow::kPopup);
    buffer.Present(win32::ScopedDC::Client(window.Handle()).Get());
    auto desktop = MakeWin32Desktop();
    std::vector<std::uint16_t> pixels(4 * 2);
    ASSERT_EQ(desktop->CopyPixels(win32::FromHwnd(window.Handle()), {10, 20, 14, 22}, true, pixels),
              2);
    // Bottom-up: row 0 is client row 21.
    EXPECT_EQ(pixels[0] & 0x7FFF, 0x0010);  // navy
    EXPECT_EQ(pixels[1] & 0x7FFF, 0x7C00);  // red
    EXPECT_EQ(pixels[3] & 0x7FFF, 0x7FFF);  // white
}

}  // namespace
}  // namespace tallowen

#include <gtest/gtest.h>

#include "ReadingFixture.h"
#include "reading/Glyphs.h"

namespace tallowen {
namespace {

using testing::DrawText;
using testing::kBlack;
using testing::kGray;
using testing::kWhite;
using testing::ReadingRig;

constexpr int kBand = 4;  // band top row of the test lines

// One text band drawn into a white strip, captured and turned into column codes.
struct LineRig : ReadingRig {
    explicit LineRig(Image555 picture, int language = 1)
        : ReadingRig(std::move(picture), language) {
        Capture();
        ctx.codes.Size(1, ctx.GameGrid.WindowWidth - 1);
        GetLineBMP(ctx, "Test", kBand, 1);
    }
    std::vector<std::string> Words(int count, int pos = 1) {
        std::vector<std::string> words;
        for (int i = 0; i < count; ++i) {
            std::string w;
            ReadWord(ctx, w, pos);
            words.push_back(w);
        }
        return words;
    }
};

Image555 Strip(int width = 200) {
    return Image555(width, 20, kWhite);
}
void GrayColumn(Image555& image, int x) {
    image.Fill(x, 0, x + 1, 20, kGray);
}

TEST(LineBuilding, BitElevenIsTheBandTopAndTheFirstSlotHoldsTheOr) {
    Image555 image = Strip(40);
    image.Set(10, kBand, kBlack);       // top row -> bit 11
    image.Set(11, kBand + 11, kBlack);  // bottom row -> bit 0
    image.Set(12, kBand + 12, kBlack);  // below the band: not part of it
    LineRig rig(std::move(image));
    EXPECT_EQ(rig.ctx.codes.At(10), 0x800);
    EXPECT_EQ(rig.ctx.codes.At(11), 0x001);
    EXPECT_EQ(rig.ctx.codes.At(12), 0);
    EXPECT_EQ(rig.ctx.codes.At(1), 0x801);
    EXPECT_EQ(rig.ctx.codes.At(39), 0x4000);
}

TEST(LineBuilding, GrayBlankColumnsAreSeparatorsWhiteOnesAreBlank) {
    Image555 image = Strip(40);
    GrayColumn(image, 10);
    image.Fill(20, kBand + 1, 21, kBand + 11, kGray);  // gray only on rows 1..10
    image.Fill(30, kBand + 2, 31, kBand + 11, kGray);  // row 1 white: not a separator
    LineRig rig(std::move(image));
    EXPECT_EQ(rig.ctx.codes.At(10), 0x4000);
    EXPECT_EQ(rig.ctx.codes.At(20), 0x4000);
    EXPECT_EQ(rig.ctx.codes.At(30), 0);
    EXPECT_EQ(rig.ctx.codes.At(5), 0);
}

TEST(LineBuilding, DarkColoursAreInkToo) {
    Image555 image = Strip(60);
    DrawText(image, 10, kBand, "Ann", testing::kDarkInk);
    LineRig rig(std::move(image));
    EXPECT_EQ(rig.Words(1), (std::vector<std::string>{"Ann"}));
}

TEST(LineBuilding, BandBelowTheWindowBeepsAndReportsOnce) {
    LineRig rig(Strip(40));
    rig.sound.beeps = 0;
    GetLineBMP(rig.ctx, "CaptHand", 15, 1);
    EXPECT_EQ(rig.sound.beeps, 1);
    ASSERT_EQ(rig.reports.size(), 1u);
    const auto& lines = rig.reports[0];
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[1].rfind("GetLineBMP from CaptHand ", 0), 0u);
    EXPECT_EQ(lines[2], "Line = 15, BM.Length = 40");
    EXPECT_EQ(lines[3], "BM = (0,0)-(40,20)");
    EXPECT_EQ(lines[4].rfind("k, UB = ", 0), 0u);
    EXPECT_EQ(lines[4].substr(lines[4].find(", ", 6)), ", 799");
    EXPECT_EQ(lines[5], "GraySwitch = 1");
    EXPECT_EQ(rig.ctx.codes.At(1), 0);  // the missing pixels add no ink
}

TEST(WordReading, CellsBetweenGrayColumnsReadAsWords) {
    Image555 image = Strip();
    GrayColumn(image, 40);
    GrayColumn(image, 80);
    DrawText(image, 5, kBand, "1C");
    DrawText(image, 45, kBand, "Pass");
    DrawText(image, 85, kBand, "7NT");
    LineRig rig(std::move(image));
    EXPECT_EQ(rig.Words(4), (std::vector<std::string>{"1C", "Pass", "7NT", ""}));
}

TEST(WordReading, FirstSlotIsNotReadAsAGlyph) {
    Image555 image = Strip();
    DrawText(image, 2, kBand, "Bob");  // ink from the first column on
    GrayColumn(image, 30);
    LineRig rig(std::move(image));
    EXPECT_NE(rig.ctx.codes.At(1), 0);
    EXPECT_EQ(rig.Words(1), (std::vector<std::string>{"Bob"}));
    std::string w;
    int pos = 0;  // before the first slot
    ReadWord(rig.ctx, w, pos);
    EXPECT_EQ(w, "");
    EXPECT_EQ(pos, 0);
}

TEST(WordReading, WhiteGapsDoNotSplitWords) {
    Image555 image = Strip();
    int x = DrawText(image, 5, kBand, "A");
    DrawText(image, x + 4, kBand, "K");
    LineRig rig(std::move(image));
    EXPECT_EQ(rig.Words(1), (std::vector<std::string>{"AK"}));
}

TEST(WordReading, AdjacentGrayColumnsGiveAnEmptyWord) {
    Image555 image = Strip();
    DrawText(image, 5, kBand, "3S");
    GrayColumn(image, 40);
    GrayColumn(image, 41);
    DrawText(image, 45, kBand, "4H");
    LineRig rig(std::move(image));
    EXPECT_EQ(rig.Words(3), (std::vector<std::string>{"3S", "", "4H"}));
}

TEST(WordReading, EachTemplateCoversExactlyItsColumns) {
    Image555 image = Strip();
    DrawText(image, 5, kBand, "il", kBlack, 0);  // "i" carries its own blank column
    LineRig rig(std::move(image));
    EXPECT_EQ(rig.Words(1), (std::vector<std::string>{"il"}));
}

TEST(WordReading, EarlierTemplateWinsALaterOneMatchesWhenItFails) {
    Image555 image = Strip();
    DrawText(image, 5, kBand, "1");
    GrayColumn(image, 20);
    DrawText(image, 25, kBand, "t");
    GrayColumn(image, 40);
    DrawText(image, 45, kBand, "fa", kBlack, 0);  // the f's hook column stands alone
    LineRig rig(std::move(image));
    EXPECT_EQ(rig.Words(3), (std::vector<std::string>{"1", "t", "fa"}));
}

TEST(WordReading, UnknownColumnReadsAsMarkAndSkipsToTheNextBlank) {
    Image555 image = Strip();
    int x = DrawText(image, 5, kBand, "2{#}", kBlack, 0);
    DrawText(image, x + 1, kBand, "3");
    LineRig rig(std::move(image));
    EXPECT_EQ(rig.Words(1), (std::vector<std::string>{"2?3"}));
}

TEST(WordReading, UnreadableGlyphTouchingTheSeparatorRunsIntoTheNextCell) {
    Image555 image = Strip();
    DrawText(image, 5, kBand, "5");
    DrawText(image, 37, kBand, "{#}");  // columns 37..39, the separator at 40
    GrayColumn(image, 40);
    DrawText(image, 45, kBand, "6");
    LineRig rig(std::move(image));
    EXPECT_EQ(rig.Words(2), (std::vector<std::string>{"5?6", ""}));
}

TEST(WordReading, AccentedGlyphUsesBitElevenAndLivesOnlyInEuropeanEditions) {
    for (int language : {1, 5}) {
        Image555 image = Strip();
        DrawText(image, 5, kBand, "C{atilde;}o");
        LineRig rig(std::move(image), language);
        EXPECT_EQ(rig.Words(1)[0], language == 1 ? "C?o" : "Catilde;o") << language;
    }
}

TEST(WordReading, KeyOutsideTheIndexMatchesNothing) {
    LineRig rig(Strip(40));
    rig.ctx.codes.Set(10, 0x5000);
    std::string name;
    int pos = 10;
    MatchGlyphAt(rig.ctx, name, 0x5000, pos);
    EXPECT_EQ(name, "?");
    EXPECT_EQ(pos, 11);
}

TEST(WordReading, NothingMatchesBeforeTheSetIsPrepared) {
    Image555 image = Strip();
    DrawText(image, 5, kBand, "1C");
    LineRig rig(std::move(image));
    std::fill(rig.ctx.glyphs.index.begin(), rig.ctx.glyphs.index.end(), 0);
    EXPECT_EQ(rig.Words(1)[0], "??");
}

TEST(TextSearch, FindsATextAndGivesTheColumnAfterIt) {
    Image555 image = Strip();
    int x = DrawText(image, 5, kBand, "Bidding");
    LineRig rig(std::move(image));
    int pos = -1;
    FindText(rig.ctx, 2, pos, "Bidding");
    EXPECT_EQ(pos, x - 1);  // DrawText leaves one blank column after the text
    FindText(rig.ctx, 2, pos, "Hand");
    EXPECT_EQ(pos, 0);
}

TEST(TextSearch, FailingGlyphIsNotRetriedAsAFirstCharacter) {
    Image555 image = Strip();
    DrawText(image, 5, kBand, "aab");
    LineRig rig(std::move(image));
    int pos = -1;
    FindText(rig.ctx, 2, pos, "ab");
    EXPECT_EQ(pos, 0);
}

// The information box: black text on white, read with the box builder.
struct BoxRig : ReadingRig {
    explicit BoxRig(Image555 picture, int language = 1) : ReadingRig(std::move(picture), language) {
        CaptureWindowRect(ctx, ImageDesktop::kWindow, ctx.ScreenGrid, Rect{}, true);
        ctx.codes.Size(1, ctx.ScreenGrid.WindowWidth - 1);
    }
    std::pair<int, std::string> Label(std::string_view label) {
        GetBoxLineBMP(ctx, kBand);
        int pos = -1;
        std::string text = "unchanged";
        FindLabelAndNumber(ctx, pos, text, label);
        return {pos, text};
    }
};

TEST(LabelAndNumber, OneAndZeroWithinTenColumnsReadTen) {
    Image555 image = Strip();
    int x = DrawText(image, 5, kBand, "Tricks:");
    x = DrawText(image, x + 3, kBand, "1");
    DrawText(image, x + 2, kBand, "0");
    BoxRig rig(std::move(image));
    auto [pos, text] = rig.Label("Tricks:");
    EXPECT_EQ(pos, 5);
    EXPECT_EQ(text, "Tricks:10");
}

TEST(LabelAndNumber, ZeroTwelveColumnsAfterTheOneIsNotPartOfIt) {
    Image555 image = Strip();
    int x = DrawText(image, 5, kBand, "Tricks:");
    x = DrawText(image, x + 3, kBand, "1", kBlack, 0);
    DrawText(image, x + 12, kBand, "0");
    BoxRig rig(std::move(image));
    EXPECT_EQ(rig.Label("Tricks:").second, "Tricks:1");
}

TEST(LabelAndNumber, SingleDigitAndElevenAndForeignLabels) {
    Image555 image = Strip();
    int x = DrawText(image, 5, kBand, "Tricks:");
    DrawText(image, x + 3, kBand, "7");
    BoxRig rig(std::move(image));
    EXPECT_EQ(rig.Label("Tricks:").second, "Tricks:7");

    Image555 eleven = Strip();
    x = DrawText(eleven, 5, kBand, "Tricks:");
    DrawText(eleven, x + 3, kBand, "11");
    BoxRig rig11(std::move(eleven));
    EXPECT_EQ(rig11.Label("Tricks:").second, "Tricks:11");
}

TEST(LabelAndNumber, LabelWithoutTemplatesIsNotFound) {
    Image555 image = Strip();
    int x = DrawText(image, 5, kBand, "{バ}{ル}:");
    DrawText(image, x + 3, kBand, "4");
    BoxRig rig(std::move(image), 2);
    auto [pos, text] = rig.Label("トリック:");
    EXPECT_EQ(pos, 0);
    EXPECT_EQ(text, "unchanged");
}

TEST(LabelAndNumber, DoesNothingUntilReadingIsPrepared) {
    Image555 image = Strip();
    int x = DrawText(image, 5, kBand, "Tricks:");
    DrawText(image, x + 3, kBand, "7");
    BoxRig rig(std::move(image));
    rig.ctx.glyphs.ready = false;
    auto [pos, text] = rig.Label("Tricks:");
    EXPECT_EQ(pos, -1);
    EXPECT_EQ(text, "unchanged");
}

TEST(BoxLines, SlidingDownOneRowGivesTheSameCodesAsBuildingAfresh) {
    Image555 image = Strip();
    DrawText(image, 5, 6, "Tricks:", kBlack);
    BoxRig rig(std::move(image));
    for (int y = 0; y <= 6; ++y) GetBoxLineBMP(rig.ctx, y);  // slides from y 1 on
    auto slid = rig.ctx.codes.codes;
    rig.ctx.boxLineY = -1000;
    GetBoxLineBMP(rig.ctx, 6);
    EXPECT_EQ(slid, rig.ctx.codes.codes);
    int pos = 0;
    FindText(rig.ctx, 2, pos, "Tricks:");
    EXPECT_GT(pos, 0);
}

TEST(BoxLines, NewCaptureIsNeverSlidOver) {
    Image555 image = Strip();
    BoxRig rig(std::move(image));
    GetBoxLineBMP(rig.ctx, 5);
    DrawText(rig.desktop.Picture(), 5, 6, "Tricks:", kBlack);
    CaptureWindowRect(rig.ctx, ImageDesktop::kWindow, rig.ctx.ScreenGrid, Rect{}, true);
    GetBoxLineBMP(rig.ctx, 6);
    int pos = 0;
    FindText(rig.ctx, 2, pos, "Tricks:");
    EXPECT_GT(pos, 0);
}

TEST(BoxLines, OnlyPureBlackIsInk) {
    Image555 image = Strip();
    DrawText(image, 5, kBand, "Tricks:", testing::kDarkInk);
    BoxRig rig(std::move(image));
    GetBoxLineBMP(rig.ctx, kBand);
    EXPECT_EQ(rig.ctx.codes.Ink(), 0);
}

}  // namespace
}  // namespace tallowen

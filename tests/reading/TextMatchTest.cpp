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

// A piece of a test line: text at column x (or x columns after the previous text when
// `follows`), or a gray separator column when text is null.
struct Ink {
    int x;
    const char* text = nullptr;
    int gap = 1;
    bool follows = false;
    std::uint16_t colour = kBlack;
};

Image555 Line(const std::vector<Ink>& pieces, int width = 200) {
    Image555 image(width, 20, kWhite);
    int end = 0;
    for (const Ink& p : pieces) {
        const int x = p.follows ? end + p.x : p.x;
        if (p.text)
            end = DrawText(image, x, kBand, p.text, p.colour, p.gap);
        else
            image.Fill(x, 0, x + 1, 20, kGray);
    }
    return image;
}

// One text band drawn into a white strip, captured and turned into column codes.
struct LineRig : ReadingRig {
    explicit LineRig(Image555 picture, int language = 1)
        : ReadingRig(std::move(picture), language) {
        Capture();
        line = BuildLine(ctx, "Test", 1, ctx.GameGrid.WindowWidth - 1, kBand, 1);
    }
    std::vector<std::string> Words(int count) {
        std::vector<std::string> words(static_cast<std::size_t>(count));
        int pos = 1;
        for (auto& w : words) w = ReadWord(ctx.glyphs, line, pos);
        return words;
    }
    LineCodes line;
};

TEST(LineBuilding, BitElevenIsTheBandTopAndTheFirstSlotHoldsTheOr) {
    Image555 image(40, 20, kWhite);
    image.Set(10, kBand, kBlack);                      // top row -> bit 11
    image.Set(11, kBand + 11, kBlack);                 // bottom row -> bit 0
    image.Set(12, kBand + 12, kBlack);                 // below the band: not part of it
    image.Fill(20, kBand + 1, 21, kBand + 11, kGray);  // gray on rows 1..10: a separator
    image.Fill(30, kBand + 2, 31, kBand + 11, kGray);  // row 1 white: not a separator
    LineRig rig(std::move(image));
    const auto& c = rig.line;
    EXPECT_EQ(std::vector<int>({c.At(10), c.At(11), c.At(12), c.At(20), c.At(30), c.At(5)}),
              std::vector<int>({0x800, 0x001, 0, 0x4000, 0, 0}));
    EXPECT_EQ(c.At(1), 0x4801);  // the OR of the line, separators included
    EXPECT_EQ(c.At(39), 0x4000);
}

TEST(LineBuilding, BandBelowTheWindowBeepsAndReportsOnce) {
    LineRig rig(Image555(40, 20, kWhite));
    FixedCalendar calendar;
    calendar.timeOfDay = {9, 5, 7};
    rig.ctx.calendar = &calendar;
    rig.sound.beeps = 0;
    const LineCodes line = BuildLine(rig.ctx, "CaptHand", 1, 39, 15, 1);
    EXPECT_EQ(rig.sound.beeps, 1);
    ASSERT_EQ(rig.reports.size(), 1u);
    ASSERT_EQ(rig.reports[0].size(), 6u);
    EXPECT_EQ(rig.reports[0][1], "GetLineBMP from CaptHand 2026/12/06 09:05:07");
    EXPECT_EQ(line.At(1), 0);  // the missing pixels add no ink
}

// Slots wholly outside the copy (right of it, left of the window, above or below it) give a
// line of the slots asked for, without ink, that reads as nothing; either builder.
TEST(LineBuilding, SlotsOutsideTheCaptureGiveALineWithoutInk) {
    Image555 image(40, 20, kBlack);
    LineRig rig(std::move(image));
    CaptureWindowRect(rig.ctx, ImageDesktop::kWindow, rig.ctx.ScreenGrid, Rect{}, true);
    struct Range {
        int first, last, y, wantFirst, wantLast;
        bool ink = false;
    };
    for (const Range r :
         {Range{45, 300, 4, 45, 300}, Range{-90, -10, 4, 0, 0}, Range{-90, 10, 4, 0, 10, true},
          Range{1, 39, -40, 1, 39}, Range{1, 39, 25, 1, 39}, Range{30, 20, 4, 30, 30}}) {
        const LineCodes lines[] = {BuildLine(rig.ctx, "Test", r.first, r.last, r.y, 1),
                                   BuildBoxLine(rig.ctx, r.first, r.last, r.y)};
        for (const LineCodes& line : lines) {
            EXPECT_EQ(std::vector<int>({line.first, line.last, int(line.codes.size())}),
                      std::vector<int>({r.wantFirst, r.wantLast, r.wantLast - r.wantFirst + 1}));
            // A line of one slot holds only the separator.
            EXPECT_EQ(line.Ink() != 0 && line.first != line.last, r.ink) << r.first << " " << r.y;
            EXPECT_EQ(line.At(line.last), 0x4000);
            EXPECT_EQ(line.At(line.first - 1) | line.At(line.last + 1), 0);
            int pos = line.first;
            const std::string word = ReadWord(rig.ctx.glyphs, line, pos);
            EXPECT_TRUE(r.ink || word.empty()) << word;
            EXPECT_LE(pos, std::max(line.last, line.first + 1));
        }
    }
}

struct WordCase {
    const char* name;
    std::vector<Ink> pieces;
    std::vector<std::string> words;
    int language = 1;
};

class WordReading : public ::testing::TestWithParam<WordCase> {};

TEST_P(WordReading, ReadsTheCells) {
    const WordCase& c = GetParam();
    LineRig rig(Line(c.pieces), c.language);
    EXPECT_EQ(rig.Words(int(c.words.size())), c.words);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, WordReading,
    ::testing::Values(
        WordCase{"GrayColumnsSeparateCells",
                 {{5, "1C"}, {40}, {45, "Pass"}, {80}, {85, "7NT"}},
                 {"1C", "Pass", "7NT", ""}},
        // Ink from the first column on: the first slot holds the OR and is no glyph.
        WordCase{"FirstSlotIsSkipped", {{2, "Bob"}, {30}}, {"Bob"}},
        WordCase{"DarkColoursAreInk", {{10, "Ann", 1, false, testing::kDarkInk}}, {"Ann"}},
        WordCase{"WhiteGapsDoNotSplit", {{5, "A"}, {4, "K", 1, true}}, {"AK"}},
        WordCase{"AdjacentGrayColumnsGiveAnEmptyWord",
                 {{5, "3S"}, {40}, {41}, {45, "4H"}},
                 {"3S", "", "4H"}},
        // "i" carries its own blank column.
        WordCase{"TemplatesCoverExactlyTheirColumns", {{5, "il", 0}}, {"il"}},
        // The f's hook column stands alone: the earlier template fails, a later one matches.
        WordCase{"EarlierTemplateWinsALaterOneMatchesWhenItFails",
                 {{5, "1"}, {20}, {25, "t"}, {40}, {45, "fa", 0}},
                 {"1", "t", "fa"}},
        WordCase{
            "UnknownColumnIsAMarkUpToTheNextBlank", {{5, "2{#}", 0}, {1, "3", 1, true}}, {"2?3"}},
        // Columns 37..39 touch the separator at 40: the mark runs into the next cell.
        WordCase{
            "UnreadableGlyphAtTheSeparator", {{5, "5"}, {37, "{#}"}, {40}, {45, "6"}}, {"5?6", ""}},
        // Accents use bit 11; the accented glyphs live only in the European editions.
        WordCase{"AccentInEnglish", {{5, "C{atilde;}o"}}, {"C?o"}, 1},
        WordCase{"AccentInItalian", {{5, "C{atilde;}o"}}, {"Catilde;o"}, 5}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WordReadingEdges, BeforeTheFirstSlotAKeyAboveTheIndexOrAnUnpreparedSetReadNothing) {
    LineRig rig(Line({{5, "1C"}}));
    std::string w;
    int pos = 0;
    w = ReadWord(rig.ctx.glyphs, rig.line, pos);
    EXPECT_EQ(w, "");
    EXPECT_EQ(pos, 0);
    rig.line.Set(30, 0x5000);  // above 16384: outside the index
    pos = 30;
    MatchGlyphAt(rig.ctx.glyphs, rig.line, w, 0x5000, pos);
    EXPECT_EQ(w, "?");
    EXPECT_EQ(pos, 31);
    rig.line.Set(30, 0);
    std::fill(rig.ctx.glyphs.index.begin(), rig.ctx.glyphs.index.end(), 0);
    EXPECT_EQ(rig.Words(1)[0], "??");
}

TEST(TextSearch, GivesTheColumnAfterTheTextAndDoesNotRetryAFailingGlyph) {
    Image555 image(200, 20, kWhite);
    const int x = DrawText(image, 5, kBand, "Bidding");
    DrawText(image, x + 20, kBand, "aab");
    LineRig rig(std::move(image));
    auto find = [&](std::string_view text) { return FindText(rig.ctx.glyphs, rig.line, 2, text); };
    EXPECT_EQ(find("Bidding"), x - 1);  // DrawText leaves one blank column after the text
    EXPECT_EQ(find("Hand"), 0);
    EXPECT_EQ(find("ab"), 0);
}

// The information box: black text on white, read with the box builder.
struct BoxRig : ReadingRig {
    explicit BoxRig(Image555 picture, int language = 1) : ReadingRig(std::move(picture), language) {
        CaptureBox();
    }
    void CaptureBox() {
        CaptureWindowRect(ctx, ImageDesktop::kWindow, ctx.ScreenGrid, Rect{}, true);
    }
    LineCodes Band(int y, LineCodes above = {}) const {
        return BuildBoxLine(ctx, 1, ctx.ScreenGrid.WindowWidth - 1, y, std::move(above));
    }
    std::pair<int, std::string> Label(std::string_view label) {
        int pos = -1;
        std::string text = "unchanged";
        FindLabelAndNumber(ctx.glyphs, Band(kBand), pos, text, label);
        return {pos, text};
    }
};

// A one and a zero within ten columns read ten; twelve columns apart they do not.
TEST(LabelAndNumber, ReadsTheCount) {
    const std::tuple<const char*, int, const char*> counts[] = {{"7", 1, "Tricks:7"},
                                                                {"11", 1, "Tricks:11"},
                                                                {"10", 3, "Tricks:10"},
                                                                {"10", 12, "Tricks:1"}};
    for (auto [number, gap, want] : counts) {
        Image555 image(200, 20, kWhite);
        DrawText(image, DrawText(image, 5, kBand, "Tricks:") + 3, kBand, number, kBlack, gap);
        BoxRig rig(std::move(image));
        EXPECT_EQ(rig.Label("Tricks:"), (std::pair<int, std::string>{5, want})) << number << gap;
    }
}

TEST(LabelNotRead, WithoutTemplatesOrBeforeReadingIsPrepared) {
    Image555 kana(200, 20, kWhite);
    DrawText(kana, DrawText(kana, 5, kBand, "{バ}{ル}:") + 3, kBand, "4");
    BoxRig japanese(std::move(kana), 2);
    EXPECT_EQ(japanese.Label("トリック:"), (std::pair<int, std::string>{0, "unchanged"}));

    Image555 image(200, 20, kWhite);
    DrawText(image, DrawText(image, 5, kBand, "Tricks:") + 3, kBand, "7");
    BoxRig rig(std::move(image));
    rig.ctx.glyphs.ready = false;
    EXPECT_EQ(rig.Label("Tricks:"), (std::pair<int, std::string>{-1, "unchanged"}));

    Image555 dark(200, 20, kWhite);
    DrawText(dark, 5, kBand, "Tricks:", testing::kDarkInk);
    BoxRig grey(std::move(dark));
    EXPECT_EQ(grey.Band(kBand).Ink(), 0) << "only pure black is ink in the box";
}

TEST(BoxLines, SlidingDownOneRowIsBuildingAfreshButANewCaptureIsNeverSlidOver) {
    BoxRig rig(Image555(200, 20, kWhite));
    LineCodes above = rig.Band(5);
    DrawText(rig.desktop.Picture(), 5, 6, "Tricks:");
    rig.CaptureBox();
    const LineCodes recaptured = rig.Band(6, above);
    EXPECT_GT(FindText(rig.ctx.glyphs, recaptured, 2, "Tricks:"), 0);
    LineCodes slid;
    for (int y = 0; y <= 6; ++y) slid = rig.Band(y, std::move(slid));  // slides from y 1 on
    EXPECT_EQ(slid.codes, rig.Band(6).codes);
    // A band over other slots is no band to slide from, however near its row.
    const LineCodes narrow = BuildBoxLine(rig.ctx, 1, 60, 5);
    EXPECT_EQ(rig.Band(6, narrow).codes, rig.Band(6).codes);
}

}  // namespace
}  // namespace tallowen

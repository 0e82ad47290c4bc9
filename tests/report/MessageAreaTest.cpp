// The message area's layout: which font each part of a message takes, where the pieces stand,
// how a long path breaks, and the plain text the window reports.
#include <gtest/gtest.h>

#include "common/Utf8.h"
#include "platform/CodePage.h"
#include "report/MessageArea.h"

namespace tallowen {
namespace {

// Fixed widths per character: Latin 6, bold 7, interface 12.
int FakeWidth(std::string_view text, MessageFont font) {
    int per = font == MessageFont::Latin ? 6 : font == MessageFont::LatinBold ? 7 : 12;
    return per * int(CharCount(text));
}

std::string Describe(const std::vector<MessageRun>& runs) {
    std::string out;
    for (const MessageRun& run : runs)
        out += std::string(run.font == MessageFont::Latin       ? "L"
                           : run.font == MessageFont::LatinBold ? "B"
                                                                : "I") +
               "[" + run.text + "]";
    return out;
}

struct RunCase {
    const char* text;
    unsigned codePage;
    bool whole;
    const char* runs;
};

class MessageRunsTest : public ::testing::TestWithParam<RunCase> {};

TEST_P(MessageRunsTest, FontsFollowTheCharacters) {
    auto page = OpenCodePage(GetParam().codePage);
    ASSERT_TRUE(page);
    EXPECT_EQ(Describe(MessageRuns(GetParam().text, *page, GetParam().whole)), GetParam().runs);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, MessageRunsTest,
    ::testing::Values(RunCase{"  App.Path = C:\\Games", 1252, false,
                              "L[  App]B[.]L[Path = C]B[:]L[\\Games]"},
                      RunCase{"1,2", 1252, false, "L[1]B[,]L[2]"},
                      // Latin-1 letters are single bytes in the Western page.
                      RunCase{"Café", 1252, false, "L[Café]"},
                      RunCase{"   作業ファイル (brg) = 3 個.", 932, false,
                              "L[   ]I[作業ファイル]L[ (brg) = 3 ]I[個]B[.]"},
                      // The yen-sign byte of the Japanese page stays the Latin backslash.
                      RunCase{"C:\\ハンド記録\\", 932, false, "L[C]B[:]L[\\]I[ハンド記録]L[\\]"},
                      // A character the page cannot hold at all has no Latin glyph either.
                      RunCase{"ハンド", 1252, false, "I[ハンド]"},
                      RunCase{"  App.Path = C:\\ハンド", 932, true, "I[  App.Path = C:\\ハンド]"},
                      RunCase{"", 1252, false, ""}));

class MessageAreaTest : public ::testing::Test {
protected:
    std::unique_ptr<CodePage> page = OpenCodePage(1252);
    MessageArea area{FakeWidth, *page, 400};
};

TEST_F(MessageAreaTest, PrintContinuesTheLineAndNewLinesGoBackToTheMargin) {
    area.Print("ab");
    area.Print("c.");
    ASSERT_EQ(area.Pieces().size(), 2u);
    EXPECT_EQ(area.Pieces()[0].x, kMessageMargin);
    EXPECT_EQ(area.Pieces()[1].x, kMessageMargin + 12);
    EXPECT_EQ(area.X(), kMessageMargin + 12 + 6 + 7);  // the dot is bold
    area.NewLines(2);
    area.Print("d");
    EXPECT_EQ(area.Pieces()[2].x, kMessageMargin);
    EXPECT_EQ(area.Pieces()[2].line, 2);
    EXPECT_EQ(area.Text(), "abc.\r\n\r\nd");
}

TEST_F(MessageAreaTest, ShortPathStaysOnItsLine) {
    area.Print("  App");
    area.PrintPath(" C\\Games\\Tallowen");
    EXPECT_EQ(area.Line(), 0);
    ASSERT_EQ(area.Pieces().size(), 2u);
    EXPECT_EQ(area.Pieces()[1].x, kMessageMargin + 30);
}

TEST_F(MessageAreaTest, LongPathBreaksAtBackslashesAndTheNextTextFollowsIt) {
    // 60 folders of 5 characters: 360 pixels each line of the area holds about ten.
    std::string path = "D";
    for (int i = 0; i < 60; ++i) path += "\\abcd";
    area.Print("  Path = ");
    area.PrintPath(path);
    EXPECT_GT(area.Line(), 3);
    // Each continued line starts at x 8 with a backslash; pieces on a line follow each other.
    const auto& pieces = area.Pieces();
    for (std::size_t i = 2; i < pieces.size(); ++i) {
        EXPECT_EQ(pieces[i].text[0], '\\');
        if (pieces[i].line != pieces[i - 1].line)
            EXPECT_EQ(pieces[i].x, 8) << i;
        else
            EXPECT_EQ(pieces[i].x, pieces[i - 1].x + area.TextWidth(pieces[i - 1].text)) << i;
    }
    for (const MessagePiece& piece : area.Pieces())
        EXPECT_LT(piece.x + area.TextWidth(piece.text), 400 - 8) << piece.text;
    // Nothing of the path is lost on the way.
    std::string joined;
    for (std::size_t i = 1; i < area.Pieces().size(); ++i) joined += area.Pieces()[i].text;
    EXPECT_EQ(joined, path);
    const int endLine = area.Line();
    area.Print(" ok");
    EXPECT_EQ(area.Pieces().back().line, endLine);
    EXPECT_GT(area.Pieces().back().x, kMessageMargin);
}

TEST_F(MessageAreaTest, FitsWidthMeasuresInTheMessageFonts) {
    // 53 Latin characters: 318 pixels, below 0.8 of 400 (320); a bold dot more is 325.
    const std::string text(53, 'x');
    EXPECT_TRUE(area.FitsWidth(text, 0.8));
    EXPECT_FALSE(area.FitsWidth(text + ".", 0.8));
    area.SetWholeInInterface(true);
    EXPECT_FALSE(area.FitsWidth(text, 0.8));
}

TEST_F(MessageAreaTest, PiecesOnLinesFindsTheVisibleRange) {
    for (int i = 0; i < 10; ++i) {
        area.Print("line");
        area.Print(std::to_string(i));
        area.NewLines(i == 4 ? 3 : 1);
    }
    auto [first, last] = area.PiecesOnLines(5, 7);
    // Lines 5 and 6 are blank; line 7 holds "line5".
    ASSERT_EQ(last - first, 2u);
    EXPECT_EQ(area.Pieces()[first].text, "line");
    EXPECT_EQ(area.Pieces()[first + 1].text, "5");
    auto none = area.PiecesOnLines(100, 200);
    EXPECT_EQ(none.first, none.second);
    EXPECT_EQ(area.PiecesOnLines(0, 1000).second, area.Pieces().size());
}

}  // namespace
}  // namespace tallowen

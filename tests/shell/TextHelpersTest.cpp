// The text helpers of the main window's drawing: cutting, printing, bids and contracts.
#include "DrawingFixture.h"
#include "common/Utf8.h"

namespace tallowen::testing {
namespace {

TEST_F(Drawing, TruncTextCutsWholeCharactersUntilTheTextFits) {
    const FontSpec font{"Times New Roman", 12, false};
    EXPECT_EQ(truncText(canvas, font, "", 0), "");
    EXPECT_EQ(truncText(canvas, font, "Bob", 100), "Bob");
    for (const std::string name : {"Bartholomew Featherstonehaugh", "山田太郎さんと花子さん"}) {
        for (int width : {0, 20, 41, 86}) {
            const std::string cut = truncText(canvas, font, name, width);
            EXPECT_LE(canvas.TextWidth(cut, font), width);
            EXPECT_EQ(name.rfind(cut, 0), 0u);
            const auto chars = SplitChars(name);
            const std::size_t n = SplitChars(cut).size();
            ASSERT_LT(n, chars.size());
            EXPECT_GT(canvas.TextWidth(cut + std::string(chars[n]), font), width)
                << "no longer text would fit";
        }
    }
}

TEST_F(Drawing, PrntMovesXAndCrLfGoesToTheNextLine) {
    pen.X = 30;
    pen.Y = 50;
    Prnt(s, "abc");
    Prnt(s, "de");
    EXPECT_EQ(TextOf("de").rect.left, TextOf("abc").rect.right);
    EXPECT_EQ(pen.X, TextOf("de").rect.right);
    CrLf(s);
    EXPECT_EQ(pen.X, kLeftMargin);
    EXPECT_EQ(pen.Y, 50 + kTextLineStep);
    truncTextPrint(s, "abcdefghij", 30);
    EXPECT_LE(canvas.Texts().back().rect.Width(), 30);
    EXPECT_EQ(canvas.Texts().back().rect.left, kLeftMargin);
}

TEST_F(Drawing, PrintUnderscoreDrawsStrokesAndEndsTheLine) {
    pen.curX = 10;
    pen.curY = 20;
    print_(s, "___");
    EXPECT_TRUE(canvas.Texts().empty());
    const auto strokes = canvas.Of(Op::Line);
    ASSERT_EQ(strokes.size(), 3u);
    EXPECT_EQ(strokes[1].from.x, strokes[0].to.x);
    EXPECT_EQ(strokes[2].from.y, strokes[0].from.y);
    EXPECT_EQ(pen.curX, 0);
    EXPECT_EQ(pen.curY, 20 + canvas.TextHeight(pen.font));
}

TEST_F(Drawing, BidsDrawTheirLevelAndSymbolOrNoTrump) {
    pen.X = 100;
    pen.Y = 200;
    Dsp_Bid(s, "パス");
    EXPECT_EQ(TextOf("パス").font.face, "メイリオ");
    EXPECT_EQ(pen.font.face, "Times New Roman") << "back afterwards";
    pen.X = 100;
    Dsp_Bid(s, "3NT");
    const CanvasCall three = TextOf("3"), nt = TextOf("NT");
    EXPECT_EQ(nt.rect.left - three.rect.right,
              RoundHalfEven(0.2 * canvas.TextWidth("T", pen.font)));
    std::set<int> lines;
    for (const char* bid : {"1C", "1D", "1H", "1S"}) {
        canvas.calls.clear();
        pen.X = 100;
        Dsp_Bid(s, bid);
        const auto marks = canvas.Of(Op::Blit);
        ASSERT_EQ(marks.size(), 1u);
        lines.insert(marks[0].rect.top);
        EXPECT_EQ(pen.X, canvas.Texts()[0].rect.right + cards.MarkWidth);
    }
    EXPECT_EQ(lines.size(), 1u) << "all four symbols on one line";
}

TEST_F(Drawing, ContractsPutTheSymbolLowerInModeOne) {
    pen.X = 10;
    pen.Y = 100;
    DspContract(s, "3NTx", 2);
    EXPECT_EQ(TextOf("NTx").rect.left, TextOf("3").rect.right + 2);
    std::array<int, 3> tops{};
    for (int mode : {0, 1, 2}) {
        canvas.calls.clear();
        pen.X = 10;
        DspContract(s, "4Sxx", mode);
        ASSERT_EQ(canvas.Of(Op::Blit).size(), 1u);
        tops[std::size_t(mode)] = canvas.Of(Op::Blit)[0].rect.top;
        EXPECT_EQ(TextOf("xx").rect.left, TextOf("4").rect.right + cards.MarkWidth + 2);
    }
    EXPECT_EQ(tops[1], tops[2] + 2);
    EXPECT_EQ(tops[0], tops[2]);
}

}  // namespace
}  // namespace tallowen::testing

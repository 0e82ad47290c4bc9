// The play table, the hands, the names and the result in the main window.
#include "DrawingFixture.h"

namespace tallowen::testing {
namespace {

Deal PlayedDeal() {
    Deal deal = samples::Western();
    deal.Names = {"North_Star", "Eastwood", "Southpaw", "Bartholomew Featherstonehaugh"};
    deal.Level = 1;
    deal.Contract = "1NT";
    deal.Declarer = 2;
    return deal;
}

TEST_F(Drawing, PlayTableRowsFollowTheRotationWithHalvesToEven) {
    Deal deal;
    deal.PlayCodes[2][0] = 314;  // South led the ace of spades and won
    deal.CardMarks[2][0] = 1;
    deal.TrickWon[2][0] = 1;
    deal.PlayCodes[2][12] = 2;
    deal.PlayCodes[0][5] = 113;
    DrawPlayTable(s, layout, deal, {2, 3, 0, 1});  // South at the bottom
    // Rows at 1.9, 4.2, 6.5 and 8.8 row units below the top offset: 52.5 goes to even.
    EXPECT_EQ(TextOf("LHO").rect.top, 20);
    EXPECT_EQ(TextOf("Pard").rect.top, 36);
    EXPECT_EQ(TextOf("RHO").rect.top, 52);
    EXPECT_EQ(TextOf("Me").rect.top, 69);
    EXPECT_EQ(TextOf("Me").rect.left, TextOf("LHO").rect.left + 5);
    EXPECT_EQ(TextOf("LHO").font.face, "Arial");
    const auto cards3 = canvas.Of(Op::Blit);
    ASSERT_EQ(cards3.size(), 3u);
    // Partner (North) plays on the second row; my cards on the last, trick 1 at L + 53, each
    // trick one pixel more than a sheet column further right.
    EXPECT_EQ(cards3[0].rect.top, TextOf("Pard").rect.top);
    EXPECT_EQ(cards3[1].rect.top, TextOf("Me").rect.top);
    EXPECT_EQ(cards3[1].rect.left, 55);
    EXPECT_EQ(cards3[2].rect.left, 55 + 12 * (kPlayColumn + 1));
    // The ace led and won: the "[ ]" look, winner's rows, spades.
    EXPECT_EQ(cards3[1].source.top / cards.PlayCellHeight, 8 + 4 + 3);
    EXPECT_EQ(cards3[2].source.top / cards.PlayCellHeight, 0);
    // Trick numbers 5.2 column units apart, the two-digit ones one unit left.
    std::vector<int> xs;
    for (int n = 1; n <= 13; ++n) xs.push_back(TextOf(std::to_string(n)).rect.left);
    for (int n = 1; n < 13; ++n)
        EXPECT_EQ(xs[std::size_t(n)] - xs[std::size_t(n - 1)], 26 - (n == 10 ? kColumnUnit : 0));
    const auto fills = canvas.Of(Op::Fill);
    ASSERT_EQ(fills.size(), 2u);
    EXPECT_EQ(fills[1].colour, layout.backColor2);
    EXPECT_EQ(canvas.Of(Op::Frame)[0].rect.right, fills[1].rect.right);
    EXPECT_EQ(canvas.Of(Op::Line)[0].from.y, 18) << "17.5 to even";
}

TEST_F(Drawing, ShortHandsAreIndentedAndTheSideHandsLineUp) {
    Deal deal;
    // Bottom (South): eight spades; left (West): nothing long; right (East): eight hearts;
    // top (North): no more than four of a suit.
    for (int i = 0; i < 13; ++i) {
        deal.SortedCodes[2][std::size_t(i)] = std::int16_t(i < 8 ? 314 - i : 14 - i);
        deal.SortedCodes[3][std::size_t(i)] = std::int16_t(100 * (3 - i % 4) + 2 + i);
        deal.SortedCodes[1][std::size_t(i)] = std::int16_t(i < 8 ? 214 - i : 14 - i);
        deal.SortedCodes[0][std::size_t(i)] = std::int16_t(100 * (i % 4) + 2 + i);
    }
    deal.LeadCode = 213;
    DrawHands(s, layout, deal, {2, 3, 0, 1});
    const auto blits = canvas.Of(Op::Blit);
    auto markAt = [&](int x, int y) {
        return std::any_of(blits.begin(), blits.end(), [&](const CanvasCall& c) {
            return c.rect.left == x && c.rect.top == y + 3;
        });
    };
    // The hand places are fixed; a suit's row starts 2 lower, its mark 1 lower again.
    EXPECT_TRUE(markAt(96, 251)) << "bottom: long hand, no indent";
    EXPECT_TRUE(markAt(1, 171)) << "left: lined up with the long right hand";
    EXPECT_TRUE(markAt(188, 171)) << "right";
    EXPECT_TRUE(markAt(96 + cards.CellWidth, 95)) << "top: short hand, indented";
    int bold = 0;
    for (const CanvasCall& c : blits) bold += c.source.top == cards.CellHeight + 1 ? 1 : 0;
    EXPECT_EQ(bold, 1) << "only the opening lead";
    EXPECT_EQ(canvas.calls.front().op, Op::Fill);
    EXPECT_EQ(canvas.calls.front().rect.right, layout.recordListLeft);
}

TEST_F(Drawing, NamesAreCutAndTheDeclarerIsBold) {
    const Deal deal = PlayedDeal();
    DrawNamesResult(s, deal, {1, 2, 3, 0});  // East at the bottom, South on the left
    std::vector<std::string> bold;
    for (const CanvasCall& c : canvas.Texts()) {
        EXPECT_EQ(c.font.points, 12);
        EXPECT_LE(c.rect.Width(), 86);
        if (c.font.bold) bold.push_back(c.text);
    }
    EXPECT_EQ(bold, std::vector<std::string>{deal.Names[std::size_t(deal.Declarer)]});
    const auto texts = canvas.Texts();
    const auto longName = std::find_if(texts.begin(), texts.end(), [](const CanvasCall& c) {
        return c.text.rfind("Barth", 0) == 0;
    });
    ASSERT_NE(longName, texts.end());
    EXPECT_LT(longName->text.size(), deal.Names[3].size());
}

TEST_F(Drawing, APassedOutBoardShowsNoResult) {
    Deal deal = PlayedDeal();
    deal.Level = 0;
    deal.Contract = "Pass Out";
    deal.Result = 0;
    deal.Declarer = 0;
    DrawNamesResult(s, deal, {0, 1, 2, 3});
    for (const CanvasCall& c : canvas.Texts()) {
        EXPECT_FALSE(c.font.bold) << "nobody declared";
        EXPECT_EQ(c.text.find("making"), std::string::npos);
        EXPECT_EQ(c.text.find("down"), std::string::npos);
        EXPECT_EQ(c.text.find("pts"), std::string::npos);
    }
    EXPECT_TRUE(canvas.Of(Op::Blit).empty());
}

TEST_F(Drawing, DownTwoShowsTheUndertricksAndAMinusInCourier) {
    Deal deal = PlayedDeal();
    deal.Level = 4;
    deal.Contract = "4S";
    deal.Result = -2;
    deal.DupPts = 200;
    DrawNamesResult(s, deal, {0, 1, 2, 3});
    const CanvasCall down = TextOf("down 2"), minus = TextOf("-"), points = TextOf("200 pts");
    EXPECT_EQ(minus.font.face, "Courier New");
    EXPECT_EQ(points.font.face, "Times New Roman");
    EXPECT_EQ(points.rect.left, minus.rect.right);
    EXPECT_EQ(minus.rect.left, down.rect.left);
    EXPECT_GT(down.rect.top, TextOf("4").rect.top);
    EXPECT_GT(points.rect.top, down.rect.top);

    deal.Result = 4;
    deal.DupPts = 420;
    canvas.calls.clear();
    DrawNamesResult(s, deal, {0, 1, 2, 3});
    EXPECT_TRUE(Drew("making 4"));
    EXPECT_FALSE(Drew("-"));
    EXPECT_TRUE(Drew("420 pts"));
}

}  // namespace
}  // namespace tallowen::testing

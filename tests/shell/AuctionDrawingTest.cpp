// The auction area of the main window, the size it asks for, and its alert border.
#include "DrawingFixture.h"

namespace tallowen::testing {
namespace {

TEST_F(Drawing, TheWindowGrowsWithTheAuctionAndLessWithoutSpareHeight) {
    // The longest auction adds 58.75 row units, 411.25 pixels; 25 fewer without spare height.
    const WindowSize base{layout.baseWidth, layout.baseHeight};
    EXPECT_EQ(DrawAuctionArea(s, layout, Auction(kMaxRounds), 0, border),
              (WindowSize{base.width, base.height + 411}));
    layout.spareHeight = 0;
    EXPECT_EQ(AuctionWindowSize(layout, kMaxRounds), (WindowSize{base.width, base.height + 386}));
    EXPECT_EQ(AuctionWindowSize(layout, 400), AuctionWindowSize(layout, kMaxRounds));
    canvas.calls.clear();
    EXPECT_EQ(DrawAuctionArea(s, layout, Auction(0), 1, border), base);
    EXPECT_TRUE(canvas.calls.empty()) << "no auction: the base size, nothing drawn";
}

TEST_F(Drawing, CallsSitOnTheirRoundsWithHalvesRoundedToEven) {
    Deal deal = Auction(2);
    deal.Calls[2][0] = "Pass";
    deal.Calls[2][2] = "1S";
    deal.Calls[1][1] = "1NT";
    DrawAuctionArea(s, layout, deal, 0, border);
    // The area's origin is (92, 388). Round 2 lies 52.5 pixels below it, round 1 35; a call of
    // two characters in the third column 172.5 right of it, one of four in the first 22.5.
    const CanvasCall level = TextsOf("1").back();
    EXPECT_EQ(level.rect.top, 440);
    EXPECT_EQ(level.rect.left, 264);
    const CanvasCall pass = TextOf("Pass");
    EXPECT_EQ(pass.rect.top, 440);
    EXPECT_EQ(pass.rect.left, 114);
    EXPECT_EQ(pass.font, (FontSpec{"Times New Roman", 14, false}));
    EXPECT_EQ(TextOf("NT").rect.top, 423) << "round 1 on a whole pixel";
    // Everything lies inside the frame: the headings above its rule, the calls below it.
    const Rect frame = canvas.Of(Op::Frame).at(0).rect;
    const int rule = canvas.Of(Op::Line).back().from.y;
    for (const CanvasCall& c : canvas.Texts()) {
        EXPECT_TRUE(c.rect.left >= frame.left && c.rect.right <= frame.right &&
                    c.rect.top >= frame.top && c.rect.bottom <= frame.bottom)
            << c.text;
        EXPECT_EQ(c.rect.bottom <= rule, c.font.points == 13) << c.text;
        EXPECT_EQ(c.rect.top > rule, c.font.points == 14) << c.text;
    }
}

TEST_F(Drawing, HeadingsAreCutToFitRedWhenVulnerableAndUnderscoresAreStrokes) {
    Deal deal = Auction(1);
    deal.Names[3] = "Wolfgang Amadeus Mozart the Younger";
    deal.ScoreBefore[1].Vul = 1;
    DrawAuctionArea(s, layout, deal, 0, border);
    std::set<int> lines;
    for (const CanvasCall& c : canvas.Texts()) {
        if (c.font.points != 13) continue;
        lines.insert(c.rect.top);
        EXPECT_LE(c.rect.Width(), 68);
        const bool eastWest = c.text.rfind("East", 0) == 0 || c.text.rfind("Wolf", 0) == 0;
        EXPECT_EQ(c.colour, eastWest ? kVulnerableRed : 0u) << c.text;
    }
    EXPECT_EQ(lines.size(), 1u) << "every heading on one line";
    EXPECT_FALSE(Drew("Al_Bo"));
    const CanvasCall north = TextOf("Al"), star = TextOf("Bo");
    const auto strokes = canvas.Of(Op::Line);
    ASSERT_FALSE(strokes.empty());
    EXPECT_EQ(strokes[0].from.x, north.rect.right);
    EXPECT_EQ(strokes[0].to.x - strokes[0].from.x, 5);
    EXPECT_GT(strokes[0].from.y, north.rect.top);
    EXPECT_LT(strokes[0].from.y, north.rect.bottom);
    EXPECT_EQ(star.rect.left, north.rect.right + 5);

    canvas.calls.clear();
    DrawAuctionArea(s, layout, deal, 1, border);
    EXPECT_TRUE(Drew("n-auc")) << "right after the auction capture";
    EXPECT_FALSE(Drew("Southpaw"));
}

TEST_F(Drawing, TheContractLineFollowsAFinishedAuctionOnly) {
    Deal deal = Auction(3);
    deal.Level = 4;
    deal.Contract = "4Hx";
    deal.Declarer = 2;
    DrawAuctionArea(s, layout, deal, 2, border);
    const CanvasCall label = TextOf("Contract"), colon = TextOf(" :"), seat = TextOf(" South  ");
    EXPECT_FALSE(label.font.bold);
    EXPECT_TRUE(colon.font.bold);
    EXPECT_EQ(colon.rect.left, label.rect.right);
    EXPECT_EQ(seat.rect.left, colon.rect.right);
    EXPECT_EQ(label.font.points, layout.designPoints);
    const CanvasCall level = TextsOf("4").back(), doubled = TextOf("x");
    EXPECT_EQ(level.rect.left, seat.rect.right);
    EXPECT_EQ(doubled.rect.left, level.rect.right + cards.MarkWidth + 2) << "the heart between";

    layout.language = 2;
    canvas.calls.clear();
    DrawAuctionArea(s, layout, deal, 2, border);
    EXPECT_EQ(TextOf("コントラクト").font.face, "メイリオ");

    deal.Level = 0;
    deal.Contract = "Pass Out";
    canvas.calls.clear();
    DrawAuctionArea(s, layout, deal, 0, border);
    EXPECT_FALSE(Drew("Contract"));
    EXPECT_FALSE(Drew("コントラクト"));
}

TEST_F(Drawing, TheFrameIsBlueRightAfterTheAuctionCaptureAndNavyOtherwise) {
    for (int mode : {0, 1, 2}) {
        canvas.calls.clear();
        DrawAuctionArea(s, layout, Auction(2), mode, border);
        const auto frames = canvas.Of(Op::Frame);
        ASSERT_EQ(frames.size(), 1u);
        EXPECT_EQ(frames[0].colour, mode == 1 ? kFrameBlue : kNavy);
        EXPECT_EQ(frames[0].rect.Height(), 66) << "9.5 rows of 7 pixels, 66.5 to even";
        EXPECT_EQ(frames[0].rect.Width(), 60 * kColumnUnit);
        const auto rules = canvas.Of(Op::Line);
        ASSERT_FALSE(rules.empty());
        EXPECT_EQ(rules.back().colour, frames[0].colour);
        EXPECT_EQ(rules.back().from.y, 420) << "419.5 to even";
    }
}

TEST_F(Drawing, TheBorderIsDrawnOnceErasedCompletelyAndForgottenWhenTheAreaIsCleared) {
    DrawBorderLine(canvas, layout, border);
    DrawBorderLine(canvas, layout, border);
    ASSERT_EQ(canvas.calls.size(), 1u);
    const Rect bar = canvas.calls[0].rect;
    EXPECT_EQ(canvas.calls[0].colour, ColourRef(255, 0, 0));
    EXPECT_EQ(bar, (Rect{0, layout.borderY - 1, layout.innerWidth, layout.borderY + 3}));
    EraseBorderLine(canvas, layout, border);
    EraseBorderLine(canvas, layout, border);
    ASSERT_EQ(canvas.calls.size(), 2u);
    const Rect erased = canvas.calls[1].rect;
    EXPECT_EQ(canvas.calls[1].colour, kBack);
    EXPECT_TRUE(erased.top <= bar.top && erased.bottom >= bar.bottom && erased.left <= bar.left &&
                erased.right >= bar.right);
    DrawBorderLine(canvas, layout, border);
    ClrAuctionArea(canvas, layout, border);
    EXPECT_FALSE(border);
    EXPECT_EQ(canvas.calls.back().rect,
              (Rect{0, layout.cmdEndBottom, canvas.extent.right, canvas.extent.bottom}));
    DrawBorderLine(canvas, layout, border);
    EXPECT_EQ(canvas.calls.back().colour, ColourRef(255, 0, 0)) << "drawn again";
}

}  // namespace
}  // namespace tallowen::testing

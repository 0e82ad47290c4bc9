// The bidding board: what it shows with and without a contract, the height it takes, its
// caption in the Japanese interface, and the move away from the bottom of the screen.
#include <gtest/gtest.h>

#include <set>

#include "shell/BiddingBoard.h"
#include "sim/NullBackends.h"

namespace tallowen {
namespace {

using Op = CanvasCall::Op;
constexpr std::uint32_t kBack = 0xE0E8F0;

class Board : public ::testing::Test {
protected:
    Board() {
        ExecHandSheet(sheets, kBack, cards);
        layout.backColor = kBack;
        layout.spareHeight = 20;
        layout.runtimeKind = 1;
        layout.place = Rect{900, 500, 1180, 700};
        layout.screenBottom = 1000;
        calls[1] = {"1C", "Pass", "1NT", "Pass"};
        calls[2] = {"2H", "X", "Pass", "Pass"};
        calls[3] = {"Pass", "", "", ""};
        canvas.extent = Rect{0, 0, 280, 400};
    }
    BoardResult Show(int rounds, int level, int declarer, std::string_view contract) {
        canvas.calls.clear();
        return Show_Bidding(
            s, layout, BoardAuction{calls, rounds, vul0, vul1, names, level, declarer, contract});
    }
    CanvasCall TextOf(std::string_view text) const {
        for (const CanvasCall& c : canvas.Texts())
            if (c.text == text) return c;
        ADD_FAILURE() << "no text \"" << text << "\"";
        return {};
    }
    bool Drew(std::string_view text) const {
        for (const CanvasCall& c : canvas.Texts())
            if (c.text == text) return true;
        return false;
    }

    RecordingSheets sheets;
    CardMetrics cards;
    RecordingCanvas canvas;
    TextPen pen;
    Surface s{canvas, pen, cards, "メイリオ"};
    BoardLayout layout;
    CallGrid calls;
    SeatNames names{"Ann", "Bartholomew Featherstonehaugh", "Cy", "Di"};
    int vul0 = 0, vul1 = 1;
};

TEST_F(Board, WithoutAContractItShowsOnlyNamesAndCalls) {
    BoardResult result = Show(3, 0, -1, "");
    EXPECT_FALSE(Drew("Contract"));
    EXPECT_TRUE(Drew("Ann"));
    EXPECT_TRUE(Drew("Pass"));
    EXPECT_EQ(TextOf("Ann").rect.top, 11);
    EXPECT_EQ(result.caption, "") << "the English interface keeps its caption";
    layout.japaneseInterface = true;
    result = Show(3, 0, -1, "");
    EXPECT_EQ(result.caption, " 現在のビッド経過");
    EXPECT_EQ(canvas.calls.front().op, Op::Fill);
    EXPECT_EQ(canvas.calls.front().colour, kBack);
}

TEST_F(Board, AContractGoesOnTopAndPushesTheAuctionDown) {
    layout.japaneseInterface = true;
    const BoardResult result = Show(3, 2, 0, "2Hx");
    EXPECT_EQ(result.caption, " このコントラクトのビッド経過");
    const CanvasCall label = TextOf("Contract"), colon = TextOf(" :");
    EXPECT_EQ(label.rect.left, 138);
    EXPECT_EQ(label.rect.top, 0);
    EXPECT_TRUE(colon.font.bold);
    EXPECT_TRUE(Drew(" North  "));
    EXPECT_EQ(TextOf("Ann").rect.top, 23) << "12 lower than without a contract";
    EXPECT_EQ(canvas.Of(Op::Frame)[0].rect.top, 19);
    EXPECT_EQ(canvas.Of(Op::Line).back().from.y, 46) << "45.5 to even";

    layout.language = 2;
    Show(3, 2, 0, "2Hx");
    EXPECT_EQ(TextOf("コントラクト").font.face, "メイリオ");
}

TEST_F(Board, HeightFollowsTheRoundsTheSpareHeightAndTheRuntime) {
    EXPECT_EQ(Show(3, 0, -1, "").height, 134);
    layout.spareHeight = 0;
    EXPECT_EQ(Show(3, 0, -1, "").height, 124);
    layout.runtimeKind = 2;
    const BoardResult result = Show(3, 0, -1, "");
    EXPECT_EQ(result.height, 130);
    EXPECT_EQ(result.place, (Rect{900, 500, 1180, 630})) << "left, top and width kept";
    EXPECT_EQ(BoardPlace(layout, 3, false).height, 130);
    EXPECT_EQ(Show(99, 0, -1, "").height, Show(20, 0, -1, "").height) << "at most 20 rounds";
}

TEST_F(Board, RoundsAndFrameRoundHalvesToEven) {
    calls[10] = {"", "7NT", "", ""};
    Show(10, 0, -1, "");
    EXPECT_EQ(TextOf("7").rect.top, 206) << "206.5";
    EXPECT_EQ(canvas.Of(Op::Frame)[0].rect.Height(), 220) << "220.5";
}

TEST_F(Board, ABoardNearTheBottomOfTheScreenMovesUp) {
    layout.screenBottom = 644;  // the new bottom 634 is 10 pixels above it
    BoardResult result = Show(3, 0, -1, "");
    EXPECT_FALSE(result.movedUp);
    EXPECT_EQ(result.place.bottom, 634);
    layout.screenBottom = 643;
    result = Show(3, 0, -1, "");
    EXPECT_TRUE(result.movedUp);
    EXPECT_EQ(result.place, (Rect{900, 490, 1180, 624}));
}

// Only a saved place at 0, 0 is none: a board left against the screen's left or top edge
// opens there again.
TEST(BoardOpening, WhereTheUserLeftItElseAtTheConfiguredPoint) {
    const PointXY configured{1400, 720};
    EXPECT_EQ(BoardOpening(Rect{}, configured), (Point{1400, 720}));
    EXPECT_EQ(BoardOpening(Rect{300, 40, 590, 240}, configured), (Point{300, 40}));
    EXPECT_EQ(BoardOpening(Rect{0, 40, 290, 240}, configured), (Point{0, 40}));
    EXPECT_EQ(BoardOpening(Rect{300, 0, 590, 200}, configured), (Point{300, 0}));
}

TEST_F(Board, VulnerableNamesAreRedTheDeclarerBoldAndLongNamesCut) {
    Show(3, 1, 2, "1NT");
    std::set<int> lines;
    for (const CanvasCall& c : canvas.Texts()) {
        if (c.font.points != 14 || c.rect.top > 40) continue;
        lines.insert(c.rect.top);
        EXPECT_LE(c.rect.Width(), 58);
        const bool eastWest = c.text == "Di" || c.text.rfind("Barth", 0) == 0;
        EXPECT_EQ(c.colour, eastWest ? ColourRef(192, 0, 48) : 0u) << c.text;
        EXPECT_EQ(c.font.bold, c.text == "Cy") << c.text;
    }
    EXPECT_EQ(lines.size(), 1u);
    EXPECT_FALSE(Drew(names[1]));
    EXPECT_EQ(pen.colour, 0u);
    EXPECT_FALSE(pen.font.bold);
}

TEST_F(Board, BidsUseTheStoredSuitPictures) {
    pen.X = 50;
    pen.Y = 80;
    BoardBid(s, "1NT");
    EXPECT_EQ(TextOf("NT").rect.left, TextOf("1").rect.right + 2);
    for (int suit = 0; suit < 4; ++suit) {
        canvas.calls.clear();
        pen.X = 50;
        BoardBid(s, std::string("3") + "CDHS"[suit]);
        const auto blits = canvas.Of(Op::Blit);
        ASSERT_EQ(blits.size(), 1u);
        EXPECT_EQ(blits[0].text, kSuitPictureSheet);
        EXPECT_EQ(blits[0].source, cards.suitPictures[std::size_t(suit)]);
        EXPECT_EQ(blits[0].rect.top, 81);
        const int levelEnd = TextOf("3").rect.right;
        EXPECT_EQ(blits[0].rect.left, levelEnd - (suit == 0 ? 1 : 0));
        EXPECT_EQ(pen.X, levelEnd + blits[0].source.Width());
    }
    canvas.calls.clear();
    BoardBid(s, "Pass");
    EXPECT_TRUE(Drew("Pass"));
}

TEST_F(Board, TheContractTextHasItsPictureJustAboveTheLine) {
    pen.X = 10;
    pen.Y = 30;
    BoardContract(s, "4Hx");
    const auto blits = canvas.Of(Op::Blit);
    ASSERT_EQ(blits.size(), 1u);
    EXPECT_EQ(blits[0].rect.top, 29);
    EXPECT_EQ(blits[0].rect.left, TextOf("4").rect.right);
    EXPECT_EQ(TextOf("x").rect.left, blits[0].rect.right);
    canvas.calls.clear();
    pen.X = 10;
    BoardContract(s, "5Cxx");
    EXPECT_EQ(canvas.Of(Op::Blit)[0].rect.top, 28) << "the club a pixel higher";
    canvas.calls.clear();
    pen.X = 10;
    BoardContract(s, "3NT");
    EXPECT_EQ(TextOf("NT").rect.left, TextOf("3").rect.right);
}

}  // namespace
}  // namespace tallowen

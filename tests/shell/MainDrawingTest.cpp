// The main window's drawing as positions: the auction area and the size it asks for, the
// play table, the hands, the names and the result, the text helpers, the alert border, the
// entity text and the trick targets.
#include <gtest/gtest.h>

#include <algorithm>

#include "ShellRig.h"
#include "common/Text.h"
#include "common/Utf8.h"
#include "records/RecordSamples.h"
#include "records/RecordWriter.h"
#include "shell/EntityText.h"
#include "shell/MainDrawing.h"
#include "shell/RecordList.h"
#include "shell/Seats.h"
#include "shell/TrickTargets.h"

namespace tallowen::testing {

namespace {

using Op = CanvasCall::Op;
constexpr std::uint32_t kBack = 0xD8E0E4;
constexpr std::uint32_t kBack2 = 0xCDCDCD;
constexpr std::uint32_t kRed = ColourRef(192, 0, 48);

class Drawing : public ::testing::Test {
protected:
    Drawing() {
        layout.baseWidth = 390;
        layout.baseHeight = 420;
        layout.cmdEndBottom = 380;  // the auction area starts at y0 = 388
        layout.recordListLeft = 300;
        layout.borderY = 400;
        layout.innerWidth = 380;
        layout.backColor = kBack;
        layout.backColor2 = kBack2;
        layout.spareHeight = 23;
        canvas.extent = Rect{0, 0, 380, 800};
    }
    std::vector<CanvasCall> TextsOf(std::string_view text) const {
        std::vector<CanvasCall> found;
        for (const CanvasCall& c : canvas.Texts())
            if (c.text == text) found.push_back(c);
        return found;
    }
    CanvasCall TextOf(std::string_view text) const {
        const auto found = TextsOf(text);
        if (found.empty()) ADD_FAILURE() << "no text \"" << text << "\"";
        return found.empty() ? CanvasCall{} : found.front();
    }
    bool Drew(std::string_view text) const { return !TextsOf(text).empty(); }

    RecordingCanvas canvas;
    TextPen pen;
    CardMetrics cards;
    MainLayout layout;
    Surface s{canvas, pen, cards, "メイリオ"};
    bool border = false;
};

Deal Auction(int rounds) {
    Deal deal;
    deal.Rounds = rounds;
    deal.Names = {"Al_Bo", "Eastwood", "Southpaw", "Westerly"};
    deal.AuctionNames = {"n-auc", "e-auc", "s-auc", "w-auc"};
    return deal;
}

// --- The auction area ---

TEST_F(Drawing, TheWindowGrowsWithTheAuctionAndLessWithoutSpareHeight) {
    const Deal deal = Auction(20);
    EXPECT_EQ(DrawAuctionArea(s, layout, deal, 0, border), (WindowSize{390, 420 + 411}));
    layout.spareHeight = 0;
    EXPECT_EQ(AuctionWindowSize(layout, 20), (WindowSize{390, 420 + 411 - 25}));
    EXPECT_EQ(AuctionWindowSize(layout, 400), AuctionWindowSize(layout, 20)) << "at most 20";
    canvas.calls.clear();
    EXPECT_EQ(DrawAuctionArea(s, layout, Auction(0), 1, border), (WindowSize{390, 420}));
    EXPECT_TRUE(canvas.calls.empty()) << "no auction: the base size, nothing drawn";
}

TEST_F(Drawing, CallsSitOnTheirRoundsWithHalvesRoundedToEven) {
    Deal deal = Auction(2);
    deal.Calls[2][0] = "Pass";
    deal.Calls[2][2] = "1S";
    deal.Calls[1][1] = "1NT";
    DrawAuctionArea(s, layout, deal, 0, border);
    // Round 2 lies 52.5 pixels into the area, the third column 172.5 from its left.
    const CanvasCall level = TextsOf("1").back();
    EXPECT_EQ(level.rect.top, 440);
    EXPECT_EQ(level.rect.left, 264);
    const CanvasCall pass = TextOf("Pass");
    EXPECT_EQ(pass.rect.top, 440);
    EXPECT_EQ(pass.rect.left, 114);
    EXPECT_EQ(pass.font, (FontSpec{"Times New Roman", 14, false}));
    EXPECT_EQ(TextOf("NT").rect.top, 423) << "round 1 on a whole pixel";
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
        EXPECT_EQ(c.colour, eastWest ? kRed : 0u) << c.text;
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
        EXPECT_EQ(frames[0].colour, mode == 1 ? ColourRef(0, 0, 232) : ColourRef(16, 16, 80));
        EXPECT_EQ(frames[0].rect.Height(), 66) << "9.5 rows of 7 pixels, 66.5 to even";
        EXPECT_EQ(frames[0].rect.Width(), 300);
        const auto rules = canvas.Of(Op::Line);
        ASSERT_FALSE(rules.empty());
        EXPECT_EQ(rules.back().colour, frames[0].colour);
        EXPECT_EQ(rules.back().from.y, 420) << "419.5 to even";
    }
}

TEST(MainLayoutInputs, SettingsAndGameWindowsFillTheLayout) {
    MainLayout layout;
    layout.backColor = 0x123456;  // the window's design colour
    Settings settings;
    settings.backColor2 = 0xABCDEF;
    TakeSettings(layout, settings);
    EXPECT_EQ(layout.backColor, 0x123456u) << "no BackColor setting: the design colour stays";
    EXPECT_EQ(layout.backColor2, 0xABCDEFu);
    settings.backColor = 0x00FF00;
    TakeSettings(layout, settings);
    EXPECT_EQ(layout.backColor, 0x00FF00u);
    GameWindows windows;
    windows.language = 2;
    windows.titleBarAllowance = 0;
    TakeGameWindows(layout, windows);
    EXPECT_EQ(layout.language, 2);
    EXPECT_EQ(layout.spareHeight, 0);
}

// --- Clearing and the alert border ---

TEST_F(Drawing, TheBorderIsDrawnOnceErasedCompletelyAndForgottenWhenTheAreaIsCleared) {
    DrawBorderLine(canvas, layout, border);
    DrawBorderLine(canvas, layout, border);
    ASSERT_EQ(canvas.calls.size(), 1u);
    const Rect bar = canvas.calls[0].rect;
    EXPECT_EQ(canvas.calls[0].colour, ColourRef(255, 0, 0));
    EXPECT_EQ(bar.Height(), 4);
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
    EXPECT_EQ(canvas.calls.back().rect, (Rect{0, 380, 380, 800}));
    DrawBorderLine(canvas, layout, border);
    EXPECT_EQ(canvas.calls.back().colour, ColourRef(255, 0, 0)) << "drawn again";
}

// --- The text helpers ---

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
    EXPECT_EQ(pen.X, 2);
    EXPECT_EQ(pen.Y, 66);
    truncTextPrint(s, "abcdefghij", 30);
    EXPECT_LE(canvas.Texts().back().rect.Width(), 30);
    EXPECT_EQ(canvas.Texts().back().rect.left, 2);
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

// --- The play table, the hands, the names and the result ---

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
    EXPECT_EQ(TextOf("LHO").rect.top, 20);
    EXPECT_EQ(TextOf("Pard").rect.top, 36);
    EXPECT_EQ(TextOf("RHO").rect.top, 52);
    EXPECT_EQ(TextOf("Me").rect.top, 69);
    EXPECT_EQ(TextOf("Me").rect.left, TextOf("LHO").rect.left + 5);
    EXPECT_EQ(TextOf("LHO").font.face, "Arial");
    const auto cards3 = canvas.Of(Op::Blit);
    ASSERT_EQ(cards3.size(), 3u);
    // Partner (North) plays on the second row; my cards on the last.
    EXPECT_EQ(cards3[0].rect.top, 36);
    EXPECT_EQ(cards3[1].rect.top, 69);
    EXPECT_EQ(cards3[1].rect.left, 55);
    EXPECT_EQ(cards3[2].rect.left, 55 + 12 * 26);
    // The ace led and won: the "[ ]" look, winner's rows, spades.
    EXPECT_EQ(cards3[1].source.top / cards.PlayCellHeight, 8 + 4 + 3);
    EXPECT_EQ(cards3[2].source.top / cards.PlayCellHeight, 0);
    // Trick numbers one card column apart, the two-digit ones one unit left.
    std::vector<int> xs;
    for (int n = 1; n <= 13; ++n) xs.push_back(TextOf(std::to_string(n)).rect.left);
    for (int n = 1; n < 13; ++n)
        EXPECT_EQ(xs[std::size_t(n)] - xs[std::size_t(n - 1)], n == 10 ? 21 : 26);
    const auto fills = canvas.Of(Op::Fill);
    ASSERT_EQ(fills.size(), 2u);
    EXPECT_EQ(fills[1].colour, kBack2);
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
            return c.rect.left == x && c.rect.top == y + 3;  // a spade mark lies 1 lower
        });
    };
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
    DrawNamesResult(s, deal, {0, 1, 2, 3});
    for (const CanvasCall& c : canvas.Texts()) {
        if (c.font.points != 12) continue;
        EXPECT_LE(c.rect.Width(), 86);
    }
    const auto texts = canvas.Texts();
    const auto longName = std::find_if(texts.begin(), texts.end(), [](const CanvasCall& c) {
        return c.text.rfind("Barth", 0) == 0;
    });
    ASSERT_NE(longName, texts.end());
    EXPECT_LT(longName->text.size(), deal.Names[3].size());
    const std::string declarer = deal.Names[std::size_t(deal.Declarer)];
    for (const CanvasCall& c : canvas.Texts()) {
        if (c.rect.top >= 99 && c.font.points == 12 && c.text.find("pts") == std::string::npos) {
            EXPECT_EQ(c.font.bold, declarer.rfind(c.text, 0) == 0 && !c.text.empty()) << c.text;
        }
    }
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

// --- Entity text ---

struct EntityCase {
    const char* text;
    std::string bytes;
};
class Entities : public ::testing::TestWithParam<EntityCase> {};
TEST_P(Entities, BecomeSingleByteCharacters) {
    EXPECT_EQ(EntityToSingleByte(GetParam().text), GetParam().bytes);
}
INSTANTIATE_TEST_SUITE_P(
    EntityText, Entities,
    ::testing::Values(EntityCase{"R&amp;D", "R&D"}, EntityCase{"a&nbsp;b", "a b"},
                      EntityCase{"&euro;5",
                                 "\x80"
                                 "5"},
                      EntityCase{"&quot;x&quot;", "\"x\""}, EntityCase{"&atilde;", "\xE3"},
                      EntityCase{"&sbquo;&Yuml;&yuml;", "\x82\x9F\xFF"}, EntityCase{"&8D;", "\x8D"},
                      EntityCase{"&lt;&bogus;!", "!"}, EntityCase{"AT&T rocks", "AT&T rocks"},
                      EntityCase{"caf\xC3\xA9\t!", "caf!"},
                      EntityCase{"&Atilde;&atilde;", "\xC3\xE3"}));

TEST(EntityText, DrawsTheCharactersTheBytesStandFor) {
    RecordingCanvas canvas;
    const FontSpec font{"Arial", 10, false};
    DrawEntityText(canvas, 5, 6, "&euro;&nbsp;&pound;&9D;&hellip;", font, 0);
    ASSERT_EQ(canvas.Texts().size(), 1u);
    EXPECT_EQ(canvas.Texts()[0].text, "€ £…");
    EXPECT_EQ(canvas.Texts()[0].rect.left, 5);
    EXPECT_EQ(DrawEntityText(canvas, 0, 0, "&bogus;\x01", font, 0), 0);
    EXPECT_EQ(canvas.Texts().size(), 1u) << "nothing left to draw";
    EXPECT_EQ(DecodeEntities("&euro; &trade; &81;"), "€ ™ &81;");
}

// --- Trick targets and the user's seat ---

struct TargetCase {
    int declarer, bottom, level, we, they;
};
class Targets : public ::testing::TestWithParam<TargetCase> {};
TEST_P(Targets, TheDeclarersNeedLevelPlusSix) {
    const TargetCase& c = GetParam();
    const TrickTarget t = TargetTricks(c.declarer, c.bottom, c.level);
    EXPECT_EQ(t.we, c.we);
    EXPECT_EQ(t.they, c.they);
}
INSTANTIATE_TEST_SUITE_P(TrickTargets, Targets,
                         ::testing::Values(TargetCase{0, 0, 4, 10, 3}, TargetCase{2, 0, 1, 7, 6},
                                           TargetCase{1, 0, 7, 0, 13}, TargetCase{0, 3, 3, 4, 9},
                                           TargetCase{3, 1, 2, 8, 5}));

TEST(TrickTargets, ARecordedAuctionSetsTheTargetRowAndEmptiesTheTakenRow) {
    ShellRig rig;
    rig.app.rotation = {1, 2, 3, 0};  // East at the bottom
    for (Control c : {Control::WeT, Control::ThT, Control::sumT}) rig.app.Ctl(c).caption = "5";
    Deal deal;
    deal.Level = 3;
    deal.Declarer = 0;
    ShowTrickTargets(rig.app, deal);
    auto caption = [&](Control c) { return rig.views.main.controls[std::size_t(c)].caption; };
    EXPECT_EQ(caption(Control::WeB), "4");
    EXPECT_EQ(caption(Control::ThB), "9");
    EXPECT_EQ(caption(Control::sumB), "13");
    EXPECT_EQ(caption(Control::WeT), "");
    EXPECT_EQ(caption(Control::sumT), "");
    deal.Level = 0;  // passed out
    ShowTrickTargets(rig.app, deal);
    EXPECT_EQ(caption(Control::WeB), "");
    EXPECT_EQ(caption(Control::sumB), "");
}

TEST(UserSeat, AShownRecordTurnsToTheUserButARedrawKeepsTheUsersTurn) {
    ShellRig rig;
    Deal deal = samples::Western();
    deal.Names = {"ann", "bob", "Carol_C", "dave"};
    deal.AuctionNames = deal.Names;
    const CodePage& page = rig.app.seams.codePage;
    ASSERT_TRUE(
        WriteTextLines(rig.app.folders.WorkFile("12_06_001.brg"), DealFileLines(deal, page), page)
            .ok);
    rig.app.settings.myYahooID = {"carol_c"};
    Show_File(rig.app, "12_06_001");
    EXPECT_EQ(rig.views.main.rotation, (std::array<int, 4>{2, 3, 0, 1}));
    Lbl_Click(rig.app, 2);  // North to the bottom
    EXPECT_EQ(rig.views.main.dealsShown, 2);
    EXPECT_EQ(rig.views.main.rotation, (std::array<int, 4>{0, 1, 2, 3}));
}

}  // namespace

}  // namespace tallowen::testing

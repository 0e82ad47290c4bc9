// The card and suit sheets: what each copy routine takes from the sheets must be what the
// sheets hold there, and the BOX window's grid must be ticked off cell by cell.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "common/Notation.h"
#include "reading/CardPictures.h"
#include "reading/CardSheets.h"
#include "sim/NullBackends.h"

namespace tallowen {
namespace {

using Op = CanvasCall::Op;
constexpr std::uint32_t kBackground = 0xC8D0D4;

bool Inside(const Rect& inner, const Rect& outer) {
    return inner.left >= outer.left && inner.right <= outer.right && inner.top >= outer.top &&
           inner.bottom <= outer.bottom;
}

bool Overlap(const Rect& a, const Rect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

int OverlapArea(const Rect& a, const Rect& b) {
    const int w = std::min(a.right, b.right) - std::max(a.left, b.left);
    const int h = std::min(a.bottom, b.bottom) - std::max(a.top, b.top);
    return w > 0 && h > 0 ? w * h : 0;
}

class HandSheet : public ::testing::Test {
protected:
    void SetUp() override {
        sheets.charWidth = 9;
        ExecHandSheet(sheets, kBackground, metrics);
        sheet = sheets.Find(kHandSheet);
        ASSERT_NE(sheet, nullptr);
    }
    // The text call of the sheet that holds `text` in the given weight.
    CanvasCall TextOf(std::string_view text, bool bold, std::string_view face = "") const {
        for (const CanvasCall& c : sheet->Texts())
            if (c.text == text && c.font.bold == bold && (face.empty() || c.font.face == face))
                return c;
        ADD_FAILURE() << "no text " << text;
        return {};
    }
    RecordingSheets sheets;
    CardMetrics metrics;
    RecordingCanvas* sheet = nullptr;
    RecordingCanvas window;
};

TEST_F(HandSheet, MetricsStartAtTheDesignValuesAndComeFromTheFonts) {
    const CardMetrics fresh;
    EXPECT_EQ(fresh.CellWidth, 11);
    EXPECT_EQ(fresh.CellHeight, 21);
    EXPECT_EQ(fresh.MarkWidth, 14);
    const CanvasCall ranks = TextOf(kRankRow, false);
    EXPECT_EQ(metrics.CellWidth, (ranks.rect.Width() + 6) / 13);
    EXPECT_EQ(metrics.CellHeight, ranks.rect.Height());
    EXPECT_NE(metrics.CellWidth, fresh.CellWidth) << "the fonts were measured";
    // Every symbol came out at its own MarkWidth cell.
    for (int suit = 0; suit < 4; ++suit) {
        const CanvasCall mark = sheet->Texts()[std::size_t(2 + suit)];
        EXPECT_EQ(mark.font.face, "Symbol");
        EXPECT_EQ(mark.rect.left, suit * metrics.MarkWidth);
        EXPECT_EQ(mark.colour, kSuitTable[std::size_t(suit)].colourValue);
    }
    // Drawn again (the interface turned Japanese), the sheet measures the same.
    CardMetrics again;
    ExecHandSheet(sheets, kBackground, again);
    EXPECT_EQ(again.CellWidth, metrics.CellWidth);
    EXPECT_EQ(again.MarkWidth, metrics.MarkWidth);
}

// Every rank cell copied is the one where that rank was drawn, in the weight asked for.
TEST_F(HandSheet, EachCardCopiesItsOwnRankCell) {
    for (bool bold : {false, true}) {
        const CanvasCall row = TextOf(kRankRow, bold);
        const double perChar = row.rect.Width() / 13.0;
        for (int rank = 2; rank <= 14; ++rank) {
            window.calls.clear();
            int px = 40;
            dspCardH(window, metrics, px, 100, 300 + rank, bold);
            EXPECT_EQ(px, 40 + metrics.CellWidth);
            const auto blits = window.Of(Op::Blit);
            ASSERT_EQ(blits.size(), 1u);
            const Rect from = blits[0].source;
            EXPECT_EQ(blits[0].text, kHandSheet);
            EXPECT_GE(from.top, row.rect.top);
            EXPECT_LT(from.top, row.rect.bottom) << "row of rank " << rank;
            const int index = int((from.left - row.rect.left + perChar / 2) / perChar);
            EXPECT_EQ(kRankRow[std::size_t(index)], kRankRow[std::size_t(rank - 2)]);
            EXPECT_EQ(blits[0].rect.left, 40);
            EXPECT_EQ(blits[0].rect.top, 102);
        }
    }
}

TEST_F(HandSheet, AMarkedCardIsUnderlinedInsideItsCell) {
    int px = 10;
    dspCardH(window, metrics, px, 50, -212, false);
    const auto blits = window.Of(Op::Blit);
    const auto fills = window.Of(Op::Fill);
    ASSERT_EQ(blits.size(), 1u);
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills[0].colour, kMarkColour);
    EXPECT_EQ(fills[0].rect.Width(), 9);
    EXPECT_EQ(fills[0].rect.Height(), 2);
    EXPECT_TRUE(Inside(fills[0].rect, blits[0].rect));
    EXPECT_EQ(px, 10 + metrics.CellWidth);
}

TEST_F(HandSheet, SuitMarksComeFromTheirSymbolsAndLandOnOneLine) {
    std::set<int> lines;
    for (int suit = 0; suit < 4; ++suit) {
        window.calls.clear();
        int px = 20;
        dspSuitMarkH(window, metrics, px, 60, suit);
        EXPECT_EQ(px, 20 + metrics.MarkWidth);
        const auto blits = window.Of(Op::Blit);
        ASSERT_EQ(blits.size(), 1u);
        const CanvasCall symbol = sheet->Texts()[std::size_t(2 + suit)];
        EXPECT_EQ(blits[0].source.left, symbol.rect.left);
        EXPECT_TRUE(Overlap(blits[0].source, symbol.rect));
        // The club sits one pixel right, clubs and diamonds one lower, to line up the glyphs.
        EXPECT_EQ(blits[0].rect.left, suit == 0 ? 21 : 20);
        lines.insert(blits[0].rect.top - (suit <= 1 ? 1 : 0));
    }
    EXPECT_EQ(lines.size(), 1u);
}

TEST_F(HandSheet, NoTrumpAndBadSuitsDrawNothingButStillAdvance) {
    for (int suit : {4, 5, -1}) {
        int px = 7;
        dspSuitMarkH(window, metrics, px, 0, suit);
        EXPECT_EQ(px, 7 + metrics.MarkWidth);
    }
    int px = 7;
    dspCardH(window, metrics, px, 0, 0, false);
    dspCardH(window, metrics, px, 0, 415, false);
    EXPECT_EQ(px, 7 + 2 * metrics.CellWidth);
    EXPECT_TRUE(window.calls.empty());
}

TEST_F(HandSheet, StoredSuitPicturesLoseTheirKeyColourAndAdvanceByTheirWidth) {
    RecordingCanvas* pictures = sheets.Find(kSuitPictureSheet);
    ASSERT_NE(pictures, nullptr);
    int background = 0, ink = 0;
    for (const CanvasCall& c : pictures->Of(Op::SetPixel)) {
        EXPECT_NE(c.colour, kSuitKeyColour);
        (c.colour == kBackground ? background : ink)++;
    }
    EXPECT_GT(background, 0);
    EXPECT_GT(ink, 0);
    int right = 0;
    for (int suit = 0; suit < 4; ++suit) {
        const Rect& place = metrics.suitPictures[std::size_t(suit)];
        EXPECT_GE(place.left, right) << "pictures side by side";
        right = place.right;
        window.calls.clear();
        int px = 5;
        dspSuitMarkH2(window, metrics, px, 9, suit);
        ASSERT_EQ(window.calls.size(), 1u);
        EXPECT_EQ(window.calls[0].source, place);
        EXPECT_EQ(window.calls[0].rect.top, 9);
        EXPECT_EQ(px, 5 + place.Width());
    }
}

struct FontNoCase {
    const char* text;
    int expected;
};
class FontNo : public ::testing::TestWithParam<FontNoCase> {};
TEST_P(FontNo, IsThePlaceInTheNotationMinusTwo) {
    EXPECT_EQ(fontNo(GetParam().text), GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(Sheets, FontNo,
                         ::testing::Values(FontNoCase{"2", 0}, FontNoCase{"T", 8},
                                           FontNoCase{"A", 12}, FontNoCase{"C", 13},
                                           FontNoCase{"S", 16}, FontNoCase{")", 20},
                                           FontNoCase{"1", -1}, FontNoCase{"x", -2},
                                           FontNoCase{"", -2}));

class CardsBox : public HandSheet {
protected:
    // The grid as drawn, each rank cell with the card it shows.
    struct Cell {
        int suit, rank;
        Rect rect;
    };
    std::vector<Cell> DrawGrid(int trump) {
        box.calls.clear();
        DrawCardsBox(box, metrics, kBackground, trump);
        std::vector<Cell> cells;
        const auto blits = box.Of(Op::Blit);
        // Per suit row: one mark, then thirteen ranks from the ace down.
        EXPECT_EQ(blits.size(), 4u * 14u);
        for (std::size_t i = 0; i < blits.size(); ++i) {
            const int suit = 3 - int(i / 14);
            const int slot = int(i % 14);
            if (slot > 0) cells.push_back({suit, 15 - slot, blits[i].rect});
        }
        return cells;
    }
    RecordingCanvas box;
};

TEST_F(CardsBox, TheTrumpSuitAloneIsBold) {
    for (int trump : {0, 3, 4}) {
        DrawGrid(trump);
        const auto blits = box.Of(Op::Blit);
        for (std::size_t i = 0; i < blits.size(); ++i) {
            if (i % 14 == 0) continue;
            const bool bold = blits[i].source.top > metrics.CellHeight / 2;
            EXPECT_EQ(bold, 3 - int(i / 14) == trump) << "trump " << trump << " blit " << i;
        }
        EXPECT_EQ(box.calls.front().op, Op::Fill) << "the box is cleared first";
        EXPECT_EQ(box.calls.front().colour, kBackground);
    }
}

// A tick lies over the card it names: the same columns, one row pitch high, more over that
// card than over any other, and no two ticks overlap.
TEST_F(CardsBox, TickPlayedCardCoversExactlyThatCardsCell) {
    const std::vector<Cell> cells = DrawGrid(2);
    const int pitch = cells[13].rect.top - cells[0].rect.top;
    std::vector<Rect> ticks;
    for (const Cell& cell : cells) {
        box.calls.clear();
        TickPlayedCard(box, metrics, kBackground, cell.suit, cell.rank);
        ASSERT_EQ(box.calls.size(), 1u);
        const Rect tick = box.calls[0].rect;
        EXPECT_EQ(box.calls[0].colour, kBackground);
        EXPECT_EQ(tick.left, cell.rect.left);
        EXPECT_EQ(tick.right, cell.rect.right);
        EXPECT_EQ(tick.Height(), pitch);
        for (const Cell& other : cells) {
            if (&other != &cell) {
                EXPECT_GT(OverlapArea(tick, cell.rect), OverlapArea(tick, other.rect));
            }
        }
        for (const Rect& earlier : ticks) EXPECT_FALSE(Overlap(tick, earlier));
        ticks.push_back(tick);
    }
    box.calls.clear();
    TickPlayedCard(box, metrics, kBackground, 4, 14);
    TickPlayedCard(box, metrics, kBackground, 0, 1);
    EXPECT_TRUE(box.calls.empty());
}

class PlaySheet : public ::testing::Test {
protected:
    void SetUp() override {
        ExecPlaySheet(sheets, kBackground, metrics);
        sheet = sheets.Find(kPlaySheet);
        ASSERT_NE(sheet, nullptr);
    }
    // The sheet's text that the copied area `from` shows most of, when it shows all of its
    // width.
    const CanvasCall* TextUnder(const Rect& from) const {
        const CanvasCall* best = nullptr;
        int most = 0;
        for (const CanvasCall& c : sheet->calls) {
            const int area = c.op == Op::Text ? OverlapArea(c.rect, from) : 0;
            if (area > most && c.rect.left >= from.left && c.rect.right <= from.right) {
                most = area;
                best = &c;
            }
        }
        return best;
    }
    RecordingSheets sheets;
    CardMetrics metrics;
    RecordingCanvas* sheet = nullptr;
    RecordingCanvas window;
};

TEST_F(PlaySheet, CellSizesComeFromTheDrawnRow) {
    RecordingCanvas probe;
    EXPECT_EQ(metrics.PlayCellHeight, probe.TextHeight({"Courier New", 10}));
    const auto texts = sheet->Texts();
    ASSERT_GE(texts.size(), 13u);
    EXPECT_EQ(metrics.PlayCellWidth, (texts[12].rect.right + 6) / 13);
}

struct PlayCase {
    int code, lead;
    const char* text;
};
class PlayText : public PlaySheet, public ::testing::WithParamInterface<PlayCase> {};

// A card that did not win copies the text card of its rank, look and suit colour.
TEST_P(PlayText, TheCopiedCellShowsThatCard) {
    const PlayCase& c = GetParam();
    dspCardP(window, metrics, 100, 40, c.code, c.lead, false);
    const auto blits = window.Of(Op::Blit);
    ASSERT_EQ(blits.size(), 1u);
    EXPECT_EQ(blits[0].rect.left, 100);
    EXPECT_EQ(blits[0].rect.top, 40);
    const CanvasCall* text = TextUnder(blits[0].source);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->text, c.text);
    EXPECT_EQ(text->colour, kSuitTable[std::size_t(std::abs(c.code) / 100)].colourValue);
    EXPECT_EQ(window.Of(Op::Line).size(), c.code < 0 ? 1u : 0u) << "a marked card";
}
INSTANTIATE_TEST_SUITE_P(Sheets, PlayText,
                         ::testing::Values(PlayCase{314, 0, "A"}, PlayCase{2, 1, "[2]"},
                                           PlayCase{110, 2, "(T)"}, PlayCase{212, 1, "[Q]"},
                                           PlayCase{-309, 0, "9"}));

// The winner's card is put together from the strip's second copy: bracket, rank face, suit
// face, bracket; two faces for a plain card.
TEST_F(PlaySheet, AWinningCardIsMadeOfFacesFromTheSecondCopy) {
    int copyWidth = 0;
    for (const CardPicture& p : kCardPictures) copyWidth += PictureWidth(p);
    const int stripTop = 24 * metrics.PlayCellHeight;
    for (int lead = 0; lead < 3; ++lead) {
        for (int suit = 0; suit < 4; ++suit) {
            window.calls.clear();
            dspCardP(window, metrics, 0, 0, suit * 100 + 11, lead, true);
            ASSERT_EQ(window.calls.size(), 1u);
            const Rect cell = window.calls[0].source;
            std::vector<int> pieces;
            for (const CanvasCall& c : sheet->Of(Op::Blit)) {
                if (!Inside(c.rect, Rect{cell.left - 1, cell.top - 1, cell.right, cell.bottom}))
                    continue;
                EXPECT_EQ(c.source.top, stripTop);
                EXPECT_GE(c.source.left, copyWidth) << "the copy on the winner's band";
                int left = copyWidth, i = 0;
                while (i < kPictureCount && left < c.source.left)
                    left += PictureWidth(kCardPictures[std::size_t(i++)]);
                pieces.push_back(i);
            }
            std::vector<int> expected{fontNo("J"), fontNo(kSuitTable[std::size_t(suit)].letter)};
            if (lead == 1) expected = {fontNo("["), expected[0], expected[1], fontNo("]")};
            if (lead == 2) expected = {fontNo("("), expected[0], expected[1], fontNo(")")};
            EXPECT_EQ(pieces, expected) << "lead " << lead << " suit " << suit;
        }
    }
}

TEST_F(PlaySheet, TheStripIsDrawnTwiceSideBySideAndWhiteStaysBackground) {
    int copyWidth = 0;
    for (const CardPicture& p : kCardPictures) copyWidth += PictureWidth(p);
    const int stripTop = 24 * metrics.PlayCellHeight;
    std::vector<Rect> first, second;
    for (const CanvasCall& c : sheet->Of(Op::Fill)) {
        if (c.rect.top < stripTop || c.rect.Height() != 1) continue;
        EXPECT_NE(c.colour, 0xFFFFFFu);
        Rect r = c.rect;
        if (r.left >= copyWidth) {
            r.left -= copyWidth;
            r.right -= copyWidth;
            second.push_back(r);
        } else {
            first.push_back(r);
        }
    }
    EXPECT_FALSE(first.empty());
    EXPECT_EQ(first, second);
}

TEST(PictureRows, RunsExpandAndBadTokensAreSkipped) {
    EXPECT_EQ(DecodePictureRow("1*4 0 14"), (std::vector<int>{1, 1, 1, 1, 0, 14}));
    EXPECT_EQ(DecodePictureRow("x 2*0 3*9999 61 -1 5*2 *3 4*"), (std::vector<int>{5, 5}));
    EXPECT_TRUE(DecodePictureRow("").empty());
    for (const CardPicture& p : kCardPictures) {
        EXPECT_GT(PictureWidth(p), 0);
        EXPECT_LE(PictureWidth(p), kPlayColumn / 2);
    }
}

TEST(PlayCard, CardsThatAreNoCardsDrawNothing) {
    RecordingCanvas window;
    const CardMetrics metrics;
    for (int code : {0, 1, 15, 402, 515}) dspCardP(window, metrics, 0, 0, code, 0, false);
    dspCardP(window, metrics, 0, 0, 214, 3, false);
    dspCardP(window, metrics, 0, 0, 214, -1, true);
    EXPECT_TRUE(window.calls.empty());
}

}  // namespace
}  // namespace tallowen

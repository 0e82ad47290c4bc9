// The simulator's text and card faces against patterns written out by hand in the reading
// tests (not taken from the readers' tables), and every glyph of the font read back.
#include <gtest/gtest.h>

#include "common/Edition.h"
#include "reading/Capture.h"
#include "reading/Glyphs.h"
#include "reading/HandFont.h"
#include "reading/ReaderPictures.h"
#include "reading/ReadingContext.h"
#include "sim/ClientWindows.h"
#include "sim/GlyphPainter.h"
#include "sim/NullBackends.h"

namespace tallowen::testing {
namespace {

struct FontFixture : ::testing::Test {
    RecordingSound sound;
    GlyphTable table;
    FontFixture() { LoadGlyphTable(table, sound); }

    // Reads the words of a band drawn at row 2 of `image` (blank columns only, no separators).
    std::string ReadBand(const Image555& image, int language) {
        ImageDesktop desktop(image, "t");
        ManualClock clock;
        GameWindows windows;
        windows.language = language;
        ReadingContext ctx(desktop, clock, sound, windows);
        LoadGlyphTable(ctx.glyphs, sound);
        ctx.glyphs.currentSet = 1;
        PrepareGlyphSet(ctx.glyphs, 1, language);
        CaptureWindowRect(ctx, ImageDesktop::kWindow, ctx.GameGrid, Rect{}, true);
        const LineCodes line = BuildLine(ctx, "test", 0, image.width - 1, 2, 0);
        int pos = 1;
        return ReadWord(ctx.glyphs, line, pos);
    }
};

TEST_F(FontFixture, TextMatchesTheHandWrittenGlyphs) {
    GlyphPainter painter(table);
    for (const auto& [name, columns] : HandGlyphs()) {
        if (name == "#" || static_cast<unsigned char>(name[0]) >= 0x80) continue;
        Image555 mine(40, 16), theirs(40, 16);
        painter.Draw(mine, 3, 2, name.size() > 1 ? "&" + name : name);
        DrawText(theirs, 3, 2, name.size() > 1 ? "{" + name + "}" : name);
        EXPECT_EQ(mine.pixels, theirs.pixels) << name;
    }
    // A word with a space: glyphs one column apart, words four.
    Image555 mine(120, 16), theirs(120, 16);
    painter.Draw(mine, 2, 2, "Tricks: 10");
    DrawText(theirs, 2, 2, "Tricks: 10");
    EXPECT_EQ(mine.pixels, theirs.pixels);
}

TEST_F(FontFixture, EveryGlyphReadsBackAsItself) {
    GlyphPainter painter(table);
    int read = 0;
    for (std::size_t i = 1; i < table.templates.size(); ++i) {
        const GlyphTemplate& t = table.templates[i];
        if (t.name == "~") continue;  // never matched: the client does not show it
        // Accented glyphs exist only for the European editions other than English.
        const int language = ToInt(t.entityKey != 0 ? Edition::German : Edition::English);
        Image555 image(40, 16);
        painter.Draw(image, 3, 2, t.entityKey != 0 ? "&" + t.name : t.name);
        EXPECT_EQ(ReadBand(image, language), t.name) << i;
        ++read;
    }
    EXPECT_GT(read, 80);
}

TEST_F(FontFixture, EverySpoiltGlyphReadsAsUnreadable) {
    GlyphPainter painter(table);
    for (std::size_t i = 1; i < table.templates.size(); ++i) {
        const std::string& name = table.templates[i].name;
        if (name == "..") continue;  // drawn as two dots, of which only the first is spoilt
        Image555 image(40, 16);
        painter.SetMisdrawn(0);
        painter.ResetCount();
        painter.Draw(image, 3, 2, table.templates[i].entityKey != 0 ? "&" + name : name);
        EXPECT_EQ(ReadBand(image, 3), "?") << name;
    }
}

TEST_F(FontFixture, WordsInJapaneseScriptReadAsOneMark) {
    GlyphPainter painter(table);
    for (const char* word : {"パス", "バル", "トリック:", "最後のハンド"}) {
        Image555 image(120, 16);
        painter.Draw(image, 3, 2, word);
        const std::string want = std::string(word).back() == ':' ? "?:" : "?";
        EXPECT_EQ(ReadBand(image, 2), want) << word;
    }
}

TEST(SimCardFaces, MatchTheHandWrittenFaces) {
    RecordingSound sound;
    CardImageTable cards;
    LoadCardImages(cards, sound);
    for (int suit = 0; suit < 4; ++suit)
        for (int rank = 2; rank <= 14; ++rank) {
            TrickView view;
            view.suits = {suit, suit, suit, suit};
            view.ranks = {rank, rank, rank, rank};
            Image555 mine(TrickView::kWidth, TrickView::kHeight);
            PaintLastTrick(mine, cards, view);
            Image555 theirs = mine;
            // Clear the face blocks to white, then draw the hand-written faces there.
            theirs.Fill(TrickView::kCardX, TrickView::kBottomY, TrickView::kCardX + 8,
                        TrickView::kBottomY + 22, kSimWhite);
            theirs.Fill(TrickView::kLeftX + 2, TrickView::kSideY, TrickView::kLeftX + 24,
                        TrickView::kSideY + 8, kSimWhite);
            DrawUpright(theirs, TrickView::kCardX, TrickView::kBottomY, suit, rank);
            DrawSideways(theirs, TrickView::kLeftX, TrickView::kSideY, 2, suit, rank);
            EXPECT_EQ(mine.pixels, theirs.pixels) << suit << " " << rank;
        }
}

}  // namespace
}  // namespace tallowen::testing

// Preparing to read a game, and the table buttons: found by their captions, pressed by clicks.
#include <gtest/gtest.h>

#include "ReaderPictures.h"
#include "ReadingFixture.h"
#include "reading/Buttons.h"
#include "reading/TricksCount.h"
#include "sim/NullBackends.h"

namespace tallowen {
namespace {

using namespace testing;

// The column after the last glyph of a caption drawn at the picture's caption place (every
// English keyword ends where its caption does).
int KeywordEnd(const std::string& caption) {
    Image555 scratch(300, 20, kWhite);
    return Write(scratch, TablePicture::kCaptionX, 0, caption) - 1;
}

TEST(Buttons, CaptionsGiveTheScreenPointWhereTheKeywordEnds) {
    for (Point at : {Point{0, 0}, Point{-6, 40}}) {  // a table left of the screen too
        ReadingRig rig(TablePicture().Paint(), 1, "Game: Bridge");
        rig.desktop.SetPlace({at.x, at.y, at.x + 640, at.y + 520});
        ButtonState buttons;
        ScanButtons(rig.ctx, buttons);
        const char* captions[] = {"Bidding", "Last Trick", "Last Hand", "Score"};
        for (int b = 1; b <= 4; ++b)
            EXPECT_EQ(
                buttons.position[std::size_t(b)],
                (Point{KeywordEnd(captions[b - 1]) + at.x, TablePicture::CaptionTop(b - 1) + at.y}))
                << b;
        EXPECT_TRUE(rig.desktop.Topmost());
    }
    ReadingRig german(TablePicture().Paint(), 3, "Spiel: Bridge");
    ButtonState buttons;
    ScanButtons(german.ctx, buttons);
    for (int b = 1; b <= 4; ++b) EXPECT_EQ(buttons.position[std::size_t(b)], (Point{})) << b;
}

TEST(Buttons, KnownButtonsAreNotSearchedAgain) {
    TablePicture t;
    t.captions = {"Bidding", "Nothing", "Nothing", "Nothing"};
    ReadingRig rig(t.Paint(), 1, "Game: Bridge");
    ButtonState buttons;
    ScanButtons(rig.ctx, buttons);
    const Point bidding = buttons.position[1];
    EXPECT_NE(bidding, (Point{}));
    EXPECT_EQ(buttons.position[2], (Point{}));
    // The captions move; a button found once keeps its point.
    t.captions = {"Score", "Bidding"};
    rig.desktop.Picture() = t.Paint();
    ScanButtons(rig.ctx, buttons);
    EXPECT_EQ(buttons.position[1], bidding);
    EXPECT_EQ(buttons.position[4].y, TablePicture::CaptionTop(0));
    // All four known: nothing is copied any more.
    buttons.position[2] = buttons.position[3] = {5, 5};
    const int copies = rig.desktop.Copies();
    ScanButtons(rig.ctx, buttons);
    EXPECT_EQ(rig.desktop.Copies(), copies);
}

TEST(Buttons, PressingAllWithOnlyOneKnownClicksOnceAndPutsTheCursorBack) {
    TablePicture t;
    t.captions = {"Bidding"};
    ReadingRig rig(t.Paint(), 1, "Game: Bridge");
    rig.desktop.SetCursor({500, 400});
    ButtonState buttons;
    ClickGameButton(rig.ctx, buttons, kAllButtons);
    EXPECT_EQ(buttons.clickCount, 1);
    EXPECT_EQ(rig.desktop.Clicks(), 1);
    EXPECT_EQ(rig.desktop.Cursor(), (Point{500, 400}));
}

TEST(Buttons, OneButtonIsPressedTenPixelsLeftOfItsCaptionsEnd) {
    struct RecordingDesktop : ImageDesktop {
        using ImageDesktop::ImageDesktop;
        void LeftClick() override {
            clickedAt.push_back(Cursor());
            ImageDesktop::LeftClick();
        }
        std::vector<Point> clickedAt;
    };
    RecordingDesktop desktop(TablePicture().Paint(), "Game: Bridge");
    ManualClock clock;
    RecordingSound sound;
    GameWindows windows;
    windows.table = ImageDesktop::kWindow;
    ReadingContext ctx(desktop, clock, sound, windows);
    LoadGlyphTable(ctx.glyphs, sound);
    InfoBoxState box;
    PrepareReading(ctx, box);
    EXPECT_TRUE(box.located) << "a known table gets its box found";
    ButtonState buttons;
    ClickGameButton(ctx, buttons, 3);
    ASSERT_EQ(desktop.clickedAt.size(), 1u);
    EXPECT_EQ(desktop.clickedAt[0], (Point{buttons.position[3].x - 10, buttons.position[3].y + 4}));
    ClickGameButton(ctx, buttons, 9);  // no such button
    EXPECT_EQ(buttons.clickCount, 0);
}

TEST(Buttons, PrepareReadingMakesTheGlyphsReadyForTheEdition) {
    ReadingRig rig(TablePicture().Paint(), 5, "Partita: Bridge");
    rig.ctx.glyphs.currentSet = 0;
    rig.ctx.glyphs.ready = false;
    rig.windows.table = 0;
    InfoBoxState box;
    PrepareReading(rig.ctx, box);
    EXPECT_EQ(rig.ctx.glyphs.currentSet, 1);
    EXPECT_TRUE(rig.ctx.glyphs.ready);
    EXPECT_FALSE(box.located) << "no table, no search";
    EXPECT_EQ(rig.desktop.Copies(), 0);
}

TEST(Buttons, TheWarningIsTheBeepOnlyOnTheOldPlatform) {
    ReadingRig rig(Image555(1, 1), 1);
    rig.windows.platform = 1;
    WarningSound(rig.ctx);
    EXPECT_EQ(rig.sound.beeps, 1);
    EXPECT_TRUE(rig.sound.aliases.empty());
    rig.windows.platform = 2;
    WarningSound(rig.ctx);
    EXPECT_EQ(rig.sound.beeps, 1);
    EXPECT_EQ(rig.sound.aliases, (std::vector<std::string>{"SystemExclamation"}));
}

}  // namespace
}  // namespace tallowen

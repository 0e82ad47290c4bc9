// The table buttons: found by their captions once, pressed by clicks (where a click lands is
// tested against the simulated client, tests/sim).
#include <gtest/gtest.h>

#include "ReaderPictures.h"
#include "ReadingFixture.h"
#include "reading/Buttons.h"
#include "reading/TricksCount.h"
#include "sim/NullBackends.h"

namespace tallowen {
namespace {

using namespace testing;

TEST(Buttons, KnownButtonsAreNotSearchedAgainAndPressingAllPressesTheKnownOnes) {
    TablePicture t;
    t.captions = {"Bidding", "Nothing", "Nothing", "Nothing"};
    ReadingRig rig(t.Paint(), 1, "Game: Bridge");
    rig.desktop.SetCursor({500, 400});
    ButtonState buttons;
    ClickGameButton(rig.ctx, buttons, kAllButtons);
    EXPECT_EQ(buttons.clickCount, 1);
    EXPECT_EQ(rig.desktop.Clicks(), 1);
    EXPECT_EQ(rig.desktop.Cursor(), (Point{500, 400}));
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
    ClickGameButton(rig.ctx, buttons, 9);  // no such button
    EXPECT_EQ(buttons.clickCount, 0);
}

TEST(Buttons, TheWarningIsTheBeepOnlyOnTheOldPlatform) {
    ReadingRig rig(Image555(1, 1), 1);
    rig.windows.platform = 1;
    WarningSound(rig.ctx);
    rig.windows.platform = 2;
    WarningSound(rig.ctx);
    EXPECT_EQ(rig.sound.beeps, 1);
    EXPECT_EQ(rig.sound.aliases, (std::vector<std::string>{"SystemExclamation"}));
}

}  // namespace
}  // namespace tallowen

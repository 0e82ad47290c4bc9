#include <gtest/gtest.h>

#include "shell/Startup.h"

#include "ShellRig.h"
#include "common/Layout.h"
#include "common/Text.h"
#include "shell/Controls.h"

namespace tallowen::testing {

TEST(Startup, WithoutASettingsFileTheDefaultsHoldAndTheDaysCounterGoesOn) {
    ShellRig rig;
    rig.app.settings.alertTime = 1;
    WriteFile(rig.folder / "Work" / "12_06_004.brg", "x\r\n");
    WriteFile(rig.folder / "Work" / "12_05_020.brg", "x\r\n");
    const StartupResult r = InitWatcher(rig.app);
    EXPECT_EQ(rig.app.writes.naming.RecordPrefix, "12_06_");
    EXPECT_EQ(rig.app.writes.naming.RecordCounter, 5);
    EXPECT_TRUE(Shown(rig, Control::menuBid).checked && Shown(rig, Control::menuHand).checked);
    EXPECT_FALSE(r.settingsFound || r.illegalKey || rig.app.jpnInterface);
    EXPECT_EQ(rig.app.settings.alertTime, 90000);
    EXPECT_GT(rig.app.game.reading.glyphs.templates.size(), 100u);
    EXPECT_EQ(rig.app.game.cardImages.images[14].count, 9) << "the ace's image is loaded";
    EXPECT_FALSE(Shown(rig, Control::cmdTimer).visible) << "shown only while a game is on";
}

TEST(Startup, SettingsAreReadInMillisecondsAndTheJapaneseInterface) {
    ShellRig rig;
    WriteFile(rig.folder / "Tallowen.INI",
              "AlertTime = 5\r\nJPN = yes\r\nAlertSound = SystemHand\r\n"
              "AutoCapt Bid = no\r\nAutoCapt Hand = no\r\nTopMostScoreWindow = yes\r\n");
    const StartupResult r = InitWatcher(rig.app);
    EXPECT_TRUE(r.settingsFound);
    EXPECT_EQ(rig.app.display.showScore, 2) << "the score window starts kept up";
    EXPECT_EQ(rig.app.settings.alertTime, 5000);
    EXPECT_TRUE(EqualsNoCase(rig.app.settings.alertSound, "SystemHand"));
    EXPECT_TRUE(rig.app.jpnInterface);
    EXPECT_EQ(Shown(rig, Control::cmdTimer).caption, "休止");
    EXPECT_FALSE(Shown(rig, Control::menuBid).checked || Shown(rig, Control::menuHand).checked);
}

TEST(Startup, AnIllegalKeyIsReported) {
    ShellRig rig;
    WriteFile(rig.folder / "Tallowen.INI", "AlertTime = 5\r\nColour Of Sky = blue\r\n");
    const StartupResult r = InitWatcher(rig.app);
    EXPECT_TRUE(r.settingsFound && r.illegalKey);
    EXPECT_EQ(r.badKey + "=" + r.badValue, "Colour Of Sky=blue");
}

TEST(Startup, TheLayoutFileFillsTheSavedPlaces) {
    ShellRig rig;
    WindowLayout layout;
    layout[LayoutSlot::Table] = {12, 34};
    layout[LayoutSlot::BidBox] = {700, 300};
    layout[LayoutSlot::BiddingBoard] = {90, 80};
    const FileResult written = WriteCFG(
        rig.folder / "Tallowen.CFG", rig.desktop.DesktopRect().Width(), PointXY{600, 5}, layout,
        [](int) { return std::optional<LiveRect>(); }, AnsiCodePage());
    ASSERT_TRUE(written.ok) << written.error;
    rig.app.display.mainRect = {0, 0, 300, 500};
    const StartupResult r = InitWatcher(rig.app);
    EXPECT_TRUE(r.layoutError.empty());
    EXPECT_EQ(Point(rig.app.game.windows.saved[0].left, rig.app.game.windows.saved[0].top),
              Point(12, 34));
    EXPECT_EQ(rig.app.game.windows.saved[5].top, 300);
    EXPECT_EQ(rig.app.display.boardRect.left, 90);
    EXPECT_EQ(rig.app.display.mainRect, (Rect{600, 5, 900, 505}));
}

}  // namespace tallowen::testing

#include <gtest/gtest.h>

#include "shell/Startup.h"

#include <fstream>

#include "ShellRig.h"
#include "TableSetup.h"
#include "common/Layout.h"
#include "common/Text.h"
#include "reading/Buttons.h"
#include "reading/TricksCount.h"
#include "shell/Controls.h"

namespace tallowen::testing {

namespace {

void WriteFile(const std::filesystem::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
}

const ControlState& Shown(const ShellRig& rig, Control c) {
    return rig.views.main.controls[std::size_t(c)];
}

}  // namespace

TEST(Startup, WithoutASettingsFileTheDefaultsHold) {
    ShellRig rig;
    rig.app.settings.alertTime = 1;
    WriteFile(rig.folder / "Work" / "12_06_004.brg", "x\r\n");
    WriteFile(rig.folder / "Work" / "12_05_020.brg", "x\r\n");
    const StartupResult r = InitWatcher(rig.app);
    EXPECT_EQ(rig.app.naming.RecordPrefix, "12_06_");
    EXPECT_EQ(rig.app.naming.RecordCounter, 5) << "the day's counter goes on";
    // Both automatic captures are on by default.
    EXPECT_TRUE(Shown(rig, Control::menuBid).checked);
    EXPECT_TRUE(Shown(rig, Control::menuHand).checked);
    EXPECT_EQ(Shown(rig, Control::cmdBid).backColour, kOrange);
    EXPECT_FALSE(r.settingsFound);
    EXPECT_FALSE(r.illegalKey);
    EXPECT_EQ(rig.app.settings.alertTime, 90000);
    EXPECT_EQ(rig.app.settings.waitTimeHand, 300000);
    EXPECT_FALSE(rig.app.jpnInterface);
    EXPECT_EQ(rig.app.baseCaption, "Tallowen 2.2");
    EXPECT_EQ(rig.views.main.caption, "Tallowen 2.2");
    EXPECT_EQ(Shown(rig, Control::cmdTimer).caption, "Pause");
    EXPECT_EQ(Shown(rig, Control::cmdScore).caption, "Show Score");
    EXPECT_GT(rig.app.reading.glyphs.templates.size(), 100u);
    EXPECT_EQ(rig.app.cardImages.images[14].count, 9) << "the ace's image is loaded";
    EXPECT_FALSE(rig.app.schedule[Slot::Hand].armed);
    EXPECT_EQ(Shown(rig, Control::Lbl0).caption, "N");
    // Shown only while a game is on.
    EXPECT_FALSE(Shown(rig, Control::cmdTimer).visible);
    EXPECT_FALSE(Shown(rig, Control::picBox).visible);
    EXPECT_FALSE(Shown(rig, Control::BoxStat).visible);
    EXPECT_TRUE(std::filesystem::is_directory(rig.folder / "Work"));
}

TEST(Startup, SettingsAreReadInMillisecondsAndTheJapaneseInterface) {
    ShellRig rig;
    WriteFile(rig.folder / "Tallowen.INI",
              "AlertTime = 5\r\nJPN = yes\r\nAlertSound = SystemHand\r\n"
              "AutoCapt Bid = no\r\nAutoCapt Hand = no\r\n");
    const StartupResult r = InitWatcher(rig.app);
    EXPECT_TRUE(r.settingsFound);
    EXPECT_EQ(rig.app.settings.alertTime, 5000);
    EXPECT_TRUE(EqualsNoCase(rig.app.settings.alertSound, "SystemHand"));
    EXPECT_TRUE(rig.app.jpnInterface);
    EXPECT_EQ(rig.app.baseCaption, "ブリッジ用タロウェン 2.2");
    EXPECT_EQ(Shown(rig, Control::cmdTimer).caption, "休止");
    EXPECT_FALSE(Shown(rig, Control::menuBid).checked);
    EXPECT_FALSE(Shown(rig, Control::menuHand).checked);
}

TEST(Startup, AnIllegalKeyIsReported) {
    ShellRig rig;
    WriteFile(rig.folder / "Tallowen.INI", "AlertTime = 5\r\nColour Of Sky = blue\r\n");
    const StartupResult r = InitWatcher(rig.app);
    EXPECT_TRUE(r.settingsFound);
    EXPECT_TRUE(r.illegalKey);
    EXPECT_EQ(r.badKey, "Colour Of Sky");
    EXPECT_EQ(r.badValue, "blue");
}

TEST(Startup, TheLayoutFileFillsTheSavedPlaces) {
    ShellRig rig;
    WindowLayout layout;
    layout[LayoutSlot::Table] = {12, 34};
    layout[LayoutSlot::Score] = {400, 50};
    layout[LayoutSlot::BidBox] = {700, 300};
    layout[LayoutSlot::BiddingBoard] = {90, 80};
    const FileResult written = WriteCFG(
        rig.folder / "Tallowen.CFG", rig.desktop.DesktopRect().Width(), PointXY{600, 5}, layout,
        [](int) { return std::optional<LiveRect>(); }, AnsiCodePage());
    ASSERT_TRUE(written.ok) << written.error;
    rig.app.mainRect = {0, 0, 300, 500};
    const StartupResult r = InitWatcher(rig.app);
    EXPECT_TRUE(r.layoutError.empty());
    EXPECT_EQ(rig.app.windows.saved[0].left, 12);
    EXPECT_EQ(rig.app.windows.saved[0].top, 34);
    EXPECT_EQ(rig.app.windows.saved[4].left, 400);
    EXPECT_EQ(rig.app.windows.saved[5].top, 300);
    EXPECT_EQ(rig.app.boardRect.left, 90);
    EXPECT_EQ(rig.app.boardRect.top, 80);
    EXPECT_EQ(rig.app.mainRect, (Rect{600, 5, 900, 505}));
}

TEST(Startup, ReadingAsksTheShellThroughItsHooks) {
    ShellRig rig;
    InitWatcher(rig.app);
    ASSERT_TRUE(rig.app.reading.reopenWindow);
    ASSERT_TRUE(rig.app.infoBox.lookupWindows);
    ASSERT_TRUE(rig.app.infoBox.status);

    rig.app.infoBox.status(true);
    EXPECT_EQ(Shown(rig, Control::BoxStat).caption, "") << "the status line is not shown";
    SetVisible(rig.app, Control::BoxStat, true);
    rig.app.infoBox.status(false);
    EXPECT_EQ(Shown(rig, Control::BoxStat).caption, "BOX ×");
    rig.app.infoBox.status(true);
    EXPECT_EQ(Shown(rig, Control::BoxStat).caption, "Box OK");

    SimClient& client = StartTable(rig, 1);
    rig.app.infoBox.lookupWindows();
    EXPECT_EQ(rig.app.windows.table, client.Handle(0));
    EXPECT_EQ(rig.app.windows.Handle(WindowKind::Score), client.Handle(4));
    client.Close(4);
    PrepareReading(rig.app.reading, rig.app.infoBox);
    rig.app.reading.reopenWindow(4);
    EXPECT_NE(client.Handle(4), 0u);
    EXPECT_EQ(rig.app.windows.Handle(WindowKind::Score), client.Handle(4));
    rig.app.reading.reopenWindow(9);  // no such kind: nothing happens
}

}  // namespace tallowen::testing

#include <gtest/gtest.h>

#include "shell/FormLoad.h"

#include <algorithm>

#include "ShellRig.h"
#include "shell/Controls.h"
#include "shell/ViewFacts.h"

namespace tallowen::testing {

namespace {

bool Printed(const ShellRig& rig, const std::string& line) {
    const auto& lines = rig.views.main.lines;
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

}  // namespace

TEST(FormLoad, RefusesATemporaryFolderAndASecondCopyBeforeReadingAnything) {
    {
        ShellRig rig;
        rig.app.folders.app = rig.folder / "Temp";
        std::filesystem::create_directories(rig.app.folders.app);
        WriteFile(rig.app.folders.app / "Tallowen.INI", "JPN = yes\r\n");
        EXPECT_EQ(FormLoad(rig.app, {}), StartOutcome::Aborted);
        EXPECT_TRUE(Printed(rig, "  UnZip the archived file Tallowen22.zip before starting"));
        EXPECT_TRUE(Printed(rig, "=> Tallowen.exe."));
        EXPECT_TRUE(Printed(rig, "  App.Path = " + PathToUtf8(rig.app.folders.app)));
        EXPECT_FALSE(rig.app.jpnInterface) << "the settings are never read";
        // An opened archive's folder or the Windows folder is no place to leave files in,
        // whether the wait runs out or End is pressed.
        rig.clock.After(2000, [&rig] { cmdEnd_Click(rig.app); });
        Abort(rig.app);
        EXPECT_FALSE(std::filesystem::exists(rig.app.folders.app / "Tallowen.CFG"));
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(rig.app.folders.app),
                                std::filesystem::directory_iterator()),
                  1)
            << "only the settings file";
    }
    ShellRig rig;
    StartupChecks checks;
    checks.otherInstance = true;
    EXPECT_EQ(FormLoad(rig.app, checks), StartOutcome::Aborted);
    EXPECT_EQ(rig.views.main.lines.back(), "  You are going to start Tallowen.exe again.");
}

TEST(FormLoad, AnIllegalKeyAbortsAndTheWaitEndsAfterTenSecondsOrAtEnd) {
    ShellRig rig;
    WriteFile(rig.folder / "Tallowen.INI", "Colour Of Sky = blue\r\n");
    ASSERT_EQ(FormLoad(rig.app, {}), StartOutcome::Aborted);
    EXPECT_TRUE(Printed(rig, "Colour Of Sky=blue   invalid keyword."));
    const std::uint32_t began = rig.clock.Ticks();
    Abort(rig.app);
    EXPECT_TRUE(rig.app.loop.ending);
    EXPECT_GE(rig.clock.Ticks() - began, 10000u);
    EXPECT_LT(rig.clock.Ticks() - began, 10200u);
    EXPECT_EQ(rig.views.main.lines.back(), "  Waiting . . . ");
    for (int c = 0; c < kControlCount; ++c)
        EXPECT_EQ(Shown(rig, Control(c)).visible, Control(c) == Control::cmdEnd) << c;
    EXPECT_TRUE(Shown(rig, Control::cmdEnd).cancelButton && Shown(rig, Control::cmdEnd).enabled);
    EXPECT_TRUE(std::filesystem::exists(rig.folder / "Tallowen.CFG")) << "layout saved";

    ShellRig early;
    early.clock.After(2000, [&early] { cmdEnd_Click(early.app); });
    const std::uint32_t start = early.clock.Ticks();
    Abort(early.app);
    EXPECT_LT(early.clock.Ticks() - start, 2200u);
}

TEST(FormLoad, WithoutSettingsItSaysSoInOneOrTwoLinesAsTheFolderFits) {
    ShellRig rig;
    rig.app.display.mainRect = {0, 0, 4000, 300};  // wide enough for any folder
    ASSERT_EQ(FormLoad(rig.app, {}), StartOutcome::Running);
    const std::string folder = PathToUtf8(rig.folder);
    EXPECT_TRUE(Printed(rig, "  " + folder + "\\Tallowen.INI"));
    EXPECT_TRUE(Printed(rig, "  is not found."));
    EXPECT_TRUE(Printed(rig, "  Tallowen.exe is running with standard setting."));

    ShellRig narrow;
    narrow.app.display.mainRect = {0, 0, 100, 300};
    ASSERT_EQ(FormLoad(narrow.app, {}), StartOutcome::Running);
    EXPECT_TRUE(Printed(narrow, "  " + PathToUtf8(narrow.folder)));
    EXPECT_TRUE(Printed(narrow, "  \\Tallowen.INI  is not found."));
}

TEST(FormLoad, ColoursComeFromTheSettingsAndTheNextCaptureStaysOrange) {
    ShellRig rig;
    EXPECT_EQ(LookOf(rig.app), ViewLook{}) << "the windows look as designed until start-up";
    WriteFile(rig.folder / "Tallowen.INI", "BackColor = C0E0FF\r\nAutoCapt Bid = yes\r\n");
    ASSERT_EQ(FormLoad(rig.app, {}), StartOutcome::Running);
    ASSERT_TRUE(rig.app.settings.backColor.has_value());
    EXPECT_EQ(Shown(rig, Control::cmdEnd).backColour, rig.app.settings.backColor);
    EXPECT_EQ(Shown(rig, Control::cmdBid).backColour, kOrange);
    EXPECT_TRUE(Shown(rig, Control::menuBid).checked);
    EXPECT_EQ(Shown(rig, Control::cmdTimer).backColour, 0xFFC0C0u);
    EXPECT_EQ(Shown(rig, Control::WeT).foreColour, 0xFF0000u);
    EXPECT_TRUE(Shown(rig, Control::cmdBid).visible && Shown(rig, Control::cmdDelFiles).visible);
    EXPECT_FALSE(Shown(rig, Control::cmdDEL).visible || Shown(rig, Control::picBox).visible);
    EXPECT_FALSE(Shown(rig, Control::menuLink2).enabled) << "no help page in English";
    const ViewLook look = LookOf(rig.app);
    EXPECT_EQ(look.backColor, *rig.app.settings.backColor);
    EXPECT_FALSE(look.japanese);
    EXPECT_EQ(look.designFont, kDesignFont);
}

TEST(FormLoad, TheJapaneseInterfaceTakesItsTextsAndTheMeiryoSizes) {
    ShellRig rig;
    rig.fonts.installed.insert("メイリオ");
    WriteFile(rig.folder / "Tallowen.INI", "JPN = yes\r\n");
    ASSERT_EQ(FormLoad(rig.app, {}), StartOutcome::Running);
    EXPECT_EQ(rig.views.main.caption, "ブリッジ用タロウェン 2.2");
    EXPECT_EQ(Shown(rig, Control::cmdEnd).caption, "終了");
    EXPECT_EQ(Shown(rig, Control::cmdEnd).font, "メイリオ");
    EXPECT_EQ(Shown(rig, Control::cmdHand).points, 9);
    EXPECT_EQ(Shown(rig, Control::cmdDelFiles).points, 9.5);
    EXPECT_EQ(Shown(rig, Control::filBox0).tooltip, "クリックしてハンドを見る");
    EXPECT_TRUE(Shown(rig, Control::menuLink2).enabled);
    const ViewLook look = LookOf(rig.app);
    EXPECT_TRUE(look.japanese);
    EXPECT_EQ(look.designFont, kJapaneseDesignFont);
    EXPECT_EQ(look.interfaceFont, "メイリオ");

    ShellRig plain;
    WriteFile(plain.folder / "Tallowen.INI", "JPN = yes\r\n");
    ASSERT_EQ(FormLoad(plain.app, {}), StartOutcome::Running);
    EXPECT_EQ(Shown(plain, Control::cmdHand).points, 10) << "the sizes without Meiryo";
    EXPECT_EQ(Shown(plain, Control::cmdDelFiles).points, 0) << "design size";
}

}  // namespace tallowen::testing

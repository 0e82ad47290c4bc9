#include <gtest/gtest.h>

#include "shell/Messages.h"

#include <string>

#include "ShellRig.h"
#include "shell/EntityText.h"
#include "shell/MessageTexts.h"
#include "shell/ViewFacts.h"

namespace tallowen::testing {

namespace {
const std::string kMeiryo = "メイリオ";
}  // namespace

struct FontCase {
    const char* text;
    bool interfaceFont;
};

class ErrorFont : public ::testing::TestWithParam<FontCase> {};

TEST_P(ErrorFont, WideTextTakesTheInterfaceFontAt12) {
    ShellRig rig;
    rig.app.interfaceFont = kMeiryo;
    ShowErrorMsg(rig.app, GetParam().text);
    ASSERT_EQ(rig.views.message.shown.size(), 1u);
    const MessageText& shown = rig.views.message.shown[0];
    EXPECT_EQ(shown.text, GetParam().text);
    EXPECT_EQ(shown.font, GetParam().interfaceFont ? kMeiryo : "Arial");
    EXPECT_EQ(shown.points, GetParam().interfaceFont ? 12 : 13);
}

INSTANTIATE_TEST_SUITE_P(
    Messages, ErrorFont,
    ::testing::Values(FontCase{"Can't Read \"Score\" Window.", false},
                      FontCase{"«Última mano» no està abierta.", false},  // Latin-1 only
                      FontCase{"《スコア》が読めません", true}, FontCase{"Read error ス", true}));

TEST(Messages, ErrorShowsTheWindowSetsTheFlagAndAlerts) {
    ShellRig rig;
    rig.app.game.windows.platform = 2;
    ShowError(rig.app, "Can't Read Score.");
    EXPECT_TRUE(rig.views.message.visible && rig.app.display.messages.visible);
    EXPECT_EQ(rig.sound.aliases, std::vector<std::string>{"SystemExclamation"});
    HideMessage(rig.app);
    EXPECT_FALSE(rig.views.message.visible || rig.app.display.messages.visible);
    EXPECT_TRUE(rig.app.display.messages.shown);  // never cleared: waiting windows stay retried
    rig.app.game.windows.platform = 1;            // the oldest system only beeps
    PutMsg(rig.app, 1);
    EXPECT_EQ(rig.sound.beeps, 1);
}

TEST(Messages, CodeWithoutTextShowsAnEmptyWindowAndStillAlerts) {
    for (auto [language, code] : {std::pair{4, 25}, {1, 99}, {11, 1}}) {
        ShellRig rig;
        rig.app.game.windows.language = language;
        PutMsg(rig.app, code);
        ASSERT_EQ(rig.views.message.shown.size(), 1u) << language << "/" << code;
        EXPECT_EQ(rig.views.message.shown[0].text, "");
        EXPECT_TRUE(rig.views.message.visible && rig.app.display.messages.shown &&
                    (rig.sound.beeps > 0 || !rig.sound.aliases.empty()));
    }
}

TEST(Messages, EntitiesAreDecoded) {
    EXPECT_EQ(DecodeEntities("&laquo;Pontua&ccedil;&atilde;o&raquo;"), "«Pontuação»");
    // What is not a known entity stays as written.
    EXPECT_EQ(DecodeEntities("AT&T; R&D &unknown; &"), "AT&T; R&D &unknown; &");
    EXPECT_EQ(NumberedMessage(18, 5, false).find('&'), std::string::npos);
}

// The Japanese interface words the English client's missing windows its own way, in its font;
// other codes and other editions keep their own texts.
TEST(Messages, JapaneseTextsAreShownInTheInterfaceFont) {
    EXPECT_NE(NumberedMessage(21, 1, true), NumberedMessage(21, 1, false));
    EXPECT_EQ(NumberedMessage(7, 1, true), NumberedMessage(7, 1, false));
    EXPECT_EQ(NumberedMessage(1, 3, true), NumberedMessage(1, 3, false));
    ShellRig rig;
    rig.app.interfaceFont = kMeiryo;
    rig.app.game.windows.language = 2;
    PutMsg(rig.app, 15);
    EXPECT_EQ(rig.views.message.shown.back().font, kMeiryo);
    rig.app.game.windows.language = 1;
    rig.app.jpnInterface = true;
    PutMsg(rig.app, 21);
    EXPECT_EQ(rig.views.message.shown.back().font, kMeiryo);
    PutMsg(rig.app, 15);
    EXPECT_EQ(rig.views.message.shown.back().font, "Arial");
}

// The message window stands left of the main window, level with its top, and keeps to the
// screen when the main window is too far left for it.
TEST(Messages, TheMessageWindowOpensLeftOfTheMainWindow) {
    const Rect beside = MessageWindowPlace(Rect{1000, 40, 1536, 480}, 4, 19);
    EXPECT_EQ(beside, (Rect{572, 40, 1000, 199})) << "380 x 100 and 40 more, with the frame";
    const Rect edge = MessageWindowPlace(Rect{300, 40, 836, 480}, 4, 19);
    EXPECT_EQ(edge, (Rect{0, 40, 428, 199}));
}

// The board opens at the configured point until the user moves it; closed and shown again, it
// opens where it was left, and draws for the client, the interface and the screen of now.
TEST(Messages, TheBoardReopensWhereTheUserLeftIt) {
    ShellRig rig;
    AppViewEvents events{rig.app};
    rig.app.settings.showBiddingSequence = {1400, 720};
    rig.app.settings.backColor = 0xC0E0FF;
    rig.app.jpnInterface = true;
    rig.app.game.windows.language = 2;
    rig.app.game.windows.titleBarAllowance = 0;
    ShowRunningAuction(rig.app);
    const BoardSetup& shown = rig.views.side.boardSetup;
    EXPECT_EQ(shown.opening, (Point{1400, 720}));
    EXPECT_TRUE(shown.layout.japaneseInterface);
    EXPECT_EQ(shown.layout.language, 2);
    EXPECT_EQ(shown.layout.spareHeight, 0);
    EXPECT_EQ(shown.layout.backColor, 0xC0E0FFu);
    EXPECT_EQ(shown.layout.screenBottom, 1000);

    events.BoardMoved(Rect{200, 150, 490, 290});
    events.SideWindowClosed(true);
    ShowRecordedAuction(rig.app);
    EXPECT_EQ(rig.views.side.boardShown, 1) << "a closed board waits for the next auction";
    ShowRunningAuction(rig.app);
    EXPECT_EQ(rig.views.side.boardShown, 2);
    EXPECT_EQ(shown.opening, (Point{200, 150}));
}

}  // namespace tallowen::testing

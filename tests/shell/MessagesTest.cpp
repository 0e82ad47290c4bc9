#include <gtest/gtest.h>

#include "shell/Messages.h"

#include <string>

#include "ShellRig.h"
#include "shell/EntityText.h"

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

}  // namespace tallowen::testing

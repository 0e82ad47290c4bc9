#include <gtest/gtest.h>

#include "shell/Messages.h"

#include <string>

#include "ShellRig.h"
#include "shell/EntityText.h"

namespace tallowen::testing {

namespace {
const std::string kMeiryo = "メイリオ";

bool Alerted(const ShellRig& rig) {
    return rig.sound.beeps + int(rig.sound.aliases.size()) > 0;
}
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
    rig.app.windows.platform = 2;
    ShowError(rig.app, "Can't Read Score.");
    EXPECT_TRUE(rig.views.message.visible);
    EXPECT_TRUE(rig.app.messages.shown);
    EXPECT_TRUE(rig.app.messages.visible);
    EXPECT_EQ(rig.app.messages.last.text, "Can't Read Score.");
    EXPECT_EQ(rig.sound.aliases, std::vector<std::string>{"SystemExclamation"});
    HideMessage(rig.app);
    EXPECT_FALSE(rig.views.message.visible);
    EXPECT_FALSE(rig.app.messages.visible);
    EXPECT_TRUE(rig.app.messages.shown);  // never cleared: waiting windows stay retried

    rig.app.windows.platform = 1;  // the oldest system only beeps
    PutMsg(rig.app, 1);
    EXPECT_EQ(rig.sound.beeps, 1);
}

TEST(Messages, CodeWithoutTextShowsAnEmptyWindowAndStillAlerts) {
    for (auto [language, code] : {std::pair{3, 25}, {4, 25}, {10, 25}, {1, 99}, {11, 1}}) {
        ShellRig rig;
        rig.app.windows.language = language;
        PutMsg(rig.app, code);
        ASSERT_EQ(rig.views.message.shown.size(), 1u) << language << "/" << code;
        EXPECT_EQ(rig.views.message.shown[0].text, "");
        EXPECT_TRUE(rig.views.message.visible);
        EXPECT_TRUE(rig.app.messages.shown);
        EXPECT_TRUE(Alerted(rig));
    }
}

TEST(Messages, EntitiesAreDecoded) {
    EXPECT_EQ(DecodeEntities("&laquo;Pontua&ccedil;&atilde;o&raquo;"), "«Pontuação»");
    EXPECT_EQ(DecodeEntities("&Uacute;ltima"), "Última");
    // What is not a known entity stays as written.
    EXPECT_EQ(DecodeEntities("AT&T; R&D &unknown; &"), "AT&T; R&D &unknown; &");
    EXPECT_EQ(DecodeEntities("&amp;laquo;"), "&laquo;");
    // A stored text with a window name and accents, as the window shows it.
    EXPECT_EQ(NumberedMessage(18, 5, false), "«Licitazióne di Bridge» non'è abierta.");
}

// Every stored text comes out whole: window names in, entities decoded, nothing left over.
TEST(Messages, EveryEditionHasItsTextsFullyComposed) {
    const int common[] = {1, 7, 11, 12, 13, 15, 16, 18, 19, 21, 24};
    for (int language = 1; language <= 10; ++language) {
        for (int code : common) {
            std::string text = NumberedMessage(code, language, false);
            EXPECT_FALSE(text.empty()) << language << "/" << code;
            EXPECT_EQ(text.find_first_of("&%"), std::string::npos) << text;
        }
        EXPECT_EQ(NumberedMessage(13, language, false), NumberedMessage(11, language, false));
        bool trickText = language == 1 || language == 2 || (language >= 7 && language <= 9);
        EXPECT_EQ(NumberedMessage(25, language, false).empty(), !trickText) << language;
    }
    // Only the Japanese edition words "bidding not started" two ways.
    EXPECT_NE(NumberedMessage(19, 2, false), NumberedMessage(12, 2, false));
    EXPECT_EQ(NumberedMessage(19, 6, false), NumberedMessage(12, 6, false));
}

TEST(Messages, TheTwoTextsAddedForMissingWindows) {
    // In the manner of the other missing-window messages of each edition.
    EXPECT_EQ(NumberedMessage(25, 1, false), "LastTrick is not open.");
    EXPECT_EQ(NumberedMessage(21, 10, false), "«Última rodada» não é aberta.");
}

TEST(Messages, JapaneseInterfaceWordsTheEnglishClientsMissingWindows) {
    EXPECT_EQ(NumberedMessage(1, 1, true), "《Score》が オープンしていません.");
    EXPECT_EQ(NumberedMessage(18, 1, true), "《Bridge Bidding》が オープンしていません.");
    EXPECT_EQ(NumberedMessage(21, 1, true), "《Last Hand》が オープンしていません.");
    EXPECT_EQ(NumberedMessage(25, 1, true), "《Last Trick》が オープンしていません.");
    // Other codes, and other editions, keep their own texts.
    EXPECT_EQ(NumberedMessage(7, 1, true), NumberedMessage(7, 1, false));
    EXPECT_EQ(NumberedMessage(1, 3, true), NumberedMessage(1, 3, false));
}

TEST(Messages, JapaneseTextsAreShownInTheInterfaceFont) {
    ShellRig rig;
    rig.app.interfaceFont = kMeiryo;
    rig.app.windows.language = 2;
    PutMsg(rig.app, 15);
    EXPECT_EQ(rig.views.message.shown.back().font, kMeiryo);
    EXPECT_EQ(rig.views.message.shown.back().points, 12);

    rig.app.windows.language = 1;
    rig.app.jpnInterface = true;
    PutMsg(rig.app, 21);
    EXPECT_EQ(rig.views.message.shown.back().font, kMeiryo);
    PutMsg(rig.app, 15);
    EXPECT_EQ(rig.views.message.shown.back().font, "Arial");
    EXPECT_EQ(rig.views.message.shown.back().text, "Bidding is not yet over.");
}

TEST(Messages, LogLinesReachTheLogOnlyInLoggingMode) {
    ShellRig rig;
    LogLine(rig.app, "silent");
    ASSERT_NE(rig.app.scoringLog, nullptr);
    rig.app.scoringLog->Log("also silent");
    EXPECT_TRUE(rig.views.log.lines.empty());
    rig.app.settings.log = "on";
    LogLine(rig.app, "one");
    rig.app.scoringLog->Log("two");
    EXPECT_EQ(rig.views.log.lines, (std::vector<std::string>{"one", "two"}));
}

TEST(Messages, RunningAuctionLoadsTheBoardOnlyWhenItHasAPlace) {
    ShellRig rig;
    Deal& deal = rig.app.deals.capture;
    deal.Level = 3;
    deal.Declarer = 2;
    ShowRunningAuction(rig.app);
    EXPECT_EQ(rig.views.side.boardShown, 0);
    EXPECT_FALSE(rig.app.boardLoaded);
    ShowRecordedAuction(rig.app);
    EXPECT_EQ(rig.views.side.boardShown, 0);

    rig.app.settings.showBiddingSequence = {640, 20};
    ShowRunningAuction(rig.app);
    EXPECT_TRUE(rig.app.boardLoaded);
    EXPECT_EQ(rig.views.side.boardShown, 1);
    EXPECT_EQ(rig.views.side.level, 0);  // no contract while the auction runs
    EXPECT_EQ(rig.views.side.declarer, -1);
    EXPECT_EQ(deal.Level, 0);

    deal.Level = 4;
    deal.Declarer = 1;
    ShowRecordedAuction(rig.app);
    EXPECT_EQ(rig.views.side.boardShown, 2);
    EXPECT_EQ(rig.views.side.level, 4);
    EXPECT_EQ(rig.views.side.declarer, 1);
}

}  // namespace tallowen::testing

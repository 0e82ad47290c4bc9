// How each kind of settings value is applied, line by line.
#include <gtest/gtest.h>

#include <filesystem>

#include "common/Settings.h"

namespace tallowen {
namespace {

const std::filesystem::path kDataFolder =
    std::filesystem::path(TALLOWEN_TESTDATA) / "common" / "settings";

Settings Apply(std::vector<std::string> lines, Settings s = Settings{}) {
    ApplyINILines(lines, kDataFolder, s);
    return s;
}

// ---- key lines ----

TEST(GetKeyValue, SkipsCommentsBlankLinesAndLinesWithoutEquals) {
    std::vector<std::string> lines = {
        "", "   # Key = value", "no equals here", "  a = b = c  ", "\tkey\t=\t", "last=1"};
    std::size_t next = 0;
    KeyValue kv = GetKeyValue(lines, next);
    EXPECT_EQ(kv.key, "a");
    EXPECT_EQ(kv.value, "b = c");
    kv = GetKeyValue(lines, next);
    EXPECT_EQ(kv.key, "key");
    EXPECT_EQ(kv.value, "");
    kv = GetKeyValue(lines, next);
    EXPECT_EQ(kv.key, "last");
    kv = GetKeyValue(lines, next);
    EXPECT_EQ(kv.key, "");
    EXPECT_EQ(kv.value, "");
    EXPECT_EQ(next, lines.size());
}

TEST(ReadINILines, KeysMatchWithoutRegardToCase) {
    Settings s = Apply({"AUTOCAPT BID = no", "autocapt hand = no", "StRiCt = no"});
    EXPECT_FALSE(s.autoCaptBid);
    EXPECT_FALSE(s.autoCaptHand);
    EXPECT_FALSE(s.strict);
}

TEST(ReadINILines, EveryKnownKeyIsAcceptedAsWritten) {
    const char* keys[] = {"link",
                          "ニル集計",
                          "CFG",
                          "TopMostScoreWindow",
                          "GamePoint",
                          "AlertPlayers",
                          "ブラックリスト",
                          "MyYahooID",
                          "AutoCapt Bid",
                          "AutoCapt Hand",
                          "WaitTime Bid",
                          "WaitTime Hand",
                          "AlertTime",
                          "AlertSound",
                          "AlertWinning",
                          "AlertLosing",
                          "Reduce SpadesWindow",
                          "Minimize LastHand",
                          "DebugWindow",
                          "BOX の状態を表示",
                          "log",
                          "history",
                          "日本語表示",
                          "JPN",
                          "Text Output",
                          "BackColor",
                          "BackColor2",
                          "BackColor3",
                          "BackColor4",
                          "BackColor5",
                          "Score Table",
                          "スコアの表",
                          "Card Order",
                          "カードの順序",
                          "Suit Marks",
                          "strict",
                          "AlertNilBids",
                          "AlertFailNil",
                          "AlertSuicideTable",
                          "AlertDnilPassTable",
                          "AlertCanDNilPass",
                          "BoldBidTrick",
                          "ShowTrickBox",
                          "BridgeWindowWidth",
                          "BidTrickCounter",
                          "TopMostBiddingBoard",
                          "BiddingBoard",
                          "残りのカード",
                          "ShowBiddingSequence",
                          "CountCards",
                          "PasteScoreTable",
                          "MyHand",
                          "HelpBidIn4thSeat",
                          "AskAlert",
                          "TopmostPlayerInfo"};
    for (const char* key : keys) {
        Settings s;
        IniResult r = ApplyINILines({std::string(key) + " = yes"}, kDataFolder, s);
        EXPECT_FALSE(r.illegal) << key;
    }
}

TEST(ReadINILines, CommentWithEqualsAndLineWithoutEqualsAreSkipped) {
    IniResult r;
    Settings s;
    r = ApplyINILines({"# Bogus = 1", "   #strict = no", "just words", "= orphan value"},
                      kDataFolder, s);
    EXPECT_FALSE(r.illegal);
    EXPECT_TRUE(s.strict);
}

TEST(ReadINILines, UnknownKeyStopsAndIsReportedAsWritten) {
    Settings s;
    IniResult r = ApplyINILines(
        {"strict = no", "  Colour Scheme  =  \"Dark\"  ", "AutoCapt Bid = no"}, kDataFolder, s);
    EXPECT_TRUE(r.illegal);
    EXPECT_EQ(r.badKey, "Colour Scheme");
    EXPECT_EQ(r.badValue, "\"Dark\"");
    EXPECT_FALSE(s.strict);      // applied before the stop
    EXPECT_TRUE(s.autoCaptBid);  // after it: not applied
}

TEST(ReadINILines, KeyOnTheLastLineIsApplied) {
    Settings s = Apply({"strict = no", "AutoCapt Bid = no"});
    EXPECT_FALSE(s.autoCaptBid);
}

// ---- flags ----

struct FlagCase {
    const char* value;
    bool expected;
};
class FlagRule : public testing::TestWithParam<FlagCase> {};

TEST_P(FlagRule, TrueOnlyForYWordsAndOn) {
    for (bool start : {false, true}) {
        Settings s;
        s.autoCaptBid = start;
        s = Apply({std::string("AutoCapt Bid = ") + GetParam().value}, s);
        EXPECT_EQ(s.autoCaptBid, GetParam().expected) << "from " << start;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Values, FlagRule,
    testing::Values(FlagCase{"Yes", true}, FlagCase{"yes", true}, FlagCase{"y", true},
                    FlagCase{"YES", true}, FlagCase{"yeah whatever", true}, FlagCase{"on", true},
                    FlagCase{"ON", true}, FlagCase{"\"yes\"", true}, FlagCase{"only", false},
                    FlagCase{"true", false}, FlagCase{"1", false}, FlagCase{"off", false},
                    FlagCase{"no", false}, FlagCase{"", false}, FlagCase{"n", false}));

TEST(FlagKeys, JapaneseDisplayOnlyEverTurnsOn) {
    Settings s = Apply({"JPN = yes", "JPN = no", "日本語表示 = off"});
    EXPECT_TRUE(s.jpn);
    EXPECT_TRUE(Apply({"日本語表示 = y"}).jpn);
    EXPECT_FALSE(Apply({"JPN = true"}).jpn);
}

TEST(FlagKeys, TopMostScoreWindowOnlyEverTurnsOn) {
    EXPECT_TRUE(Apply({"TopMostScoreWindow = yes", "TopMostScoreWindow = no"}).topMostScoreWindow);
    EXPECT_FALSE(Apply({"TopMostScoreWindow = 1"}).topMostScoreWindow);
}

TEST(FlagKeys, EachFlagKeySetsItsOwnField) {
    Settings s = Apply({"Minimize LastHand = y", "BOX の状態を表示 = y", "Text Output = y",
                        "ShowTrickBox = y", "TopMostBiddingBoard = y", "TopmostPlayerInfo = y",
                        "AlertSuicideTable = y", "AlertDnilPassTable = y", "DebugWindow = y",
                        "Score Table = y", "ニル集計 = y", "AlertNilBids = y", "AlertFailNil = y",
                        "AlertCanDNilPass = y", "BoldBidTrick = y"});
    EXPECT_TRUE(s.minimizeLastHand && s.showBoxStatus && s.textOutput && s.showTrickBox &&
                s.topMostBiddingBoard && s.topmostPlayerInfo && s.alertSuicideTable &&
                s.alertDnilPassTable && s.debugWindow && s.scoreTable && s.nilTotals &&
                s.alertNilBids && s.alertFailNil && s.alertCanDNilPass && s.boldBidTrick);
    EXPECT_TRUE(Apply({"スコアの表 = yes"}).scoreTable);
}

// ---- numbers and times ----

struct NumberCase {
    const char* value;
    std::int32_t expected;
};
class NumberRule : public testing::TestWithParam<NumberCase> {};

TEST_P(NumberRule, LeadingNumberRoundedHalfToEven) {
    Settings s = Apply({std::string("BridgeWindowWidth = ") + GetParam().value,
                        std::string("GamePoint = ") + GetParam().value,
                        std::string("Reduce SpadesWindow = ") + GetParam().value});
    EXPECT_EQ(s.bridgeWindowWidth, GetParam().expected);
    EXPECT_EQ(s.gamePoint, GetParam().expected);
    EXPECT_EQ(s.reduceSpadesWindow, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Values, NumberRule,
                         testing::Values(NumberCase{"800", 800}, NumberCase{"800.5", 800},
                                         NumberCase{"801.5", 802}, NumberCase{"-3.5", -4},
                                         NumberCase{"12abc", 12}, NumberCase{"1 2", 12},
                                         NumberCase{"abc", 0}, NumberCase{"", 0},
                                         NumberCase{"yes", 0}, NumberCase{"\"640\"", 640},
                                         NumberCase{"99999999999", 2147483647}));

class TimeRule : public testing::TestWithParam<NumberCase> {};

TEST_P(TimeRule, SecondsBecomeWholeMilliseconds) {
    Settings s;
    SetTallowenDefaults(s);
    s = Apply({std::string("WaitTime Bid = ") + GetParam().value,
               std::string("WaitTime Hand = ") + GetParam().value,
               std::string("AlertTime = ") + GetParam().value},
              s);
    EXPECT_EQ(s.waitTimeBid, GetParam().expected);
    EXPECT_EQ(s.waitTimeHand, GetParam().expected);
    EXPECT_EQ(s.alertTime, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Values, TimeRule,
                         testing::Values(NumberCase{"1.5", 1500}, NumberCase{"20", 20000},
                                         NumberCase{"soon", 0}, NumberCase{"0.0005", 0},
                                         NumberCase{"0.0015", 2}, NumberCase{"1e3", 1000},
                                         NumberCase{"\"45\"", 45000}, NumberCase{"-2", -2000},
                                         NumberCase{"9999999", 2147483647}));

// ---- colours ----

TEST(ColourKeys, WindowColourIsHexadecimalRedInTheLowByte) {
    Settings s = Apply({"BackColor = FFE8E8"});
    ASSERT_TRUE(s.backColor.has_value());
    EXPECT_EQ(*s.backColor & 0xFF, 0xE8u);          // red
    EXPECT_EQ((*s.backColor >> 8) & 0xFF, 0xE8u);   // green
    EXPECT_EQ((*s.backColor >> 16) & 0xFF, 0xFFu);  // blue
}

struct ColourCase {
    const char* value;
    std::uint32_t expected;
};
class WindowColourRule : public testing::TestWithParam<ColourCase> {};

TEST_P(WindowColourRule, BackColor2) {
    EXPECT_EQ(Apply({std::string("BackColor2 = ") + GetParam().value}).backColor2,
              GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Values, WindowColourRule,
                         testing::Values(ColourCase{"ffe8e8", 0xFFE8E8}, ColourCase{"C0", 0xC0},
                                         ColourCase{"\"00ff00\"", 0x00FF00},
                                         ColourCase{"80ffzz", 0x80FF}, ColourCase{"zz", 0},
                                         ColourCase{"", 0xCDCDCD},
                                         ColourCase{"123456789", 0xCDCDCD},
                                         ColourCase{"FFFFFFFF", 0xFFFFFFFF}));

TEST(ColourKeys, EmptyWindowColourKeepsTheDesignColour) {
    EXPECT_FALSE(Apply({"BackColor ="}).backColor.has_value());
    EXPECT_FALSE(Apply({"BackColor = \"\""}).backColor.has_value());
}

TEST(ColourKeys, PageColoursAreLowerCaseStyleTexts) {
    Settings s = Apply({"BackColor3 = ffe8e8", "BackColor4 = AABBCC", "BackColor5 ="});
    EXPECT_EQ(s.backColor3, "#ffe8e8");
    EXPECT_EQ(s.backColor4, "#aabbcc");
    EXPECT_EQ(s.backColor5, "#E0C0C0");
}

// ---- texts ----

TEST(TextKeys, SoundsAreLowerCasedNamesKeepTheirCase) {
    Settings s = Apply({"AlertSound = \"SystemHand\"", "CFG = \"My Layout.CFG\" old",
                        "log = Debug.Log", "history = Hist.TXT", "AlertWinning = Win"});
    EXPECT_EQ(s.alertSound, "systemhand");
    EXPECT_EQ(s.cfg, "My Layout.CFG");
    EXPECT_EQ(s.log, "Debug.Log");
    EXPECT_EQ(s.history, "Hist.TXT");
    EXPECT_EQ(s.alertWinning, "win");
}

TEST(TextKeys, EmptyLogAndHistoryKeepTheirValueButEmptyCfgClears) {
    Settings s;
    s.log = "kept.log";
    s.history = "kept.txt";
    s.cfg = "old.CFG";
    s = Apply({"log =", "history = \"\"", "CFG ="}, s);
    EXPECT_EQ(s.log, "kept.log");
    EXPECT_EQ(s.history, "kept.txt");
    EXPECT_EQ(s.cfg, "");
}

TEST(TextKeys, LinkTakesOnlyUsaOrUk) {
    EXPECT_EQ(Apply({"link = UK"}).link, "uk");
    EXPECT_EQ(Apply({"link = usa"}).link, "usa");
    EXPECT_EQ(Apply({"link = usa", "link = france"}).link, "usa");
}

TEST(TextKeys, AlertPlayersOnlyWhenTheFileExists) {
    EXPECT_EQ(Apply({"AlertPlayers = Blacklist.TXT"}).alertPlayers, "blacklist.txt");
    EXPECT_EQ(Apply({"ブラックリスト = blacklist.txt", "AlertPlayers = missing.txt"}).alertPlayers,
              "blacklist.txt");
    EXPECT_EQ(Apply({"AlertPlayers ="}).alertPlayers, "");
}

// ---- lists and choices ----

TEST(MyYahooID, ItemsLowerCasedByCommaOrBlank) {
    EXPECT_EQ(Apply({"MyYahooID = Alice, bob"}).myYahooID,
              (std::vector<std::string>{"alice", "bob"}));
    EXPECT_EQ(Apply({"MyYahooID = \"Carol Dave\""}).myYahooID,
              (std::vector<std::string>{"carol", "dave"}));
}

TEST(MyYahooID, SecondLineRefillsFromTheFirstPlace) {
    EXPECT_EQ(Apply({"MyYahooID = a, b, c", "MyYahooID = d"}).myYahooID,
              (std::vector<std::string>{"d", "b", "c"}));
}

TEST(MyYahooID, MoreThanAHundredItemsKeepTheFirstHundred) {
    std::string line = "MyYahooID = ";
    for (int i = 0; i < 150; ++i) line += "id" + std::to_string(i) + ",";
    Settings s = Apply({line});
    ASSERT_EQ(s.myYahooID.size(), kMaxYahooIDs);
    EXPECT_EQ(s.myYahooID.front(), "id0");
    EXPECT_EQ(s.myYahooID.back(), "id99");
}

TEST(CardOrder, RawValueComparedExactly) {
    Settings asc;
    asc.cardOrder = CardOrder::Ascending;
    EXPECT_EQ(Apply({"Card Order = Descending"}, asc).cardOrder, CardOrder::Ascending);
    EXPECT_EQ(Apply({"Card Order = descending"}, asc).cardOrder, CardOrder::Descending);
    EXPECT_EQ(Apply({"Card Order = \"ascending\""}).cardOrder, CardOrder::Descending);
    EXPECT_EQ(Apply({"Card Order = ascending"}).cardOrder, CardOrder::Ascending);
    EXPECT_EQ(Apply({"カードの順序 = 昇順"}).cardOrder, CardOrder::Ascending);
    EXPECT_EQ(Apply({"カードの順序 = 降順"}, asc).cardOrder, CardOrder::Descending);
}

TEST(SuitMarks, SizesAreWrittenSpadesFirst) {
    Settings s = Apply({"Suit Marks = (100, 100, 110, 90)"});
    EXPECT_EQ(s.suitMarkSizes, (std::array<std::string, 4>{"90", "110", "100", "100"}));
    EXPECT_FALSE(s.suitMarkSymbol || s.suitMarkGiff);
}

TEST(SuitMarks, StylesAreSeparateFlagsThatStaySet) {
    Settings s = Apply({"Suit Marks = Symbol and giff"});
    EXPECT_TRUE(s.suitMarkSymbol);
    EXPECT_FALSE(s.suitMarkGiff);
    s = Apply({"Suit Marks = giff"}, s);
    EXPECT_TRUE(s.suitMarkSymbol && s.suitMarkGiff);
}

TEST(SuitMarks, OtherValuesChangeNothingAndMissingSizesStay) {
    Settings defaults;
    EXPECT_EQ(Apply({"Suit Marks = 100, 100, 110, 90"}).suitMarkSizes, defaults.suitMarkSizes);
    EXPECT_EQ(Apply({"Suit Marks = entities"}).suitMarkSizes, defaults.suitMarkSizes);
    EXPECT_EQ(Apply({"Suit Marks = (150, 80)"}).suitMarkSizes,
              (std::array<std::string, 4>{"90", "120", "80", "150"}));
}

// ---- points ----

struct PointCase {
    const char* text;
    PointXY expected;
};
class PointRule : public testing::TestWithParam<PointCase> {};

TEST_P(PointRule, ParsePoint) {
    PointXY p{5, 6};
    ParsePoint(p, GetParam().text);
    EXPECT_EQ(p, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Values, PointRule,
                         testing::Values(PointCase{"(12, 34)", {12, 34}},
                                         PointCase{"(12,34)", {12, 34}},
                                         PointCase{"(*, 0)", {-100, -100}},
                                         PointCase{"(* , 0)", {0, 0}}, PointCase{"12, 34", {5, 6}},
                                         PointCase{"", {5, 6}}, PointCase{"at (1 2)", {1, 2}},
                                         PointCase{"(7)", {7, 0}}, PointCase{"(2.5, 3.5)", {2, 4}},
                                         PointCase{"(-20, -30)", {-20, -30}}));

TEST(PointKeys, EachPointKeySetsItsOwnPosition) {
    Settings s =
        Apply({"残りのカード = (*, 9)", "ShowBiddingSequence = (1, 2)", "PasteScoreTable = (3, 4)",
               "HelpBidIn4thSeat = (5, 6)", "AskAlert = (7, 8)"});
    EXPECT_EQ(s.boxPosition, (PointXY{-100, -100}));
    EXPECT_EQ(s.showBiddingSequence, (PointXY{1, 2}));
    EXPECT_EQ(s.pasteScoreTable, (PointXY{3, 4}));
    EXPECT_EQ(s.helpBidIn4thSeat, (PointXY{5, 6}));
    EXPECT_EQ(s.askAlert, (PointXY{7, 8}));
}

TEST(PointKeys, CountCardsTurnsOnWithANonZeroX) {
    EXPECT_TRUE(Apply({"CountCards = (9, 10)"}).countCards.on);
    Settings s = Apply({"CountCards = (0, 10)"});
    EXPECT_FALSE(s.countCards.on);
    EXPECT_EQ(s.countCards.point, (PointXY{0, 10}));
}

TEST(PointKeys, BidTrickCounterReadsTwoPoints) {
    Settings s = Apply({"BidTrickCounter = (1, 2), (3, 4)"});
    EXPECT_EQ(s.bidTrickCounter[0], (PointXY{1, 2}));
    EXPECT_EQ(s.bidTrickCounter[1], (PointXY{3, 4}));
    s = Apply({"BidTrickCounter = (1, 2)"});
    EXPECT_EQ(s.bidTrickCounter[1], (PointXY{0, 0}));
}

TEST(PointKeys, BiddingBoardModeAndModal) {
    Settings s = Apply({"BiddingBoard = (5,6) modal"});
    EXPECT_EQ(s.biddingBoard.mode, 7);
    EXPECT_EQ(s.biddingBoard.point, (PointXY{5, 6}));
    EXPECT_TRUE(s.biddingBoard.modal);
    s = Apply({"BiddingBoard = (5,6) DNil Pass Only"});
    EXPECT_EQ(s.biddingBoard.mode, 2);
    EXPECT_FALSE(s.biddingBoard.modal);
}

TEST(PointKeys, MyHandDoubleWinsOverSingle) {
    Settings s = Apply({"MyHand = single double (7, 8)"});
    EXPECT_EQ(s.myHand.view, 2);
    EXPECT_EQ(s.myHand.point, (PointXY{0, 0}));  // the point counts only at the start
    s = Apply({"MyHand = (7, 8) Single"});
    EXPECT_EQ(s.myHand.view, 1);
    EXPECT_EQ(s.myHand.point, (PointXY{7, 8}));
}

}  // namespace
}  // namespace tallowen

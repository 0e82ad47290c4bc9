// How each kind of settings value is applied, line by line.
#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

#include "common/Settings.h"
#include "common/Text.h"

namespace tallowen {
namespace {

const std::filesystem::path kDataFolder =
    std::filesystem::path(TALLOWEN_TESTDATA) / "common" / "settings";

Settings Apply(std::vector<std::string> lines, Settings s = Settings{}) {
    ApplyINILines(lines, kDataFolder, s);
    return s;
}

// ---- key lines ----

std::vector<std::string> KnownKeys() {
    std::string keys =
        "link|ニル集計|CFG|TopMostScoreWindow|GamePoint|AlertPlayers|ブラックリスト|MyYahooID|"
        "AutoCapt Bid|AutoCapt Hand|WaitTime Bid|WaitTime Hand|AlertTime|AlertSound|AlertWinning|"
        "AlertLosing|Reduce SpadesWindow|Minimize LastHand|DebugWindow|BOX の状態を表示|log|"
        "history|日本語表示|JPN|Text Output|BackColor|BackColor2|BackColor3|BackColor4|BackColor5|"
        "Score Table|スコアの表|Card Order|カードの順序|Suit Marks|strict|AlertNilBids|"
        "AlertFailNil|AlertSuicideTable|AlertDnilPassTable|AlertCanDNilPass|BoldBidTrick|"
        "ShowTrickBox|BridgeWindowWidth|BidTrickCounter|TopMostBiddingBoard|BiddingBoard|"
        "残りのカード|ShowBiddingSequence|CountCards|PasteScoreTable|MyHand|HelpBidIn4thSeat|"
        "AskAlert|TopmostPlayerInfo|PBN Output|Double Dummy|";
    std::vector<std::string> list;
    for (std::size_t at = 0, bar; (bar = keys.find('|', at)) != std::string::npos; at = bar + 1)
        list.push_back(keys.substr(at, bar - at));
    return list;
}

TEST(ReadINILines, EveryKnownKeyIsAcceptedAsWrittenInAnyCase) {
    for (const std::string& key : KnownKeys()) {
        for (const std::string& written : {key, ToUpper(key)}) {
            Settings s;
            EXPECT_FALSE(ApplyINILines({written + " = yes"}, kDataFolder, s).illegal) << written;
        }
    }
    EXPECT_FALSE(Apply({"strict = yes", "StRiCt = no"}).strict);
}

// An empty value, a value of quotes only, or one far too long says nothing: whatever the
// key, the field keeps what it had (and reading goes on).
TEST(ReadINILines, EmptyQuoteOnlyAndOverlongValuesLeaveEveryFieldAsItWas) {
    std::vector<std::string> filled;
    for (const std::string& key : KnownKeys()) filled.push_back(key + " = y (5, 6) 7");
    const std::string tooLong(kMaxSettingValue + 1, '7');
    for (const Settings& start : {Settings{}, Apply(filled)}) {
        for (const std::string& key : KnownKeys()) {
            for (const std::string value : {"", "\"", "\"\"", " \" \"  ", tooLong.c_str()}) {
                Settings s = start;
                IniResult r = ApplyINILines({key + " =" + value, "strict = n"}, kDataFolder, s);
                EXPECT_FALSE(r.illegal);
                EXPECT_FALSE(s.strict) << "reading stopped at " << key;
                s.strict = start.strict;
                EXPECT_TRUE(s == start) << key << " = " << value.substr(0, 8);
            }
        }
    }
}

TEST(ReadINILines, UnknownKeyStopsButCommentsAndLinesWithoutEqualsAreSkipped) {
    Settings s;
    IniResult r =
        ApplyINILines({"# Bogus = 1", "   #strict = yes", "just words", "= orphan value",
                       "strict = no", "  Colour Scheme  =  \"Dark\" = x ", "AutoCapt Bid = no"},
                      kDataFolder, s);
    EXPECT_TRUE(r.illegal);
    EXPECT_EQ(r.badKey, "Colour Scheme");
    EXPECT_EQ(r.badValue, "\"Dark\" = x");
    EXPECT_FALSE(s.strict);      // applied before the stop
    EXPECT_TRUE(s.autoCaptBid);  // after it: not applied
}

// ---- flags ----

struct FlagCase {
    const char* value;
    bool expected;
};
class FlagRule : public ::testing::TestWithParam<FlagCase> {};

TEST_P(FlagRule, TrueOnlyForYWordsAndOn) {
    for (bool start : {false, true}) {
        Settings s;
        s.autoCaptBid = start;
        s = Apply({std::string("AutoCapt Bid = ") + GetParam().value}, s);
        EXPECT_EQ(s.autoCaptBid, GetParam().expected) << "from " << start;
    }
}

INSTANTIATE_TEST_SUITE_P(Values, FlagRule,
                         ::testing::Values(FlagCase{"yes", true}, FlagCase{"Y", true},
                                           FlagCase{"yeah whatever", true}, FlagCase{"ON", true},
                                           FlagCase{"\"yes\"", true}, FlagCase{"only", false},
                                           FlagCase{"true", false}, FlagCase{"1", false},
                                           FlagCase{"off", false}));

TEST(FlagKeys, JapaneseDisplayOnlyEverTurnsOn) {
    EXPECT_TRUE(Apply({"JPN = yes", "JPN = no", "日本語表示 = off"}).jpn);
    EXPECT_TRUE(Apply({"日本語表示 = y"}).jpn);
    EXPECT_FALSE(Apply({"JPN = true"}).jpn);
    EXPECT_TRUE(Apply({"TopMostScoreWindow = yes", "TopMostScoreWindow = no"}).topMostScoreWindow);
    // The utility's own two keys each set only their own flag; old files leave both off.
    Settings pbn = Apply({"pbn output = yes", "Text Output = yes"});
    EXPECT_TRUE(pbn.pbnOutput && !pbn.doubleDummy);
    Settings dd = Apply({"Double Dummy = on", "PBN Output = true"});
    EXPECT_TRUE(dd.doubleDummy && !dd.pbnOutput && !dd.textOutput);
}

// ---- numbers and times ----

struct NumberCase {
    const char* value;
    std::int32_t number, ms;  // as a number; as seconds in milliseconds
};
class NumberRule : public ::testing::TestWithParam<NumberCase> {};

TEST_P(NumberRule, LeadingNumberRoundedHalfToEvenAndSecondsToMilliseconds) {
    const NumberCase& c = GetParam();
    Settings s;
    SetTallowenDefaults(s);
    std::vector<std::string> lines;
    for (const char* key : {"BridgeWindowWidth", "GamePoint", "Reduce SpadesWindow", "WaitTime Bid",
                            "WaitTime Hand", "AlertTime"})
        lines.push_back(std::string(key) + " = " + c.value);
    s = Apply(lines, s);
    EXPECT_EQ((std::vector<std::int32_t>{s.bridgeWindowWidth, s.gamePoint, s.reduceSpadesWindow}),
              std::vector<std::int32_t>(3, c.number));
    EXPECT_EQ((std::vector<std::int32_t>{s.waitTimeBid, s.waitTimeHand, s.alertTime}),
              std::vector<std::int32_t>(3, c.ms));
}

INSTANTIATE_TEST_SUITE_P(Values, NumberRule,
                         ::testing::Values(NumberCase{"800.5", 800, 800500},
                                           NumberCase{"801.5", 802, 801500},
                                           NumberCase{"-3.5", -4, -3500},
                                           NumberCase{"1 2abc", 12, 12000},
                                           NumberCase{"\"45\"", 45, 45000},
                                           NumberCase{"0.0005", 0, 0}, NumberCase{"0.0015", 0, 2},
                                           NumberCase{"99999999999", 2147483647, 2147483647}));

// ---- colours ----

TEST(ColourKeys, WindowColoursAreHexAndPageColoursLowerCaseTexts) {
    const std::pair<const char*, std::uint32_t> table[] = {
        {"C0", 0xC0},   {"\"00ff00\"", 0x00FF00}, {"80ffzz", 0x80FF},      {"zz", 0},
        {"", 0xCDCDCD}, {"123456789", 0xCDCDCD},  {"FFFFFFFF", 0xFFFFFFFF}};
    for (auto [value, colour] : table)
        EXPECT_EQ(Apply({std::string("BackColor2 = ") + value}).backColor2, colour) << value;
    EXPECT_FALSE(Apply({"BackColor ="}).backColor.has_value());  // the design colour stays
    EXPECT_FALSE(Apply({"BackColor = \"\""}).backColor.has_value());
    Settings s = Apply({"BackColor4 = AABBCC", "BackColor5 ="});
    EXPECT_EQ(std::tuple(s.backColor4, s.backColor5), std::tuple("#aabbcc", "#E0C0C0"));
}

// Page colours and mark sizes go into every page's style sheet: only colours and numbers may.
TEST(StyleSheetValues, AnythingButAColourOrANumberKeepsTheOldValue) {
    Settings s = Apply({"BackColor3 = </style><script>alert(1)</script>", "BackColor4 = red",
                        "BackColor5 = #abc", "Suit Marks = (90</style>, 1e3, 80.5, 1.2.3)"});
    EXPECT_EQ(std::tuple(s.backColor3, s.backColor4, s.backColor5),
              std::tuple("#FFE8E8", "#D0D0D0", "#E0C0C0"));
    EXPECT_EQ(s.suitMarkSizes, (std::array<std::string, 4>{"90", "80.5", "90", "95"}));
    EXPECT_EQ(Apply({"BackColor3 = \"AbC\""}).backColor3, "#abc");
    EXPECT_EQ(Apply({"BackColor3 = 123456789"}).backColor3, "#FFE8E8");
}

// ---- texts, lists and choices ----

TEST(TextKeys, EachTextKeyHasItsOwnRule) {
    Settings s = Apply({"AlertWinning = Win", "CFG = \"My Layout.CFG\" old", "link = UK",
                        "link = france", "ブラックリスト = Blacklist.TXT", "history = Hist.TXT"});
    EXPECT_EQ(std::tuple(s.alertWinning, s.cfg, s.link, s.alertPlayers, s.history),
              std::tuple("win", "My Layout.CFG", "uk", "blacklist.txt", "Hist.TXT"));
}

TEST(MyYahooID, LowerCasedItemsRefilledFromTheFirstPlaceAtMostAHundred) {
    EXPECT_EQ(Apply({"MyYahooID = \"Carol Dave\""}).myYahooID,
              (std::vector<std::string>{"carol", "dave"}));
    EXPECT_EQ(Apply({"MyYahooID = a, b, c", "MyYahooID = d"}).myYahooID,
              (std::vector<std::string>{"d", "b", "c"}));
    std::string line = "MyYahooID = ";
    for (int i = 0; i < 150; ++i) line += "id" + std::to_string(i) + ",";
    Settings s = Apply({line});
    ASSERT_EQ(s.myYahooID.size(), kMaxYahooIDs);
    EXPECT_EQ(s.myYahooID.back(), "id99");
}

TEST(CardOrder, RawValueComparedExactly) {
    Settings asc;
    asc.cardOrder = CardOrder::Ascending;
    EXPECT_EQ(Apply({"Card Order = Descending"}, asc).cardOrder, CardOrder::Ascending);
    EXPECT_EQ(Apply({"Card Order = descending"}, asc).cardOrder, CardOrder::Descending);
    EXPECT_EQ(Apply({"Card Order = \"ascending\""}).cardOrder, CardOrder::Descending);
    EXPECT_EQ(Apply({"カードの順序 = 昇順"}).cardOrder, CardOrder::Ascending);
    EXPECT_EQ(Apply({"カードの順序 = 降順"}, asc).cardOrder, CardOrder::Descending);
}

TEST(SuitMarks, SizesSpadesFirstAndStylesAsFlagsThatStaySet) {
    Settings defaults;
    EXPECT_EQ(Apply({"Suit Marks = 100, 100, 110, 90"}).suitMarkSizes, defaults.suitMarkSizes);
    EXPECT_EQ(Apply({"Suit Marks = (150, 80)"}).suitMarkSizes,
              (std::array<std::string, 4>{"90", "120", "80", "150"}));
    Settings s = Apply({"Suit Marks = Symbol and giff"});
    EXPECT_TRUE(s.suitMarkSymbol);
    EXPECT_FALSE(s.suitMarkGiff);
    s = Apply({"Suit Marks = giff"}, s);
    EXPECT_TRUE(s.suitMarkSymbol && s.suitMarkGiff);
    EXPECT_EQ(s.suitMarkSizes, defaults.suitMarkSizes);
}

// ---- points ----

struct PointCase {
    const char* text;
    PointXY expected;
};
class PointRule : public ::testing::TestWithParam<PointCase> {};

TEST_P(PointRule, ParsePoint) {
    PointXY p{5, 6};
    ParsePoint(p, GetParam().text);
    EXPECT_EQ(p, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, PointRule,
    ::testing::Values(PointCase{"(12,34)", {12, 34}}, PointCase{"(*, 0)", {-100, -100}},
                      PointCase{"(* , 0)", {0, 0}}, PointCase{"12, 34", {5, 6}},
                      PointCase{"at (1 2)", {1, 2}}, PointCase{"(7)", {7, 0}},
                      PointCase{"(2.5, 3.5)", {2, 4}}, PointCase{"(-20, -30)", {-20, -30}}));

TEST(PointKeys, EachPointKeySetsItsOwnPosition) {
    Settings s = Apply({"PasteScoreTable = (3, 4)", "HelpBidIn4thSeat = (5, 6)",
                        "AskAlert = (7, 8)", "CountCards = (0, 10)", "BidTrickCounter = (1, 2)"});
    EXPECT_EQ(std::tuple(s.pasteScoreTable, s.helpBidIn4thSeat, s.askAlert),
              std::tuple(PointXY{3, 4}, PointXY{5, 6}, PointXY{7, 8}));
    EXPECT_FALSE(s.countCards.on);  // on only with a non-zero x
    EXPECT_EQ(s.countCards.point, (PointXY{0, 10}));
    EXPECT_EQ(s.bidTrickCounter[0], (PointXY{1, 2}));
    EXPECT_EQ(s.bidTrickCounter[1], (PointXY{0, 0}));
}

TEST(PointKeys, BiddingBoardModesAndMyHandViews) {
    Settings s = Apply({"BiddingBoard = (5,6) DNil Pass Only"});
    EXPECT_EQ(s.biddingBoard.mode, 2);
    EXPECT_EQ(s.biddingBoard.point, (PointXY{5, 6}));
    EXPECT_FALSE(s.biddingBoard.modal);
    EXPECT_TRUE(Apply({"BiddingBoard = (5,6) modal"}).biddingBoard.modal);
    s = Apply({"MyHand = single double (7, 8)"});
    EXPECT_EQ(s.myHand.view, 2);
    EXPECT_EQ(s.myHand.point, (PointXY{0, 0}));  // the point counts only at the start
    s = Apply({"MyHand = (7, 8) Single"});
    EXPECT_EQ(s.myHand.view, 1);
    EXPECT_EQ(s.myHand.point, (PointXY{7, 8}));
}

}  // namespace
}  // namespace tallowen

// Reading whole settings files: the two code pages, finding the file, and bad input.
#include <gtest/gtest.h>

#include <tuple>

#include "Scratch.h"
#include "common/Settings.h"
#include "common/Text.h"

namespace tallowen {
namespace {

using scratch::Page;
using scratch::ScratchFolder;
using namespace std::string_literals;
namespace fs = std::filesystem;

const fs::path kDataFolder = fs::path(TALLOWEN_TESTDATA) / "common" / "settings";

TEST(SettingsFile, WesternFileGoldenValues) {
    auto page = Page(1252);
    ASSERT_TRUE(page);
    Settings s = CommonDefaults();
    SetTallowenDefaults(s);
    IniResult r = ReadINI(kDataFolder / "Tallowen.INI", *page, s);
    ASSERT_FALSE(r.fileError) << r.error;
    EXPECT_FALSE(r.illegal) << r.badKey;
    EXPECT_EQ(std::tuple(s.autoCaptBid, s.autoCaptHand, s.minimizeLastHand, s.strict, s.textOutput,
                         s.topMostScoreWindow, s.countCards.on),
              std::tuple(true, false, true, false, true, true, true));
    EXPECT_EQ(std::tuple(s.waitTimeBid, s.waitTimeHand, s.alertTime, s.bridgeWindowWidth),
              std::tuple(1500, 240000, 45000, 800));
    EXPECT_EQ(std::tuple(s.alertSound, s.log, s.cfg, s.alertPlayers, s.link),
              std::tuple("systemexclamation", "Débug.Log", "MyLayout.CFG", "blacklist.txt", "uk"));
    EXPECT_EQ(s.myYahooID, (std::vector<std::string>{"alice", "bob_smith", "josé"}));
    EXPECT_EQ(s.backColor, 0xFFE8E8u);  // red in the low byte
    EXPECT_EQ(s.backColor2, 0xC0C0FFu);
    EXPECT_EQ(std::tuple(s.backColor3, s.backColor4), std::tuple("#ffe8e8", "#D0D0D0"));
    EXPECT_EQ(s.cardOrder, CardOrder::Ascending);
    EXPECT_EQ(s.suitMarkSizes, (std::array<std::string, 4>{"90", "110", "100", "100"}));
    EXPECT_EQ(std::tuple(s.showBiddingSequence, s.bidTrickCounter[1]),
              std::tuple(PointXY{12, 34}, PointXY{3, 4}));
    EXPECT_EQ(std::tuple(s.biddingBoard.mode, s.myHand.view), std::tuple(7, 2));
    // The file's last line has no line end; it is applied all the same.
    EXPECT_TRUE(s.topmostPlayerInfo);
}

TEST(SettingsFile, JapaneseFileGoldenValuesAndStopAtUnknownKey) {
    auto page = Page(932);
    ASSERT_TRUE(page);
    Settings s;
    IniResult r = ReadINI(kDataFolder / PathFromUtf8("ブリッジ.INI"), *page, s);
    ASSERT_FALSE(r.fileError) << r.error;
    EXPECT_TRUE(s.jpn);  // "JPN = no" after it does not turn it off
    EXPECT_EQ(std::tuple(s.showBoxStatus, s.scoreTable, s.nilTotals, s.suitMarkSymbol),
              std::tuple(true, true, true, true));
    EXPECT_EQ(s.cardOrder, CardOrder::Descending);
    EXPECT_EQ(s.boxPosition, (PointXY{-100, -100}));
    EXPECT_EQ(s.alertPlayers, "");  // that file does not exist
    EXPECT_EQ(s.myYahooID, (std::vector<std::string>{"たろう", "hanako"}));
    EXPECT_EQ(std::tuple(s.log, s.cfg, s.alertSound),
              std::tuple("ログ", "ブリッジ配置.CFG", "通知"));
    EXPECT_TRUE(r.illegal);
    EXPECT_EQ(r.badKey, "未知のキー");
    EXPECT_EQ(r.badValue, "値 \"そのまま\"");
    EXPECT_TRUE(s.strict);  // the line after the unknown key is not applied
}

TEST(FindSettingsFile, JapaneseNameFirstAnyCase) {
    ScratchFolder dir;
    EXPECT_FALSE(FindSettingsFile(dir.path()).has_value());
    dir.Write("TALLOWEN.INI", "strict = no\r\n");
    auto found = FindSettingsFile(dir.path());
    ASSERT_TRUE(found.has_value());
    // Windows answers with the name asked for, Linux with the name on disk.
    EXPECT_EQ(ToLower(PathToUtf8(found->filename())), "tallowen.ini");
    Folders folders;
    folders.app = dir.path();
    Settings s;
    EXPECT_FALSE(ReadINI(folders, "Tallowen.INI", *Page(1252), s).fileError);
    EXPECT_FALSE(s.strict);
    dir.Write("ブリッジ.ini", "");
    found = FindSettingsFile(dir.path());
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(ToLower(PathToUtf8(found->filename())), "ブリッジ.ini");
}

TEST(SettingsBadInput, MissingFileIsAClearErrorAndChangesNothing) {
    ScratchFolder dir;
    Settings s;
    s.log = "x";
    IniResult r = ReadINI(dir.path() / "Tallowen.INI", *Page(1252), s);
    EXPECT_TRUE(r.fileError);
    EXPECT_NE(r.error.find("Tallowen.INI"), std::string::npos);
    EXPECT_FALSE(r.illegal);
    EXPECT_EQ(s.log, "x");
    EXPECT_TRUE(ReadINI(dir.path(), *Page(1252), s).fileError);  // a folder, not a file
}

TEST(SettingsBadInput, NulBytesNeitherCrashNorHideLaterKeys) {
    ScratchFolder dir;
    Settings s;
    IniResult r = ReadINI(dir.Write("a.INI", "\0\0\0\r\nstrict = no\0\r\nAutoCapt Bid = n\0o\r\n"s),
                          *Page(1252), s);
    EXPECT_FALSE(r.illegal);
    EXPECT_FALSE(s.strict);
    EXPECT_FALSE(s.autoCaptBid);
    Settings t;
    r = ReadINI(dir.Write("b.INI", "Auto\0Capt = y\r\nstrict = no\r\n"s), *Page(1252), t);
    EXPECT_EQ(r.badKey, "Auto\0Capt"s);
    EXPECT_TRUE(t.strict);
}

TEST(SettingsBadInput, InvalidShiftJisBytesBecomeAnUnknownKeyNotACrash) {
    ScratchFolder dir;
    // A lead byte at the end of a line, a lead byte with a blank, and a stray trail byte; the
    // same text otherwise reads alike in both code pages.
    fs::path file = dir.Write(
        "Tallowen.INI",
        "JPN = yes\r\nWaitTime Bid = 2.5\r\nlog = ab\x82\r\n\x81 \xFF = 1\r\nstrict = no\r\n");
    for (unsigned cp : {932u, 1252u}) {
        Settings s;
        IniResult r = ReadINI(file, *Page(cp), s);
        EXPECT_FALSE(r.fileError) << cp;
        EXPECT_TRUE(s.jpn && s.waitTimeBid == 2500) << cp;
        EXPECT_EQ(s.log.substr(0, 2), "ab") << cp;
        EXPECT_TRUE(r.illegal) << cp;
        EXPECT_FALSE(r.badKey.empty()) << cp;
        EXPECT_TRUE(s.strict) << cp;
    }
}

}  // namespace
}  // namespace tallowen

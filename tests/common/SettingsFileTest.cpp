// Reading whole settings files: the two code pages, finding the file, and bad input.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "common/Files.h"
#include "common/Settings.h"
#include "common/Text.h"
#include "platform/CodePage.h"

namespace tallowen {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

const fs::path kDataFolder = fs::path(TALLOWEN_TESTDATA) / "common" / "settings";

class ScratchFolder {
public:
    ScratchFolder() {
        std::random_device rd;
        path_ = fs::temp_directory_path() / ("tallowen-settings-" + std::to_string(rd()));
        fs::create_directories(path_);
    }
    ~ScratchFolder() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    const fs::path& path() const { return path_; }
    fs::path Write(std::string_view name, std::string_view bytes) const {
        fs::path p = path_ / PathFromUtf8(name);
        std::ofstream(p, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
        return p;
    }

private:
    fs::path path_;
};

std::unique_ptr<CodePage> Page(unsigned number) {
    auto page = OpenCodePage(number);
    if (!page) ADD_FAILURE() << "code page " << number << " not available";
    return page;
}

TEST(SettingsFile, WesternFileGoldenValues) {
    auto page = Page(1252);
    ASSERT_TRUE(page);
    Settings s;
    SetTallowenDefaults(s);
    IniResult r = ReadINI(kDataFolder / "Tallowen.INI", *page, s);
    ASSERT_FALSE(r.fileError) << r.error;
    EXPECT_FALSE(r.illegal) << r.badKey;
    EXPECT_TRUE(s.autoCaptBid);
    EXPECT_FALSE(s.autoCaptHand);
    EXPECT_EQ(s.waitTimeBid, 1500);
    EXPECT_EQ(s.waitTimeHand, 240000);
    EXPECT_EQ(s.alertTime, 45000);
    EXPECT_EQ(s.alertSound, "systemexclamation");
    EXPECT_EQ(s.myYahooID, (std::vector<std::string>{"alice", "bob_smith", "josé"}));
    EXPECT_TRUE(s.minimizeLastHand);
    EXPECT_EQ(s.backColor, 0xFFE8E8u);
    EXPECT_EQ(s.backColor2, 0xC0C0FFu);
    EXPECT_EQ(s.backColor3, "#ffe8e8");
    EXPECT_EQ(s.cardOrder, CardOrder::Ascending);
    EXPECT_EQ(s.suitMarkSizes, (std::array<std::string, 4>{"90", "110", "100", "100"}));
    EXPECT_FALSE(s.strict);
    EXPECT_TRUE(s.textOutput);
    EXPECT_EQ(s.log, "Débug.Log");
    EXPECT_EQ(s.cfg, "MyLayout.CFG");
    EXPECT_EQ(s.alertPlayers, "blacklist.txt");
    EXPECT_TRUE(s.topMostScoreWindow);
    EXPECT_EQ(s.showBiddingSequence, (PointXY{12, 34}));
    EXPECT_EQ(s.bridgeWindowWidth, 800);
    EXPECT_EQ(s.link, "uk");
    EXPECT_EQ(s.bidTrickCounter[1], (PointXY{3, 4}));
    EXPECT_EQ(s.biddingBoard.mode, 7);
    EXPECT_EQ(s.myHand.view, 2);
    EXPECT_TRUE(s.countCards.on);
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
    EXPECT_TRUE(s.showBoxStatus);
    EXPECT_EQ(s.cardOrder, CardOrder::Descending);
    EXPECT_TRUE(s.scoreTable);
    EXPECT_TRUE(s.nilTotals);
    EXPECT_EQ(s.boxPosition, (PointXY{-100, -100}));
    EXPECT_EQ(s.alertPlayers, "");  // that file does not exist
    EXPECT_EQ(s.myYahooID, (std::vector<std::string>{"たろう", "hanako"}));
    EXPECT_EQ(s.log, "ログ");
    EXPECT_EQ(s.cfg, "ブリッジ配置.CFG");
    EXPECT_TRUE(s.suitMarkSymbol);
    EXPECT_EQ(s.alertSound, "通知");
    EXPECT_TRUE(r.illegal);
    EXPECT_EQ(r.badKey, "未知のキー");
    EXPECT_EQ(r.badValue, "値 \"そのまま\"");
    EXPECT_TRUE(s.strict);  // the line after the unknown key is not applied
}

TEST(SettingsFile, SameTextReadsAlikeInBothCodePages) {
    std::string text = "AutoCapt Hand = no\r\nWaitTime Bid = 2.5\r\nMyYahooID = Ann\r\n";
    ScratchFolder dir;
    fs::path file = dir.Write("Tallowen.INI", text);
    for (unsigned cp : {1252u, 932u}) {
        auto page = Page(cp);
        ASSERT_TRUE(page);
        Settings s;
        IniResult r = ReadINI(file, *page, s);
        EXPECT_FALSE(r.fileError || r.illegal) << cp;
        EXPECT_FALSE(s.autoCaptHand) << cp;
        EXPECT_EQ(s.waitTimeBid, 2500) << cp;
        EXPECT_EQ(s.myYahooID, std::vector<std::string>{"ann"}) << cp;
    }
}

TEST(SettingsFile, DefaultsBeforeReading) {
    Settings s = CommonDefaults();
    EXPECT_TRUE(s.autoCaptBid && s.autoCaptHand && s.strict);
    EXPECT_FALSE(s.minimizeLastHand || s.jpn || s.textOutput);
    EXPECT_EQ(s.cardOrder, CardOrder::Descending);
    EXPECT_EQ(s.suitMarkSizes, (std::array<std::string, 4>{"90", "120", "90", "95"}));
    EXPECT_EQ(s.backColor2, 205u | 205u << 8 | 205u << 16);
    EXPECT_EQ(s.backColor3, "#FFE8E8");
    EXPECT_EQ(s.backColor4, "#D0D0D0");
    EXPECT_EQ(s.backColor5, "#E0C0C0");
    EXPECT_EQ(s.waitTimeBid, 0);  // the report utility never sets the capture times
    SetTallowenDefaults(s);
    EXPECT_EQ(s.waitTimeBid, 20000);
    EXPECT_EQ(s.waitTimeHand, 300000);
    EXPECT_EQ(s.alertTime, 90000);
    EXPECT_EQ(s.alertSound, "Asterisk");
}

TEST(FindSettingsFile, JapaneseNameFirstAnyCase) {
    ScratchFolder dir;
    EXPECT_FALSE(FindSettingsFile(dir.path()).has_value());
    dir.Write("tallowen.ini", "");
    auto found = FindSettingsFile(dir.path());
    ASSERT_TRUE(found.has_value());
    // Windows answers with the name asked for, Linux with the name on disk.
    EXPECT_EQ(ToLower(PathToUtf8(found->filename())), "tallowen.ini");
    dir.Write("ブリッジ.ini", "");
    found = FindSettingsFile(dir.path());
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(ToLower(PathToUtf8(found->filename())), "ブリッジ.ini");
}

TEST(SettingsFile, FoldersAndNameFindTheFileWhateverItsCase) {
    ScratchFolder dir;
    dir.Write("TALLOWEN.INI", "strict = no\r\n");
    Folders folders;
    folders.app = dir.path();
    Settings s;
    IniResult r = ReadINI(folders, "Tallowen.INI", *Page(1252), s);
    EXPECT_FALSE(r.fileError);
    EXPECT_FALSE(s.strict);
}

// ---- bad input ----

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

TEST(SettingsBadInput, MegabyteLinesAreReadWhole) {
    ScratchFolder dir;
    std::string big(1 << 20, 'x');
    std::string digits(1 << 20, '9');
    std::string text = "no equals " + big + "\r\nlog = " + big + "\r\nWaitTime Bid = " + digits +
                       "\r\nBridgeWindowWidth = " + digits + "\r\nBackColor = " + digits +
                       "\r\nMyYahooID = " + big + "\r\nstrict = no\r\n";
    fs::path file = dir.Write("Tallowen.INI", text);
    Settings s;
    IniResult r = ReadINI(file, *Page(1252), s);
    EXPECT_FALSE(r.illegal || r.fileError);
    EXPECT_EQ(s.log.size(), big.size());
    EXPECT_EQ(s.waitTimeBid, 2147483647);
    EXPECT_FALSE(s.backColor.has_value());
    EXPECT_EQ(s.myYahooID.size(), 1u);
    EXPECT_FALSE(s.strict);
}

TEST(SettingsBadInput, NulBytesNeitherCrashNorHideLaterKeys) {
    ScratchFolder dir;
    std::string text = "\0\0\0\r\nstrict = no\0\r\nAutoCapt Bid = n\0o\r\n"s;
    fs::path file = dir.Write("Tallowen.INI", text);
    Settings s;
    IniResult r = ReadINI(file, *Page(1252), s);
    EXPECT_FALSE(r.illegal);
    EXPECT_FALSE(s.strict);
    EXPECT_FALSE(s.autoCaptBid);
    std::string stop = "Auto\0Capt = y\r\nstrict = no\r\n"s;
    Settings t;
    r = ReadINI(dir.Write("b.INI", stop), *Page(1252), t);
    EXPECT_TRUE(r.illegal);
    EXPECT_EQ(r.badKey, "Auto\0Capt"s);
    EXPECT_TRUE(t.strict);
}

TEST(SettingsBadInput, InvalidShiftJisBytesBecomeAnUnknownKeyNotACrash) {
    ScratchFolder dir;
    // A lead byte at the end of a line, a lead byte with a blank, and a stray trail byte.
    std::string text = "JPN = yes\r\nlog = ab\x82\r\n\x81 \xFF = 1\r\nstrict = no\r\n";
    fs::path file = dir.Write("Tallowen.INI", text);
    Settings s;
    IniResult r = ReadINI(file, *Page(932), s);
    EXPECT_FALSE(r.fileError);
    EXPECT_TRUE(s.jpn);
    EXPECT_EQ(s.log.substr(0, 2), "ab");
    EXPECT_TRUE(r.illegal);
    EXPECT_FALSE(r.badKey.empty());
    EXPECT_TRUE(s.strict);
}

}  // namespace
}  // namespace tallowen

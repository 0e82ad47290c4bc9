// The hand-edited settings file both programs read at start-up ("key = value" lines) and the
// record it fills. Values are applied as they are read; the first unknown key stops reading.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tallowen {

class CodePage;
struct Folders;
struct TextLines;

// A screen position or a pair of numbers from a settings value, signed 32-bit.
struct PointXY {
    std::int32_t x = 0;
    std::int32_t y = 0;
    friend bool operator==(const PointXY&, const PointXY&) = default;
};

// Sort order of the cards of a hand; the numbers are the order argument of hand sorting.
enum class CardOrder : int { Descending = 0, Ascending = 1 };

struct BiddingBoardSetting {
    int mode = 0;  // 7 when a position was given, 2 for "dnil pass only"
    PointXY point;
    bool modal = false;
    friend bool operator==(const BiddingBoardSetting&, const BiddingBoardSetting&) = default;
};

struct CountCardsSetting {
    PointXY point;
    bool on = false;
    friend bool operator==(const CountCardsSetting&, const CountCardsSetting&) = default;
};

struct MyHandSetting {
    int view = 0;  // 0 not set, 1 single, 2 double
    PointXY point;
    friend bool operator==(const MyHandSetting&, const MyHandSetting&) = default;
};

constexpr std::size_t kMaxYahooIDs = 100;
// Longer values (a hundred IDs take about 3 000 characters) are not meant and are ignored.
constexpr std::size_t kMaxSettingValue = 4096;

struct Settings {
    bool autoCaptBid = true;
    bool autoCaptHand = true;
    // Milliseconds. Only Tallowen's start-up gives them values (SetTallowenDefaults).
    std::int32_t waitTimeBid = 0;
    std::int32_t waitTimeHand = 0;
    std::int32_t alertTime = 0;
    std::string alertSound;
    bool topMostScoreWindow = false;     // the score window is to be kept topmost (mode 2)
    std::vector<std::string> myYahooID;  // lower case, at most kMaxYahooIDs
    bool minimizeLastHand = false;
    bool showBoxStatus = false;  // "BOX の状態を表示"
    std::string log;
    bool jpn = false;
    std::optional<std::uint32_t> backColor;  // none: the window's own design colour
    std::uint32_t backColor2 = 0xCDCDCD;     // Windows colour value: red in the low byte
    std::string backColor3 = "#FFE8E8";
    std::string backColor4 = "#D0D0D0";
    std::string backColor5 = "#E0C0C0";
    CardOrder cardOrder = CardOrder::Descending;
    bool suitMarkSymbol = false;
    bool suitMarkGiff = false;
    std::array<std::string, 4> suitMarkSizes{"90", "120", "90", "95"};  // clubs .. spades
    bool strict = true;
    bool textOutput = false;
    // Beyond the documented keys (older settings files never hold them): a PBN file per day
    // beside the pages, and the double-dummy table and par of each board.
    bool pbnOutput = false;
    bool doubleDummy = false;
    bool showTrickBox = false;
    std::int32_t bridgeWindowWidth = 0;
    bool topMostBiddingBoard = false;
    bool topmostPlayerInfo = false;
    PointXY boxPosition;  // "残りのカード"
    PointXY showBiddingSequence;
    bool alertSuicideTable = false;
    bool alertDnilPassTable = false;
    std::int32_t reduceSpadesWindow = 0;
    std::string cfg;

    // Accepted so that older files still read, but nothing acts on them.
    std::string link;
    bool nilTotals = false;  // "ニル集計"
    std::int32_t gamePoint = 0;
    std::string alertPlayers;
    bool debugWindow = false;
    std::string alertWinning;
    std::string alertLosing;
    std::string history;
    bool scoreTable = false;
    bool alertNilBids = false;
    bool alertFailNil = false;
    bool alertCanDNilPass = false;
    bool boldBidTrick = false;
    std::array<PointXY, 2> bidTrickCounter{};
    BiddingBoardSetting biddingBoard;
    CountCardsSetting countCards;
    PointXY pasteScoreTable;
    PointXY helpBidIn4thSeat;
    PointXY askAlert;
    MyHandSetting myHand;

    friend bool operator==(const Settings&, const Settings&) = default;
};

// The shared defaults both programs start from (the member initialisers above).
Settings CommonDefaults();
// What Tallowen adds before it reads the file: the three capture times and the alert sound.
void SetTallowenDefaults(Settings& settings);

struct KeyValue {
    std::string key;    // trimmed, as written
    std::string value;  // trimmed, as written
};
// From lines[next] on, the next line that holds a key: not empty, not a "#" comment, with an
// "=". `next` moves past it. At the end both texts are empty.
KeyValue GetKeyValue(const std::vector<std::string>& lines, std::size_t& next);

// Sets `point` from a text such as "(12, 34)"; "(*," gives -100, -100; no "(" changes nothing.
void ParsePoint(PointXY& point, std::string_view text);

// The flag rule: true when the (lower-case) value begins with "y" or is exactly "on".
bool FlagValue(std::string_view value);

struct IniResult {
    bool fileError = false;  // the file could not be read; nothing was applied
    std::string error;
    bool illegal = false;  // reading stopped at an unknown key
    std::string badKey;    // that line's key and value as written
    std::string badValue;
};

// Applies the settings file's lines to `settings` in order. Named files (AlertPlayers) are
// looked for in the settings file's folder, which is the program folder.
IniResult ReadINI(const std::filesystem::path& file, const CodePage& page, Settings& settings);
IniResult ReadINI(const Folders& folders, std::string_view fileName, const CodePage& page,
                  Settings& settings);
// Applies already-read lines; `appFolder` is where named files are looked for.
IniResult ApplyINILines(const std::vector<std::string>& lines,
                        const std::filesystem::path& appFolder, Settings& settings);

// "ブリッジ.INI" when the program folder has it, else "Tallowen.INI" (case does not matter).
std::optional<std::filesystem::path> FindSettingsFile(const std::filesystem::path& appFolder);

}  // namespace tallowen

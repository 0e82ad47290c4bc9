#include "common/Settings.h"

#include <algorithm>
#include <exception>
#include <limits>

#include "common/Files.h"
#include "common/Text.h"
#include "platform/CodePage.h"

namespace tallowen {

namespace {

// One key line in the forms the appliers need.
struct IniLine {
    std::string raw;    // the value as written, trimmed
    std::string clean;  // quotes removed, case kept
    std::string value;  // clean, lower case
    std::filesystem::path appFolder;
};

std::int32_t ClampInt32(std::int64_t n) {
    if (n > std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    if (n < std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(n);
}

std::int32_t WholeNumber(std::string_view text) {
    return ClampInt32(RoundHalfEven(LeadingNumber(text)));
}

std::int32_t Milliseconds(std::string_view text) {
    return SecondsToMs(static_cast<float>(LeadingNumber(text)));
}

// The leading hexadecimal digits. More than eight significant digits do not fit a colour.
std::optional<std::uint32_t> HexNumber(std::string_view text) {
    std::uint64_t n = 0;
    for (char c : text) {
        int d = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
        if (d < 0) break;
        n = n * 16 + static_cast<std::uint64_t>(d);
        if (n > 0xFFFFFFFFull) return std::nullopt;
    }
    return static_cast<std::uint32_t>(n);
}

bool IsHexColour(std::string_view text) {
    if (text.empty() || text.size() > 8) return false;
    for (char c : text)
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) return false;
    return true;
}

// A mark size is a percentage in the style sheet: digits, perhaps with a decimal point.
bool IsPercent(std::string_view text) {
    if (text.empty() || text.size() > 8 || text.front() == '.') return false;
    std::size_t points = 0;
    for (char c : text) {
        if (c == '.')
            ++points;
        else if (c < '0' || c > '9')
            return false;
    }
    return points <= 1;
}

void ApplyYahooIDs(Settings& s, const IniLine& l) {
    // A later line overwrites the list from its first place; the places after stay.
    std::string rest = l.value;
    std::size_t place = 0;
    while (!rest.empty()) {
        std::string item = PopToken(rest);
        if (place >= kMaxYahooIDs) break;  // the list has room for 100 IDs; more are ignored
        if (place < s.myYahooID.size())
            s.myYahooID[place] = item;
        else
            s.myYahooID.push_back(item);
        ++place;
    }
}

void ApplySuitMarks(Settings& s, const IniLine& l) {
    const std::string& v = l.value;
    if (Contains(v, "symbol")) {
        s.suitMarkSymbol = true;
    } else if (Contains(v, "giff")) {
        s.suitMarkGiff = true;
    } else if (v.size() >= 2 && v.front() == '(' && v.back() == ')') {
        std::string rest = v.substr(1, v.size() - 2);
        for (int suit = 3; suit >= 0; --suit) {  // written spades first
            std::string item = PopToken(rest);
            // A missing size would give the style sheet "font-size:%", and anything but a
            // number would be pasted into it; keep the old one.
            if (IsPercent(item)) s.suitMarkSizes[static_cast<std::size_t>(suit)] = item;
        }
    }
}

void ApplyBidTrickCounter(Settings& s, const IniLine& l) {
    ParsePoint(s.bidTrickCounter[0], l.value);
    std::size_t cut = l.value.find("),");
    std::string_view rest(l.value);
    rest.remove_prefix(std::min(rest.size(), cut == std::string::npos ? 1 : cut + 2));
    ParsePoint(s.bidTrickCounter[1], rest);
}

void ApplyBiddingBoard(Settings& s, const IniLine& l) {
    if (StartsWith(l.value, "(")) {
        s.biddingBoard.mode = 7;
        ParsePoint(s.biddingBoard.point, l.value);
    }
    if (Contains(l.value, "dnil pass only")) s.biddingBoard.mode = 2;
    if (Contains(l.value, "modal")) s.biddingBoard.modal = true;
}

void ApplyMyHand(Settings& s, const IniLine& l) {
    if (Contains(l.value, "single")) s.myHand.view = 1;
    if (Contains(l.value, "double")) s.myHand.view = 2;
    if (StartsWith(l.value, "(")) ParsePoint(s.myHand.point, l.value);
}

void ApplyCardOrder(Settings& s, const IniLine& l) {
    // Compared as written: quotes and capitals make the value unknown.
    if (l.raw == "降順" || l.raw == "descending") s.cardOrder = CardOrder::Descending;
    if (l.raw == "昇順" || l.raw == "ascending") s.cardOrder = CardOrder::Ascending;
}

void ApplyAlertPlayers(Settings& s, const IniLine& l) {
    if (!l.value.empty() && FindFileNoCase(l.appFolder, l.value)) s.alertPlayers = l.value;
}

using Applier = void (*)(Settings&, const IniLine&);

struct KeyRule {
    const char* key;  // lower case
    Applier apply;
};

// Appliers for the plain kinds of value, one instance per field.
template <bool Settings::*F>
void Flag(Settings& s, const IniLine& l) {
    s.*F = FlagValue(l.value);
}
template <std::int32_t Settings::*F>
void Number(Settings& s, const IniLine& l) {
    s.*F = WholeNumber(l.value);
}
template <std::int32_t Settings::*F>
void Time(Settings& s, const IniLine& l) {
    s.*F = Milliseconds(l.value);
}
template <PointXY Settings::*F>
void Point(Settings& s, const IniLine& l) {
    ParsePoint(s.*F, l.value);
}
template <std::string Settings::*F>
void LowerText(Settings& s, const IniLine& l) {
    s.*F = l.value;
}
// A style-sheet colour: "#" and the value. The text goes into every page's style sheet, so
// anything but hexadecimal digits keeps the colour.
template <std::string Settings::*F>
void HtmlColour(Settings& s, const IniLine& l) {
    if (IsHexColour(l.value)) s.*F = "#" + l.value;
}
// These two only ever switch on.
template <bool Settings::*F>
void FlagOn(Settings& s, const IniLine& l) {
    if (FlagValue(l.value)) s.*F = true;
}

// A window colour written in hexadecimal; an empty value keeps the colour.
std::optional<std::uint32_t> BackColorValue(const IniLine& l) {
    if (l.value.empty()) return std::nullopt;
    return HexNumber(l.value);
}

const KeyRule kKeyRules[] = {
    {"link",
     [](Settings& s, const IniLine& l) {
         if (l.value == "usa" || l.value == "uk") s.link = l.value;
     }},
    {"ニル集計", Flag<&Settings::nilTotals>},
    {"cfg", [](Settings& s, const IniLine& l) { s.cfg = l.clean; }},
    {"topmostscorewindow", FlagOn<&Settings::topMostScoreWindow>},
    {"gamepoint", Number<&Settings::gamePoint>},
    {"alertplayers", ApplyAlertPlayers},
    {"ブラックリスト", ApplyAlertPlayers},
    {"myyahooid", ApplyYahooIDs},
    {"autocapt bid", Flag<&Settings::autoCaptBid>},
    {"autocapt hand", Flag<&Settings::autoCaptHand>},
    {"waittime bid", Time<&Settings::waitTimeBid>},
    {"waittime hand", Time<&Settings::waitTimeHand>},
    {"alerttime", Time<&Settings::alertTime>},
    {"alertsound", LowerText<&Settings::alertSound>},
    {"alertwinning", LowerText<&Settings::alertWinning>},
    {"alertlosing", LowerText<&Settings::alertLosing>},
    {"reduce spadeswindow", Number<&Settings::reduceSpadesWindow>},
    {"minimize lasthand", Flag<&Settings::minimizeLastHand>},
    {"debugwindow", Flag<&Settings::debugWindow>},
    {"box の状態を表示", Flag<&Settings::showBoxStatus>},
    {"log",
     [](Settings& s, const IniLine& l) {
         if (!l.value.empty()) s.log = l.clean;
     }},
    {"history",
     [](Settings& s, const IniLine& l) {
         if (!l.value.empty()) s.history = l.clean;
     }},
    {"日本語表示", FlagOn<&Settings::jpn>},
    {"jpn", FlagOn<&Settings::jpn>},
    {"text output", Flag<&Settings::textOutput>},
    {"backcolor",
     [](Settings& s, const IniLine& l) {
         if (auto c = BackColorValue(l)) s.backColor = *c;
     }},
    {"backcolor2",
     [](Settings& s, const IniLine& l) {
         if (auto c = BackColorValue(l)) s.backColor2 = *c;
     }},
    {"backcolor3", HtmlColour<&Settings::backColor3>},
    {"backcolor4", HtmlColour<&Settings::backColor4>},
    {"backcolor5", HtmlColour<&Settings::backColor5>},
    {"score table", Flag<&Settings::scoreTable>},
    {"スコアの表", Flag<&Settings::scoreTable>},
    {"card order", ApplyCardOrder},
    {"カードの順序", ApplyCardOrder},
    {"suit marks", ApplySuitMarks},
    {"strict", Flag<&Settings::strict>},
    {"alertnilbids", Flag<&Settings::alertNilBids>},
    {"alertfailnil", Flag<&Settings::alertFailNil>},
    {"alertsuicidetable", Flag<&Settings::alertSuicideTable>},
    {"alertdnilpasstable", Flag<&Settings::alertDnilPassTable>},
    {"alertcandnilpass", Flag<&Settings::alertCanDNilPass>},
    {"boldbidtrick", Flag<&Settings::boldBidTrick>},
    {"showtrickbox", Flag<&Settings::showTrickBox>},
    {"bridgewindowwidth", Number<&Settings::bridgeWindowWidth>},
    {"bidtrickcounter", ApplyBidTrickCounter},
    {"topmostbiddingboard", Flag<&Settings::topMostBiddingBoard>},
    {"biddingboard", ApplyBiddingBoard},
    {"残りのカード", Point<&Settings::boxPosition>},
    {"showbiddingsequence", Point<&Settings::showBiddingSequence>},
    {"countcards",
     [](Settings& s, const IniLine& l) {
         ParsePoint(s.countCards.point, l.value);
         if (s.countCards.point.x != 0) s.countCards.on = true;
     }},
    {"pastescoretable", Point<&Settings::pasteScoreTable>},
    {"myhand", ApplyMyHand},
    {"helpbidin4thseat", Point<&Settings::helpBidIn4thSeat>},
    {"askalert", Point<&Settings::askAlert>},
    {"topmostplayerinfo", Flag<&Settings::topmostPlayerInfo>},
    // Our own keys, after the documented ones.
    {"pbn output", Flag<&Settings::pbnOutput>},
    {"double dummy", Flag<&Settings::doubleDummy>},
};

const KeyRule* FindRule(std::string_view lowerKey) {
    for (const auto& rule : kKeyRules)
        if (lowerKey == rule.key) return &rule;
    return nullptr;
}

}  // namespace

Settings CommonDefaults() {
    return Settings{};
}

void SetTallowenDefaults(Settings& settings) {
    settings.waitTimeBid = 20000;
    settings.waitTimeHand = 300000;
    settings.alertTime = 90000;
    settings.alertSound = "Asterisk";
}

KeyValue GetKeyValue(const std::vector<std::string>& lines, std::size_t& next) {
    while (next < lines.size()) {
        std::string line = Trim(lines[next++]);
        if (line.empty() || line[0] == '#') continue;
        std::size_t eq = line.find('=');
        if (eq == std::string::npos) continue;
        return {Trim(std::string_view(line).substr(0, eq)),
                Trim(std::string_view(line).substr(eq + 1))};
    }
    return {};
}

void ParsePoint(PointXY& point, std::string_view text) {
    std::size_t open = text.find('(');
    if (open == std::string_view::npos) return;
    std::string rest(text.substr(open + 1));
    if (StartsWith(rest, "*,")) {
        point = {-100, -100};
        return;
    }
    point.x = PopNumber(rest);
    point.y = WholeNumber(rest);
}

bool FlagValue(std::string_view value) {
    return StartsWith(value, "y") || value == "on";
}

IniResult ApplyINILines(const std::vector<std::string>& lines,
                        const std::filesystem::path& appFolder, Settings& settings) {
    IniResult result;
    IniLine line;
    line.appFolder = appFolder;
    // Every key line counts, the file's last line included.
    for (std::size_t next = 0; next < lines.size();) {
        KeyValue kv = GetKeyValue(lines, next);
        if (kv.key.empty()) continue;
        const KeyRule* rule = FindRule(ToLower(kv.key));
        if (!rule) {
            result.illegal = true;
            result.badKey = kv.key;
            result.badValue = kv.value;
            break;
        }
        line.raw = kv.value;
        line.clean = StripQuotes(kv.value);
        // A line with nothing to say (empty, only quotes and blanks) or too long to be meant leaves
        // the field as it was; the appliers never see such a value.
        if (Trim(line.clean).empty() || kv.value.size() > kMaxSettingValue) continue;
        line.value = ToLower(line.clean);
        rule->apply(settings, line);
    }
    return result;
}

IniResult ReadINI(const std::filesystem::path& file, const CodePage& page, Settings& settings) {
    TextLines text = ReadTextLines(file, page);
    if (!text.ok) {
        IniResult result;
        result.fileError = true;
        result.error = text.error;
        return result;
    }
    return ApplyINILines(text.lines, file.parent_path(), settings);
}

IniResult ReadINI(const Folders& folders, std::string_view fileName, const CodePage& page,
                  Settings& settings) {
    auto found = FindFileNoCase(folders.app, fileName);
    return ReadINI(found ? *found : folders.AppFile(fileName), page, settings);
}

std::optional<std::filesystem::path> FindSettingsFile(const std::filesystem::path& appFolder) {
    if (auto jp = FindFileNoCase(appFolder, "ブリッジ.INI")) return jp;
    return FindFileNoCase(appFolder, "Tallowen.INI");
}

}  // namespace tallowen

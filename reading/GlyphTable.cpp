#include "reading/GlyphTable.h"

#include <algorithm>

#include "common/Edition.h"
#include "common/Text.h"
#include "common/Utf8.h"
#include "platform/Sound.h"
#include "reading/GameWindows.h"

namespace tallowen {

namespace {

// Characters the client never shows in the places we read, or shows in a way that collides
// with other glyphs; templates named by any of them never match.
constexpr std::string_view kExcludedNames =
    "「ゲーム開始席につく相手います。~」仮レ終ダブニル見せる";

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// Parses "name pattern"; false for a line without a usable pattern.
bool ParseTemplate(std::string line, GlyphTemplate& t, std::string& pattern) {
    std::string name = PopToken(line);
    pattern = TrimLeft(line);
    int width = int(pattern.size() / 3);
    if (name.empty() || width < 1) return false;
    width = std::min(width, kGlyphMaxWidth);
    for (int k = 1; k <= width; ++k) {
        int value = 0;
        for (int d = 0; d < 3; ++d) {
            int h = HexDigit(pattern[std::size_t(3 * (k - 1) + d)]);
            if (h < 0) return false;
            value = value * 16 + h;
        }
        t.columns[std::size_t(k)] = static_cast<std::uint16_t>(value);
    }
    t.width = width;
    if (name[0] == '&') {
        name.erase(0, 1);
        t.entityKey = t.columns[1];
    } else if (FirstUtf8Char(name).code > 255) {
        t.wideKey = t.columns[1];
    }
    t.name = name;
    return !t.name.empty();
}

// Each character once, in the order of first occurrence.
std::vector<std::string_view> DistinctChars(std::string_view text) {
    std::vector<std::string_view> out;
    for (auto ch : SplitChars(text))
        if (std::find(out.begin(), out.end(), ch) == out.end()) out.push_back(ch);
    return out;
}

void BuildAllowedList(GlyphTable& table, int set, std::string_view text, int listNo) {
    auto chars = DistinctChars(text);
    auto& list = table.allowed[std::size_t(listNo)];
    list.fill(0);
    std::size_t n = 0;
    const int end = std::min(table.setEnd[std::size_t(set)], int(table.templates.size()) - 1);
    for (int i = std::max(1, table.setStart[std::size_t(set)]); i <= end; ++i) {
        const GlyphTemplate& t = table.templates[std::size_t(i)];
        auto nameChars = SplitChars(t.name);
        if (nameChars.size() != 1 || t.entityKey != 0) continue;
        if (std::find(chars.begin(), chars.end(), nameChars[0]) == chars.end()) continue;
        if (n + 1 >= list.size()) break;
        list[n++] = i;
    }
}

}  // namespace

const std::vector<std::string>& ShippedGlyphLines() {
    static const std::vector<std::string> kLines{
        "0 3F84044044043F8",
        "1 1002007FC",
        "2 20440C414464384",
        "3 2084044444443B8",
        "4 0300D03107FC010",
        "5 1C8684484484478",
        "6 3F8444484484278",
        "7 40041C4E0500600",
        "8 3B84444444443B8",
        "9 3C84244244443F8",
        "~ 020040040020020040",
        "@ 07C18223924448448447C4C42053090F2",
        "A 00C0703A04203A007000C",
        "B 7FC4444444444443B8",
        "C 1F0208404404404208110",
        "D 7FC4044044044042081F0",
        "E 7FC444444444444444",
        "F 7FC440440440440400",
        "G 1F0208404404444248170",
        "H 7FC0400400400400407FC",
        "I 4047FC404",
        "J 0180040040047F8",
        "K 7FC0200400A0110208404",
        "L 7FC004004004004004",
        "M 7FC3000F000C0F03007FC",
        "N 7FC2001800400300087FC",
        "O 1F02084044044042081F0",
        "P 7FC440440440440380",
        "Q 1F02084044144142081F4",
        "R 7FC440440440460458384",
        "S 398444444444444338",
        "T 4004004007FC400400400",
        "U 7F00080040040040087F0",
        "V 6001C003000C0301C0600",
        "W 7000F000C07038040038007000C1F0600",
        "X 4043180A00401B0208404",
        "Y 40030008007C080300400",
        "Z 00440C434444584604404",
        "( 0F8306401",
        ") 4013060F8",
        "[ 7FF401",
        "] 4017FF",
        ".. 004000000004",
        "- 020020020000",
        "a 0981241241280FC",
        "&atilde; 0985249245288FC",
        "&aacute; 0981245249280FC",
        "a 4981241241280FC",
        "b 7FC0881041040F8",
        "d 0F81041040887FC",
        "d 4F81041040887FC",
        "q 0F81041040881FF",
        "c 0F8104104088",
        "&ccedil; 0F8106105088",
        "c 4F8104104088",
        "e 0F81241241240E8",
        "&egrave; 0F89245241240E8",
        "&eacute; 0F81245249240E8",
        "e 4F81241241240E8",
        "f 1003FC500400",
        "f 5003FC500400",
        "f 1003FC500",
        "f 5003FC500",
        "g 0F91051050891FE",
        "g 4F91051050891FE",
        "h 7FC0801001000FC",
        "i 5FC000",
        "j 0015FE000",
        "j 4015FE000",
        "k 7FC020060098104",
        "l 7FC000",
        "m 1FC0801001000FC0801001000FC",
        "m 5FC0801001000FC0801001000FC",
        "n 1FC0801001000FC",
        "n 5FC0801001000FC",
        "o 0F81041041040F8",
        "&oacute; 0F81045049040F8",
        "o 4F81041041040F8",
        "p 1FF0881041040F8",
        "p 5FF0881041040F8",
        "r 1FC080100",
        "r 5FC080100",
        "s 0C8124124124098",
        "s 4C8124124124098",
        "t 1007FC104",
        "t 5007FC104",
        "u 1F80040040081FC",
        "u 5F80040040081FC",
        "w 18007000C07018007000C070180",
        "w 58007000C07018007000C070180",
        "v 18007000C070180",
        "v 58007000C070180",
        "x 1040D80300C8104",
        "x 5040D80300C8104",
        "y 18007100E070180",
        "y 58007100E070180",
        "z 10411C1241C4104",
        "z 50411C1241C4104",
        "_ 001001001001001001001",
        "_ 401001001001001001001",
        ". 004000",
        ": 104000",
    };
    return kLines;
}

void LoadGlyphTable(GlyphTable& table, Sound& sound, const std::vector<std::string>& lines) {
    table.templates.assign(1, GlyphTemplate{});
    table.setStart[1] = 1;
    std::vector<std::string> patterns;
    for (const std::string& raw : lines) {
        std::string line = Trim(raw);
        if (line.empty()) break;
        GlyphTemplate t;
        std::string pattern;
        if (!ParseTemplate(line, t, pattern)) continue;
        if (std::find(patterns.begin(), patterns.end(), pattern) != patterns.end()) {
            sound.Beep();
            continue;
        }
        if (int(table.templates.size()) > kGlyphMaxTemplates) break;
        patterns.push_back(pattern);
        table.templates.push_back(std::move(t));
    }
    table.setEnd[1] = int(table.templates.size()) - 1;
    // Sets 0 and 2 have no templates of their own.
    table.setStart[0] = 1, table.setEnd[0] = 0;
    table.setStart[2] = table.setEnd[1] + 1, table.setEnd[2] = table.setEnd[1];

    for (int i = table.setStart[1]; i <= table.setEnd[1]; ++i) {
        GlyphTemplate& t = table.templates[std::size_t(i)];
        if (kExcludedNames.find(t.name) == std::string_view::npos) continue;
        // Keys cleared too, so that preparing a language cannot bring the glyph back.
        t.columns[1] = 0;
        t.wideKey = t.entityKey = 0;
    }
    std::fill(table.index.begin(), table.index.end(), 0);
}

void PrepareGlyphSet(GlyphTable& table, int set, int language) {
    if (set < 0 || set >= kGlyphSetCount) return;
    const int start = std::max(1, table.setStart[std::size_t(set)]);
    const int end = std::min(table.setEnd[std::size_t(set)], int(table.templates.size()) - 1);
    const Edition edition = EditionOf(language);
    for (int i = start; i <= end; ++i) {
        GlyphTemplate& t = table.templates[std::size_t(i)];
        if (t.wideKey != 0)
            t.columns[1] = edition == Edition::Japanese ? t.wideKey : 0;
        else if (t.entityKey != 0)
            t.columns[1] =
                edition == Edition::English || edition == Edition::Japanese ? 0 : t.entityKey;
    }
    std::fill(table.index.begin(), table.index.end(), 0);
    for (int i = start; i <= end; ++i) table.templates[std::size_t(i)].chain = 0;
    for (int i = end; i >= start; --i) {
        GlyphTemplate& t = table.templates[std::size_t(i)];
        std::uint16_t c = t.columns[1];
        if (c == 0 || c >= kGlyphIndexSize) continue;
        t.chain = table.index[c];
        table.index[c] = static_cast<std::uint16_t>(i);
    }
    table.columnMask = {0xFFE, 0xFFE, 0xFF8};
    table.currentSet = set;
    BuildAllowedList(table, set, TitleTable::TricksLabel(language), 0);
    BuildAllowedList(table, set, "0123456789", 1);
}

}  // namespace tallowen

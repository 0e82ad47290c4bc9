#include "shell/EntityText.h"

#include <array>
#include <cstdint>

#include "common/Utf8.h"

namespace tallowen {

namespace {

// The characters 128..255 of the Windows-1252 code page: the entity name of each and the
// character it stands for. The five codes the code page leaves empty are named by their
// hexadecimal value and stand for no character.
struct EntityEntry {
    std::string_view name;
    std::uint32_t character;  // 0: none
};
constexpr int kFirstCode = 128;
constexpr std::array<EntityEntry, 128> kEntityTable{{
    {"euro", 0x20AC},   {"81", 0x0000},     {"sbquo", 0x201A},  {"fnof", 0x0192},
    {"bdquo", 0x201E},  {"hellip", 0x2026}, {"dagger", 0x2020}, {"Dagger", 0x2021},
    {"circ", 0x02C6},   {"permil", 0x2030}, {"Scaron", 0x0160}, {"lsaquo", 0x2039},
    {"OElig", 0x0152},  {"8D", 0x0000},     {"Zcaron", 0x017D}, {"8F", 0x0000},
    {"90", 0x0000},     {"lsquo", 0x2018},  {"rsquo", 0x2019},  {"ldquo", 0x201C},
    {"rdquo", 0x201D},  {"bull", 0x2022},   {"ndash", 0x2013},  {"mdash", 0x2014},
    {"tilde", 0x02DC},  {"trade", 0x2122},  {"scaron", 0x0161}, {"rsaquo", 0x203A},
    {"oelig", 0x0153},  {"9D", 0x0000},     {"zcaron", 0x017E}, {"Yuml", 0x0178},
    {"nbsp", 0x00A0},   {"iexcl", 0x00A1},  {"cent", 0x00A2},   {"pound", 0x00A3},
    {"curren", 0x00A4}, {"yen", 0x00A5},    {"brvbar", 0x00A6}, {"sect", 0x00A7},
    {"uml", 0x00A8},    {"copy", 0x00A9},   {"ordf", 0x00AA},   {"laquo", 0x00AB},
    {"not", 0x00AC},    {"shy", 0x00AD},    {"reg", 0x00AE},    {"macr", 0x00AF},
    {"deg", 0x00B0},    {"plusmn", 0x00B1}, {"sup2", 0x00B2},   {"sup3", 0x00B3},
    {"acute", 0x00B4},  {"micro", 0x00B5},  {"para", 0x00B6},   {"middot", 0x00B7},
    {"cedil", 0x00B8},  {"sup1", 0x00B9},   {"ordm", 0x00BA},   {"raquo", 0x00BB},
    {"frac14", 0x00BC}, {"frac12", 0x00BD}, {"frac34", 0x00BE}, {"iquest", 0x00BF},
    {"Agrave", 0x00C0}, {"Aacute", 0x00C1}, {"Acirc", 0x00C2},  {"Atilde", 0x00C3},
    {"Auml", 0x00C4},   {"Aring", 0x00C5},  {"AElig", 0x00C6},  {"Ccedil", 0x00C7},
    {"Egrave", 0x00C8}, {"Eacute", 0x00C9}, {"Ecirc", 0x00CA},  {"Euml", 0x00CB},
    {"Igrave", 0x00CC}, {"Iacute", 0x00CD}, {"Icirc", 0x00CE},  {"Iuml", 0x00CF},
    {"ETH", 0x00D0},    {"Ntilde", 0x00D1}, {"Ograve", 0x00D2}, {"Oacute", 0x00D3},
    {"Ocirc", 0x00D4},  {"Otilde", 0x00D5}, {"Ouml", 0x00D6},   {"times", 0x00D7},
    {"Oslash", 0x00D8}, {"Ugrave", 0x00D9}, {"Uacute", 0x00DA}, {"Ucirc", 0x00DB},
    {"Uuml", 0x00DC},   {"Yacute", 0x00DD}, {"THORN", 0x00DE},  {"szlig", 0x00DF},
    {"agrave", 0x00E0}, {"aacute", 0x00E1}, {"acirc", 0x00E2},  {"atilde", 0x00E3},
    {"auml", 0x00E4},   {"aring", 0x00E5},  {"aelig", 0x00E6},  {"ccedil", 0x00E7},
    {"egrave", 0x00E8}, {"eacute", 0x00E9}, {"ecirc", 0x00EA},  {"euml", 0x00EB},
    {"igrave", 0x00EC}, {"iacute", 0x00ED}, {"icirc", 0x00EE},  {"iuml", 0x00EF},
    {"eth", 0x00F0},    {"ntilde", 0x00F1}, {"ograve", 0x00F2}, {"oacute", 0x00F3},
    {"ocirc", 0x00F4},  {"otilde", 0x00F5}, {"ouml", 0x00F6},   {"divide", 0x00F7},
    {"oslash", 0x00F8}, {"ugrave", 0x00F9}, {"uacute", 0x00FA}, {"ucirc", 0x00FB},
    {"uuml", 0x00FC},   {"yacute", 0x00FD}, {"thorn", 0x00FE},  {"yuml", 0x00FF},
}};

// The code of an entity name, 0 when it has none.
std::uint32_t EntityCode(std::string_view name) {
    if (name == "amp") return '&';
    if (name == "quot") return '"';
    if (name == "lt") return '<';
    if (name == "gt") return '>';
    for (const EntityEntry& entry : kEntityTable)
        if (entry.name == name) return entry.character;
    return 0;
}

// The single-byte code of an entity name for drawing: a blank for "nbsp" (the drawing has no
// use for a hard space), 0 when the name is none of ours.
int EntityByte(std::string_view name) {
    if (name == "nbsp") return ' ';
    if (name == "quot") return '"';
    if (name == "amp") return '&';
    for (std::size_t i = 0; i < kEntityTable.size(); ++i)
        if (kEntityTable[i].name == name) return kFirstCode + int(i);
    return 0;
}

// Entity names are short; a longer run up to the next ";" is plain text.
constexpr std::size_t kLongestName = 8;

}  // namespace

std::string EntityToSingleByte(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == '&') {
            const std::size_t end = text.find(';', i + 1);
            if (end != std::string_view::npos && end - i - 1 <= kLongestName) {
                if (const int code = EntityByte(text.substr(i + 1, end - i - 1)))
                    out += static_cast<char>(code);
                i = end + 1;
                continue;
            }
        }
        if (c >= 32 && c < 127) out += static_cast<char>(c);
        ++i;
    }
    return out;
}

std::string SingleByteToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (char ch : bytes) {
        const unsigned char c = static_cast<unsigned char>(ch);
        if (c >= 32 && c < 127) {
            out += ch;
        } else if (c >= kFirstCode) {
            const std::uint32_t character = kEntityTable[std::size_t(c - kFirstCode)].character;
            if (character != 0) AppendUtf8(out, character);
        }
    }
    return out;
}

int DrawEntityText(Canvas& target, int x, int y, std::string_view text, const FontSpec& font,
                   std::uint32_t colour) {
    const std::string drawn = SingleByteToUtf8(EntityToSingleByte(text));
    if (drawn.empty()) return 0;
    return target.Text(Point{x, y}, drawn, font, colour);
}

std::string DecodeEntities(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] == '&') {
            std::size_t end = text.find(';', i + 1);
            if (end != std::string_view::npos && end - i - 1 <= kLongestName) {
                if (std::uint32_t code = EntityCode(text.substr(i + 1, end - i - 1))) {
                    AppendUtf8(out, code);
                    i = end + 1;
                    continue;
                }
            }
        }
        out += text[i++];
    }
    return out;
}

}  // namespace tallowen

#include "shell/EntityText.h"

#include <array>
#include <cstdint>

namespace tallowen {

namespace {

// The entity names of the characters 160..255, in code order.
constexpr std::array<std::string_view, 96> kLatin1Names{
    "nbsp",   "iexcl",  "cent",   "pound",  "curren", "yen",    "brvbar", "sect",   "uml",
    "copy",   "ordf",   "laquo",  "not",    "shy",    "reg",    "macr",   "deg",    "plusmn",
    "sup2",   "sup3",   "acute",  "micro",  "para",   "middot", "cedil",  "sup1",   "ordm",
    "raquo",  "frac14", "frac12", "frac34", "iquest", "Agrave", "Aacute", "Acirc",  "Atilde",
    "Auml",   "Aring",  "AElig",  "Ccedil", "Egrave", "Eacute", "Ecirc",  "Euml",   "Igrave",
    "Iacute", "Icirc",  "Iuml",   "ETH",    "Ntilde", "Ograve", "Oacute", "Ocirc",  "Otilde",
    "Ouml",   "times",  "Oslash", "Ugrave", "Uacute", "Ucirc",  "Uuml",   "Yacute", "THORN",
    "szlig",  "agrave", "aacute", "acirc",  "atilde", "auml",   "aring",  "aelig",  "ccedil",
    "egrave", "eacute", "ecirc",  "euml",   "igrave", "iacute", "icirc",  "iuml",   "eth",
    "ntilde", "ograve", "oacute", "ocirc",  "otilde", "ouml",   "divide", "oslash", "ugrave",
    "uacute", "ucirc",  "uuml",   "yacute", "thorn",  "yuml"};

// The code of an entity name, 0 when it has none.
std::uint32_t EntityCode(std::string_view name) {
    if (name == "amp") return '&';
    if (name == "quot") return '"';
    if (name == "lt") return '<';
    if (name == "gt") return '>';
    for (std::size_t i = 0; i < kLatin1Names.size(); ++i)
        if (kLatin1Names[i] == name) return static_cast<std::uint32_t>(160 + i);
    return 0;
}

void AppendUtf8(std::string& out, std::uint32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else {  // the table reaches no further than 255: two bytes are enough
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// Entity names are short; a longer run up to the next ";" is plain text.
constexpr std::size_t kLongestName = 8;

}  // namespace

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

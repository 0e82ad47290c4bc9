#include "common/Utf8.h"

namespace tallowen {

Utf8Char FirstUtf8Char(std::string_view text) {
    if (text.empty()) return {};
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) return {text.substr(0, 1), lead, true};
    // How many continuation bytes the lead byte announces, and the range the first of them
    // must fall in: the narrower ranges after E0, ED, F0 and F4 rule out overlong forms,
    // surrogates and values past U+10FFFF.
    std::size_t more = 0;
    unsigned char low = 0x80, high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        more = 1;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        more = 2;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        more = 3;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return {text.substr(0, 1), kReplacementChar, false};
    }
    char32_t code = lead & (0x3F >> more);
    for (std::size_t i = 1; i <= more; ++i) {
        if (i >= text.size() || byte(i) < low || byte(i) > high)
            return {text.substr(0, i), kReplacementChar, false};
        code = code << 6 | (byte(i) & 0x3F);
        low = 0x80;
        high = 0xBF;
    }
    return {text.substr(0, more + 1), code, true};
}

std::vector<Utf8Char> Utf8Chars(std::string_view text) {
    std::vector<Utf8Char> chars;
    for (std::size_t at = 0; at < text.size();) {
        chars.push_back(FirstUtf8Char(text.substr(at)));
        at += chars.back().bytes.size();
    }
    return chars;
}

std::vector<std::string_view> SplitChars(std::string_view text) {
    std::vector<std::string_view> chars;
    for (std::size_t at = 0; at < text.size();) {
        chars.push_back(FirstUtf8Char(text.substr(at)).bytes);
        at += chars.back().size();
    }
    return chars;
}

std::size_t CharCount(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t at = 0; at < text.size(); ++count)
        at += FirstUtf8Char(text.substr(at)).bytes.size();
    return count;
}

void AppendUtf8(std::string& out, char32_t code) {
    if ((code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) code = kReplacementChar;
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

}  // namespace tallowen

// Reading and writing UTF-8: every scalar value both ways, and where malformed bytes are cut.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "common/Utf8.h"

namespace tallowen {
namespace {

std::string Joined(std::string_view text) {
    std::string out;
    for (std::string_view ch : SplitChars(text)) out += (out.empty() ? "" : "|") + std::string(ch);
    return out;
}

TEST(Utf8, EveryScalarValueRoundTripsInItsShortestForm) {
    for (std::uint32_t code = 0; code <= 0x10FFFF; ++code) {
        if (code == 0xD800) code = 0xE000;
        std::string bytes;
        AppendUtf8(bytes, code);
        const std::size_t shortest = code < 0x80 ? 1 : code < 0x800 ? 2 : code < 0x10000 ? 3 : 4;
        ASSERT_EQ(bytes.size(), shortest) << std::hex << code;
        const std::string followed = bytes + "x";  // the view points into it
        const Utf8Char ch = FirstUtf8Char(followed);
        ASSERT_TRUE(ch.valid && ch.code == code && ch.bytes == bytes) << std::hex << code;
    }
}

TEST(Utf8, WhatIsNoCharacterIsWrittenAsTheReplacementMark) {
    for (char32_t code : {char32_t(0xD800), char32_t(0xDFFF), char32_t(0x110000)}) {
        std::string bytes;
        AppendUtf8(bytes, code);
        EXPECT_EQ(bytes, "\xEF\xBF\xBD");
    }
    EXPECT_TRUE(FirstUtf8Char("\xEF\xBF\xBD").valid);  // the mark itself is a character
    EXPECT_EQ(FirstUtf8Char("").bytes.size(), 0u);
}

// Malformed bytes are cut at the first byte that cannot continue the sequence; each piece is
// one U+FFFD, and the byte that cut it starts the next character.
TEST(Utf8, MalformedBytesAreCutWhereTheyBreak) {
    struct Case {
        std::string bytes, pieces;
    };
    const std::vector<Case> cases = {
        // stray continuation bytes stand alone
        {"a\x80\xBF"
         "b",
         "a|\x80|\xBF|b"},
        // cut short, by the end or by a byte that cannot continue
        {"\xE3\x81", "\xE3\x81"},
        {"\xF0\x9F\x98"
         "a",
         "\xF0\x9F\x98|a"},
        {"\xE3\xE3\x81", "\xE3|\xE3\x81"},
        // lead bytes that start nothing
        {"\xC0\x80", "\xC0|\x80"},
        {"\xF5\x80", "\xF5|\x80"},
        {"\xF8\x88\x80\x80\x80", "\xF8|\x88|\x80|\x80|\x80"},
        {"\xFF", "\xFF"},
        // overlong, surrogate and past U+10FFFF: cut after the lead byte
        {"\xE0\x9F\xBF", "\xE0|\x9F|\xBF"},
        {"\xF0\x8F\xBF\xBF", "\xF0|\x8F|\xBF|\xBF"},
        {"\xED\xA0\x80", "\xED|\xA0|\x80"},
        {"\xF4\x90\x80\x80", "\xF4|\x90|\x80|\x80"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Joined(c.bytes), c.pieces) << c.pieces;
        for (const Utf8Char& ch : Utf8Chars(c.bytes)) {
            if (ch.bytes.size() == 1 && static_cast<unsigned char>(ch.bytes[0]) < 0x80) continue;
            EXPECT_FALSE(ch.valid) << c.pieces;
            EXPECT_EQ(ch.code, kReplacementChar) << c.pieces;
        }
    }
    // The last of each range is still a character.
    EXPECT_TRUE(FirstUtf8Char("\xED\x9F\xBF").valid);      // U+D7FF
    EXPECT_TRUE(FirstUtf8Char("\xF4\x8F\xBF\xBF").valid);  // U+10FFFF
}

// Any bytes at all: the pieces are never empty nor longer than four bytes, put together they
// are the text, and each valid one is its code point's own form.
TEST(Utf8, AnyBytesSplitIntoPiecesThatMakeUpTheText) {
    std::string noise;
    std::uint32_t seed = 12345;
    for (int i = 0; i < 1 << 16; ++i) {
        seed = seed * 1103515245u + 12345u;
        noise += static_cast<char>(seed >> 24);
    }
    std::string rebuilt;
    const std::vector<Utf8Char> chars = Utf8Chars(noise);
    for (const Utf8Char& ch : chars) {
        ASSERT_GE(ch.bytes.size(), 1u);
        ASSERT_LE(ch.bytes.size(), 4u);
        rebuilt += ch.bytes;
        if (!ch.valid) continue;
        std::string again;
        AppendUtf8(again, ch.code);
        ASSERT_EQ(again, ch.bytes);
    }
    EXPECT_EQ(rebuilt, noise);
    EXPECT_EQ(CharCount(noise), chars.size());
    EXPECT_EQ(SplitChars(noise).size(), chars.size());
}

}  // namespace
}  // namespace tallowen

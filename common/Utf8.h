// UTF-8, the form of every text inside the program: reading it one character at a time and
// writing a character back. Every part that takes text apart goes through here, so that
// malformed bytes (from a damaged file, or a name typed in a code page we do not know) are
// cut and counted alike wherever they turn up.
//
// The rule for malformed bytes is the "maximal subpart" practice Unicode recommends and web
// browsers follow: a sequence is cut at the first byte that cannot continue it, and the bytes
// before the cut (at least one) are one unreadable character, U+FFFD. So
//   - a stray continuation byte (80..BF) is one character on its own;
//   - a sequence cut short (by the end of the text or by a byte that cannot continue it) is
//     one character, and the byte that cut it starts the next;
//   - a byte that starts no character (C0, C1, F5..FF) is one character on its own;
//   - overlong forms, surrogates (ED A0..BF ..) and values past U+10FFFF (F4 90.. ..) break at
//     their second byte, since only the first byte pair tells them apart.
// A character is never longer than four bytes, so taking a text apart is linear in its length.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tallowen {

constexpr char32_t kReplacementChar = 0xFFFD;

struct Utf8Char {
    std::string_view bytes;  // the character's bytes in the text; empty only for an empty text
    char32_t code = kReplacementChar;  // U+FFFD where the bytes are malformed
    bool valid = false;                // a literal U+FFFD in the text is valid
};

// The character at the start of `text`.
Utf8Char FirstUtf8Char(std::string_view text);
// Every character of `text` in order; their bytes, put together, are `text`.
std::vector<Utf8Char> Utf8Chars(std::string_view text);
// The same characters as texts of their own.
std::vector<std::string_view> SplitChars(std::string_view text);
std::size_t CharCount(std::string_view text);

// Appends `code` in UTF-8; a surrogate or a value past U+10FFFF is no character and appends
// U+FFFD.
void AppendUtf8(std::string& out, char32_t code);

}  // namespace tallowen

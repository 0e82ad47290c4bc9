// Small text helpers shared by both programs. Texts are UTF-8.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tallowen {

class CodePage;

std::string Trim(std::string_view text);
std::string TrimLeft(std::string_view text);
// Upper/lower case of ASCII and the Latin-1 letters; other characters stay.
std::string ToLower(std::string_view text);
std::string ToUpper(std::string_view text);
bool EqualsNoCase(std::string_view a, std::string_view b);
bool StartsWith(std::string_view text, std::string_view prefix);
bool Contains(std::string_view text, std::string_view part);

// The leading decimal number: blanks are skipped, a sign, digits and a fraction are read,
// reading stops at the first other character; no number gives 0.
double LeadingNumber(std::string_view text);
// A whole decimal number that is all of `text` and lies in [low, high] goes to `out`.
bool NumberInRange(std::string_view text, long long low, long long high, long long& out);
// Rounds to a whole number, halves to the even neighbour.
std::int64_t RoundHalfEven(double value);
std::int32_t SecondsToMs(float seconds);

// Cuts the first item off `text`: everything before the first comma, or, when there is no
// comma, before the first blank, or the whole text. `text` keeps the rest, left-trimmed.
std::string PopToken(std::string& text);
std::int32_t PopNumber(std::string& text);
// Fills `items` from its first place to its last by repeated PopToken of `line`.
void ReadLineItems(std::string line, std::vector<std::string>& items);

std::string StripQuotes(std::string_view text);
std::string StripMarks(std::string_view text);
std::string NumText(std::int64_t n);
inline int MaxOf(int a, int b) {
    return a > b ? a : b;
}
inline int MinOf(int a, int b) {
    return a < b ? a : b;
}

// Sorts `list` up to its first empty entry; order 1 ascending, 0 descending (byte order).
std::vector<std::string> SortStrings(const std::vector<std::string>& list, int order);

std::string CleanName(std::string_view name);
bool NamesMatch(std::string_view a, std::string_view b);

std::string DisplayPath(std::string_view path);

// Width rules of the file code page: a character is wide when the code page needs two bytes.
bool IsWide(std::string_view ch, const CodePage& page);
bool HasWide(std::string_view text, const CodePage& page);
int ByteWidth(std::string_view text, const CodePage& page);

}  // namespace tallowen

// Text bands to column codes, and the matcher that reads glyphs, words and labels from them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tallowen {

struct ReadingContext;
struct GlyphTable;

// The column codes of one text band over slots first..last, by the window's x. The first slot
// is not a column: it holds the OR of the line's codes; the last slot holds the separator
// 0x4000; the slots between are the columns first + 1 .. last - 1.
struct LineCodes {
    int first = 0;
    int last = 0;
    std::vector<std::uint16_t> codes;  // codes[pos - first]
    // A band of the screen capture: its top row and the capture it was built from, so that the
    // band one row lower can reuse it.
    std::optional<int> boxRow;
    std::uint32_t capture = 0;

    // Slots first..last, all 0 (a negative first becomes 0; last is at least first).
    static LineCodes Slots(int firstSlot, int lastSlot);
    // The code at slot `pos`; 0 outside first..last.
    std::uint16_t At(int pos) const {
        const std::size_t i = std::size_t(pos) - std::size_t(first);
        return pos >= first && pos <= last && i < codes.size() ? codes[i] : 0;
    }
    void Set(int pos, std::uint16_t code) {
        const std::size_t i = std::size_t(pos) - std::size_t(first);
        if (pos >= first && pos <= last && i < codes.size()) codes[i] = code;
    }
    // The OR of the line's codes (0 for a line without ink).
    std::uint16_t Ink() const { return At(first); }
};

// The band of 12 rows from window row y of the game capture over slots first..last (ink =
// IsInk). With graySwitch 1..10, a blank column whose rows graySwitch..10 are gray is a
// separator. A pixel outside the capture beeps once and reports once (see
// ReadingContext::report), and adds no ink.
LineCodes BuildLine(ReadingContext& ctx, std::string_view callerName, int first, int last, int y,
                    int graySwitch);
// The same over the screen capture, with pure black as ink and no separators. When `above` is
// the band of row y - 1 over the same capture and slots, eleven of its rows are reused.
LineCodes BuildBoxLine(const ReadingContext& ctx, int first, int last, int y, LineCodes above = {});

// Exact match of the glyph starting at `pos` (whose code is `key`); `pos` moves past it. No
// match gives "?" and moves `pos` to the next blank column.
void MatchGlyphAt(const GlyphTable& table, const LineCodes& line, std::string& name,
                  std::uint16_t key, int& pos);
// Reads up to the next separator; `pos` moves past it. A `pos` at the first slot starts at
// the next one; a `pos` before the first slot gives "" and pos 0.
std::string ReadWord(const GlyphTable& table, const LineCodes& line, int& pos);
// Searches `text` from `start`: the column just after it, 0 when absent.
int FindText(const GlyphTable& table, const LineCodes& line, int start, std::string_view text);
// Finds `label` (label letters) and reads the number after it (digits): text = label +
// number, pos = the label's first column (0 when absent). Neither changes unless the table is
// prepared for reading.
void FindLabelAndNumber(const GlyphTable& table, const LineCodes& line, int& pos, std::string& text,
                        std::string_view label);

}  // namespace tallowen

// Text bands to column codes, and the matcher that reads glyphs, words and labels from them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tallowen {

struct ReadingContext;
struct GlyphTable;

// The column codes of one text band, indexed by the window's x. The first slot is not a
// column: it holds the OR of the line's codes; the last slot holds the separator 0x4000.
struct ColumnCodes {
    std::vector<std::uint16_t> codes;
    int first = 0;
    int last = 0;

    // Slots first..last (a negative first becomes 0; last is at least first). The codes are
    // those of the next line built.
    void Size(int firstSlot, int lastSlot);
    // The code at slot `pos`; 0 outside first..last.
    std::uint16_t At(int pos) const {
        return pos >= first && pos <= last && std::size_t(pos) < codes.size()
                   ? codes[std::size_t(pos)]
                   : 0;
    }
    void Set(int pos, std::uint16_t code) {
        if (pos >= first && pos <= last && std::size_t(pos) < codes.size())
            codes[std::size_t(pos)] = code;
    }
    // The OR of the line's codes (0 for a line without ink).
    std::uint16_t Ink() const { return At(first); }
};

// Builds the band of 12 rows from window row y of the game capture (ink = IsInk). With
// graySwitch non-zero, a blank column whose rows graySwitch..10 are gray is a separator.
// A pixel outside the capture beeps once and reports once (see ReadingContext::report).
void GetLineBMP(ReadingContext& ctx, std::string_view callerName, int y, int graySwitch);
// The same over the screen capture, with pure black as ink; stepping down one row at a time
// over the same capture reuses eleven rows of the previous band.
void GetBoxLineBMP(ReadingContext& ctx, int y);

// Exact match of the glyph starting at `pos` (whose code is `key`); `pos` moves past it. No
// match gives "?" and moves `pos` to the next blank column.
void MatchGlyphAt(const ReadingContext& ctx, std::string& name, std::uint16_t key, int& pos);
// Masked match among the templates of allowed list `listNo` (0 label letters, 1 digits).
void MatchGlyphMasked(const ReadingContext& ctx, std::string& name, std::uint16_t key, int& pos,
                      int listNo);
// Reads up to the next separator; `pos` moves past it. A `pos` at the first slot starts at
// the next one; a `pos` before the first slot gives "" and pos 0.
void ReadWord(const ReadingContext& ctx, std::string& text, int& pos);
// Searches `text` from `start`; pos = the column just after it, 0 when absent.
void FindText(const ReadingContext& ctx, int start, int& pos, std::string_view text);
// Finds `label` (list 0) and reads the number after it (list 1): text = label + number.
void FindLabelAndNumber(const ReadingContext& ctx, int& pos, std::string& text,
                        std::string_view label);

}  // namespace tallowen

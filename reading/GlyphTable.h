// The client's font as glyph templates: each character is the exact run of 12-bit column
// codes it draws (row 0 of a text band is bit 11, row 11 is bit 0).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tallowen {

class Sound;

constexpr int kGlyphMaxWidth = 14;
constexpr int kGlyphMaxTemplates = 350;
constexpr int kGlyphSetCount = 3;
constexpr int kGlyphIndexSize = 16385;  // first-column keys 0..16384
constexpr int kAllowedListSize = 21;    // 20 templates and the closing 0
constexpr std::uint16_t kSeparatorCode = 0x4000;
constexpr int kLineHeight = 12;

struct GlyphTemplate {
    std::string name;  // the characters it stands for ("a", "..", "atilde;")
    int width = 0;     // 1..14
    std::array<std::uint16_t, kGlyphMaxWidth + 1> columns{};  // columns[1..width]
    int chain = 0;                // next template with the same first column, 0 at the end
    std::uint16_t wideKey = 0;    // column 1 of a Japanese glyph
    std::uint16_t entityKey = 0;  // column 1 of a glyph written "&name" in the table
};

struct GlyphTable {
    // Templates from 1; entry 0 stays empty and is never a template.
    std::vector<GlyphTemplate> templates = std::vector<GlyphTemplate>(1);
    // Index ranges of the renderer sets: 0 "MSJVM", 1 "Sun JRE", 2 (unnamed). Empty: end < start.
    std::array<int, kGlyphSetCount> setStart{1, 1, 1};
    std::array<int, kGlyphSetCount> setEnd{0, 0, 0};
    std::array<std::uint16_t, kGlyphSetCount> columnMask{0xFFE, 0xFFE, 0xFF8};
    std::array<int, kGlyphSetCount> lineStep{0, 16, 0};
    int currentSet = 0;
    bool ready = false;  // set once reading is prepared for a game
    std::vector<std::uint16_t> index = std::vector<std::uint16_t>(kGlyphIndexSize);
    // 0: the letters of the tricks label; 1: the digits. 0-terminated.
    std::array<std::array<int, kAllowedListSize>, 2> allowed{};

    int LineStep() const { return lineStep[std::size_t(ClampedSet())]; }
    std::uint16_t Mask() const { return columnMask[std::size_t(ClampedSet())]; }
    int ClampedSet() const {
        return currentSet >= 0 && currentSet < kGlyphSetCount ? currentSet : 0;
    }
};

// The shipped font (renderer set 1), one template per line, in priority order.
const std::vector<std::string>& ShippedGlyphLines();

// Loads `lines` (the shipped font unless given) into set 1. A line whose pattern repeats an
// earlier one is dropped with a beep.
void LoadGlyphTable(GlyphTable& table, Sound& sound,
                    const std::vector<std::string>& lines = ShippedGlyphLines());

// Makes `set` active for the language (1 English, 2 Japanese, 3..10 the others): switches the
// Japanese and accented glyphs on or off, rebuilds the first-column index and the two
// allowed-character lists.
void PrepareGlyphSet(GlyphTable& table, int set, int language);

}  // namespace tallowen

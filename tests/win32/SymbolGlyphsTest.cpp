// Reading a symbol font's character map: which glyph draws each one-byte code.
#include <gtest/gtest.h>

#include <string>

#include "win32/SymbolGlyphs.h"

namespace tallowen {
namespace {

using win32::SymbolGlyphsFromCmap;

void Put16(std::string& s, unsigned v) {
    s += char(v >> 8);
    s += char(v & 0xFF);
}
void Put32(std::string& s, unsigned v) {
    Put16(s, v >> 16);
    Put16(s, v & 0xFFFF);
}

// Format 4 with the segments [first, last] -> first glyph `glyph` (by delta), then 0xFFFF.
std::string Format4(unsigned first, unsigned last, unsigned glyph) {
    std::string t;
    Put16(t, 4), Put16(t, 32), Put16(t, 0), Put16(t, 4);  // format, length, language, 2 segs
    Put16(t, 0), Put16(t, 0), Put16(t, 0);                // search fields (unused)
    Put16(t, last), Put16(t, 0xFFFF), Put16(t, 0);        // ends, pad
    Put16(t, first), Put16(t, 0xFFFF);                    // starts
    Put16(t, (glyph - first) & 0xFFFF), Put16(t, 1);      // deltas
    Put16(t, 0), Put16(t, 0);                             // no range offsets
    return t;
}

// Format 0: code c -> glyph c ^ 0x55 (one byte each).
std::string Format0() {
    std::string t;
    Put16(t, 0), Put16(t, 262), Put16(t, 0);
    for (unsigned c = 0; c < 256; ++c) t += char(c ^ 0x55);
    return t;
}

std::string Cmap(std::vector<std::pair<unsigned, std::string>> tables) {
    std::string head, body;
    Put16(head, 0), Put16(head, unsigned(tables.size()));
    const unsigned start = 4 + 8 * unsigned(tables.size());
    for (auto& [platform, table] : tables) {
        Put16(head, platform), Put16(head, 0), Put32(head, start + unsigned(body.size()));
        body += table;
    }
    return head + body;
}

TEST(SymbolGlyphs, WindowsSymbolMapAtF000PlusCode) {
    auto table = SymbolGlyphsFromCmap(Cmap({{3, Format4(0xF020, 0xF0FF, 3)}}));
    EXPECT_EQ(table[0x20], 3);
    EXPECT_EQ(table[0xA7], 0xA7 - 0x20 + 3);
    EXPECT_EQ(table[0xFF], 0xFF - 0x20 + 3);
    EXPECT_EQ(table[0x1F], 0);
}

TEST(SymbolGlyphs, WindowsSymbolMapAtTheCodeItself) {
    auto table = SymbolGlyphsFromCmap(Cmap({{3, Format4(0x20, 0xFF, 10)}}));
    EXPECT_EQ(table[0xA9], 0xA9 - 0x20 + 10);
}

TEST(SymbolGlyphs, MacintoshMapWhenThereIsNoWindowsOne) {
    auto table = SymbolGlyphsFromCmap(Cmap({{1, Format0()}}));
    EXPECT_EQ(table[0xA7], 0xA7 ^ 0x55);
    // The Windows map wins over the Macintosh one, whichever comes first.
    table = SymbolGlyphsFromCmap(Cmap({{1, Format0()}, {3, Format4(0xF020, 0xF0FF, 3)}}));
    EXPECT_EQ(table[0xA7], 0xA7 - 0x20 + 3);
}

TEST(SymbolGlyphs, DamagedTablesGiveNoGlyphsAndNoHarm) {
    const std::string whole = Cmap({{3, Format4(0xF020, 0xF0FF, 3)}, {1, Format0()}});
    // Every cut reads only what is there (the reads past the end come back as zeros).
    for (std::size_t n = 0; n < whole.size(); ++n)
        SymbolGlyphsFromCmap(std::string_view(whole).substr(0, n));
    EXPECT_EQ(SymbolGlyphsFromCmap(whole)[0xA7], 0xA7 - 0x20 + 3);
    EXPECT_EQ(SymbolGlyphsFromCmap("")[0xA7], 0);
    std::string bogus = Cmap({{3, Format4(0xF020, 0xF0FF, 3)}});
    bogus[8] = char(0xFF);  // the table's offset points past the end
    EXPECT_EQ(SymbolGlyphsFromCmap(bogus)[0xA7], 0);
}

}  // namespace
}  // namespace tallowen

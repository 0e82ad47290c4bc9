#include "win32/SymbolGlyphs.h"

namespace tallowen::win32 {
namespace {

// Big-endian reads that give 0 past the end, so that a short table reads as "no glyph".
struct Bytes {
    std::string_view data;
    std::uint32_t U8(std::size_t at) const { return at < data.size() ? std::uint8_t(data[at]) : 0; }
    std::uint32_t U16(std::size_t at) const { return (U8(at) << 8) | U8(at + 1); }
    std::uint32_t U32(std::size_t at) const { return (U16(at) << 16) | U16(at + 2); }
};

std::uint16_t Format4Glyph(const Bytes& b, std::size_t table, std::uint32_t code) {
    const std::size_t segments = b.U16(table + 6) / 2;
    const std::size_t ends = table + 14, starts = ends + 2 * segments + 2;
    const std::size_t deltas = starts + 2 * segments, ranges = deltas + 2 * segments;
    for (std::size_t i = 0; i < segments; ++i) {
        if (code > b.U16(ends + 2 * i)) continue;
        const std::uint32_t start = b.U16(starts + 2 * i);
        if (code < start) return 0;
        const std::uint32_t delta = b.U16(deltas + 2 * i);
        const std::uint32_t range = b.U16(ranges + 2 * i);
        if (range == 0) return std::uint16_t(code + delta);
        const std::uint32_t glyph = b.U16(ranges + 2 * i + range + 2 * (code - start));
        return glyph ? std::uint16_t(glyph + delta) : 0;
    }
    return 0;
}

std::uint16_t GlyphOf(const Bytes& b, std::size_t table, std::uint32_t code) {
    switch (b.U16(table)) {
        case 0:
            return code < 256 ? std::uint16_t(b.U8(table + 6 + code)) : 0;
        case 4:
            return Format4Glyph(b, table, code);
        case 6: {
            const std::uint32_t first = b.U16(table + 6), count = b.U16(table + 8);
            return code >= first && code - first < count
                       ? std::uint16_t(b.U16(table + 10 + 2 * (code - first)))
                       : 0;
        }
    }
    return 0;
}

}  // namespace

SymbolGlyphTable SymbolGlyphsFromCmap(std::string_view cmap) {
    const Bytes b{cmap};
    std::size_t windows = 0, mac = 0;
    const std::uint32_t count = b.U16(2);
    for (std::uint32_t i = 0; i < count && 4 + 8 * (i + 1) <= cmap.size(); ++i) {
        const std::size_t record = 4 + 8 * i;
        const std::uint32_t offset = b.U32(record + 4);
        if (offset >= cmap.size()) continue;
        if (b.U16(record) == 3 && b.U16(record + 2) == 0 && !windows) windows = offset;
        if (b.U16(record) == 1 && b.U16(record + 2) == 0 && !mac) mac = offset;
    }
    SymbolGlyphTable table{};
    for (std::uint32_t code = 0; code < 256; ++code) {
        if (windows) {
            // Codes usually sit at 0xF000 + code; older fonts put them at the code itself.
            table[code] = GlyphOf(b, windows, 0xF000 | code);
            if (!table[code]) table[code] = GlyphOf(b, windows, code);
        } else if (mac) {
            table[code] = GlyphOf(b, mac, code);
        }
    }
    return table;
}

}  // namespace tallowen::win32

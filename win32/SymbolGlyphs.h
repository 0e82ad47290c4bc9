// Where a symbol font keeps the glyphs of its one-byte codes. The symbol encoding is the
// font's own: the code 0xA7 is a club there, and only the font's character map says which
// glyph that is. The Windows font lists its codes at 0xF000 + code in a symbol map; Wine's
// lists them only in its Macintosh map (its Unicode map holds other glyphs at those codes).
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace tallowen::win32 {

// Glyph index per code 0..255; 0 = the font has no glyph for it.
using SymbolGlyphTable = std::array<std::uint16_t, 256>;

// Reads a TrueType 'cmap' table: the Windows symbol map (3, 0) when there is one, else the
// Macintosh map (1, 0); formats 0, 4 and 6. A damaged table gives what could be read safely.
SymbolGlyphTable SymbolGlyphsFromCmap(std::string_view cmap);

}  // namespace tallowen::win32

// The fonts the program draws and measures with, made once per face, size and weight.
#pragma once

#include <windows.h>

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "platform/Canvas.h"
#include "win32/ScopedWin.h"
#include "win32/SymbolGlyphs.h"

namespace tallowen::win32 {

// Text ready for GDI: UTF-16 characters, or glyph indices of the font it was made for.
struct GdiText {
    std::wstring units;
    bool glyphIndices = false;
};

class GdiFonts {
public:
    // The font for `spec`, kept until the cache goes; null when GDI refuses one.
    HFONT Get(const FontSpec& spec);
    // `utf8` ready to draw in `spec` on `dc`. In the "Symbol" face the characters
    // U+0020..U+00FF stand for the font's own codes and become the glyphs its character map
    // gives them (a club for U+00A7), on Windows and on Wine alike.
    GdiText Prepare(HDC dc, const FontSpec& spec, std::string_view utf8);

private:
    struct Made {
        ScopedFont font;
        std::optional<SymbolGlyphTable> symbols;  // read on first use, symbol faces only
    };
    Made* Find(const FontSpec& spec);
    std::map<std::tuple<std::string, double, bool>, Made> fonts_;
};

bool IsSymbolFace(std::string_view face);

// Width and height of `text` in `font` on `dc`; {0, 0} on failure or for no text.
SIZE Extent(HDC dc, HFONT font, const GdiText& text);
// Draws `text` in `font` with its top left at (x, y), in the device context's text colour
// and background mode.
void DrawGdiText(HDC dc, HFONT font, int x, int y, const GdiText& text);

}  // namespace tallowen::win32

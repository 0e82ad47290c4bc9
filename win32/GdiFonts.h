// The fonts the program draws and measures with, made once per face, size and weight.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <string_view>
#include <tuple>

#include "platform/Canvas.h"
#include "win32/ScopedWin.h"

namespace tallowen::win32 {

class GdiFonts {
public:
    // The font for `spec`, kept until the cache goes; null when GDI refuses one.
    HFONT Get(const FontSpec& spec);

private:
    std::map<std::tuple<std::string, double, bool>, ScopedFont> fonts_;
};

bool IsSymbolFace(std::string_view face);

// The wide text that draws `utf8` in `font` (of `face`) on `dc`. A symbol font may keep its
// glyphs at U+F020..U+F0FF (the Windows one does) or at U+0020..U+00FF (Wine's): each
// character of U+0020..U+00FF goes where the font has a glyph for it, so that "\u00A7" comes
// out as the font's club either way.
std::wstring GlyphText(HDC dc, HFONT font, std::string_view utf8, std::string_view face);

// Width and height of `text` (already wide) in `font` on `dc`; {0, 0} on failure.
SIZE Extent(HDC dc, HFONT font, const std::wstring& text);

}  // namespace tallowen::win32

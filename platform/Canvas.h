// A surface the program draws on: its own windows and the off-screen card sheets. Colours are
// Windows colour values (red in the low byte); positions are pixels from the top left of the
// surface's inner (client) area. Text is UTF-8; the "Symbol" face draws the characters
// U+0020..U+00FF as the symbol font's glyphs of those codes (U+00A7 a club, U+00A8 a diamond,
// U+00A9 a heart, U+00AA a spade).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/Desktop.h"

namespace tallowen {

struct FontSpec {
    std::string face;
    double points = 10;
    bool bold = false;
    bool operator==(const FontSpec&) const = default;
};

class Canvas {
public:
    virtual ~Canvas() = default;
    virtual void Fill(Rect area, std::uint32_t colour) = 0;
    virtual void SetPixel(Point at, std::uint32_t colour) = 0;
    virtual void Line(Point from, Point to, std::uint32_t colour, int width) = 0;
    virtual void Frame(Rect area, std::uint32_t colour, int width) = 0;
    // Draws `text` with its top left at `at`, without filling behind it; returns the width
    // drawn.
    virtual int Text(Point at, std::string_view text, const FontSpec& font,
                     std::uint32_t colour) = 0;
    virtual int TextWidth(std::string_view text, const FontSpec& font) = 0;
    // The height of one line of text in `font`.
    virtual int TextHeight(const FontSpec& font) = 0;
    // Copies `from` of the off-screen sheet named `sheet` ("frmH", "frmP", ...) to `to`.
    virtual void Blit(std::string_view sheet, Rect from, Point to) = 0;
    // The inner size of the surface (right and bottom; left and top are 0).
    virtual Rect Extent() = 0;
};

// The off-screen sheets a program keeps: one drawing surface per name, made on first use at
// the given size (a later call with another size makes it afresh, cleared to white).
class Sheets {
public:
    virtual ~Sheets() = default;
    virtual Canvas& Sheet(std::string_view name, int width, int height) = 0;
};

}  // namespace tallowen

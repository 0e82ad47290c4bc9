// A surface the program draws on: its own windows and the off-screen card sheets. Colours are
// Windows colour values (red in the low byte); positions are pixels from the top left.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/Desktop.h"

namespace tallowen {

struct FontSpec {
    std::string_view face;
    double points = 10;
    bool bold = false;
};

class Canvas {
public:
    virtual ~Canvas() = default;
    virtual void Fill(Rect area, std::uint32_t colour) = 0;
    virtual void Line(Point from, Point to, std::uint32_t colour, int width) = 0;
    virtual void Frame(Rect area, std::uint32_t colour, int width) = 0;
    // Draws `text` with its top left at `at`; returns the width drawn.
    virtual int Text(Point at, std::string_view text, const FontSpec& font,
                     std::uint32_t colour) = 0;
    virtual int TextWidth(std::string_view text, const FontSpec& font) = 0;
    // Copies `from` of the sheet named `sheet` ("frmH", "frmP") to `to`.
    virtual void Blit(std::string_view sheet, Rect from, Point to) = 0;
};

}  // namespace tallowen

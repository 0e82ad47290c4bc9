// Writes text into a picture the way the game client does: every glyph column by column
// from its template of the client's font, one blank column between glyphs, a space three
// more; "&name;" draws the accented glyph of that name. Characters the font has no template for
// (the Japanese editions' kana and kanji) come out as one unbroken run of ink per word.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "reading/GlyphTable.h"
#include "sim/ImageDesktop.h"

namespace tallowen {

struct PlacedGlyph {
    std::string name;
    int x = 0;      // first column
    int width = 0;  // columns of the glyph (a template's trailing blank column included)
};

class GlyphPainter {
public:
    explicit GlyphPainter(const GlyphTable& table);

    // Draws `text` with its 12-row band's top row at `bandTop`; returns the column after
    // the last glyph (before the gap that would follow it).
    int Draw(Image555& image, int x, int bandTop, std::string_view text,
             std::uint16_t ink = 0) const;
    // The same, telling where each glyph went.
    int Draw(Image555& image, int x, int bandTop, std::string_view text, std::uint16_t ink,
             std::vector<PlacedGlyph>& placed) const;
    // Columns `text` takes.
    int Width(std::string_view text) const;

    // Spoils the glyph with this number (counting every glyph drawn since the last
    // ResetCount, from 0) so that it matches no template; -1 spoils none.
    void SetMisdrawn(int glyph) { misdrawn_ = glyph; }
    void ResetCount() const { count_ = 0; }

    static constexpr int kSpace = 3;
    static constexpr int kWideWidth = 7;

private:
    const std::vector<std::uint16_t>* Columns(std::string_view name) const;
    std::uint16_t Spoil(std::uint16_t first) const;

    std::map<std::string, std::vector<std::uint16_t>, std::less<>> glyphs_;
    std::vector<bool> firstColumns_ = std::vector<bool>(kGlyphIndexSize);
    int misdrawn_ = -1;
    mutable int count_ = 0;
};

}  // namespace tallowen

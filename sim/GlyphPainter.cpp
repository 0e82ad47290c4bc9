#include "sim/GlyphPainter.h"

#include "common/Utf8.h"

namespace tallowen {

namespace {

// Columns of one character the font cannot show: a closed block that no template starts
// with, and that touches its neighbours so a word of them is one unreadable run.
constexpr std::uint16_t kWide[GlyphPainter::kWideWidth] = {0x3FE, 0x202, 0x2FA, 0x28A,
                                                           0x2FA, 0x202, 0x3FE};

bool IsFontless(std::string_view ch) {
    return !ch.empty() && static_cast<unsigned char>(ch[0]) >= 0x80;
}

void Put(Image555& image, int x, int bandTop, std::uint16_t column, std::uint16_t ink) {
    for (int bit = 11; bit >= 0; --bit)
        if (column & (1u << bit)) image.Set(x, bandTop + (11 - bit), ink);
}

// The characters of a text, an entity reference ("&atilde;") standing for the accented
// glyph of that name.
std::vector<std::string_view> Glyphs(std::string_view text) {
    std::vector<std::string_view> out;
    for (std::size_t i = 0; i < text.size();) {
        if (text[i] == '&') {
            const std::size_t end = text.find(';', i);
            if (end != std::string_view::npos && end - i > 1 && end - i < 10) {
                out.push_back(text.substr(i + 1, end - i));
                i = end + 1;
                continue;
            }
        }
        std::string_view ch = FirstUtf8Char(text.substr(i)).bytes;
        out.push_back(ch);
        i += ch.size();
    }
    return out;
}

}  // namespace

GlyphPainter::GlyphPainter(const GlyphTable& table) {
    for (std::size_t i = 1; i < table.templates.size(); ++i) {
        const GlyphTemplate& t = table.templates[i];
        // The first template of a name is the plain glyph; later ones are the same letter
        // drawn into the hook of a preceding "f".
        if (t.width < 1 || glyphs_.count(t.name)) continue;
        glyphs_[t.name].assign(t.columns.begin() + 1, t.columns.begin() + 1 + t.width);
    }
    for (const GlyphTemplate& t : table.templates) {
        for (std::uint16_t key : {t.columns[1], t.wideKey, t.entityKey})
            if (key < firstColumns_.size()) firstColumns_[key] = true;
    }
}

const std::vector<std::uint16_t>* GlyphPainter::Columns(std::string_view name) const {
    auto it = glyphs_.find(name);
    return it == glyphs_.end() ? nullptr : &it->second;
}

// A first column with one pixel moved, chosen so that no template starts with it.
std::uint16_t GlyphPainter::Spoil(std::uint16_t first) const {
    for (int bit = 5; bit <= 9; ++bit) {
        std::uint16_t key = std::uint16_t(first ^ (1u << bit));
        if (key != 0 && !firstColumns_[key]) return key;
    }
    return std::uint16_t(first | 0x800);  // the top row: no template uses it
}

int GlyphPainter::Draw(Image555& image, int x, int bandTop, std::string_view text,
                       std::uint16_t ink) const {
    std::vector<PlacedGlyph> placed;
    return Draw(image, x, bandTop, text, ink, placed);
}

int GlyphPainter::Draw(Image555& image, int x, int bandTop, std::string_view text,
                       std::uint16_t ink, std::vector<PlacedGlyph>& placed) const {
    placed.clear();
    int end = x;
    bool inRun = false;  // inside a run of characters without templates
    for (std::string_view ch : Glyphs(text)) {
        if (ch == " ") {
            x = end + 1 + kSpace;
            inRun = false;
            continue;
        }
        const std::vector<std::uint16_t>* columns = IsFontless(ch) ? nullptr : Columns(ch);
        if (!columns) {
            if (inRun) x = end;  // no gap inside the run
            for (int i = 0; i < kWideWidth; ++i) Put(image, x + i, bandTop, kWide[i], ink);
            placed.push_back({std::string(ch), x, kWideWidth});
            end = x + kWideWidth;
            x = end + 1;
            inRun = true;
            continue;
        }
        inRun = false;
        const bool spoil = count_++ == misdrawn_;
        for (std::size_t i = 0; i < columns->size(); ++i) {
            std::uint16_t c = (*columns)[i];
            if (spoil && i == 0) c = Spoil(c);
            Put(image, x + int(i), bandTop, c, ink);
        }
        placed.push_back({std::string(ch), x, int(columns->size())});
        end = x + int(columns->size());
        x = end + 1;
    }
    return end;
}

int GlyphPainter::Width(std::string_view text) const {
    Image555 none;
    const int start = 1 << 20;
    const int counted = count_;  // measuring draws nothing and spoils nothing
    const int width = Draw(none, start, 0, text) - start;
    count_ = counted;
    return width;
}

}  // namespace tallowen

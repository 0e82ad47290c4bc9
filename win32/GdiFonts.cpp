#include "win32/GdiFonts.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cwchar>

#include "win32/WideText.h"

namespace tallowen::win32 {
namespace {

static_assert(sizeof(wchar_t) == sizeof(WORD), "glyph indices travel in UTF-16 units");

// Character height in pixels for `points` on the screen (a negative height asks GDI for the
// character height rather than the cell height, as point sizes mean).
int HeightFor(double points) {
    if (!(points > 0)) points = 1;
    points = std::min(points, 500.0);
    ScopedDC screen = ScopedDC::Screen();
    int dpi = screen ? GetDeviceCaps(screen.Get(), LOGPIXELSY) : 96;
    return -int(std::lround(points * (dpi > 0 ? dpi : 96) / 72.0));
}

SymbolGlyphTable ReadSymbolGlyphs(HDC dc, HFONT font) {
    const DWORD tag = 'c' | ('m' << 8) | ('a' << 16) | (DWORD('p') << 24);
    ScopedSelect selected(dc, font);
    DWORD size = GetFontData(dc, tag, 0, nullptr, 0);
    if (size == GDI_ERROR || size == 0 || size > (1u << 24)) return {};
    std::string cmap(size, '\0');
    if (GetFontData(dc, tag, 0, cmap.data(), size) != size) return {};
    return SymbolGlyphsFromCmap(cmap);
}

}  // namespace

bool IsSymbolFace(std::string_view face) {
    return face.size() == 6 && CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, face.data(), 6,
                                              "Symbol", 6) == CSTR_EQUAL;
}

GdiFonts::Made* GdiFonts::Find(const FontSpec& spec) {
    auto key = std::make_tuple(spec.face, spec.points, spec.bold);
    auto found = fonts_.find(key);
    if (found != fonts_.end()) return &found->second;
    LOGFONTW description{};
    description.lfHeight = HeightFor(spec.points);
    description.lfWeight = spec.bold ? FW_BOLD : FW_NORMAL;
    description.lfCharSet = IsSymbolFace(spec.face) ? SYMBOL_CHARSET : DEFAULT_CHARSET;
    description.lfOutPrecision = OUT_DEFAULT_PRECIS;
    description.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    description.lfQuality = DEFAULT_QUALITY;
    std::wstring face = Widen(spec.face);
    wcsncpy(description.lfFaceName, face.c_str(), LF_FACESIZE - 1);
    ScopedFont font(CreateFontIndirectW(&description));
    if (!font) return nullptr;
    return &fonts_.emplace(std::move(key), Made{std::move(font), std::nullopt}).first->second;
}

HFONT GdiFonts::Get(const FontSpec& spec) {
    Made* made = Find(spec);
    return made ? made->font.Get() : nullptr;
}

GdiText GdiFonts::Prepare(HDC dc, const FontSpec& spec, std::string_view utf8) {
    GdiText text{Widen(utf8), false};
    Made* made = Find(spec);
    if (!dc || !made || !IsSymbolFace(spec.face) || text.units.empty()) return text;
    if (!made->symbols) made->symbols = ReadSymbolGlyphs(dc, made->font.Get());
    // Characters beyond the font's codes keep the glyphs its Unicode map gives them.
    std::wstring glyphs(text.units.size(), L'\0');
    ScopedSelect selected(dc, made->font.Get());
    for (std::size_t i = 0; i < glyphs.size(); ++i) {
        const wchar_t c = text.units[i];
        WORD glyph = c >= 0x20 && c <= 0xFF ? (*made->symbols)[c] : 0;
        if (!glyph) GetGlyphIndicesW(dc, &c, 1, &glyph, 0);
        glyphs[i] = wchar_t(glyph);
    }
    return {std::move(glyphs), true};
}

SIZE Extent(HDC dc, HFONT font, const GdiText& text) {
    SIZE size{0, 0};
    if (!dc || !font || text.units.empty() || text.units.size() > INT_MAX) return size;
    ScopedSelect selected(dc, font);
    const int n = int(text.units.size());
    std::wstring units = text.units;  // GetTextExtentPointI takes a non-const array
    BOOL ok = text.glyphIndices
                  ? GetTextExtentPointI(dc, reinterpret_cast<WORD*>(units.data()), n, &size)
                  : GetTextExtentPoint32W(dc, units.data(), n, &size);
    return ok ? size : SIZE{0, 0};
}

void DrawGdiText(HDC dc, HFONT font, int x, int y, const GdiText& text) {
    if (!dc || !font || text.units.empty() || text.units.size() > INT_MAX) return;
    ScopedSelect selected(dc, font);
    const UINT options = text.glyphIndices ? ETO_GLYPH_INDEX : 0;
    ExtTextOutW(dc, x, y, options, nullptr, text.units.data(), UINT(text.units.size()), nullptr);
}

}  // namespace tallowen::win32

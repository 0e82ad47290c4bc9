#include "win32/GdiFonts.h"

#include <algorithm>
#include <cmath>
#include <cwchar>
#include <vector>

#include "win32/WideText.h"

namespace tallowen::win32 {
namespace {

// Character height in pixels for `points` on the screen (a negative height asks GDI for the
// character height rather than the cell height, as point sizes mean).
int HeightFor(double points) {
    if (!(points > 0)) points = 1;
    points = std::min(points, 500.0);
    ScopedDC screen = ScopedDC::Screen();
    int dpi = screen ? GetDeviceCaps(screen.Get(), LOGPIXELSY) : 96;
    return -int(std::lround(points * (dpi > 0 ? dpi : 96) / 72.0));
}

}  // namespace

bool IsSymbolFace(std::string_view face) {
    return face.size() == 6 && CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, face.data(), 6,
                                              "Symbol", 6) == CSTR_EQUAL;
}

HFONT GdiFonts::Get(const FontSpec& spec) {
    auto key = std::make_tuple(spec.face, spec.points, spec.bold);
    auto found = fonts_.find(key);
    if (found != fonts_.end()) return found->second.Get();
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
    HFONT made = font.Get();
    if (made) fonts_.emplace(std::move(key), std::move(font));
    return made;
}

std::wstring GlyphText(HDC dc, HFONT font, std::string_view utf8, std::string_view face) {
    std::wstring wide = Widen(utf8);
    if (!IsSymbolFace(face) || !dc || !font || wide.size() > 0xFFFF) return wide;
    std::wstring moved = wide;
    for (wchar_t& c : moved)
        if (c >= 0x20 && c <= 0xFF) c = wchar_t(0xF000 | c);
    const int n = int(wide.size());
    std::vector<WORD> plain(wide.size()), high(wide.size());
    ScopedSelect selected(dc, font);
    if (GetGlyphIndicesW(dc, wide.data(), n, plain.data(), GGI_MARK_NONEXISTING_GLYPHS) ==
            GDI_ERROR ||
        GetGlyphIndicesW(dc, moved.data(), n, high.data(), GGI_MARK_NONEXISTING_GLYPHS) ==
            GDI_ERROR)
        return wide;
    for (std::size_t i = 0; i < wide.size(); ++i)
        if (plain[i] == 0xFFFF && high[i] != 0xFFFF) wide[i] = moved[i];
    return wide;
}

SIZE Extent(HDC dc, HFONT font, const std::wstring& text) {
    SIZE size{0, 0};
    if (!dc || !font || text.empty() || text.size() > 0x7FFFFFFF) return size;
    ScopedSelect selected(dc, font);
    if (!GetTextExtentPoint32W(dc, text.data(), int(text.size()), &size)) return {0, 0};
    return size;
}

}  // namespace tallowen::win32

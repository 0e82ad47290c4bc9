#include "report/FontMetrics.h"

#include <algorithm>

#include "common/Text.h"
#include "report/PageText.h"

namespace tallowen {

namespace {

int CharWidth(const FontWidthTable& table, char32_t cp, int ppem) {
    auto it = std::lower_bound(table.widths.begin(), table.widths.end(), cp,
                               [](const FontWidth& w, char32_t c) { return w.ch < c; });
    if (it == table.widths.end() || it->ch != cp) return ppem;
    return (it->advance * ppem + table.unitsPerEm / 2) / table.unitsPerEm;
}

std::string DropLastChar(std::string_view text) {
    auto chars = SplitChars(text);
    if (chars.empty()) return {};
    return std::string(text.substr(0, text.size() - chars.back().size()));
}

}  // namespace

int TableFontMetrics::PixelsPerEm() {
    // The font height the system asks for: the point size scaled to the screen, rounded.
    return (kReportFontPoints * kScreenDpi + 36) / 72;
}

int TableFontMetrics::TextWidth(std::string_view utf8, FontFace face) const {
    const FontWidthTable& table = face == FontFace::CourierNew ? kMonoWidths : kSerifWidths;
    const int ppem = PixelsPerEm();
    int width = 0;
    for (std::string_view ch : SplitChars(utf8)) width += CharWidth(table, Utf8CodePoint(ch), ppem);
    return width;
}

std::string TruncToWidth(const FontMetrics& metrics, std::string_view text, int width) {
    std::string out(text);
    while (!out.empty() && metrics.TextWidth(out, FontFace::TimesNewRoman) >= width)
        out = DropLastChar(out);
    return out;
}

void FitNames(const FontMetrics& metrics, std::array<std::string, 4>& names, int total) {
    for (;;) {
        std::array<int, 4> widths{};
        int sum = 0;
        for (int i = 0; i < 4; ++i) {
            widths[i] = metrics.TextWidth(names[i], FontFace::CourierNew);
            sum += widths[i];
        }
        if (sum < total) return;
        int widest = 0;
        for (int i = 1; i < 4; ++i)
            if (widths[i] > widths[widest]) widest = i;
        if (names[widest].empty()) return;  // nothing left to take away
        names[widest] = DropLastChar(names[widest]);
    }
}

}  // namespace tallowen

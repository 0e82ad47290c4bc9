#include "report/FontMetrics.h"

#include <algorithm>
#include <vector>

#include "common/Utf8.h"

namespace tallowen {

namespace {

int CharWidth(const FontWidthTable& table, char32_t cp, int ppem) {
    auto it = std::lower_bound(table.widths.begin(), table.widths.end(), cp,
                               [](const FontWidth& w, char32_t c) { return w.ch < c; });
    if (it == table.widths.end() || it->ch != cp) return ppem;
    return (it->advance * ppem + table.unitsPerEm / 2) / table.unitsPerEm;
}

// Each character's width, measured once. The widths of a text are the sum of its characters'
// (whole-pixel advances), so a text can be cut by a running total instead of being measured
// again after every character taken off.
std::vector<int> CharWidths(const FontMetrics& metrics, const std::vector<std::string_view>& chars,
                            FontFace face) {
    std::vector<int> widths;
    widths.reserve(chars.size());
    for (std::string_view ch : chars) widths.push_back(metrics.TextWidth(ch, face));
    return widths;
}

std::string Joined(const std::vector<std::string_view>& chars, std::size_t count) {
    std::string out;
    for (std::size_t i = 0; i < count; ++i) out += chars[i];
    return out;
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
    for (const Utf8Char& ch : Utf8Chars(utf8)) width += CharWidth(table, ch.code, ppem);
    return width;
}

std::string TruncToWidth(const FontMetrics& metrics, std::string_view text, int width) {
    const auto chars = SplitChars(text);
    const auto widths = CharWidths(metrics, chars, FontFace::TimesNewRoman);
    // The longest start of the text that is narrower than `width`.
    long long total = 0;
    std::size_t keep = 0;
    while (keep < chars.size() && total + widths[keep] < width) total += widths[keep++];
    return Joined(chars, keep);
}

void FitNames(const FontMetrics& metrics, std::array<std::string, 4>& names, int total) {
    std::array<std::vector<std::string_view>, 4> chars;
    std::array<std::vector<int>, 4> widths;
    std::array<long long, 4> nameWidth{};
    std::array<std::size_t, 4> kept{};
    long long sum = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        chars[i] = SplitChars(names[i]);
        widths[i] = CharWidths(metrics, chars[i], FontFace::CourierNew);
        kept[i] = chars[i].size();
        for (int w : widths[i]) nameWidth[i] += w;
        sum += nameWidth[i];
    }
    while (sum >= total) {
        std::size_t widest = 0;
        for (std::size_t i = 1; i < 4; ++i)
            if (nameWidth[i] > nameWidth[widest]) widest = i;
        if (kept[widest] == 0) break;  // nothing left to take away
        const int last = widths[widest][--kept[widest]];
        nameWidth[widest] -= last;
        sum -= last;
    }
    for (std::size_t i = 0; i < 4; ++i)
        if (kept[i] < chars[i].size()) names[i] = Joined(chars[i], kept[i]);
}

}  // namespace tallowen

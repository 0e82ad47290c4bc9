#include "reading/Glyphs.h"

#include <algorithm>
#include <cstdio>

#include "common/Text.h"
#include "common/Utf8.h"
#include "reading/ReadingContext.h"

namespace tallowen {

namespace {

std::string NowText(ReadingContext& ctx) {
    if (!ctx.calendar) return {};
    LocalTime now = ctx.calendar->Now();
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%04d/%02d/%02d %02d:%02d:%02d", now.date.year,
                  now.date.month, now.date.day, now.hour, now.minute, now.second);
    return buffer;
}

// One beep and one report per line built, however many pixels fall outside.
void ReportOutside(ReadingContext& ctx, std::string_view callerName, int y, int graySwitch,
                   std::int64_t index) {
    ctx.sound.Beep();
    if (!ctx.report) return;
    const PixelGrid& g = ctx.GameGrid;
    ctx.report({"Pixel read outside the captured window",
                "GetLineBMP from " + std::string(callerName) + " " + NowText(ctx),
                "Line = " + NumText(y) + ", BM.Length = " + NumText(g.Length),
                "BM = (" + NumText(g.Left) + "," + NumText(g.Top) + ")-(" + NumText(g.Right) + "," +
                    NumText(g.Bottom) + ")",
                "k, UB = " + NumText(index) + ", " + NumText(std::int64_t(ctx.pixels.size()) - 1),
                "GraySwitch = " + NumText(graySwitch)});
}

std::string_view FirstChar(std::string_view name) {
    auto chars = SplitChars(name);
    return chars.empty() ? std::string_view() : chars[0];
}

// Moves past an unreadable run: up to the next column whose (masked) code is 0.
void SkipUnreadable(const LineCodes& line, int& pos, std::uint16_t mask) {
    int from = pos;
    while (pos < line.last && (line.At(pos) & mask) != 0) ++pos;
    if (pos == from && pos < line.last) ++pos;  // always make progress
}

// The slots a line gets for first..last asked.
struct SlotSpan {
    int first, last;
};
SlotSpan SpanOf(int first, int last) {
    first = std::max(0, first);
    return {first, std::max(first, last)};
}

// The band lies wholly inside the capture: no pixel needs a check of its own. Row by row,
// so that each pass is a straight run over one buffer row.
std::uint16_t BuildBandFast(std::uint16_t* __restrict codes, int n,
                            const std::uint16_t* const* rows, int graySwitch) {
    std::fill(codes, codes + n, 0);
    for (int r = 0; r < kLineHeight; ++r) {
        const std::uint16_t* __restrict p = rows[r];
        for (int i = 0; i < n; ++i)
            codes[i] = std::uint16_t((codes[i] << 1) | (IsInk(p[i]) ? 1 : 0));
    }
    std::uint16_t orAll = 0;
    for (int i = 0; i < n; ++i) {
        if (codes[i] == 0 && graySwitch != 0) {
            bool gray = true;
            for (int r = graySwitch; r <= 10 && gray; ++r) gray = IsGray(rows[r][i]);
            if (gray) codes[i] = kSeparatorCode;
        }
        orAll = std::uint16_t(orAll | codes[i]);
    }
    return orAll;
}

// The band reaches outside the capture: every pixel is checked, and the first one missing
// is reported.
std::uint16_t BuildBandChecked(ReadingContext& ctx, std::string_view callerName, int y, int x0,
                               int n, int graySwitch, std::uint16_t* codes) {
    const PixelView view = ctx.Game();
    std::uint16_t orAll = 0;
    bool reported = false;
    for (int i = 0; i < n; ++i) {
        unsigned code = 0;
        bool gray = graySwitch != 0;
        for (int r = 0; r < kLineHeight; ++r) {
            std::uint16_t px = 0;
            const bool inside = view.Get(x0 + i, y + r, px);
            if (!inside && !reported) {
                ReportOutside(ctx, callerName, y, graySwitch, view.IndexOf(x0 + i, y + r));
                reported = true;
            }
            code = (code << 1) | unsigned(inside && IsInk(px));
            if (r >= graySwitch && r <= 10) gray = gray && inside && IsGray(px);
        }
        if (code == 0 && gray) code = kSeparatorCode;
        codes[i] = std::uint16_t(code);
        orAll = std::uint16_t(orAll | code);
    }
    return orAll;
}

// The first slot holds the OR of the columns, the last the separator (when the two are one
// slot, the separator).
void CloseLine(LineCodes& line, std::uint16_t orAll) {
    line.codes.front() = orAll;
    line.codes.back() = kSeparatorCode;
}

}  // namespace

LineCodes LineCodes::Slots(int firstSlot, int lastSlot) {
    const SlotSpan span = SpanOf(firstSlot, lastSlot);
    LineCodes line;
    line.first = span.first;
    line.last = span.last;
    line.codes.assign(std::size_t(span.last - span.first) + 1, 0);
    return line;
}

LineCodes BuildLine(ReadingContext& ctx, std::string_view callerName, int first, int last, int y,
                    int graySwitch) {
    LineCodes line = LineCodes::Slots(first, last);
    if (graySwitch < 1 || graySwitch > 10) graySwitch = 0;
    const PixelView view = ctx.Game();
    const int x0 = line.first + 1, x1 = line.last - 1, n = x1 - x0 + 1;
    std::uint16_t orAll = 0;
    if (n > 0) {
        std::uint16_t* codes = line.codes.data() + 1;
        const std::uint16_t* rows[kLineHeight];
        bool inside = true;
        for (int r = 0; r < kLineHeight && inside; ++r)
            inside = (rows[r] = view.RowSpan(y + r, x0, x1));
        orAll = inside ? BuildBandFast(codes, n, rows, graySwitch)
                       : BuildBandChecked(ctx, callerName, y, x0, n, graySwitch, codes);
    }
    CloseLine(line, orAll);
    return line;
}

LineCodes BuildBoxLine(const ReadingContext& ctx, int first, int last, int y, LineCodes above) {
    const SlotSpan span = SpanOf(first, last);
    // Sliding is only sound over the same capture and the same slots.
    const bool slide = above.boxRow && std::int64_t(*above.boxRow) + 1 == y &&
                       above.capture == ctx.captureCount && above.first == span.first &&
                       above.last == span.last &&
                       above.codes.size() == std::size_t(span.last - span.first) + 1;
    LineCodes line = std::move(above);  // its buffer is reused either way
    if (!slide) {
        line.first = span.first;
        line.last = span.last;
        line.codes.assign(std::size_t(span.last - span.first) + 1, 0);
    }
    const PixelView view = ctx.Screen();
    const int x0 = line.first + 1, x1 = line.last - 1, n = x1 - x0 + 1;
    std::uint16_t orAll = 0;
    if (n > 0) {
        std::uint16_t* codes = line.codes.data() + 1;
        auto addRow = [&](int row) {
            if (const std::uint16_t* p = view.RowSpan(row, x0, x1)) {
                for (int i = 0; i < n; ++i)
                    codes[i] = std::uint16_t((codes[i] << 1) | IsBlack(p[i]));
                return;
            }
            for (int i = 0; i < n; ++i)
                codes[i] = std::uint16_t((codes[i] << 1) | view.Black(x0 + i, row));
        };
        if (slide) {
            for (int i = 0; i < n; ++i) codes[i] &= 0x7FF;
            addRow(y + kLineHeight - 1);
        } else {
            for (int r = 0; r < kLineHeight; ++r) addRow(y + r);
        }
        for (int i = 0; i < n; ++i) orAll |= codes[i];
    }
    CloseLine(line, orAll);
    line.boxRow = y;
    line.capture = ctx.captureCount;
    return line;
}

namespace {

// Masked match among the templates of allowed list `listNo` (0 label letters, 1 digits).
void MatchGlyphMasked(const GlyphTable& table, const LineCodes& line, std::string& name,
                      std::uint16_t key, int& pos, int listNo) {
    const std::uint16_t mask = table.Mask();
    if (pos < line.last && key >= 1 && (listNo == 0 || listNo == 1)) {
        for (int t : table.allowed[std::size_t(listNo)]) {
            if (t <= 0 || t >= int(table.templates.size())) break;
            const GlyphTemplate& g = table.templates[std::size_t(t)];
            if (g.columns[1] == 0 || (g.columns[1] & mask) != (key & mask)) continue;
            bool same = true;
            for (int k = 2; k <= g.width && same; ++k) {
                int p = pos + k - 1;
                same = p <= line.last && (line.At(p) & mask) == (g.columns[std::size_t(k)] & mask);
            }
            if (same) {
                name = g.name;
                pos += g.width;
                return;
            }
        }
    }
    name = "?";
    SkipUnreadable(line, pos, mask);
}

}  // namespace

void MatchGlyphAt(const GlyphTable& table, const LineCodes& line, std::string& name,
                  std::uint16_t key, int& pos) {
    if (pos < line.last && key >= 1 && key < kGlyphIndexSize) {
        int guard = int(table.templates.size());
        for (int t = table.index[key]; t != 0 && t < int(table.templates.size()) && guard-- > 0;
             t = table.templates[std::size_t(t)].chain) {
            const GlyphTemplate& g = table.templates[std::size_t(t)];
            bool same = true;
            for (int k = 2; k <= g.width && same; ++k) {
                int p = pos + k - 1;
                same = p <= line.last && line.At(p) == g.columns[std::size_t(k)];
            }
            if (same) {
                name = g.name;
                pos += g.width;
                return;
            }
        }
    }
    name = "?";
    SkipUnreadable(line, pos, 0xFFFF);
}

std::string ReadWord(const GlyphTable& table, const LineCodes& line, int& pos) {
    std::string text;
    if (pos < line.first) {
        pos = 0;
        return text;
    }
    if (pos == line.first) ++pos;  // the first slot holds the line's OR, not a column
    std::string name;
    while (pos < line.last) {
        std::uint16_t code = line.At(pos);
        if (code == 0) {
            ++pos;
        } else if (code == kSeparatorCode) {
            ++pos;
            break;
        } else {
            MatchGlyphAt(table, line, name, code, pos);
            text += name;
        }
    }
    return text;
}

int FindText(const GlyphTable& table, const LineCodes& line, int start, std::string_view text) {
    int pos = std::max(start, line.first + 1);
    std::size_t matched = 0;
    std::string name;
    while (!text.empty() && pos < line.last) {
        std::uint16_t code = line.At(pos);
        if (code == 0) {
            ++pos;
            continue;
        }
        MatchGlyphAt(table, line, name, code, pos);
        if (text.substr(matched, name.size()) == name) {
            matched += name.size();
            if (matched == text.size()) return pos;
        } else {
            matched = 0;
        }
    }
    return 0;
}

namespace {

bool EndsNumber(std::string_view c) {
    return c.size() == 1 &&
           ((c[0] == '0') || (c[0] >= '2' && c[0] <= '9') || (c[0] >= 'A' && c[0] <= 'Z'));
}

// Looks for the label's characters in a row; `col` ends just after it. pos = its first column.
bool FindLabel(const GlyphTable& table, const LineCodes& line, std::string_view label, int& col,
               int& pos) {
    const std::uint16_t mask = table.Mask();
    const auto labelChars = SplitChars(label);
    std::size_t k = 0;
    std::string c;
    pos = 0;
    while (!labelChars.empty() && col < line.last) {
        std::uint16_t code = line.At(col);
        if ((code & mask) == 0) {
            ++col;
            continue;
        }
        int start = col;
        MatchGlyphMasked(table, line, c, code, col, 0);
        ++k;
        if (k <= labelChars.size() && FirstChar(c) == labelChars[k - 1]) {
            if (pos == 0) pos = start;
            if (k == labelChars.size()) return true;
        } else {
            k = 0;
            pos = 0;
        }
    }
    pos = 0;
    return false;
}

// The number from `col` on: one digit, or a 1 and a second digit starting within ten columns.
std::string ReadNumber(const GlyphTable& table, const LineCodes& line, int col) {
    const std::uint16_t mask = table.Mask();
    std::string number, c;
    int limit = line.last;
    while (col < limit) {
        std::uint16_t code = line.At(col);
        if ((code & mask) == 0) {
            ++col;
            continue;
        }
        MatchGlyphMasked(table, line, c, code, col, 1);
        std::string_view ch = FirstChar(c);
        if (ch == "?") break;
        if (EndsNumber(ch)) return number + std::string(ch);
        if (ch == "1") {
            if (number == "1") return "11";
            number = "1";
            limit = std::min(col + 10, line.last);
        }
    }
    return number;
}

}  // namespace

void FindLabelAndNumber(const GlyphTable& table, const LineCodes& line, int& pos, std::string& text,
                        std::string_view label) {
    if (!table.ready || table.currentSet < 0 || table.currentSet >= kGlyphSetCount) return;
    int col = line.first + 1;
    if (!FindLabel(table, line, label, col, pos)) return;
    text = std::string(label) + ReadNumber(table, line, col);
}

}  // namespace tallowen

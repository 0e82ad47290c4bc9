#include "reading/PixelGrid.h"

#include <algorithm>
#include <cstdlib>

namespace tallowen {

namespace {
// The scanners only ever look inside the capture, so a wild rectangle costs nothing.
struct Span {
    int from = 0, to = -1;  // inclusive
};
Span Clip(std::int64_t from, std::int64_t to, int lo, int hi) {
    Span s;
    s.from = int(std::max<std::int64_t>(from, lo));
    s.to = int(std::min<std::int64_t>(to, hi));
    return s;
}
bool Inside(std::int64_t from, std::int64_t to, int lo, int hi) {
    return from >= lo && to <= hi;
}
}  // namespace

bool IsNearReference(std::uint16_t p, const RefColour& reference) {
    return std::abs(RedLevel(p) - reference.red) <= 1 &&
           std::abs(GreenLevel(p) - reference.green) <= 1 &&
           std::abs(BlueLevel(p) - reference.blue) <= 1;
}

const std::uint16_t* PixelView::RowSpan(int y, int x0, int x1) const {
    if (x1 < x0 || !Has(x0, y) || !Has(x1, y)) return nullptr;
    return pixels_.data() + IndexOf(x0, y);
}

int FindGrayRow(const PixelView& view, Rect rect) {
    const PixelGrid& g = view.Grid();
    if (g.Lines <= 0 || rect.right < rect.left ||
        !Inside(rect.left, rect.right, g.Left, g.Right - 1))
        return -1;
    Span rows = Clip(rect.top, rect.bottom, g.Top, g.Bottom - 1);
    for (int y = rows.from; y <= rows.to; ++y) {
        const std::uint16_t* p = view.RowSpan(y, rect.left, rect.right);
        if (p && std::all_of(p, p + (rect.right - rect.left + 1), IsGray)) return y;
    }
    return -1;
}

int FindBlackRow(const PixelView& view, Rect rect) {
    const PixelGrid& g = view.Grid();
    if (g.Lines <= 0) return -1;
    Span cols = Clip(rect.left, rect.right, g.Left, g.Right - 1);
    Span rows = Clip(rect.top, std::int64_t(rect.bottom) - 1, g.Top, g.Bottom - 1);
    if (cols.to < cols.from) return -1;
    for (int y = rows.from; y <= rows.to; ++y) {
        const std::uint16_t* p = view.RowSpan(y, cols.from, cols.to);
        if (p && std::any_of(p, p + (cols.to - cols.from + 1), IsBlack)) return y;
    }
    return -1;
}

int FindSolidBlackRow(const PixelView& view, Rect rect) {
    const PixelGrid& g = view.Grid();
    std::int64_t last = std::int64_t(rect.right) - 1;
    if (g.Lines <= 0 || last < rect.left || !Inside(rect.left, last, g.Left, g.Right - 1))
        return -1;
    Span rows = Clip(rect.top, std::int64_t(g.WindowHeight) - 1, g.Top, g.Bottom - 1);
    for (int y = rows.from; y <= rows.to; ++y) {
        const std::uint16_t* p = view.RowSpan(y, rect.left, int(last));
        if (p && std::all_of(p, p + (last - rect.left + 1), IsBlack)) return y;
    }
    return -1;
}

int FindSolidBlackColumn(const PixelView& view, Rect rect) {
    const PixelGrid& g = view.Grid();
    if (g.Lines <= 0 || rect.bottom <= rect.top) return -1;
    // Rows past the capture's last one would come before the start of the buffer.
    if (rect.bottom - 1 >= g.Bottom) return kColumnPastCapture;
    if (rect.top < g.Top) return -1;
    Span cols = Clip(rect.left, rect.right, g.Left, g.Right - 1);
    for (int x = cols.from; x <= cols.to; ++x) {
        bool all = true;
        for (int y = rect.top; y < rect.bottom && all; ++y) all = view.Black(x, y);
        if (all) return x;
    }
    return -1;
}

int FindWhiteRow(const PixelView& view, Rect rect) {
    const PixelGrid& g = view.Grid();
    if (g.Lines <= 0 || rect.right < rect.left ||
        !Inside(rect.left, rect.right, g.Left, g.Right - 1))
        return -1;
    Span rows = Clip(rect.top, std::int64_t(rect.bottom) - 1, g.Top, g.Bottom - 1);
    for (int y = rows.from; y <= rows.to; ++y) {
        const std::uint16_t* p = view.RowSpan(y, rect.left, rect.right);
        if (p && std::all_of(p, p + (rect.right - rect.left + 1), IsWhite)) return y;
    }
    return -1;
}

int FindWhiteInRow(const PixelView& view, int y, Rect rect) {
    const PixelGrid& g = view.Grid();
    Span cols = Clip(rect.left, rect.right, g.Left, g.Right - 1);
    for (int x = cols.from; x <= cols.to; ++x)
        if (view.White(x, y)) return x;
    return -1;
}

int FindGrayAfterWhite(const PixelView& view, int y, Rect rect) {
    int x0 = FindWhiteInRow(view, y, rect);
    if (x0 < 0) return -1;
    const PixelGrid& g = view.Grid();
    Span cols = Clip(x0, rect.right, g.Left, g.Right - 1);
    for (int x = cols.from; x <= cols.to; ++x)
        if (view.Gray(x, y)) return x;
    return -1;
}

}  // namespace tallowen

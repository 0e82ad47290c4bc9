#include "reading/TricksCount.h"

#include "common/Text.h"
#include "reading/Capture.h"
#include "reading/Glyphs.h"
#include "reading/ReaderGeometry.h"
#include "reading/ReadingContext.h"

namespace tallowen {

namespace {

namespace geo = table_window;

constexpr int kSearchTries = 7;
constexpr int kLookupAfter = 5;
constexpr RefColour kFrameColour{5, 0, 0};

// The frame's lower left corner: pixels along the bottom edge and up the left one.
bool IsCorner(const PixelView& view, const RefColour& ref, int x, int y) {
    auto near = [&](int px, int py) {
        std::uint16_t p = 0;
        return view.Get(px, py, p) && IsNearReference(p, ref);
    };
    for (int i = 0; i < geo::kCornerRun; ++i)
        if (!near(x + i, y)) return false;
    for (int i = 1; i <= geo::kCornerRise; ++i)
        if (!near(x, y - i)) return false;
    return true;
}

bool SearchCorner(ReadingContext& ctx, Point& corner) {
    constexpr Rect area = geo::kBoxSearchArea;
    if (CaptureTableWindowRect(ctx, area) <= 0) return false;
    ctx.reference = kFrameColour;
    const PixelView view = ctx.Screen();
    for (int y = area.bottom - geo::kCornerMargin; y >= area.top; --y)
        for (int x = area.left; x <= area.right - geo::kCornerMargin; ++x)
            if (IsCorner(view, ctx.reference, x, y)) {
                corner = {x, y};
                return true;
            }
    return false;
}

void SetBox(InfoBoxState& state, Point topLeft) {
    state.box = {topLeft.x, topLeft.y, topLeft.x + kInfoBoxWidth, topLeft.y + kInfoBoxHeight};
    state.centre = {(state.box.left + state.box.right) / 2, (state.box.top + state.box.bottom) / 2};
    state.located = true;
}

// The count after the label on a box line; -1 when the label is not there, 0 when it shows
// no number other than 0.
int CountOnLine(const GlyphTable& glyphs, const LineCodes& line, std::string_view label) {
    if (line.Ink() == 0) return -1;
    int pos = 0;
    std::string text;
    FindLabelAndNumber(glyphs, line, pos, text, label);
    if (pos == 0) return -1;
    std::size_t colon = text.rfind(':');
    std::string number =
        colon == std::string::npos ? text.substr(label.size()) : text.substr(colon + 1);
    return int(LeadingNumber(number));
}

// The box row y from the box's own copy.
LineCodes BoxLine(const ReadingContext& ctx, const InfoBoxState& state, int y,
                  LineCodes above = {}) {
    return BuildBoxLine(ctx, state.box.left, state.box.right, y, std::move(above));
}

void Report(const InfoBoxState& state, int y, int n, int& we, int& they) {
    if (y >= state.box.top + geo::kTheirRowsInside && y <= state.box.bottom - geo::kTheirRowsInside)
        they = n;
    else
        we = n;
}

// Rows that showed a count last time are tried first; true when both still do.
bool ReadRememberedRows(ReadingContext& ctx, InfoBoxState& state, std::string_view label, int& we,
                        int& they) {
    int reported = 0;
    for (int& row : state.remembered) {
        if (row < 0) continue;
        int n = CountOnLine(ctx.glyphs, BoxLine(ctx, state, row), label);
        if (n < 0) {
            row = -1;
        } else if (n != 0) {
            Report(state, row, n, we, they);
            ++reported;
        }
    }
    return reported == 2;
}

void ScanBox(ReadingContext& ctx, InfoBoxState& state, std::string_view label, int& we, int& they) {
    state.remembered = {-1, -1};
    int found = 0;
    LineCodes line;  // each row's band slides on from the one above
    for (int y = state.box.top; y <= state.box.bottom - kLineHeight && found < 2; ++y) {
        line = BoxLine(ctx, state, y, std::move(line));
        int n = CountOnLine(ctx.glyphs, line, label);
        if (n <= 0) continue;
        Report(state, y, n, we, they);
        state.remembered[std::size_t(found++)] = y;
        if (y > state.box.bottom - geo::kLastScanRowAbove) break;
    }
}

}  // namespace

bool LocateInfoBox(ReadingContext& ctx, InfoBoxState& state) {
    const WindowHandle table = ctx.windows.table;
    ctx.desktop.Restore(table);
    const int width = ctx.desktop.WindowRect(table).Width();
    if (auto it = state.cache.find(width); it != state.cache.end()) {
        SetBox(state, it->second);
        if (state.status) state.status(true);
        return true;
    }
    state.located = false;
    state.remembered = {-1, -1};
    for (int attempt = 1; attempt <= kSearchTries; ++attempt) {
        if (attempt > 1) Wait(ctx, 0.1);
        Point corner;
        if (SearchCorner(ctx, corner)) {
            Point topLeft{corner.x + geo::kBoxInsideFrame,
                          corner.y - geo::kBoxInsideFrame - kInfoBoxHeight};
            state.cache[width] = topLeft;
            SetBox(state, topLeft);
            break;
        }
        if (attempt == kLookupAfter && state.lookupWindows) state.lookupWindows();
    }
    if (state.status) state.status(state.located);
    return state.located;
}

void CaptureTotalTricks(ReadingContext& ctx, InfoBoxState& state, int& weTricks, int& theyTricks) {
    const std::string_view label = TitleTable::TricksLabel(ctx.Language());
    const bool located = state.located || LocateInfoBox(ctx, state);
    // The box was found in the table window's coordinates: copy it from there too.
    if (located && !label.empty() && CaptureTableWindowRect(ctx, state.box) > 0) {
        if (!ReadRememberedRows(ctx, state, label, weTricks, theyTricks))
            ScanBox(ctx, state, label, weTricks, theyTricks);
    }
    // Whatever was read, the table must not stay in front of every other window.
    ctx.pixels.clear();
    ctx.ScreenGrid.Lines = 0;
    ctx.desktop.SetTopmost(ctx.windows.table, false);
}

}  // namespace tallowen

#include "reading/Buttons.h"

#include <algorithm>

#include "reading/Capture.h"
#include "reading/Glyphs.h"
#include "reading/ReaderGeometry.h"
#include "reading/ReadingContext.h"
#include "reading/TricksCount.h"

namespace tallowen {

namespace {

constexpr int kButtonKinds = 4;

bool Known(const Point& p) {
    return !(p.x == 0 && p.y == 0);
}

int UnknownCount(const ButtonState& buttons) {
    int n = 0;
    for (int b = 1; b <= kButtonKinds; ++b) n += Known(buttons.position[std::size_t(b)]) ? 0 : 1;
    return n;
}

// How far the table window has moved since the button positions were found.
Point TableShift(ReadingContext& ctx, const ButtonState& buttons) {
    const Rect w = ctx.desktop.WindowRect(ctx.windows.table);
    return {w.left - buttons.tableAtScan.x, w.top - buttons.tableAtScan.y};
}

}  // namespace

void PrepareReading(ReadingContext& ctx, InfoBoxState& box) {
    ctx.glyphs.currentSet = 1;
    ctx.glyphs.ready = true;
    PrepareGlyphSet(ctx.glyphs, 1, ctx.Language());
    if (ctx.windows.table != 0 && !box.located) LocateInfoBox(ctx, box);
}

void ScanButtons(ReadingContext& ctx, ButtonState& buttons) {
    const WindowHandle table = ctx.windows.table;
    ctx.desktop.SetTopmost(table, true);
    ctx.desktop.Restore(table);
    if (UnknownCount(buttons) == 0) return;
    const Rect w = ctx.desktop.WindowRect(table);
    namespace geo = table_window;
    const Rect area{std::max(0, w.left), w.top + geo::kButtonsBelowTop, w.left + geo::kButtonsWidth,
                    w.bottom};
    if (CaptureDesktopRect(ctx, area) <= 0) return;
    // Positions found earlier are kept where the table stands now, so that all of them share
    // one reference point.
    const Point shift = TableShift(ctx, buttons);
    for (int b = 1; b <= kButtonKinds; ++b) {
        Point& at = buttons.position[std::size_t(b)];
        if (Known(at)) at = {at.x + shift.x, at.y + shift.y};
    }
    buttons.tableAtScan = {w.left, w.top};
    ctx.glyphs.currentSet = 1;
    ctx.glyphs.ready = true;
    LineCodes line;  // each row's band slides on from the one above
    for (int y = area.top; y < area.bottom - geo::kButtonsAboveBottom && UnknownCount(buttons) > 0;
         ++y) {
        line = BuildBoxLine(ctx, area.left, area.right, y, std::move(line));
        if (line.Ink() == 0) continue;
        for (int b = 1; b <= kButtonKinds; ++b) {
            Point& at = buttons.position[std::size_t(b)];
            if (Known(at)) continue;
            const int pos = FindText(ctx.glyphs, line, line.first + 1,
                                     TitleTable::ButtonKeyword(b, ctx.Language()));
            if (pos != 0) at = {pos, y};
        }
    }
}

void ClickGameButton(ReadingContext& ctx, ButtonState& buttons, int kind) {
    buttons.clickCount = 0;
    ScanButtons(ctx, buttons);
    const Point saved = ctx.desktop.Cursor();
    const Point shift = TableShift(ctx, buttons);
    const int first = kind == kAllButtons ? 1 : kind;
    const int last = kind == kAllButtons ? kButtonKinds : kind;
    for (int b = first; b <= last; ++b) {
        if (b < 1 || b > kButtonKinds) continue;
        if (b != first) ctx.clock.DoEvents();
        const Point at = buttons.position[std::size_t(b)];
        if (!Known(at)) continue;
        SendLeftClick(ctx, at.x + shift.x - table_window::kClickLeftOfEnd,
                      at.y + shift.y + table_window::kClickBelowBand);
        ++buttons.clickCount;
    }
    ctx.desktop.SetCursor(saved);
}

void SendLeftClick(ReadingContext& ctx, int x, int y) {
    ctx.desktop.SetCursor(Point{x, y});
    ctx.clock.DoEvents();
    ctx.desktop.LeftClick();
    ctx.clock.DoEvents();
}

void WarningSound(ReadingContext& ctx) {
    if (ctx.windows.platform == 1)
        ctx.sound.Beep();
    else
        ctx.sound.PlayAlias("SystemExclamation");
}

}  // namespace tallowen

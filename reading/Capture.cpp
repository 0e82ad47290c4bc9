#include "reading/Capture.h"

#include <cmath>
#include <cstdlib>

#include "reading/ReadingContext.h"

namespace tallowen {

void Wait(ReadingContext& ctx, double seconds) {
    if (!(seconds > 0)) return;
    double ms = std::round(seconds * 1000.0);
    ctx.clock.Wait(ms > 4e9 ? 4000000000u : static_cast<std::uint32_t>(ms));
}

int CaptureWindowRect(ReadingContext& ctx, WindowHandle window, PixelGrid& grid, Rect rect,
                      bool clientArea) {
    grid.Lines = 0;
    ++ctx.captureCount;
    Wait(ctx, 0.1);
    Rect whole = clientArea ? ctx.desktop.ClientRect(window) : ctx.desktop.WindowRect(window);
    const std::int64_t width = std::int64_t(whole.right) - whole.left;
    const std::int64_t height = std::int64_t(whole.bottom) - whole.top;
    // A minimised or vanished window: nothing to copy, and the buffer stays as it was.
    if (width <= 0 || height <= 0) return 0;
    if (rect.right == 0) rect.right = std::int32_t(width);
    if (rect.bottom == 0) rect.bottom = std::int32_t(height);
    if (rect.left > 1000) return 0;
    const std::int64_t w = std::int64_t(rect.right) - rect.left;
    const std::int64_t h = std::int64_t(rect.bottom) - rect.top;
    // An inverted or absurd rectangle copies nothing rather than sizing the buffer wildly.
    if (w <= 0 || h <= 0 || w > 65536 || h > 65536 || w * h > (std::int64_t(1) << 28)) return 0;
    grid.WindowWidth = std::int32_t(width);
    grid.WindowHeight = std::int32_t(height);
    grid.Left = rect.left;
    grid.Top = rect.top;
    grid.Right = rect.right;
    grid.Bottom = rect.bottom;
    grid.Length = std::int32_t(w + (w & 1));
    ctx.pixels.resize(std::size_t(grid.Length) * std::size_t(h));
    // Give the window time to settle after being brought forward; the renderer of set 0
    // draws at once, the others later.
    Wait(ctx, ctx.glyphs.currentSet != 0 ? 0.5 : 0.1);
    int lines = ctx.desktop.CopyPixels(window, rect, clientArea, ctx.pixels);
    grid.Lines = lines < 0 ? 0 : (lines > h ? std::int32_t(h) : lines);
    return grid.Lines;
}

int CaptureDesktopRect(ReadingContext& ctx, Rect rect) {
    return CaptureWindowRect(ctx, ctx.desktop.DesktopWindow(), ctx.ScreenGrid, rect, false);
}

int CaptureTableClientRect(ReadingContext& ctx, Rect rect) {
    return CaptureWindowRect(ctx, ctx.windows.table, ctx.ScreenGrid, rect, true);
}

int CaptureTableWindowRect(ReadingContext& ctx, Rect rect) {
    return CaptureWindowRect(ctx, ctx.windows.table, ctx.ScreenGrid, rect, false);
}

void GrowGameWindow(ReadingContext& ctx, WindowKind kind, int pixels) {
    WindowHandle window = ctx.windows.Handle(kind);
    Rect r = ctx.desktop.WindowRect(window);
    r.bottom += pixels;
    ctx.desktop.MoveWindow(window, r);
    ctx.windows.rect[int(kind)] = r;
}

Rect HoldOnScreen(Rect r, Rect desktop) {
    const int width = r.Width(), height = r.Height();
    auto moveTo = [&](int x, int y) { r = {x, y, x + width, y + height}; };
    if (r.left < 0) moveTo(0, r.top);
    if (r.top < -5) moveTo(r.left, -5);
    // Five pixels of the right edge may stay off screen.
    if (r.left + width - 5 > desktop.right)
        moveTo(r.left - (r.left - desktop.right + width - 5), r.top);
    if (r.top + height > desktop.bottom) moveTo(r.left, r.top - (r.top + height - desktop.bottom));
    return r;
}

namespace {

WindowHandle HandleOf(const ReadingContext& ctx, WindowKind kind) {
    if (kind == WindowKind::Table && ctx.windows.handle[0] == 0) return ctx.windows.table;
    return ctx.windows.Handle(kind);
}

void BringOnScreen(ReadingContext& ctx, WindowKind kind) {
    GameWindows& gw = ctx.windows;
    const std::size_t k = std::size_t(kind);
    WindowHandle window = HandleOf(ctx, kind);
    ctx.desktop.SetTopmost(window, true);
    ctx.desktop.Restore(window);
    Rect r = ctx.desktop.WindowRect(window);
    gw.rect[k] = r;
    // The client opens its windows at the screen's corner; put them where the user had them.
    // A window that is not there (no handle yet, or gone) has no rectangle and is not placed,
    // so that it still is when the re-open brings it.
    const Rect& saved = gw.saved[k];
    const bool exists = r.Width() > 0 && r.Height() > 0;
    if (exists && !gw.placed[k] && std::abs(r.left) + std::abs(r.top) <= 10 &&
        std::abs(saved.left) + std::abs(saved.top) != 0) {
        r = {saved.left, saved.top, saved.left + r.Width(), saved.top + r.Height()};
        ctx.desktop.MoveWindow(window, r);
        gw.placed[k] = true;
    }
    Rect held = HoldOnScreen(r, ctx.desktop.DesktopRect());
    if (!(held == r)) ctx.desktop.MoveWindow(window, held);
    gw.rect[k] = held;
}

}  // namespace

int CaptureGameWindow(ReadingContext& ctx, WindowKind kind) {
    if (int(kind) < 0 || int(kind) >= kWindowKindCount) {
        ctx.GameGrid.Lines = 0;
        return 0;
    }
    BringOnScreen(ctx, kind);
    if (CaptureWindowRect(ctx, HandleOf(ctx, kind), ctx.GameGrid, Rect{}, true) > 0)
        return ctx.GameGrid.Lines;
    if (ctx.reopenWindow) ctx.reopenWindow(int(kind));
    BringOnScreen(ctx, kind);
    return CaptureWindowRect(ctx, HandleOf(ctx, kind), ctx.GameGrid, Rect{}, true);
}

}  // namespace tallowen

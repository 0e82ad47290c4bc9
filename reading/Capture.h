// Copying game windows into the shared pixel buffer, and keeping them on the screen first.
#pragma once

#include "platform/Desktop.h"
#include "reading/GameWindows.h"
#include "reading/PixelGrid.h"

namespace tallowen {

struct ReadingContext;

// Waits `seconds` (rounded to whole milliseconds) while window events go on.
void Wait(ReadingContext& ctx, double seconds);

// Copies `rect` of `window` into the buffer and describes it in `grid` (ctx.GameGrid or
// ctx.ScreenGrid). A right or bottom of 0 means the window's edge; an all-zero rect copies
// the whole window. Returns the rows copied (0 = failed; the grid then has Lines 0).
int CaptureWindowRect(ReadingContext& ctx, WindowHandle window, PixelGrid& grid, Rect rect,
                      bool clientArea);
int CaptureDesktopRect(ReadingContext& ctx, Rect rect);
int CaptureTableClientRect(ReadingContext& ctx, Rect rect);
int CaptureTableWindowRect(ReadingContext& ctx, Rect rect);

// Brings the game window of `kind` on the screen and copies its client area into GameGrid;
// when nothing could be copied, has it re-opened once and tries again. A kind outside the
// game client's windows copies nothing (0).
int CaptureGameWindow(ReadingContext& ctx, WindowKind kind);

// Makes the game window of `kind` taller by `pixels` where it stands, so that it shows more
// lines, and keeps the new rectangle in the window table.
void GrowGameWindow(ReadingContext& ctx, WindowKind kind, int pixels);

// Moves a window back onto the desktop: returns where it should go.
Rect HoldOnScreen(Rect window, Rect desktop);

}  // namespace tallowen

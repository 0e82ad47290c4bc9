// Drawing with GDI: a Canvas over any device context, the off-screen sheets, and the back
// buffer each of the program's windows draws into and paints from.
//
// Conventions the drawing code relies on: rectangles hold their left and top edges, not their
// right and bottom ones (as FillRect); a line leaves out its end point (as LineTo); a frame of
// width n is the n outermost pixel rings inside its rectangle.
#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "platform/Canvas.h"
#include "win32/GdiFonts.h"
#include "win32/ScopedWin.h"

namespace tallowen::win32 {

class GdiSheets;

class GdiCanvas final : public Canvas {
public:
    // Draws on `dc` (not owned; null draws nothing) of the given inner size; blits come from
    // `sheets` (may be null).
    GdiCanvas(HDC dc, Rect extent, GdiFonts& fonts, const GdiSheets* sheets);
    void Retarget(HDC dc, Rect extent);
    HDC DC() const { return dc_; }

    void Fill(Rect area, std::uint32_t colour) override;
    void SetPixel(Point at, std::uint32_t colour) override;
    void Line(Point from, Point to, std::uint32_t colour, int width) override;
    void Frame(Rect area, std::uint32_t colour, int width) override;
    int Text(Point at, std::string_view text, const FontSpec& font, std::uint32_t colour) override;
    int TextWidth(std::string_view text, const FontSpec& font) override;
    int TextHeight(const FontSpec& font) override;
    void Blit(std::string_view sheet, Rect from, Point to) override;
    Rect Extent() override { return extent_; }

private:
    HDC dc_;
    Rect extent_;
    GdiFonts& fonts_;
    const GdiSheets* sheets_;
};

// A bitmap in memory (32 bits a pixel, so colours stay exact whatever the screen's depth),
// selected into a device context of its own. Starts white.
class Surface {
public:
    Surface(int width, int height);
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;
    explicit operator bool() const { return bool(bitmap_); }
    HDC DC() const { return dc_.Get(); }
    int Width() const { return width_; }
    int Height() const { return height_; }

private:
    // Declared in the order they are made: the selection goes first, then the bitmap, then
    // the device context.
    ScopedMemoryDC dc_;
    ScopedBitmap bitmap_;
    ScopedSelect selected_;
    int width_ = 0, height_ = 0;
};

class GdiSheets final : public Sheets {
public:
    explicit GdiSheets(GdiFonts& fonts) : fonts_(fonts) {}
    Canvas& Sheet(std::string_view name, int width, int height) override;
    // The device context of a sheet made before, or null.
    HDC SheetDC(std::string_view name) const;

private:
    struct Entry {
        std::unique_ptr<Surface> surface;
        std::unique_ptr<GdiCanvas> canvas;
    };
    GdiFonts& fonts_;
    std::map<std::string, Entry, std::less<>> sheets_;
};

// A window's picture in memory, the size of its client area: drawing goes here, and WM_PAINT
// copies it to the screen, so that a covered or minimised window never loses what it showed.
class BackBuffer {
public:
    BackBuffer(GdiFonts& fonts, const GdiSheets* sheets);
    // Makes the buffer width x height, keeping the picture at its top left and filling new
    // parts white. A zero size (a minimised window) keeps the buffer as it is. False when no
    // bitmap of that size could be made (the old one then stays).
    bool Resize(int width, int height);
    // Resize to the window's client area.
    bool FitTo(HWND window);
    Canvas& Draw() { return canvas_; }
    HDC DC() const { return surface_ ? surface_->DC() : nullptr; }
    int Width() const { return surface_ ? surface_->Width() : 0; }
    int Height() const { return surface_ ? surface_->Height() : 0; }
    // Copies the picture to `target`, all of it or only `area` (client coordinates).
    void Present(HDC target) const;
    void Present(HDC target, const RECT& area) const;

private:
    std::unique_ptr<Surface> surface_;
    GdiCanvas canvas_;
};

}  // namespace tallowen::win32

#include "win32/GdiCanvas.h"

#include <algorithm>

namespace tallowen::win32 {
namespace {

COLORREF Colour(std::uint32_t value) {
    return COLORREF(value & 0xFFFFFF);
}

RECT ToRECT(Rect r) {
    return {r.left, r.top, r.right, r.bottom};
}

// Text is measured on the canvas's own device context, or on the screen's when it has none.
class MeasuringDC {
public:
    explicit MeasuringDC(HDC dc) : dc_(dc) {
        if (!dc_) {
            screen_ = ScopedDC::Screen();
            dc_ = screen_.Get();
        }
    }
    HDC Get() const { return dc_; }

private:
    ScopedDC screen_;
    HDC dc_;
};

}  // namespace

GdiCanvas::GdiCanvas(HDC dc, Rect extent, GdiFonts& fonts, const GdiSheets* sheets)
    : dc_(dc), extent_(extent), fonts_(fonts), sheets_(sheets) {}

void GdiCanvas::Retarget(HDC dc, Rect extent) {
    dc_ = dc;
    extent_ = extent;
}

void GdiCanvas::Fill(Rect area, std::uint32_t colour) {
    if (!dc_ || area.Width() <= 0 || area.Height() <= 0) return;
    ScopedBrush brush(CreateSolidBrush(Colour(colour)));
    RECT r = ToRECT(area);
    if (brush) FillRect(dc_, &r, brush.Get());
}

void GdiCanvas::SetPixel(Point at, std::uint32_t colour) {
    if (dc_) ::SetPixelV(dc_, at.x, at.y, Colour(colour));
}

void GdiCanvas::Line(Point from, Point to, std::uint32_t colour, int width) {
    if (!dc_) return;
    ScopedPen pen(CreatePen(PS_SOLID, std::clamp(width, 1, 1000), Colour(colour)));
    if (!pen) return;
    ScopedSelect selected(dc_, pen.Get());
    MoveToEx(dc_, from.x, from.y, nullptr);
    LineTo(dc_, to.x, to.y);
}

void GdiCanvas::Frame(Rect area, std::uint32_t colour, int width) {
    const int w = area.Width(), h = area.Height();
    if (w <= 0 || h <= 0) return;
    const int n = std::clamp(width, 1, std::min(w, h));
    Fill({area.left, area.top, area.right, area.top + n}, colour);
    Fill({area.left, area.bottom - n, area.right, area.bottom}, colour);
    Fill({area.left, area.top + n, area.left + n, area.bottom - n}, colour);
    Fill({area.right - n, area.top + n, area.right, area.bottom - n}, colour);
}

int GdiCanvas::Text(Point at, std::string_view text, const FontSpec& font, std::uint32_t colour) {
    HFONT handle = fonts_.Get(font);
    if (!dc_ || !handle || text.empty()) return 0;
    const GdiText prepared = fonts_.Prepare(dc_, font, text);
    const int oldMode = SetBkMode(dc_, TRANSPARENT);
    const COLORREF oldColour = SetTextColor(dc_, Colour(colour));
    const UINT oldAlign = SetTextAlign(dc_, TA_LEFT | TA_TOP | TA_NOUPDATECP);
    DrawGdiText(dc_, handle, at.x, at.y, prepared);
    SetTextAlign(dc_, oldAlign);
    SetTextColor(dc_, oldColour);
    SetBkMode(dc_, oldMode);
    return win32::Extent(dc_, handle, prepared).cx;
}

int GdiCanvas::TextWidth(std::string_view text, const FontSpec& font) {
    MeasuringDC dc(dc_);
    return win32::Extent(dc.Get(), fonts_.Get(font), fonts_.Prepare(dc.Get(), font, text)).cx;
}

int GdiCanvas::TextHeight(const FontSpec& font) {
    HFONT handle = fonts_.Get(font);
    MeasuringDC dc(dc_);
    if (!dc.Get() || !handle) return 0;
    ScopedSelect selected(dc.Get(), handle);
    TEXTMETRICW metrics{};
    return GetTextMetricsW(dc.Get(), &metrics) ? int(metrics.tmHeight) : 0;
}

void GdiCanvas::Blit(std::string_view sheet, Rect from, Point to) {
    HDC source = sheets_ ? sheets_->SheetDC(sheet) : nullptr;
    if (!dc_ || !source || from.Width() <= 0 || from.Height() <= 0) return;
    BitBlt(dc_, to.x, to.y, from.Width(), from.Height(), source, from.left, from.top, SRCCOPY);
}

Surface::Surface(int width, int height) : dc_(CreateCompatibleDC(nullptr)) {
    if (!dc_ || width <= 0 || height <= 0) return;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down, like the window it stands for
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_.Reset(CreateDIBSection(dc_.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap_) return;
    selected_ = ScopedSelect(dc_.Get(), bitmap_.Get());
    width_ = width;
    height_ = height;
    RECT all{0, 0, width, height};
    FillRect(dc_.Get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
}

}  // namespace tallowen::win32

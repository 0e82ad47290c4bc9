#include "win32/GdiCanvas.h"

namespace tallowen::win32 {

BackBuffer::BackBuffer(GdiFonts& fonts, const GdiSheets* sheets)
    : canvas_(nullptr, {}, fonts, sheets) {}

bool BackBuffer::Resize(int width, int height) {
    if (width <= 0 || height <= 0) return true;
    if (surface_ && width == surface_->Width() && height == surface_->Height()) return true;
    auto fresh = std::make_unique<Surface>(width, height);
    if (!*fresh) return false;
    if (surface_)
        BitBlt(fresh->DC(), 0, 0, surface_->Width(), surface_->Height(), surface_->DC(), 0, 0,
               SRCCOPY);
    canvas_.Retarget(fresh->DC(), {0, 0, width, height});
    surface_ = std::move(fresh);
    return true;
}

bool BackBuffer::FitTo(HWND window) {
    RECT client{};
    if (!GetClientRect(window, &client)) return false;
    return Resize(client.right - client.left, client.bottom - client.top);
}

void BackBuffer::Present(HDC target) const {
    if (surface_) Present(target, {0, 0, surface_->Width(), surface_->Height()});
}

void BackBuffer::Present(HDC target, const RECT& area) const {
    if (!surface_ || !target || area.right <= area.left || area.bottom <= area.top) return;
    BitBlt(target, area.left, area.top, area.right - area.left, area.bottom - area.top,
           surface_->DC(), area.left, area.top, SRCCOPY);
}

}  // namespace tallowen::win32

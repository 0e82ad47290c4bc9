#include "sim/ImageDesktop.h"

#include <algorithm>

namespace tallowen {

ImageDesktop::ImageDesktop(Image555 image, std::string title, Rect screen)
    : image_(std::move(image)),
      title_(std::move(title)),
      screen_(screen),
      place_{0, 0, image_.width, image_.height} {}

std::vector<TopWindow> ImageDesktop::TopLevelWindows() {
    return {TopWindow{kWindow, title_, !minimized_, true}};
}

Rect ImageDesktop::WindowRect(WindowHandle window) {
    if (window == kDesktop) return screen_;
    return window == kWindow ? place_ : Rect{};
}

Rect ImageDesktop::ClientRect(WindowHandle window) {
    if (window == kDesktop) return Rect{0, 0, screen_.Width(), screen_.Height()};
    if (window != kWindow || minimized_) return Rect{};
    return Rect{0, 0, place_.Width(), place_.Height()};
}

void ImageDesktop::MoveWindow(WindowHandle window, Rect place) {
    if (window != kWindow) return;
    bool resized = place.Width() != place_.Width() || place.Height() != place_.Height();
    place_ = place;
    if (resized && repaint)
        repaint(image_, std::max(0, place.Width()), std::max(0, place.Height()));
}

void ImageDesktop::SetTopmost(WindowHandle window, bool topmost) {
    if (window == kWindow) topmost_ = topmost;
}

void ImageDesktop::Minimize(WindowHandle window) {
    if (window == kWindow) minimized_ = true;
}

void ImageDesktop::Restore(WindowHandle window) {
    if (window == kWindow) minimized_ = false;
}

// The desktop shows the window's picture at its place on a black screen; a part of the
// window that the picture does not cover is black too.
std::uint16_t ImageDesktop::ScreenPixel(int x, int y) const {
    if (minimized_ || x < place_.left || y < place_.top || x >= place_.right || y >= place_.bottom)
        return 0;
    return image_.At(x - place_.left, y - place_.top);
}

int ImageDesktop::CopyPixels(WindowHandle window, Rect area, bool clientArea,
                             std::vector<std::uint16_t>& out) {
    ++copies_;
    if (failCopies_ || (window != kWindow && window != kDesktop)) return 0;
    if (window == kWindow && minimized_) return 0;
    (void)clientArea;  // the window has no frame: client and window coordinates agree
    const int w = area.Width(), h = area.Height();
    const std::size_t stride = std::size_t(w + (w & 1));
    if (w <= 0 || h <= 0 || out.size() < stride * std::size_t(h)) return 0;
    for (int row = 0; row < h; ++row) {
        const int y = area.bottom - 1 - row;
        std::uint16_t* line = out.data() + std::size_t(row) * stride;
        for (int i = 0; i < w; ++i) {
            const int x = area.left + i;
            line[i] = window == kDesktop
                          ? ScreenPixel(x, y)
                          : (x < place_.Width() && y < place_.Height() ? image_.At(x, y) : 0);
        }
    }
    return h;
}

}  // namespace tallowen

#include "sim/SimDesktop.h"

#include <algorithm>

namespace tallowen {

namespace {

constexpr std::uint16_t kFrameFace = 0x6318;   // 24, 24, 24
constexpr std::uint16_t kCaptionBar = 0x0010;  // dark blue
constexpr std::uint16_t kCaptionText = 0x7FFF;
// Where Windows parks a minimised window, and its size there.
constexpr Rect kMinimizedRect{-32000, -32000, -31840, -31972};

}  // namespace

int SimWindow::ClientWidth() const {
    return minimized ? 0 : std::max(0, rect.Width() - frame.left - frame.right);
}

int SimWindow::ClientHeight() const {
    return minimized ? 0 : std::max(0, rect.Height() - frame.top - frame.bottom);
}

SimDesktop::SimDesktop(Rect screen) : screen_(screen) {}

WindowHandle SimDesktop::Create(std::string title, Rect outer, Insets frame, bool hasCaption) {
    auto w = std::make_unique<SimWindow>();
    w->handle = nextHandle_;
    nextHandle_ += 0x10;
    w->title = std::move(title);
    w->rect = outer;
    w->frame = frame;
    w->hasCaption = hasCaption;
    w->client = Image555(w->ClientWidth(), w->ClientHeight());
    const WindowHandle handle = w->handle;
    windows_.push_back(std::move(w));
    zorder_.push_back(handle);
    BringToTop(handle);
    return handle;
}

void SimDesktop::Close(WindowHandle window) {
    std::erase(zorder_, window);
    std::erase_if(windows_, [window](const auto& w) { return w->handle == window; });
}

SimWindow* SimDesktop::Find(WindowHandle window) {
    for (auto& w : windows_)
        if (w->handle == window) return w.get();
    return nullptr;
}

const SimWindow* SimDesktop::Find(WindowHandle window) const {
    for (const auto& w : windows_)
        if (w->handle == window) return w.get();
    return nullptr;
}

void SimDesktop::Resize(SimWindow& w) {
    w.client = Image555(w.ClientWidth(), w.ClientHeight());
    if (w.paint && w.client.width > 0 && w.client.height > 0) w.paint(w);
}

void SimDesktop::Repaint(WindowHandle window) {
    if (SimWindow* w = Find(window)) Resize(*w);
}

void SimDesktop::SetTitle(WindowHandle window, std::string title) {
    if (SimWindow* w = Find(window)) w->title = std::move(title);
}

void SimDesktop::BringToTop(WindowHandle window) {
    const SimWindow* w = Find(window);
    if (!w) return;
    std::erase(zorder_, window);
    // Pinned windows stay ahead of all, topmost ones ahead of the rest; a window comes
    // first within its own group.
    auto rank = [](const SimWindow& x) { return x.pinned ? 0 : x.topmost ? 1 : 2; };
    auto at = zorder_.begin();
    while (at != zorder_.end() && rank(*Find(*at)) < rank(*w)) ++at;
    zorder_.insert(at, window);
}

std::vector<TopWindow> SimDesktop::TopLevelWindows() {
    std::vector<TopWindow> out;
    for (WindowHandle h : zorder_) {
        const SimWindow* w = Find(h);
        out.push_back(TopWindow{h, w->title, w->visible, w->hasCaption});
    }
    return out;
}

Rect SimDesktop::WindowRect(WindowHandle window) {
    if (window == kDesktop) return screen_;
    const SimWindow* w = Find(window);
    if (!w) return Rect{};
    return w->minimized ? kMinimizedRect : w->rect;
}

Rect SimDesktop::ClientRect(WindowHandle window) {
    if (window == kDesktop) return Rect{0, 0, screen_.Width(), screen_.Height()};
    const SimWindow* w = Find(window);
    if (!w) return Rect{};
    return Rect{0, 0, w->ClientWidth(), w->ClientHeight()};
}

void SimDesktop::MoveWindow(WindowHandle window, Rect place) {
    SimWindow* w = Find(window);
    if (!w || w->minimized) return;
    const bool resized = place.Width() != w->rect.Width() || place.Height() != w->rect.Height();
    w->rect = place;
    if (resized) Resize(*w);
}

void SimDesktop::SetTopmost(WindowHandle window, bool topmost) {
    SimWindow* w = Find(window);
    if (!w) return;
    w->topmost = topmost;
    BringToTop(window);
}

void SimDesktop::Minimize(WindowHandle window) {
    if (SimWindow* w = Find(window)) w->minimized = true;
}

void SimDesktop::Restore(WindowHandle window) {
    SimWindow* w = Find(window);
    if (!w || !w->minimized) return;
    w->minimized = false;
    Resize(*w);
    BringToTop(window);
}

std::uint16_t SimDesktop::OwnPixel(const SimWindow& w, int x, int y) const {
    const int cx = x - w.frame.left, cy = y - w.frame.top;
    if (cx >= 0 && cy >= 0 && cx < w.client.width && cy < w.client.height)
        return w.client.At(cx, cy);
    if (w.hasCaption && y >= 4 && y < w.frame.top - 1 && x >= 4 && x < w.rect.Width() - 4) {
        // A caption bar with a light stripe where the title would be written.
        const bool stripe = y == 12 && x >= 28 && x < 28 + 6 * int(w.title.size());
        return stripe ? kCaptionText : kCaptionBar;
    }
    return kFrameFace;
}

const SimWindow* SimDesktop::WindowAt(int x, int y) const {
    for (WindowHandle h : zorder_) {
        const SimWindow* w = Find(h);
        if (Shown(*w) && x >= w->rect.left && x < w->rect.right && y >= w->rect.top &&
            y < w->rect.bottom)
            return w;
    }
    return nullptr;
}

std::uint16_t SimDesktop::ScreenPixel(int x, int y) const {
    const SimWindow* w = WindowAt(x, y);
    return w ? OwnPixel(*w, x - w->rect.left, y - w->rect.top) : kBackground;
}

// A window's pixel as a copy of it sees it: black where something covers it or where it
// lies off the screen.
std::uint16_t SimDesktop::SeenPixel(const SimWindow& w, bool clientArea, int x, int y) const {
    const int wx = x + (clientArea ? w.frame.left : 0), wy = y + (clientArea ? w.frame.top : 0);
    const int width = clientArea ? w.ClientWidth() : w.rect.Width();
    const int height = clientArea ? w.ClientHeight() : w.rect.Height();
    if (x < 0 || y < 0 || x >= width || y >= height) return 0;
    const int sx = w.rect.left + wx, sy = w.rect.top + wy;
    if (sx < screen_.left || sx >= screen_.right || sy < screen_.top || sy >= screen_.bottom)
        return 0;
    return WindowAt(sx, sy) == &w ? OwnPixel(w, wx, wy) : 0;
}

Image555 SimDesktop::Screen() const {
    Image555 image(screen_.Width(), screen_.Height(), kBackground);
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            image.Set(x, y, ScreenPixel(x + screen_.left, y + screen_.top));
    return image;
}

Image555 SimDesktop::WindowPicture(WindowHandle window, bool clientArea) const {
    const SimWindow* w = Find(window);
    if (!w || w->minimized) return Image555();
    Image555 image(clientArea ? w->ClientWidth() : w->rect.Width(),
                   clientArea ? w->ClientHeight() : w->rect.Height(), 0);
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) image.Set(x, y, SeenPixel(*w, clientArea, x, y));
    return image;
}

int SimDesktop::CopyPixels(WindowHandle window, Rect area, bool clientArea,
                           std::vector<std::uint16_t>& out) {
    ++copies_;
    const int w = area.Width(), h = area.Height();
    const std::size_t stride = std::size_t(w + (w & 1));
    if (w <= 0 || h <= 0 || out.size() < stride * std::size_t(h)) return 0;
    const SimWindow* sw = nullptr;
    if (window != kDesktop) {
        sw = Find(window);
        if (!sw || sw->minimized || !sw->visible) return 0;
    }
    for (int row = 0; row < h; ++row) {
        const int y = area.bottom - 1 - row;
        std::uint16_t* line = out.data() + std::size_t(row) * stride;
        for (int i = 0; i < w; ++i) {
            const int x = area.left + i;
            line[i] = sw ? SeenPixel(*sw, clientArea, x, y)
                         : ScreenPixel(x + screen_.left, y + screen_.top);
        }
    }
    return h;
}

void SimDesktop::LeftClick() {
    ++clicks_;
    const SimWindow* at = WindowAt(cursor_.x, cursor_.y);
    if (!at) return;
    SimWindow* w = Find(at->handle);
    const Point inside{cursor_.x - w->rect.left - w->frame.left,
                       cursor_.y - w->rect.top - w->frame.top};
    if (inside.x < 0 || inside.y < 0 || inside.x >= w->ClientWidth() ||
        inside.y >= w->ClientHeight())
        return;
    if (w->click) w->click(*w, inside);
}

}  // namespace tallowen

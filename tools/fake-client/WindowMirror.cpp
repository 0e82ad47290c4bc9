#include "tools/fake-client/WindowMirror.h"

#include <algorithm>

namespace tallowen {

namespace {

bool SamePicture(const Image555& a, const Image555& b) {
    return a.width == b.width && a.height == b.height && a.pixels == b.pixels;
}

}  // namespace

Rect FitOnScreen(Rect outer, Rect screen) {
    const int dx = std::max(screen.left - outer.left, std::min(0, screen.right - outer.right));
    const int dy = std::max(screen.top - outer.top, std::min(0, screen.bottom - outer.bottom));
    return Rect{outer.left + dx, outer.top + dy, outer.right + dx, outer.bottom + dy};
}

WindowMirror::Mirror* WindowMirror::Find(RealWindow window) {
    for (Mirror& m : mirrors_)
        if (m.real == window) return &m;
    return nullptr;
}

const WindowMirror::Mirror* WindowMirror::Find(RealWindow window) const {
    for (const Mirror& m : mirrors_)
        if (m.real == window) return &m;
    return nullptr;
}

WindowHandle WindowMirror::SimOf(RealWindow window) const {
    const Mirror* m = Find(window);
    return m ? m->sim : 0;
}

RealWindow WindowMirror::RealOf(WindowHandle sim) const {
    for (const Mirror& m : mirrors_)
        if (m.sim == sim) return m.real;
    return 0;
}

const Image555* WindowMirror::Picture(RealWindow window) const {
    const Mirror* m = Find(window);
    const SimWindow* w = m ? desktop_.Find(m->sim) : nullptr;
    return w ? &w->client : nullptr;
}

void WindowMirror::Sync() {
    // Gone from the list first: destroying a real window reports on its way out.
    std::vector<RealWindow> gone;
    std::erase_if(mirrors_, [this, &gone](const Mirror& m) {
        const SimWindow* w = desktop_.Find(m.sim);
        if (w && w->visible) return false;
        gone.push_back(m.real);
        return true;
    });
    for (RealWindow real : gone) real_.Destroy(real);
    const std::vector<WindowHandle> order = desktop_.ZOrder();
    // The front window came forward when it stood behind another window still there; a
    // front window that closed just leaves the next one in front on both sides.
    WindowHandle oldFront = 0;
    for (WindowHandle h : front_)
        if (desktop_.Find(h)) {
            oldFront = h;
            break;
        }
    const bool raised = !order.empty() && order.front() != oldFront && RealOf(order.front()) != 0;
    // Back to front, so that new windows stack up as the simulated ones do.
    for (auto at = order.rbegin(); at != order.rend(); ++at) {
        SimWindow* w = desktop_.Find(*at);
        if (!w || !w->visible) continue;
        if (Mirror* m = Find(RealOf(*at)))
            Follow(*w, *m);
        else
            Adopt(*w);
    }
    if (raised) real_.Raise(RealOf(order.front()));
    front_ = order;
}

// The real frame replaces the simulated one, so that both windows have the same outer
// rectangle and the same client area (the client size is the one the simulated client chose).
void WindowMirror::Adopt(SimWindow& w) {
    const Insets frame = real_.Frame(w.hasCaption);
    const int width = std::max(0, w.rect.Width() - w.frame.left - w.frame.right);
    const int height = std::max(0, w.rect.Height() - w.frame.top - w.frame.bottom);
    const Rect wanted{w.rect.left, w.rect.top, w.rect.left + width + frame.left + frame.right,
                      w.rect.top + height + frame.top + frame.bottom};
    w.frame = frame;
    w.rect = FitOnScreen(wanted, desktop_.DesktopRect());
    desktop_.Repaint(w.handle);
    const RealWindow real = real_.Create(w.title, w.rect, w.hasCaption, w.topmost || w.pinned);
    if (real == 0) return;
    mirrors_.push_back(Mirror{w.handle, real, w.title, w.rect, false, w.client});
    Mirror& m = mirrors_.back();
    // Its first paint came before the mirror knew it.
    real_.Invalidate(real);
    if (w.minimized) {
        m.minimized = true;
        real_.Show(real, true);
    }
    // The window manager may have placed it otherwise: the simulated one goes along.
    const Rect placed = real_.Outer(real);
    if (!w.minimized && placed != m.rect) RealMoved(real, placed);
}

void WindowMirror::Follow(const SimWindow& w, Mirror& m) {
    if (w.title != m.title) {
        m.title = w.title;
        real_.SetTitle(m.real, w.title);
    }
    if (w.minimized != m.minimized) {
        m.minimized = w.minimized;
        real_.Show(m.real, w.minimized);
    }
    if (!w.minimized && w.rect != m.rect) {
        m.rect = w.rect;
        real_.Place(m.real, w.rect);
    }
    RepaintIfChanged(m);
}

void WindowMirror::RepaintIfChanged(Mirror& m) {
    const SimWindow* w = desktop_.Find(m.sim);
    if (!w || SamePicture(w->client, m.painted)) return;
    m.painted = w->client;
    real_.Invalidate(m.real);
}

void WindowMirror::RealMoved(RealWindow window, Rect outer) {
    Mirror* m = Find(window);
    if (!m || m->minimized || outer == m->rect) return;
    m->rect = outer;
    desktop_.MoveWindow(m->sim, outer);
    RepaintIfChanged(*m);
}

void WindowMirror::RealMinimized(RealWindow window, bool minimized) {
    Mirror* m = Find(window);
    if (!m || m->minimized == minimized) return;
    m->minimized = minimized;
    if (minimized) {
        desktop_.Minimize(m->sim);
    } else {
        desktop_.Restore(m->sim);
        // Restoring brought it forward on both sides already.
        front_ = desktop_.ZOrder();
        RepaintIfChanged(*m);
    }
}

void WindowMirror::RealClicked(RealWindow window, Point client) {
    const Mirror* m = Find(window);
    SimWindow* w = m ? desktop_.Find(m->sim) : nullptr;
    if (!w || !w->click || client.x < 0 || client.y < 0 || client.x >= w->ClientWidth() ||
        client.y >= w->ClientHeight())
        return;
    w->click(*w, client);
    Sync();
}

}  // namespace tallowen

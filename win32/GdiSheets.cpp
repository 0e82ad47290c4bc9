#include <algorithm>

#include "win32/GdiCanvas.h"

namespace tallowen::win32 {

Canvas& GdiSheets::Sheet(std::string_view name, int width, int height) {
    // A sheet is at least one pixel each way, so that every name has a surface to draw on.
    width = std::max(width, 1);
    height = std::max(height, 1);
    auto found = sheets_.find(name);
    if (found != sheets_.end() && found->second.surface->Width() == width &&
        found->second.surface->Height() == height)
        return *found->second.canvas;
    if (found == sheets_.end()) found = sheets_.emplace(std::string(name), Entry{}).first;
    Entry& entry = found->second;
    auto surface = std::make_unique<Surface>(width, height);
    Rect extent{0, 0, surface->Width(), surface->Height()};
    // The canvas moves to the new surface before the old one goes.
    if (!entry.canvas)
        entry.canvas = std::make_unique<GdiCanvas>(surface->DC(), extent, fonts_, this);
    else
        entry.canvas->Retarget(surface->DC(), extent);
    entry.surface = std::move(surface);
    return *entry.canvas;
}

HDC GdiSheets::SheetDC(std::string_view name) const {
    auto found = sheets_.find(name);
    return found == sheets_.end() ? nullptr : found->second.surface->DC();
}

}  // namespace tallowen::win32

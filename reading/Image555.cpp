#include "reading/Image555.h"

#include <algorithm>

namespace tallowen {

Image555::Image555(int w, int h, std::uint16_t fill)
    : width(std::max(0, w)),
      height(std::max(0, h)),
      pixels(std::size_t(width) * std::size_t(height), fill) {}

std::uint16_t Image555::At(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) return 0;
    return pixels[std::size_t(y) * std::size_t(width) + std::size_t(x)];
}

void Image555::Set(int x, int y, std::uint16_t p) {
    if (x < 0 || y < 0 || x >= width || y >= height) return;
    pixels[std::size_t(y) * std::size_t(width) + std::size_t(x)] = p;
}

void Image555::Fill(int x0, int y0, int x1, int y1, std::uint16_t p) {
    for (int y = std::max(0, y0); y < std::min(y1, height); ++y)
        for (int x = std::max(0, x0); x < std::min(x1, width); ++x) Set(x, y, p);
}

}  // namespace tallowen

// A picture as the readers see a window: 5-5-5 pixels, rows top-down.
#pragma once

#include <cstdint>
#include <vector>

namespace tallowen {

// A picture of 5-5-5 pixels, rows top-down.
struct Image555 {
    int width = 0, height = 0;
    std::vector<std::uint16_t> pixels;

    Image555() = default;
    Image555(int w, int h, std::uint16_t fill = 0x7FFF);
    std::uint16_t At(int x, int y) const;  // 0 outside
    void Set(int x, int y, std::uint16_t p);
    void Fill(int x0, int y0, int x1, int y1, std::uint16_t p);  // x1, y1 exclusive
};

}  // namespace tallowen

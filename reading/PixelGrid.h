// The shared pixel buffer, the records of what it holds, the colour tests and the scanners
// that find landmarks (gray bands, black rules) in a copied window.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/Desktop.h"

namespace tallowen {

// One capture over the shared buffer. Rows are stored bottom-up: the pixel at window
// coordinates (x, y) lies at (Bottom - 1 - y) * Length + (x - Left).
struct PixelGrid {
    std::int32_t Left = 0;
    std::int32_t Top = 0;
    std::int32_t WindowWidth = 0;
    std::int32_t WindowHeight = 0;
    std::int32_t Length = 0;  // pixels per buffer row: the copied width rounded up to even
    std::int32_t Lines = 0;   // rows delivered; 0 = nothing may be read
    std::int32_t Right = 0;   // exclusive
    std::int32_t Bottom = 0;  // exclusive
};

// Five-bit levels of 5-5-5 pixels; bit 15 never counts.
inline int RedLevel(std::uint16_t p) {
    return (p >> 10) & 31;
}
inline int GreenLevel(std::uint16_t p) {
    return (p >> 5) & 31;
}
inline int BlueLevel(std::uint16_t p) {
    return p & 31;
}
inline std::uint16_t Rgb555(int red, int green, int blue) {
    return static_cast<std::uint16_t>(((red & 31) << 10) | ((green & 31) << 5) | (blue & 31));
}

inline bool IsWhite(std::uint16_t p) {
    return (p & 0x7FFF) == 0x7FFF;
}
inline bool IsBlack(std::uint16_t p) {
    return (p & 0x7FFF) == 0;
}
inline bool IsGray(std::uint16_t p) {
    int b = BlueLevel(p);
    return b >= 15 && b <= 27 && RedLevel(p) == b && GreenLevel(p) == b;
}
// A text pixel.
inline bool IsInk(std::uint16_t p) {
    return BlueLevel(p) < 15;
}

struct RefColour {
    int red = 0, green = 0, blue = 0;
};
bool IsNearReference(std::uint16_t p, const RefColour& reference);

// Read access to the buffer through one grid. Every read is checked: a pixel outside the
// copied rectangle or outside the buffer does not exist, and no colour test holds for it.
class PixelView {
public:
    PixelView(const std::vector<std::uint16_t>& pixels, const PixelGrid& grid)
        : pixels_(pixels), grid_(grid) {}

    const PixelGrid& Grid() const { return grid_; }
    // Buffer index of (x, y); may lie outside the buffer.
    std::int64_t IndexOf(int x, int y) const {
        return (std::int64_t(grid_.Bottom) - 1 - y) * grid_.Length + (std::int64_t(x) - grid_.Left);
    }
    bool Has(int x, int y) const {
        if (grid_.Lines <= 0 || x < grid_.Left || x >= grid_.Right || y < grid_.Top ||
            y >= grid_.Bottom)
            return false;
        // Rows the copy did not deliver (buffer rows from Lines on) hold nothing of this window.
        if (std::int64_t(grid_.Bottom) - 1 - y >= grid_.Lines) return false;
        std::int64_t i = IndexOf(x, y);
        return i >= 0 && i < std::int64_t(pixels_.size());
    }
    // Fills `p` and returns true when the pixel exists.
    bool Get(int x, int y, std::uint16_t& p) const {
        if (!Has(x, y)) return false;
        p = pixels_[std::size_t(IndexOf(x, y))];
        return true;
    }
    bool White(int x, int y) const {
        std::uint16_t p;
        return Get(x, y, p) && IsWhite(p);
    }
    bool Black(int x, int y) const {
        std::uint16_t p;
        return Get(x, y, p) && IsBlack(p);
    }
    bool Gray(int x, int y) const {
        std::uint16_t p;
        return Get(x, y, p) && IsGray(p);
    }
    bool Ink(int x, int y) const {
        std::uint16_t p;
        return Get(x, y, p) && IsInk(p);
    }
    // Pointer p with p[x - x0] = pixel (x, y) for x = x0..x1, or nullptr unless that whole
    // span lies inside the capture.
    const std::uint16_t* RowSpan(int y, int x0, int x1) const;

private:
    const std::vector<std::uint16_t>& pixels_;
    const PixelGrid& grid_;
};

// Scanners (rect bounds as each says; -1 when no row or column qualifies).
// First y of rect.top..rect.bottom (inclusive) whose pixels rect.left..rect.right are all gray.
int FindGrayRow(const PixelView& view, Rect rect);
// First y of rect.top..rect.bottom - 1 with a black pixel among rect.left..rect.right.
int FindBlackRow(const PixelView& view, Rect rect);
// First y from rect.top to the window's last row whose pixels rect.left..rect.right - 1 are
// all black (rect.bottom is not used).
int FindSolidBlackRow(const PixelView& view, Rect rect);
// First x of rect.left..rect.right whose pixels rect.top..rect.bottom - 1 are all black;
// kColumnPastCapture when a tested row lies below the capture (before the start of the
// bottom-up buffer). Like -1, it is below 0: no column.
constexpr int kColumnPastCapture = -1000;
int FindSolidBlackColumn(const PixelView& view, Rect rect);
// First y of rect.top..rect.bottom - 1 whose pixels rect.left..rect.right are all white.
int FindWhiteRow(const PixelView& view, Rect rect);
// First x of rect.left..rect.right whose pixel (x, y) is white.
int FindWhiteInRow(const PixelView& view, int y, Rect rect);
// The first gray pixel of row y from the first white one on (within rect.left..rect.right).
int FindGrayAfterWhite(const PixelView& view, int y, Rect rect);

}  // namespace tallowen

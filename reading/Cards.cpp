#include "reading/Cards.h"

#include <algorithm>

namespace tallowen {

namespace {

// A face is read eight pixels across: one bit of a code each.
constexpr int kFaceBits = 8;

bool UprightInk(std::uint16_t p) {
    return BlueLevel(p) == 0;
}
bool SidewaysInk(std::uint16_t p) {
    return GreenLevel(p) < 15;
}

// Row `y`, pixels x..x+7, pixel x as bit 7; false when a pixel lies outside the capture.
bool UprightCode(const PixelView& view, int x, int y, std::uint8_t& code) {
    code = 0;
    for (int b = 0; b < kFaceBits; ++b) {
        std::uint16_t p = 0;
        if (!view.Get(x + b, y, p)) return false;
        code = std::uint8_t(code << 1 | (UprightInk(p) ? 1 : 0));
    }
    return true;
}

// Column `x`, pixels y..y+7, pixel y as bit 7.
bool SidewaysCode(const PixelView& view, int x, int y, std::uint8_t& code) {
    code = 0;
    for (int b = 0; b < kFaceBits; ++b) {
        std::uint16_t p = 0;
        if (!view.Get(x, y + b, p)) return false;
        code = std::uint8_t(code << 1 | (SidewaysInk(p) ? 1 : 0));
    }
    return true;
}

// An image that was never loaded matches nothing, not even an empty face.
bool Equal(const CardImage& image, const CardBlock& block, int from) {
    return image.count > 0 &&
           std::equal(image.codes.begin(), image.codes.end(), block.codes.begin() + from);
}

}  // namespace

ReadStatus ReadCardImage(const PixelView& view, int x, int y, int position, CardBlock& block) {
    block.codes.fill(0);
    if (position == 0 || position == 2) {
        for (int i = 0; i < kCardBlockCodes; ++i) {
            std::uint8_t code = 0;
            if (!UprightCode(view, x, y + kCardBlockCodes - 1 - i, code))
                return ReadStatus::OutsideUpright;
            // The suit symbol's bottom row opens the block; no ink there, no card.
            if (i == 0 && code == 0) return ReadStatus::Read;
            block.codes[std::size_t(i)] = code;
        }
        return ReadStatus::Read;
    }
    int start = -1;
    for (int d = 0; d < kFaceBits && start < 0; ++d) {
        std::uint8_t code = 0;
        if (!SidewaysCode(view, x + d, y, code)) return ReadStatus::OutsideSideways;
        if (code != 0) start = x + d;
    }
    if (start < 0) return ReadStatus::Read;
    for (int i = 0; i < kCardBlockCodes; ++i) {
        std::uint8_t code = 0;
        if (!SidewaysCode(view, start + i, y, code)) return ReadStatus::OutsideSideways;
        block.codes[std::size_t(i)] = code;
    }
    return ReadStatus::Read;
}

void MatchCard(const CardImageTable& images, const CardBlock& block, int& suit, int& rank) {
    rank = 0;
    suit = -1;
    for (int i = kFirstSuitImage; i <= kLastSuitImage; ++i) {
        if (Equal(images.images[std::size_t(i)], block, 0)) {
            suit = i - kFirstSuitImage;
            break;
        }
    }
    if (suit < 0) {
        suit = 0;
        return;
    }
    for (int i = kFirstRankImage; i <= kLastRankImage; ++i) {
        if (Equal(images.images[std::size_t(i)], block, kCardImageCodes)) {
            rank = i;
            return;
        }
    }
}

}  // namespace tallowen

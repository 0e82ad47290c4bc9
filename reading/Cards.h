// One small card face of the last-trick window as a block of 8-bit codes, and its match
// against the card images.
#pragma once

#include <array>
#include <cstdint>

#include "reading/CardImages.h"
#include "reading/PixelGrid.h"

namespace tallowen {

// 22 codes along the card, 8 pixels across: the suit symbol first (codes 0..8, from its
// bottom row), then the rank (codes 9..17).
constexpr int kCardBlockCodes = 22;
struct CardBlock {
    std::array<std::uint8_t, kCardBlockCodes> codes{};
};

// Table positions of the last trick: 0 bottom, 1 left, 2 top, 3 right. Cards at 0 and 2
// stand upright, cards at 1 and 3 lie on their side.
enum class ReadStatus : int {
    Read = 0,
    OutsideSideways = 1,  // the block reaches outside the copied window
    OutsideUpright = 2,
};

// Fills `block` from the card whose face starts at (x, y) in `view`. Upright cards are read
// from row y + 21 upwards, pixel x as the highest bit, ink = blue level 0 (black and red);
// sideways cards from the first of columns x..x+7 that has ink, pixel y as the highest bit,
// ink = green level below 15. A face without ink where it should start gives zero codes.
ReadStatus ReadCardImage(const PixelView& view, int x, int y, int position, CardBlock& block);

// suit 0..3 (C, D, H, S) and rank 2..14; rank 0 when the suit or the rank matches no image.
void MatchCard(const CardImageTable& images, const CardBlock& block, int& suit, int& rank);

}  // namespace tallowen

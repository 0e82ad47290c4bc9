// The faces of the small cards in the last-trick window: one image per rank and per suit,
// matched pixel for pixel against what a card shows.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tallowen {

class Sound;

// Rank characters at positions 1..14 ("2" = 2, "A" = 14), suit letters 15..18, marks 19..22.
constexpr std::string_view kCardNotation = "123456789TJQKACDHS[]()";
constexpr int kCardImageCodes = 9;
constexpr int kFirstRankImage = 2, kLastRankImage = 14;
constexpr int kFirstSuitImage = 15, kLastSuitImage = 18;

struct CardImage {
    // 8-bit codes, [0] the image's bottom row (the order the reader produces them).
    std::array<std::uint8_t, kCardImageCodes> codes{};
    int count = 0;  // codes given for it; a good image has exactly 9
};

struct CardImageTable {
    std::array<CardImage, kLastSuitImage + 1> images{};  // by notation position, 2..18 used
};

// One line per image: its character, then its codes as hexadecimal numbers.
const std::vector<std::string>& ShippedCardImageLines();

// Fills the table from `lines`. An image with other than 9 codes beeps and keeps its count;
// a line whose character is not a rank or suit letter, or a code that is no 8-bit
// hexadecimal number, is skipped with a beep.
void LoadCardImages(CardImageTable& table, Sound& sound,
                    const std::vector<std::string>& lines = ShippedCardImageLines());

// Position of `ch` in the notation (1..22), 0 when absent.
int NotationIndex(char ch);

}  // namespace tallowen

// The pictures the play sheet is built from: run-length rows over a small palette.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace tallowen {

inline constexpr int kPaletteSize = 61;
inline constexpr int kPictureCount = 21;
inline constexpr int kPictureRows = 10;
// The palette index that is never drawn: those pixels keep the sheet's background.
inline constexpr int kClearIndex = 1;
// The band the second copy of the strip is drawn on: the trick winner's cards.
inline constexpr int kWinnerIndex = 60;

// Rows of tokens separated by blanks: "c" is one pixel of palette colour c, "c*n" n pixels of
// it. An empty row ends the picture.
using CardPicture = std::array<std::string_view, kPictureRows>;

extern const std::array<std::uint32_t, kPaletteSize> kPicturePalette;
extern const std::array<CardPicture, kPictureCount> kCardPictures;

// The palette indexes of one row, left to right; a token that is not a palette index (or a
// count out of reason) is skipped.
std::vector<int> DecodePictureRow(std::string_view row);
// The drawn width of a picture: its longest row.
int PictureWidth(const CardPicture& picture);

// The stored suit pictures of the hand sheet, clubs to spades: "#" is the suit's ink, "." the
// key colour, which is replaced by the window's background when the sheet is drawn.
inline constexpr std::uint32_t kSuitKeyColour = 0xFFFCFF;
inline constexpr int kSuitPictureRows = 10;
using SuitPicture = std::array<std::string_view, kSuitPictureRows>;
extern const std::array<SuitPicture, 4> kSuitPictures;
int SuitPictureWidth(const SuitPicture& picture);
int SuitPictureHeight(const SuitPicture& picture);

}  // namespace tallowen

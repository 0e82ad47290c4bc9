// A small GIF89a encoder and the four suit images the pages use in the image style.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "common/Outcome.h"
#include "report/PageStyle.h"

namespace tallowen {

struct GifColour {
    std::uint8_t red = 0, green = 0, blue = 0;
};

// One image covering the whole logical screen, with a 256-entry global colour table.
struct GifImage {
    int width = 0;
    int height = 0;
    std::array<GifColour, 256> palette{};
    int transparent = -1;              // colour index shown as transparent; -1 none
    std::vector<std::uint8_t> pixels;  // width * height colour indices, rows top down
};

// The LZW data of a GIF image (without the code-size byte and without sub-blocks).
std::string LzwEncode(std::span<const std::uint8_t> pixels, int minCodeSize);

// The complete file: header, screen descriptor, colour table, graphic control extension when
// a colour is transparent, the image (not interlaced, minimum code size 8) and the trailer.
std::string EncodeGif(const GifImage& image);

// Suit images: 19 x 15, entry 0 the suit colour, entry 1 white and transparent, rest black.
inline constexpr int kSuitGifWidth = 19;
inline constexpr int kSuitGifHeight = 15;
GifImage SuitImage(int suit);  // suit 0 clubs .. 3 spades
std::string SuitGif(int suit);
// The mask of a suit: 15 rows of 19 characters, '#' for the suit colour, '.' for the background.
const std::array<const char*, kSuitGifHeight>& SuitMask(int suit);

struct SuitGifsResult : Outcome {
    bool written = false;  // the four files were (re)written
};

// With the image style, writes C.gif, D.gif, H.gif and S.gif into the folder unless all four
// are there already; a missing one makes all four be written again.
SuitGifsResult WriteSuitGifs(const std::filesystem::path& folder, SuitMarkStyle style);

}  // namespace tallowen

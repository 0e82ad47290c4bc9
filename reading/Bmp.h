// Windows BMP files of 24 or 16 bits per pixel, in and out of the 5-5-5 pixels the readers
// work on: for looking at captures and for running the readers on saved screenshots.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "common/Files.h"
#include "reading/Image555.h"
#include "reading/PixelGrid.h"

namespace tallowen {

// The error says why the bytes are not a picture this program can read.
struct BmpRead : Outcome {
    Image555 image;  // rows top-down
};

// Uncompressed 24-bit, 32-bit and 16-bit pictures (16-bit as 5-5-5, or 5-6-5 when the file's
// bit fields say so), bottom-up or top-down. 8-bit levels keep their top five bits, as a
// 16-bit screen copy does.
BmpRead ReadBmp(std::string_view bytes);
BmpRead LoadBmp(const std::filesystem::path& path);

// A bottom-up BMP of 24 bits (levels widened back to 8 bits) or 16 bits (5-5-5 as they are).
std::string BmpBytes(const Image555& image, int bitsPerPixel = 24);
FileResult SaveBmp(const std::filesystem::path& path, const Image555& image, int bitsPerPixel = 24);

// The seam's buffer form: rows bottom-up, each row the width rounded up to an even count.
std::vector<std::uint16_t> ToBuffer(const Image555& image);
// What a capture holds, as a picture of the copied rectangle (missing pixels black).
Image555 FromGrid(const std::vector<std::uint16_t>& pixels, const PixelGrid& grid);

}  // namespace tallowen

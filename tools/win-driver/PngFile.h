// A picture saved as a PNG file: 8-bit RGB rows in stored (uncompressed) deflate blocks, so
// that no compression library is needed.
#pragma once

#include <filesystem>
#include <vector>

namespace tallowen {

// `bgra`: `height` rows of `width` pixels, top row first, 4 bytes each (blue, green, red, -).
bool WritePng(const std::filesystem::path& file, int width, int height,
              const std::vector<unsigned char>& bgra);

}  // namespace tallowen

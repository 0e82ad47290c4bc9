// The BMP loader over any bytes: either a picture whose pixels are all there, or a refusal.
#include <cstdlib>
#include <string_view>

#include "reading/Bmp.h"

using namespace tallowen;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    BmpRead read = ReadBmp(std::string_view(reinterpret_cast<const char*>(data), size));
    if (read.ok) {
        const Image555& image = read.image;
        if (image.width <= 0 || image.height <= 0) std::abort();
        if (image.pixels.size() != std::size_t(image.width) * std::size_t(image.height))
            std::abort();
    } else if (read.error.empty()) {
        std::abort();
    }
    return 0;
}

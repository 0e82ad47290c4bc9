#include "reading/Bmp.h"

#include <fstream>
#include <iterator>

namespace tallowen {

namespace {

// Pictures larger than this are refused rather than sized into memory.
constexpr std::int64_t kMaxPixels = std::int64_t(1) << 26;

std::uint32_t U32(std::string_view b, std::size_t at) {
    if (at + 4 > b.size()) return 0;
    return std::uint32_t(std::uint8_t(b[at])) | std::uint32_t(std::uint8_t(b[at + 1])) << 8 |
           std::uint32_t(std::uint8_t(b[at + 2])) << 16 |
           std::uint32_t(std::uint8_t(b[at + 3])) << 24;
}
std::uint16_t U16(std::string_view b, std::size_t at) {
    if (at + 2 > b.size()) return 0;
    return std::uint16_t(std::uint8_t(b[at]) | std::uint8_t(b[at + 1]) << 8);
}
void Put16(std::string& out, std::uint32_t v) {
    out += char(v & 0xFF);
    out += char((v >> 8) & 0xFF);
}
void Put32(std::string& out, std::uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

BmpRead Fail(std::string why) {
    BmpRead r;
    r.error = std::move(why);
    return r;
}

// Converts one 16-bit pixel by its masks: 5-5-5 passes through, 5-6-5 drops green's low bit.
std::uint16_t From16(std::uint16_t v, bool green6) {
    if (!green6) return v & 0x7FFF;
    return std::uint16_t(((v >> 11) & 31) << 10 | ((v >> 6) & 31) << 5 | (v & 31));
}

}  // namespace

BmpRead ReadBmp(std::string_view b) {
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M') return Fail("not a BMP file");
    const std::uint32_t offset = U32(b, 10), header = U32(b, 14);
    if (header < 40 || 14 + std::uint64_t(header) > b.size()) return Fail("unknown BMP header");
    const std::int32_t width = std::int32_t(U32(b, 18));
    const std::int32_t rawHeight = std::int32_t(U32(b, 22));
    const int bits = U16(b, 28);
    const std::uint32_t compression = U32(b, 30);
    if (width <= 0 || rawHeight == 0 || rawHeight == INT32_MIN) return Fail("empty picture");
    const bool topDown = rawHeight < 0;
    const std::int64_t height = topDown ? -std::int64_t(rawHeight) : rawHeight;
    if (std::int64_t(width) * height > kMaxPixels) return Fail("picture too large");
    bool green6 = false;
    if (bits == 16 && compression == 3) {  // bit fields: 5-5-5 or 5-6-5
        // The masks follow a 40-byte header, and sit at the same place inside a longer one.
        constexpr std::size_t masks = 54;
        std::uint32_t red = U32(b, masks), green = U32(b, masks + 4), blue = U32(b, masks + 8);
        if (red == 0xF800 && green == 0x07E0 && blue == 0x001F)
            green6 = true;
        else if (!(red == 0x7C00 && green == 0x03E0 && blue == 0x001F))
            return Fail("unsupported 16-bit colour masks");
    } else if (compression != 0 && !(bits == 32 && compression == 3)) {
        return Fail("compressed BMP");
    }
    if (bits != 16 && bits != 24 && bits != 32) return Fail("unsupported bits per pixel");
    const std::uint64_t stride = (std::uint64_t(width) * std::uint64_t(bits) + 31) / 32 * 4;
    if (offset > b.size() || stride * std::uint64_t(height) > b.size() - offset)
        return Fail("BMP file is cut short");
    BmpRead r;
    r.image = Image555(width, int(height));
    for (int y = 0; y < int(height); ++y) {
        const std::size_t row =
            offset + std::size_t(stride) * std::size_t(topDown ? y : int(height) - 1 - y);
        for (int x = 0; x < width; ++x) {
            std::uint16_t p;
            if (bits == 16) {
                p = From16(U16(b, row + std::size_t(x) * 2), green6);
            } else {
                const std::size_t at = row + std::size_t(x) * std::size_t(bits / 8);
                p = Rgb555(std::uint8_t(b[at + 2]) >> 3, std::uint8_t(b[at + 1]) >> 3,
                           std::uint8_t(b[at]) >> 3);
            }
            r.image.pixels[std::size_t(y) * std::size_t(width) + std::size_t(x)] = p;
        }
    }
    r.ok = true;
    return r;
}

BmpRead LoadBmp(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return Fail(PathToUtf8(path.filename()) + ": cannot be opened");
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    BmpRead r = ReadBmp(bytes);
    if (!r.ok) r.error = PathToUtf8(path.filename()) + ": " + r.error;
    return r;
}

std::string BmpBytes(const Image555& image, int bitsPerPixel) {
    const int bits = bitsPerPixel == 16 ? 16 : 24;
    const std::uint32_t w = std::uint32_t(image.width), h = std::uint32_t(image.height);
    const std::uint32_t stride = (w * std::uint32_t(bits) + 31) / 32 * 4;
    std::string out;
    out.reserve(54 + std::size_t(stride) * h);
    out += "BM";
    Put32(out, 54 + stride * h);
    Put32(out, 0);
    Put32(out, 54);
    Put32(out, 40);
    Put32(out, w);
    Put32(out, h);
    Put16(out, 1);
    Put16(out, std::uint32_t(bits));
    Put32(out, 0);
    Put32(out, stride * h);
    Put32(out, 2835);
    Put32(out, 2835);
    Put32(out, 0);
    Put32(out, 0);
    // Five-bit levels widen to eight bits so that reading the file back gives them again.
    auto widen = [](int level) { return char((level << 3) | (level >> 2)); };
    for (int y = int(h) - 1; y >= 0; --y) {
        std::size_t start = out.size();
        for (int x = 0; x < int(w); ++x) {
            const std::uint16_t p = image.At(x, y);
            if (bits == 16) {
                Put16(out, p & 0x7FFF);
            } else {
                out += widen(BlueLevel(p));
                out += widen(GreenLevel(p));
                out += widen(RedLevel(p));
            }
        }
        out.append(stride - (out.size() - start), '\0');
    }
    return out;
}

FileResult SaveBmp(const std::filesystem::path& path, const Image555& image, int bitsPerPixel) {
    return WriteBytes(path, BmpBytes(image, bitsPerPixel));
}

std::vector<std::uint16_t> ToBuffer(const Image555& image) {
    const std::size_t stride = std::size_t(image.width + (image.width & 1));
    std::vector<std::uint16_t> out(stride * std::size_t(image.height), 0);
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            out[std::size_t(image.height - 1 - y) * stride + std::size_t(x)] = image.At(x, y);
    return out;
}

Image555 FromGrid(const std::vector<std::uint16_t>& pixels, const PixelGrid& grid) {
    const int w = grid.Right - grid.Left, h = grid.Bottom - grid.Top;
    if (grid.Lines <= 0 || w <= 0 || h <= 0 || std::int64_t(w) * h > kMaxPixels) return {};
    Image555 image(w, h, 0);
    const PixelView view(pixels, grid);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            std::uint16_t p = 0;
            if (view.Get(grid.Left + x, grid.Top + y, p)) image.Set(x, y, p);
        }
    return image;
}

}  // namespace tallowen

#include "tools/win-driver/PngFile.h"

#include "common/Checksum.h"

#include <array>
#include <cstdint>
#include <fstream>
#include <string>

namespace tallowen {

namespace {

void Put32(std::string& out, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(char((v >> shift) & 0xFF));
}

void Chunk(std::string& out, const char* type, const std::string& data) {
    Put32(out, std::uint32_t(data.size()));
    std::string typed = std::string(type, 4) + data;
    out += typed;
    Put32(out, Crc32(typed));
}

// The zlib stream of `raw` in stored blocks of at most 65535 bytes.
std::string Stored(const std::string& raw) {
    std::string z = "\x78\x01";
    std::size_t at = 0;
    do {
        const std::size_t n = std::min<std::size_t>(65535, raw.size() - at);
        const bool last = at + n == raw.size();
        z.push_back(last ? 1 : 0);
        z.push_back(char(n & 0xFF));
        z.push_back(char(n >> 8));
        z.push_back(char(~n & 0xFF));
        z.push_back(char((~n >> 8) & 0xFF));
        z.append(raw, at, n);
        at += n;
    } while (at < raw.size());
    std::uint32_t a = 1, b = 0;
    for (unsigned char c : raw) {
        a = (a + c) % 65521;
        b = (b + a) % 65521;
    }
    Put32(z, (b << 16) | a);
    return z;
}

}  // namespace

bool WritePng(const std::filesystem::path& file, int width, int height,
              const std::vector<unsigned char>& bgra) {
    if (width <= 0 || height <= 0 || bgra.size() < std::size_t(width) * std::size_t(height) * 4)
        return false;
    std::string raw;
    raw.reserve(std::size_t(height) * (std::size_t(width) * 3 + 1));
    for (int y = 0; y < height; ++y) {
        raw.push_back(0);  // no filter
        const unsigned char* row = bgra.data() + std::size_t(y) * std::size_t(width) * 4;
        for (int x = 0; x < width; ++x, row += 4) {
            raw.push_back(char(row[2]));
            raw.push_back(char(row[1]));
            raw.push_back(char(row[0]));
        }
    }
    std::string header;
    Put32(header, std::uint32_t(width));
    Put32(header, std::uint32_t(height));
    header += std::string("\x08\x02\x00\x00\x00", 5);  // 8-bit RGB
    std::string png = "\x89PNG\r\n\x1A\n";
    Chunk(png, "IHDR", header);
    Chunk(png, "IDAT", Stored(raw));
    Chunk(png, "IEND", "");
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(png.data(), std::streamsize(png.size()));
    return bool(out.flush());
}

}  // namespace tallowen

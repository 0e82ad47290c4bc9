#include "report/GifWriter.h"

#include <unordered_map>

#include "common/Files.h"

namespace tallowen {

namespace {

// GIF packs codes into bytes least significant bit first.
class BitPacker {
public:
    void Put(int code, int bits) {
        buffer_ |= static_cast<std::uint32_t>(code) << count_;
        count_ += bits;
        while (count_ >= 8) {
            out_.push_back(static_cast<char>(buffer_ & 0xFF));
            buffer_ >>= 8;
            count_ -= 8;
        }
    }
    std::string Finish() {
        if (count_ > 0) out_.push_back(static_cast<char>(buffer_ & 0xFF));
        buffer_ = 0;
        count_ = 0;
        return std::move(out_);
    }

private:
    std::string out_;
    std::uint32_t buffer_ = 0;
    int count_ = 0;
};

constexpr int kMaxCode = 4095;  // codes are at most 12 bits wide

void PutWord(std::string& out, int value) {
    out.push_back(static_cast<char>(value & 0xFF));
    out.push_back(static_cast<char>((value >> 8) & 0xFF));
}

void PutSubBlocks(std::string& out, const std::string& data) {
    for (std::size_t at = 0; at < data.size(); at += 255) {
        std::size_t n = std::min<std::size_t>(255, data.size() - at);
        out.push_back(static_cast<char>(n));
        out.append(data, at, n);
    }
    out.push_back('\0');
}

struct SuitArt {
    GifColour colour;
    std::array<const char*, kSuitGifHeight> mask;
};

// Clubs are green in the images, unlike the blue of the style sheet, so that they stand apart
// from the black spades at this small size.
const std::array<SuitArt, 4> kSuitArt = {{
    {{0, 150, 0},
     {"........###........", ".......#####.......", "......#######......", "......#######......",
      "......#######......", ".......#####.......", "....###.###.###....", "...#####.#.#####...",
      "...#############...", "...#############...", "...#####.#.#####...", "....###..#..###....",
      ".........#.........", "........###........", ".......#####......."}},
    {{255, 0, 255},
     {".........#.........", ".........#.........", "........###........", ".......#####.......",
      "......#######......", "......#######......", ".....#########.....", "....###########....",
      ".....#########.....", "......#######......", "......#######......", ".......#####.......",
      "........###........", ".........#.........", ".........#........."}},
    {{255, 0, 0},
     {"...................", ".....###...###.....", "....#####.#####....", "...#############...",
      "...#############...", "...#############...", "...#############...", "...#############...",
      "....###########....", "....###########....", ".....#########.....", "......#######......",
      ".......#####.......", "........###........", ".........#........."}},
    {{0, 0, 30},
     {".........#.........", "........###........", ".......#####.......", "......#######......",
      ".....#########.....", "....###########....", "....###########....", "...#############...",
      "...#############...", "...#############...", "....###########....", ".....###.#.###.....",
      ".........#.........", "........###........", "......#######......"}},
}};

const char* const kGifNames[4] = {"C.gif", "D.gif", "H.gif", "S.gif"};

}  // namespace

std::string LzwEncode(std::span<const std::uint8_t> pixels, int minCodeSize) {
    const int clear = 1 << minCodeSize;
    const int end = clear + 1;
    BitPacker bits;
    int size = minCodeSize + 1;
    int last = end;                                // the code assigned most recently
    std::unordered_map<std::uint32_t, int> table;  // (prefix code << 8 | index) -> code
    bits.Put(clear, size);
    if (!pixels.empty()) {
        int prefix = pixels[0];
        for (std::size_t i = 1; i < pixels.size(); ++i) {
            std::uint32_t key = static_cast<std::uint32_t>(prefix) << 8 | pixels[i];
            auto found = table.find(key);
            if (found != table.end()) {
                prefix = found->second;
                continue;
            }
            bits.Put(prefix, size);
            table.emplace(key, ++last);
            if (last >= (1 << size) && size < 12) ++size;
            if (last == kMaxCode) {  // table full: start afresh
                bits.Put(clear, size);
                table.clear();
                size = minCodeSize + 1;
                last = end;
            }
            prefix = pixels[i];
        }
        bits.Put(prefix, size);
    }
    bits.Put(end, size);
    return bits.Finish();
}

std::string EncodeGif(const GifImage& image) {
    std::string out = "GIF89a";
    PutWord(out, image.width);
    PutWord(out, image.height);
    out.push_back(static_cast<char>(0xF7));  // global table of 256, 8 bits per primary
    out.push_back(static_cast<char>(image.transparent >= 0 ? image.transparent : 0));
    out.push_back('\0');  // no aspect ratio given
    for (const GifColour& c : image.palette) {
        out.push_back(static_cast<char>(c.red));
        out.push_back(static_cast<char>(c.green));
        out.push_back(static_cast<char>(c.blue));
    }
    if (image.transparent >= 0) {
        // Graphic control extension: transparency on, no disposal method, no delay.
        out += "\x21\xF9\x04\x01";
        PutWord(out, 0);
        out.push_back(static_cast<char>(image.transparent));
        out.push_back('\0');
    }
    out.push_back(',');  // image descriptor: the whole screen, no local table, not interlaced
    PutWord(out, 0);
    PutWord(out, 0);
    PutWord(out, image.width);
    PutWord(out, image.height);
    out.push_back('\0');
    constexpr int kMinCodeSize = 8;
    out.push_back(static_cast<char>(kMinCodeSize));
    PutSubBlocks(out, LzwEncode(image.pixels, kMinCodeSize));
    out.push_back(';');
    return out;
}

const std::array<const char*, kSuitGifHeight>& SuitMask(int suit) {
    return kSuitArt[static_cast<std::size_t>(suit & 3)].mask;
}

GifImage SuitImage(int suit) {
    const SuitArt& art = kSuitArt[static_cast<std::size_t>(suit & 3)];
    GifImage image;
    image.width = kSuitGifWidth;
    image.height = kSuitGifHeight;
    image.palette[0] = art.colour;
    image.palette[1] = {255, 255, 255};
    image.transparent = 1;
    image.pixels.reserve(kSuitGifWidth * kSuitGifHeight);
    for (const char* row : art.mask) {
        for (int x = 0; x < kSuitGifWidth; ++x) image.pixels.push_back(row[x] == '#' ? 0 : 1);
    }
    return image;
}

std::string SuitGif(int suit) {
    return EncodeGif(SuitImage(suit));
}

SuitGifsResult WriteSuitGifs(const std::filesystem::path& folder, SuitMarkStyle style) {
    SuitGifsResult result{Outcome::Done()};
    if (style != SuitMarkStyle::Image) return result;
    bool allThere = true;
    for (const char* name : kGifNames) allThere = allThere && FindFileNoCase(folder, name);
    if (allThere) return result;
    for (int suit = 0; suit < 4; ++suit) {
        std::filesystem::path path = folder / kGifNames[suit];
        if (auto existing = FindFileNoCase(folder, kGifNames[suit])) path = *existing;
        FileResult written = WriteBytes(path, SuitGif(suit));
        if (!written.ok) {
            result.ok = false;
            result.error = written.error;
            return result;
        }
    }
    result.written = true;
    return result;
}

}  // namespace tallowen

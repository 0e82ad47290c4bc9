#include "reading/CardImages.h"

#include "common/Text.h"
#include "platform/Sound.h"

namespace tallowen {

const std::vector<std::string>& ShippedCardImageLines() {
    static const std::vector<std::string> lines = {
        "2 0 0 0 7E 7E 21 10 8 C",     "3 0 0 0 3C 62 63 3 6 1C",    "4 0 0 0 F 6 6 7F 66 26",
        "5 0 0 0 7C E6 C3 3 47 7E",    "6 0 0 0 1C 36 63 63 73 6E",  "7 0 0 0 18 18 18 8 C 4",
        "8 0 0 0 1E 33 33 33 33 1E",   "9 0 0 0 3C 66 22 3 3F 63",   "T 0 0 0 E7 CD D8 D8 D8 D8",
        "J 0 0 0 3C 6E 66 6 6 6",      "Q 0 0 7 C 3E 63 C1 C1 C1",   "K 0 0 0 F3 67 66 6C 78 70",
        "A 0 0 0 77 23 23 3F 1E 16",   "C 1C 8 EB FF EB 8 1C 3E 1C", "D 8 1C 3E 7F FF 7F 3E 1C 8",
        "H 8 1C 3E 7F FF FF FF F7 63", "S 1C 8 6B FF FF 7F 3E 1C 8",
    };
    return lines;
}

int NotationIndex(char ch) {
    std::size_t at = kCardNotation.find(ch);
    return at == std::string_view::npos ? 0 : int(at) + 1;
}

namespace {

bool ParseHexByte(std::string_view token, std::uint8_t& value) {
    if (token.empty() || token.size() > 2) return false;
    unsigned v = 0;
    for (char c : token) {
        int d = c >= '0' && c <= '9'   ? c - '0'
                : c >= 'A' && c <= 'F' ? c - 'A' + 10
                : c >= 'a' && c <= 'f' ? c - 'a' + 10
                                       : -1;
        if (d < 0) return false;
        v = v * 16 + unsigned(d);
    }
    value = std::uint8_t(v);
    return true;
}

}  // namespace

void LoadCardImages(CardImageTable& table, Sound& sound, const std::vector<std::string>& lines) {
    for (const std::string& raw : lines) {
        std::string line = Trim(raw);
        if (line.empty()) continue;
        const int index = NotationIndex(line[0]);
        if (index < kFirstRankImage || index > kLastSuitImage ||
            (line.size() > 1 && line[1] != ' ')) {
            sound.Beep();
            continue;
        }
        CardImage image;
        bool good = true;
        std::string rest = line.substr(1);
        for (std::string token = PopToken(rest); !token.empty(); token = PopToken(rest)) {
            std::uint8_t code = 0;
            if (!ParseHexByte(token, code)) {
                good = false;
                break;
            }
            if (image.count < kCardImageCodes) image.codes[std::size_t(image.count)] = code;
            ++image.count;
        }
        if (!good) {
            sound.Beep();
            continue;
        }
        if (image.count != kCardImageCodes) sound.Beep();
        table.images[std::size_t(index)] = image;
    }
}

}  // namespace tallowen

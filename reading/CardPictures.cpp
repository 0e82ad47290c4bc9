// The play sheet's card faces as plain data: a palette and 21 small run-length pictures, one
// for each character of the card notation after "1" (ranks 2..A, the suits C D H S, then the
// brackets "[", "]", "(", ")"), so that `fontNo` of a character is its picture.
#include "reading/CardPictures.h"

#include <algorithm>
#include <charconv>

namespace tallowen {

// Windows colour values (red in the low byte). 0 black, 1 white (never drawn), 2 blue, 3
// fuchsia, 4 red (the suit inks), 5 the card's body, 6 its edge, 7 light grey, 8..23 a grey
// ramp, 24..59 lighter tints of the blue, fuchsia and red inks, 60 the trick winner's band.
const std::array<std::uint32_t, kPaletteSize> kPicturePalette{
    0x000000, 0xFFFFFF, 0xFF0000, 0xFF00FF, 0x0000FF, 0xF0FBFF, 0x808080, 0xC0C0C0, 0x080808,
    0x181818, 0x282828, 0x383838, 0x484848, 0x585858, 0x686868, 0x787878, 0x888888, 0x989898,
    0xA8A8A8, 0xB8B8B8, 0xC8C8C8, 0xD8D8D8, 0xE8E8E8, 0xF8F8F8, 0xFF1313, 0xFF2727, 0xFF3A3A,
    0xFF4E4E, 0xFF6262, 0xFF7575, 0xFF8989, 0xFF9C9C, 0xFFB0B0, 0xFFC4C4, 0xFFD7D7, 0xFFEBEB,
    0xFF13FF, 0xFF27FF, 0xFF3AFF, 0xFF4EFF, 0xFF62FF, 0xFF75FF, 0xFF89FF, 0xFF9CFF, 0xFFB0FF,
    0xFFC4FF, 0xFFD7FF, 0xFFEBFF, 0x1313FF, 0x2727FF, 0x3A3AFF, 0x4E4EFF, 0x6262FF, 0x7575FF,
    0x8989FF, 0x9C9CFF, 0xB0B0FF, 0xC4C4FF, 0xD7D7FF, 0xEBEBFF, 0x80FFFF,
};

const std::array<CardPicture, kPictureCount> kCardPictures{{
    // "2"
    {{"1 6*7 1", "6 5*7 6", "6 5*2 0*3 5*2 6", "6 5*4 0 5*2 6", "6 5*2 0*3 5*2 6", "6 5*2 0 5*4 6",
      "6 5*2 0*3 5*2 6", "6 5*7 6", "6 5*7 6", "1 6*7 1"}},
    // "3"
    {{"1 6*7 1", "6 5*7 6", "6 5*2 0*3 5*2 6", "6 5*4 0 5*2 6", "6 5*3 0*2 5*2 6", "6 5*4 0 5*2 6",
      "6 5*2 0*3 5*2 6", "6 5*7 6", "6 5*7 6", "1 6*7 1"}},
    // "4"
    {{"1 6*7 1", "6 5*7 6", "6 5*2 0 5 0 5*2 6", "6 5*2 0 5 0 5*2 6", "6 5*2 0*3 5*2 6",
      "6 5*4 0 5*2 6", "6 5*4 0 5*2 6", "6 5*7 6", "6 5*7 6", "1 6*7 1"}},
    // "5"
    {{"1 6*7 1", "6 5*7 6", "6 5*2 0*3 5*2 6", "6 5*2 0 5*4 6", "6 5*2 0*3 5*2 6", "6 5*4 0 5*2 6",
      "6 5*2 0*3 5*2 6", "6 5*7 6", "6 5*7 6", "1 6*7 1"}},
    // "6"
    {{"1 6*7 1", "6 5*7 6", "6 5*2 0*3 5*2 6", "6 5*2 0 5*4 6", "6 5*2 0*3 5*2 6",
      "6 5*2 0 5 0 5*2 6", "6 5*2 0*3 5*2 6", "6 5*7 6", "6 5*7 6", "1 6*7 1"}},
    // "7"
    {{"1 6*7 1", "6 5*7 6", "6 5*2 0*3 5*2 6", "6 5*4 0 5*2 6", "6 5*3 0 5*3 6", "6 5*3 0 5*3 6",
      "6 5*3 0 5*3 6", "6 5*7 6", "6 5*7 6", "1 6*7 1"}},
    // "8"
    {{"1 6*7 1", "6 5*7 6", "6 5*2 0*3 5*2 6", "6 5*2 0 5 0 5*2 6", "6 5*2 0*3 5*2 6",
      "6 5*2 0 5 0 5*2 6", "6 5*2 0*3 5*2 6", "6 5*7 6", "6 5*7 6", "1 6*7 1"}},
    // "9"
    {{"1 6*7 1", "6 5*7 6", "6 5*2 0*3 5*2 6", "6 5*2 0 5 0 5*2 6", "6 5*2 0*3 5*2 6",
      "6 5*4 0 5*2 6", "6 5*2 0*3 5*2 6", "6 5*7 6", "6 5*7 6", "1 6*7 1"}},
    // "T"
    {{"1 6*7 1", "6 5*7 6", "6 5*2 0*3 5*2 6", "6 5*3 0 5*3 6", "6 5*3 0 5*3 6", "6 5*3 0 5*3 6",
      "6 5*3 0 5*3 6", "6 5*7 6", "6 5*7 6", "1 6*7 1"}},
    // "J"
    {{"1 6*7 1", "6 5*7 6", "6 5*4 0 5*2 6", "6 5*4 0 5*2 6", "6 5*4 0 5*2 6", "6 5*2 0 5 0 5*2 6",
      "6 5*2 0*3 5*2 6", "6 5*7 6", "6 5*7 6", "1 6*7 1"}},
    // "Q"
    {{"1 6*7 1", "6 5*7 6", "6 5*3 0 5*3 6", "6 5*2 0 5 0 5*2 6", "6 5*2 0 5 0 5*2 6",
      "6 5*2 0 5 0 5*2 6", "6 5*3 0*2 5*2 6", "6 5*7 6", "6 5*7 6", "1 6*7 1"}},
    // "K"
    {{"1 6*7 1", "6 5*7 6", "6 5*2 0 5 0 5*2 6", "6 5*2 0*2 5*3 6", "6 5*2 0 5*4 6",
      "6 5*2 0*2 5*3 6", "6 5*2 0 5 0 5*2 6", "6 5*7 6", "6 5*7 6", "1 6*7 1"}},
    // "A"
    {{"1 6*7 1", "6 5*7 6", "6 5*3 0 5*3 6", "6 5*2 0 5 0 5*2 6", "6 5*2 0*3 5*2 6",
      "6 5*2 0 5 0 5*2 6", "6 5*2 0 5 0 5*2 6", "6 5*7 6", "6 5*7 6", "1 6*7 1"}},
    // "C"
    {{"1 6*7 1", "6 5*7 6", "6 5*2 2*3 5*2 6", "6 5*2 2*3 5*2 6", "6 5 2*5 5 6", "6 5 2*5 5 6",
      "6 5*3 2 5*3 6", "6 5*2 2*3 5*2 6", "6 5*7 6", "1 6*7 1"}},
    // "D"
    {{"1 6*7 1", "6 5*7 6", "6 5*3 3 5*3 6", "6 5*2 3*3 5*2 6", "6 5 3*5 5 6", "6 5 3*5 5 6",
      "6 5*2 3*3 5*2 6", "6 5*3 3 5*3 6", "6 5*7 6", "1 6*7 1"}},
    // "H"
    {{"1 6*7 1", "6 5*7 6", "6 5 4*2 5 4*2 5 6", "6 5 4*5 5 6", "6 5 4*5 5 6", "6 5*2 4*3 5*2 6",
      "6 5*3 4 5*3 6", "6 5*7 6", "6 5*7 6", "1 6*7 1"}},
    // "S"
    {{"1 6*7 1", "6 5*7 6", "6 5*3 0 5*3 6", "6 5*2 0*3 5*2 6", "6 5 0*5 5 6", "6 5 0*5 5 6",
      "6 5*3 0 5*3 6", "6 5*2 0*3 5*2 6", "6 5*7 6", "1 6*7 1"}},
    // "["
    {{"0*2 1", "0 1*2", "0 1*2", "0 1*2", "0 1*2", "0 1*2", "0 1*2", "0 1*2", "0 1*2", "0*2 1"}},
    // "]"
    {{"1 0*2", "1*2 0", "1*2 0", "1*2 0", "1*2 0", "1*2 0", "1*2 0", "1*2 0", "1*2 0", "1 0*2"}},
    // "("
    {{"1*2 0", "1 0 1", "0 1*2", "0 1*2", "0 1*2", "0 1*2", "0 1*2", "0 1*2", "1 0 1", "1*2 0"}},
    // ")"
    {{"0 1*2", "1 0 1", "1*2 0", "1*2 0", "1*2 0", "1*2 0", "1*2 0", "1*2 0", "1 0 1", "0 1*2"}},

}};

const std::array<SuitPicture, 4> kSuitPictures{{
    {{"...###...", "..#####..", "..#####..", "##.###.##", "#########", "#########", "##..#..##",
      "....#....", "...###...", ""}},
    {{"....#....", "...###...", "..#####..", ".#######.", "#########", ".#######.", "..#####..",
      "...###...", "....#....", ""}},
    {{".##...##.", "####.####", "#########", "#########", ".#######.", "..#####..", "...###...",
      "....#....", "", ""}},
    {{"....#....", "...###...", "..#####..", ".#######.", "#########", "#########", ".##.#.##.",
      "....#....", "...###...", "..#####.."}},
}};

namespace {

constexpr int kLongestRun = 64;  // no picture is wider

bool ReadNumber(std::string_view text, int& value) {
    if (text.empty()) return false;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc{} && end == text.data() + text.size();
}

}  // namespace

std::vector<int> DecodePictureRow(std::string_view row) {
    std::vector<int> pixels;
    std::size_t at = 0;
    while (at < row.size()) {
        const std::size_t end = std::min(row.find(' ', at), row.size());
        const std::string_view token = row.substr(at, end - at);
        at = end + 1;
        const std::size_t star = token.find('*');
        int index = 0, count = 1;
        if (!ReadNumber(token.substr(0, star), index) || index < 0 || index >= kPaletteSize)
            continue;
        if (star != std::string_view::npos &&
            (!ReadNumber(token.substr(star + 1), count) || count < 1 || count > kLongestRun))
            continue;
        pixels.insert(pixels.end(), std::size_t(count), index);
    }
    return pixels;
}

int PictureWidth(const CardPicture& picture) {
    int width = 0;
    for (std::string_view row : picture) width = std::max(width, int(DecodePictureRow(row).size()));
    return width;
}

int SuitPictureWidth(const SuitPicture& picture) {
    int width = 0;
    for (std::string_view row : picture) width = std::max(width, int(row.size()));
    return width;
}

int SuitPictureHeight(const SuitPicture& picture) {
    int height = 0;
    while (height < kSuitPictureRows && !picture[std::size_t(height)].empty()) ++height;
    return height;
}

}  // namespace tallowen

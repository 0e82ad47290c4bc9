// Test pictures drawn by hand: the client's glyphs written out as column bit patterns (row 0
// of the 12-row band is bit 11, the bottom row bit 0), and painters for the bidding and score
// windows as the client lays them out. Nothing here goes through the reader's own tables.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "common/Utf8.h"
#include "reading/PixelGrid.h"
#include "sim/ImageDesktop.h"

namespace tallowen::testing {

constexpr std::uint16_t kWhite = 0x7FFF;
constexpr std::uint16_t kBlack = 0x0000;
constexpr std::uint16_t kGray = 0x6318;     // 192, 192, 192
constexpr std::uint16_t kDarkInk = 0x1084;  // 33, 33, 33: ink, but not pure black

// Column patterns of the glyphs the tests draw, keyed by what they stand for.
inline const std::map<std::string, std::vector<std::uint16_t>>& HandGlyphs() {
    static const std::map<std::string, std::vector<std::uint16_t>> glyphs{
        {"0", {0x3F8, 0x404, 0x404, 0x404, 0x3F8}},
        {"1", {0x100, 0x200, 0x7FC}},
        {"2", {0x204, 0x40C, 0x414, 0x464, 0x384}},
        {"3", {0x208, 0x404, 0x444, 0x444, 0x3B8}},
        {"4", {0x030, 0x0D0, 0x310, 0x7FC, 0x010}},
        {"5", {0x1C8, 0x684, 0x484, 0x484, 0x478}},
        {"6", {0x3F8, 0x444, 0x484, 0x484, 0x278}},
        {"7", {0x400, 0x41C, 0x4E0, 0x500, 0x600}},
        {"8", {0x3B8, 0x444, 0x444, 0x444, 0x3B8}},
        {"9", {0x3C8, 0x424, 0x424, 0x444, 0x3F8}},
        {"-", {0x020, 0x020, 0x020, 0x000}},
        {"A", {0x00C, 0x070, 0x3A0, 0x420, 0x3A0, 0x070, 0x00C}},
        {"B", {0x7FC, 0x444, 0x444, 0x444, 0x444, 0x3B8}},
        {"C", {0x1F0, 0x208, 0x404, 0x404, 0x404, 0x208, 0x110}},
        {"D", {0x7FC, 0x404, 0x404, 0x404, 0x404, 0x208, 0x1F0}},
        {"F", {0x7FC, 0x440, 0x440, 0x440, 0x440, 0x400}},
        {"G", {0x1F0, 0x208, 0x404, 0x404, 0x444, 0x248, 0x170}},
        {"H", {0x7FC, 0x040, 0x040, 0x040, 0x040, 0x040, 0x7FC}},
        {"K", {0x7FC, 0x020, 0x040, 0x0A0, 0x110, 0x208, 0x404}},
        {"N", {0x7FC, 0x200, 0x180, 0x040, 0x030, 0x008, 0x7FC}},
        {"O", {0x1F0, 0x208, 0x404, 0x404, 0x404, 0x208, 0x1F0}},
        {"P", {0x7FC, 0x440, 0x440, 0x440, 0x440, 0x380}},
        {"Q", {0x1F0, 0x208, 0x404, 0x414, 0x414, 0x208, 0x1F4}},
        {"R", {0x7FC, 0x440, 0x440, 0x440, 0x460, 0x458, 0x384}},
        {"S", {0x398, 0x444, 0x444, 0x444, 0x444, 0x338}},
        {"T", {0x400, 0x400, 0x400, 0x7FC, 0x400, 0x400, 0x400}},
        {"V", {0x600, 0x1C0, 0x030, 0x00C, 0x030, 0x1C0, 0x600}},
        {"X", {0x404, 0x318, 0x0A0, 0x040, 0x1B0, 0x208, 0x404}},
        {"a", {0x098, 0x124, 0x124, 0x128, 0x0FC}},
        {"atilde;", {0x098, 0x524, 0x924, 0x528, 0x8FC}},
        {"b", {0x7FC, 0x088, 0x104, 0x104, 0x0F8}},
        {"c", {0x0F8, 0x104, 0x104, 0x088}},
        {"d", {0x0F8, 0x104, 0x104, 0x088, 0x7FC}},
        {"e", {0x0F8, 0x124, 0x124, 0x124, 0x0E8}},
        {"f", {0x100, 0x3FC, 0x500, 0x400}},
        {"g", {0x0F9, 0x105, 0x105, 0x089, 0x1FE}},
        {"h", {0x7FC, 0x080, 0x100, 0x100, 0x0FC}},
        {"i", {0x5FC, 0x000}},
        {"k", {0x7FC, 0x020, 0x060, 0x098, 0x104}},
        {"l", {0x7FC, 0x000}},
        {"n", {0x1FC, 0x080, 0x100, 0x100, 0x0FC}},
        {"o", {0x0F8, 0x104, 0x104, 0x104, 0x0F8}},
        {"r", {0x1FC, 0x080, 0x100}},
        {"s", {0x0C8, 0x124, 0x124, 0x124, 0x098}},
        {"t", {0x100, 0x7FC, 0x104}},
        {"u", {0x1F8, 0x004, 0x004, 0x008, 0x1FC}},
        {"v", {0x180, 0x070, 0x00C, 0x070, 0x180}},
        {":", {0x104, 0x000}},
        // Not a glyph of the font: a blot that matches nothing.
        {"#", {0x7FE, 0x7FE, 0x7FE}},
        // Two kana as the Japanese edition draws them (the shipped font has none).
        {"バ", {0x010, 0x1E4, 0x408, 0x030, 0x1C0, 0x60C, 0x0B2}},
        {"ル", {0x004, 0x7F8, 0x000, 0x7FC, 0x008, 0x030}},
    };
    return glyphs;
}

// Splits a text into glyph names: "{name}" stands for a named glyph ("{atilde;}").
inline std::vector<std::string> GlyphNames(const std::string& text) {
    std::vector<std::string> names;
    for (std::size_t i = 0; i < text.size();) {
        if (text[i] == '{') {
            std::size_t end = text.find('}', i);
            names.push_back(text.substr(i + 1, end - i - 1));
            i = end + 1;
        } else {
            names.emplace_back(FirstUtf8Char(std::string_view(text).substr(i)).bytes);
            i += names.back().size();
        }
    }
    return names;
}

// Draws `text` with its band's top row at `bandTop`; `gap` blank columns between glyphs.
// Returns the column after the text.
inline int DrawText(Image555& image, int x, int bandTop, const std::string& text,
                    std::uint16_t ink = kBlack, int gap = 1) {
    for (const std::string& name : GlyphNames(text)) {
        if (name == " ") {
            x += 3;
            continue;
        }
        for (std::uint16_t column : HandGlyphs().at(name)) {
            for (int bit = 11; bit >= 0; --bit)
                if (column & (1u << bit)) image.Set(x, bandTop + (11 - bit), ink);
            ++x;
        }
        x += gap;
    }
    return x;
}

// The auction history window: a heading of four names, a gray rule at y = 20 and one row of
// four cells every 16 pixels, cells divided by gray columns. Rows that do not fit the
// window's height are not shown.
struct BiddingPicture {
    int width = 300;
    std::vector<std::string> headings{"Ann", "Bob", "Cid", "Dee"};
    std::vector<std::vector<std::string>> rows;  // four cells each, "" for an empty cell
    std::uint16_t ink = kBlack;

    static constexpr int kRule = 20;
    static int BandTop(int row) { return kRule + 4 + 16 * (row - 1); }  // row from 1
    static int HeightFor(int rowsShown) { return BandTop(rowsShown) + 18; }

    void Paint(Image555& image, int height) const {
        image = Image555(width, height, kWhite);
        for (int c = 0; c < 4; ++c) image.Fill(c * 75, 0, c * 75 + 1, height, kGray);
        image.Fill(width - 1, 0, width, height, kGray);
        image.Fill(1, kRule, width - 1, kRule + 1, kGray);
        for (int c = 0; c < 4 && c < int(headings.size()); ++c)
            DrawText(image, c * 75 + 6, 2, headings[std::size_t(c)], kBlack);
        for (int r = 1; r <= int(rows.size()); ++r) {
            if (BandTop(r) + 12 > height) break;
            for (int c = 0; c < 4; ++c)
                if (!rows[std::size_t(r - 1)][std::size_t(c)].empty())
                    DrawText(image, c * 75 + 6, BandTop(r),
                             rows[std::size_t(r - 1)][std::size_t(c)], ink);
        }
    }
};

// The score window: the vulnerability line near the top, a gray band and the scores near
// the bottom, the two sides divided by a gray column at x = 120.
struct ScorePicture {
    int width = 240;
    std::string vulnerable[2];
    std::string score[2];
    int bandTop = -1;  // row of the gray band; -1: 35 rows above the bottom
    static constexpr int kDivider = 120;
    static constexpr int kVulTop = 30;  // first ink row of the vulnerability line

    void Paint(Image555& image, int height) const {
        image = Image555(width, height, kWhite);
        image.Fill(0, 0, width, 25, kGray);  // title area
        image.Fill(kDivider, 25, kDivider + 1, height, kGray);
        const int band = bandTop >= 0 ? bandTop : height - 35;  // gray band, 5 rows
        image.Fill(0, band, width, band + 5, kGray);
        for (int i = 0; i < 2; ++i) {
            int x = i == 0 ? 40 : kDivider + 10;
            if (!vulnerable[i].empty()) DrawText(image, x, kVulTop - 1, vulnerable[i]);
            if (!score[i].empty()) DrawText(image, i == 0 ? 70 : kDivider + 20, band + 9, score[i]);
        }
    }
};

}  // namespace tallowen::testing

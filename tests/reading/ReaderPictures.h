// Hand-drawn pictures of the last-trick, last-hand and table windows, painted from the
// client's glyph patterns and card faces as written out here (not from the readers' tables).
#pragma once

#include <array>
#include <map>
#include <string>
#include <vector>

#include "HandFont.h"
#include "reading/PixelGrid.h"
#include "sim/ImageDesktop.h"

namespace tallowen::testing {

constexpr std::uint16_t kRed = 0x7C00;
constexpr std::uint16_t kGreen = 0x0200;     // 0, 128, 0: the table's felt
constexpr std::uint16_t kFrameRed = 0x1400;  // levels 5, 0, 0
constexpr std::uint16_t kSilver = 0x6B59;    // 26, 26, 25: a button face, not an even gray

// Glyphs the other pictures do not need.
inline const std::map<std::string, std::vector<std::uint16_t>>& MoreGlyphs() {
    static const std::map<std::string, std::vector<std::uint16_t>> glyphs{
        {"8", {0x3B8, 0x444, 0x444, 0x444, 0x3B8}},
        {"9", {0x3C8, 0x424, 0x424, 0x444, 0x3F8}},
        {"E", {0x7FC, 0x444, 0x444, 0x444, 0x444, 0x444}},
        {"J", {0x018, 0x004, 0x004, 0x004, 0x7F8}},
        {"L", {0x7FC, 0x004, 0x004, 0x004, 0x004, 0x004}},
        {"M", {0x7FC, 0x300, 0x0F0, 0x00C, 0x0F0, 0x300, 0x7FC}},
        {"[", {0x7FF, 0x401}},
        {"]", {0x401, 0x7FF}},
        {"(", {0x0F8, 0x306, 0x401}},
        {")", {0x401, 0x306, 0x0F8}},
        {"m", {0x1FC, 0x080, 0x100, 0x100, 0x0FC, 0x080, 0x100, 0x100, 0x0FC}},
        {"p", {0x1FF, 0x088, 0x104, 0x104, 0x0F8}},
    };
    return glyphs;
}

inline const std::vector<std::uint16_t>& Glyph(const std::string& name) {
    auto it = MoreGlyphs().find(name);
    return it != MoreGlyphs().end() ? it->second : HandGlyphs().at(name);
}

// Like DrawText, with the extra glyphs; "{name}" draws a named glyph ("{#}" a blot).
inline int Write(Image555& image, int x, int bandTop, const std::string& text,
                 std::uint16_t ink = kBlack) {
    for (const std::string& name : GlyphNames(text)) {
        if (name == " ") {
            x += 3;
            continue;
        }
        for (std::uint16_t column : Glyph(name)) {
            for (int bit = 11; bit >= 0; --bit)
                if (column & (1u << bit)) image.Set(x, bandTop + (11 - bit), ink);
            ++x;
        }
        x += 1;
    }
    return x;
}

// Card faces: 9 codes each, the bottom row first; pixel x (or y, lying) is the highest bit.
inline const std::vector<std::uint8_t>& RankFace(int rank) {
    static const std::map<int, std::vector<std::uint8_t>> faces{
        {2, {0, 0, 0, 0x7E, 0x7E, 0x21, 0x10, 0x8, 0xC}},
        {3, {0, 0, 0, 0x3C, 0x62, 0x63, 0x3, 0x6, 0x1C}},
        {4, {0, 0, 0, 0xF, 0x6, 0x6, 0x7F, 0x66, 0x26}},
        {5, {0, 0, 0, 0x7C, 0xE6, 0xC3, 0x3, 0x47, 0x7E}},
        {6, {0, 0, 0, 0x1C, 0x36, 0x63, 0x63, 0x73, 0x6E}},
        {7, {0, 0, 0, 0x18, 0x18, 0x18, 0x8, 0xC, 0x4}},
        {8, {0, 0, 0, 0x1E, 0x33, 0x33, 0x33, 0x33, 0x1E}},
        {9, {0, 0, 0, 0x3C, 0x66, 0x22, 0x3, 0x3F, 0x63}},
        {10, {0, 0, 0, 0xE7, 0xCD, 0xD8, 0xD8, 0xD8, 0xD8}},
        {11, {0, 0, 0, 0x3C, 0x6E, 0x66, 0x6, 0x6, 0x6}},
        {12, {0, 0, 0x7, 0xC, 0x3E, 0x63, 0xC1, 0xC1, 0xC1}},
        {13, {0, 0, 0, 0xF3, 0x67, 0x66, 0x6C, 0x78, 0x70}},
        {14, {0, 0, 0, 0x77, 0x23, 0x23, 0x3F, 0x1E, 0x16}},
    };
    return faces.at(rank);
}
inline const std::vector<std::uint8_t>& SuitFace(int suit) {
    static const std::vector<std::uint8_t> faces[4] = {
        {0x1C, 0x8, 0xEB, 0xFF, 0xEB, 0x8, 0x1C, 0x3E, 0x1C},
        {0x8, 0x1C, 0x3E, 0x7F, 0xFF, 0x7F, 0x3E, 0x1C, 0x8},
        {0x8, 0x1C, 0x3E, 0x7F, 0xFF, 0xFF, 0xFF, 0xF7, 0x63},
        {0x1C, 0x8, 0x6B, 0xFF, 0xFF, 0x7F, 0x3E, 0x1C, 0x8},
    };
    return faces[suit];
}
inline std::vector<std::uint8_t> CardCodes(int suit, int rank) {
    std::vector<std::uint8_t> codes = SuitFace(suit);
    codes.insert(codes.end(), RankFace(rank).begin(), RankFace(rank).end());
    return codes;
}
inline std::uint16_t SuitInk(int suit) {
    return suit == 1 || suit == 2 ? kRed : kBlack;
}

// A card standing upright with its face block at (x, y): row y + 21 - i holds code i.
inline void DrawUpright(Image555& image, int x, int y, int suit, int rank) {
    auto codes = CardCodes(suit, rank);
    for (std::size_t i = 0; i < codes.size(); ++i)
        for (int b = 0; b < 8; ++b)
            if (codes[i] & (0x80 >> b)) image.Set(x + b, y + 21 - int(i), SuitInk(suit));
}
// A card lying on its side: column x + d + i holds code i, pixel y as the highest bit.
inline void DrawSideways(Image555& image, int x, int y, int d, int suit, int rank) {
    auto codes = CardCodes(suit, rank);
    for (std::size_t i = 0; i < codes.size(); ++i)
        for (int b = 0; b < 8; ++b)
            if (codes[i] & (0x80 >> b)) image.Set(x + d + int(i), y + b, SuitInk(suit));
}

// The last-trick window: black rules around the four cards (bottom, left, top, right).
struct TrickPicture {
    std::array<std::array<int, 2>, 4> cards{};  // (suit, rank) by position
    bool rules = true;
    int blot = -1;  // a position whose rank is covered

    // Where each card's face block starts: from the rules below.
    static constexpr int kTopX = 103, kTopY = 11, kBottomY = 133, kSideY = 63;
    static constexpr int kLeftX = 50, kRightX = 215;

    Image555 Paint() const {
        Image555 image(260, 200, kWhite);
        DrawUpright(image, kTopX, kBottomY, cards[0][0], cards[0][1]);
        DrawSideways(image, kLeftX, kSideY, 2, cards[1][0], cards[1][1]);
        DrawUpright(image, kTopX, kTopY, cards[2][0], cards[2][1]);
        DrawSideways(image, kRightX, kSideY, 0, cards[3][0], cards[3][1]);
        if (blot == 0 || blot == 2)
            image.Fill(kTopX + 1, (blot == 0 ? kBottomY : kTopY) + 5, kTopX + 7,
                       (blot == 0 ? kBottomY : kTopY) + 9, kBlack);
        if (rules) {
            image.Fill(90, 8, 151, 9, kBlack);      // above the top card
            image.Fill(90, 40, 151, 41, kBlack);    // below it
            image.Fill(90, 130, 151, 131, kBlack);  // above the bottom card
            image.Fill(20, 60, 61, 61, kBlack);     // above the side cards
            image.Fill(100, 20, 101, 171, kBlack);  // left of the upright cards
            image.Fill(75, 65, 76, 96, kBlack);     // right of the left card
            image.Fill(240, 65, 241, 96, kBlack);   // right of the right card
        }
        return image;
    }
};

// The last-hand window: a gray rule at `anchor`, then four lines 16 pixels apart, each a
// name cell and 13 card cells divided by gray columns.
struct HandPicture {
    int width = 600;
    int anchor = 24;
    std::array<std::string, 4> names{"Ann", "Bob", "Cid", "Dee"};
    std::array<std::array<std::string, 13>, 4> words{};

    static constexpr int kCell = 36, kFirstCell = 100;
    int BandTop(int line) const { return anchor + 4 + 16 * line; }

    Image555 Paint() const {
        Image555 image(width, 100, kWhite);
        image.Fill(0, 0, 1, 100, kGray);
        for (int k = 0; k <= 13; ++k)
            image.Fill(kFirstCell + kCell * k, 0, kFirstCell + kCell * k + 1, 100, kGray);
        for (int y = anchor; y < 100; y += 16) image.Fill(0, y, width, y + 1, kGray);
        for (int h = 0; h < 4; ++h) {
            Write(image, 4, BandTop(h), names[std::size_t(h)]);
            for (int k = 0; k < 13; ++k)
                Write(image, kFirstCell + kCell * k + 4, BandTop(h),
                      words[std::size_t(h)][std::size_t(k)]);
        }
        return image;
    }
};

// The whole table window: buttons with captions at the left edge, the information box in
// its dark red frame (lower left corner of the frame at (frameX, frameY)).
struct TablePicture {
    int width = 640, height = 520;
    std::vector<std::string> captions{"Bidding", "Last Trick", "Last Hand", "Score"};
    bool box = true;
    int frameX = 230, frameY = 470;
    std::vector<std::pair<int, std::string>> boxLines;  // (row below the box top, text)

    static constexpr int kFirstButton = 80, kButtonStep = 28, kCaptionX = 16;
    static int CaptionTop(int i) { return kFirstButton + kButtonStep * i + 5; }
    Rect Box() const { return {frameX + 5, frameY - 5 - 149, frameX + 240, frameY - 5}; }

    Image555 Paint() const {
        Image555 image(width, height, kSilver);
        image.Fill(4, 4, width - 4, 26, 0x0010);  // title bar
        image.Fill(184, 30, width - 4, height - 4, kGreen);
        for (std::size_t i = 0; i < captions.size(); ++i)
            Write(image, kCaptionX, CaptionTop(int(i)), captions[i]);
        if (box) {
            image.Fill(frameX, frameY - 159, frameX + 245, frameY + 1, kFrameRed);
            image.Fill(frameX + 2, frameY - 157, frameX + 243, frameY - 1, kWhite);
            for (const auto& [row, text] : boxLines)
                Write(image, Box().left + 5, Box().top + row, text);
        }
        return image;
    }
};

}  // namespace tallowen::testing

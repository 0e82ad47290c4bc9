// Pictures that are nothing like the client's windows (empty, one pixel, odd sizes, huge,
// noise) must give every reader an ordinary result: no crash, no read outside, no hang.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "ReaderPictures.h"
#include "ReadingFixture.h"
#include "common/Edition.h"
#include "reading/Bidding.h"
#include "reading/Bmp.h"
#include "reading/Buttons.h"
#include "reading/Cards.h"
#include "reading/Glyphs.h"
#include "reading/LastHand.h"
#include "reading/LastTrick.h"
#include "reading/Score.h"
#include "reading/TricksCount.h"
#include "sim/NullBackends.h"

namespace tallowen {
namespace {

using namespace testing;

// Random pixels; with `landmarks` mostly the colours the readers look for (black, gray,
// white, frame red), so that they get deep into their work.
Image555 Noise(int w, int h, unsigned seed, bool landmarks) {
    std::mt19937 random(seed);
    Image555 image(w, h);
    const std::uint16_t palette[] = {0x0000, 0x6318, 0x7FFF, 0x1400, 0x4210};
    for (auto& p : image.pixels) {
        const std::uint16_t v = std::uint16_t(random() & 0xFFFF);
        p = landmarks ? palette[v % 5] : v;
    }
    return image;
}

void ReadLines(ReadingRig& rig) {
    rig.Capture();
    const GlyphTable& glyphs = rig.ctx.glyphs;
    std::string text;
    const int w = rig.ctx.GameGrid.WindowWidth, h = rig.ctx.GameGrid.WindowHeight;
    for (int y : {-20, -1, 0, 5, h - 6, h + 3}) {
        const LineCodes line = BuildLine(rig.ctx, "Test", 1, w - 1, y, 1);
        int pos = 1;
        for (int i = 0; i < 6; ++i) text = ReadWord(glyphs, line, pos);
        pos = FindText(glyphs, line, 2, "Bidding");
        FindLabelAndNumber(glyphs, line, pos, text, "Tricks:");
    }
    CaptureWindowRect(rig.ctx, ImageDesktop::kWindow, rig.ctx.ScreenGrid, Rect{}, true);
    LineCodes line;
    for (int y = -3; y < 20; ++y) {
        line = BuildBoxLine(rig.ctx, 1, rig.ctx.ScreenGrid.WindowWidth - 1, y, std::move(line));
        int pos = 0;
        FindLabelAndNumber(glyphs, line, pos, text, "Tricks:");
    }
}

bool IsCardText(const std::string& card) {
    return card.size() == 2 &&
           std::string_view("23456789TJQKA").find(card[0]) != std::string::npos &&
           std::string_view("CDHS").find(card[1]) != std::string::npos;
}

// Each reader ends with one of its documented codes, and every output lies in its range.
void ReadEverything(ReadingRig& rig, const CardImageTable& images) {
    using R = CaptureResult;
    const AuctionReading auction = CaptAuction(rig.ctx);
    R error = auction.result;
    EXPECT_TRUE(error == R::Read || error == R::AuctionUnreadable || error == R::AuctionIncomplete)
        << Code(error);
    EXPECT_TRUE(auction.rows >= 0 && auction.rows <= kAuctionReadRows + 1) << auction.rows;

    const ScoreReading score = CaptScore(rig.ctx);
    error = score.result;
    EXPECT_TRUE(error == R::Read || error == R::ScoreUnreadable || error == R::BadVulnerable ||
                error == R::BadScoreNumber)
        << Code(error);
    for (const ScoreVul& side : score.scores) {
        EXPECT_TRUE(side.Vul >= -1 && side.Vul <= 1) << side.Vul;
        // Scores are read only when they end in a 0 (or are missing, which is 0).
        EXPECT_TRUE(side.Score == -1 || side.Score % 10 == 0) << side.Score;
    }

    const HandReading hand = CaptHand(rig.ctx, true);
    error = hand.result;
    EXPECT_TRUE(error == R::Read || error == R::HandUnreadable) << Code(error);
    for (int line = 0; line < 4; ++line) {
        for (int k = 0; k < kHandCards; ++k) {
            const std::string& card = hand.cards[line][k];
            EXPECT_TRUE(card.empty() || IsCardText(card)) << card;
            EXPECT_LE(hand.marks[line][k], 2);
        }
    }

    TrickState state;
    const TrickReading trick = CaptTrick(rig.ctx, images, state, TrickMode::Store);
    if (trick.outcome == TrickOutcome::Read) {
        for (std::size_t i = 0; i < 4; ++i) {
            EXPECT_TRUE(trick.suits[i] >= 0 && trick.suits[i] <= 3) << trick.suits[i];
            EXPECT_TRUE(trick.ranks[i] >= 2 && trick.ranks[i] <= 14) << trick.ranks[i];
        }
    }
    EXPECT_TRUE(state.cardCount >= 0 && state.cardCount <= 4) << state.cardCount;

    InfoBoxState box;
    int we = -1, they = -1;
    CaptureTotalTricks(rig.ctx, box, we, they);
    EXPECT_TRUE(we >= -1 && they >= -1) << we << " " << they;

    ButtonState buttons;
    ClickGameButton(rig.ctx, buttons, kAllButtons);
    EXPECT_TRUE(buttons.clickCount >= 0 && buttons.clickCount <= 4) << buttons.clickCount;
    EXPECT_LE(rig.desktop.Clicks(), 4);
    ReadLines(rig);
}

struct Size {
    int width, height;
};

class OddPictures : public ::testing::TestWithParam<Size> {};

TEST_P(OddPictures, NeverBreakTheReaders) {
    const auto [w, h] = GetParam();
    CardImageTable images;
    RecordingSound quiet;
    LoadCardImages(images, quiet);
    const bool huge = w * h > 1000000;
    for (bool landmarks : {false, true}) {
        const Image555 picture = Noise(w, h, unsigned(w + h), landmarks);
        for (Edition edition : {Edition::English, Edition::French, Edition::Italian}) {
            // The huge picture only once: once is enough, and it is slow.
            if (huge && (landmarks || edition != Edition::English)) continue;
            ReadingRig rig(picture, ToInt(edition), "Game: Bridge");
            rig.desktop.SetPlace(Rect{0, 0, w, h});
            ReadEverything(rig, images);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, OddPictures,
                         ::testing::Values(Size{0, 0}, Size{1, 1}, Size{2, 1}, Size{3, 7},
                                           Size{1, 300}, Size{7, 301}, Size{301, 33}, Size{131, 95},
                                           Size{300, 186}, Size{999, 37}, Size{641, 521},
                                           Size{4096, 4096}),
                         [](const auto& info) {
                             return std::to_string(info.param.width) + "x" +
                                    std::to_string(info.param.height);
                         });

TEST(OddData, CodesOfAnyValueAreMatchedSafely) {
    ReadingRig rig(Image555(64, 20));
    rig.Capture();
    const GlyphTable& glyphs = rig.ctx.glyphs;
    LineCodes line = LineCodes::Slots(1, 63);
    std::mt19937 random(3);
    for (int round = 0; round < 200; ++round) {
        for (int x = 1; x <= 63; ++x) line.Set(x, std::uint16_t(random()));
        std::string text;
        const int start = int(random() % 70) - 3;
        int pos = start;
        text = ReadWord(glyphs, line, pos);
        EXPECT_LE(pos, std::max(63, start));
        pos = FindText(glyphs, line, 0, "Tricks:");
        FindLabelAndNumber(glyphs, line, pos, text, "Tricks:");
    }
}

TEST(OddData, CardFacesAnywhereInABufferAreBoundsChecked) {
    std::mt19937 random(11);
    std::vector<std::uint16_t> buffer = ToBuffer(Noise(37, 29, 12, true));
    PixelGrid grid{0, 0, 37, 29, 38, 29, 37, 29};
    CardImageTable images;
    RecordingSound sound;
    LoadCardImages(images, sound);
    for (int i = 0; i < 2000; ++i) {
        int x = int(random() % 120) - 60, y = int(random() % 120) - 60;
        CardBlock block;
        ReadStatus status = ReadCardImage(PixelView(buffer, grid), x, y, int(random() % 4), block);
        int suit = 0, rank = 0;
        MatchCard(images, block, suit, rank);
        if (status != ReadStatus::Read) {
            EXPECT_EQ(rank, 0);
        }
    }
    // An empty buffer behind a grid that claims rows.
    std::vector<std::uint16_t> none;
    CardBlock block;
    EXPECT_EQ(ReadCardImage(PixelView(none, grid), 0, 0, 0, block), ReadStatus::OutsideUpright);
    EXPECT_EQ(ReadCardImage(PixelView(none, grid), 0, 0, 1, block), ReadStatus::OutsideSideways);
}

}  // namespace
}  // namespace tallowen

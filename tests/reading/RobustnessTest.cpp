// Readers given pictures that are nothing like the client's windows must come back with an
// ordinary result, never read outside the buffer and never hang.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "ReadingFixture.h"
#include "reading/Bidding.h"
#include "reading/Glyphs.h"
#include "reading/Score.h"

namespace tallowen {
namespace {

using testing::ReadingRig;

Image555 Noise(int width, int height, unsigned seed, std::uint16_t bits = 0xFFFF) {
    Image555 image(width, height, 0);
    std::mt19937 random(seed);
    for (auto& p : image.pixels) p = std::uint16_t(random() & bits);
    return image;
}

void ReadEverything(ReadingRig& rig) {
    AuctionReading auction;
    std::int32_t error = -1;
    CaptAuction(rig.ctx, auction, error);
    EXPECT_TRUE(error == 0 || error == 14 || error == 15) << error;
    ScorePair scores;
    CaptScore(rig.ctx, scores, error);
    EXPECT_TRUE(error == 0 || error == 3 || error == 5 || error == 6) << error;

    rig.Capture();
    const int width = rig.ctx.GameGrid.WindowWidth;
    rig.ctx.codes.Size(1, width - 1);
    std::string text;
    for (int y :
         {-20, -1, 0, 5, rig.ctx.GameGrid.WindowHeight - 6, rig.ctx.GameGrid.WindowHeight + 3}) {
        GetLineBMP(rig.ctx, "Test", y, 1);
        int pos = 1;
        for (int i = 0; i < 6; ++i) ReadWord(rig.ctx, text, pos);
        FindText(rig.ctx, 2, pos, "Bidding");
        FindLabelAndNumber(rig.ctx, pos, text, "Tricks:");
    }
    CaptureWindowRect(rig.ctx, ImageDesktop::kWindow, rig.ctx.ScreenGrid, Rect{}, true);
    for (int y = -3; y < 20; ++y) {
        GetBoxLineBMP(rig.ctx, y);
        int pos = 0;
        FindLabelAndNumber(rig.ctx, pos, text, "Tricks:");
    }
}

struct Size {
    int width, height;
};

class OddPictures : public ::testing::TestWithParam<Size> {};

TEST_P(OddPictures, NeverBreakTheReaders) {
    const Size s = GetParam();
    for (unsigned seed : {1u, 2u}) {
        ReadingRig rig(Noise(s.width, s.height, seed));
        ReadEverything(rig);
        // Mostly gray, white and black pixels: landmarks everywhere.
        Image555 image = Noise(s.width, s.height, seed + 10);
        const std::uint16_t palette[] = {0x6318, 0x7FFF, 0x0000, 0x4210};
        for (auto& p : image.pixels) p = palette[p & 3];
        ReadingRig landmarks(std::move(image));
        ReadEverything(landmarks);
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, OddPictures,
                         ::testing::Values(Size{0, 0}, Size{1, 1}, Size{2, 1}, Size{1, 300},
                                           Size{301, 7}, Size{7, 301}, Size{121, 121},
                                           Size{300, 186}, Size{999, 37}));

TEST(OddPictures, HugeNoiseIsReadWithinItsBuffer) {
    ReadingRig rig(Noise(4096, 4096, 7));
    rig.desktop.SetPlace(Rect{0, 0, 4096, 4096});
    ReadEverything(rig);
}

TEST(OddPictures, CodesOfAnyValueAreMatchedSafely) {
    ReadingRig rig(Image555(64, 20));
    rig.Capture();
    rig.ctx.codes.Size(1, 63);
    std::mt19937 random(3);
    for (int round = 0; round < 200; ++round) {
        for (int x = 1; x <= 63; ++x) rig.ctx.codes.Set(x, std::uint16_t(random()));
        std::string text;
        const int start = int(random() % 70) - 3;
        int pos = start;
        ReadWord(rig.ctx, text, pos);
        EXPECT_LE(pos, std::max(63, start));
        pos = 1;
        FindText(rig.ctx, 0, pos, "Tricks:");
        FindLabelAndNumber(rig.ctx, pos, text, "Tricks:");
    }
}

}  // namespace
}  // namespace tallowen

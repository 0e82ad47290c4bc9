// Pictures that are no game window at all (empty, one pixel, noise, odd sizes) must give
// ordinary failures from every reader of this group, never a crash or a read outside.
#include <gtest/gtest.h>

#include <random>

#include "ReaderPictures.h"
#include "ReadingFixture.h"
#include "reading/Bmp.h"
#include "reading/Buttons.h"
#include "reading/Cards.h"
#include "reading/LastHand.h"
#include "reading/LastTrick.h"
#include "reading/TricksCount.h"

namespace tallowen {
namespace {

using namespace testing;

Image555 Noise(int w, int h, std::uint32_t seed, bool inky) {
    std::mt19937 random(seed);
    Image555 image(w, h);
    for (auto& p : image.pixels) {
        std::uint16_t v = std::uint16_t(random() & 0xFFFF);
        // Mostly the colours the readers look for, so that they get deep into their work.
        switch (inky ? random() % 5 : 4) {
            case 0:
                p = 0;
                break;
            case 1:
                p = 0x6318;
                break;
            case 2:
                p = 0x7FFF;
                break;
            case 3:
                p = 0x1400;
                break;
            default:
                p = v;
                break;
        }
    }
    return image;
}

class NotAWindow : public ::testing::TestWithParam<std::tuple<int, int, int>> {};

TEST_P(NotAWindow, NoReaderCrashes) {
    auto [w, h, seed] = GetParam();
    for (bool inky : {false, true}) {
        Image555 picture = Noise(w, h, std::uint32_t(seed), inky);
        CardImageTable images;
        CountingSound quiet;
        LoadCardImages(images, quiet);
        for (int language : {1, 4, 5}) {
            ReadingRig rig(picture, language, "Game: Bridge");
            HandReading hand;
            std::int32_t error = -1;
            CaptHand(rig.ctx, hand, error, true);
            EXPECT_TRUE(error == kHandRead || error == kHandUnreadable);

            TrickState state;
            std::array<int, 4> suits{}, ranks{};
            CaptTrick(rig.ctx, images, state, suits, ranks, TrickMode::NewOnly);
            EXPECT_TRUE(ranks[0] == -1 || (ranks[0] >= 0 && ranks[0] <= 14));

            InfoBoxState box;
            int we = -1, they = -1;
            CaptureTotalTricks(rig.ctx, box, we, they);
            EXPECT_GE(we, -1);

            ButtonState buttons;
            ClickGameButton(rig.ctx, buttons, kAllButtons);
            EXPECT_LE(buttons.clickCount, 4);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, NotAWindow,
                         ::testing::Values(std::tuple{0, 0, 1}, std::tuple{1, 1, 2},
                                           std::tuple{3, 7, 3}, std::tuple{301, 33, 4},
                                           std::tuple{131, 95, 5}, std::tuple{259, 200, 6},
                                           std::tuple{641, 521, 7}));

TEST(NotAWindow, CardFacesAnywhereInABufferAreBoundsChecked) {
    std::mt19937 random(11);
    Image555 picture = Noise(37, 29, 12, true);
    std::vector<std::uint16_t> buffer = ToBuffer(picture);
    PixelGrid grid{0, 0, 37, 29, 38, 29, 37, 29};
    CardImageTable images;
    CountingSound sound;
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

TEST(NotAWindow, RandomBytesAreNoBmp) {
    std::mt19937 random(5);
    for (int i = 0; i < 300; ++i) {
        std::string bytes(std::size_t(random() % 200), '\0');
        for (auto& c : bytes) c = char(random());
        if (i % 2 && bytes.size() > 2) bytes[0] = 'B', bytes[1] = 'M';
        BmpRead r = ReadBmp(bytes);
        if (r.ok) {
            EXPECT_GT(r.image.width, 0);
        }
    }
}

}  // namespace
}  // namespace tallowen

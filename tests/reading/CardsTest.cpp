// Card faces of the last-trick window: reading a face block and matching it to a card.
#include <gtest/gtest.h>

#include "ReaderPictures.h"
#include "reading/Bmp.h"
#include "reading/Cards.h"
#include "sim/NullBackends.h"

namespace tallowen {
namespace {

using namespace testing;

struct CardSpot {
    int position;
    int x, y;
};

class CardFaces : public ::testing::Test {
protected:
    void SetUp() override { LoadCardImages(images, sound); }

    // Reads the face at `spot` of a picture holding one card drawn there.
    void Read(const Image555& picture, CardSpot spot, int& suit, int& rank, ReadStatus& status) {
        buffer = ToBuffer(picture);
        grid = PixelGrid{0,
                         0,
                         picture.width,
                         picture.height,
                         picture.width + (picture.width & 1),
                         picture.height,
                         picture.width,
                         picture.height};
        CardBlock block;
        status = ReadCardImage(PixelView(buffer, grid), spot.x, spot.y, spot.position, block);
        MatchCard(images, block, suit, rank);
    }

    CardImageTable images;
    RecordingSound sound;
    std::vector<std::uint16_t> buffer;
    PixelGrid grid;
};

TEST_F(CardFaces, BadImageLinesBeepAndNoImagesOrAnUnknownRankMatchNoCard) {
    EXPECT_EQ(sound.beeps, 0);
    CardImageTable t;
    RecordingSound s;
    LoadCardImages(t, s,
                   {"A 0 0 0 77 23 23 3F 1E", "K 0 0 0 F3 67 66 6C 78 70 1 2", "X 1 2 3",
                    "[ 0 0 0 0 0 0 0 0 0", "Q 0 0 ZZ 1 1 1 1 1 1", "AS 1"});
    EXPECT_EQ(s.beeps, 6);
    EXPECT_EQ(t.images[14].count, 8);
    EXPECT_EQ(t.images[13].count, 11);
    EXPECT_EQ(t.images[13].codes[8], 0x70);  // codes beyond nine are not kept
    EXPECT_EQ(t.images[12].count, 0);

    int suit = 9, rank = 9;
    MatchCard(CardImageTable{}, CardBlock{}, suit, rank);
    EXPECT_EQ(rank, 0) << "not even a blank face matches an empty table";
    CardBlock block;
    auto codes = SuitFace(1);
    std::copy(codes.begin(), codes.end(), block.codes.begin());
    block.codes[12] = 0x55;
    MatchCard(images, block, suit, rank);
    EXPECT_EQ(rank, 0);
}

class EveryCard : public CardFaces, public ::testing::WithParamInterface<std::tuple<int, int>> {};

TEST_P(EveryCard, ReadsUprightAndLying) {
    auto [suit, rank] = GetParam();
    for (int position = 0; position < 4; ++position) {
        Image555 picture(60, 60, kWhite);
        if (position % 2 == 0)
            DrawUpright(picture, 20, 10, suit, rank);
        else
            DrawSideways(picture, 10, 20, position == 1 ? 3 : 0, suit, rank);
        int s = -1, r = -1;
        ReadStatus status;
        Read(picture, position % 2 == 0 ? CardSpot{position, 20, 10} : CardSpot{position, 10, 20},
             s, r, status);
        EXPECT_EQ(status, ReadStatus::Read);
        EXPECT_EQ(s, suit) << "position " << position;
        EXPECT_EQ(r, rank) << "position " << position;
    }
}

INSTANTIATE_TEST_SUITE_P(Deck, EveryCard,
                         ::testing::Combine(::testing::Range(0, 4), ::testing::Range(2, 15)));

TEST_F(CardFaces, GreenIsInkOnUprightFacesOnly) {
    // Upright faces take blue level 0 as ink, lying ones green below 15: both take red and
    // black, and a pure green pixel counts only on an upright face.
    Image555 picture(60, 60, kWhite);
    DrawUpright(picture, 20, 10, 2, 14);
    int s = 0, r = 0;
    ReadStatus status;
    Read(picture, {0, 20, 10}, s, r, status);
    EXPECT_EQ(r, 14);
    picture.Set(27, 10, Rgb555(0, 31, 0));  // a green dot in the block's top row
    Read(picture, {0, 20, 10}, s, r, status);
    EXPECT_EQ(r, 14) << "row 10 is code 21, beyond the compared codes";
    picture.Set(27, 14, Rgb555(0, 31, 0));  // inside the rank
    Read(picture, {0, 20, 10}, s, r, status);
    EXPECT_EQ(r, 0);

    Image555 lying(60, 60, kWhite);
    DrawSideways(lying, 10, 20, 0, 2, 14);
    lying.Set(10 + 9 + 8, 27, Rgb555(0, 31, 0));  // last code of the rank, lowest bit
    Read(lying, {1, 10, 20}, s, r, status);
    EXPECT_EQ(s, 2);
    EXPECT_EQ(r, 14);
    lying.Set(10 + 9 + 8, 27, kRed);
    Read(lying, {1, 10, 20}, s, r, status);
    EXPECT_EQ(r, 0);
}

TEST_F(CardFaces, BlankBlocksAreNoCard) {
    Image555 picture(60, 60, kWhite);
    DrawUpright(picture, 20, 10, 3, 12);
    int s = 0, r = 0;
    ReadStatus status;
    Read(picture, {2, 20, 11}, s, r, status);  // one row too low: the block starts blank
    EXPECT_EQ(status, ReadStatus::Read);
    EXPECT_EQ(r, 0);
    Read(picture, {1, 40, 40}, s, r, status);  // nothing lying there
    EXPECT_EQ(r, 0);
}

}  // namespace
}  // namespace tallowen

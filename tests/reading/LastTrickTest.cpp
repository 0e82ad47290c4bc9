// The last-trick window: four cards by table position, the modes that keep or reject a trick.
#include <gtest/gtest.h>

#include "ReaderPictures.h"
#include "ReadingFixture.h"
#include "reading/LastTrick.h"
#include "sim/NullBackends.h"

namespace tallowen {
namespace {

using namespace testing;

class LastTrick : public ::testing::Test {
protected:
    LastTrick() { LoadCardImages(images, sound); }

    TrickReading read;
    CardImageTable images;
    RecordingSound sound;
    TrickState state;

    void Read(const TrickPicture& picture, TrickMode mode, ReadingRig* rig = nullptr) {
        ReadingRig own(picture.Paint(), 1, "Last Trick");
        ReadingRig& r = rig ? *rig : own;
        read = CaptTrick(r.ctx, images, state, mode);
    }
};

TrickPicture Trick(std::array<std::array<int, 2>, 4> cards) {
    TrickPicture p;
    p.cards = cards;
    return p;
}

TEST_F(LastTrick, StoreCountsAndReportsEachCardResetCountStartsAgain) {
    std::vector<int> played;
    state.playedCard = [&](int suit, int rank) { played.push_back(suit * 100 + rank); };
    Read(Trick({{{0, 5}, {0, 6}, {0, 7}, {0, 8}}}), TrickMode::Store);
    Read(Trick({{{1, 5}, {1, 6}, {1, 7}, {1, 8}}}), TrickMode::Store);
    EXPECT_EQ(state.cardCount, 8);
    EXPECT_EQ(played, (std::vector<int>{5, 6, 7, 8, 105, 106, 107, 108}));
    Read(Trick({{{2, 5}, {2, 6}, {2, 7}, {2, 8}}}), TrickMode::ResetCount);
    EXPECT_EQ(state.cardCount, 0);
    EXPECT_EQ(state.previousSuits, (std::array<int, 4>{2, 2, 2, 2}));
}

TEST_F(LastTrick, NewOnlyRejectsATrickSharingOneCardInItsPosition) {
    Read(Trick({{{3, 2}, {3, 3}, {3, 4}, {3, 5}}}), TrickMode::Store);
    // Only the left card is the same as before: still not a new trick.
    Read(Trick({{{2, 2}, {3, 3}, {2, 4}, {2, 5}}}), TrickMode::NewOnly);
    EXPECT_EQ(read.outcome, TrickOutcome::Repeated);
    EXPECT_EQ(read.ranks, (std::array<int, 4>{0, 0, 0, 0}));
    EXPECT_EQ(state.cardCount, 4);
    // The same cards in other positions make a new trick.
    Read(Trick({{{3, 3}, {3, 2}, {3, 5}, {3, 4}}}), TrickMode::NewOnly);
    EXPECT_EQ(read.outcome, TrickOutcome::Read);
    EXPECT_EQ(read.ranks, (std::array<int, 4>{3, 2, 5, 4}));
    EXPECT_EQ(state.cardCount, 8);
}

TEST_F(LastTrick, ACoveredCardMissingRulesOrAClosedWindowReadNothing) {
    TrickPicture p = Trick({{{0, 9}, {1, 9}, {2, 9}, {3, 9}}});
    p.blot = 2;
    ReadingRig rig(p.Paint(), 1, "Last Trick");
    Read(p, TrickMode::Store, &rig);
    EXPECT_EQ(read.outcome, TrickOutcome::Unreadable);
    EXPECT_EQ(read.ranks, (std::array<int, 4>{0, 0, 0, 0}));
    EXPECT_EQ(state.cardCount, 0);
    EXPECT_EQ(rig.desktop.Copies(), 2);

    p.blot = -1;
    p.rules = false;
    Read(p, TrickMode::Store);
    EXPECT_EQ(read.outcome, TrickOutcome::Unreadable);
    p.rules = true;
    ReadingRig closed(p.Paint(), 1, "Last Trick");
    closed.desktop.FailCopies(true);
    Read(p, TrickMode::Store, &closed);
    EXPECT_EQ(read.outcome, TrickOutcome::Unreadable);
}

}  // namespace
}  // namespace tallowen

// The last-hand window: names, thirteen cards a line in the system's notation, and marks.
#include <gtest/gtest.h>

#include "ReaderPictures.h"
#include "ReadingFixture.h"
#include "reading/LastHand.h"

namespace tallowen {
namespace {

using namespace testing;

// One hand line from thirteen words separated by spaces.
std::array<std::string, 13> Line(const std::string& words) {
    std::array<std::string, 13> line;
    std::size_t at = 0;
    for (auto& w : line) {
        const std::size_t end = std::min(words.find(' ', at), words.size());
        w = words.substr(at, end - at);
        at = end + 1;
    }
    return line;
}

HandPicture EnglishHand() {
    HandPicture p;
    p.words = {{Line("AS KS [10S] 9H 8H 7H 6D 5D 4D 3C 2C JC QC"),
                Line("QS JS 9S AH KH (QH) JH AD KD QD AC KC 10C"),
                Line("8S 7S 6S 10H 6H 5H 4H JD 10D 9D 9C 8C 7C"),
                Line("5S 4S 3S 2S 3H 2H 8D 7D 3D 2D 6C 5C 4C")}};
    return p;
}

// A last-hand window read once, in the given edition.
struct HandRun {
    HandRun(const HandPicture& p, int language = 1, bool minimise = false)
        : rig(p.Paint(), language, "Last Hand") {
        Read(minimise);
    }
    void Read(bool minimise) {
        hand = CaptHand(rig.ctx, minimise);
        error = hand.result;
    }
    ReadingRig rig;
    HandReading hand;
    CaptureResult error{};
};

TEST(LastHand, ReadsNamesCardsAndMarksAndDropsUnreadableEndsOfNames) {
    HandPicture p = EnglishHand();
    p.names[2] = "{#}Cid{#}";
    p.names[3] = "{#}";
    HandRun run(p, 1, true);
    EXPECT_EQ(run.error, CaptureResult::Read);
    EXPECT_EQ(run.hand.names, (std::array<std::string, 4>{"Ann", "Bob", "Cid", ""}));
    EXPECT_EQ(run.hand.cards[0][2], "TS");
    EXPECT_EQ(run.hand.marks[0][2], 1);
    EXPECT_EQ(run.hand.cards[1][5], "QH");
    EXPECT_EQ(run.hand.marks[1][5], 2);
    EXPECT_EQ(run.hand.cards[3][12], "4C");
    EXPECT_TRUE(run.rig.desktop.Minimized()) << "the setting asks for it";
}

TEST(LastHand, AWordThatIsNoCardIsError22AndKeepsWhatWasRead) {
    for (const char* bad : {"", "A", "AX", "K{#}", "{#}S", "[A"}) {
        HandPicture p = EnglishHand();
        p.words[1][4] = bad;
        HandRun run(p, 1, true);
        EXPECT_EQ(run.error, CaptureResult::HandUnreadable) << bad;
        EXPECT_EQ(run.hand.cards[0][12], "QC") << "the first line stays";
        EXPECT_EQ(run.hand.cards[1][3], "AH");
        EXPECT_EQ(run.hand.names[2], "") << "nothing after the bad card";
        EXPECT_FALSE(run.rig.desktop.Minimized());
    }
}

TEST(LastHand, AnAnchorAtRowTwentyIsRejectedFourTimesAnUncopiableWindowReadsEmpty) {
    HandPicture p = EnglishHand();
    p.anchor = 20;
    HandRun run(p, 1, true);
    EXPECT_EQ(run.error, CaptureResult::HandUnreadable);
    EXPECT_EQ(run.rig.desktop.Copies(), 4);
    EXPECT_EQ(run.hand.names[0], "");
    EXPECT_TRUE(run.rig.desktop.Minimized());
    p.anchor = 21;
    HandRun moved(p);
    EXPECT_EQ(moved.error, CaptureResult::Read);
    EXPECT_EQ(moved.hand.cards[0][0], "AS");
    EXPECT_FALSE(moved.rig.desktop.Minimized());

    // Nothing to read and nothing wrong in it: the caller finds the hand incomplete.
    moved.rig.desktop.FailCopies(true);
    moved.Read(true);
    EXPECT_EQ(moved.error, CaptureResult::Read);
    EXPECT_EQ(moved.hand.names[0], "");
    EXPECT_FALSE(moved.rig.desktop.Minimized());
}

}  // namespace
}  // namespace tallowen

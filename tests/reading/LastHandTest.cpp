// The last-hand window: names, thirteen cards a line in the system's notation, and marks.
#include <gtest/gtest.h>

#include "ReaderPictures.h"
#include "ReadingFixture.h"
#include "reading/LastHand.h"

namespace tallowen {
namespace {

using namespace testing;

struct WordCase {
    int language;
    const char* word;
    const char* card;  // nullptr: not a card
    int mark;
};

class CardWords : public ::testing::TestWithParam<WordCase> {};

TEST_P(CardWords, BecomeCardsOrFail) {
    const WordCase& c = GetParam();
    std::string card;
    std::uint8_t mark = 9;
    bool ok = NormaliseCardWord(c.word, c.language, card, mark);
    EXPECT_EQ(ok, c.card != nullptr) << c.word;
    if (c.card) {
        EXPECT_EQ(card, c.card) << c.word;
    }
    EXPECT_EQ(mark, c.mark) << c.word;
}

INSTANTIATE_TEST_SUITE_P(
    Editions, CardWords,
    ::testing::Values(
        WordCase{1, "10H", "TH", 0}, WordCase{1, "[AS]", "AS", 1}, WordCase{1, "(7C)", "7C", 2},
        WordCase{1, "[10D]", "TD", 1}, WordCase{1, "QD", "QD", 0},
        // French: roi, dame, valet; trefle, carreau, coeur, pique.
        WordCase{4, "RP", "KS", 0}, WordCase{4, "DK", "QD", 0}, WordCase{4, "VT", "JC", 0},
        WordCase{4, "10C", "TH", 0}, WordCase{4, "(AP)", "AS", 2},
        // German and Argentine: T D C P.
        WordCase{3, "AT", "AC", 0}, WordCase{3, "KC", "KH", 0}, WordCase{9, "2P", "2S", 0},
        WordCase{5, "AF", "AC", 0}, WordCase{5, "KP", "KS", 0}, WordCase{5, "9Q", "9D", 0},
        // Mexico: only P is mapped.
        WordCase{7, "AP", "AS", 0}, WordCase{7, "AC", "AC", 0},
        // Not cards: the line is a failed read.
        WordCase{1, "", nullptr, 0}, WordCase{1, "A", nullptr, 0}, WordCase{1, "[A", nullptr, 1},
        WordCase{1, "AX", nullptr, 0}, WordCase{1, "ZS", nullptr, 0}, WordCase{1, "K?", nullptr, 0},
        WordCase{1, "?S", nullptr, 0}, WordCase{5, "AD", nullptr, 0},
        WordCase{4, "KD", nullptr, 0}));

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
    void Read(bool minimise) { CaptHand(rig.ctx, hand, error, minimise); }
    ReadingRig rig;
    HandReading hand;
    std::int32_t error = -1;
};

TEST(LastHand, ReadsNamesCardsAndMarks) {
    HandRun run(EnglishHand());
    EXPECT_EQ(run.error, kHandRead);
    EXPECT_EQ(run.hand.names, (std::array<std::string, 4>{"Ann", "Bob", "Cid", "Dee"}));
    EXPECT_EQ(run.hand.cards[0][2], "TS");
    EXPECT_EQ(run.hand.marks[0][2], 1);
    EXPECT_EQ(run.hand.cards[1][5], "QH");
    EXPECT_EQ(run.hand.marks[1][5], 2);
    EXPECT_EQ(run.hand.cards[3][12], "4C");
    EXPECT_FALSE(run.rig.desktop.Minimized());
}

TEST(LastHand, UnreadableEndsOfANameAreDropped) {
    HandPicture p = EnglishHand();
    p.names[2] = "{#}Cid{#}";
    p.names[3] = "{#}";
    HandRun run(p, 1, true);
    EXPECT_EQ(run.error, kHandRead);
    EXPECT_EQ(run.hand.names[2], "Cid");
    EXPECT_EQ(run.hand.names[3], "");
    EXPECT_TRUE(run.rig.desktop.Minimized()) << "the setting asks for it";
}

TEST(LastHand, AWordThatIsNoCardIsError22AndKeepsWhatWasRead) {
    for (const char* bad : {"", "A", "AX", "K{#}"}) {
        HandPicture p = EnglishHand();
        p.words[1][4] = bad;
        HandRun run(p, 1, true);
        EXPECT_EQ(run.error, kHandUnreadable) << bad;
        EXPECT_EQ(run.hand.cards[0][12], "QC") << "the first line stays";
        EXPECT_EQ(run.hand.cards[1][3], "AH");
        EXPECT_EQ(run.hand.names[2], "") << "nothing after the bad card";
        EXPECT_FALSE(run.rig.desktop.Minimized());
    }
}

TEST(LastHand, AnAnchorAtRowTwentyIsRejectedFourTimes) {
    HandPicture p = EnglishHand();
    p.anchor = 20;
    HandRun run(p, 1, true);
    EXPECT_EQ(run.error, kHandUnreadable);
    EXPECT_EQ(run.rig.desktop.Copies(), 4);
    EXPECT_EQ(run.hand.names[0], "");
    EXPECT_TRUE(run.rig.desktop.Minimized());
    p.anchor = 21;
    HandRun moved(p);
    EXPECT_EQ(moved.error, kHandRead);
    EXPECT_EQ(moved.hand.cards[0][0], "AS");
}

TEST(LastHand, AWindowThatCannotBeCopiedLeavesTheOutputsAlone) {
    HandRun run(EnglishHand());
    run.rig.desktop.FailCopies(true);
    run.hand.names[0] = "kept";
    run.Read(true);
    EXPECT_EQ(run.error, kHandRead);
    EXPECT_EQ(run.hand.names[0], "kept");
    EXPECT_FALSE(run.rig.desktop.Minimized());
}

TEST(LastHand, ItalianToSpanishEditionsWidenANarrowWindow) {
    for (int language : {1, 4, 5, 9}) {
        ReadingRig rig(EnglishHand().Paint(), language, "Last Hand");
        rig.desktop.SetPlace({10, 20, 10 + 500, 120});
        HandReading hand;
        std::int32_t error = -1;
        CaptHand(rig.ctx, hand, error, false);
        EXPECT_EQ(rig.desktop.Place(), (Rect{10, 20, 10 + (language >= 5 ? 580 : 500), 120}))
            << language;
    }
}

TEST(LastHand, ItalianLettersBecomeTheSystemsSuits) {
    HandPicture p;
    for (int h = 0; h < 4; ++h)
        for (int k = 0; k < 13; ++k)
            p.words[std::size_t(h)][std::size_t(k)] =
                std::string(1, "AKQJ98765432A"[k]) + "FQCP"[h];
    HandRun run(p, 5);
    EXPECT_EQ(run.error, kHandRead);
    EXPECT_EQ((std::array<std::string, 4>{run.hand.cards[0][0], run.hand.cards[1][1],
                                          run.hand.cards[2][2], run.hand.cards[3][3]}),
              (std::array<std::string, 4>{"AC", "KD", "QH", "JS"}));
}

}  // namespace
}  // namespace tallowen

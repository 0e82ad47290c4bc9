// Who won each trick of a play record: the lead marks of the next trick, and the cards of
// the last trick played (a claim's unplayed cards included).
#include <gtest/gtest.h>

#include <string>

#include "common/Notation.h"
#include "records/PlayAnalysis.h"

namespace tallowen {
namespace {

// Each seat's cards of one trick, seat 0 first; the leader's card carries mark 1.
struct PlayBuilder {
    CardCodeGrid codes{};
    CardMarkGrid marks{};
    void Trick(int t, std::array<const char*, 4> cards, int leader) {
        for (int s = 0; s < 4; ++s) {
            codes[s][t] = std::int16_t(CardCode(cards[s]));
            marks[s][t] = s == leader ? 1 : 0;
        }
    }
    void Unplayed(int from) {
        for (int t = from; t < 13; ++t)
            for (int s = 0; s < 4; ++s) marks[s][t] = 2;
    }
    TrickFlagGrid won;
    TrickCounts count;
    void Decide(int trump) { TrickWinners(won, count, codes, marks, trump); }
    int Winner(int t) const {
        int winner = -1;
        for (int s = 0; s < 4; ++s)
            if (won[s][t]) {
                EXPECT_EQ(winner, -1) << "two winners of trick " << t;
                winner = s;
            }
        return winner;
    }
    int Total() const { return count[0] + count[1] + count[2] + count[3]; }
};

// North holds the spades, East the hearts, South the diamonds, West the clubs; trick t is led
// by seat t % 4. The next lead, not the cards, says who won each trick but the last.
PlayBuilder RotatingLeads() {
    PlayBuilder p;
    const char* ranks = "AKQJT98765432";
    for (int t = 0; t < 13; ++t) {
        std::string r(1, ranks[t]);
        p.Trick(t, {(r + "S").c_str(), (r + "H").c_str(), (r + "D").c_str(), (r + "C").c_str()},
                t % 4);
    }
    return p;
}

TEST(TrickWinners, ClaimAfterOneTrickDecidesItByTrumpOrByLedSuit) {
    PlayBuilder p;
    p.Trick(0, {"KS", "2H", "5S", "3S"}, 0);
    p.Unplayed(1);
    p.Decide(2);
    EXPECT_EQ(p.Winner(0), 1);
    EXPECT_EQ(p.count, (TrickCounts{0, 1, 0, 0}));
    for (int t = 1; t < 13; ++t) EXPECT_EQ(p.Winner(t), -1);
    p.Decide(4);
    EXPECT_EQ(p.Winner(0), 0);
    EXPECT_EQ(p.count, (TrickCounts{1, 0, 0, 0}));

    p.Trick(0, {"AD", "3C", "KD", "9C"}, 2);  // the higher of two trumps
    p.Decide(0);
    EXPECT_EQ(p.Winner(0), 3);
    p.Decide(1);  // trump led: the highest card of the led suit, as in no trump
    EXPECT_EQ(p.Winner(0), 0);
}

TEST(TrickWinners, CompletePlayFollowsTheLeadsAndDecidesTheLastTrickByCards) {
    PlayBuilder p = RotatingLeads();
    p.Decide(4);
    for (int t = 0; t < 12; ++t) EXPECT_EQ(p.Winner(t), (t + 1) % 4) << "trick " << t;
    EXPECT_EQ(p.Winner(12), 0);  // spade led, nobody follows
    EXPECT_EQ(p.count, (TrickCounts{4, 3, 3, 3}));
    p.Decide(2);
    EXPECT_EQ(p.Winner(12), 1);  // ruffed with the two of hearts
    EXPECT_EQ(p.count, (TrickCounts{3, 4, 3, 3}));

    for (auto& row : p.marks) row.fill(0);  // unmarked: only the last trick, North leading
    p.Decide(4);
    EXPECT_EQ(p.count, (TrickCounts{1, 0, 0, 0}));
}

// A claim once the trick was led leaves the remaining cards forced: the cards still held
// (round brackets) take part in deciding that trick.
TEST(TrickWinners, UnplayedCardsOfTheTrickStillToDecideCount) {
    PlayBuilder p;
    p.Trick(0, {"5S", "9S", "AS", "2S"}, 0);
    p.marks[2][0] = p.marks[3][0] = 2;
    p.Unplayed(1);
    p.Decide(4);
    EXPECT_EQ(p.Winner(0), 2);  // the ace still held wins
    p.codes[3][0] = std::int16_t(CardCode("2H"));
    p.Decide(2);
    EXPECT_EQ(p.Winner(0), 3);  // and a trump still held ruffs

    // The last trick led by North, East's ace still held: East's side takes it.
    p = RotatingLeads();
    p.codes[0][12] = std::int16_t(CardCode("2S"));
    p.codes[1][12] = std::int16_t(CardCode("AS"));
    for (int s = 1; s < 4; ++s) p.marks[s][12] = 2;
    p.Decide(4);
    EXPECT_EQ(p.Winner(12), 1);

    // Trick 13 shows an unplayed card first, so trick 12 is decided by its cards: West's club
    // lead, which nobody follows, rather than by East's lead mark after it.
    p = RotatingLeads();
    p.marks[0][12] = 2;
    p.marks[1][12] = 1;
    p.Decide(4);
    EXPECT_EQ(p.Winner(11), 3);
    EXPECT_EQ(p.Winner(12), -1);
    EXPECT_EQ(p.Total(), 12);
}

}  // namespace
}  // namespace tallowen

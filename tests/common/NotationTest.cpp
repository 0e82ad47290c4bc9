#include <gtest/gtest.h>

#include "common/Notation.h"

namespace tallowen {
namespace {

struct CodeCase {
    const char* token;
    int code;
};
class CardCodeTable : public ::testing::TestWithParam<CodeCase> {};

TEST_P(CardCodeTable, CodesSuitTimesHundredPlusRank) {
    EXPECT_EQ(CardCode(GetParam().token), GetParam().code) << GetParam().token;
}

INSTANTIATE_TEST_SUITE_P(Tokens, CardCodeTable,
                         ::testing::Values(CodeCase{"[AS]", 314}, CodeCase{"(AS)", 314},
                                           CodeCase{"KD", 113}, CodeCase{"", 0},
                                           // No suit letter: the rank alone.
                                           CodeCase{"Ax", 14},
                                           // No rank character: the suit alone.
                                           CodeCase{"xS", 300},
                                           // Lower case is no card.
                                           CodeCase{"as", 0},
                                           // Three characters or more: second and third.
                                           CodeCase{"xQH", 212}, CodeCase{"[2D", 102}));

TEST(CardText, EveryCardReadsBackToItsCodeAndOtherCodesHaveNoText) {
    for (int suit = 0; suit < 4; ++suit)
        for (int rank = 2; rank <= 14; ++rank)
            EXPECT_EQ(CardCode(CardText(suit * 100 + rank)), suit * 100 + rank);
    EXPECT_EQ(CardText(10), "TC");
    for (int code : {0, 15, 414}) EXPECT_EQ(CardText(code), "") << code;
}

TEST(SuitLetter, LettersOfTheFiveStrainsReadBackAndNothingElseIsAStrain) {
    for (int i = 0; i <= 4; ++i) EXPECT_EQ(SuitIndex(SuitLetter(i)), i);
    for (auto [text, index] : {std::pair{"NTX", 4}, {"Hx", 2}, {"nt", 0}, {"", 0}})
        EXPECT_EQ(SuitIndex(text), index) << text;
    EXPECT_EQ(SuitLetter(5) + SuitLetter(-1) + SeatLetter(4), "");
}

TEST(Calls, PassWordsAndStrains) {
    for (const char* pass : {"パス", "Pass", "Passe"}) EXPECT_TRUE(IsPass(pass)) << pass;
    for (const char* other : {"pass", "X"}) EXPECT_FALSE(IsPass(other)) << other;
    for (auto [call, strain] :
         {std::pair{"", -1}, {"XX", -1}, {"パス", -1}, {"3NT", 4}, {"2D", 1}, {"1?", 0}})
        EXPECT_EQ(CallStrain(call), strain) << call;
}

// --- Play grids ---

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

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
                         ::testing::Values(CodeCase{"AS", 314}, CodeCase{"[AS]", 314},
                                           CodeCase{"(AS)", 314}, CodeCase{"TC", 10},
                                           CodeCase{"KD", 113}, CodeCase{"2C", 2},
                                           CodeCase{"9H", 209}, CodeCase{"JH", 211},
                                           CodeCase{"QS", 312}, CodeCase{"", 0},
                                           // No suit letter: the rank alone.
                                           CodeCase{"A", 14}, CodeCase{"Ax", 14},
                                           // No rank character: the suit alone.
                                           CodeCase{"xS", 300},
                                           // Lower case is no card.
                                           CodeCase{"as", 0},
                                           // Three characters or more: second and third.
                                           CodeCase{"xQH", 212}, CodeCase{"[2D", 102}));

struct SuitCase {
    const char* text;
    int index;
};

class SuitIndexTable : public ::testing::TestWithParam<SuitCase> {};

TEST_P(SuitIndexTable, ReadsLetterOrNoTrump) {
    EXPECT_EQ(SuitIndex(GetParam().text), GetParam().index) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Texts, SuitIndexTable,
                         ::testing::Values(SuitCase{"C", 0}, SuitCase{"D", 1}, SuitCase{"H", 2},
                                           SuitCase{"S", 3}, SuitCase{"NT", 4}, SuitCase{"NTX", 4},
                                           SuitCase{"Hx", 2}, SuitCase{"s", 0}, SuitCase{"N", 0},
                                           SuitCase{"nt", 0}, SuitCase{"", 0}, SuitCase{"X", 0}));

TEST(SuitLetter, LettersOfTheFiveStrainsAndNothingElse) {
    EXPECT_EQ(SuitLetter(0), "C");
    EXPECT_EQ(SuitLetter(1), "D");
    EXPECT_EQ(SuitLetter(2), "H");
    EXPECT_EQ(SuitLetter(3), "S");
    EXPECT_EQ(SuitLetter(4), "NT");
    EXPECT_EQ(SuitLetter(5), "");
    EXPECT_EQ(SuitLetter(-1), "");
    for (int i = 0; i <= 4; ++i) EXPECT_EQ(SuitIndex(SuitLetter(i)), i);
}

TEST(SuitTable, ImagesAreNamedByLetterAndColoursAreColourReferences) {
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(std::string(SuitRow(i).letter), SuitLetter(i));
        EXPECT_EQ(std::string(SuitRow(i).imageFile), SuitLetter(i) + ".gif");
        EXPECT_EQ(SuitRow(i).symbolCode, 167 + i);
    }
    EXPECT_EQ(SuitRow(0).colourValue, 0xFF0000u);  // blue lives in the high byte
    EXPECT_EQ(SuitRow(1).colourValue, 0xFF00FFu);
    EXPECT_EQ(SuitRow(2).colourValue, 0x0000FFu);
    EXPECT_EQ(SuitRow(3).colourValue, 0u);
    EXPECT_EQ(SuitRow(4).htmlEntity, "");
    EXPECT_EQ(SuitRow(7).letter, "");
}

TEST(Seats, NamesLettersAndSides) {
    EXPECT_EQ(SeatName(3), "West");
    EXPECT_EQ(SeatLetter(1), "E");
    EXPECT_EQ(SeatLetter(4), "");
    EXPECT_EQ(SideOf(2), 0);
    EXPECT_EQ(SideOf(3), 1);
}

TEST(CardText, DisplayRankThenSuitLetterAndBackToTheSameCode) {
    EXPECT_EQ(CardText(314), "AS");
    EXPECT_EQ(CardText(10), "TC");
    EXPECT_EQ(CardText(2), "2C");
    EXPECT_EQ(CardText(0), "");
    EXPECT_EQ(CardText(15), "");
    EXPECT_EQ(CardText(414), "");
    for (int suit = 0; suit < 4; ++suit)
        for (int rank = 2; rank <= 14; ++rank)
            EXPECT_EQ(CardCode(CardText(suit * 100 + rank)), suit * 100 + rank);
}

TEST(Calls, PassWordsAndStrains) {
    EXPECT_TRUE(IsPass("パス"));
    EXPECT_TRUE(IsPass("Pass"));
    EXPECT_TRUE(IsPass("Passe"));
    EXPECT_FALSE(IsPass("pass"));
    EXPECT_FALSE(IsPass("X"));
    EXPECT_EQ(CallStrain(""), -1);
    EXPECT_EQ(CallStrain("X"), -1);
    EXPECT_EQ(CallStrain("XX"), -1);
    EXPECT_EQ(CallStrain("パス"), -1);
    EXPECT_EQ(CallStrain("3NT"), 4);
    EXPECT_EQ(CallStrain("1C"), 0);
    EXPECT_EQ(CallStrain("2D"), 1);
    EXPECT_EQ(CallStrain("4H"), 2);
    EXPECT_EQ(CallStrain("7S"), 3);
    EXPECT_EQ(CallStrain("1?"), 0);
}

TEST(ScoreVul, UnknownUntilRead) {
    ScoreVul s;
    EXPECT_EQ(s.Score, -1);
    EXPECT_EQ(s.Vul, -1);
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
    void Unplayed(int t) {
        for (int s = 0; s < 4; ++s) marks[s][t] = 2;
    }
};

int Winner(const TrickFlagGrid& won, int t) {
    int winner = -1;
    for (int s = 0; s < 4; ++s)
        if (won[s][t]) {
            EXPECT_EQ(winner, -1) << "two winners of trick " << t;
            winner = s;
        }
    return winner;
}

TEST(TrickWinners, ClaimAfterOneTrickDecidesItByTrumpOrByLedSuit) {
    PlayBuilder p;
    p.Trick(0, {"KS", "2H", "5S", "3S"}, 0);
    for (int t = 1; t < 13; ++t) p.Unplayed(t);
    TrickFlagGrid won;
    TrickCounts count;
    TrickWinners(won, count, p.codes, p.marks, 2);
    EXPECT_EQ(Winner(won, 0), 1);
    EXPECT_EQ(count, (TrickCounts{0, 1, 0, 0}));
    for (int t = 1; t < 13; ++t) EXPECT_EQ(Winner(won, t), -1);

    TrickWinners(won, count, p.codes, p.marks, 4);
    EXPECT_EQ(Winner(won, 0), 0);
    EXPECT_EQ(count, (TrickCounts{1, 0, 0, 0}));
}

TEST(TrickWinners, HighestTrumpBeatsLowerTrumpAndLedSuitWhenTrumpIsNotLed) {
    PlayBuilder p;
    p.Trick(0, {"AD", "3C", "KD", "9C"}, 2);
    for (int t = 1; t < 13; ++t) p.Unplayed(t);
    TrickFlagGrid won;
    TrickCounts count;
    TrickWinners(won, count, p.codes, p.marks, 0);
    EXPECT_EQ(Winner(won, 0), 3);
    // Trump led: the highest card of the led suit, as in no trump.
    TrickWinners(won, count, p.codes, p.marks, 1);
    EXPECT_EQ(Winner(won, 0), 0);
}

// North holds the spades, East the hearts, South the diamonds, West the clubs; trick t is led
// by seat t % 4. The next lead, not the cards, says who won each trick but the last.
PlayBuilder RotatingLeads() {
    PlayBuilder p;
    const char* ranks = "AKQJT98765432";
    for (int t = 0; t < 13; ++t) {
        std::string n = std::string(1, ranks[t]) + "S", e = std::string(1, ranks[t]) + "H";
        std::string s = std::string(1, ranks[t]) + "D", w = std::string(1, ranks[t]) + "C";
        p.Trick(t, {n.c_str(), e.c_str(), s.c_str(), w.c_str()}, t % 4);
    }
    return p;
}

TEST(TrickWinners, CompletePlayFollowsTheLeadsAndDecidesTheLastTrickByCards) {
    PlayBuilder p = RotatingLeads();
    TrickFlagGrid won;
    TrickCounts count;
    TrickWinners(won, count, p.codes, p.marks, 4);
    for (int t = 0; t < 12; ++t) EXPECT_EQ(Winner(won, t), (t + 1) % 4) << "trick " << t;
    EXPECT_EQ(Winner(won, 12), 0);  // spade led, nobody follows
    EXPECT_EQ(count, (TrickCounts{4, 3, 3, 3}));

    TrickWinners(won, count, p.codes, p.marks, 2);
    EXPECT_EQ(Winner(won, 12), 1);  // ruffed with the two of hearts
    EXPECT_EQ(count, (TrickCounts{3, 4, 3, 3}));
}

TEST(TrickWinners, ClaimInTheMiddleStopsAtTheFirstUnplayedTrick) {
    PlayBuilder p = RotatingLeads();
    for (int t = 5; t < 13; ++t) p.Unplayed(t);
    TrickFlagGrid won;
    TrickCounts count;
    TrickWinners(won, count, p.codes, p.marks, 4);
    for (int t = 0; t < 4; ++t) EXPECT_EQ(Winner(won, t), (t + 1) % 4);
    EXPECT_EQ(Winner(won, 4), 0);  // led by North with the nine of spades
    for (int t = 5; t < 13; ++t) EXPECT_EQ(Winner(won, t), -1);
    EXPECT_EQ(count[0] + count[1] + count[2] + count[3], 5);
}

TEST(TrickWinners, CardLeftInTheHandByAClaimCannotWinTheTrick) {
    PlayBuilder p;
    p.Trick(0, {"5S", "9S", "AS", "2S"}, 0);
    p.marks[2][0] = 2;
    p.marks[3][0] = 2;
    for (int t = 1; t < 13; ++t) p.Unplayed(t);
    TrickFlagGrid won;
    TrickCounts count;
    TrickWinners(won, count, p.codes, p.marks, 4);
    EXPECT_EQ(Winner(won, 0), 1);
    p.codes[3][0] = std::int16_t(CardCode("2H"));
    TrickWinners(won, count, p.codes, p.marks, 2);
    EXPECT_EQ(Winner(won, 0), 1);  // the unplayed trump does not ruff
}

TEST(TrickWinners, UnmarkedPlayGivesOnlyTheLastTrickWithNorthLeading) {
    PlayBuilder p = RotatingLeads();
    for (auto& row : p.marks) row.fill(0);
    TrickFlagGrid won;
    TrickCounts count;
    TrickWinners(won, count, p.codes, p.marks, 4);
    EXPECT_EQ(Winner(won, 12), 0);
    EXPECT_EQ(count, (TrickCounts{1, 0, 0, 0}));
}

TEST(TrickWinners, UnplayedCardAheadOfTheNextLeadLeavesTheTrickToTheCards) {
    PlayBuilder p = RotatingLeads();
    p.marks[0][12] = 2;  // North's card unplayed, East the leader after it
    p.marks[1][12] = 1;
    TrickFlagGrid won;
    TrickCounts count;
    TrickWinners(won, count, p.codes, p.marks, 4);
    // Trick 13 shows an unplayed card first, so trick 12 is decided by its cards: West's
    // club lead, which nobody follows, rather than by East's lead mark after it.
    EXPECT_EQ(Winner(won, 11), 3);
    EXPECT_EQ(Winner(won, 12), -1);
    EXPECT_EQ(count[0] + count[1] + count[2] + count[3], 12);
}

TEST(FindLead, FirstTrickLeaderAndCard) {
    PlayBuilder p = RotatingLeads();
    int seat = 0, code = 0;
    FindLead(seat, code, p.marks, p.codes);
    EXPECT_EQ(seat, 0);
    EXPECT_EQ(code, 314);
    p.marks[2][0] = 1;
    FindLead(seat, code, p.marks, p.codes);
    EXPECT_EQ(seat, 2);  // the last marked seat counts
    EXPECT_EQ(code, 114);
    for (auto& row : p.marks) row.fill(0);
    FindLead(seat, code, p.marks, p.codes);
    EXPECT_EQ(seat, -1);
    EXPECT_EQ(code, -1);
}

TEST(SortHands, DescendingAndAscending) {
    CardCodeGrid codes{};
    const char* hand[13] = {"2C", "AS", "TD", "3H", "KS", "5C", "JD",
                            "9H", "2S", "AC", "QH", "4D", "8S"};
    for (int t = 0; t < 13; ++t)
        for (int s = 0; s < 4; ++s) codes[s][t] = std::int16_t(CardCode(hand[(t + s) % 13]));
    CardCodeGrid sorted{};
    SortHands(sorted, codes, 0);
    for (int s = 0; s < 4; ++s) {
        EXPECT_EQ(sorted[s][0], 314);
        EXPECT_EQ(sorted[s][1], 313);
        EXPECT_EQ(sorted[s][12], 2);
        for (int i = 1; i < 13; ++i) EXPECT_GT(sorted[s][i - 1], sorted[s][i]);
    }
    SortHands(sorted, codes, 1);
    for (int s = 0; s < 4; ++s) {
        EXPECT_EQ(sorted[s][0], 2);
        EXPECT_EQ(sorted[s][12], 314);
        for (int i = 1; i < 13; ++i) EXPECT_LT(sorted[s][i - 1], sorted[s][i]);
    }
}

TEST(ReadPlayGrid, BracketsGiveMarksAndCardsLoseThem) {
    std::array<std::string, 4> lines{" AS  [KD] (2C) ", "[3H]  4H   5H ", "",
                                     " 6D  7D  8D  9D  TD  JD  QD  KD  AD  2S  3S  4S  5S"};
    CardTextGrid texts;
    CardMarkGrid marks;
    marks[1][5] = 7;
    ReadPlayGrid(lines, texts, marks);
    EXPECT_EQ(texts[0][0], "AS");
    EXPECT_EQ(texts[0][1], "KD");
    EXPECT_EQ(texts[0][2], "2C");
    EXPECT_EQ(texts[0][3], "");
    EXPECT_EQ((std::array<int, 3>{marks[0][0], marks[0][1], marks[0][2]}),
              (std::array<int, 3>{0, 1, 2}));
    EXPECT_EQ(texts[1][0], "3H");
    EXPECT_EQ(marks[1][0], 1);
    EXPECT_EQ(marks[1][5], 0);
    EXPECT_EQ(texts[3][12], "5S");
    CardCodeGrid codes;
    CardCodes(codes, texts);
    EXPECT_EQ(codes[0][1], 113);
    EXPECT_EQ(codes[2][0], 0);
}

}  // namespace
}  // namespace tallowen

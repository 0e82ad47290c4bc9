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

}  // namespace
}  // namespace tallowen

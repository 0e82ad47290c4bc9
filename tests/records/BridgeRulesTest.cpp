// The shared rules: who wins a trick, and the rubber scoreboard's games, vulnerability,
// bonuses and honours over a run of boards.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "records/BridgeRules.h"

namespace tallowen {
namespace {

constexpr int C = 0, D = 1, H = 2, S = 3, NT = 4;
constexpr int NS = 0, EW = 1;  // a declarer of that side (North or East)

// --- Tricks ---

struct TrickCase {
    const char* name;
    std::array<const char*, 4> cards;  // by seat
    int leader, trump, winner;
};
class Trick : public ::testing::TestWithParam<TrickCase> {};

TEST_P(Trick, Winner) {
    std::array<int, 4> codes{};
    for (int s = 0; s < 4; ++s) codes[std::size_t(s)] = CardCode(GetParam().cards[std::size_t(s)]);
    EXPECT_EQ(TrickWinner(codes, GetParam().leader, GetParam().trump), GetParam().winner);
}

INSTANTIATE_TEST_SUITE_P(
    Cards, Trick,
    ::testing::Values(TrickCase{"NoTrumpHighestOfTheSuitLed", {"3S", "AH", "KS", "QS"}, 3, NT, 2},
                      TrickCase{"HigherOffSuitCardLoses", {"2D", "AC", "KC", "3D"}, 0, S, 3},
                      TrickCase{"RuffBeatsTheSuitLed", {"AD", "2H", "KD", "QD"}, 0, H, 1},
                      TrickCase{"OverruffTakesIt", {"AD", "2H", "KD", "5H"}, 2, H, 3},
                      TrickCase{"TrumpLedHighestTrump", {"9H", "AS", "TH", "2H"}, 3, H, 2},
                      TrickCase{"NoTrumpIgnoresTheSuitsRank", {"5C", "AS", "KS", "4C"}, 3, NT, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Trick, ContractResultMadeOrDown) {
    EXPECT_EQ(ContractResult(4, 10), 4);
    EXPECT_EQ(ContractResult(4, 12), 6);
    EXPECT_EQ(ContractResult(4, 9), -1);
    EXPECT_EQ(ContractResult(7, 0), -13);
}

// --- Honours ---

TEST(Honours, FourOrFiveTrumpHonoursOrFourAcesAtNoTrump) {
    using Hand = std::vector<int>;
    auto codes = [](std::initializer_list<const char*> cards) {
        Hand hand;
        for (const char* card : cards) hand.push_back(CardCode(card));
        return hand;
    };
    EXPECT_EQ(HandHonourBonus(codes({"AS", "KS", "QS", "JS", "TS"}), S), 150);
    EXPECT_EQ(HandHonourBonus(codes({"AS", "KS", "QS", "TS", "2H"}), S), 100);
    EXPECT_EQ(HandHonourBonus(codes({"AS", "KS", "QS", "9S", "AH"}), S), 0);
    EXPECT_EQ(HandHonourBonus(codes({"AH", "KS", "QS", "JS", "TS"}), H), 0) << "not trumps";
    EXPECT_EQ(HandHonourBonus(codes({"AS", "AH", "AD", "AC", "KS"}), NT), 150);
    EXPECT_EQ(HandHonourBonus(codes({"AS", "AH", "AD", "KS", "QS"}), NT), 0);
}

// --- The rubber scoreboard ---

struct Step {
    int side, level, strain, doubled, tricks;
    int vulAfter;  // bit 0 North-South, bit 1 East-West
    int bonus;
};
struct RubberCase {
    std::string name;
    std::vector<Step> steps;
};
class Rubber : public ::testing::TestWithParam<RubberCase> {};

RubberBoard Played(const Step& step) {
    return {
        step.side, step.level, step.strain, step.doubled, ContractResult(step.level, step.tricks),
        {}};
}

TEST_P(Rubber, GamesGiveVulnerabilityAndSecondGameEndsTheRubber) {
    RubberScoreboard rubber;
    EXPECT_EQ(rubber.Vulnerability(), 0);
    for (std::size_t k = 0; k < GetParam().steps.size(); ++k) {
        const Step& step = GetParam().steps[k];
        EXPECT_EQ(ScoreRubber(rubber, Played(step)), step.bonus) << "board " << k;
        EXPECT_EQ(rubber.Vulnerability(), step.vulAfter) << "board " << k;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Boards, Rubber,
    ::testing::Values(
        RubberCase{"PartScoresAddUpToAGame", {{NS, 2, S, 0, 8, 0, 0}, {NS, 2, D, 0, 8, 1, 0}}},
        RubberCase{"AGameWipesTheOpponentsPartScore",
                   {{EW, 3, C, 0, 9, 0, 0},
                    {NS, 4, H, 0, 10, 1, 0},
                    {EW, 2, C, 0, 8, 1, 0},
                    {EW, 2, NT, 0, 8, 3, 0}}},
        RubberCase{"TwoGamesToNone",
                   {{NS, 3, NT, 0, 9, 1, 0}, {NS, 4, S, 0, 10, 0, 700}, {NS, 3, NT, 0, 9, 1, 0}}},
        RubberCase{"TwoGamesToOne",
                   {{NS, 4, S, 0, 10, 1, 0},
                    {EW, 5, D, 0, 11, 3, 0},
                    {EW, 1, NT, 1, 7, 3, 0},
                    {EW, 1, S, 1, 7, 0, 500},
                    {EW, 2, H, 0, 8, 0, 0}}},
        RubberCase{"OvertricksAndDefeatsWinNoGame",
                   {{NS, 1, S, 0, 12, 0, 0},
                    {NS, 4, S, 0, 9, 0, 0},
                    {EW, 6, NT, 2, 2, 0, 0},
                    {NS, 3, C, 0, 9, 0, 0},
                    {NS, 1, NT, 0, 7, 1, 0}}},
        RubberCase{"RedoubledOneHeartIsAGame", {{EW, 1, H, 2, 7, 2, 0}}}),
    [](const auto& info) { return info.param.name; });

// The totals the score line shows: everything above and below the line, the rubber bonus
// included, and honours to whoever holds them whether the contract made or not.
TEST(Rubber, TotalsCarryBonusesPenaltiesAndHonours) {
    RubberScoreboard s;
    RubberBoard down{EW, 4, H, 1, -2, {100, 0}};  // North-South hold four heart honours
    EXPECT_EQ(BoardGain(down, 0), (std::array<int, 2>{300 + 100, 0}));
    ScoreRubber(s, down);
    // 4S made with an overtrick, not vulnerable: 120 + 30, a game.
    ScoreRubber(s, {NS, 4, S, 0, 5, {}});
    EXPECT_EQ(s.Pair(), (ScorePair{ScoreVul{400 + 150, 1}, ScoreVul{0, 0}}));
    // 6NT doubled, made vulnerable: 2 * 190 + 50 for the double + 750 slam + 700 rubber.
    EXPECT_EQ(ScoreRubber(s, {NS, 6, NT, 1, 6, {}}), 700);
    EXPECT_EQ(s.Pair(), (ScorePair{ScoreVul{550 + 380 + 50 + 750 + 700, 0}, ScoreVul{0, 0}}));
    EXPECT_EQ(s.below, (std::array<int, 2>{}));
    // A new rubber: a part-score of East-West stays below the line for the next game...
    ScoreRubber(s, {EW, 2, C, 0, 2, {}});
    EXPECT_EQ(s.below, (std::array<int, 2>{0, 40}));
    // ... and nothing without a contract.
    const RubberScoreboard kept = s;
    EXPECT_EQ(ScoreRubber(s, RubberBoard{}), 0);
    EXPECT_EQ(s.total, kept.total);
}

// --- The pack ---

TEST(Pack, EveryCardOnceEachHandHighestFirstAndTheSeedDecides) {
    SeededRandom a(7), b(7), c(8);
    const DealtHands hands = ShuffleDeal(a);
    std::set<int> seen;
    for (const auto& hand : hands) {
        EXPECT_TRUE(std::is_sorted(hand.rbegin(), hand.rend()));
        for (int code : hand) {
            EXPECT_TRUE(IsCardCode(code)) << code;
            seen.insert(code);
        }
    }
    EXPECT_EQ(seen.size(), 52u);
    EXPECT_EQ(ShuffleDeal(b), hands);
    EXPECT_NE(ShuffleDeal(c), hands);
}

}  // namespace
}  // namespace tallowen

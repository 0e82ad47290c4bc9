// The rubber scoreboard of the simulated client: which boards win games and rubbers, the
// vulnerability that follows, and the rubber bonus; then the same rules seen through a
// planned session.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sim/RubberScore.h"
#include "sim/SessionPlan.h"

namespace tallowen::testing {
namespace {

constexpr int C = 0, D = 1, H = 2, S = 3, NT = 4;
constexpr int NS = 0, EW = 1;  // a declarer of that side (North or East)

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

SimBoard Played(const Step& step, int vulnerable) {
    SimBoard b;  // no hand holds an honour: every card code is 0
    b.declarer = step.side;
    b.level = step.level;
    b.strain = step.strain;
    b.doubled = step.doubled;
    b.declarerTricks = step.tricks;
    b.vulnerable = vulnerable;
    return b;
}

TEST_P(Rubber, GamesGiveVulnerabilityAndSecondGameEndsTheRubber) {
    RubberState rubber;
    EXPECT_EQ(rubber.Vulnerability(), 0);
    for (std::size_t k = 0; k < GetParam().steps.size(); ++k) {
        const Step& step = GetParam().steps[k];
        const SimBoard b = Played(step, rubber.Vulnerability());
        EXPECT_EQ(ScoreRubber(rubber, b), step.bonus) << "board " << k;
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

// Over a long session: the scoreboard and the dealer carry from board to board, a side is
// vulnerable exactly when it has won a game of the rubber in progress, and the board that
// wins a rubber adds its bonus and leaves both sides not vulnerable.
TEST(Rubber, ThePlannedScoreboardFollowsGamesAndRubbers) {
    SessionPlanOptions o;
    o.boards = 150;
    o.seed = 31;
    o.firstBoard = 7;
    const std::vector<SimBoard> plan = PlanSession(o);
    ASSERT_EQ(plan.size(), 150u);
    EXPECT_EQ(plan[0].before, (ScorePair{ScoreVul{0, 0}, ScoreVul{0, 0}}));
    EXPECT_EQ(plan[0].dealer, 2) << "board 7 is dealt by South";
    int games = 0, rubbers = 0, bonusTotal = 0;
    for (std::size_t k = 0; k < plan.size(); ++k) {
        const SimBoard& b = plan[k];
        for (std::size_t side = 0; side < 2; ++side) {
            EXPECT_EQ(b.before[side].Vul, b.Vulnerable(int(side)) ? 1 : 0) << k;
            EXPECT_GE(b.after[side].Score, b.before[side].Score) << k;
        }
        const int vulAfter = b.after[0].Vul | b.after[1].Vul << 1;
        if (k + 1 < plan.size()) {
            EXPECT_EQ(plan[k + 1].vulnerable, vulAfter) << k;
            EXPECT_EQ(plan[k + 1].before, b.after) << k;
            EXPECT_EQ(plan[k + 1].dealer, (b.dealer + 1) % 4) << k;
        }
        // Only a passed-out board leaves the scores as they were.
        EXPECT_EQ(b.after[0].Score == b.before[0].Score && b.after[1].Score == b.before[1].Score,
                  b.PassedOut())
            << k;
        const int changed = b.vulnerable ^ vulAfter;
        const std::array<int, 2> gain = ScoreboardGain(b);
        const int extra[2] = {b.after[0].Score - b.before[0].Score - gain[0],
                              b.after[1].Score - b.before[1].Score - gain[1]};
        if (changed == 0) {
            EXPECT_EQ(extra[0] + extra[1], 0) << k;
            continue;
        }
        // Only the declarers' own game changes the vulnerability.
        ASSERT_FALSE(b.PassedOut()) << k;
        const int side = SideOf(b.declarer);
        ASSERT_GE(b.declarerTricks, 6 + b.level) << k;
        EXPECT_EQ(extra[1 - side], 0) << k;
        if (!b.Vulnerable(side)) {
            EXPECT_EQ(changed, 1 << side) << "first game " << k;
            EXPECT_EQ(extra[side], 0) << k;
            ++games;
        } else {
            EXPECT_EQ(b.after[0].Vul + b.after[1].Vul, 0) << "rubber won on board " << k;
            EXPECT_EQ(extra[side], b.Vulnerable(1 - side) ? 500 : 700) << k;
            bonusTotal += extra[side];
            ++rubbers;
        }
    }
    EXPECT_GT(games, 4);
    EXPECT_GT(rubbers, 2);
    EXPECT_GT(bonusTotal, 0);
}

}  // namespace
}  // namespace tallowen::testing

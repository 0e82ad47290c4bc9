// The boards of a simulated session before they are played: the user's seat, the same plan
// from the same seed, and scores that the record scoring works back to the result the play
// had, and the scoreboard and dealer carried from board to board.
#include <gtest/gtest.h>

#include <set>

#include "records/BridgeRules.h"
#include "records/LogSink.h"
#include "records/PlayAnalysis.h"
#include "records/Scoring.h"
#include "sim/SessionPlan.h"
#include "sim/SimRecord.h"

namespace tallowen::testing {
namespace {

SessionPlanOptions Options(int boards, std::uint32_t seed = 3) {
    SessionPlanOptions o;
    o.boards = boards;
    o.seed = seed;
    return o;
}

TEST(SessionPlan, TheUserSitsAtTheirSeatUnderTheirId) {
    for (auto [percent, fewest, most] : {std::tuple{0, 0, 0}, {40, 4, 25}, {100, 29, 29}}) {
        SessionPlanOptions o = Options(30, 11);
        o.seatChangePercent = percent;
        o.userId = "me_tester";
        const std::vector<SimBoard> plan = PlanSession(o);
        std::set<std::string> others;
        int changes = 0;
        for (std::size_t k = 0; k < plan.size(); ++k) {
            const SimBoard& b = plan[k];
            for (int s = 0; s < 4; ++s) {
                const std::string& name = b.names[std::size_t(s)];
                EXPECT_EQ(name == "me_tester", s == b.userSeat) << k;
                if (s != b.userSeat) others.insert(name);
            }
            if (k > 0 && b.userSeat != plan[k - 1].userSeat) ++changes;
        }
        EXPECT_EQ(others.size(), 3u) << "the same three others all session";
        EXPECT_TRUE(changes >= fewest && changes <= most) << percent << ": " << changes;
    }
}

TEST(SessionPlan, SameSeedSamePlanOtherSeedOtherPlanALongerSessionBeginsTheSame) {
    const auto a = PlanSession(Options(12, 5)), c = PlanSession(Options(12, 6));
    const auto longer = PlanSession(Options(13, 5));
    for (std::size_t k = 0; k < a.size(); ++k) {
        EXPECT_EQ(a[k].calls, longer[k].calls);
        EXPECT_EQ(a[k].hands, longer[k].hands);
        EXPECT_EQ(a[k].after, longer[k].after);
        EXPECT_NE(a[k].hands, c[k].hands);
    }
    EXPECT_EQ(longer[12].before, a[11].after);
}

TEST(SessionPlan, NoBoardsNoPlanAndMinBidsRulesOutPassedOutBoards) {
    EXPECT_TRUE(PlanSession(Options(0)).empty());
    EXPECT_TRUE(PlanSession(Options(-3)).empty());
    SessionPlanOptions o = Options(120, 8);
    int passed = 0;
    for (const SimBoard& b : PlanSession(o)) passed += b.PassedOut();
    EXPECT_GT(passed, 0);
    o.minBids = 1;  // the option under test: it rules passed-out boards out
    for (const SimBoard& b : PlanSession(o)) EXPECT_FALSE(b.PassedOut());
}

// The recorder's scoring reads the result of a claimed board from what the scoreboard gained,
// less honours, slam and rubber bonuses: the gains and the vulnerability before and after
// must be the client's, or claimed boards come out wrong. Every board must score as played,
// claims that end a rubber or carry honours included.
TEST(SessionPlan, RecordsOfThePlanScoreAsTheBoardsWerePlayed) {
    int claimed = 0, made = 0, down = 0, doubled = 0, claimedRubbers = 0, claimedHonours = 0;
    for (std::uint32_t seed = 21; seed <= 30; ++seed) {
        for (const SimBoard& b : PlanSession(Options(80, seed))) {
            Deal deal = RecordOf(b);
            NullLogSink log;
            DeriveDeal(deal, 0, log);
            EXPECT_EQ(deal.Dealer, b.dealer);
            if (b.PassedOut()) {
                EXPECT_EQ(deal.Contract, "Pass Out");
                continue;
            }
            EXPECT_EQ(deal.Declarer, b.declarer);
            EXPECT_EQ(deal.Level, b.level);
            EXPECT_EQ(deal.Strain, b.strain);
            EXPECT_EQ(deal.Doubled, b.doubled);
            const int need = 6 + b.level;
            const int result =
                b.declarerTricks >= need ? b.declarerTricks - 6 : b.declarerTricks - need;
            const int vul = b.Vulnerable(SideOf(b.declarer)) ? 1 : 0;
            EXPECT_EQ(deal.Result, result) << "seed " << seed << " played " << b.played;
            EXPECT_EQ(deal.DupPts, DuplicateScore(b.level, b.strain, b.doubled, result, vul));
            (result > 0 ? made : down) += 1;
            doubled += b.doubled > 0;
            if (b.played == kTrickCount) continue;
            ++claimed;
            const std::size_t side = std::size_t(SideOf(b.declarer));
            claimedRubbers += b.before[side].Vul == 1 && b.after[side].Vul == 0;
            int honours = 0;
            for (int seat = 0; seat < 4; ++seat) honours += HonorBonus(deal, seat);
            claimedHonours += honours > 0;
        }
    }
    EXPECT_GT(claimed, 100);
    EXPECT_GT(made, 200);
    EXPECT_GT(down, 200);
    EXPECT_GT(doubled, 50);
    EXPECT_GT(claimedRubbers, 10);
    EXPECT_GT(claimedHonours, 5);
}

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
        const std::array<int, 2> gain =
            b.PassedOut() ? std::array<int, 2>{}
                          : BoardGain(RubberBoardOf(b), b.Vulnerable(SideOf(b.declarer)) ? 1 : 0);
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

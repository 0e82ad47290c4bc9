#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "records/RecordingSink.h"
#include "records/Scoring.h"

namespace tallowen {
namespace {

// A contract as the auction reading leaves it ("4S", "3NTx", "1Cxx"), with the vulnerability
// (NS, EW) before and after the board and the scores before and after.
Deal WithContract(const std::string& contract, int declarer, std::array<int, 4> vul = {},
                  std::array<int, 4> score = {}) {
    Deal deal;
    deal.Contract = contract;
    deal.Level = contract[0] - '0';
    std::string rest = contract.substr(1);
    deal.Doubled = 0;
    for (; !rest.empty() && rest.back() == 'x'; rest.pop_back()) ++deal.Doubled;
    deal.Strain = SuitIndex(rest);
    deal.Declarer = declarer;
    deal.DeclarerSide = declarer % 2;
    for (int k = 0; k < 2; ++k) {
        deal.ScoreBefore[k] = {score[k], vul[k]};
        deal.ScoreAfter[k] = {score[2 + k], vul[2 + k]};
    }
    return deal;
}

// Every contract, vulnerability and trick count, scored independently of this program.
TEST(DuplicateScoreFixture, EveryContractAndTrickCountAgrees) {
    std::ifstream in(std::filesystem::path(TALLOWEN_TESTDATA) / "records" / "duplicate-scores.tsv");
    ASSERT_TRUE(in) << "duplicate-scores.tsv not found";
    std::string line;
    std::getline(in, line);  // heading
    int rows = 0, agree = 0;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        std::istringstream fields(line);
        std::string contract;
        int vul = 0, tricks = 0, expected = 0;
        fields >> contract >> vul >> tricks >> expected;
        ++rows;
        Deal deal = WithContract(contract, 0, {vul, 1 - vul, vul, 1 - vul});
        deal.TricksWon = {std::uint8_t(tricks), std::uint8_t(13 - tricks), 0, 0};
        NullLogSink log;
        DetermineResult(deal, log);
        int signedPoints = deal.Result < 0 ? -deal.DupPts : deal.DupPts;
        if (signedPoints == expected) {
            ++agree;
        } else {
            ADD_FAILURE() << contract << " vul " << vul << " tricks " << tricks << ": "
                          << signedPoints << ", expected " << expected;
        }
    }
    std::cout << "duplicate scores: " << agree << " / " << rows << " agree\n";
    EXPECT_EQ(rows, 2940);
    EXPECT_EQ(agree, rows);
}

// --- Result from the tricks ---

TEST(DetermineResult, AllThirteenTricksGiveTheResult) {
    Deal deal = WithContract("4S", 2, {0, 1, 0, 1});
    deal.DeclarerSide = 1;  // stale: the declarer's seat decides
    deal.TricksWon = {5, 2, 5, 1};
    RecordingSink log;
    DetermineResult(deal, log);
    EXPECT_EQ(deal.DeclarerSide, 0);
    EXPECT_EQ(deal.Result, 4);
    EXPECT_EQ(deal.DupPts, 420);
    EXPECT_EQ(log.lines, (std::vector<std::string>{"クレイムなし", " Making 4", "10 3 10",
                                                   " Make/Down 4,  DupPts 420"}));
}

TEST(DetermineResult, NothingToScoreWithoutContractOrVulnerability) {
    Deal deal;  // no contract, declarer left at its default
    for (int k = 0; k < 2; ++k) deal.ScoreBefore[k].Vul = deal.ScoreAfter[k].Vul = 0;
    deal.TricksWon = {4, 3, 3, 3};
    deal.Result = deal.DupPts = 7;
    NullLogSink log;
    DetermineResult(deal, log);
    EXPECT_EQ(deal.Result, 0);
    EXPECT_EQ(deal.DupPts, 0);

    deal = WithContract("4S", 0, {0, 0, 0, 0});
    deal.ScoreAfter = {};  // after the board unknown
    deal.TricksWon = {5, 1, 5, 2};
    DetermineResult(deal, log);
    EXPECT_EQ(deal.Result, 4);
    EXPECT_EQ(deal.DupPts, 0);
}

// --- Result from the scoreboard after a claim ---

struct ClaimCase {
    const char* name;
    const char* contract;
    int declarer;
    std::array<int, 4> vul, score;  // NS, EW before; NS, EW after
    const char* hand;               // "seat: cards" of a hand with honours, or ""
    int result, dupPts;
};

class ClaimTable : public ::testing::TestWithParam<ClaimCase> {};

TEST_P(ClaimTable, ResultFromScoreboardGain) {
    const ClaimCase& c = GetParam();
    Deal deal = WithContract(c.contract, c.declarer, c.vul, c.score);
    std::istringstream hand(c.hand);
    int seat = 0;
    char colon = 0;
    std::string card;
    hand >> seat >> colon;
    for (int i = 0; hand >> card; ++i) deal.PlayCodes[seat][i] = std::int16_t(CardCode(card));
    deal.TricksWon = {3, 2, 2, 1};  // the play stopped after eight tricks
    NullLogSink log;
    DetermineResult(deal, log);
    EXPECT_EQ(deal.Result, c.result);
    EXPECT_EQ(deal.DupPts, c.dupPts);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Claims, ClaimTable,
    ::testing::Values(
        ClaimCase{"HonoursTakenOff", "4S", 0, {0, 0, 0, 0}, {0, 0, 250, 0}, "0: AS KS QS JS 2H", 5, 450},
        ClaimCase{"OvertrickFractionDropped", "4S", 0, {0, 0, 0, 0}, {0, 0, 140, 0}, "", 4, 420},
        ClaimCase{"FiveHonoursInOneHand", "4S", 2, {0, 0, 0, 0}, {0, 0, 270, 0}, "2: AS KS QS JS TS", 4, 420},
        ClaimCase{"AcesInNoTrump", "3NT", 3, {0, 0, 0, 0}, {100, 0, 100, 250}, "1: AS AH AD AC", 3, 400},
        ClaimCase{"DefendersGained", "4H", 1, {0, 1, 0, 1}, {300, 500, 500, 500}, "", -2, 200},
        ClaimCase{"DefendersHonoursTakenOff", "2H", 0, {0, 0, 0, 0}, {0, 0, 0, 150}, "1: AH KH QH JH", -1, 50},
        ClaimCase{"ScoreboardStartedOver", "3NT", 2, {0, 0, 0, 0}, {1500, 300, 130, 0}, "", 4, 430},
        ClaimCase{"StartedOverBothSidesShowPoints", "3NT", 2, {0, 0, 0, 0}, {1500, 300, 130, 50}, "", 0, 0},
        ClaimCase{"RubberAgainstNotVulnerable", "4S", 0, {1, 0, 0, 0}, {500, 0, 1350, 0}, "", 5, 650},
        ClaimCase{"RubberBonusAddedBackWhenTooBig", "2C", 3, {0, 1, 0, 0}, {0, 0, 0, 60}, "", 3, 110},
        ClaimCase{"SlamBonus", "6NT", 3, {0, 0, 0, 0}, {0, 0, 0, 690}, "", 6, 990},
        ClaimCase{"DoubledBonus", "4Hx", 1, {0, 0, 0, 0}, {0, 0, 0, 390}, "", 5, 690},
        ClaimCase{"RedoubledOvertrick", "1Cxx", 0, {1, 0, 1, 0}, {0, 0, 580, 0}, "", 2, 630},
        ClaimCase{"DoubledDownFourNotVulnerable", "4Sx", 0, {0, 0, 0, 0}, {0, 0, 0, 800}, "", -4, 800},
        ClaimCase{"GainShortOfTheContract", "4S", 0, {0, 0, 0, 0}, {0, 0, 100, 0}, "", 0, 0},
        ClaimCase{"VulnerabilityUnknown", "4S", 0, {-1, -1, 0, 0}, {0, 0, 420, 0}, "", 0, 0},
        ClaimCase{"ScoresUnknown", "4S", 0, {0, 0, 0, 0}, {-1, -1, -1, -1}, "", 0, 0},
        // Scoreboard values at the ends of their range: no board gains that much.
        ClaimCase{"DefendersGainNearTheTop", "4Sx", 0, {0, 0, 0, 0}, {0, 0, 0, 2147483496}, "", 0, 0},
        ClaimCase{"RedoubledGainAtTheTop", "4Sxx", 0, {1, 1, 1, 1}, {0, 0, 0, 2147483647}, "", 0, 0},
        ClaimCase{"GainAcrossTheWholeRange", "1NT", 0, {0, 0, 0, 0}, {-2147483647 - 1, 0, 2147483647, 0}, "", 0, 0},
        ClaimCase{"FallAcrossTheWholeRange", "1NT", 1, {0, 0, 0, 0}, {2147483647, 0, -2147483647 - 1, 40}, "", 1, 90},
        ClaimCase{"NearTheTopStillScores", "1NT", 0, {0, 0, 0, 0}, {2147483600, 0, 2147483640, 0}, "", 1, 90}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(AddTrickCount, WholeTricksOnlyAndUnknownBelowZero) {
    int n = 4;
    std::vector<int> seen;
    for (int p : {20, 60, -30, -20}) {
        AddTrickCount(n, p, 30);
        seen.push_back(n);
    }
    EXPECT_EQ(seen, (std::vector<int>{4, 6, 5, 0}));
}

}  // namespace
}  // namespace tallowen

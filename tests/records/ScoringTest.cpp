#include <gtest/gtest.h>

#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "records/Scoring.h"

namespace tallowen {
namespace {

class RecordingSink : public LogSink {
public:
    void Log(const std::string& line) override { lines.push_back(line); }
    std::vector<std::string> lines;
};

// A contract as the auction reading leaves it: "4S", "3NTx", "1Cxx".
Deal WithContract(const std::string& contract, int declarer) {
    Deal deal;
    deal.Contract = contract;
    deal.Level = contract[0] - '0';
    std::string rest = contract.substr(1);
    deal.Doubled = 0;
    while (!rest.empty() && rest.back() == 'x') {
        rest.pop_back();
        ++deal.Doubled;
    }
    deal.Strain = SuitIndex(rest);
    deal.Declarer = declarer;
    deal.DeclarerSide = declarer % 2;
    return deal;
}

void SetVul(ScorePair& pair, int ns, int ew) {
    pair[0].Vul = ns;
    pair[1].Vul = ew;
}

void SetScores(ScorePair& pair, int ns, int ew) {
    pair[0].Score = ns;
    pair[1].Score = ew;
}

// --- Duplicate score of a contract and result ---

struct PointsCase {
    const char* contract;
    int vul;
    int result;
    int points;
};

class DuplicateScoreTable : public ::testing::TestWithParam<PointsCase> {};

TEST_P(DuplicateScoreTable, PointsOfTheBoard) {
    const PointsCase& c = GetParam();
    Deal d = WithContract(c.contract, 0);
    EXPECT_EQ(DuplicateScore(d.Level, d.Strain, d.Doubled, c.result, c.vul), c.points)
        << c.contract << " vul " << c.vul << " result " << c.result;
}

INSTANTIATE_TEST_SUITE_P(
    Boards, DuplicateScoreTable,
    ::testing::Values(
        PointsCase{"4S", 0, 4, 420}, PointsCase{"4S", 1, 4, 620}, PointsCase{"3NTx", 1, -2, 500},
        PointsCase{"1Cxx", 0, 1, 230}, PointsCase{"2Cxx", 0, 2, 560}, PointsCase{"3NT", 0, 5, 460},
        PointsCase{"2NT", 1, 2, 120}, PointsCase{"6S", 0, 6, 980}, PointsCase{"7NT", 1, 7, 2220},
        PointsCase{"1NTx", 1, 3, 580}, PointsCase{"4Hx", 0, -3, 500}, PointsCase{"4Hx", 0, -4, 800},
        PointsCase{"5Dxx", 1, -1, 400}, PointsCase{"3C", 1, -3, 300},
        // Unknown result or vulnerability: nothing to score.
        PointsCase{"4S", 0, 0, 0}, PointsCase{"4S", 2, 4, 0}, PointsCase{"4S", -1, -1, 0}));

TEST(ContractParts, TrickScoresAndGameThresholds) {
    EXPECT_EQ(TrickScore(1, 4, 0), 40);
    EXPECT_EQ(TrickScore(3, 4, 2), 400);
    EXPECT_EQ(TrickScore(5, 1, 1), 200);
    EXPECT_EQ(TrickScore(2, -1, 0), 0);
    // Game exactly where the trick score reaches 100.
    EXPECT_EQ(GameBonus(4, 0, 0, 0), 50);
    EXPECT_EQ(GameBonus(5, 0, 0, 0), 300);
    EXPECT_EQ(GameBonus(3, 2, 0, 1), 50);
    EXPECT_EQ(GameBonus(4, 2, 0, 1), 500);
    EXPECT_EQ(GameBonus(2, 4, 0, 0), 50);
    EXPECT_EQ(GameBonus(3, 4, 0, 0), 300);
    EXPECT_EQ(GameBonus(2, 0, 1, 0), 100);
    EXPECT_EQ(GameBonus(3, 0, 1, 0), 350);
    EXPECT_EQ(GameBonus(1, 3, 1, 0), 100);
    EXPECT_EQ(GameBonus(2, 3, 1, 1), 550);
    EXPECT_EQ(GameBonus(1, 4, 2, 0), 400);
    EXPECT_EQ(GameBonus(1, 1, 2, 1), 150);
    EXPECT_EQ(GameBonus(2, 1, 2, 1), 600);
    EXPECT_EQ(GameBonus(7, 9, 0, 1), 50);
    EXPECT_EQ(SlamBonus(5, 1), 0);
    EXPECT_EQ(SlamBonus(6, 1), 750);
    EXPECT_EQ(SlamBonus(7, 0), 1000);
    EXPECT_EQ(OvertrickScore(2, 0, 0, 1), 40);
    EXPECT_EQ(OvertrickScore(2, 4, 0, 0), 60);
    EXPECT_EQ(OvertrickScore(1, 0, 1, 1), 200);
    EXPECT_EQ(OvertrickScore(1, 0, 2, 0), 200);
}

// Every contract, vulnerability and trick count, scored independently of this program.
TEST(DuplicateScoreFixture, EveryContractAndTrickCountAgrees) {
    std::ifstream in(std::string(TALLOWEN_FIXTURES) + "/duplicate-scores.tsv");
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
        Deal deal = WithContract(contract, 0);
        SetVul(deal.ScoreBefore, vul, 1 - vul);
        SetVul(deal.ScoreAfter, vul, 1 - vul);
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
    Deal deal = WithContract("4S", 2);
    deal.DeclarerSide = 1;  // stale: the declarer's seat decides
    SetVul(deal.ScoreBefore, 0, 1);
    SetVul(deal.ScoreAfter, 0, 1);
    deal.TricksWon = {5, 2, 5, 1};
    RecordingSink log;
    DetermineResult(deal, log);
    EXPECT_EQ(deal.DeclarerSide, 0);
    EXPECT_EQ(deal.Result, 4);
    EXPECT_EQ(deal.DupPts, 420);
    EXPECT_EQ(log.lines, (std::vector<std::string>{"クレイムなし", " Making 4", "10 3 10",
                                                   " Make/Down 4,  DupPts 420"}));

    deal = WithContract("3NTx", 1);
    SetVul(deal.ScoreBefore, 0, 1);
    SetVul(deal.ScoreAfter, 0, 1);
    deal.TricksWon = {3, 4, 3, 3};
    DetermineResult(deal, log);
    EXPECT_EQ(deal.Result, -2);
    EXPECT_EQ(deal.DupPts, 500);
}

TEST(DetermineResult, NothingToScoreWithoutContractOrVulnerability) {
    Deal deal;  // no contract, declarer left at its default
    SetVul(deal.ScoreBefore, 0, 0);
    SetVul(deal.ScoreAfter, 0, 0);
    deal.TricksWon = {4, 3, 3, 3};
    deal.Result = 7;
    deal.DupPts = 7;
    NullLogSink log;
    DetermineResult(deal, log);
    EXPECT_EQ(deal.Result, 0);
    EXPECT_EQ(deal.DupPts, 0);

    deal = WithContract("4S", 0);
    SetVul(deal.ScoreBefore, 0, 0);  // after the board unknown
    deal.TricksWon = {5, 1, 5, 2};
    DetermineResult(deal, log);
    EXPECT_EQ(deal.Result, 4);
    EXPECT_EQ(deal.DupPts, 0);
}

// --- Result from the scoreboard after a claim ---

struct Holding {
    int seat;
    std::vector<const char*> cards;
};

struct ClaimCase {
    const char* name;
    const char* contract;
    int declarer;
    std::array<int, 2> vulBefore, vulAfter, scoreBefore, scoreAfter;
    std::vector<Holding> hands;
    int result;
    int dupPts;
};

class ClaimTable : public ::testing::TestWithParam<ClaimCase> {};

TEST_P(ClaimTable, ResultFromScoreboardGain) {
    const ClaimCase& c = GetParam();
    Deal deal = WithContract(c.contract, c.declarer);
    SetVul(deal.ScoreBefore, c.vulBefore[0], c.vulBefore[1]);
    SetVul(deal.ScoreAfter, c.vulAfter[0], c.vulAfter[1]);
    SetScores(deal.ScoreBefore, c.scoreBefore[0], c.scoreBefore[1]);
    SetScores(deal.ScoreAfter, c.scoreAfter[0], c.scoreAfter[1]);
    for (const Holding& h : c.hands)
        for (std::size_t i = 0; i < h.cards.size(); ++i)
            deal.PlayCodes[h.seat][i] = std::int16_t(CardCode(h.cards[i]));
    deal.TricksWon = {3, 2, 2, 1};  // the play stopped after eight tricks
    NullLogSink log;
    DetermineResult(deal, log);
    EXPECT_EQ(deal.Result, c.result);
    EXPECT_EQ(deal.DupPts, c.dupPts);
}

const Holding kNorthSpadeHonours{0, {"AS", "KS", "QS", "JS", "2H"}};

INSTANTIATE_TEST_SUITE_P(
    Claims, ClaimTable,
    ::testing::Values(
        ClaimCase{"HonoursTakenOff",
                  "4S",
                  0,
                  {0, 0},
                  {0, 0},
                  {0, 0},
                  {250, 0},
                  {kNorthSpadeHonours},
                  5,
                  450},
        ClaimCase{
            "OvertrickFractionDropped", "4S", 0, {0, 0}, {0, 0}, {0, 0}, {140, 0}, {}, 4, 420},
        ClaimCase{"FiveHonoursInOneHand",
                  "4S",
                  2,
                  {0, 0},
                  {0, 0},
                  {0, 0},
                  {270, 0},
                  {{2, {"AS", "KS", "QS", "JS", "TS"}}},
                  4,
                  420},
        ClaimCase{"AcesInNoTrump",
                  "3NT",
                  3,
                  {0, 0},
                  {0, 0},
                  {100, 0},
                  {100, 250},
                  {{1, {"AS", "AH", "AD", "AC"}}},
                  3,
                  400},
        ClaimCase{"DefendersGained", "4H", 1, {0, 1}, {0, 1}, {300, 500}, {500, 500}, {}, -2, 200},
        ClaimCase{"DefendersHonoursTakenOff",
                  "2H",
                  0,
                  {0, 0},
                  {0, 0},
                  {0, 0},
                  {0, 150},
                  {{1, {"AH", "KH", "QH", "JH"}}},
                  -1,
                  50},
        ClaimCase{
            "ScoreboardStartedOver", "3NT", 2, {0, 0}, {0, 0}, {1500, 300}, {130, 0}, {}, 4, 430},
        ClaimCase{"StartedOverBothSidesShowPoints",
                  "3NT",
                  2,
                  {0, 0},
                  {0, 0},
                  {1500, 300},
                  {130, 50},
                  {},
                  0,
                  0},
        ClaimCase{
            "RubberAgainstNotVulnerable", "4S", 0, {1, 0}, {0, 0}, {500, 0}, {1350, 0}, {}, 5, 650},
        ClaimCase{"RubberAgainstVulnerable",
                  "4S",
                  0,
                  {1, 1},
                  {0, 0},
                  {500, 200},
                  {1150, 200},
                  {},
                  5,
                  650},
        ClaimCase{
            "RubberBonusAddedBackWhenTooBig", "2C", 3, {0, 1}, {0, 0}, {0, 0}, {0, 60}, {}, 3, 110},
        ClaimCase{"SlamBonus", "6NT", 3, {0, 0}, {0, 0}, {0, 0}, {0, 690}, {}, 6, 990},
        ClaimCase{"DoubledBonus", "4Hx", 1, {0, 0}, {0, 0}, {0, 0}, {0, 390}, {}, 5, 690},
        ClaimCase{"RedoubledOvertrick", "1Cxx", 0, {1, 0}, {1, 0}, {0, 0}, {580, 0}, {}, 2, 630},
        ClaimCase{"DoubledDownFourNotVulnerable",
                  "4Sx",
                  0,
                  {0, 0},
                  {0, 0},
                  {0, 0},
                  {0, 800},
                  {},
                  -4,
                  800},
        ClaimCase{
            "DoubledDownTwoVulnerable", "3NTx", 0, {1, 0}, {1, 0}, {0, 0}, {0, 500}, {}, -2, 500},
        ClaimCase{"RedoubledDownThree", "2Dxx", 2, {0, 0}, {0, 0}, {0, 0}, {0, 1000}, {}, -3, 1000},
        ClaimCase{"GainShortOfTheContract", "4S", 0, {0, 0}, {0, 0}, {0, 0}, {100, 0}, {}, 0, 0},
        ClaimCase{"NothingGained", "4S", 0, {0, 0}, {0, 0}, {300, 300}, {300, 300}, {}, 0, 0},
        ClaimCase{"VulnerabilityUnknown", "4S", 0, {-1, -1}, {0, 0}, {0, 0}, {420, 0}, {}, 0, 0},
        ClaimCase{"ScoresUnknown", "4S", 0, {0, 0}, {0, 0}, {-1, -1}, {-1, -1}, {}, 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DetermineResult, ClaimLogsTheScoreboardSteps) {
    Deal deal = WithContract("4S", 0);
    SetVul(deal.ScoreBefore, 0, 0);
    SetVul(deal.ScoreAfter, 0, 0);
    SetScores(deal.ScoreBefore, 40, 0);
    SetScores(deal.ScoreAfter, 290, 0);
    for (int i = 0; i < 4; ++i) deal.PlayCodes[0][i] = std::int16_t(310 + i);
    deal.TricksWon = {1, 0, 0, 0};
    RecordingSink log;
    DetermineResult(deal, log);
    EXPECT_EQ(deal.Gained, (std::array<std::int32_t, 2>{250, 0}));
    EXPECT_EQ(log.lines, (std::vector<std::string>{
                             "クレイムあり", "得点(前) 40 0", "得点(後) 290, 0", "獲得得点 250, 0",
                             " Honor Bonus 引き算後 150, 0", "得点(コントラクト): 120", "引算後 30",
                             " Make/Down 5,  DupPts 450"}));
}

TEST(DetermineResult, ClaimLogsTheBonusesTakenOff) {
    Deal deal = WithContract("6Hx", 1);
    SetVul(deal.ScoreBefore, 0, 1);
    SetVul(deal.ScoreAfter, 0, 0);
    SetScores(deal.ScoreBefore, 0, 0);
    // Trick score 360, slam 750, rubber 700, double 50.
    SetScores(deal.ScoreAfter, 0, 1860);
    RecordingSink log;
    DetermineResult(deal, log);
    EXPECT_EQ(deal.Result, 6);
    EXPECT_EQ(deal.DupPts, 750 + 500 + 50 + 360);
    std::vector<std::string> expected{"スラムボーナス: 750", "ラバーボーナス: 700",
                                      "ダブルボーナス: 50", "得点(コントラクト): 360", "引算後 0"};
    ASSERT_GE(log.lines.size(), 5u + expected.size());
    EXPECT_EQ(std::vector<std::string>(log.lines.begin() + 5, log.lines.begin() + 10), expected);
}

TEST(DetermineResult, ClaimGainsComeFromTheAfterScoresWhenTheBoardStartedOver) {
    Deal deal = WithContract("3NT", 2);
    SetVul(deal.ScoreBefore, 0, 0);
    SetVul(deal.ScoreAfter, 0, 0);
    SetScores(deal.ScoreBefore, 1500, 300);
    SetScores(deal.ScoreAfter, 130, 0);
    NullLogSink log;
    DetermineResult(deal, log);
    EXPECT_EQ(deal.Gained, (std::array<std::int32_t, 2>{130, 0}));
}

TEST(HonorBonus, TrumpHonoursOrAcesInOneHand) {
    Deal deal = WithContract("4H", 0);
    const char* hand[] = {"AH", "KH", "QH", "JH", "9H", "AS", "AD", "AC"};
    for (int i = 0; i < 8; ++i) deal.PlayCodes[0][i] = std::int16_t(CardCode(hand[i]));
    EXPECT_EQ(HonorBonus(deal, 0), 100);
    deal.PlayCodes[0][4] = std::int16_t(CardCode("TH"));
    EXPECT_EQ(HonorBonus(deal, 0), 150);
    deal.PlayCodes[0][0] = 0;
    deal.PlayCodes[0][1] = 0;
    EXPECT_EQ(HonorBonus(deal, 0), 0);  // three honours
    deal.Strain = 3;
    EXPECT_EQ(HonorBonus(deal, 0), 0);  // spade honours only count in spades
    deal.Strain = 4;
    deal.PlayCodes[0][0] = std::int16_t(CardCode("AH"));
    EXPECT_EQ(HonorBonus(deal, 0), 150);
    EXPECT_EQ(HonorBonus(deal, 1), 0);
    EXPECT_EQ(HonorBonus(deal, 9), 0);
}

TEST(AddTrickCount, WholeTricksOnlyAndUnknownBelowZero) {
    int n = 4;
    AddTrickCount(n, 20, 30);
    EXPECT_EQ(n, 4);
    AddTrickCount(n, 60, 30);
    EXPECT_EQ(n, 6);
    AddTrickCount(n, -30, 30);
    EXPECT_EQ(n, 5);
    AddTrickCount(n, -20, 30);
    EXPECT_EQ(n, 0);
}

}  // namespace
}  // namespace tallowen

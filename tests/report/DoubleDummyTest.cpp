// The double-dummy module against DDS's own published results: ten deals from its source
// tarball with their tables and dealer par, solved through our batching and conversions.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "report/DoubleDummy.h"

namespace tallowen {
namespace {

struct Published {
    Deal deal;
    DdTable table;
    int parScore = 0;
    std::vector<std::string> parContracts;
};

int SeatOfLetter(char c) {
    return std::string("NESW").find(c);
}

// A deal in PBN's "N:hand hand hand hand" form, suits spades first, as our play codes.
void FillHands(Deal& deal, const std::string& pbn) {
    int seat = SeatOfLetter(pbn[0]);
    std::istringstream hands(pbn.substr(2));
    std::string hand;
    for (int h = 0; h < 4 && hands >> hand; ++h, seat = (seat + 1) % 4) {
        int suit = 3;
        int n = 0;
        for (char c : hand) {
            if (c == '.') {
                --suit;
                continue;
            }
            int rank = static_cast<int>(std::string("23456789TJQKA").find(c)) + 2;
            deal.PlayCodes[seat][n++] = static_cast<std::int16_t>(suit * 100 + rank);
        }
    }
}

std::vector<std::string> Quoted(const std::string& line) {
    std::vector<std::string> out;
    for (std::size_t at = line.find('"'); at != std::string::npos;) {
        std::size_t end = line.find('"', at + 1);
        out.push_back(line.substr(at + 1, end - at - 1));
        at = line.find('"', end + 1);
    }
    return out;
}

std::vector<Published> ReadPublished() {
    std::ifstream in(std::filesystem::path(TALLOWEN_TESTDATA) / "report" / "dds" / "list10.txt");
    std::vector<Published> all;
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        std::string kind;
        words >> kind;
        if (kind == "PBN") {
            Published& p = all.emplace_back();
            int dealer = 0, vul = 0;
            words >> dealer >> vul;
            p.deal.Dealer = static_cast<std::int16_t>(dealer);
            p.deal.Rounds = 1;
            p.deal.Calls[1][dealer] = "Pass";
            p.deal.ScoreBefore[0].Vul = vul == 1 || vul == 2;
            p.deal.ScoreBefore[1].Vul = vul == 1 || vul == 3;
            FillHands(p.deal, Quoted(line).at(0));
        } else if (kind == "TABLE") {
            // Published strain order: spades, hearts, diamonds, clubs, no trump.
            for (int strain : {3, 2, 1, 0, 4})
                for (int seat = 0; seat < 4; ++seat) words >> all.back().table.tricks[strain][seat];
        } else if (kind == "PAR2") {
            auto q = Quoted(line);
            all.back().parScore = std::stoi(q.at(0));
            all.back().parContracts.assign(q.begin() + 1, q.end());
        }
    }
    return all;
}

std::string DdsForm(const ParContract& c) {
    std::string text =
        std::to_string(c.level) + "CDHSN"[c.strain] + (c.doubled ? "*" : "") + "-" + c.seats;
    if (c.overTricks > 0) text += "+" + std::to_string(c.overTricks);
    if (c.overTricks < 0) text += std::to_string(c.overTricks);
    return text;
}

TEST(DoubleDummy, AgreesWithDdsPublishedTablesAndParAcrossBatches) {
    std::vector<Published> published = ReadPublished();
    ASSERT_EQ(published.size(), 10u);
    // Five rounds of the ten deals: more than one CalcAllTables call holds.
    std::vector<const Deal*> deals;
    for (int round = 0; round < 5; ++round)
        for (const Published& p : published) deals.push_back(&p.deal);
    std::vector<DdResult> results = AnalyseDeals(deals);
    ASSERT_EQ(results.size(), deals.size());
    for (std::size_t i = 0; i < results.size(); ++i) {
        const Published& p = published[i % published.size()];
        ASSERT_TRUE(results[i].analysed) << i << ": " << results[i].why;
        EXPECT_EQ(results[i].table, p.table) << "deal " << i;
        ASSERT_TRUE(results[i].par.known) << results[i].par.why;
        EXPECT_EQ(results[i].par.score, p.parScore) << "deal " << i;
        std::vector<std::string> contracts;
        for (const ParContract& c : results[i].par.contracts) contracts.push_back(DdsForm(c));
        EXPECT_EQ(contracts, p.parContracts) << "deal " << i;
    }
}

TEST(DoubleDummy, BoardsWithoutFourFullHandsAreLeftOutWithTheReason) {
    std::vector<Published> published = ReadPublished();
    Deal missing = published[0].deal;
    missing.PlayCodes[3][12] = 0;  // West's last card never read
    Deal twice = published[0].deal;
    twice.PlayCodes[1][0] = twice.PlayCodes[0][0];
    Deal noVul = published[1].deal;
    noVul.ScoreBefore[0].Vul = -1;
    std::vector<DdResult> r = AnalyseDeals({&missing, &published[0].deal, &twice, &noVul});
    EXPECT_FALSE(r[0].analysed);
    EXPECT_NE(r[0].why.find("West"), std::string::npos) << r[0].why;
    EXPECT_TRUE(r[1].analysed);
    EXPECT_EQ(r[1].table, published[0].table);
    EXPECT_FALSE(r[2].analysed);
    EXPECT_NE(r[2].why.find("twice"), std::string::npos) << r[2].why;
    // Without the vulnerability the table stands but par cannot be given.
    EXPECT_TRUE(r[3].analysed);
    EXPECT_EQ(r[3].table, published[1].table);
    EXPECT_FALSE(r[3].par.known);
    EXPECT_FALSE(r[3].par.why.empty());
}

struct VulCase {
    int ns, ew, dds;
};
class DdsVulnerabilityRule : public ::testing::TestWithParam<VulCase> {};

TEST_P(DdsVulnerabilityRule, FromTheScoreboardBeforeTheBoard) {
    Deal d;
    d.ScoreBefore[0].Vul = GetParam().ns;
    d.ScoreBefore[1].Vul = GetParam().ew;
    EXPECT_EQ(DdsVulnerability(d), GetParam().dds);
}

INSTANTIATE_TEST_SUITE_P(Cases, DdsVulnerabilityRule,
                         ::testing::Values(VulCase{1, 0, 2}, VulCase{0, 1, 3}, VulCase{-1, 0, -1},
                                           VulCase{0, 2, -1}));

TEST(DdsContract, ReadsEveryShapeDealerParWritesAndRefusesOthers) {
    auto c = ParseDdsContract("4S*-EW-1");
    ASSERT_TRUE(c);
    EXPECT_EQ(*c, (ParContract{4, 3, true, "EW", -1}));
    EXPECT_EQ(*ParseDdsContract("3N-N+1"), (ParContract{3, 4, false, "N", 1}));
    EXPECT_EQ(*ParseDdsContract("1C-NS"), (ParContract{1, 0, false, "NS", 0}));
    for (const char* bad : {"", "pass", "8S-N", "4X-N", "4S", "4S-", "4S-NSE", "4S-N+", "4S-N*2"})
        EXPECT_FALSE(ParseDdsContract(bad)) << bad;
}

}  // namespace
}  // namespace tallowen

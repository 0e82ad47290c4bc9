// The double-dummy module against DDS's own published results: ten deals from its source
// tarball with their tables, dealer par and play analyses, solved through our batching and
// conversions; and the cache that keeps them, which never hands back what it cannot trust.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "common/Text.h"
#include "report/DdCache.h"
#include "report/DoubleDummy.h"
#include "tests/report/TempFolder.h"

namespace tallowen {
namespace {

struct Published {
    Deal deal;
    DdTable table;
    int parScore = 0;
    std::vector<std::string> parContracts;
    std::vector<int> trace;  // declarer's tricks before the lead and after each card
};

int SeatOfLetter(char c) {
    return std::string("NESW").find(c);
}

// A deal in PBN's "N:hand hand hand hand" form, suits spades first, as our play codes.
void FillHands(Deal& deal, const std::string& pbn) {
    for (auto& hand : deal.PlayCodes) hand.fill(0);
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

// The play as a record holds it: each card in its player's row under its trick, the leader's
// card marked 1, and the cards never played (a claim) after them, marked 2. Each card's player
// is the seat that holds it, so no trick needs deciding here.
void SetPlay(Deal& deal, const std::string& cards) {
    std::array<int, 4> used{};
    std::array<std::array<bool, 13>, 4> played{};
    for (std::size_t k = 0; k * 2 < cards.size(); ++k) {
        const int code = 100 * static_cast<int>(std::string("CDHS").find(cards[2 * k])) +
                         static_cast<int>(std::string("23456789TJQKA").find(cards[2 * k + 1])) + 2;
        for (int seat = 0; seat < 4; ++seat)
            for (int i = 0; i < 13; ++i)
                if (deal.PlayCodes[seat][i] == code) {
                    played[seat][i] = true;
                    const int t = static_cast<int>(k / 4);
                    deal.Cards[seat][t] = CardText(code);
                    deal.CardMarks[seat][t] = k % 4 == 0 ? 1 : 0;
                    used[seat] = t + 1;
                }
    }
    for (int seat = 0; seat < 4; ++seat)
        for (int i = 0; i < 13; ++i)
            if (!played[seat][i]) {
                deal.Cards[seat][used[seat]] = CardText(deal.PlayCodes[seat][i]);
                deal.CardMarks[seat][used[seat]++] = 2;
            }
    CardCodes(deal.PlayCodes, deal.Cards);
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
            int dealer = 0, vul = 0, trump = 0, first = 0;
            words >> dealer >> vul >> trump >> first;
            // The play's contract: trump as DDS numbers it (spades 0 .. clubs 3, no trump 4),
            // declared by the seat before the opening leader.
            p.deal.Strain = trump == 4 ? 4 : 3 - trump;
            p.deal.Level = 1;
            p.deal.Contract = "1";
            p.deal.Declarer = (first + 3) % 4;
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
        } else if (kind == "PLAY") {
            SetPlay(all.back().deal, Quoted(line).at(0));
        } else if (kind == "TRACE") {
            int n = 0;
            words >> n;
            all.back().trace.resize(static_cast<std::size_t>(n));
            for (int& tricks : all.back().trace) words >> tricks;
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

TEST(DoubleDummy, PlayAnalysisAgreesWithDdsPublishedTraces) {
    std::vector<Published> published = ReadPublished();
    std::vector<const Deal*> deals;
    for (const Published& p : published) deals.push_back(&p.deal);
    std::vector<DdResult> results = AnalyseDeals(deals);
    for (std::size_t i = 0; i < results.size(); ++i) {
        const DdPlay& play = results[i].play;
        ASSERT_TRUE(play.analysed) << i << ": " << play.why;
        EXPECT_EQ(play.tricks, published[i].trace) << "deal " << i;
        // What each side gave away accounts for every change from the first count to the last.
        EXPECT_EQ(play.tricks.front() - play.declarerLost + play.defendersLost, play.tricks.back())
            << "deal " << i;
        int marked = 0;
        for (const auto& row : play.lost)
            for (int lost : row) marked += lost;
        EXPECT_EQ(marked, play.declarerLost + play.defendersLost) << "deal " << i;
    }
}

TEST(DoubleDummy, PlaysThatCannotBeAnalysedSayWhy) {
    std::vector<Published> published = ReadPublished();
    Deal passed = published[0].deal;
    passed.Contract = "Pass Out";
    passed.Level = 0;
    Deal wrongLeader = published[0].deal;
    std::swap(wrongLeader.CardMarks[0][0], wrongLeader.CardMarks[1][0]);
    Deal noLead = published[0].deal;
    for (auto& row : noLead.CardMarks) row.fill(2);
    std::vector<DdResult> r = AnalyseDeals({&passed, &wrongLeader, &noLead});
    EXPECT_FALSE(r[0].play.analysed);
    EXPECT_NE(r[0].play.why.find("passed out"), std::string::npos) << r[0].play.why;
    EXPECT_FALSE(r[1].play.analysed);
    EXPECT_NE(r[1].play.why.find("lead"), std::string::npos) << r[1].play.why;
    // A claim before the lead leaves the count before it.
    ASSERT_TRUE(r[2].play.analysed) << r[2].play.why;
    EXPECT_EQ(r[2].play.tricks, std::vector<int>{published[0].trace.front()});
}

std::vector<std::string> FileLines(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

void WriteLines(const std::filesystem::path& file, const std::vector<std::string>& lines) {
    std::ofstream out(file, std::ios::binary);
    for (const std::string& line : lines) out << line << "\r\n";
}

class DdCacheFile : public ::testing::Test {
protected:
    void SetUp() override {
        published_ = ReadPublished();
        // The last deal is kept back for a second copy of the utility.
        for (std::size_t i = 0; i + 1 < published_.size(); ++i)
            deals_.push_back(&published_[i].deal);
        file_ = folder_.path() / kDdCacheName;
        DdCache cache(SolverVersion());
        first_ = AnalyseDeals(deals_, &cache);
        ASSERT_EQ(cache.Added(), 18);  // nine tables, nine plays
        ASSERT_TRUE(cache.Save(file_).ok);
    }
    // Analyses the deals again with the cache as the file holds it now.
    std::vector<DdResult> Again(DdCache& cache) {
        cache.Load(file_);
        return AnalyseDeals(deals_, &cache);
    }
    void ExpectAsFirst(const std::vector<DdResult>& again) {
        for (std::size_t i = 0; i < again.size(); ++i) {
            EXPECT_EQ(again[i].table, first_[i].table) << i;
            EXPECT_EQ(again[i].par.score, first_[i].par.score) << i;
            EXPECT_EQ(again[i].play.tricks, first_[i].play.tricks) << i;
        }
    }

    TempFolder folder_;
    std::vector<Published> published_;
    std::vector<const Deal*> deals_;
    std::filesystem::path file_;
    std::vector<DdResult> first_;
};

TEST_F(DdCacheFile, ABoardIsSolvedOnce) {
    DdCache cache(SolverVersion());
    ExpectAsFirst(Again(cache));
    EXPECT_EQ(cache.Rejected(), 0);
    EXPECT_EQ(cache.Added(), 0);  // nothing solved again
}

TEST_F(DdCacheFile, WhatCannotBeTrustedIsSolvedAgainAndNeverShown) {
    std::vector<std::string> lines = FileLines(file_);
    ASSERT_EQ(lines.size(), 19u);
    auto flip = [](std::string line, std::size_t from_end) {
        char& c = line[line.size() - from_end];
        c = c == '3' ? '4' : '3';
        return line;
    };
    struct Case {
        const char* name;
        std::vector<std::string> lines;
        int rejected;
    };
    std::vector<std::string> tableChanged = lines, playChanged = lines, cut = lines, stale = lines;
    tableChanged[1] = flip(lines[1], 12);  // a trick count in the table
    playChanged[15] = flip(lines[15], 10);
    cut[18] = lines[18].substr(0, lines[18].size() / 2);
    stale[0] += "x";  // another solver version
    for (const Case& c :
         {Case{"table edited", tableChanged, 1}, Case{"play edited", playChanged, 1},
          Case{"cut short", cut, 1}, Case{"other version", stale, 18}}) {
        SCOPED_TRACE(c.name);
        WriteLines(file_, c.lines);
        DdCache cache(SolverVersion());
        ExpectAsFirst(Again(cache));
        EXPECT_EQ(cache.Rejected(), c.rejected);
        EXPECT_EQ(cache.Added(), c.rejected);
        // Saved again, the cache is whole.
        ASSERT_TRUE(cache.Save(file_).ok);
        DdCache healed(SolverVersion());
        healed.Load(file_);
        EXPECT_EQ(healed.Rejected(), 0);
    }
}

TEST_F(DdCacheFile, TwoCopiesSavingTogetherKeepBothCopiesEntries) {
    // Another copy of the utility solved a board this copy has not, and saved first.
    const Deal& other = published_.back().deal;
    DdCache otherCopy(SolverVersion());
    otherCopy.Load(file_);
    AnalyseDeals({&other}, &otherCopy);
    DdCache thisCopy(SolverVersion());
    thisCopy.Load(file_);
    ASSERT_TRUE(otherCopy.Save(file_).ok);
    ASSERT_TRUE(thisCopy.Save(file_).ok);
    DdCache merged(SolverVersion());
    merged.Load(file_);
    AnalyseDeals({&other}, &merged);
    EXPECT_EQ(merged.Added(), 0);
    ExpectAsFirst(Again(merged));
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

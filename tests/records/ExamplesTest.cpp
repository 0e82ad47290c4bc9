// The sample Work folders under examples/ (English edition in Windows-1252, Japanese in
// Shift_JIS): every record reads back, holds one pack dealt four ways, a legal auction and a
// legal play, and a scoreboard that agrees with the tricks and runs on from board to board.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "RecordSamples.h"
#include "common/Files.h"
#include "common/Settings.h"
#include "platform/CodePage.h"
#include "records/Contract.h"
#include "records/PlayAnalysis.h"
#include "records/RecordFiles.h"
#include "records/RecordWriter.h"
#include "records/Scoring.h"

namespace fs = std::filesystem;

namespace tallowen {
namespace {

struct SampleFolder {
    const char* label;
    const char* app;  // below examples/
    unsigned codePage;
    const char* pass;
    const char* user;  // MyYahooID of the folder's settings file
};

void PrintTo(const SampleFolder& f, std::ostream* os) {
    *os << f.label;
}

const SampleFolder kEnglish{"English", "", 1252, "Pass", "kate_rivers"};
const SampleFolder kJapanese{"Japanese", "Japanese", 932, "パス", "山田"};

struct Board {
    std::string name;
    Deal deal;
    int played = 0;  // tricks played before the end or a claim
};

fs::path AppFolder(const SampleFolder& f) {
    return fs::path(TALLOWEN_TESTDATA).parent_path().parent_path() / "examples" / f.app;
}

int Suit(int code) {
    return code / 100;
}

int PlayedTricks(const Deal& deal) {
    int t = 0;
    while (t < kTricks && deal.CardMarks[0][t] != 2) ++t;
    return t;
}

void Evaluate(Deal& deal) {
    NullLogSink log;
    FindContract(deal, log);
    FindDealer(deal, log);
    AnalysePlay(deal, 0);
    DetermineResult(deal, log);
}

class ExamplesTest : public ::testing::TestWithParam<SampleFolder> {
protected:
    void SetUp() override {
        page = OpenCodePage(GetParam().codePage);
        ASSERT_TRUE(page);
        folders.app = AppFolder(GetParam());
        for (const std::string& name : ScanWorkFiles(folders).work) {
            Board b{name, {}, 0};
            RecordResult r = ReadDealFile(b.deal, name, folders, *page);
            ASSERT_TRUE(r.ok) << name << ": " << r.error;
            Evaluate(b.deal);
            b.played = PlayedTricks(b.deal);
            boards.push_back(std::move(b));
        }
        ASSERT_GE(boards.size(), 10u);
    }

    std::unique_ptr<CodePage> page;
    Folders folders;
    std::vector<Board> boards;
};

TEST_P(ExamplesTest, EveryRecordIsWrittenBackByteForByte) {
    for (const Board& b : boards) {
        std::string bytes;
        for (const std::string& line : DealFileLines(b.deal, *page)) {
            Converted c = page->FromUtf8(line);
            EXPECT_FALSE(c.lossy) << b.name;
            bytes += c.text + "\r\n";
        }
        EXPECT_EQ(bytes, samples::ReadBytes(folders.WorkFile(b.name + ".brg"))) << b.name;
    }
}

TEST_P(ExamplesTest, HandsHoldOnePackDealtFourWays) {
    for (const Board& b : boards) {
        std::set<int> pack;
        for (const auto& hand : b.deal.PlayCodes)
            for (int code : hand) {
                EXPECT_TRUE(code % 100 >= 2 && code % 100 <= 14 && Suit(code) <= 3) << b.name;
                pack.insert(code);
            }
        EXPECT_EQ(pack.size(), 52u) << b.name;
    }
}

// Each bid names more than the last; a double answers the other side's bid, a redouble the
// other side's double; three passes close the auction (four when nobody bids).
TEST_P(ExamplesTest, AuctionsAreLegalAndBidInTheEditionsWords) {
    for (const Board& b : boards) {
        std::vector<std::pair<int, std::string>> calls;  // seat, call
        for (int r = 1; r <= b.deal.Rounds; ++r)
            for (int s = 0; s < kSeats; ++s)
                if (!b.deal.Calls[r][s].empty()) calls.push_back({s, b.deal.Calls[r][s]});
        ASSERT_GE(calls.size(), 4u) << b.name;
        EXPECT_EQ(calls.front().first, b.deal.Dealer) << b.name;
        int high = -1, lastBidder = -1, passes = 0;
        std::string lastNonPass;
        for (std::size_t i = 0; i < calls.size(); ++i) {
            const auto& [seat, call] = calls[i];
            EXPECT_EQ(seat, (b.deal.Dealer + int(i)) % 4) << b.name;
            if (IsPass(call)) {
                EXPECT_EQ(call, GetParam().pass) << b.name;
                ++passes;
                continue;
            }
            passes = 0;
            if (call == "X") {
                EXPECT_TRUE(lastNonPass != "X" && lastNonPass != "XX" && lastBidder % 2 != seat % 2)
                    << b.name;
            } else if (call == "XX") {
                EXPECT_TRUE(lastNonPass == "X" && lastBidder % 2 == seat % 2) << b.name;
            } else {
                int rank = (call[0] - '0') * 5 + CallStrain(call);
                EXPECT_GT(rank, high) << b.name << " " << call;
                high = rank;
                lastBidder = seat;
            }
            lastNonPass = call;
        }
        EXPECT_EQ(passes, high < 0 ? 4 : 3) << b.name;
    }
}

// Cards follow suit whenever the hand still holds the suit led, and the winner of each trick
// by the rules of play leads the next one.
TEST_P(ExamplesTest, PlayFollowsSuitAndTheWinnerLeadsNext) {
    for (const Board& b : boards) {
        const Deal& d = b.deal;
        int trump = d.Strain;
        for (int t = 0; t < b.played; ++t) {
            int leaders = 0, leader = -1;
            for (int s = 0; s < kSeats; ++s)
                if (d.CardMarks[s][t] == 1) ++leaders, leader = s;
            ASSERT_EQ(leaders, 1) << b.name << " trick " << t + 1;
            if (t == 0) {
                EXPECT_EQ(leader, (d.Declarer + 1) % 4) << b.name;
            }
            int led = Suit(d.PlayCodes[leader][t]), best = leader;
            for (int i = 1; i < 4; ++i) {
                int s = (leader + i) % 4, code = d.PlayCodes[s][t], top = d.PlayCodes[best][t];
                if (Suit(code) != led) {
                    for (int later = t + 1; later < kTricks; ++later)
                        EXPECT_NE(Suit(d.PlayCodes[s][later]), led) << b.name << " revoke";
                }
                bool beats = Suit(code) == Suit(top) ? code > top : Suit(code) == trump;
                if (beats) best = s;
            }
            if (t + 1 < b.played) {
                EXPECT_EQ(d.CardMarks[best][t + 1], 1) << b.name << " trick " << t + 1;
            }
        }
        for (int t = b.played; t < kTricks; ++t)
            for (int s = 0; s < kSeats; ++s) EXPECT_EQ(d.CardMarks[s][t], 2) << b.name;
    }
}

// A board played out is scored from its tricks; cut short of its last trick it is scored from
// the scoreboard instead, and both must give the same result. A claimed board's result lies
// between the tricks already won and those plus all the rest.
TEST_P(ExamplesTest, ScoreboardAgreesWithTheTricks) {
    for (const Board& b : boards) {
        const Deal& d = b.deal;
        if (d.Contract == "Pass Out") {
            EXPECT_EQ(d.ScoreAfter, d.ScoreBefore) << b.name;
            EXPECT_EQ(b.played, 0) << b.name;
            continue;
        }
        ASSERT_GE(d.Level, 1) << b.name;
        ASSERT_NE(d.Result, 0) << b.name;
        EXPECT_GT(d.DupPts, 0) << b.name;
        int side = d.DeclarerSide, won = d.TricksWon[side] + d.TricksWon[side + 2];
        int tricks = d.Result > 0 ? d.Result + 6 : d.Level + 6 + d.Result;
        if (b.played == kTricks) {
            EXPECT_EQ(tricks, won) << b.name;
            Deal cut = d;
            for (int s = 0; s < kSeats; ++s) cut.CardMarks[s][kTricks - 1] = 2;
            Evaluate(cut);
            EXPECT_EQ(cut.Result, d.Result) << b.name;
        } else {
            EXPECT_GE(tricks, won) << b.name;
            EXPECT_LE(tricks, won + kTricks - b.played + 1) << b.name;
        }
    }
}

// The scoreboard runs on through a day at one table and starts at nothing at a new one; the
// vulnerability is always known.
TEST_P(ExamplesTest, ScoreboardRunsOnFromBoardToBoard) {
    const ScorePair fresh = samples::Scores(0, 0, 0, 0);
    for (std::size_t i = 0; i < boards.size(); ++i) {
        const Deal& d = boards[i].deal;
        for (int k = 0; k < 2; ++k) {
            EXPECT_TRUE(d.ScoreAfter[k].Vul == 0 || d.ScoreAfter[k].Vul == 1);
            EXPECT_GE(d.ScoreAfter[k].Score, d.ScoreBefore[k].Score) << boards[i].name;
        }
        bool sameTable = i > 0 && boards[i].name.substr(0, 6) == boards[i - 1].name.substr(0, 6) &&
                         boards[i - 1].deal.Names == d.Names;
        EXPECT_EQ(d.ScoreBefore, sameTable ? boards[i - 1].deal.ScoreAfter : fresh)
            << boards[i].name;
    }
}

TEST_P(ExamplesTest, SettingsFileNamesThePlayerOfEveryBoard) {
    Settings settings = CommonDefaults();
    auto file = FindSettingsFile(folders.app);
    ASSERT_TRUE(file);
    IniResult r = ReadINI(*file, *page, settings);
    EXPECT_FALSE(r.illegal || r.fileError);
    EXPECT_TRUE(settings.textOutput);
    EXPECT_EQ(settings.jpn, GetParam().codePage == 932);
    ASSERT_FALSE(settings.myYahooID.empty());
    EXPECT_EQ(settings.myYahooID[0], GetParam().user);
    for (const Board& b : boards) {
        const SeatNames& n = b.deal.Names;
        EXPECT_NE(std::find(n.begin(), n.end(), GetParam().user), n.end()) << b.name;
    }
}

INSTANTIATE_TEST_SUITE_P(Editions, ExamplesTest, ::testing::Values(kEnglish, kJapanese),
                         [](const auto& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace tallowen

// Writes sample Work folders of record files: a week of boards at rubber tables for the
// English edition, a few days for the Japanese one, or many days of boards for timing the
// report utility. The same seed always gives the same files.
//
//   tallowen-make-examples examples DIR         DIR/Work (Windows-1252), DIR/Japanese/Work (932)
//   tallowen-make-examples bulk DIR [DAYS] [BOARDS]   DIR/Work, BOARDS a day (100 x 100)
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "BoardMaker.h"
#include "common/Files.h"
#include "platform/CodePage.h"
#include "records/BridgeRules.h"
#include "records/PlayAnalysis.h"
#include "records/RecordNames.h"
#include "records/RecordWriter.h"

namespace tallowen::examples {
namespace {

// A board of a day that must show something in particular.
struct Special {
    int board = 0;  // 1-based
    Want want = Want::Any;
};

struct Table {
    SeatNames names;
    int boards = 0;
};

struct Day {
    int month = 1, day = 1;
    std::vector<Table> tables;  // a change of table starts a new scoreboard
    std::vector<Special> specials;
};

struct Tally {
    int boards = 0, passedOut = 0, made = 0, down = 0, doubled = 0, redoubled = 0, claims = 0;
};

Want WantFor(const Day& day, int board) {
    for (const Special& s : day.specials)
        if (s.board == board) return s.want;
    return Want::Any;
}

// The scoring of the record, as the reader will do it, agrees with the board as made.
bool ScoresAgree(const Deal& deal, int result) {
    Deal check = deal;
    NullLogSink log;
    DeriveDeal(check, 0, log);
    return check.Result == result;
}

void Count(Tally& tally, const MadeBoard& made) {
    ++tally.boards;
    if (made.deal.Level < 1) ++tally.passedOut;
    if (made.result > 0) ++tally.made;
    if (made.result < 0) ++tally.down;
    if (made.deal.Doubled == 1) ++tally.doubled;
    if (made.deal.Doubled == 2) ++tally.redoubled;
    if (made.claimed) ++tally.claims;
}

class Writer {
public:
    Writer(std::filesystem::path work, const CodePage& page, BoardStyle style, std::uint64_t seed)
        : work_(std::move(work)), page_(page), style_(std::move(style)), random_(seed) {}

    bool WriteDay(const Day& day) {
        int board = 0, counter = 1;
        for (const Table& table : day.tables) {
            RubberScoreboard rubber;
            for (int i = 0; i < table.boards; ++i) {
                ++board;
                if (!WriteBoard(day, table, WantFor(day, board), i % 4, rubber, counter++))
                    return false;
            }
        }
        return true;
    }

    const Tally& Counts() const { return tally_; }

private:
    bool WriteBoard(const Day& day, const Table& table, Want want, int dealer,
                    RubberScoreboard& rubber, int counter) {
        for (int attempt = 0; attempt < 100; ++attempt) {
            auto made = MakeBoard(random_, dealer, want, style_);
            if (!made) break;
            Deal& deal = made->deal;
            deal.Names = table.names;
            deal.ScoreBefore = rubber.Pair();
            RubberScoreboard after = rubber;
            ScoreRubber(after, RubberBoardOf(deal, made->result));
            deal.ScoreAfter = after.Pair();
            if (!ScoresAgree(deal, made->result)) continue;
            rubber = after;
            Count(tally_, *made);
            std::string name = RecordName(PrefixForDate(day.month, day.day), counter);
            FileResult written =
                WriteTextLines(work_ / RecordFileName(name), DealFileLines(deal, page_), page_);
            if (!written.ok || written.lossy) {
                std::fprintf(
                    stderr, "%s: %s\n", name.c_str(),
                    written.ok ? "a name does not fit the code page" : written.error.c_str());
                return false;
            }
            return true;
        }
        std::fprintf(stderr, "no board found for %02d/%02d\n", day.month, day.day);
        return false;
    }

    std::filesystem::path work_;
    const CodePage& page_;
    BoardStyle style_;
    SeededRandom random_;
    Tally tally_;
};

// Record files left from an earlier run go first, so that the folder holds this run only.
void ClearRecords(const std::filesystem::path& work) {
    std::error_code ec;
    std::filesystem::create_directories(work, ec);
    for (const auto& entry : std::filesystem::directory_iterator(work, ec))
        if (entry.is_regular_file() && entry.path().extension() == ".brg")
            std::filesystem::remove(entry.path(), ec);
}

bool WriteDays(const std::filesystem::path& work, unsigned codePage, const BoardStyle& style,
               std::uint64_t seed, const std::vector<Day>& days) {
    auto page = OpenCodePage(codePage);
    if (!page) {
        std::fprintf(stderr, "code page %u is not available here\n", codePage);
        return false;
    }
    ClearRecords(work);
    Writer writer(work, *page, style, seed);
    for (const Day& day : days)
        if (!writer.WriteDay(day)) return false;
    const Tally& t = writer.Counts();
    std::printf(
        "%s: %d boards: %d made, %d down, %d passed out, %d doubled, %d redoubled, "
        "%d claimed\n",
        PathToUtf8(work).c_str(), t.boards, t.made, t.down, t.passedOut, t.doubled, t.redoubled,
        t.claims);
    return true;
}

std::vector<Day> EnglishWeek() {
    const SeatNames home{"kate_rivers", "jonno_b", "renée_k", "maxplay88"};
    const SeatNames club{"ozzie_ace", "kate_rivers", "hanna.b", "trumpet22"};
    const SeatNames late{"dd_wolfe", "lisette", "captain_nemo7", "kate_rivers"};
    const SeatNames away{"kate_rivers", "pieter_vd", "sunny-sue", "bramble"};
    return {
        {10, 16, {{home, 6}}, {{3, Want::DoubledMade}}},
        {10, 17, {{club, 4}}, {{2, Want::PassOut}, {4, Want::Claim}}},
        {10, 18, {{home, 7}}, {{2, Want::Claim}, {5, Want::RedoubledDown}}},
        {10, 19, {{late, 5}}, {{1, Want::DoubledDown}}},
        {10, 20, {{club, 4}, {away, 4}}, {{3, Want::SlamMade}, {6, Want::RedoubledMade}}},
        {10, 21, {{late, 4}}, {{2, Want::Claim}}},
        {10, 22, {{home, 6}}, {{4, Want::Claim}, {5, Want::DoubledDown}}},
    };
}

std::vector<Day> JapaneseDays() {
    const SeatNames first{"山田", "鈴木", "佐藤", "田中"};
    const SeatNames second{"高橋", "山田", "伊藤", "渡辺"};
    return {
        {11, 3, {{first, 5}}, {{2, Want::DoubledDown}, {4, Want::Claim}}},
        {11, 4, {{second, 6}}, {{3, Want::RedoubledMade}, {5, Want::PassOut}}},
        {11, 5, {{first, 4}}, {{2, Want::SlamMade}, {3, Want::Claim}}},
    };
}

// Days from the first of January onwards (a year without 29 February), `boards` a day at
// tables of eight boards, the players changing from day to day.
std::vector<Day> BulkDays(int days, int boards) {
    static const int kMonthDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const std::vector<std::string> pool{"kate_rivers", "jonno_b",   "renée_k",   "maxplay88",
                                        "ozzie_ace",   "hanna.b",   "trumpet22", "dd_wolfe",
                                        "lisette",     "pieter_vd", "sunny-sue", "bramble"};
    std::vector<Day> out;
    int month = 1, date = 1;
    for (int d = 0; d < days; ++d) {
        Day day{month, date, {}, {}};
        for (int left = boards, t = 0; left > 0; left -= 8, ++t) {
            SeatNames names;
            for (int s = 0; s < 4; ++s) names[s] = pool[(d + t + 3 * s) % pool.size()];
            day.tables.push_back({names, std::min(left, 8)});
        }
        for (int b = 1; b <= boards; ++b) {
            Want want = b % 41 == 7    ? Want::PassOut
                        : b % 13 == 5  ? Want::DoubledDown
                        : b % 29 == 11 ? Want::DoubledMade
                        : b % 47 == 20 ? Want::RedoubledDown
                        : b % 10 == 3  ? Want::Claim
                                       : Want::Any;
            if (want != Want::Any) day.specials.push_back({b, want});
        }
        out.push_back(day);
        if (++date > kMonthDays[month - 1]) {
            date = 1;
            month = month % 12 + 1;
        }
    }
    return out;
}

int Usage() {
    std::fprintf(stderr,
                 "usage: tallowen-make-examples examples DIR\n"
                 "       tallowen-make-examples bulk DIR [DAYS] [BOARDS-A-DAY]\n");
    return 2;
}

int Run(int argc, char** argv) {
    if (argc < 3) return Usage();
    const std::filesystem::path dir = PathFromUtf8(argv[2]);
    BoardStyle english;
    if (std::strcmp(argv[1], "examples") == 0) {
        BoardStyle japanese;
        japanese.pass = "パス";
        bool ok = WriteDays(dir / "Work", 1252, english, 20061016, EnglishWeek()) &&
                  WriteDays(dir / "Japanese" / "Work", 932, japanese, 20061103, JapaneseDays());
        return ok ? 0 : 1;
    }
    if (std::strcmp(argv[1], "bulk") == 0) {
        int days = argc > 3 ? std::atoi(argv[3]) : 100;
        int boards = argc > 4 ? std::atoi(argv[4]) : 100;
        if (days < 1 || days > 365 || boards < 1 || boards > 999) return Usage();
        return WriteDays(dir / "Work", 1252, english, 1, BulkDays(days, boards)) ? 0 : 1;
    }
    return Usage();
}

}  // namespace
}  // namespace tallowen::examples

int main(int argc, char** argv) {
    return tallowen::examples::Run(argc, argv);
}

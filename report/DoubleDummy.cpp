#include "report/DoubleDummy.h"

#include <dll.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <memory>

#include "common/Text.h"
#include "report/Board.h"
#include "report/DdCache.h"

namespace tallowen {

namespace {

// Each return code of DDS with its text, as the library's header pairs them.
struct DdsCode {
    int code;
    const char* text;
};
const DdsCode kDdsCodes[] = {
    {RETURN_NO_FAULT, TEXT_NO_FAULT},
    {RETURN_UNKNOWN_FAULT, TEXT_UNKNOWN_FAULT},
    {RETURN_ZERO_CARDS, TEXT_ZERO_CARDS},
    {RETURN_TARGET_TOO_HIGH, TEXT_TARGET_TOO_HIGH},
    {RETURN_DUPLICATE_CARDS, TEXT_DUPLICATE_CARDS},
    {RETURN_TARGET_WRONG_LO, TEXT_TARGET_WRONG_LO},
    {RETURN_TARGET_WRONG_HI, TEXT_TARGET_WRONG_HI},
    {RETURN_SOLNS_WRONG_LO, TEXT_SOLNS_WRONG_LO},
    {RETURN_SOLNS_WRONG_HI, TEXT_SOLNS_WRONG_HI},
    {RETURN_TOO_MANY_CARDS, TEXT_TOO_MANY_CARDS},
    {RETURN_SUIT_OR_RANK, TEXT_SUIT_OR_RANK},
    {RETURN_PLAYED_CARD, TEXT_PLAYED_CARD},
    {RETURN_CARD_COUNT, TEXT_CARD_COUNT},
    {RETURN_THREAD_INDEX, TEXT_THREAD_INDEX},
    {RETURN_MODE_WRONG_LO, TEXT_MODE_WRONG_LO},
    {RETURN_MODE_WRONG_HI, TEXT_MODE_WRONG_HI},
    {RETURN_TRUMP_WRONG, TEXT_TRUMP_WRONG},
    {RETURN_FIRST_WRONG, TEXT_FIRST_WRONG},
    {RETURN_PLAY_FAULT, TEXT_PLAY_FAULT},
    {RETURN_PBN_FAULT, TEXT_PBN_FAULT},
    {RETURN_TOO_MANY_BOARDS, TEXT_TOO_MANY_BOARDS},
    {RETURN_THREAD_CREATE, TEXT_THREAD_CREATE},
    {RETURN_THREAD_WAIT, TEXT_THREAD_WAIT},
    {RETURN_THREAD_MISSING, TEXT_THREAD_MISSING},
    {RETURN_NO_SUIT, TEXT_NO_SUIT},
    {RETURN_TOO_MANY_TABLES, TEXT_TOO_MANY_TABLES},
    {RETURN_CHUNK_SIZE, TEXT_CHUNK_SIZE},
};

// Our suits count up from clubs; DDS's count down from spades. No trump is 4 in both.
constexpr int DdsStrain(int ourStrain) {
    return ourStrain == kNoTrump ? 4 : 3 - ourStrain;
}

// One CalcAllTables call solves at most this many boards in all five strains.
constexpr std::size_t kBatch = MAXNOOFBOARDS / DDS_STRAINS;

// The solver's thread pool is its own process-wide state; it is sized once, before the first
// search (not at all when the cache holds everything), because sizing it again frees and
// rebuilds its memory.
bool gThreadsSet = false;

void EnsureThreads() {
    if (!gThreadsSet) SetSolverThreads(0);
}

std::string Failure(int code) {
    return "double-dummy solver: " + DdsErrorText(code);
}

DdTable TableFrom(const ddTableResults& res) {
    DdTable table;
    for (int strain = 0; strain < 5; ++strain)
        for (int seat = 0; seat < kSeats; ++seat)
            table.tricks[strain][seat] = res.resTable[DdsStrain(strain)][seat];
    return table;
}

ddTableResults ResultsFrom(const DdTable& table) {
    ddTableResults res{};
    for (int strain = 0; strain < 5; ++strain)
        for (int seat = 0; seat < kSeats; ++seat)
            res.resTable[DdsStrain(strain)][seat] = table.tricks[strain][seat];
    return res;
}

DdPar ParOf(const Deal& deal, const DdTable& table) {
    DdPar par;
    const int vul = DdsVulnerability(deal);
    if (vul < 0) {
        par.why = "vulnerability unknown";
        return par;
    }
    if (!DealerKnown(deal)) {
        par.why = "dealer unknown";
        return par;
    }
    ddTableResults res = ResultsFrom(table);
    parResultsDealer out{};
    int rc = DealerPar(&res, &out, deal.Dealer, vul);
    if (rc != RETURN_NO_FAULT) {
        par.why = Failure(rc);
        return par;
    }
    par.score = out.score;
    for (int i = 0; i < out.number && i < 10; ++i) {
        std::string text(out.contracts[i], strnlen(out.contracts[i], sizeof out.contracts[i]));
        if (text == "pass") {
            par.passOut = true;
            continue;
        }
        auto contract = ParseDdsContract(text);
        if (!contract) {
            par.why = "double-dummy solver: unreadable par contract " + text;
            return par;
        }
        par.contracts.push_back(*contract);
    }
    par.known = true;
    return par;
}

// Solves the tables of the boards `index` names (at most kBatch) in one call.
void SolveTables(const std::vector<std::size_t>& index, const std::vector<DdHands>& hands,
                 std::vector<DdResult>& results) {
    EnsureThreads();
    auto in = std::make_unique<ddTableDeals>();
    auto out = std::make_unique<ddTablesRes>();
    auto parOut = std::make_unique<allParResults>();
    in->noOfTables = static_cast<int>(index.size());
    for (std::size_t k = 0; k < index.size(); ++k)
        std::memcpy(in->deals[k].cards, hands[index[k]].cards.data(), sizeof hands[0].cards);
    int filter[DDS_STRAINS] = {0, 0, 0, 0, 0};
    int rc = CalcAllTables(in.get(), -1, filter, out.get(), parOut.get());
    for (std::size_t k = 0; k < index.size(); ++k) {
        DdResult& result = results[index[k]];
        if (rc != RETURN_NO_FAULT) {
            result.why = Failure(rc);
            continue;
        }
        result.analysed = true;
        result.table = TableFrom(out->results[k]);
    }
}

struct PlayJob {
    std::size_t board;
    KnownPlay play;
};

// Analyses the plays of `jobs` (at most MAXNOOFBOARDS) in one call, on the solver's threads.
void SolvePlays(const std::vector<PlayJob>& jobs, const std::vector<DdHands>& hands,
                std::vector<DdResult>& results, DdCache* cache) {
    EnsureThreads();
    auto in = std::make_unique<boards>();
    auto traces = std::make_unique<playTracesBin>();
    auto out = std::make_unique<solvedPlays>();
    in->noOfBoards = traces->noOfBoards = static_cast<int>(jobs.size());
    for (std::size_t k = 0; k < jobs.size(); ++k) {
        const KnownPlay& play = jobs[k].play;
        deal& d = in->deals[k];
        d.trump = DdsStrain(play.trump);
        d.first = play.leader;
        std::memcpy(d.remainCards, hands[jobs[k].board].cards.data(), sizeof d.remainCards);
        playTraceBin& trace = traces->plays[k];
        trace.number = static_cast<int>(play.codes.size());
        for (std::size_t j = 0; j < play.codes.size(); ++j) {
            trace.suit[j] = DdsStrain(CardSuit(play.codes[j]));
            trace.rank[j] = CardRank(play.codes[j]);
        }
    }
    const int rc = AnalyseAllPlaysBin(in.get(), traces.get(), out.get(), 1);
    for (std::size_t k = 0; k < jobs.size(); ++k) {
        const solvedPlay& solved = out->solved[k];
        DdPlay& play = results[jobs[k].board].play;
        // A board the solver refused keeps no result of its own (the call reports one
        // refusal for the batch).
        if (static_cast<std::size_t>(solved.number) != SolvedCount(jobs[k].play.codes.size())) {
            play.why = Failure(rc != RETURN_NO_FAULT ? rc : RETURN_UNKNOWN_FAULT);
            continue;
        }
        std::vector<int> tricks(solved.tricks, solved.tricks + solved.number);
        if (cache) cache->KeepPlay(hands[jobs[k].board], jobs[k].play, tricks);
        SetPlayTricks(play, jobs[k].play, std::move(tricks));
    }
}

// The plays of the analysed boards: from the cache when it holds them, else solved.
void AnalysePlays(const std::vector<const Deal*>& deals, const std::vector<DdHands>& hands,
                  std::vector<DdResult>& results, DdCache* cache) {
    std::vector<PlayJob> jobs;
    for (std::size_t i = 0; i < deals.size(); ++i) {
        DdResult& result = results[i];
        if (!result.analysed) {
            result.play.why = result.why;
            continue;
        }
        std::optional<KnownPlay> play = PlayOf(*deals[i], result.play.why);
        if (!play) continue;
        if (cache) {
            std::optional<std::vector<int>> kept = cache->Play(hands[i], *play);
            const int declarer = (play->leader + 3) % kSeats;
            if (kept && kept->front() == result.table.tricks[play->trump][declarer]) {
                SetPlayTricks(result.play, *play, std::move(*kept));
                continue;
            }
        }
        jobs.push_back({i, std::move(*play)});
        if (jobs.size() == MAXNOOFBOARDS) {
            SolvePlays(jobs, hands, results, cache);
            jobs.clear();
        }
    }
    if (!jobs.empty()) SolvePlays(jobs, hands, results, cache);
}

}  // namespace

std::optional<DdHands> FullHands(const Deal& deal, std::string& why) {
    DdHands hands;
    std::uint64_t seen = 0;
    for (int seat = 0; seat < kSeats; ++seat) {
        for (std::int16_t code : deal.PlayCodes[seat]) {
            int suit = CardSuit(code);
            int rank = CardRank(code);
            if (!IsCardCode(code)) {
                why = "the hand of " + SeatName(seat) + " is incomplete";
                return std::nullopt;
            }
            std::uint64_t bit = std::uint64_t{1} << (suit * 16 + rank);
            if (seen & bit) {
                why = "the card " + CardText(code) + " is recorded twice";
                return std::nullopt;
            }
            seen |= bit;
            hands.cards[seat][DdsStrain(suit)] |= 1u << rank;
        }
    }
    return hands;
}

int DdsVulnerability(const Deal& deal) {
    const int ns = deal.ScoreBefore[0].Vul;
    const int ew = deal.ScoreBefore[1].Vul;
    if ((ns != 0 && ns != 1) || (ew != 0 && ew != 1)) return -1;
    if (ns == 1 && ew == 1) return 1;
    if (ns == 1) return 2;
    if (ew == 1) return 3;
    return 0;
}

std::optional<ParContract> ParseDdsContract(const std::string& text) {
    // level, strain letter ("N" no trump), "*" when doubled, "-", seats, then "+k" or "-k".
    ParContract c;
    std::size_t at = 0;
    if (text.size() < 4 || text[0] < '1' || text[0] > '7') return std::nullopt;
    c.level = text[0] - '0';
    const std::string strains = "CDHSN";
    std::size_t strain = strains.find(text[1]);
    if (strain == std::string::npos) return std::nullopt;
    c.strain = static_cast<int>(strain);
    at = 2;
    if (text[at] == '*') {
        c.doubled = true;
        ++at;
    }
    if (at >= text.size() || text[at] != '-') return std::nullopt;
    ++at;
    while (at < text.size() && std::string("NESW").find(text[at]) != std::string::npos)
        c.seats += text[at++];
    if (c.seats.empty() || c.seats.size() > 2) return std::nullopt;
    if (at < text.size()) {
        const char sign = text[at++];
        if ((sign != '+' && sign != '-') || at >= text.size()) return std::nullopt;
        int n = 0;
        for (; at < text.size(); ++at) {
            if (text[at] < '0' || text[at] > '9' || n > 13) return std::nullopt;
            n = n * 10 + (text[at] - '0');
        }
        c.overTricks = sign == '+' ? n : -n;
    }
    return c;
}

std::optional<KnownPlay> PlayOf(const Deal& deal, std::string& why) {
    if (deal.Contract == "Pass Out") {
        why = "passed out, no play";
        return std::nullopt;
    }
    if (!HasContract(deal) || deal.Declarer < 0 || deal.Declarer >= kSeats || deal.Strain < 0 ||
        deal.Strain > kNoTrump) {
        why = "no contract";
        return std::nullopt;
    }
    KnownPlay play;
    play.trump = deal.Strain;
    play.leader = (deal.Declarer + 1) % kSeats;
    for (int t = 0; t < kTricks; ++t) {
        int leader = -1;
        for (int seat = 0; seat < kSeats; ++seat)
            if (deal.CardMarks[seat][t] == 1) leader = seat;
        if (leader < 0) break;
        if (t == 0 && leader != play.leader) {
            why = "the opening lead is not from declarer's left";
            return std::nullopt;
        }
        for (int i = 0; i < kSeats; ++i) {
            const int seat = (leader + i) % kSeats;
            const int code = deal.PlayCodes[seat][t];
            if (!IsCardCode(code) || deal.CardMarks[seat][t] == 2)
                return play;  // a claim ends the play
            play.codes.push_back(static_cast<std::int16_t>(code));
            play.seats.push_back(seat);
            play.tricks.push_back(t);
        }
    }
    return play;
}

void SetPlayTricks(DdPlay& play, const KnownPlay& known, std::vector<int> tricks) {
    play = DdPlay{};
    play.analysed = true;
    const int declarerSide = SideOf((known.leader + 3) % kSeats);
    for (std::size_t k = 1; k < tricks.size() && k <= known.codes.size(); ++k) {
        const int seat = known.seats[k - 1];
        const bool declarers = SideOf(seat) == declarerSide;
        const int lost = declarers ? tricks[k - 1] - tricks[k] : tricks[k] - tricks[k - 1];
        if (lost <= 0) continue;
        play.lost[seat][known.tricks[k - 1]] = lost;
        (declarers ? play.declarerLost : play.defendersLost) += lost;
    }
    play.tricks = std::move(tricks);
}

std::vector<DdResult> AnalyseDeals(const std::vector<const Deal*>& deals, DdCache* cache) {
    std::vector<DdResult> results(deals.size());
    std::vector<DdHands> hands(deals.size());
    std::vector<std::size_t> unsolved;
    for (std::size_t i = 0; i < deals.size(); ++i) {
        std::optional<DdHands> full = FullHands(*deals[i], results[i].why);
        if (!full) continue;
        hands[i] = *full;
        std::optional<DdTable> kept = cache ? cache->Table(hands[i]) : std::nullopt;
        if (kept) {
            results[i].analysed = true;
            results[i].table = *kept;
        } else {
            unsolved.push_back(i);
        }
    }
    for (std::size_t from = 0; from < unsolved.size(); from += kBatch) {
        std::vector<std::size_t> batch(unsolved.begin() + static_cast<std::ptrdiff_t>(from),
                                       unsolved.begin() + static_cast<std::ptrdiff_t>(std::min(
                                                              unsolved.size(), from + kBatch)));
        SolveTables(batch, hands, results);
        if (cache)
            for (std::size_t i : batch)
                if (results[i].analysed) cache->KeepTable(hands[i], results[i].table);
    }
    for (std::size_t i = 0; i < deals.size(); ++i)
        if (results[i].analysed) results[i].par = ParOf(*deals[i], results[i].table);
    AnalysePlays(deals, hands, results, cache);
    return results;
}

std::string SolverVersion() {
    // From the header we are built with: the library's own GetDDSInfo reads its thread memory,
    // which the statically linked solver has not set up before the first search.
    return NumText(DDS_VERSION / 10000) + "." + NumText(DDS_VERSION / 100 % 100) + "." +
           NumText(DDS_VERSION % 100);
}

std::string DdsErrorText(int code) {
    for (const DdsCode& entry : kDdsCodes)
        if (entry.code == code) return entry.text;
    return "unknown return code " + NumText(code);
}

void SetSolverThreads(int threads) {
    SetMaxThreads(threads);
    gThreadsSet = true;
}

double TimeTablesAlone(const std::vector<const Deal*>& deals) {
    EnsureThreads();
    std::vector<DdHands> hands;
    std::string why;
    for (const Deal* deal : deals)
        if (std::optional<DdHands> full = FullHands(*deal, why)) hands.push_back(*full);
    auto in = std::make_unique<ddTableDeals>();
    auto out = std::make_unique<ddTablesRes>();
    auto parOut = std::make_unique<allParResults>();
    int filter[DDS_STRAINS] = {0, 0, 0, 0, 0};
    double ms = 0;
    for (std::size_t from = 0; from < hands.size(); from += kBatch) {
        const std::size_t to = std::min(hands.size(), from + kBatch);
        in->noOfTables = static_cast<int>(to - from);
        for (std::size_t k = from; k < to; ++k)
            std::memcpy(in->deals[k - from].cards, hands[k].cards.data(), sizeof hands[k].cards);
        auto start = std::chrono::steady_clock::now();
        const int rc = CalcAllTables(in.get(), -1, filter, out.get(), parOut.get());
        auto stop = std::chrono::steady_clock::now();
        if (rc != RETURN_NO_FAULT) return -1;
        ms += std::chrono::duration<double, std::milli>(stop - start).count();
    }
    return ms;
}

}  // namespace tallowen

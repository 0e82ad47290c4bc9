#include "report/DoubleDummy.h"

#include <dll.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <memory>

#include "common/Text.h"
#include "report/Board.h"

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
    return ourStrain == 4 ? 4 : 3 - ourStrain;
}

// One CalcAllTables call solves at most this many boards in all five strains.
constexpr std::size_t kBatch = MAXNOOFBOARDS / DDS_STRAINS;

// The solver's thread pool is its own process-wide state; it is sized once, before the first
// table, because sizing it again frees and rebuilds its memory.
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

void SolveBatch(const std::vector<const Deal*>& deals, std::size_t from, std::size_t to,
                std::vector<DdResult>& results) {
    auto in = std::make_unique<ddTableDeals>();
    auto out = std::make_unique<ddTablesRes>();
    auto parOut = std::make_unique<allParResults>();
    std::vector<std::size_t> index;
    in->noOfTables = 0;
    for (std::size_t i = from; i < to; ++i) {
        std::optional<DdHands> hands = FullHands(*deals[i], results[i].why);
        if (!hands) continue;
        std::memcpy(in->deals[in->noOfTables].cards, hands->cards.data(), sizeof hands->cards);
        ++in->noOfTables;
        index.push_back(i);
    }
    if (index.empty()) return;
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
        result.par = ParOf(*deals[index[k]], result.table);
    }
}

}  // namespace

std::optional<DdHands> FullHands(const Deal& deal, std::string& why) {
    DdHands hands;
    std::uint64_t seen = 0;
    for (int seat = 0; seat < kSeats; ++seat) {
        for (std::int16_t code : deal.PlayCodes[seat]) {
            int suit = code / 100;
            int rank = code % 100;
            if (code <= 0 || suit > 3 || rank < 2 || rank > 14) {
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

std::vector<DdResult> AnalyseDeals(const std::vector<const Deal*>& deals) {
    EnsureThreads();
    std::vector<DdResult> results(deals.size());
    for (std::size_t from = 0; from < deals.size(); from += kBatch)
        SolveBatch(deals, from, std::min(deals.size(), from + kBatch), results);
    return results;
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

double TimeOneTableSingleThreaded(const Deal& deal) {
    std::string why;
    std::optional<DdHands> hands = FullHands(deal, why);
    if (!hands) return -1;
    ddTableDeal in{};
    std::memcpy(in.cards, hands->cards.data(), sizeof hands->cards);
    ddTableResults out{};
    SetSolverThreads(1);
    auto start = std::chrono::steady_clock::now();
    int rc = CalcDDtable(in, &out);
    auto stop = std::chrono::steady_clock::now();
    SetSolverThreads(0);
    if (rc != RETURN_NO_FAULT) return -1;
    return std::chrono::duration<double, std::milli>(stop - start).count();
}

}  // namespace tallowen

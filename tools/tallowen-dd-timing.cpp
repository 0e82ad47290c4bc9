// The double-dummy analysis beside the solver's own pace, for the benchmark: reads the boards
// of a program folder's Work folder and times, on the same boards and on every core,
//  - DDS alone: the tables (CalcAllTables in the batches the utility uses);
//  - the utility's analysis on a first run: tables, par and play analysis;
//  - the same boards again from the cache the first run filled.
//
//   tallowen-dd-timing FOLDER [BOARDS]
//
// Prints one line per figure, in milliseconds per board.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "common/Files.h"
#include "platform/CodePage.h"
#include "records/LogSink.h"
#include "records/PlayAnalysis.h"
#include "records/RecordFiles.h"
#include "report/DdCache.h"
#include "report/DoubleDummy.h"

using namespace tallowen;

namespace {

template <class F>
double Milliseconds(F&& work) {
    auto start = std::chrono::steady_clock::now();
    work();
    auto stop = std::chrono::steady_clock::now();
    return std::chrono::duration<double, std::milli>(stop - start).count();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: tallowen-dd-timing FOLDER [BOARDS]\n");
        return 2;
    }
    Folders folders;
    folders.app = PathFromUtf8(argv[1]);
    const std::size_t limit = argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 20;
    std::vector<Deal> deals;
    for (const std::string& record : ScanWorkFiles(folders).work) {
        if (deals.size() >= limit) break;
        Deal deal;
        if (!ReadDealFile(deal, record, folders, AnsiCodePage()).ok) continue;
        NullLogSink log;
        DeriveDeal(deal, 0, log);
        std::string why;
        if (FullHands(deal, why)) deals.push_back(deal);
    }
    if (deals.empty()) {
        std::fprintf(stderr, "tallowen-dd-timing: no board with four full hands\n");
        return 1;
    }
    std::vector<const Deal*> all;
    for (const Deal& deal : deals) all.push_back(&deal);
    const double n = static_cast<double>(deals.size());
    const double alone = TimeTablesAlone(all);
    DdCache cache(SolverVersion());
    std::size_t plays = 0;
    const double first = Milliseconds([&] {
        for (const DdResult& r : AnalyseDeals(all, &cache)) plays += r.play.analysed ? 1 : 0;
    });
    const double again = Milliseconds([&] { AnalyseDeals(all, &cache); });
    std::printf("boards: %zu (%zu with a play analysed)\n", deals.size(), plays);
    std::printf("DDS alone, tables (CalcAllTables on every core): %.2f ms per board\n", alone / n);
    std::printf("first run, tables + par + play analysis: %.2f ms per board (%.2fx DDS alone)\n",
                first / n, first / alone);
    std::printf("again, from the cache: %.3f ms per board\n", again / n);
    return 0;
}

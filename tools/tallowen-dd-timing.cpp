// The double-dummy solver's own pace, for the benchmark: reads the boards of a program folder's
// Work folder and times DDS solving one table at a time on a single thread (CalcDDtable), then
// the same boards the way the utility solves them (CalcAllTables batches on every core).
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
#include "records/Contract.h"
#include "records/LogSink.h"
#include "records/PlayAnalysis.h"
#include "records/RecordFiles.h"
#include "report/DoubleDummy.h"

using namespace tallowen;

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
        FindContract(deal, log);
        FindDealer(deal, log);
        AnalysePlay(deal, 0);
        std::string why;
        if (FullHands(deal, why)) deals.push_back(deal);
    }
    if (deals.empty()) {
        std::fprintf(stderr, "tallowen-dd-timing: no board with four full hands\n");
        return 1;
    }
    double single = 0;
    for (const Deal& deal : deals) single += TimeOneTableSingleThreaded(deal);
    std::vector<const Deal*> all;
    for (const Deal& deal : deals) all.push_back(&deal);
    auto start = std::chrono::steady_clock::now();
    std::vector<DdResult> results = AnalyseDeals(all);
    auto stop = std::chrono::steady_clock::now();
    const double batched = std::chrono::duration<double, std::milli>(stop - start).count();
    std::printf("boards: %zu\n", deals.size());
    std::printf("one table, single thread (CalcDDtable): %.1f ms per board\n",
                single / static_cast<double>(deals.size()));
    std::printf("batches on every core (CalcAllTables + DealerPar): %.1f ms per board\n",
                batched / static_cast<double>(deals.size()));
    return 0;
}

// Our readers on the simulated client's text windows of all ten editions: time per window
// and how many reports come out exactly as the simulator drew them.
#include <benchmark/benchmark.h>

#include "SimBenchWindows.h"

namespace tallowen::bench {
namespace {

void BM_SimWindowsReadByUs(benchmark::State& state) {
    std::vector<SimBenchWindow> windows = MakeSimBenchWindows();
    std::size_t right = 0, reads = 0;
    for (auto _ : state) {
        for (SimBenchWindow& w : windows) {
            const std::vector<std::string> got = w.Read();
            right += got == w.expected ? 1 : 0;
            ++reads;
            benchmark::DoNotOptimize(got.data());
        }
    }
    state.SetItemsProcessed(std::int64_t(reads));
    state.counters["windows"] = double(windows.size());
    state.counters["right_pct"] = reads ? 100.0 * double(right) / double(reads) : 0;
}
BENCHMARK(BM_SimWindowsReadByUs)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tallowen::bench

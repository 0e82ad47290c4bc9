// The report utility's whole job over 10 000 record files of 100 days (100 boards a day, text
// twins on), beside a plain copy of the same files for scale. The records are the sample
// week of examples/Work dealt out again under 100 days' names; the folder lives under the
// home folder because the utility refuses paths that hold TMP or TEMP.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "common/Files.h"
#include "platform/CodePage.h"
#include "records/RecordNames.h"
#include "report/FontMetrics.h"
#include "report/MessageSink.h"
#include "report/ReportClock.h"
#include "report/ReportJob.h"
#include "sim/NullBackends.h"

namespace fs = std::filesystem;

namespace tallowen {
namespace {

constexpr int kDays = 100;
constexpr int kBoardsADay = 100;

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

fs::path ExamplesFolder() {
    return fs::path(__FILE__).parent_path().parent_path() / "examples";
}

fs::path BenchFolder() {
    const char* home = std::getenv("HOME");
    return fs::path(home ? home : ".") / "tallowen-bench" / "inprocess";
}

// Writes the program folder once: the settings file of the examples and the record files.
const fs::path& PreparedFolder() {
    static const fs::path folder = [] {
        fs::path app = BenchFolder();
        fs::remove_all(app);
        fs::create_directories(app / "Work");
        fs::copy_file(ExamplesFolder() / "Tallowen.INI", app / "Tallowen.INI");
        std::vector<fs::path> files;
        for (const auto& entry : fs::directory_iterator(ExamplesFolder() / "Work"))
            files.push_back(entry.path());
        std::sort(files.begin(), files.end());
        std::vector<std::string> samples;
        for (const fs::path& file : files) samples.push_back(ReadAll(file));
        static const int kMonthDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        int month = 1, day = 1;
        for (int d = 0; d < kDays; ++d) {
            for (int b = 1; b <= kBoardsADay; ++b) {
                std::string name = RecordName(PrefixForDate(month, day), b);
                const std::string& bytes = samples[(d * kBoardsADay + b) % samples.size()];
                WriteBytes(app / "Work" / RecordFileName(name), bytes);
            }
            if (++day > kMonthDays[month - 1]) day = 1, ++month;
        }
        return app;
    }();
    return folder;
}

void BM_ReportJob(benchmark::State& state) {
    ReportOptions options;
    options.appFolder = PreparedFolder();
    FixedCalendar calendar;  // the same dates on every run
    SystemReportClock clock(calendar);
    TableFontMetrics metrics;
    for (auto _ : state) {
        // Pages already there would make every run write new names beside them.
        state.PauseTiming();
        fs::remove_all(options.appFolder / "HandRec");
        state.ResumeTiming();
        ReportEnv env(clock, metrics, AnsiCodePage());
        LineMessageSink messages;
        int code = RunReportJob(options, messages, env);
        if (code != 0 || env.summary.boards != kDays * kBoardsADay || !env.summary.errors.empty())
            state.SkipWithError("the report job failed");
        benchmark::DoNotOptimize(env.summary.boards);
    }
    state.counters["records"] = kDays * kBoardsADay;
}
BENCHMARK(BM_ReportJob)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_CopyWorkFolder(benchmark::State& state) {
    const fs::path work = PreparedFolder() / "Work";
    const fs::path copy = PreparedFolder() / "WorkCopy";
    for (auto _ : state) {
        state.PauseTiming();
        fs::remove_all(copy);
        state.ResumeTiming();
        fs::copy(work, copy, fs::copy_options::recursive);
    }
    fs::remove_all(copy);
}
BENCHMARK(BM_CopyWorkFolder)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
}  // namespace tallowen

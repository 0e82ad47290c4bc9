// The watcher's own cost: one tick while the table is up and nothing is due (what it spends
// every 300 ms of a user's evening), and whole boards recorded from the simulated client.
#include <benchmark/benchmark.h>

#include <fstream>
#include <memory>

#include "common/Files.h"
#include "platform/FilePlace.h"
#include "records/RecordFiles.h"
#include "records/RecordNames.h"
#include "shell/MainLoop.h"
#include "shell/ShellRig.h"
#include "shell/Startup.h"
#include "sim/SimSession.h"

namespace tallowen {

namespace {

// The watcher on a simulated desktop with a Work folder of its own, started as at launch.
struct Watcher : testing::ShellRig {
    Watcher() {
        InitWatcher(app);
        app.settings.myYahooID = {"me_tester"};
    }
};

void BM_IdleTick(benchmark::State& state) {
    Watcher w;
    SimSessionOptions options;
    options.plan.boards = 1;
    SimSession session(w.desktop, w.clock, options);
    session.Start();
    w.app.settings.autoCaptBid = w.app.settings.autoCaptHand = false;
    for (int i = 0; i < 20; ++i) {  // the table comes up and is placed
        Timer1_Timer(w.app);
        w.clock.Wait(kTickInterval);
    }
    for (auto& slot : w.app.loop.schedule.slots) slot.armed = false;
    for (auto _ : state) Timer1_Timer(w.app);
}
BENCHMARK(BM_IdleTick)->Unit(benchmark::kMicrosecond);

struct CountRecords final : RecordListener {
    void RecordWritten(const std::string&) override { ++count; }
    std::int64_t count = 0;
};

// Old records of other days, as a player's Work folder holds them after a few years.
void FillWorkFolder(const Folders& folders, int records) {
    const std::string bytes = "Ann, Ben, Cy, Di\r\n 1 \r\nPass,   Pass,   Pass,   Pass\r\n";
    for (int i = 0; i < records; ++i) {
        const std::string name =
            RecordName(PrefixForDate(1 + i / 3000, 1 + i / 100 % 28), 1 + i % 100);
        std::ofstream(folders.WorkFile(RecordFileName(name)), std::ios::binary) << bytes;
    }
    // Old records are on the disk already: the first durable write must not pay for them.
    FlushFolder(folders.Work());
}

// Whole sessions as the client plays them (passed-out boards, claims), the Work folder empty
// or holding `range(0)` old records: boards recorded per second. The folders are filled (and
// removed) outside the timing: making and removing thousands of files keeps the file system
// busy long after.
void BM_SessionBoards(benchmark::State& state) {
    constexpr int kBoards = 20, kRuns = 3;
    std::vector<std::unique_ptr<Watcher>> watchers;
    for (int i = 0; i < kRuns; ++i) {
        watchers.push_back(std::make_unique<Watcher>());
        FillWorkFolder(watchers.back()->app.folders, int(state.range(0)));
    }
    CountRecords recorded;
    int run = 0;
    for (auto _ : state) {
        Watcher& w = *watchers[std::size_t(run++ % kRuns)];
        InitWatcher(w.app);
        w.app.settings.myYahooID = {"me_tester"};
        w.app.writes.listener = &recorded;
        SimSessionOptions options;
        options.plan.boards = kBoards;
        SimSession session(w.desktop, w.clock, options);
        const int ticks = w.clock.Every(kTickInterval, [&w] { Timer1_Timer(w.app); });
        session.Start();
        while (!session.Finished()) w.clock.Wait(1000);
        w.clock.Wait(60000);
        w.clock.Cancel(ticks);
    }
    state.SetItemsProcessed(recorded.count);  // boards recorded per second
}
BENCHMARK(BM_SessionBoards)->Arg(0)->Arg(20000)->Unit(benchmark::kMillisecond)->Iterations(3);

// One record written as the watcher writes it: cached (0) or through to the disk (1).
void BM_RecordWrite(benchmark::State& state) {
    Watcher w;
    const std::vector<std::string> lines(9, std::string(60, 'x'));
    const Durability durability = state.range(0) ? Durability::Durable : Durability::Cached;
    int n = 0;
    for (auto _ : state) {
        const auto path = w.app.folders.WorkFile("12_07_" + std::to_string(++n) + ".brg");
        if (!WriteTextLines(path, lines, w.app.seams.codePage, false, durability).ok)
            state.SkipWithError("write failed");
    }
}
BENCHMARK(BM_RecordWrite)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace

}  // namespace tallowen

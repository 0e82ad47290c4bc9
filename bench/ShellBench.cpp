// The watcher's own cost: one tick while the table is up and nothing is due (what it spends
// every 300 ms of a user's evening), and whole boards recorded from the simulated client.
#include <benchmark/benchmark.h>

#include "common/Files.h"
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
    for (auto& slot : w.app.schedule.slots) slot.armed = false;
    for (auto _ : state) Timer1_Timer(w.app);
}
BENCHMARK(BM_IdleTick)->Unit(benchmark::kMicrosecond);

void BM_SessionBoards(benchmark::State& state) {
    const int boards = 20;
    std::int64_t recorded = 0;
    for (auto _ : state) {
        Watcher w;
        SimSessionOptions options;
        options.plan.boards = boards;
        options.plan.minBids = 1;
        SimSession session(w.desktop, w.clock, options);
        const int ticks = w.clock.Every(kTickInterval, [&w] { Timer1_Timer(w.app); });
        session.Start();
        while (!session.Finished()) w.clock.Wait(1000);
        w.clock.Wait(60000);
        w.clock.Cancel(ticks);
        recorded += std::int64_t(ScanWorkFiles(w.app.folders).work.size());
    }
    state.SetItemsProcessed(recorded);  // boards recorded per second
}
BENCHMARK(BM_SessionBoards)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

}  // namespace tallowen

// Plays a session of the simulated client with the whole watcher running on its ticks, and
// compares the records it leaves with the boards that were played.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "ShellRig.h"
#include "records/DealOps.h"
#include "records/RecordFiles.h"
#include "shell/MainLoop.h"
#include "shell/Startup.h"
#include "sim/RecordsRead.h"
#include "sim/SessionAccount.h"
#include "sim/SimRecord.h"
#include "sim/SimSession.h"

namespace tallowen::testing {

struct SessionOutcome {
    std::vector<SimPlayedBoard> played;
    std::vector<SimFaultEvent> faults;
    std::map<std::string, Deal> records;  // by record name
    std::vector<std::string> messages;
};

// `during` is given the session before it starts, to schedule what happens to the client.
inline SessionOutcome PlaySession(ShellRig& rig, SimSessionOptions options,
                                  const std::function<void(SimSession&)>& during = {}) {
    InitWatcher(rig.app);
    rig.app.settings.myYahooID = {options.plan.userId};
    RecordsRead written(rig.app.folders, AnsiCodePage());
    written.onRead = [](const RecordRead& r) { EXPECT_TRUE(r.ok) << r.name << ": " << r.error; };
    rig.app.writes.listener = &written;
    SimSession session(rig.desktop, rig.clock, options);
    if (during) during(session);
    const int ticks = rig.clock.Every(kTickInterval, [&rig] { Timer1_Timer(rig.app); });
    session.Start();
    while (!session.Finished()) rig.clock.Wait(1000);
    // The last hand is taken once the next deal shows, at the latest when the hand timer runs out.
    rig.clock.Wait(std::uint32_t(rig.app.settings.waitTimeHand) + 30000);
    rig.clock.Cancel(ticks);
    rig.app.writes.listener = nullptr;

    SessionOutcome out{session.Played(), session.Faults(), written.Readable(), {}};
    for (const MessageText& m : rig.views.message.shown) out.messages.push_back(m.text);
    return out;
}

// Every board played accounted for; a test fails on a record that is mixed or wrong.
inline SessionAccount Account(const SessionOutcome& out) {
    const SessionAccount account = AccountForSession(out.records, out.played, out.faults);
    for (const std::string& line : account.lines)
        if (line.find(": right") == std::string::npos) std::printf("  %s\n", line.c_str());
    EXPECT_EQ(account.mixed, 0) << AccountSummary(account);
    return account;
}

// A session as the simulated client plays it by default: passed-out boards, claims and the
// pause between deals.
inline SimSessionOptions DefaultSession(int boards, int language, std::uint64_t seed) {
    SimSessionOptions options;
    options.plan.boards = boards;
    options.plan.seed = std::uint32_t(seed);
    options.language = language;
    return options;
}

}  // namespace tallowen::testing

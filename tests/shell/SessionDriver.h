// Plays a session of the simulated client with the whole watcher running on its ticks, and
// compares the records it leaves with the boards that were played.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "ShellRig.h"
#include "records/DealOps.h"
#include "records/RecordFiles.h"
#include "shell/MainLoop.h"
#include "shell/Startup.h"
#include "sim/SimRecord.h"
#include "sim/SimSession.h"

namespace tallowen::testing {

struct SessionOutcome {
    std::vector<SimPlayedBoard> played;
    std::vector<SimFaultEvent> faults;
    std::map<std::string, Deal> records;  // by record name
    std::vector<std::string> messages;
};

inline SessionOutcome PlaySession(ShellRig& rig, SimSessionOptions options) {
    InitWatcher(rig.app);
    rig.app.settings.myYahooID = {options.plan.userId};
    SimSession session(rig.desktop, rig.clock, options);
    const int ticks = rig.clock.Every(kTickInterval, [&rig] { Timer1_Timer(rig.app); });
    session.Start();
    while (!session.Finished()) rig.clock.Wait(1000);
    // The last hand is taken once the next deal shows, at the latest when the hand timer runs out.
    rig.clock.Wait(std::uint32_t(rig.app.settings.waitTimeHand) + 30000);
    rig.clock.Cancel(ticks);

    SessionOutcome out{session.Played(), session.Faults(), {}, {}};
    for (const std::string& name : ScanWorkFiles(rig.app.folders).work) {
        Deal deal;
        EXPECT_TRUE(ReadDealFile(deal, name, rig.app.folders, AnsiCodePage()).ok) << name;
        out.records[name] = deal;
    }
    for (const MessageText& m : rig.views.message.shown) out.messages.push_back(m.text);
    return out;
}

// Boards the watcher cannot tell from the one before: the same auction again is taken for
// the old auction still on display, so the deal is never begun.
inline bool SameAuctionAsBefore(const std::vector<SimPlayedBoard>& played, std::size_t i) {
    if (i == 0) return false;
    const Deal a = RecordOf(played[i - 1].board), b = RecordOf(played[i].board);
    return TestSameAuction(a.Rounds, b.Rounds, a.Calls, b.Calls);
}

// Checks every record against the board with its cards; returns the boards without one.
inline std::vector<int> CompareWithPlayed(const SessionOutcome& out) {
    std::vector<Deal> played;
    for (const SimPlayedBoard& p : out.played) played.push_back(RecordOf(p.board));
    const RecordMatch match = MatchRecords(out.records, played);
    for (const std::string& problem : match.problems) ADD_FAILURE() << problem;
    return match.missing;
}

inline SimSessionOptions CleanSession(int boards, int language, std::uint64_t seed) {
    SimSessionOptions options;
    options.plan.boards = boards;
    options.plan.seed = seed;
    options.plan.minBids = 1;
    options.language = language;
    return options;
}

// Why board i may be missing from the records, empty when nothing excuses it: the same
// auction as the board before (taken for the old one still on display), or the client hid
// what the watcher needed while this board or the one before was played (a window closed or
// minimised, the table away). A late score or a spoilt glyph only delays a capture.
inline std::string WhyNotRecorded(const SessionOutcome& out, std::size_t i) {
    if (SameAuctionAsBefore(out.played, i)) return "same auction as the board before";
    static const char* const kHidden[] = {"window closed", "window minimised", "", "table away"};
    const int index = out.played[i].index;
    for (int board : {index, index - 1})
        for (const SimFaultEvent& f : out.faults) {
            const int kind = int(f.kind);
            if (f.board == board && kind < 4 && *kHidden[kind])
                return std::string(kHidden[kind]) + (board == index ? "" : " the board before");
        }
    return "";
}

}  // namespace tallowen::testing

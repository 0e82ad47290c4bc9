// A long session as the client plays it by default (passed-out boards, claims, pauses), with
// faults injected at random: windows closed or minimised, a late score, the table going away
// mid-deal, spoilt glyphs. No record may join two boards or differ from its board, and every
// board lost must be explained by a fault that hid what the watcher needed.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "SessionDriver.h"

namespace tallowen::testing {

TEST(Soak, FaultsNeverMixARecordAndEveryLostBoardIsExplained) {
    const char* env = std::getenv("TALLOWEN_SOAK_BOARDS");
    const int boards = env ? std::atoi(env) : 1000;
    ShellRig rig;
    SimSessionOptions options = DefaultSession(boards, 1, 2026);
    options.faults.windowClosed = 4;
    options.faults.windowMinimized = 4;
    options.faults.staleScore = 4;
    options.faults.tableAway = 2;
    options.faults.misdrawnGlyph = 4;
    const SessionOutcome out = PlaySession(rig, options);
    ASSERT_EQ(int(out.played.size()), boards);
    const SessionAccount account = Account(out);  // fails on any mixed or wrong record
    EXPECT_EQ(account.lostUnexplained, 0) << AccountSummary(account);
    RecordProperty("boards", boards);
    RecordProperty("right", account.right);
    RecordProperty("lost", account.lost);
    std::printf("soak: %d faults; %s\n", int(out.faults.size()), AccountSummary(account).c_str());
}

}  // namespace tallowen::testing

// A long session with faults injected at random: windows closed or minimised, a late score,
// the table going away mid-deal, spoilt glyphs. No board may be recorded twice, no record may
// be corrupt, and every board the client completed in plain view must be on disk.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <map>

#include "SessionDriver.h"

namespace tallowen::testing {

TEST(Soak, FaultsNeverDoubleCorruptOrLoseAVisibleBoard) {
    const char* env = std::getenv("TALLOWEN_SOAK_BOARDS");
    const int boards = env ? std::atoi(env) : 1000;
    ShellRig rig;
    SimSessionOptions options = CleanSession(boards, 1, 2026);
    options.faults.windowClosed = 4;
    options.faults.windowMinimized = 4;
    options.faults.staleScore = 4;
    options.faults.tableAway = 2;
    options.faults.misdrawnGlyph = 4;
    const SessionOutcome out = PlaySession(rig, options);
    ASSERT_EQ(int(out.played.size()), boards);
    const std::vector<int> missing = CompareWithPlayed(out);  // fails on doubles and corruption
    int excused = 0;
    std::map<std::string, int> reasons;
    for (int i : missing) {
        const std::string why = WhyNotRecorded(out, std::size_t(i));
        if (why.empty()) ADD_FAILURE() << "board " << i << " was lost in plain view";
        excused += !why.empty();
        ++reasons[why];
    }
    for (const auto& [why, count] : reasons)
        std::printf("  not recorded, %s: %d\n", why.c_str(), count);
    RecordProperty("boards", boards);
    RecordProperty("recorded", int(out.records.size()));
    RecordProperty("excused", excused);
    std::printf("soak: %d boards, %d faults, %zu recorded, %d not recorded for a known reason\n",
                boards, int(out.faults.size()), out.records.size(), excused);
}

}  // namespace tallowen::testing

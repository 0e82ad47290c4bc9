// The whole watcher against the simulated client playing a session: every board the client
// completed while its windows could be seen must be on disk once, as it was played.
#include <gtest/gtest.h>

#include "SessionDriver.h"

namespace tallowen::testing {

class WholeSession : public ::testing::TestWithParam<int> {};

TEST_P(WholeSession, EveryBoardIsRecordedOnceAsPlayed) {
    const int language = GetParam();
    ShellRig rig;
    const SessionOutcome out = PlaySession(rig, CleanSession(6, language, 40 + language));
    ASSERT_EQ(out.played.size(), 6u);
    const std::vector<int> missing = CompareWithPlayed(out);
    for (int i : missing)
        EXPECT_TRUE(SameAuctionAsBefore(out.played, std::size_t(i)))
            << "board " << i << " was not recorded";
}
INSTANTIATE_TEST_SUITE_P(Editions, WholeSession, ::testing::Values(1, 3, 4, 5, 6, 7, 8, 9, 10));

}  // namespace tallowen::testing

namespace tallowen::testing {

// The client's kana come out of the glyph matcher as "?", so the auction never reads as
// finished: a Japanese session records nothing, and says nothing either (automatic captures
// retry silently), rather than recording boards it cannot read.
TEST(WholeSession, JapaneseKanaAreUnreadableSoNothingIsRecorded) {
    ShellRig rig;
    const SessionOutcome out = PlaySession(rig, CleanSession(3, 2, 7));
    EXPECT_EQ(out.played.size(), 3u);
    EXPECT_TRUE(out.records.empty());
    EXPECT_TRUE(rig.app.busy.Any() == false);
}

}  // namespace tallowen::testing

// The whole watcher against the simulated client playing sessions as it plays them by default
// (passed-out boards, claims, the pause between deals): every board must be on disk once,
// as it was played, and no record may join two boards.
#include <gtest/gtest.h>

#include <tuple>

#include "SessionDriver.h"

namespace tallowen::testing {

// Edition, and the WaitTime Bid setting in seconds (0: the default).
class WholeSession : public ::testing::TestWithParam<std::tuple<int, int>> {};

TEST_P(WholeSession, EveryBoardIsRecordedOnceAsPlayed) {
    const auto [language, waitBid] = GetParam();
    ShellRig rig;
    if (waitBid > 0)
        WriteFile(rig.folder / "Tallowen.INI",
                  "WaitTime Bid = " + std::to_string(waitBid) + "\r\n");
    const SessionOutcome out =
        PlaySession(rig, DefaultSession(12, language, 40 + language + std::uint64_t(waitBid)));
    ASSERT_EQ(out.played.size(), 12u);
    const SessionAccount account = Account(out);
    EXPECT_EQ(account.right, account.played) << AccountSummary(account);
}
INSTANTIATE_TEST_SUITE_P(Editions, WholeSession,
                         ::testing::Combine(::testing::Values(1, 3, 4, 5, 6, 7, 8, 9, 10),
                                            ::testing::Values(0, 5)));

// The client's kana come out of the glyph matcher as "?", so the auction never reads as
// finished: a Japanese session records nothing, and shows nothing either (automatic captures
// retry silently), rather than recording boards it cannot read. Its log says why, once.
TEST(WholeSession, JapaneseKanaAreUnreadableSoNothingIsRecordedAndTheLogSaysWhyOnce) {
    ShellRig rig;
    WriteFile(rig.folder / "Tallowen.INI", "log = errors.log\r\n");
    const SessionOutcome out = PlaySession(rig, DefaultSession(3, 2, 7));
    EXPECT_EQ(out.played.size(), 3u);
    EXPECT_TRUE(out.records.empty());
    EXPECT_TRUE(out.messages.empty());
    EXPECT_FALSE(rig.app.loop.busy.Any());
    int told = 0;
    for (const std::string& line : rig.views.log.lines)
        told += line.find("kana") != std::string::npos;
    EXPECT_EQ(told, 1);
}

}  // namespace tallowen::testing

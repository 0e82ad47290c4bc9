// The whole watcher against the simulated client playing a session: every board the client
// completed while its windows could be seen must be on disk once, as it was played.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "ShellRig.h"
#include "records/DealOps.h"
#include "records/RecordFiles.h"
#include "shell/MainLoop.h"
#include "shell/Startup.h"
#include "sim/SimRecord.h"
#include "sim/SimSession.h"

namespace tallowen::testing {

namespace {

std::string CardsKey(const CardTextGrid& cards) {
    std::string key;
    for (const auto& hand : cards)
        for (const std::string& card : hand) key += card + ",";
    return key;
}

struct SessionOutcome {
    std::vector<SimPlayedBoard> played;
    std::vector<SimFaultEvent> faults;
    std::map<std::string, Deal> records;  // by record name
    std::vector<std::string> messages;
};

SessionOutcome PlaySession(ShellRig& rig, SimSessionOptions options) {
    InitWatcher(rig.app);
    rig.app.settings.myYahooID = {options.plan.userId};
    SimSession session(rig.desktop, rig.clock, options);
    const int ticks = rig.clock.Every(kTickInterval, [&rig] { Timer1_Timer(rig.app); });
    session.Start();
    while (!session.Finished()) rig.clock.Wait(1000);
    rig.clock.Wait(60000);  // the last hand is taken once the next deal shows
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
bool SameAuctionAsBefore(const std::vector<SimPlayedBoard>& played, std::size_t i) {
    if (i == 0) return false;
    const Deal a = RecordOf(played[i - 1].board), b = RecordOf(played[i].board);
    return TestSameAuction(a.Rounds, b.Rounds, a.Calls, b.Calls);
}

// Checks every record against the board with its cards; returns the boards without one.
std::vector<int> CompareWithPlayed(const SessionOutcome& out) {
    std::map<std::string, int> byCards;
    for (std::size_t i = 0; i < out.played.size(); ++i)
        byCards[CardsKey(RecordOf(out.played[i].board).Cards)] = int(i);
    std::set<int> recorded;
    for (const auto& [name, deal] : out.records) {
        const auto found = byCards.find(CardsKey(deal.Cards));
        if (found == byCards.end()) {
            ADD_FAILURE() << name << " holds no board that was played";
            continue;
        }
        EXPECT_TRUE(recorded.insert(found->second).second) << name << " records a board twice";
        for (const std::string& d : RecordDifferences(deal, out.played[found->second].board))
            ADD_FAILURE() << name << ": " << d;
    }
    std::vector<int> missing;
    for (std::size_t i = 0; i < out.played.size(); ++i)
        if (!recorded.count(int(i))) missing.push_back(int(i));
    return missing;
}

SimSessionOptions Clean(int boards, int language, std::uint64_t seed) {
    SimSessionOptions options;
    options.plan.boards = boards;
    options.plan.seed = seed;
    options.plan.minBids = 1;
    options.language = language;
    return options;
}

}  // namespace

class WholeSession : public ::testing::TestWithParam<int> {};

TEST_P(WholeSession, EveryBoardIsRecordedOnceAsPlayed) {
    const int language = GetParam();
    ShellRig rig;
    const SessionOutcome out = PlaySession(rig, Clean(6, language, 40 + language));
    ASSERT_EQ(out.played.size(), 6u);
    const std::vector<int> missing = CompareWithPlayed(out);
    for (int i : missing)
        EXPECT_TRUE(SameAuctionAsBefore(out.played, std::size_t(i)))
            << "board " << i << " was not recorded";
}
INSTANTIATE_TEST_SUITE_P(Editions, WholeSession, ::testing::Values(1, 3, 4, 5, 6, 7, 8, 9, 10));

}  // namespace tallowen::testing

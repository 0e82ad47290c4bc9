// Every board a session played is accounted for against the records it left: right, lost
// (with the injected fault that explains it) or wrong, one line a board, and the totals.
#include <gtest/gtest.h>

#include "sim/SessionAccount.h"
#include "sim/SessionPlan.h"
#include "sim/SimRecord.h"

namespace tallowen::testing {
namespace {

std::vector<SimPlayedBoard> Played(int boards) {
    SessionPlanOptions o;
    o.boards = boards;
    o.seed = 12;
    std::vector<SimPlayedBoard> out;
    int index = 0;
    for (const SimBoard& b : PlanSession(o)) {
        SimPlayedBoard p;
        p.index = index++;
        p.number = p.index + 1;
        p.board = b;
        out.push_back(p);
    }
    return out;
}

TEST(SessionAccount, EachBoardIsRightLostOrWrongAndAStrayRecordIsWrongToo) {
    const std::vector<SimPlayedBoard> played = Played(6);
    std::map<std::string, Deal> records;
    records["12_07_001"] = RecordOf(played[0].board);
    // Board 2 is lost after the table was away; board 3 is lost with nothing to explain it.
    Deal mixed = RecordOf(played[3].board);  // board 4's cards with board 3's auction
    mixed.Calls = RecordOf(played[2].board).Calls;
    mixed.Rounds = RecordOf(played[2].board).Rounds;
    records["12_07_002"] = mixed;
    records["12_07_003"] = RecordOf(played[4].board);  // board 5 twice
    records["12_07_004"] = RecordOf(played[4].board);
    records["12_07_005"] = RecordOf(played[5].board);
    Deal stray = RecordOf(played[5].board);
    std::swap(stray.Cards[0], stray.Cards[1]);
    records["12_07_006"] = stray;
    const std::vector<SimFaultEvent> faults{{0, SimFaultKind::TableAway, 0, 10, 20},
                                            {2, SimFaultKind::StaleScore, 4, 30, 40}};

    const SessionAccount a = AccountForSession(records, played, faults);
    EXPECT_EQ(AccountSummary(a), "played 6, right 2, lost 2, mixed 3");
    EXPECT_EQ(a.lostUnexplained, 1) << "a late score explains no loss";
    ASSERT_EQ(a.lines.size(), 7u);
    EXPECT_EQ(a.lines[0], "board 1 (12_07_001): right");
    EXPECT_EQ(a.lines[1].rfind("board 2: lost (table away the board before", 0), 0u) << a.lines[1];
    EXPECT_EQ(a.lines[2].rfind("board 3: lost (not captured", 0), 0u) << a.lines[2];
    EXPECT_EQ(a.lines[3].rfind("board 4 (12_07_002): mixed or wrong: round", 0), 0u) << a.lines[3];
    EXPECT_EQ(a.lines[4], "board 5 (12_07_003 12_07_004): mixed or wrong: recorded twice");
    EXPECT_EQ(a.lines[5], "board 6 (12_07_005): right");
    EXPECT_EQ(a.lines[6], "12_07_006: holds no board that was played");
}

TEST(SessionAccount, AFaultOnTheBoardBeforeExplainsALoss) {
    const std::vector<SimPlayedBoard> played = Played(3);
    const std::vector<SimFaultEvent> faults{{0, SimFaultKind::WindowClosed, 3, 10, 0}};
    EXPECT_EQ(FaultExcuse(played, faults, 0), "window closed");
    EXPECT_EQ(FaultExcuse(played, faults, 1), "window closed the board before");
    EXPECT_EQ(FaultExcuse(played, faults, 2), "");
}

}  // namespace
}  // namespace tallowen::testing

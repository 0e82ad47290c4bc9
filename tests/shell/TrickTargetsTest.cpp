// The trick targets shown after an auction, and the seat a shown record turns to.
#include "DrawingFixture.h"
#include "records/RecordWriter.h"
#include "shell/RecordList.h"
#include "shell/Seats.h"
#include "shell/TrickTargets.h"

namespace tallowen::testing {
namespace {

struct TargetCase {
    int declarer, bottom, level, we, they;
};
class Targets : public ::testing::TestWithParam<TargetCase> {};
TEST_P(Targets, TheDeclarersNeedLevelPlusSix) {
    const TargetCase& c = GetParam();
    const TrickTarget t = TargetTricks(c.declarer, c.bottom, c.level);
    EXPECT_EQ(t.we, c.we);
    EXPECT_EQ(t.they, c.they);
}
INSTANTIATE_TEST_SUITE_P(TrickTargets, Targets,
                         ::testing::Values(TargetCase{0, 0, 4, 10, 3}, TargetCase{2, 0, 1, 7, 6},
                                           TargetCase{1, 0, 7, 0, 13}, TargetCase{0, 3, 3, 4, 9},
                                           TargetCase{3, 1, 2, 8, 5}));

TEST(TrickTargets, ARecordedAuctionSetsTheTargetRowAndEmptiesTheTakenRow) {
    ShellRig rig;
    rig.app.display.rotation = {1, 2, 3, 0};  // East at the bottom
    for (Control c : {Control::WeT, Control::ThT, Control::sumT}) rig.app.Ctl(c).caption = "5";
    Deal deal;
    deal.Level = 3;
    deal.Declarer = 0;
    ShowTrickTargets(rig.app, deal);
    auto caption = [&](Control c) { return rig.views.main.controls[std::size_t(c)].caption; };
    EXPECT_EQ(caption(Control::WeB), "4");
    EXPECT_EQ(caption(Control::ThB), "9");
    EXPECT_EQ(caption(Control::sumB), "13");
    EXPECT_EQ(caption(Control::WeT), "");
    EXPECT_EQ(caption(Control::sumT), "");
    deal.Level = 0;  // passed out
    ShowTrickTargets(rig.app, deal);
    EXPECT_EQ(caption(Control::WeB), "");
    EXPECT_EQ(caption(Control::sumB), "");
}

TEST(UserSeat, AShownRecordTurnsToTheUserButARedrawKeepsTheUsersTurn) {
    ShellRig rig;
    Deal deal = samples::Western();
    deal.Names = {"ann", "bob", "Carol_C", "dave"};
    deal.AuctionNames = deal.Names;
    const CodePage& page = rig.app.seams.codePage;
    ASSERT_TRUE(
        WriteTextLines(rig.app.folders.WorkFile("12_06_001.brg"), DealFileLines(deal, page), page)
            .ok);
    rig.app.settings.myYahooID = {"carol_c"};
    Show_File(rig.app, "12_06_001");
    EXPECT_EQ(rig.views.main.rotation, (std::array<int, 4>{2, 3, 0, 1}));
    Lbl_Click(rig.app, 2);  // North to the bottom
    EXPECT_EQ(rig.views.main.dealsShown, 2);
    EXPECT_EQ(rig.views.main.rotation, (std::array<int, 4>{0, 1, 2, 3}));
}

}  // namespace
}  // namespace tallowen::testing

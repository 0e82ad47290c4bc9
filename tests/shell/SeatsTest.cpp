#include <gtest/gtest.h>

#include "shell/Seats.h"

#include "ShellRig.h"

namespace tallowen::testing {

namespace {

std::string Labels(const ShellRig& rig) {
    std::string letters;
    for (int i = 0; i < 4; ++i)
        letters += rig.views.main.controls[std::size_t(int(Control::Lbl0) + i)].caption;
    return letters;
}

}  // namespace

class Rotation : public ::testing::TestWithParam<std::pair<int, const char*>> {};

TEST_P(Rotation, LabelsGoClockwiseFromTheBottomSeatAndInvSeatUndoesIt) {
    ShellRig rig;
    sitNESW(rig.app, GetParam().first);
    EXPECT_EQ(Labels(rig), GetParam().second);
    for (int position = 0; position < 4; ++position)
        EXPECT_EQ(
            InvSeat(rig.app.display.rotation, rig.app.display.rotation[std::size_t(position)]),
            position);
    EXPECT_EQ(InvSeat(rig.app.display.rotation, 7), 0) << "a seat not in the rotation";
}
INSTANTIATE_TEST_SUITE_P(Seats, Rotation,
                         ::testing::Values(std::pair{0, "NESW"}, std::pair{1, "ESWN"},
                                           std::pair{2, "SWNE"}, std::pair{3, "WNES"}));

TEST(LabelClick, TheClickedSeatComesToTheBottomAndTheRecordIsDrawnAgain) {
    ShellRig rig;
    sitNESW(rig.app, 3);
    rig.app.records.onDisplay = "12_06_001";
    Lbl_Click(rig.app, 2);  // half a turn
    EXPECT_EQ(Labels(rig), "ESWN");
    EXPECT_EQ(rig.views.main.dealsShown, 1) << "the record drawn again";
    EXPECT_FALSE(rig.app.display.redrawRequest) << "the redraw took the request";
    for (int index : {0, 4, -1}) Lbl_Click(rig.app, index);
    EXPECT_EQ(Labels(rig), "ESWN");
    EXPECT_EQ(rig.views.main.dealsShown, 1);
    Lbl_Click(rig.app, 3);
    EXPECT_EQ(Labels(rig), "NESW");
}

struct UserSeatCase {
    std::vector<std::string> ids;  // as the settings keep them: lower case
    int remembered;                // ID index known before
    int seat, index;               // the result and the index remembered afterwards
};

class UserSeat : public ::testing::TestWithParam<UserSeatCase> {};

TEST_P(UserSeat, TheFirstIDFoundInANameGivesTheSeat) {
    const UserSeatCase c = GetParam();
    ShellRig rig;
    rig.app.settings.myYahooID = c.ids;
    rig.app.capture.yahooIdIndex = c.remembered;
    EXPECT_EQ(FindUserSeat(rig.app.settings, rig.app.capture.yahooIdIndex,
                           {"Nora", "Emil", "Sam", "KesTrel_99"}),
              c.seat);
    EXPECT_EQ(rig.app.capture.yahooIdIndex, c.index);
}
INSTANTIATE_TEST_SUITE_P(
    Names, UserSeat,
    ::testing::Values(UserSeatCase{{"kestrel"}, 0, 3, 1},           // the client shows capitals
                      UserSeatCase{{"am", "nor"}, 0, 2, 1},         // IDs first, then seats
                      UserSeatCase{{"owl", "", "emil"}, 0, -1, 0},  // an empty entry ends them
                      UserSeatCase{{"sam", "emil"}, 2, 1, 2},       // the remembered ID first
                      UserSeatCase{{"sam", "otto"}, 2, 2, 1},       // then all of them again
                      UserSeatCase{{"sam"}, 5, 2, 1}));             // an index beyond the list

}  // namespace tallowen::testing

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

// Check marks of MenuSeat(0..4) as "01000".
std::string Marks(const ShellRig& rig) {
    std::string marks;
    for (int i = 0; i <= 4; ++i)
        marks +=
            rig.views.main.controls[std::size_t(int(Control::MenuSeat0) + i)].checked ? '1' : '0';
    return marks;
}

}  // namespace

class Rotation : public ::testing::TestWithParam<std::pair<int, const char*>> {};

TEST_P(Rotation, LabelsGoClockwiseFromTheBottomSeatAndInvSeatUndoesIt) {
    ShellRig rig;
    sitNESW(rig.app, GetParam().first);
    EXPECT_EQ(Labels(rig), GetParam().second);
    for (int position = 0; position < 4; ++position)
        EXPECT_EQ(InvSeat(rig.app, rig.app.rotation[std::size_t(position)]), position);
    EXPECT_EQ(InvSeat(rig.app, 7), 0) << "a seat not in the rotation";
}
INSTANTIATE_TEST_SUITE_P(Seats, Rotation,
                         ::testing::Values(std::pair{0, "NESW"}, std::pair{1, "ESWN"},
                                           std::pair{2, "SWNE"}, std::pair{3, "WNES"}));

TEST(LabelClick, TheClickedSeatComesToTheBottomAndTheRecordIsDrawnAgain) {
    ShellRig rig;
    sitNESW(rig.app, 1);
    Lbl_Click(rig.app, 2);
    EXPECT_EQ(Labels(rig), "WNES");
    EXPECT_FALSE(rig.app.redrawRequest) << "no record on display";
    EXPECT_EQ(rig.views.main.dealsShown, 0);
    rig.app.records.onDisplay = "12_06_001";
    Lbl_Click(rig.app, 2);  // half a turn back
    EXPECT_EQ(Labels(rig), "ESWN");
    EXPECT_EQ(rig.views.main.dealsShown, 1) << "the record drawn again";
    EXPECT_EQ(rig.views.main.rotation, (std::array<int, 4>{1, 2, 3, 0}));
    EXPECT_FALSE(rig.app.redrawRequest) << "the redraw took the request";
    for (int index : {0, 4, -1}) Lbl_Click(rig.app, index);
    EXPECT_EQ(Labels(rig), "ESWN");
    EXPECT_EQ(rig.views.main.dealsShown, 1);
    Lbl_Click(rig.app, 3);
    EXPECT_EQ(Labels(rig), "NESW");
}

TEST(SeatMenu, OneSeatOrAutoIsChecked) {
    ShellRig rig;
    rig.app.records.onDisplay = "12_06_001";
    rig.app.busy.hand = true;
    MenuSeat_Click(rig.app, 3);
    EXPECT_EQ(Labels(rig), "WNES");
    EXPECT_EQ(Marks(rig), "00010");
    EXPECT_EQ(rig.views.main.dealsShown, 0) << "not while a hand is captured";
    rig.app.busy.hand = false;
    MenuSeat_Click(rig.app, 4);
    EXPECT_EQ(Labels(rig), "WNES") << "Auto turns at the next hand";
    EXPECT_EQ(Marks(rig), "00001");
    EXPECT_EQ(rig.views.main.dealsShown, 1) << "the record drawn again";
    MenuSeat_Click(rig.app, 1);
    EXPECT_EQ(Marks(rig), "01000");
    MenuSeat_Click(rig.app, 5);
    EXPECT_EQ(Marks(rig), "01000");
}

TEST(InitNESW, NorthAtTheBottomAndAutoWhenTheFirstIDIsGiven) {
    for (const auto& [ids, marks] : {std::pair{std::vector<std::string>{}, "00000"},
                                     std::pair{std::vector<std::string>{"kestrel"}, "00001"},
                                     std::pair{std::vector<std::string>{"", "kestrel"}, "00000"}}) {
        ShellRig rig;
        rig.app.settings.myYahooID = ids;
        sitNESW(rig.app, 2);
        InitNESW(rig.app);
        EXPECT_EQ(Labels(rig), "NESW");
        EXPECT_EQ(Marks(rig), marks);
    }
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
    rig.app.yahooIdIndex = c.remembered;
    EXPECT_EQ(FindUserSeat(rig.app, {"Nora", "Emil", "Sam", "KesTrel_99"}), c.seat);
    EXPECT_EQ(rig.app.yahooIdIndex, c.index);
}
INSTANTIATE_TEST_SUITE_P(
    Names, UserSeat,
    ::testing::Values(UserSeatCase{{"kestrel"}, 0, 3, 1},  // the client shows capitals
                      UserSeatCase{{"owl", "emil"}, 0, 1, 2},
                      UserSeatCase{{"am", "nor"}, 0, 2, 1},         // IDs first, then seats
                      UserSeatCase{{"owl", "", "emil"}, 0, -1, 0},  // an empty entry ends them
                      UserSeatCase{{}, 0, -1, 0},
                      UserSeatCase{{"sam", "emil"}, 2, 1, 2},  // the remembered ID first
                      UserSeatCase{{"sam", "otto"}, 2, 2, 1},  // then all of them again
                      UserSeatCase{{"paul", "otto"}, 2, -1, 2},
                      UserSeatCase{{"sam"}, 5, 2, 1}));  // an index beyond the list

TEST(UserSeat, AtMostOneHundredIDsAndNoEmptyName) {
    ShellRig rig;
    rig.app.settings.myYahooID = std::vector<std::string>(100, "x");
    rig.app.settings.myYahooID.push_back("emil");
    EXPECT_EQ(FindUserSeat(rig.app, {"Nora", "Emil", "Sam", "Otto"}), -1);
    rig.app.settings.myYahooID = {"kestrel"};
    EXPECT_EQ(FindUserSeat(rig.app, {"", "", "", ""}), -1);
}

}  // namespace tallowen::testing

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

bool Checked(const ShellRig& rig, int item) {
    return rig.views.main.controls[std::size_t(int(Control::MenuSeat0) + item)].checked;
}

}  // namespace

struct RotationCase {
    int bottom;
    const char* labels;  // positions bottom, left, top, right
};

class Rotation : public ::testing::TestWithParam<RotationCase> {};

TEST_P(Rotation, LabelsGoClockwiseFromTheBottomSeat) {
    ShellRig rig;
    sitNESW(rig.app, GetParam().bottom);
    EXPECT_EQ(Labels(rig), GetParam().labels);
    for (int position = 0; position < 4; ++position) {
        const int seat = rig.app.rotation[std::size_t(position)];
        EXPECT_EQ(InvSeat(rig.app, seat), position);
        EXPECT_EQ(std::string(1, GetParam().labels[position]), std::string(1, "NESW"[seat]));
    }
}
INSTANTIATE_TEST_SUITE_P(Seats, Rotation,
                         ::testing::Values(RotationCase{0, "NESW"}, RotationCase{1, "ESWN"},
                                           RotationCase{2, "SWNE"}, RotationCase{3, "WNES"}));

TEST(Rotation, ASeatOutsideTheRotationGivesTheBottom) {
    ShellRig rig;
    sitNESW(rig.app, 2);
    EXPECT_EQ(InvSeat(rig.app, 7), 0);
    EXPECT_EQ(InvSeat(rig.app, -1), 0);
}

TEST(LabelClick, TheTopLabelTwiceTurnsTheTableBack) {
    ShellRig rig;
    sitNESW(rig.app, 1);
    Lbl_Click(rig.app, 2);
    EXPECT_EQ(Labels(rig), "WNES");
    Lbl_Click(rig.app, 2);
    EXPECT_EQ(Labels(rig), "ESWN");
}

TEST(LabelClick, TheLeftAndRightSeatsComeToTheBottom) {
    ShellRig rig;
    sitNESW(rig.app, 0);
    Lbl_Click(rig.app, 1);
    EXPECT_EQ(rig.app.rotation[0], 1);
    Lbl_Click(rig.app, 3);
    EXPECT_EQ(rig.app.rotation[0], 0);
}

TEST(LabelClick, TheBottomLabelAndUnknownLabelsDoNothing) {
    ShellRig rig;
    sitNESW(rig.app, 3);
    rig.app.records.onDisplay = "12_06_001";
    Lbl_Click(rig.app, 0);
    Lbl_Click(rig.app, 4);
    Lbl_Click(rig.app, -1);
    EXPECT_EQ(Labels(rig), "WNES");
    EXPECT_FALSE(rig.app.redrawRequest);
}

TEST(LabelClick, AShownRecordIsDrawnAgain) {
    ShellRig rig;
    sitNESW(rig.app, 0);
    Lbl_Click(rig.app, 2);
    EXPECT_FALSE(rig.app.redrawRequest) << "nothing shown, nothing to draw";
    rig.app.records.onDisplay = "12_06_001";
    Lbl_Click(rig.app, 2);
    EXPECT_TRUE(rig.app.redrawRequest);
}

TEST(SeatMenu, ASeatIsCheckedAloneAndTurnsTheDisplay) {
    ShellRig rig;
    MenuSeat_Click(rig.app, 4);
    MenuSeat_Click(rig.app, 3);
    EXPECT_EQ(Labels(rig), "WNES");
    for (int item = 0; item <= 4; ++item) EXPECT_EQ(Checked(rig, item), item == 3) << item;
    MenuSeat_Click(rig.app, 1);
    for (int item = 0; item <= 4; ++item) EXPECT_EQ(Checked(rig, item), item == 1) << item;
}

TEST(SeatMenu, AutoLeavesTheOrientationForTheNextHand) {
    ShellRig rig;
    MenuSeat_Click(rig.app, 2);
    MenuSeat_Click(rig.app, 4);
    EXPECT_EQ(Labels(rig), "SWNE");
    for (int item = 0; item <= 4; ++item) EXPECT_EQ(Checked(rig, item), item == 4) << item;
    MenuSeat_Click(rig.app, 5);  // no such item
    EXPECT_TRUE(Checked(rig, 4));
}

TEST(SeatMenu, NoRedrawWhileAHandIsBeingCaptured) {
    ShellRig rig;
    rig.app.records.onDisplay = "12_06_001";
    rig.app.busy.hand = true;
    MenuSeat_Click(rig.app, 1);
    EXPECT_FALSE(rig.app.redrawRequest);
    rig.app.busy.hand = false;
    MenuSeat_Click(rig.app, 2);
    EXPECT_TRUE(rig.app.redrawRequest);
}

TEST(InitNESW, AutoIsCheckedWhenTheUserGaveAnID) {
    ShellRig rig;
    sitNESW(rig.app, 2);
    InitNESW(rig.app);
    EXPECT_EQ(Labels(rig), "NESW");
    EXPECT_FALSE(Checked(rig, 4));
    ShellRig withId;
    withId.app.settings.myYahooID = {"kestrel"};
    InitNESW(withId.app);
    EXPECT_TRUE(Checked(withId, 4));
    ShellRig emptyFirst;
    emptyFirst.app.settings.myYahooID = {"", "kestrel"};
    InitNESW(emptyFirst.app);
    EXPECT_FALSE(Checked(emptyFirst, 4));
}

// ---- the user's own seat --------------------------------------------------------------

struct UserSeatCase {
    std::vector<std::string> ids;  // as the settings keep them: lower case
    SeatNames names;               // North, East, South, West as the client shows them
    int seat;
    int index;  // remembered afterwards
};

class UserSeat : public ::testing::TestWithParam<UserSeatCase> {};

TEST_P(UserSeat, TheFirstIDFoundInANameGivesTheSeat) {
    const UserSeatCase c = GetParam();
    ShellRig rig;
    rig.app.settings.myYahooID = c.ids;
    EXPECT_EQ(FindUserSeat(rig.app, c.names), c.seat);
    EXPECT_EQ(rig.app.yahooIdIndex, c.index);
}
INSTANTIATE_TEST_SUITE_P(
    Names, UserSeat,
    ::testing::Values(UserSeatCase{{"kestrel"}, {"Nora", "Emil", "kestrel", "Wanda"}, 2, 1},
                      // the client shows the capitals the player chose
                      UserSeatCase{{"kestrel"}, {"Nora", "Emil", "Sam", "KesTrel_99"}, 3, 1},
                      UserSeatCase{{"owl", "emil"}, {"Nora", "Emil", "Sam", "Wanda"}, 1, 2},
                      // IDs are tried in order, and for each ID the seats in order
                      UserSeatCase{{"am", "nor"}, {"Nora", "Emil", "Sam", "Wanda"}, 2, 1},
                      UserSeatCase{{"a"}, {"Nora", "Emil", "Sam", "Wanda"}, 0, 1},
                      // an empty entry ends the list
                      UserSeatCase{{"owl", "", "emil"}, {"Nora", "Emil", "Sam", "Wanda"}, -1, 0},
                      UserSeatCase{{}, {"Nora", "Emil", "Sam", "Wanda"}, -1, 0},
                      UserSeatCase{{"kestrel"}, {"", "", "", ""}, -1, 0}));

TEST(UserSeat, TheRememberedIDIsTriedFirst) {
    ShellRig rig;
    rig.app.settings.myYahooID = {"sam", "wanda"};
    rig.app.yahooIdIndex = 2;
    EXPECT_EQ(FindUserSeat(rig.app, {"Nora", "Emil", "Sam", "Wanda"}), 3);
    EXPECT_EQ(rig.app.yahooIdIndex, 2);
}

TEST(UserSeat, AnotherIDIsFoundWhenTheRememberedOneIsAbsent) {
    ShellRig rig;
    rig.app.settings.myYahooID = {"sam", "wanda"};
    rig.app.yahooIdIndex = 2;
    EXPECT_EQ(FindUserSeat(rig.app, {"Nora", "Emil", "Sam", "Otto"}), 2);
    EXPECT_EQ(rig.app.yahooIdIndex, 1);
    EXPECT_EQ(FindUserSeat(rig.app, {"Nora", "Emil", "Paul", "Otto"}), -1);
    EXPECT_EQ(rig.app.yahooIdIndex, 1) << "kept when nobody is found";
}

TEST(UserSeat, ARememberedIndexBeyondTheListIsIgnored) {
    ShellRig rig;
    rig.app.settings.myYahooID = {"sam"};
    rig.app.yahooIdIndex = 5;
    EXPECT_EQ(FindUserSeat(rig.app, {"Nora", "Emil", "Sam", "Otto"}), 2);
    EXPECT_EQ(rig.app.yahooIdIndex, 1);
}

TEST(UserSeat, AtMostOneHundredIDsAreTried) {
    ShellRig rig;
    std::vector<std::string> ids(101, "x");
    ids[100] = "emil";
    rig.app.settings.myYahooID = ids;
    EXPECT_EQ(FindUserSeat(rig.app, {"Nora", "Emil", "Sam", "Otto"}), -1);
}

}  // namespace tallowen::testing

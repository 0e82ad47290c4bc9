#include "shell/Discovery.h"

#include "ShellRig.h"
#include "TableSetup.h"
#include "reading/Buttons.h"

namespace tallowen::testing {

namespace {

WindowHandle Window(ShellRig& rig, const std::string& title, Rect r = {300, 300, 500, 400}) {
    return rig.desktop.Create(title, r);
}

bool IsCandidate(const AppContext& app, WindowHandle h) {
    for (const auto& c : app.windows.candidates)
        if (c.handle == h) return true;
    return false;
}

}  // namespace

// ---- the scan -------------------------------------------------------------------------

TEST(Scan, TitlesOfSubWindowWidthAreCandidatesOthersAreNot) {
    ShellRig rig;
    const int low = rig.app.windows.minTitleWidth, high = rig.app.windows.maxTitleWidth;
    ASSERT_GT(low, 1);
    const WindowHandle shortest = Window(rig, std::string(std::size_t(low), 'a'));
    const WindowHandle longest = Window(rig, std::string(std::size_t(high), 'b'));
    const WindowHandle tooShort = Window(rig, std::string(std::size_t(low - 1), 'c'));
    const WindowHandle tooLong = Window(rig, std::string(std::size_t(high + 1), 'd'));
    const WindowHandle padded = Window(rig, "   " + std::string(std::size_t(low), 'e') + "  ");
    ScanTopWindows(rig.app);
    EXPECT_TRUE(IsCandidate(rig.app, shortest));
    EXPECT_TRUE(IsCandidate(rig.app, longest));
    EXPECT_FALSE(IsCandidate(rig.app, tooShort));
    EXPECT_FALSE(IsCandidate(rig.app, tooLong));
    EXPECT_TRUE(IsCandidate(rig.app, padded)) << "titles are trimmed before measuring";
    EXPECT_EQ(rig.app.windows.table, 0u);
}

TEST(Scan, HiddenUncaptionedAndOwnWindowsAreSkipped) {
    ShellRig rig;
    const WindowHandle hidden = Window(rig, "Bridge Score");
    rig.desktop.Find(hidden)->visible = false;
    const WindowHandle bare = rig.desktop.Create("Bridge Score", {0, 0, 50, 50}, Insets{}, false);
    const WindowHandle main = Window(rig, "Bridge Score");
    rig.app.mainWindow = main;
    const WindowHandle shown = Window(rig, "Bridge Score");
    ScanTopWindows(rig.app);
    EXPECT_FALSE(IsCandidate(rig.app, hidden));
    EXPECT_FALSE(IsCandidate(rig.app, bare));
    EXPECT_FALSE(IsCandidate(rig.app, main));
    EXPECT_TRUE(IsCandidate(rig.app, shown));
}

class ScanExclusion : public ::testing::TestWithParam<const char*> {};

TEST_P(ScanExclusion, MarkedTitlesAreNeitherCandidateNorTable) {
    ShellRig rig;
    const std::string mark = GetParam();
    const WindowHandle sub = Window(rig, mark + "Bridge Bid");
    const WindowHandle table = Window(rig, LongTableTitle(1) + mark);
    ScanTopWindows(rig.app);
    EXPECT_FALSE(IsCandidate(rig.app, sub));
    EXPECT_NE(rig.app.windows.table, table);
    EXPECT_EQ(rig.app.windows.table, 0u);
}
INSTANTIATE_TEST_SUITE_P(Marks, ScanExclusion, ::testing::Values("実行", "タロウェン", "Tallowen"));

TEST(Scan, TheCandidateListHoldsAtMostOneHundred) {
    ShellRig rig;
    std::vector<WindowHandle> made;
    for (int i = 0; i < 105; ++i) made.push_back(Window(rig, "Bridge Score"));
    ScanTopWindows(rig.app);
    EXPECT_EQ(rig.app.windows.candidates.size(), 100u);
}

TEST(Scan, TheTableNeedsALongTitleAndTheFirstOneWins) {
    ShellRig rig;
    Window(rig, "Game: Bridge");  // the bare words are too short for a table title
    ScanTopWindows(rig.app);
    EXPECT_EQ(rig.app.windows.table, 0u);
    const WindowHandle back = Window(rig, LongTableTitle(3));
    const WindowHandle front = Window(rig, LongTableTitle(1));  // created last: front
    ScanTopWindows(rig.app);
    EXPECT_EQ(rig.app.windows.table, front);
    (void)back;
}

struct LanguageCase {
    int before;    // the language the watcher had
    int titleOf;   // the edition whose table title the window carries
    int expected;  // the language afterwards
};

class ScanLanguage : public ::testing::TestWithParam<LanguageCase> {};

TEST_P(ScanLanguage, TheTableTitleSetsTheLanguage) {
    const LanguageCase c = GetParam();
    ShellRig rig;
    rig.app.windows.language = c.before;
    const WindowHandle table = Window(rig, LongTableTitle(c.titleOf), {0, 0, 800, 560});
    ScanTopWindows(rig.app);
    EXPECT_EQ(rig.app.windows.table, table);
    EXPECT_EQ(rig.app.windows.language, c.expected);
}
INSTANTIATE_TEST_SUITE_P(Editions, ScanLanguage,
                         ::testing::Values(LanguageCase{1, 3, 3}, LanguageCase{1, 4, 4},
                                           LanguageCase{3, 5, 5}, LanguageCase{1, 2, 2},
                                           LanguageCase{1, 10, 10}, LanguageCase{1, 9, 9},
                                           LanguageCase{1, 7, 7},
                                           // an English title tells nothing
                                           LanguageCase{5, 1, 5}, LanguageCase{1, 1, 1},
                                           // the Espanol edition is kept once known
                                           LanguageCase{8, 4, 8}, LanguageCase{8, 6, 8},
                                           LanguageCase{6, 8, 8}));

// ---- the lookups ----------------------------------------------------------------------

class LookupEdition : public ::testing::TestWithParam<int> {};

TEST_P(LookupEdition, EveryKindIsFoundByItsTitle) {
    const int language = GetParam();
    ShellRig rig;
    SimClient& client = StartTable(rig, language);
    ScanTopWindows(rig.app);
    ASSERT_EQ(rig.app.windows.table, client.Handle(0));
    LookupAllKinds(rig.app);
    for (int kind = 1; kind <= 5; ++kind)
        EXPECT_EQ(rig.app.windows.handle[std::size_t(kind)], client.Handle(kind))
            << "kind " << kind;
    for (int kind = 1; kind <= 5; ++kind) {
        LookupKind(rig.app, WindowKind(kind));
        EXPECT_EQ(rig.app.windows.handle[std::size_t(kind)], client.Handle(kind))
            << "kind " << kind << " alone";
    }
}
INSTANTIATE_TEST_SUITE_P(Editions, LookupEdition, ::testing::Range(1, 11));

TEST(Lookup, KindsWithoutAMatchKeepTheirHandleUnlessLookedUpAlone) {
    ShellRig rig;
    SimClient& client = StartTable(rig, 3);
    client.Close(3);
    rig.app.windows.handle[3] = 0x999;
    ScanTopWindows(rig.app);
    LookupAllKinds(rig.app);
    EXPECT_EQ(rig.app.windows.handle[3], 0x999u);
    EXPECT_EQ(rig.app.windows.handle[4], client.Handle(4));
    LookupKind(rig.app, WindowKind::LastHand);
    EXPECT_EQ(rig.app.windows.handle[3], 0u);
}

TEST(Lookup, ATitleOfAnotherEditionIsNotTranslated) {
    ShellRig rig;
    rig.app.windows.language = 3;
    const WindowHandle italian = Window(rig, "Ultima presa");
    const WindowHandle german = Window(rig, "Letzter Stich");
    ScanTopWindows(rig.app);
    LookupAllKinds(rig.app);
    EXPECT_EQ(rig.app.windows.Handle(WindowKind::LastTrick), german);
    (void)italian;
}

struct SharedTitleCase {
    int language;
    int clientHeight;
    WindowKind expected;
};

class SharedTitle : public ::testing::TestWithParam<SharedTitleCase> {};

// Editions whose bidding window and bid box carry one title: the client height tells them apart.
TEST_P(SharedTitle, TheShortWindowIsTheBidBox) {
    const SharedTitleCase c = GetParam();
    ShellRig rig;
    rig.app.windows.language = c.language;
    const std::string title(TitleTable::Title(1, c.language));
    const Rect outer{900, 10, 1200, 10 + c.clientHeight + kCaptionFrame.top + kCaptionFrame.bottom};
    const WindowHandle w = Window(rig, title, outer);
    ASSERT_EQ(rig.desktop.ClientRect(w).Height(), c.clientHeight);
    rig.desktop.Minimize(w);  // measured after it is restored, not as the icon it is
    ScanTopWindows(rig.app);
    LookupAllKinds(rig.app);
    const WindowKind other =
        c.expected == WindowKind::BidBox ? WindowKind::Bidding : WindowKind::BidBox;
    EXPECT_EQ(rig.app.windows.Handle(c.expected), w);
    EXPECT_EQ(rig.app.windows.Handle(other), 0u);
    LookupKind(rig.app, other);
    EXPECT_EQ(rig.app.windows.Handle(other), 0u);
    LookupKind(rig.app, c.expected);
    EXPECT_EQ(rig.app.windows.Handle(c.expected), w);
}
INSTANTIATE_TEST_SUITE_P(Editions, SharedTitle,
                         ::testing::Values(SharedTitleCase{4, 300, WindowKind::BidBox},
                                           SharedTitleCase{4, 301, WindowKind::Bidding},
                                           SharedTitleCase{5, 120, WindowKind::BidBox},
                                           SharedTitleCase{5, 450, WindowKind::Bidding},
                                           SharedTitleCase{10, 300, WindowKind::BidBox},
                                           SharedTitleCase{10, 301, WindowKind::Bidding}));

TEST(Lookup, TheEspanolBiddingTitleSwitchesSpainToEspanol) {
    ShellRig rig;
    SimClient& client = StartTable(rig, 8);
    // The table of the Espanol edition also reads as Spain's ("Partida: Bridge").
    rig.desktop.SetTitle(client.Handle(0), LongTableTitle(6));
    ScanTopWindows(rig.app);
    ASSERT_EQ(rig.app.windows.language, 6);
    LookupAllKinds(rig.app);
    EXPECT_EQ(rig.app.windows.language, 8);
    EXPECT_EQ(rig.app.windows.Handle(WindowKind::Bidding), client.Handle(1));
    // Titles before the switch were read as Spain's; the next lookup reads them all as Espanol.
    LookupAllKinds(rig.app);
    for (int kind = 1; kind <= 5; ++kind)
        EXPECT_EQ(rig.app.windows.handle[std::size_t(kind)], client.Handle(kind))
            << "kind " << kind;
    ScanTopWindows(rig.app);
    EXPECT_EQ(rig.app.windows.language, 8) << "a table read as Spain's keeps Espanol";
}

TEST(Lookup, SpainsOwnBiddingTitleKeepsSpain) {
    ShellRig rig;
    SimClient& client = StartTable(rig, 6);
    ScanTopWindows(rig.app);
    LookupAllKinds(rig.app);
    EXPECT_EQ(rig.app.windows.language, 6);
    EXPECT_EQ(rig.app.windows.Handle(WindowKind::BidBox), client.Handle(5));
}

// ---- placement ------------------------------------------------------------------------

struct PlaceCase {
    Rect opened;      // where the client opened the window
    Rect saved;       // the layout's place (left, top)
    Point expected;   // where it ends up
    bool placedFlag;  // marked as placed
};

class Placement : public ::testing::TestWithParam<PlaceCase> {};

TEST_P(Placement, OnlyAWindowInTheCornerIsMovedToItsSavedPlace) {
    const PlaceCase c = GetParam();
    ShellRig rig;
    const WindowHandle w = Window(rig, "Bridge Score", c.opened);
    rig.app.windows.handle[4] = w;
    rig.app.windows.saved[4] = c.saved;
    PlaceWindow(rig.app, WindowKind::Score);
    const Rect now = rig.desktop.WindowRect(w);
    EXPECT_EQ(Point(now.left, now.top), c.expected);
    EXPECT_EQ(now.Width(), c.opened.Width());
    EXPECT_EQ(now.Height(), c.opened.Height());
    EXPECT_EQ(rig.app.windows.rect[4], now);
    EXPECT_EQ(rig.app.windows.placed[4], c.placedFlag);
    EXPECT_TRUE(rig.desktop.Find(w)->topmost);
}
INSTANTIATE_TEST_SUITE_P(
    Rules, Placement,
    ::testing::Values(PlaceCase{{0, 0, 200, 100}, {300, 200, 0, 0}, {300, 200}, true},
                      PlaceCase{{-5, 5, 195, 105}, {300, 200, 0, 0}, {300, 200}, true},
                      PlaceCase{{1, 0, 201, 100}, {300, 200, 0, 0}, {1, 0}, false},
                      PlaceCase{{0, 0, 200, 100}, {-40, 70, 0, 0}, {0, 70}, true},
                      PlaceCase{{0, 0, 200, 100}, {-40, -70, 0, 0}, {0, 0}, true},
                      PlaceCase{{0, 0, 200, 100}, {0, 0, 0, 0}, {0, 0}, true}));

TEST(Placement, AWindowIsMovedOnlyOnceARun) {
    ShellRig rig;
    const WindowHandle w = Window(rig, "Bridge Score", {0, 0, 200, 100});
    rig.app.windows.handle[4] = w;
    rig.app.windows.saved[4] = {300, 200, 0, 0};
    PlaceWindow(rig.app, WindowKind::Score);
    rig.desktop.MoveWindow(w, {0, 0, 200, 100});  // the user puts it back in the corner
    rig.desktop.Minimize(w);
    PlaceWindow(rig.app, WindowKind::Score);
    EXPECT_EQ(rig.desktop.WindowRect(w).left, 0);
    EXPECT_FALSE(rig.desktop.Find(w)->minimized);
}

TEST(Placement, PlacingTheTableRefreshesItsSize) {
    ShellRig rig;
    const WindowHandle table = Window(rig, LongTableTitle(1), {0, 0, 640, 480});
    rig.app.windows.table = table;
    rig.app.windows.saved[0] = {50, 60, 0, 0};
    PlaceWindow(rig.app, WindowKind::Table);
    EXPECT_EQ(rig.app.windows.tableRect, (Rect{50, 60, 690, 540}));
    EXPECT_EQ(rig.app.windows.tableWidth, 640);
    EXPECT_EQ(rig.app.windows.tableHeight, 480);
}

TEST(SetWinGame, MovesTheTableAndMeasuresItsTitleBar) {
    ShellRig rig;
    const WindowHandle table =
        rig.desktop.Create(LongTableTitle(1), {10, 10, 810, 610}, Insets{4, 60, 4, 10});
    rig.app.windows.table = table;
    rig.app.windows.saved[0] = {30, 40, 0, 0};
    SetWinGame(rig.app);
    EXPECT_EQ(rig.app.windows.titleBarAllowance, 70 - 45);
    EXPECT_EQ(rig.desktop.WindowRect(table), (Rect{30, 40, 830, 640}));
    EXPECT_EQ(rig.app.windows.tableRect, (Rect{30, 40, 830, 640}));
    // A thin frame allows nothing, and an old platform is not measured.
    rig.app.windows.titleBarAllowance = 7;
    rig.app.windows.platform = 1;
    SetWinGame(rig.app);
    EXPECT_EQ(rig.app.windows.titleBarAllowance, 7);
    rig.app.windows.platform = 2;
    rig.desktop.Find(table)->frame = kCaptionFrame;
    SetWinGame(rig.app);
    EXPECT_EQ(rig.app.windows.titleBarAllowance, 0);
}

// ---- opening windows through the table's buttons ----------------------------------------

TEST(GetSubWindows, PressesTheButtonsWaitsAndFindsTheNewWindows) {
    ShellRig rig;
    SimClient& client = StartTable(rig, 1);
    for (int kind = 1; kind <= 4; ++kind) client.Close(kind);
    ScanTopWindows(rig.app);
    PrepareReading(rig.app.reading, rig.app.infoBox);
    const Point cursor{700, 700};
    rig.desktop.SetCursor(cursor);
    const auto before = rig.clock.Elapsed();
    GetSubWindows(rig.app);
    EXPECT_GE(rig.clock.Elapsed() - before, 300u);
    EXPECT_EQ(client.clicksSeen, 4);
    EXPECT_EQ(rig.desktop.Cursor(), cursor);
    for (int kind = 1; kind <= 5; ++kind) {
        EXPECT_NE(client.Handle(kind), 0u);
        EXPECT_EQ(rig.app.windows.handle[std::size_t(kind)], client.Handle(kind));
    }
}

TEST(NotExistProcess, AWindowStillMissingIsMarkedWaiting) {
    ShellRig rig;
    SimClient& client = StartTable(rig, 1);
    client.Close(3);
    ScanTopWindows(rig.app);
    PrepareReading(rig.app.reading, rig.app.infoBox);
    NotExistProcess(rig.app, WindowKind::Score, 1);  // present: found, nothing marked
    EXPECT_EQ(rig.app.windows.Handle(WindowKind::Score), client.Handle(4));
    EXPECT_FALSE(rig.app.messages.waiting[4]);
    NotExistProcess(rig.app, WindowKind::LastHand, 21);
    EXPECT_EQ(client.clicksSeen, 2);
    EXPECT_NE(client.Handle(3), 0u) << "the button opened it";
    EXPECT_TRUE(rig.app.messages.waiting[3]) << "the candidates were taken before it opened";
    NotExistProcess(rig.app, WindowKind::BidBox, 0);  // no button, no waiting mark to keep
    EXPECT_EQ(rig.app.windows.Handle(WindowKind::BidBox), client.Handle(5));
}

TEST(ReopenWindow, FindsTheWindowItOpened) {
    ShellRig rig;
    SimClient& client = StartTable(rig, 4);
    client.Close(2);
    ScanTopWindows(rig.app);
    PrepareReading(rig.app.reading, rig.app.infoBox);
    rig.app.reading.reopenWindow = [&](int kind) { ReopenWindow(rig.app, WindowKind(kind)); };
    rig.app.reading.reopenWindow(2);
    EXPECT_NE(client.Handle(2), 0u);
    EXPECT_EQ(rig.app.windows.Handle(WindowKind::LastTrick), client.Handle(2));
}

// ---- the record lists and the BOX window ------------------------------------------------

TEST(SetBox, OneListIsShownAtATime) {
    ShellRig rig;
    const auto& c = rig.views.main.controls;
    SetBox(rig.app, 1);
    EXPECT_EQ(rig.app.records.currentList, 1);
    EXPECT_TRUE(c[std::size_t(Control::filBox1)].visible);
    EXPECT_FALSE(c[std::size_t(Control::filBox0)].visible);
    EXPECT_FALSE(c[std::size_t(Control::filBox0)].enabled);
    SetBox(rig.app, 7);  // no such list
    EXPECT_EQ(rig.app.records.currentList, 1);
    SetBox(rig.app, -1);
    EXPECT_EQ(rig.app.records.currentList, 0);
    EXPECT_TRUE(c[std::size_t(Control::filBox0)].visible);
    EXPECT_TRUE(c[std::size_t(Control::filBox0)].enabled);
    EXPECT_FALSE(c[std::size_t(Control::filBox1)].visible);
}

struct BoxCase {
    int allowance;
    int height;
};

class BoxWindow : public ::testing::TestWithParam<BoxCase> {};

TEST_P(BoxWindow, StandsBesideTheTable) {
    const BoxCase c = GetParam();
    ShellRig rig;
    rig.app.windows.tableRect = {0, 120, 800, 680};
    rig.app.windows.titleBarAllowance = c.allowance;
    ParsePoint(rig.app.settings.boxPosition, "(900, 333)");
    LoadBoxWindow(rig.app);
    EXPECT_EQ(rig.views.side.boxShown, 1);
    EXPECT_EQ(rig.views.side.boxPlace, (Rect{805, 333, 805 + 172, 333 + c.height}));
    EXPECT_TRUE(rig.app.boxLoaded);
}
// Allowance x 1.5 + 112, halves to the even neighbour.
INSTANTIATE_TEST_SUITE_P(Heights, BoxWindow,
                         ::testing::Values(BoxCase{0, 112}, BoxCase{10, 127}, BoxCase{1, 114},
                                           BoxCase{3, 116}));

TEST(BoxWindow, AStarPositionAndAnUnsetOne) {
    ShellRig rig;
    rig.app.windows.tableRect = {0, 120, 800, 680};
    LoadBoxWindow(rig.app);
    EXPECT_EQ(rig.views.side.boxShown, 0) << "no position: no box";
    EXPECT_FALSE(rig.app.boxLoaded);
    ParsePoint(rig.app.settings.boxPosition, "(*, 50)");
    LoadBoxWindow(rig.app);
    EXPECT_EQ(rig.views.side.boxPlace.top, -100);
    EXPECT_EQ(rig.views.side.boxPlace.left, 805);
}

}  // namespace tallowen::testing

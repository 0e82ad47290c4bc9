#include <gtest/gtest.h>

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

// Scans, prepares reading (so that the table's buttons can be read) and looks all kinds up.
void FindAll(ShellRig& rig) {
    ScanTopWindows(rig.app);
    PrepareReading(rig.app.reading, rig.app.infoBox);
    LookupAllKinds(rig.app);
}

}  // namespace

TEST(Scan, CandidatesHaveTheWidthOfASubWindowTitle) {
    ShellRig rig;
    const int low = rig.app.windows.minTitleWidth, high = rig.app.windows.maxTitleWidth;
    ASSERT_GT(low, 1);
    const auto text = [](int n, char c) { return std::string(std::size_t(n), c); };
    // The bare table words are as short as a sub-window title: a candidate, not the table.
    const WindowHandle in[] = {Window(rig, text(low, 'a')), Window(rig, text(high, 'b')),
                               Window(rig, "   " + text(low, 'e') + "  "),
                               Window(rig, "Game: Bridge")};
    const WindowHandle out[] = {Window(rig, text(low - 1, 'c')), Window(rig, text(high + 1, 'd'))};
    const WindowHandle hidden = Window(rig, "Bridge Score");
    rig.desktop.Find(hidden)->visible = false;
    const WindowHandle bare = rig.desktop.Create("Bridge Score", {0, 0, 50, 50}, Insets{}, false);
    rig.app.mainWindow = Window(rig, "Bridge Score");
    ScanTopWindows(rig.app);
    for (WindowHandle h : in) EXPECT_TRUE(IsCandidate(rig.app, h)) << h;
    for (WindowHandle h : out) EXPECT_FALSE(IsCandidate(rig.app, h)) << h;
    for (WindowHandle h : {hidden, bare, rig.app.mainWindow}) EXPECT_FALSE(IsCandidate(rig.app, h));
    EXPECT_EQ(rig.app.windows.table, 0u);
    for (int i = 0; i < 105; ++i) Window(rig, "Bridge Score");
    ScanTopWindows(rig.app);
    EXPECT_EQ(rig.app.windows.candidates.size(), 100u);
}

class ScanExclusion : public ::testing::TestWithParam<const char*> {};

TEST_P(ScanExclusion, MarkedTitlesAreNeitherCandidateNorTable) {
    ShellRig rig;
    const WindowHandle sub = Window(rig, GetParam() + std::string("Bridge Bid"));
    Window(rig, LongTableTitle(1) + GetParam());
    ScanTopWindows(rig.app);
    EXPECT_FALSE(IsCandidate(rig.app, sub));
    EXPECT_EQ(rig.app.windows.table, 0u);
}
INSTANTIATE_TEST_SUITE_P(Marks, ScanExclusion, ::testing::Values("実行", "タロウェン", "Tallowen"));

struct LanguageCase {
    int before, titleOf, expected;  // language before, the table title's edition, language after
};

class ScanLanguage : public ::testing::TestWithParam<LanguageCase> {};

TEST_P(ScanLanguage, TheFirstTableTitleSetsTheLanguage) {
    const LanguageCase c = GetParam();
    ShellRig rig;
    rig.app.windows.language = c.before;
    const WindowHandle table = Window(rig, LongTableTitle(c.titleOf), {0, 0, 800, 560});
    Window(rig, LongTableTitle(c.titleOf == 3 ? 5 : 3), {0, 0, 800, 560});  // in front of it
    rig.desktop.BringToTop(table);
    ScanTopWindows(rig.app);
    EXPECT_EQ(rig.app.windows.table, table);
    EXPECT_EQ(rig.app.windows.language, c.expected);
}
INSTANTIATE_TEST_SUITE_P(Editions, ScanLanguage,
                         ::testing::Values(LanguageCase{1, 4, 4}, LanguageCase{3, 5, 5},
                                           LanguageCase{1, 2, 2}, LanguageCase{1, 10, 10},
                                           LanguageCase{1, 7, 7}, LanguageCase{6, 8, 8},
                                           // an English title says nothing of the edition
                                           LanguageCase{5, 1, 5}, LanguageCase{1, 1, 1},
                                           // Espanol is kept once known
                                           LanguageCase{8, 4, 8}, LanguageCase{8, 6, 8}));

class LookupEdition : public ::testing::TestWithParam<int> {};

TEST_P(LookupEdition, EveryKindIsFoundByItsTitleTogetherAndAlone) {
    ShellRig rig;
    SimClient& client = StartTable(rig, GetParam());
    ScanTopWindows(rig.app);
    ASSERT_EQ(rig.app.windows.table, client.Handle(0));
    LookupAllKinds(rig.app);
    for (int kind = 1; kind <= 5; ++kind) {
        EXPECT_EQ(rig.app.windows.handle[std::size_t(kind)], client.Handle(kind)) << kind;
        rig.app.windows.handle[std::size_t(kind)] = 0;
        LookupKind(rig.app, WindowKind(kind));
        EXPECT_EQ(rig.app.windows.handle[std::size_t(kind)], client.Handle(kind)) << kind;
    }
}
INSTANTIATE_TEST_SUITE_P(Editions, LookupEdition, ::testing::Range(1, 11));

TEST(Lookup, KindsWithoutAMatchKeepTheirHandleUnlessLookedUpAlone) {
    ShellRig rig;
    SimClient& client = StartTable(rig, 3);
    client.Close(3);
    Window(rig, "Ultima mano");  // the last hand of another edition
    rig.app.windows.handle[3] = 0x999;
    ScanTopWindows(rig.app);
    LookupAllKinds(rig.app);
    EXPECT_EQ(rig.app.windows.handle[3], 0x999u);
    EXPECT_EQ(rig.app.windows.handle[4], client.Handle(4));
    LookupKind(rig.app, WindowKind::LastHand);
    EXPECT_EQ(rig.app.windows.handle[3], 0u);
}

struct SharedTitleCase {
    int language, clientHeight;
    WindowKind expected;
};

class SharedTitle : public ::testing::TestWithParam<SharedTitleCase> {};

TEST_P(SharedTitle, OneTitleForBiddingAndBidBoxTheShortWindowIsTheBidBox) {
    const SharedTitleCase c = GetParam();
    ShellRig rig;
    rig.app.windows.language = c.language;
    const int outer = c.clientHeight + kCaptionFrame.top + kCaptionFrame.bottom;
    const WindowHandle w =
        Window(rig, std::string(TitleTable::Title(1, c.language)), {900, 10, 1200, 10 + outer});
    rig.desktop.Minimize(w);  // measured once restored, not as the icon it is
    ScanTopWindows(rig.app);
    LookupAllKinds(rig.app);
    const auto other = c.expected == WindowKind::BidBox ? WindowKind::Bidding : WindowKind::BidBox;
    EXPECT_EQ(rig.app.windows.Handle(c.expected), w);
    EXPECT_EQ(rig.app.windows.Handle(other), 0u);
    LookupKind(rig.app, other);
    EXPECT_EQ(rig.app.windows.Handle(other), 0u);
}
INSTANTIATE_TEST_SUITE_P(Editions, SharedTitle,
                         ::testing::Values(SharedTitleCase{4, 300, WindowKind::BidBox},
                                           SharedTitleCase{4, 301, WindowKind::Bidding},
                                           SharedTitleCase{5, 120, WindowKind::BidBox},
                                           SharedTitleCase{10, 301, WindowKind::Bidding}));

TEST(Lookup, TheEspanolBiddingTitleSwitchesSpainToEspanol) {
    ShellRig rig;
    SimClient& client = StartTable(rig, 8);
    rig.desktop.SetTitle(client.Handle(0), LongTableTitle(6));  // reads as Spain's table
    ScanTopWindows(rig.app);
    ASSERT_EQ(rig.app.windows.language, 6);
    rig.app.reading.glyphs.ready = true;  // reading was prepared for Spain
    GlyphTable espanol = rig.app.reading.glyphs;
    PrepareGlyphSet(espanol, 1, 8);
    ASSERT_NE(rig.app.reading.glyphs.allowed, espanol.allowed);
    LookupAllKinds(rig.app);
    EXPECT_EQ(rig.app.windows.language, 8);
    EXPECT_EQ(rig.app.windows.Handle(WindowKind::Bidding), client.Handle(1));
    EXPECT_EQ(rig.app.reading.glyphs.allowed, espanol.allowed) << "glyphs follow the language";
    LookupAllKinds(rig.app);  // titles read before the switch are now read as Espanol
    for (int kind = 1; kind <= 5; ++kind)
        EXPECT_EQ(rig.app.windows.handle[std::size_t(kind)], client.Handle(kind)) << kind;
    ScanTopWindows(rig.app);
    EXPECT_EQ(rig.app.windows.language, 8);
}

struct PlaceCase {
    Rect opened, saved;
    Point expected;
    bool placed;
};

class Placement : public ::testing::TestWithParam<PlaceCase> {};

TEST_P(Placement, OnlyAWindowInTheCornerGoesToItsSavedPlaceAndOnlyOnce) {
    const PlaceCase c = GetParam();
    ShellRig rig;
    const WindowHandle w = Window(rig, "Bridge Score", c.opened);
    rig.app.windows.handle[4] = w;
    rig.app.windows.saved[4] = c.saved;
    PlaceWindow(rig.app, WindowKind::Score);
    const Rect now = rig.desktop.WindowRect(w);
    EXPECT_EQ(Point(now.left, now.top), c.expected);
    EXPECT_EQ(now.Width(), c.opened.Width());
    EXPECT_EQ(rig.app.windows.rect[4], now);
    EXPECT_EQ(rig.app.windows.placed[4], c.placed);
    EXPECT_TRUE(rig.desktop.Find(w)->topmost);
    rig.desktop.MoveWindow(w, c.opened);  // back in the corner, as an icon
    rig.desktop.Minimize(w);
    PlaceWindow(rig.app, WindowKind::Score);
    EXPECT_EQ(rig.desktop.WindowRect(w), c.opened);
    EXPECT_FALSE(rig.desktop.Find(w)->minimized);
}
INSTANTIATE_TEST_SUITE_P(
    Rules, Placement,
    ::testing::Values(PlaceCase{{0, 0, 200, 100}, {300, 200, 0, 0}, {300, 200}, true},
                      PlaceCase{{-5, 5, 195, 105}, {300, 200, 0, 0}, {300, 200}, true},
                      PlaceCase{{1, 0, 201, 100}, {300, 200, 0, 0}, {1, 0}, false},
                      PlaceCase{{0, 0, 200, 100}, {-40, 70, 0, 0}, {0, 70}, true},
                      PlaceCase{{0, 0, 200, 100}, {-40, -70, 0, 0}, {0, 0}, true}));

TEST(SetWinGame, MovesTheTableToItsPlaceAndMeasuresTheTitleBar) {
    ShellRig rig;
    const WindowHandle table =
        rig.desktop.Create(LongTableTitle(1), {10, 10, 810, 610}, Insets{4, 60, 4, 10});
    rig.app.windows.table = table;
    rig.app.windows.saved[0] = {30, 40, 0, 0};
    SetWinGame(rig.app);
    EXPECT_EQ(rig.app.windows.titleBarAllowance, 70 - 45);
    EXPECT_EQ(rig.app.windows.tableRect, (Rect{30, 40, 830, 640}));
    EXPECT_EQ(rig.desktop.WindowRect(table), rig.app.windows.tableRect);
    rig.desktop.Find(table)->frame = kCaptionFrame;  // a thin title bar allows nothing
    SetWinGame(rig.app);
    EXPECT_EQ(rig.app.windows.titleBarAllowance, 0);
}

TEST(GetSubWindows, PressesTheButtonsWaitsAndFindsTheNewWindows) {
    ShellRig rig;
    SimClient& client = StartTable(rig, 1);
    for (int kind = 1; kind <= 4; ++kind) client.Close(kind);
    FindAll(rig);
    rig.desktop.SetCursor({700, 700});
    const auto before = rig.clock.Elapsed();
    GetSubWindows(rig.app);
    EXPECT_GE(rig.clock.Elapsed() - before, 300u);
    EXPECT_EQ(client.clicksSeen, 4);
    EXPECT_EQ(rig.desktop.Cursor(), (Point{700, 700}));
    for (int kind = 1; kind <= 5; ++kind)
        EXPECT_EQ(rig.app.windows.handle[std::size_t(kind)], client.Handle(kind)) << kind;
}

TEST(NotExistProcess, PressesTheButtonAndMarksAWindowStillMissing) {
    ShellRig rig;
    SimClient& client = StartTable(rig, 1);
    client.Close(3);
    FindAll(rig);
    NotExistProcess(rig.app, WindowKind::Score, 1);
    EXPECT_FALSE(rig.app.messages.waiting[4]);
    NotExistProcess(rig.app, WindowKind::LastHand, 21);
    EXPECT_EQ(client.clicksSeen, 2);
    EXPECT_NE(client.Handle(3), 0u) << "the button opened it";
    EXPECT_TRUE(rig.app.messages.waiting[3]) << "the candidates were taken before it opened";
    NotExistProcess(rig.app, WindowKind::BidBox, 0);  // no button, no waiting mark
    EXPECT_EQ(rig.app.windows.Handle(WindowKind::BidBox), client.Handle(5));
}

TEST(SetBox, OneRecordListIsShownAtATime) {
    ShellRig rig;
    const auto shown = [&](Control c) { return rig.views.main.controls[std::size_t(c)]; };
    for (const auto& [swtch, list] :
         {std::pair{1, 1}, std::pair{7, 1}, std::pair{-1, 0}, std::pair{1, 1}, std::pair{0, 0}}) {
        SetBox(rig.app, swtch);
        EXPECT_EQ(rig.app.records.currentList, list);
        EXPECT_EQ(shown(Control::filBox0).visible, list == 0);
        EXPECT_EQ(shown(Control::filBox0).enabled, list == 0);
        EXPECT_EQ(shown(Control::filBox1).visible, list == 1);
    }
}

struct BoxCase {
    const char* setting;
    int allowance;
    Rect place;  // none shown when empty
};

class BoxWindow : public ::testing::TestWithParam<BoxCase> {};

TEST_P(BoxWindow, StandsBesideTheTable) {
    const BoxCase c = GetParam();
    ShellRig rig;
    rig.app.windows.tableRect = {0, 120, 800, 680};
    rig.app.windows.titleBarAllowance = c.allowance;
    ParsePoint(rig.app.settings.boxPosition, c.setting);
    LoadBoxWindow(rig.app);
    EXPECT_EQ(rig.app.boxLoaded, c.place.right != 0);
    EXPECT_EQ(rig.views.side.boxPlace, c.place);
}
// Height: allowance x 1.5 + 112, halves to the even neighbour.
INSTANTIATE_TEST_SUITE_P(Places, BoxWindow,
                         ::testing::Values(BoxCase{"(900, 333)", 0, {805, 333, 977, 445}},
                                           BoxCase{"(900, 333)", 10, {805, 333, 977, 460}},
                                           BoxCase{"(900, 333)", 1, {805, 333, 977, 447}},
                                           BoxCase{"(900, 333)", 3, {805, 333, 977, 449}},
                                           BoxCase{"(*, 50)", 0, {805, -100, 977, 12}},
                                           BoxCase{"", 0, {}}));

}  // namespace tallowen::testing

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
    for (const auto& c : app.game.windows.candidates)
        if (c.handle == h) return true;
    return false;
}

}  // namespace

TEST(Scan, CandidatesHaveTheWidthOfASubWindowTitle) {
    ShellRig rig;
    const int low = rig.app.game.windows.minTitleWidth, high = rig.app.game.windows.maxTitleWidth;
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
    rig.app.display.mainWindow = Window(rig, "Bridge Score");
    ScanTopWindows(rig.app);
    for (WindowHandle h : in) EXPECT_TRUE(IsCandidate(rig.app, h)) << h;
    for (WindowHandle h : out) EXPECT_FALSE(IsCandidate(rig.app, h)) << h;
    for (WindowHandle h : {hidden, bare, rig.app.display.mainWindow})
        EXPECT_FALSE(IsCandidate(rig.app, h));
    EXPECT_EQ(rig.app.game.windows.table, 0u);
    for (int i = 0; i < 105; ++i) Window(rig, "Bridge Score");
    ScanTopWindows(rig.app);
    EXPECT_EQ(rig.app.game.windows.candidates.size(), 100u);
}

class ScanExclusion : public ::testing::TestWithParam<const char*> {};

TEST_P(ScanExclusion, MarkedTitlesAreNeitherCandidateNorTable) {
    ShellRig rig;
    const WindowHandle sub = Window(rig, GetParam() + std::string("Bridge Bid"));
    Window(rig, LongTableTitle(1) + GetParam());
    ScanTopWindows(rig.app);
    EXPECT_FALSE(IsCandidate(rig.app, sub));
    EXPECT_EQ(rig.app.game.windows.table, 0u);
}
INSTANTIATE_TEST_SUITE_P(Marks, ScanExclusion, ::testing::Values("実行", "タロウェン", "Tallowen"));

struct LanguageCase {
    int before, titleOf, expected;  // language before, the table title's edition, language after
};

class ScanLanguage : public ::testing::TestWithParam<LanguageCase> {};

TEST_P(ScanLanguage, TheFirstTableTitleSetsTheLanguage) {
    const LanguageCase c = GetParam();
    ShellRig rig;
    rig.app.game.windows.language = c.before;
    const WindowHandle table = Window(rig, LongTableTitle(c.titleOf), {0, 0, 800, 560});
    Window(rig, LongTableTitle(c.titleOf == 3 ? 5 : 3), {0, 0, 800, 560});  // in front of it
    rig.desktop.BringToTop(table);
    ScanTopWindows(rig.app);
    EXPECT_EQ(rig.app.game.windows.table, table);
    EXPECT_EQ(rig.app.game.windows.language, c.expected);
}
INSTANTIATE_TEST_SUITE_P(Editions, ScanLanguage,
                         ::testing::Values(LanguageCase{1, 4, 4}, LanguageCase{3, 5, 5},
                                           LanguageCase{6, 8, 8},
                                           // an English title says nothing of the edition
                                           LanguageCase{5, 1, 5},
                                           // Espanol is kept once known
                                           LanguageCase{8, 6, 8}));

struct SharedTitleCase {
    int language, clientHeight;
    WindowKind expected;
};

class SharedTitle : public ::testing::TestWithParam<SharedTitleCase> {};

TEST_P(SharedTitle, OneTitleForBiddingAndBidBoxTheShortWindowIsTheBidBox) {
    const SharedTitleCase c = GetParam();
    ShellRig rig;
    rig.app.game.windows.language = c.language;
    const int outer = c.clientHeight + kCaptionFrame.top + kCaptionFrame.bottom;
    const WindowHandle w =
        Window(rig, std::string(TitleTable::Title(1, c.language)), {900, 10, 1200, 10 + outer});
    rig.desktop.Minimize(w);  // measured once restored, not as the icon it is
    ScanTopWindows(rig.app);
    LookupAllKinds(rig.app);
    const auto other = c.expected == WindowKind::BidBox ? WindowKind::Bidding : WindowKind::BidBox;
    EXPECT_EQ(rig.app.game.windows.Handle(c.expected), w);
    EXPECT_EQ(rig.app.game.windows.Handle(other), 0u);
    LookupKind(rig.app, other);
    EXPECT_EQ(rig.app.game.windows.Handle(other), 0u);
}
INSTANTIATE_TEST_SUITE_P(Editions, SharedTitle,
                         ::testing::Values(SharedTitleCase{4, 300, WindowKind::BidBox},
                                           SharedTitleCase{4, 301, WindowKind::Bidding},
                                           SharedTitleCase{10, 301, WindowKind::Bidding}));

TEST(Lookup, TheEspanolBiddingTitleSwitchesSpainToEspanol) {
    ShellRig rig;
    SimClient& client = StartTable(rig, 8);
    rig.desktop.SetTitle(client.Handle(0), LongTableTitle(6));  // reads as Spain's table
    ScanTopWindows(rig.app);
    ASSERT_EQ(rig.app.game.windows.language, 6);
    rig.app.game.reading.glyphs.ready = true;  // reading was prepared for Spain
    GlyphTable espanol = rig.app.game.reading.glyphs;
    PrepareGlyphSet(espanol, 1, 8);
    ASSERT_NE(rig.app.game.reading.glyphs.allowed, espanol.allowed);
    LookupAllKinds(rig.app);
    EXPECT_EQ(rig.app.game.windows.language, 8);
    EXPECT_EQ(rig.app.game.reading.glyphs.allowed, espanol.allowed) << "glyphs follow the language";
    LookupAllKinds(rig.app);  // titles read before the switch are now read as Espanol
    for (int kind = 1; kind <= 5; ++kind)
        EXPECT_EQ(rig.app.game.windows.handle[std::size_t(kind)], client.Handle(kind)) << kind;
}

TEST(NotExistProcess, PressesTheButtonAndMarksAWindowStillMissing) {
    ShellRig rig;
    SimClient& client = StartTable(rig, 1);
    client.Close(3);
    ScanTopWindows(rig.app);
    PrepareReading(rig.app.game.reading, rig.app.game.infoBox);  // so that the buttons can be read
    LookupAllKinds(rig.app);
    NotExistProcess(rig.app, WindowKind::Score, 1);
    EXPECT_FALSE(rig.app.display.messages.waiting[4]);
    NotExistProcess(rig.app, WindowKind::LastHand, 21);
    EXPECT_EQ(client.clicksSeen, 2);
    EXPECT_NE(client.Handle(3), 0u) << "the button opened it";
    EXPECT_TRUE(rig.app.display.messages.waiting[3])
        << "the candidates were taken before it opened";
    NotExistProcess(rig.app, WindowKind::BidBox, 0);  // no button, no waiting mark
    EXPECT_EQ(rig.app.game.windows.Handle(WindowKind::BidBox), client.Handle(5));
}

}  // namespace tallowen::testing

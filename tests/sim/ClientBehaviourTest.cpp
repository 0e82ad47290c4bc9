// The simulated client as the shell meets it: buttons that open windows, windows that show
// more when made taller or wider, an auction that grows call by call. (The play is read trick
// by trick in the round trips and in the shell's whole sessions.)
#include <gtest/gtest.h>

#include <algorithm>

#include "SimHarness.h"
#include "platform/CodePage.h"
#include "reading/Bidding.h"
#include "reading/Capture.h"
#include "reading/LastHand.h"
#include "reading/Score.h"

namespace tallowen::testing {
namespace {

// A board whose auction is given, the rest following from the seed.
SimBoard WithCalls(std::vector<std::string> calls, int dealer = 0, std::uint32_t seed = 7) {
    SimBoard b = MakeBoard(seed);
    b.dealer = dealer;
    b.calls = std::move(calls);
    CompleteBoard(b, seed);
    return b;
}

void SetClientHeight(SimHarness& h, int kind, int height) {
    const WindowHandle w = h.client->Handle(kind);
    Rect r = h.desktop.WindowRect(w);
    r.bottom = r.top + kCaptionFrame.top + kCaptionFrame.bottom + height;
    h.desktop.MoveWindow(w, r);
}

TEST(SimClient, ButtonsOpenTheirWindowsAfterTheClientsDelayAndTheCursorGoesBack) {
    SimHarness h(3, MakeBoard(3), SimStage::Done, 0, /*openAll=*/false);
    for (int k = 1; k <= 4; ++k) EXPECT_EQ(h.client->Handle(k), 0u);
    h.client->openDelay = 200;
    h.desktop.SetCursor({700, 700});
    ClickGameButton(h.ctx, h.buttons, kAllButtons);
    EXPECT_EQ(h.buttons.clickCount, 4);
    EXPECT_EQ(h.client->clicksSeen, 4);
    EXPECT_EQ(h.client->Handle(4), 0u);
    Wait(h.ctx, 0.3);
    for (int k = 1; k <= 4; ++k) EXPECT_NE(h.client->Handle(k), 0u) << k;
    EXPECT_EQ(h.client->Handle(5), 0u);
    EXPECT_EQ(h.desktop.Cursor(), (Point{700, 700}));
    // The titles are those of the edition, so the shell can find them.
    EXPECT_EQ(h.desktop.Find(h.client->Handle(4))->title, "Bridge-Punktestand");
}

// The watcher moves the table after it first pressed the buttons; the presses must follow.
TEST(SimClient, ButtonsAreStillHitAfterTheTableMoved) {
    SimHarness h(1, MakeBoard(3), SimStage::Done, 0, /*openAll=*/false);
    ClickGameButton(h.ctx, h.buttons, 4);
    ASSERT_NE(h.client->Handle(4), 0u);
    h.client->Close(4);
    const Rect r = h.desktop.WindowRect(h.client->Handle(0));
    h.desktop.MoveWindow(h.client->Handle(0),
                         Rect{r.left + 30, r.top + 120, r.right + 30, r.bottom + 120});
    ClickGameButton(h.ctx, h.buttons, 4);
    EXPECT_NE(h.client->Handle(4), 0u);
    ClickGameButton(h.ctx, h.buttons, 3);  // found after the move: the same reference
    EXPECT_NE(h.client->Handle(3), 0u);
    h.client->Close(4);
    ClickGameButton(h.ctx, h.buttons, 4);
    EXPECT_NE(h.client->Handle(4), 0u);
}

// Bids one step apart, each followed by two passes: `bids` bids fill 3 * bids + 1 cells.
std::vector<std::string> SlowAuction(int bids) {
    std::vector<std::string> calls;
    for (int i = 0; i < bids; ++i) {
        calls.push_back(std::string(1, char('1' + i / 5)) +
                        (i % 5 == 4 ? "NT" : std::string(1, "CDHS"[i % 5])));
        calls.insert(calls.end(), {"Pass", "Pass"});
    }
    calls.push_back("Pass");
    return calls;
}

// A short window shows more rows when grown; an auction of more than ten rows is read to
// its tenth.
TEST(SimClient, AShortBiddingWindowShowsMoreWhenGrown) {
    SimHarness h(3, WithCalls(SlowAuction(15)));          // 46 calls
    SetClientHeight(h, 1, BiddingView::BandTop(7) + 18);  // seven rows fit
    const AuctionReading read = CaptAuction(h.ctx);
    const AuctionReading want = h.client->ExpectedAuction();
    EXPECT_EQ(read.result, CaptureResult::Read);
    EXPECT_EQ(read.rows, kAuctionReadRows + 1);  // ten rows read without an end
    EXPECT_EQ(read.calls, want.calls);
    EXPECT_EQ(read.calls[2][9], "Passe");  // German pass word as drawn
    EXPECT_GE(h.desktop.ClientRect(h.client->Handle(1)).Height(), BiddingView::BandTop(10) + 18);
}

TEST(SimClient, AuctionGrowsCallByCall) {
    const SimBoard b =
        WithCalls({"Pass", "1H", "X", "XX", "2C", "Pass", "Pass", "3NT", "Pass", "Pass", "Pass"},
                  /*dealer=*/2);
    SimHarness h(6, b, SimStage::Auction, 0);
    for (int shown = 0; shown <= int(b.calls.size()); ++shown) {
        h.client->SetStage(SimStage::Auction, shown);
        const AuctionReading read = CaptAuction(h.ctx);
        const AuctionReading want = h.client->ExpectedAuction();
        const CaptureResult error = read.result, wantError = want.result;
        EXPECT_EQ(error, shown == int(b.calls.size()) ? CaptureResult::Read
                                                      : CaptureResult::AuctionIncomplete)
            << shown;
        EXPECT_EQ(error, wantError) << shown;
        EXPECT_EQ(read.calls, want.calls) << shown;
    }
}

// A minimised window reports the small rectangle it has on the task bar; it is widened as
// it will stand once restored, not as an icon.
TEST(SimClient, MinimisedNarrowHandIsWidenedOnItsFirstRead) {
    SimHarness h(5, MakeBoard(10));
    h.client->Minimize(3);
    const HandReading read = CaptHand(h.ctx, false);
    EXPECT_EQ(read.result, CaptureResult::Read);
    EXPECT_EQ(h.desktop.ClientRect(h.client->Handle(3)).Width(), 580 - 8);
    EXPECT_EQ(read.cards, h.client->ExpectedHand().cards) << "all thirteen cards show";
}

}  // namespace
}  // namespace tallowen::testing

namespace tallowen::testing {
namespace {

class SimTitles : public ::testing::TestWithParam<int> {};

// The shell finds the windows by title; where an edition gives the auction history and the
// bid box the same title, the client areas tell them apart (at most 300 rows: the bid box).
TEST_P(SimTitles, WindowsCarryTheEditionsTitles) {
    const int language = GetParam();
    SimHarness h(language, MakeBoard(71));
    std::vector<std::string> titles;
    for (const TopWindow& w : h.desktop.TopLevelWindows()) {
        EXPECT_TRUE(w.visible && w.hasCaption);
        titles.push_back(w.title);
    }
    const bool shared = TitleTable::Title(1, language) == TitleTable::Title(5, language);
    for (int kind = 1; kind <= 5; ++kind) {
        const std::string title(TitleTable::Title(kind, language));
        const bool bidding = kind == 1 || kind == 5;
        EXPECT_EQ(std::count(titles.begin(), titles.end(), title), bidding && shared ? 2 : 1)
            << kind;
    }
    EXPECT_GE(h.desktop.ClientRect(h.client->Handle(1)).Height(), 301);
    EXPECT_LE(h.desktop.ClientRect(h.client->Handle(5)).Height(), 300);
}

INSTANTIATE_TEST_SUITE_P(AllEditions, SimTitles, ::testing::Range(1, 11));

}  // namespace
}  // namespace tallowen::testing

// The mirror between the simulated desktop and real windows, against a recording stand-in
// for the real ones: both sides' changes cross over once and never bounce back.
#include <gtest/gtest.h>

#include <map>

#include "sim/SimClient.h"
#include "sim/SimSession.h"
#include "tools/fake-client/WindowMirror.h"

namespace tallowen::testing {
namespace {

// Real windows as a window manager without surprises keeps them, with a frame other than
// the simulated one, and a log of what the mirror asked for.
class RecordingWindows : public RealWindows {
public:
    struct Window {
        std::string title;
        Rect outer;
        bool caption = false, topmost = false, minimized = false;
        int invalidated = 0;
    };
    Insets frame{3, 30, 5, 6};
    bool failCreate = false;
    std::map<RealWindow, Window> windows;
    std::vector<std::string> log;
    // Where the "window manager" puts new windows (empty: where asked).
    Rect forcedPlace;

    Insets Frame(bool caption) override { return caption ? frame : Insets{}; }
    RealWindow Create(const std::string& title, Rect outer, bool caption, bool topmost) override {
        if (failCreate) return 0;
        const RealWindow id = next_++;
        windows[id] =
            Window{title, forcedPlace.Width() > 0 ? forcedPlace : outer, caption, topmost};
        log.push_back("create " + title);
        return id;
    }
    void Destroy(RealWindow w) override {
        log.push_back("destroy " + windows[w].title);
        windows.erase(w);
    }
    Rect Outer(RealWindow w) override { return windows[w].outer; }
    void Place(RealWindow w, Rect outer) override {
        windows[w].outer = outer;
        log.push_back("place " + windows[w].title);
    }
    void Show(RealWindow w, bool minimized) override {
        windows[w].minimized = minimized;
        log.push_back(std::string(minimized ? "minimise " : "restore ") + windows[w].title);
    }
    void SetTitle(RealWindow w, const std::string& title) override { windows[w].title = title; }
    void Raise(RealWindow w) override { log.push_back("raise " + windows[w].title); }
    void Invalidate(RealWindow w) override { ++windows[w].invalidated; }

    RealWindow Titled(const std::string& title) const {
        for (const auto& [id, w] : windows)
            if (w.title == title) return id;
        return 0;
    }

private:
    RealWindow next_ = 100;
};

class Mirror : public ::testing::Test {
protected:
    Mirror() : client(desktop, nullptr, 1, MakeBoard(3)) {}
    const SimWindow& Sim(int kind) { return *desktop.Find(client.Handle(kind)); }
    RealWindow Real(int kind) { return mirror.RealOf(client.Handle(kind)); }

    SimDesktop desktop{Rect{0, 0, 1280, 1024}};
    RecordingWindows real;
    WindowMirror mirror{desktop, real};
    SimClient client;
};

TEST_F(Mirror, EachSimulatedWindowGetsARealOneWithItsTitlePlaceAndClientSize) {
    client.Open(0);
    client.Open(1);
    const Rect bidding = SimClient::DefaultRect(1, 1);
    const int clientWidth = bidding.Width() - kCaptionFrame.left - kCaptionFrame.right;
    const int clientHeight = bidding.Height() - kCaptionFrame.top - kCaptionFrame.bottom;
    mirror.Sync();
    ASSERT_EQ(real.windows.size(), 2u);
    const RecordingWindows::Window& w = real.windows[Real(1)];
    EXPECT_EQ(w.title, "Bridge Bidding");
    EXPECT_TRUE(w.caption);
    // Same corner and client size; the frame is the real one, on both sides.
    EXPECT_EQ(w.outer, (Rect{bidding.left, bidding.top, bidding.left + clientWidth + 8,
                             bidding.top + clientHeight + 36}));
    EXPECT_EQ(Sim(1).rect, w.outer);
    EXPECT_EQ((std::tuple{Sim(1).ClientWidth(), Sim(1).ClientHeight()}),
              (std::tuple{clientWidth, clientHeight}));
    EXPECT_EQ(Sim(1).client.height, clientHeight) << "repainted for the new frame";
    ASSERT_NE(mirror.Picture(Real(1)), nullptr);
    EXPECT_EQ(mirror.Picture(Real(1)), &Sim(1).client);
    EXPECT_EQ(real.windows[Real(1)].invalidated, 1) << "painted once it is known";
}

TEST_F(Mirror, NewWindowsAreMadeBackToFront) {
    client.OpenAll();
    mirror.Sync();
    ASSERT_EQ(real.log.size(), 6u);
    EXPECT_EQ(real.log.front(), "create " + Sim(0).title);
    EXPECT_EQ(real.log.back(), "create Bridge Bid");
}

TEST_F(Mirror, AWindowOffTheScreenIsMovedOntoIt) {
    client.Open(3);  // the last hand reaches past 1280 pixels
    mirror.Sync();
    const Rect r = real.windows[Real(3)].outer;
    EXPECT_EQ(r.right, 1280);
    EXPECT_EQ(r.top, SimClient::DefaultRect(3, 1).top);
    EXPECT_EQ(Sim(3).rect, r);
}

struct FitCase {
    Rect outer, screen, want;
};
class FitOnScreenTable : public ::testing::TestWithParam<FitCase> {};
TEST_P(FitOnScreenTable, MovesAsLittleAsNeeded) {
    EXPECT_EQ(FitOnScreen(GetParam().outer, GetParam().screen), GetParam().want);
}
INSTANTIATE_TEST_SUITE_P(
    Rects, FitOnScreenTable,
    ::testing::Values(FitCase{{10, 20, 110, 220}, {0, 0, 800, 600}, {10, 20, 110, 220}},
                      FitCase{{750, 20, 850, 220}, {0, 0, 800, 600}, {700, 20, 800, 220}},
                      FitCase{{10, 500, 110, 700}, {0, 0, 800, 600}, {10, 400, 110, 600}},
                      FitCase{{-30, -5, 70, 95}, {0, 0, 800, 600}, {0, 0, 100, 100}},
                      FitCase{{100, 0, 1000, 100}, {0, 0, 800, 600}, {0, 0, 900, 100}}));

TEST_F(Mirror, ClosedWindowsGoAndChangedPicturesArePaintedAgain) {
    client.SetStage(SimStage::Auction, 0);
    client.OpenAll();
    mirror.Sync();
    const RealWindow bidding = Real(1), hand = Real(3);
    const int handBefore = real.windows[hand].invalidated;
    client.SetStage(SimStage::Auction, 2);  // two calls on the bidding window
    client.Close(5);
    mirror.Sync();
    EXPECT_EQ(real.Titled("Bridge Bid"), 0u);
    EXPECT_EQ(real.log.back(), "destroy Bridge Bid");
    EXPECT_EQ(real.windows[bidding].invalidated, 2);
    EXPECT_EQ(real.windows[hand].invalidated, handBefore) << "its picture did not change";
    mirror.Sync();
    EXPECT_EQ(real.windows[bidding].invalidated, 2) << "nothing new, nothing repainted";
    EXPECT_EQ(mirror.Count(), 5u);
}

TEST_F(Mirror, ARealResizeReachesTheSimulatedWindowAndStaysThere) {
    client.Open(1);
    mirror.Sync();
    const RealWindow bidding = Real(1);
    const int heightBefore = Sim(1).client.height;
    Rect bigger = real.windows[bidding].outer;
    bigger.left -= 20;
    bigger.right -= 20;
    bigger.bottom += 64;
    real.windows[bidding].outer = bigger;
    mirror.RealMoved(bidding, bigger);
    EXPECT_EQ(Sim(1).rect, bigger);
    EXPECT_EQ(Sim(1).client.height, heightBefore + 64) << "four more rows of calls";
    EXPECT_EQ(real.windows[bidding].invalidated, 2);
    real.log.clear();
    mirror.Sync();
    EXPECT_TRUE(real.log.empty()) << "the move does not bounce back: " << real.log.front();
}

TEST_F(Mirror, MinimisingCrossesOverEitherWayWithoutBouncing) {
    client.Open(2);
    client.Open(4);
    mirror.Sync();
    real.log.clear();
    mirror.RealMinimized(Real(2), true);
    EXPECT_TRUE(Sim(2).minimized);
    mirror.Sync();
    EXPECT_TRUE(real.log.empty());
    client.Minimize(4);  // the client minimises its score window
    mirror.Sync();
    EXPECT_EQ(real.log, std::vector<std::string>{"minimise Bridge Score"});
    mirror.RealMinimized(Real(4), false);
    EXPECT_FALSE(Sim(4).minimized);
    real.log.clear();
    mirror.Sync();
    EXPECT_TRUE(real.log.empty()) << real.log.front();
    // A move reported while minimised is the parking place, not a new place.
    const Rect before = Sim(2).rect;
    mirror.RealMoved(Real(2), Rect{-32000, -32000, -31840, -31972});
    EXPECT_EQ(Sim(2).rect, before);
}

TEST_F(Mirror, AClickOnATableButtonOpensItsWindowAtOnce) {
    client.Open(0);
    mirror.Sync();
    const Rect button = TableView::Button(3);  // the score window's
    mirror.RealClicked(Real(0), Point{button.left + 5, button.top + 5});
    EXPECT_EQ(client.clicksSeen, 1);
    EXPECT_NE(real.Titled("Bridge Score"), 0u);
    mirror.RealClicked(Real(0), Point{-1, 70});    // outside the client area
    mirror.RealClicked(Real(0), Point{400, 300});  // on the felt
    EXPECT_EQ(client.clicksSeen, 1);
    EXPECT_EQ(mirror.Count(), 2u);
}

TEST_F(Mirror, AWindowTheClientBringsForwardComesForward) {
    client.Open(1);
    client.Open(2);
    mirror.Sync();
    real.log.clear();
    client.Open(1);  // already open: the client brings it to the front
    mirror.Sync();
    EXPECT_EQ(real.log, std::vector<std::string>{"raise Bridge Bidding"});
    real.log.clear();
    mirror.Sync();
    EXPECT_TRUE(real.log.empty());
}

TEST_F(Mirror, AWindowPlacedElsewhereTakesTheSimulatedOneAlong) {
    real.forcedPlace = Rect{50, 60, 358, 415};
    client.Open(1);
    mirror.Sync();
    EXPECT_EQ(Sim(1).rect, real.forcedPlace);
    real.log.clear();
    mirror.Sync();
    EXPECT_TRUE(real.log.empty());
}

TEST_F(Mirror, AWindowThatCannotBeMadeIsTriedAgain) {
    client.Open(4);
    real.failCreate = true;
    mirror.Sync();
    EXPECT_EQ(mirror.Count(), 0u);
    EXPECT_EQ(mirror.Picture(12345), nullptr);
    mirror.RealMoved(12345, Rect{0, 0, 10, 10});  // unknown: ignored
    real.failCreate = false;
    mirror.Sync();
    EXPECT_EQ(mirror.Count(), 1u);
}

TEST_F(Mirror, ATitleChangeIsPassedOn) {
    client.Open(0);
    mirror.Sync();
    desktop.SetTitle(client.Handle(0), "Yahoo! Game: Bridge - Table 7");
    mirror.Sync();
    EXPECT_EQ(real.windows[Real(0)].title, "Yahoo! Game: Bridge - Table 7");
}

}  // namespace
}  // namespace tallowen::testing

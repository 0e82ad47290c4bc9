// A session at the simulated table, read through the real readers as the clock runs: the
// bid box comes and goes with each auction, the last-hand window keeps the previous board
// until the next is done, the score follows the boards, and faults strike as rolled.
#include <gtest/gtest.h>

#include <functional>

#include "reading/Bidding.h"
#include "reading/Buttons.h"
#include "reading/LastHand.h"
#include "reading/ReadingContext.h"
#include "reading/Score.h"
#include "reading/TricksCount.h"
#include "sim/NullBackends.h"
#include "sim/SimRecord.h"
#include "sim/SimSession.h"

namespace tallowen::testing {
namespace {

struct SessionRig {
    SimDesktop desktop{Rect{0, 0, 1600, 1000}};
    SimClock clock;
    RecordingSound sound;
    GameWindows windows;
    ReadingContext ctx{desktop, clock, sound, windows};
    std::unique_ptr<SimSession> session;

    explicit SessionRig(const SimSessionOptions& o) {
        windows.language = o.language;
        LoadGlyphTable(ctx.glyphs, sound);
        session = std::make_unique<SimSession>(desktop, clock, o);
    }
    SimClient& Client() { return session->Client(); }
    void Start() {
        session->Start();
        FindHandles();
        InfoBoxState box;
        PrepareReading(ctx, box);
    }
    void FindHandles() {
        windows.table = Client().Handle(0);
        for (int k = 1; k <= 5; ++k) windows.handle[std::size_t(k)] = Client().Handle(k);
    }
    // Runs the clock in steps until `done` holds; false when `limit` ms passed first.
    bool RunUntil(const std::function<bool()>& done, std::uint64_t limit, std::uint32_t step = 50) {
        const std::uint64_t end = clock.Elapsed() + limit;
        while (!done()) {
            if (clock.Elapsed() >= end) return false;
            clock.Wait(step);
        }
        FindHandles();
        return true;
    }
    ScorePair Score() {
        const ScoreReading read = CaptScore(ctx);
        EXPECT_EQ(read.result, CaptureResult::Read);
        return read.scores;
    }
    // Starts the session and runs it until the first fault strikes.
    SimFaultEvent FirstFault(SimFaultKind kind) {
        Start();
        EXPECT_TRUE(RunUntil([&] { return !session->Faults().empty(); }, 120000));
        const SimFaultEvent hit =
            session->Faults().empty() ? SimFaultEvent{} : session->Faults()[0];
        EXPECT_EQ(hit.kind, kind);
        return hit;
    }
    CardTextGrid HandCards() {
        const HandReading hand = CaptHand(ctx, false);
        EXPECT_EQ(hand.result, CaptureResult::Read);
        return hand.cards;
    }
};

SimSessionOptions Quick(int boards, std::uint32_t seed = 4) {
    SimSessionOptions o;
    o.plan.boards = boards;
    o.plan.seed = seed;
    // These tests follow the client's own behaviour through the play (tricks shown, the turn,
    // windows during play), which a passed-out board skips; the watcher's whole sessions and
    // the soak play the default plan.
    o.plan.minBids = 1;
    o.callMs = 1000;
    o.trickMs = 2000;
    o.pauseMs = 5000;
    return o;
}

TEST(SimSession, BoardsFollowOneAnotherAsAtATable) {
    SessionRig rig(Quick(3));
    const std::vector<SimBoard>& plan = rig.session->Planned();
    ASSERT_EQ(plan.size(), 3u);
    EXPECT_EQ(rig.session->CurrentBoard(), -1);
    rig.Start();
    EXPECT_EQ(rig.session->CurrentBoard(), 0);
    EXPECT_NE(rig.Client().Handle(5), 0u) << "the bid box opens with the auction";
    EXPECT_EQ(rig.Client().Stage(), SimStage::Auction);

    // The auction runs a call a second; the bid box closes with the last call.
    const std::uint32_t auction = std::uint32_t(plan[0].calls.size()) * 1000;
    rig.clock.Wait(auction - 1500);
    EXPECT_NE(rig.Client().Handle(5), 0u);
    EXPECT_EQ(CaptAuction(rig.ctx).result, CaptureResult::AuctionIncomplete);
    ASSERT_TRUE(rig.RunUntil([&] { return rig.Client().Handle(5) == 0; }, 2000, 1));
    EXPECT_EQ(rig.clock.Elapsed(), auction + 1);
    const AuctionReading read = CaptAuction(rig.ctx);
    EXPECT_EQ(read.result, CaptureResult::Read);
    EXPECT_EQ(read.headings, plan[0].names);

    ASSERT_TRUE(rig.RunUntil([&] { return rig.session->Played().size() == 1; }, 60000));
    EXPECT_EQ(rig.Score(), plan[0].after);
    const CardTextGrid first = RecordOf(plan[0]).Cards;
    EXPECT_EQ(rig.HandCards(), first);

    // The next deal: its bid box, the scoreboard the last board left, and still the last
    // board's hand until this one is done.
    rig.clock.Wait(5000);
    rig.FindHandles();
    EXPECT_NE(rig.Client().Handle(5), 0u);
    EXPECT_EQ(rig.Client().Board().calls, plan[1].calls);
    EXPECT_EQ(rig.session->CurrentBoard(), 1);
    EXPECT_EQ(rig.Score(), plan[1].before);
    EXPECT_EQ(rig.HandCards(), first);
    ASSERT_TRUE(rig.RunUntil([&] { return rig.session->Played().size() == 2; }, 90000));
    EXPECT_EQ(rig.HandCards(), RecordOf(plan[1]).Cards);

    ASSERT_TRUE(rig.RunUntil([&] { return rig.session->Finished(); }, 200000));
    EXPECT_GE(rig.clock.Elapsed(), rig.session->PlannedLength());
    EXPECT_LE(rig.clock.Elapsed(), rig.session->PlannedLength() + 51);
    const auto& played = rig.session->Played();
    ASSERT_EQ(played.size(), 3u);
    for (std::size_t k = 0; k < played.size(); ++k) {
        const SimBoard& b = plan[k];
        EXPECT_EQ(played[k].number, int(k) + 1);
        EXPECT_EQ(played[k].board.hands, b.hands);
        EXPECT_EQ(played[k].completed - played[k].started,
                  b.calls.size() * 1000 + std::uint64_t(b.played + 1) * 2000);
        if (k > 0) {
            EXPECT_EQ(played[k].started - played[k - 1].completed, 5000u);
        }
        // The score reader puts its window away after reading; the others stay up.
        for (int kind = 0; kind <= 3; ++kind)
            EXPECT_TRUE(played[k].shownAtCompletion[std::size_t(kind)]);
        EXPECT_FALSE(played[k].shownAtCompletion[5]);
    }
    // The next deal begins and stays before its first call; the last hand is there to take.
    EXPECT_EQ(rig.session->CurrentBoard(), 3);
    rig.FindHandles();
    EXPECT_NE(rig.Client().Handle(5), 0u);
    EXPECT_EQ(rig.HandCards(), RecordOf(plan[2]).Cards);
    EXPECT_EQ(rig.Score(), plan[2].after);
}

TEST(SimSession, AClosedWindowStaysClosedUntilItsButtonIsPressed) {
    SimSessionOptions o = Quick(4, 9);
    o.faults.windowClosed = 100;
    SessionRig rig(o);
    const SimFaultEvent hit = rig.FirstFault(SimFaultKind::WindowClosed);
    ASSERT_GE(hit.window, 1);
    ASSERT_LE(hit.window, 4);
    EXPECT_EQ(rig.Client().Handle(hit.window), 0u);
    ButtonState buttons;
    ClickGameButton(rig.ctx, buttons, hit.window);
    EXPECT_NE(rig.Client().Handle(hit.window), 0u);
    ASSERT_TRUE(rig.RunUntil([&] { return rig.session->Finished(); }, 600000));
    // Later boards close windows that were open when they struck; they stay closed.
    const auto& faults = rig.session->Faults();
    EXPECT_GE(faults.size(), 2u);
    for (std::size_t i = 1; i < faults.size(); ++i) {
        const SimFaultEvent& f = faults[i];
        EXPECT_EQ(f.kind, SimFaultKind::WindowClosed);
        const SimPlayedBoard& p = rig.session->Played()[std::size_t(f.board)];
        EXPECT_LE(f.from, p.completed);
        EXPECT_FALSE(p.shownAtCompletion[std::size_t(f.window)]) << f.board;
    }
}

TEST(SimSession, AMinimisedWindowStaysDownUntilRestored) {
    SimSessionOptions o = Quick(2, 10);
    o.faults.windowMinimized = 100;
    SessionRig rig(o);
    const SimFaultEvent hit = rig.FirstFault(SimFaultKind::WindowMinimized);
    const WindowHandle h = rig.Client().Handle(hit.window);
    ASSERT_NE(h, 0u);
    EXPECT_TRUE(rig.desktop.Find(h)->minimized);
    rig.clock.Wait(3000);
    EXPECT_FALSE(rig.Client().Showing(hit.window));
    rig.desktop.Restore(h);
    EXPECT_TRUE(rig.Client().Showing(hit.window));
}

TEST(SimSession, StaleScoreShowsTheOldScoreForAWhile) {
    SimSessionOptions o = Quick(1, 12);
    o.faults.staleScore = 100;
    o.faults.staleMs = 3000;
    SessionRig rig(o);
    rig.Start();
    ASSERT_TRUE(rig.RunUntil([&] { return rig.session->Played().size() == 1; }, 120000));
    const SimBoard& b = rig.session->Planned()[0];
    EXPECT_EQ(rig.Score(), b.before);
    rig.clock.Wait(3000);
    EXPECT_EQ(rig.Score(), b.after);
    ASSERT_EQ(rig.session->Faults().size(), 1u);
    EXPECT_EQ(rig.session->Faults()[0].kind, SimFaultKind::StaleScore);
}

TEST(SimSession, TheTableGoesAwayMidDealAndComesBack) {
    SimSessionOptions o = Quick(2, 14);
    o.faults.tableAway = 100;
    o.faults.awayMs = 4000;
    SessionRig rig(o);
    rig.Start();
    ASSERT_TRUE(rig.RunUntil([&] { return rig.session->TableAway(); }, 120000));
    for (int kind = 0; kind <= 5; ++kind) EXPECT_EQ(rig.Client().Handle(kind), 0u) << kind;
    for (const TopWindow& w : rig.desktop.TopLevelWindows()) ADD_FAILURE() << w.title;
    rig.clock.Wait(4000);
    const WindowHandle table = rig.Client().Handle(0);
    ASSERT_NE(table, 0u);
    EXPECT_NE(rig.desktop.Find(table)->title.find("Game: Bridge"), std::string::npos);
    // The small windows wait for their buttons.
    for (int kind = 1; kind <= 4; ++kind) EXPECT_EQ(rig.Client().Handle(kind), 0u) << kind;
    ASSERT_TRUE(rig.RunUntil([&] { return rig.session->Finished(); }, 600000));
    EXPECT_EQ(rig.session->Played().size(), 2u);
    const auto& faults = rig.session->Faults();
    ASSERT_FALSE(faults.empty());
    EXPECT_EQ(faults[0].until - faults[0].from, 4000u);
}

TEST(SimSession, AMisdrawnGlyphSpoilsItsWindowForAWhile) {
    SimSessionOptions o = Quick(3, 15);
    o.faults.misdrawnGlyph = 100;
    SessionRig rig(o);
    const SimFaultEvent f = rig.FirstFault(SimFaultKind::MisdrawnGlyph);
    EXPECT_EQ(rig.Client().Faults().misdrawnKind, f.window);
    rig.clock.Wait(std::uint32_t(f.until - f.from));
    EXPECT_EQ(rig.Client().Faults().misdrawnKind, -1);
}

TEST(SimSession, TheSameSeedPlaysTheSameSessionWithTheSameFaults) {
    SimSessionOptions o = Quick(5, 21);
    o.faults = {30, 30, 30, 30, 30};
    std::vector<std::uint64_t> runs[2];
    std::vector<int> kinds[2];
    for (int r = 0; r < 2; ++r) {
        SessionRig rig(o);
        rig.Start();
        ASSERT_TRUE(rig.RunUntil([&] { return rig.session->Finished(); }, 2000000, 500));
        for (const SimPlayedBoard& p : rig.session->Played()) runs[r].push_back(p.completed);
        for (const SimFaultEvent& f : rig.session->Faults())
            kinds[r].push_back(int(f.kind) * 10 + f.window), runs[r].push_back(f.from);
    }
    EXPECT_EQ(runs[0], runs[1]);
    EXPECT_EQ(kinds[0], kinds[1]);
    EXPECT_FALSE(kinds[0].empty());
}

TEST(SimSession, NoBoardsFinishAtOnce) {
    SimSessionOptions o = Quick(0);
    SessionRig rig(o);
    rig.session->Start();
    EXPECT_TRUE(rig.session->Finished());
    EXPECT_TRUE(rig.session->Played().empty());
    EXPECT_TRUE(rig.desktop.TopLevelWindows().empty());
}

}  // namespace
}  // namespace tallowen::testing

// The lamp that tells the user it is their turn, where the watcher looks for it in a copy of
// the whole table window: row 112 of columns 107..127 lit and row 113 dark when it is the
// user's turn, row 112 dark otherwise.
#include <gtest/gtest.h>

#include "SimHarness.h"

namespace tallowen::testing {
namespace {

// What the watcher concludes from the window, worked out from the pixels alone.
enum class Lamp { Lit, Dark, Broken };
Lamp LampOf(const Image555& window) {
    auto blank = [&](int y) {
        for (int x = 107; x <= 127; ++x)
            if (window.At(x, y) & 0x7FFF) return false;
        return true;
    };
    bool lit = true;
    for (int x = 107; x <= 127; ++x) lit = lit && (window.At(x, 112) & 0x7FFF) != 0;
    if (lit && blank(113)) return Lamp::Lit;
    if (blank(112)) return Lamp::Dark;
    return Lamp::Broken;
}

SimBoard Board(int userSeat, std::vector<std::string> calls, std::uint32_t seed = 5) {
    SimBoard b = MakeBoard(seed);
    b.dealer = 0;
    b.userSeat = userSeat;
    b.calls = std::move(calls);
    CompleteBoard(b, seed, /*allowClaim=*/false);
    return b;
}

Lamp LampAt(SimHarness& h, SimStage stage, int progress) {
    h.client->SetStage(stage, progress);
    return LampOf(h.desktop.WindowPicture(h.client->Handle(0), /*clientArea=*/false));
}

struct AuctionCase {
    int userSeat;
    std::vector<Lamp> afterCalls;  // the lamp after 0, 1, ... calls
};

class TurnLampAuction : public ::testing::TestWithParam<AuctionCase> {};

// North opens, South raises to game: North declares, East leads.
TEST_P(TurnLampAuction, LitWhileTheUserIsToCall) {
    const AuctionCase& c = GetParam();
    SimHarness h(1, Board(c.userSeat, {"1S", "Pass", "4S", "Pass", "Pass", "Pass"}),
                 SimStage::Auction);
    ASSERT_EQ(h.client->Board().declarer, 0);
    for (std::size_t k = 0; k < c.afterCalls.size(); ++k)
        EXPECT_EQ(LampAt(h, SimStage::Auction, int(k)), c.afterCalls[k]) << k;
}

constexpr Lamp L = Lamp::Lit, D = Lamp::Dark;
INSTANTIATE_TEST_SUITE_P(Seats, TurnLampAuction,
                         ::testing::Values(AuctionCase{0, {L, D, D, D, L, D, D}},
                                           AuctionCase{1, {D, L, D, D, D, L, L}},
                                           AuctionCase{2, {D, D, L, D, D, D, D}},
                                           AuctionCase{3, {D, D, D, L, D, D, D}}));

// In the play the declarer plays from dummy too, and dummy's owner never acts.
TEST(TurnLamp, InThePlayTheDeclarerActsForDummy) {
    for (int user = 0; user < 4; ++user) {
        SimHarness h(1, Board(user, {"1S", "Pass", "4S", "Pass", "Pass", "Pass"}), SimStage::Play);
        const SimBoard& b = h.client->Board();
        for (int t = 0; t < b.played; ++t) {
            const int leader = t == 0 ? 1 : b.winners[std::size_t(t - 1)];
            const bool acts = user == 0 ? SideOf(leader) == 0 : user == 2 ? false : leader == user;
            EXPECT_EQ(LampAt(h, SimStage::Play, t), acts ? L : D) << user << " " << t;
        }
        EXPECT_EQ(LampAt(h, SimStage::Done, 0), D) << user;
    }
}

// The lamp sits between the table's buttons; their captions are still found where drawn.
TEST(TurnLamp, ButtonsAreFoundWithTheLampLit) {
    for (int language = 1; language <= kLanguageCount; ++language) {
        SimHarness h(language, Board(2, {"1S", "Pass", "4S", "Pass", "Pass", "Pass"}),
                     SimStage::Auction, 2);
        ASSERT_EQ(LampOf(h.desktop.WindowPicture(h.client->Handle(0), false)), L);
        ScanButtons(h.ctx, h.buttons);
        const auto want = h.client->ExpectedButtons();
        EXPECT_EQ(h.buttons.position, want) << language;
        for (int k = 1; k <= 4 && EditionOf(language) != Edition::Japanese; ++k)
            EXPECT_NE(want[std::size_t(k)].x, 0) << k;
    }
}

}  // namespace
}  // namespace tallowen::testing

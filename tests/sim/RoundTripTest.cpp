// Every window of the simulated client, in every edition, read by the engine: what it reads
// is what the simulator drew (with the editions' known limits). The hand window is read in
// every edition in FacesAndFaultsTest, the buttons in TurnLampTest.
#include <gtest/gtest.h>

#include "SimHarness.h"
#include "reading/Bidding.h"
#include "reading/LastHand.h"
#include "reading/LastTrick.h"
#include "reading/Score.h"

namespace tallowen::testing {
namespace {

struct EditionSeed {
    int language;
    std::uint32_t seed;
};

class RoundTrip : public ::testing::TestWithParam<EditionSeed> {};

TEST_P(RoundTrip, BiddingWindowReadsAsDrawn) {
    SimHarness h(GetParam().language, MakeBoard(GetParam().seed));
    const AuctionReading read = CaptAuction(h.ctx);
    const AuctionReading want = h.client->ExpectedAuction();
    int calls = 0;
    for (const auto& column : want.calls)
        for (const auto& call : column) calls += call.empty() ? 0 : 1;
    if (EditionOf(GetParam().language) != Edition::Japanese) {
        EXPECT_GE(calls, 4);  // a whole auction, not an empty window
    }
    EXPECT_EQ(read.result, want.result);
    EXPECT_EQ(read.headings, want.headings);
    EXPECT_EQ(read.rows, want.rows);
    EXPECT_EQ(read.calls, want.calls);
}

TEST_P(RoundTrip, ScoreWindowReadsAsDrawn) {
    SimHarness h(GetParam().language, MakeBoard(GetParam().seed));
    const ScoreReading read = CaptScore(h.ctx), want = h.client->ExpectedScore();
    EXPECT_EQ(read.result, want.result);
    EXPECT_EQ(read.scores, want.scores);
}

TEST_P(RoundTrip, LastTrickReadsAsDrawn) {
    SimHarness h(GetParam().language, MakeBoard(GetParam().seed), SimStage::Play, 5);
    TrickState state;
    const TrickReading read = CaptTrick(h.ctx, h.client->CardImages(), state, TrickMode::Store);
    const TrickReading want = h.client->ExpectedTrick();
    EXPECT_EQ(read.outcome, want.outcome);
    EXPECT_EQ(read.suits, want.suits);
    EXPECT_EQ(read.ranks, want.ranks);
}

TEST_P(RoundTrip, TricksCountReadsAsDrawn) {
    SimHarness h(GetParam().language, MakeBoard(GetParam().seed), SimStage::Play, 7);
    int we = -1, they = -1, wantWe = 0, wantThey = 0;
    ASSERT_TRUE(h.box.located);
    CaptureTotalTricks(h.ctx, h.box, we, they);
    h.client->ExpectedTricks(wantWe, wantThey);
    EXPECT_EQ(we, wantWe);
    EXPECT_EQ(they, wantThey);
}

INSTANTIATE_TEST_SUITE_P(AllEditions, RoundTrip,
                         ::testing::Values(EditionSeed{1, 11}, EditionSeed{2, 12},
                                           EditionSeed{3, 13}, EditionSeed{4, 14},
                                           EditionSeed{5, 15}, EditionSeed{6, 16},
                                           EditionSeed{7, 17}, EditionSeed{8, 18},
                                           EditionSeed{9, 19}, EditionSeed{10, 20}),
                         [](const auto& info) {
                             return "Lang" + std::to_string(info.param.language);
                         });

}  // namespace
}  // namespace tallowen::testing

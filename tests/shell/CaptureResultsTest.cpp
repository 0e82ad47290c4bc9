// What each capture tells the user about a failed attempt.
#include <gtest/gtest.h>

#include "CaptureRig.h"
#include "shell/CaptureResults.h"

namespace tallowen::testing {
namespace {

using R = CaptureResult;

struct Told {
    std::vector<std::string> errors;
    std::vector<int> messages, missing;
};

Told Tell(CaptureFlow flow, R result, bool manual, bool japanese = false, int ticks = 20) {
    CaptureRig rig;
    rig.Start(PlayedBoard(3), SimStage::Auction);
    rig.app.jpnInterface = japanese;
    rig.app.loop.tickCounter = ticks;
    ActOnFailure(rig.app, flow, result, manual);
    Told told{rig.app.capture.notes.errors, rig.MessageCodes(), {}};
    for (const auto& m : rig.app.capture.notes.missing) told.missing.push_back(m.code);
    return told;
}

using Texts = std::vector<std::string>;

TEST(CaptureResults, TheTwoCapturesTellAnUnreadableScoreInTheirOwnWords) {
    EXPECT_EQ(Tell(CaptureFlow::Auction, R::BadScoreNumber, false).errors,
              Texts{"Error Occurred in Reading Score."});
    EXPECT_EQ(Tell(CaptureFlow::Hand, R::BadScoreNumber, false).errors,
              Texts{"Error in Reading Bridge Score"});
    // Only the auction capture has Japanese texts.
    EXPECT_EQ(Tell(CaptureFlow::Auction, R::ScoreUnreadable, false, true).errors,
              Texts{"Bridge Score 読み取りのエラー."});
    EXPECT_EQ(Tell(CaptureFlow::Hand, R::ScoreUnreadable, false, true).errors,
              Texts{"Can't Read \"Bridge Score\" Window."});
    EXPECT_EQ(Tell(CaptureFlow::Auction, R::AuctionUnreadable, false, true).errors,
              Texts{"\"Bridge Bidding\" 読み取りのエラー."});
}

TEST(CaptureResults, BothUnreadableHandResultsSayTheSame) {
    const Texts want{"Failed in Reading \"Last Hand\"."};
    EXPECT_EQ(Tell(CaptureFlow::Hand, R::HandUnreadable, false).errors, want);
    EXPECT_EQ(Tell(CaptureFlow::Hand, R::HandUnreadableToo, false).errors, want);
}

TEST(CaptureResults, AMissingWindowIsToldOnceTheTableHasSettled) {
    EXPECT_EQ(Tell(CaptureFlow::Auction, R::BiddingWindowMissing, false).missing,
              std::vector<int>{18});
    EXPECT_TRUE(
        Tell(CaptureFlow::Auction, R::BiddingWindowMissing, false, false, 5).missing.empty());
    // The hand capture goes on without the bidding window.
    EXPECT_TRUE(Tell(CaptureFlow::Hand, R::BiddingWindowMissing, false).missing.empty());
    EXPECT_EQ(Tell(CaptureFlow::Hand, R::LastHandWindowMissing, false).missing,
              std::vector<int>{21});
}

TEST(CaptureResults, NothingNewIsToldOnlyToAUserWhoAsked) {
    EXPECT_EQ(Tell(CaptureFlow::Auction, R::AuctionUnchanged, true).messages, std::vector<int>{16});
    EXPECT_TRUE(Tell(CaptureFlow::Auction, R::AuctionUnchanged, false).messages.empty());
    EXPECT_EQ(Tell(CaptureFlow::Hand, R::HandUnchanged, true).messages, std::vector<int>{24});
    // Our own results are told where they arise, not here.
    for (R own : {R::NoPlayersRead, R::RecordFailed, R::HandNotOfAuction}) {
        const Told told = Tell(CaptureFlow::Hand, own, true);
        EXPECT_TRUE(told.errors.empty() && told.messages.empty() && told.missing.empty());
    }
}

}  // namespace
}  // namespace tallowen::testing

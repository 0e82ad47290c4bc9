// The outcome of one capture attempt, as the readers and the two capture flows return it. The
// numbers are the ones players have always seen in the numbered messages and the logs, so they
// stay as they are; what each capture does about a result is in shell/CaptureResults.h.
#pragma once

#include <cstdint>

namespace tallowen {

enum class CaptureResult : std::int32_t {
    NoPlayersRead = -1,      // the bidding window showed no player name (the flows)
    Read = 0,                // read in full (every reader)
    ScoreWindowMissing = 1,  // the score window is not known (the flows)
    ScoreUnreadable = 3,     // the score window could not be read in its attempts (CaptScore)
    BadVulnerable = 5,       // text where the vulnerability word belongs (CaptScore)
    BadScoreNumber = 6,      // a score that is unreadable or not a number (CaptScore)
    ScoreUnchanged = 7,      // the score is the one before the board (the hand capture)
    GameNotStarted = 11,     // no reader returns it now; kept for its message
    AuctionUnreadable = 14,  // no readable grid in four attempts (CaptAuction)
    AuctionIncomplete = 15,  // a gap after the first call, an empty row, or no contract yet
    AuctionUnchanged = 16,   // the auction is the one recorded last (the auction capture)
    BiddingWindowMissing = 18,
    BiddingNotStarted = 19,  // no reader returns it now; kept for its message
    LastHandWindowMissing = 21,
    HandUnreadable = 22,     // no anchor, or a card word that is not a card (CaptHand)
    HandUnreadableToo = 23,  // no reader returns it now; told as 22 is
    HandUnchanged = 24,      // the hand is the one recorded last (the hand capture)
    RecordFailed = 30,       // a record could not be joined or written (reported where it failed)
    HandNotOfAuction = 31,   // the hand read belongs to another board than the kept auction
};

// The number players see in the numbered messages.
constexpr int Code(CaptureResult r) {
    return int(r);
}

}  // namespace tallowen

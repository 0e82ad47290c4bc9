#include "records/BoardCheck.h"

#include "common/Notation.h"
#include "records/Contract.h"
#include "records/LogSink.h"
#include "records/PlayAnalysis.h"
#include "records/Scoring.h"

namespace tallowen {

namespace {

constexpr std::uint8_t kLedMark = 1;

struct PlayMarks {
    bool anyLead = false;  // some card led a trick: the board was played
    bool allPlain = true;  // no card marked at all: the display of a passed-out board
};

PlayMarks MarksOf(const Deal& deal) {
    PlayMarks m;
    for (const auto& seat : deal.CardMarks)
        for (const std::uint8_t mark : seat) {
            m.anyLead = m.anyLead || mark == kLedMark;
            m.allPlain = m.allPlain && mark == 0;
        }
    return m;
}

std::string MadeOrDown(int result) {
    return result > 0 ? "made" : "went down";
}

// A complete play tells whether the contract was made; where the scoreboard tells it too, the
// two must agree. Only made against down is held against the play: how many tricks the points
// stand for depends on bonuses and honours that a scoreboard may count its own way.
std::string ScoreAgainstPlay(const Deal& played, LogSink& log) {
    Deal byTricks = played, byScore = played;
    DetermineResult(byTricks, log);
    if (byTricks.Result == 0) return "";
    if (!ResultFromScoreboard(byScore, log) || byScore.Result == 0) return "";
    if ((byScore.Result > 0) == (byTricks.Result > 0)) return "";
    return "the contract " + MadeOrDown(byTricks.Result) + " by the play but " +
           MadeOrDown(byScore.Result) + " by the score";
}

}  // namespace

std::string HandAuctionMismatch(const Deal& joined) {
    NullLogSink log;
    Deal deal = joined;
    FindContract(deal, log);
    if (deal.Contract.empty()) return "";  // nothing to hold the hand against
    const PlayMarks marks = MarksOf(deal);
    if (deal.Contract == "Pass Out")
        return marks.anyLead ? "cards were played on a passed-out auction" : "";
    if (marks.allPlain) return "no card was played on a contract of " + deal.Contract;
    if (deal.Declarer < 0 || deal.Declarer >= kSeatCount) return "";
    FindDealer(deal, log);
    AnalysePlay(deal, 0);
    const int leader = (deal.Declarer + 1) % kSeatCount;
    if (deal.LeadSeat >= 0 && deal.LeadSeat != leader)
        return "the opening lead came from " + std::string(kSeatNames[std::size_t(deal.LeadSeat)]) +
               ", not from " + std::string(kSeatNames[std::size_t(leader)]);
    int tricks = 0;
    for (const int won : deal.TricksWon) tricks += won;
    return tricks == kTrickCount ? ScoreAgainstPlay(deal, log) : "";
}

}  // namespace tallowen

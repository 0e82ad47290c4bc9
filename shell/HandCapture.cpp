// The capture of the last hand with the score once a deal has been played, which records the
// board, and the preparation of the watch that leads to it.
#include "common/Text.h"
#include "reading/LastHand.h"
#include "reading/LastTrick.h"
#include "records/BoardCheck.h"
#include "records/DealOps.h"
#include "records/PlayAnalysis.h"
#include "records/RecordFiles.h"
#include "shell/CaptureResults.h"
#include "shell/CaptureSupport.h"
#include "shell/Captures.h"
#include "shell/Controls.h"
#include "shell/Discovery.h"
#include "shell/Messages.h"
#include "shell/RecordList.h"
#include "shell/Seats.h"
#include "shell/ViewFacts.h"
#include "shell/WorkWrites.h"

namespace tallowen {

namespace {

constexpr std::uint32_t kTrickWatchDelay = 500;
constexpr int kBoxWidth = 172;

// A passed-out board scores nothing, so its score cannot change; any other board's score
// must differ both from the score recorded last and from the one before the board.
bool ScoreUnchanged(const AppContext& app, const ScorePair& score) {
    const Deal& deal = app.capture.deals.capture;
    if (deal.Contract == "Pass Out") return false;
    return SameScorePair(score, app.capture.keptScore) || SameScorePair(score, deal.ScoreBefore);
}

CaptureResult ReadHand(AppContext& app, HandReading& hand) {
    for (int attempt = 1; attempt <= kHandTries; ++attempt) {
        hand = CaptHand(app.game.reading, app.settings.minimizeLastHand);
        // A window that could not be copied reads "no error" with nothing in it.
        if (hand.result == CaptureResult::Read && !HandComplete(hand))
            hand.result = CaptureResult::HandUnreadable;
        if (hand.result == CaptureResult::Read) break;
    }
    return hand.result;
}

// Joins the kept auction with the hand and the score, and writes the record. A record that
// cannot be written now is kept and written later: the board is taken all the same, so that
// the next capture never joins this auction to another board's hand.
CaptureResult RecordHand(AppContext& app, const ScorePair& after, const HandReading& hand,
                         std::string& recordName) {
    Deal next = app.capture.deals.capture;
    if (!JoinKeptAuction(app, next)) return CaptureResult::RecordFailed;
    HandToDeal(hand, next);
    next.ScoreAfter = after;
    app.capture.notes.handRefused = HandAuctionMismatch(next);
    if (!app.capture.notes.handRefused.empty()) {
        LogLine(app, "Hand not recorded: " + app.capture.notes.handRefused + ".");
        return CaptureResult::HandNotOfAuction;
    }
    recordName = WriteRecord(app, next);
    app.capture.deals.capture = next;
    app.capture.keptScore = after;
    LongerName(app.capture.deals.capture.Names, app.capture.deals.capture.AuctionNames);
    return CaptureResult::Read;
}

Rect BoxPlace(const AppContext& app) {
    const Rect table = app.game.windows.tableRect;
    const int left = table.right + 5, top = app.settings.boxPosition.y;
    const int height = int(RoundHalfEven(app.game.windows.titleBarAllowance * 1.5)) + 105 + 7;
    return {left, top, left + kBoxWidth, top + height};
}

void ShowRemainingCards(AppContext& app) {
    if (app.settings.boxPosition.x == 0) return;
    if (!app.display.boxLoaded) LoadBoxWindow(app);
    const Deal& deal = app.capture.deals.capture;
    app.views.side.ShowBox(BoxPlace(app), deal, deal.Strain);
}

// The record is complete: derive what the scoring derives, and show it.
void ShowRecorded(AppContext& app, const std::string& recordName) {
    Deal& deal = app.capture.deals.capture;
    LogSink& log = ScoringLog(app);
    DeriveDeal(deal, int(app.settings.cardOrder), log);
    app.capture.deals.shown = deal;
    if (!recordName.empty()) {  // else the file is still to be written
        Show_File(app, recordName);
        app.records.onDisplay = recordName;
    }
    app.views.main.ShowDeal(deal, app.display.rotation);
    app.capture.previousDeal = deal;
    SetVisible(app, Control::picBox, true);
    if (app.settings.minimizeLastHand) MinimizeGameWindow(app, WindowKind::LastHand);
    ShowRemainingCards(app);
    MinimizeGameWindow(app, WindowKind::LastTrick);
}

// The hand on the screen belongs to a later board than the kept auction, whose own hand is
// gone: that board is lost, and the hand on the screen cannot be joined to any auction read
// now either, for the score shown is no longer the one before its board. Start over with the
// next auction seen to end; until the bid box closes, no automatic auction capture runs.
void StartOverFromAuction(AppContext& app) {
    PrepCaptNextBid(app);
    app.loop.schedule.Disarm(Slot::Bid);
    app.capture.awaitAuctionEnd = app.settings.autoCaptBid;
}

CaptureResult CaptureAndRecord(AppContext& app, std::string& recordName) {
    ScorePair after;
    CaptureResult result = ReadScore(app, after, kScoreTries);
    if (result == CaptureResult::Read && ScoreUnchanged(app, after))
        result = CaptureResult::ScoreUnchanged;
    HandReading hand;
    if (result == CaptureResult::Read) result = ReadHand(app, hand);
    if (result != CaptureResult::Read) return result;
    app.views.main.AlertBorder(false);
    if (SameHand(app.capture.previousDeal, hand)) return CaptureResult::HandUnchanged;
    return RecordHand(app, after, hand, recordName);
}

}  // namespace

void cmdHand_Click(AppContext& app) {
    if (app.loop.gamePresent == 1) {
        cmdHandClick2(app, 0);
        return;
    }
    if (app.settings.log.empty()) return;
    // A sample board to look at without a game; the kept deal itself stays as it was.
    Deal sample = app.capture.previousDeal;
    sample.Names = sample.AuctionNames = {"Hawk", "Panda", "Sheep", "Mouse"};
    app.views.side.ShowBidding(sample, sample.ScoreBefore, sample.Level, sample.Declarer,
                               BoardSetupOf(app));
}

void cmdHandClick2(AppContext& app, int automatic) {
    if (app.loop.busy.hand) return;
    if (automatic == 1 && !app.loop.schedule[Slot::Hand].armed) return;
    if (app.loop.gamePresent == 0) return;
    CaptureResult result = MissingWindow(
        app.game.windows, {WindowKind::Score, WindowKind::LastHand, WindowKind::Bidding});
    std::string recordName;
    if (result == CaptureResult::Read) {
        app.loop.busy.hand = true;
        SetVisible(app, Control::cmdBid, false);
        SetEnabled(app, Control::cmdHand, false);
        result = CaptureAndRecord(app, recordName);
    }
    app.capture.notes.lastHandResult = result;
    if (result == CaptureResult::Read) {
        const int seat =
            FindUserSeat(app.settings, app.capture.yahooIdIndex, app.capture.deals.capture.Names);
        if (seat >= 0) sitNESW(app, seat);
        ShowRecorded(app, recordName);
        PrepCaptNextBid(app);
    } else if (result == CaptureResult::HandNotOfAuction) {
        StartOverFromAuction(app);
    } else {
        app.loop.schedule.Set(Slot::Hand, true,
                              Now(app) + std::uint32_t(app.settings.waitTimeHand));
        ActOnFailure(app, CaptureFlow::Hand, result, automatic == 0);
    }
    SetVisible(app, Control::cmdBid, true);
    SetEnabled(app, Control::cmdHand, true);
    app.loop.busy.hand = false;
    if (app.settings.minimizeLastHand) MinimizeGameWindow(app, WindowKind::LastHand);
}

void cmdHand_MouseDown(AppContext& app, int button) {
    if (button != kRightButton) return;
    bool& on = app.settings.autoCaptHand;
    on = !on;
    SetChecked(app, Control::menuHand, on);
    SetBold(app, Control::cmdHand, on);
    if (on)
        app.views.main.AlertBorder(false);
    else
        app.loop.schedule.Disarm(Slot::Hand);
    app.loop.schedule[Slot::Hand].due = Now(app) + std::uint32_t(app.settings.waitTimeHand);
}

void menuHand_Click(AppContext& app) {
    cmdHand_MouseDown(app, kRightButton);
}

void PrepCaptNextHand(AppContext& app) {
    app.display.turnFront = false;
    app.capture.cardsSeen = 0;
    // A bid box that opened after the auction was read belongs to the next deal, and must
    // still start the hand capture when the next tick sees it.
    app.capture.bidBoxAtAuction = app.capture.bidBoxAtRead && BidBoxShownNow(app);
    if (app.settings.showTrickBox) SetVisible(app, Control::picBox, true);
    // The last-trick window may still show the last trick of the board before: keep it as
    // the trick already seen, so that only the tricks of this board are counted.
    if (WindowKnown(app.game.windows, WindowKind::LastTrick))
        CaptTrick(app.game.reading, app.game.cardImages, app.game.trick, TrickMode::ResetCount);
    app.game.trick.cardCount = 0;
    app.game.infoBox.remembered = {-1,
                                   -1};  // the count rows of the board before are not this one's
    if (WindowKnown(app.game.windows, WindowKind::Bidding))
        app.seams.desktop.SetTopmost(app.game.windows.Handle(WindowKind::Bidding), false);
    app.game.trick.playedCard = [&app](int suit, int rank) {
        if (app.display.boxLoaded) app.views.side.TickPlayedCard(suit, rank);
    };
    ShowRemainingCards(app);
    app.loop.schedule.Disarm(Slot::Reminder);
    app.loop.schedule.Disarm(Slot::Bid);
    app.capture.awaitAuctionEnd = false;
    const std::uint32_t now = Now(app);
    app.loop.schedule.Set(Slot::Hand, app.settings.autoCaptHand,
                          now + std::uint32_t(app.settings.waitTimeHand));
    app.loop.schedule.Set(Slot::Trick, true, now + kTrickWatchDelay);
    SetBackToSetting(app, Control::cmdBid);
    SetBackColour(app, Control::cmdHand, kOrange);
    app.capture.lastTotalShown = 0;
}

}  // namespace tallowen

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
    const Deal& deal = app.deals.capture;
    if (deal.Contract == "Pass Out") return false;
    return SameScorePair(score, app.keptScore) || SameScorePair(score, deal.ScoreBefore);
}

CaptureResult ReadHand(AppContext& app, HandReading& hand) {
    for (int attempt = 1; attempt <= kHandTries; ++attempt) {
        hand = CaptHand(app.reading, app.settings.minimizeLastHand);
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
    Deal next = app.deals.capture;
    if (!JoinKeptAuction(app, next)) return CaptureResult::RecordFailed;
    HandToDeal(hand, next);
    next.ScoreAfter = after;
    app.captureNotes.handRefused = HandAuctionMismatch(next);
    if (!app.captureNotes.handRefused.empty()) {
        LogLine(app, "Hand not recorded: " + app.captureNotes.handRefused + ".");
        return CaptureResult::HandNotOfAuction;
    }
    recordName = WriteRecord(app, next);
    app.deals.capture = next;
    app.keptScore = after;
    LongerName(app.deals.capture.Names, app.deals.capture.AuctionNames);
    return CaptureResult::Read;
}

Rect BoxPlace(const AppContext& app) {
    const Rect table = app.windows.tableRect;
    const int left = table.right + 5, top = app.settings.boxPosition.y;
    const int height = int(RoundHalfEven(app.windows.titleBarAllowance * 1.5)) + 105 + 7;
    return {left, top, left + kBoxWidth, top + height};
}

void ShowRemainingCards(AppContext& app) {
    if (app.settings.boxPosition.x == 0) return;
    if (!app.boxLoaded) LoadBoxWindow(app);
    const Deal& deal = app.deals.capture;
    app.views.side.ShowBox(BoxPlace(app), deal, deal.Strain);
}

// The record is complete: derive what the scoring derives, and show it.
void ShowRecorded(AppContext& app, const std::string& recordName) {
    Deal& deal = app.deals.capture;
    LogSink& log = ScoringLog(app);
    DeriveDeal(deal, int(app.settings.cardOrder), log);
    app.deals.shown = deal;
    if (!recordName.empty()) {  // else the file is still to be written
        Show_File(app, recordName);
        app.records.onDisplay = recordName;
    }
    app.views.main.ShowDeal(deal, app.rotation);
    app.previousDeal = deal;
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
    app.schedule.Disarm(Slot::Bid);
    app.awaitAuctionEnd = app.settings.autoCaptBid;
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
    if (SameHand(app.previousDeal, hand)) return CaptureResult::HandUnchanged;
    return RecordHand(app, after, hand, recordName);
}

}  // namespace

void cmdHand_Click(AppContext& app) {
    if (app.gamePresent == 1) {
        cmdHandClick2(app, 0);
        return;
    }
    if (app.settings.log.empty()) return;
    // A sample board to look at without a game; the kept deal itself stays as it was.
    Deal sample = app.previousDeal;
    sample.Names = sample.AuctionNames = {"Hawk", "Panda", "Sheep", "Mouse"};
    app.views.side.ShowBidding(sample, sample.ScoreBefore, sample.Level, sample.Declarer,
                               BoardSetupOf(app));
}

void cmdHandClick2(AppContext& app, int automatic) {
    if (app.busy.hand) return;
    if (automatic == 1 && !app.schedule[Slot::Hand].armed) return;
    if (app.gamePresent == 0) return;
    CaptureResult result =
        MissingWindow(app, {WindowKind::Score, WindowKind::LastHand, WindowKind::Bidding});
    std::string recordName;
    if (result == CaptureResult::Read) {
        app.busy.hand = true;
        SetVisible(app, Control::cmdBid, false);
        SetEnabled(app, Control::cmdHand, false);
        result = CaptureAndRecord(app, recordName);
    }
    app.captureNotes.lastHandResult = result;
    if (result == CaptureResult::Read) {
        const int seat = FindUserSeat(app, app.deals.capture.Names);
        if (seat >= 0) sitNESW(app, seat);
        ShowRecorded(app, recordName);
        PrepCaptNextBid(app);
    } else if (result == CaptureResult::HandNotOfAuction) {
        StartOverFromAuction(app);
    } else {
        SetSlot(app, Slot::Hand, true, Now(app) + std::uint32_t(app.settings.waitTimeHand));
        ActOnFailure(app, CaptureFlow::Hand, result, automatic == 0);
    }
    SetVisible(app, Control::cmdBid, true);
    SetEnabled(app, Control::cmdHand, true);
    app.busy.hand = false;
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
        app.schedule.Disarm(Slot::Hand);
    app.schedule[Slot::Hand].due = Now(app) + std::uint32_t(app.settings.waitTimeHand);
}

void menuHand_Click(AppContext& app) {
    cmdHand_MouseDown(app, kRightButton);
}

void PrepCaptNextHand(AppContext& app) {
    app.turnFront = false;
    app.cardsSeen = 0;
    // A bid box that opened after the auction was read belongs to the next deal, and must
    // still start the hand capture when the next tick sees it.
    app.bidBoxAtAuction = app.bidBoxAtRead && BidBoxShownNow(app);
    if (app.settings.showTrickBox) SetVisible(app, Control::picBox, true);
    // The last-trick window may still show the last trick of the board before: keep it as
    // the trick already seen, so that only the tricks of this board are counted.
    if (WindowKnown(app, WindowKind::LastTrick))
        CaptTrick(app.reading, app.cardImages, app.trick, TrickMode::ResetCount);
    app.trick.cardCount = 0;
    app.infoBox.remembered = {-1, -1};  // the count rows of the board before are not this one's
    if (WindowKnown(app, WindowKind::Bidding))
        app.seams.desktop.SetTopmost(app.windows.Handle(WindowKind::Bidding), false);
    app.trick.playedCard = [&app](int suit, int rank) {
        if (app.boxLoaded) app.views.side.TickPlayedCard(suit, rank);
    };
    ShowRemainingCards(app);
    app.schedule.Disarm(Slot::Reminder);
    app.schedule.Disarm(Slot::Bid);
    app.awaitAuctionEnd = false;
    const std::uint32_t now = Now(app);
    SetSlot(app, Slot::Hand, app.settings.autoCaptHand,
            now + std::uint32_t(app.settings.waitTimeHand));
    SetSlot(app, Slot::Trick, true, now + kTrickWatchDelay);
    SetBackToSetting(app, Control::cmdBid);
    SetBackColour(app, Control::cmdHand, kOrange);
    app.lastTotalShown = 0;
}

}  // namespace tallowen

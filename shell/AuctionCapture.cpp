// The capture of a finished auction, started by the user or by slot 4 of the schedule, and
// the switch of automatic auction capture.
#include <algorithm>

#include "common/Edition.h"
#include "common/Notation.h"
#include "common/Text.h"
#include "reading/Bidding.h"
#include "records/Contract.h"
#include "records/DealOps.h"
#include "records/RecordFiles.h"
#include "shell/CaptureResults.h"
#include "shell/CaptureSupport.h"
#include "shell/Captures.h"
#include "shell/Controls.h"
#include "shell/Discovery.h"
#include "shell/Messages.h"
#include "shell/TrickTargets.h"
#include "shell/ViewFacts.h"
#include "shell/WorkWrites.h"

namespace tallowen {

namespace {

constexpr int kStandardAuctionRows = 8;
constexpr int kMessageChoices = 25;
constexpr int kLanguageChoices = 10;

CaptureResult ReadAuction(AppContext& app) {
    const AuctionReading reading = CaptAuction(app.game.reading);
    app.capture.bidBoxAtRead = BidBoxShownNow(app);
    if (!AnyName(reading.headings)) return CaptureResult::NoPlayersRead;
    Deal& deal = app.capture.deals.capture;
    AuctionToDeal(reading, deal);
    const CaptureResult result = reading.result;
    if (result == CaptureResult::AuctionIncomplete) ShowRunningAuction(app);
    if (result != CaptureResult::Read && result != CaptureResult::AuctionIncomplete) return result;
    FindContract(deal, ScoringLog(app));
    if (deal.Contract.empty()) return CaptureResult::AuctionIncomplete;
    if (TestSameAuction(app.capture.keptRounds, deal.Rounds, app.capture.keptCalls, deal.Calls))
        return CaptureResult::AuctionUnchanged;
    return CaptureResult::Read;
}

// A new auction: the score before the board, then the current-auction file, then the rest.
CaptureResult RecordAuction(AppContext& app) {
    Deal& deal = app.capture.deals.capture;
    ScorePair before;
    const CaptureResult scoreResult = ReadScore(app, before, kScoreTries);
    if (scoreResult != CaptureResult::Read) return scoreResult;
    deal.ScoreBefore = before;
    KeepAuction(app);  // a file that cannot be written now is written later
    KeepBid(app.capture.keptRounds, deal.Rounds, app.capture.keptCalls, deal.Calls);
    app.views.main.AlertBorder(false);
    FindDealer(deal, ScoringLog(app));
    if (app.display.boardLoaded)
        ShowRecordedAuction(app);
    else
        app.views.main.ShowAuction(deal, 1, ClientOf(app));
    // The new contract's targets; the tricks taken so far belong to the board before.
    ShowTrickTargets(app, deal);
    return CaptureResult::Read;
}

}  // namespace

void cmdBid_Click(AppContext& app) {
    if (app.loop.gamePresent == 1) {
        cmdBidClick2(app, 0);
        return;
    }
    // No game: one of the numbered messages, in one of the client's languages, by chance.
    // The language is only borrowed for the message: the readers go on in the one they had.
    const int previous = app.game.windows.language;
    const auto language = RoundHalfEven(app.seams.random.Next() * kLanguageChoices + 0.45);
    const auto code = RoundHalfEven(app.seams.random.Next() * kMessageChoices + 0.45);
    app.game.windows.language = int(std::clamp<std::int64_t>(language, 1, kLanguageCount));
    TellMessage(app, int(code));
    app.game.windows.language = IsEdition(previous) ? previous : ToInt(Edition::English);
}

void cmdBidClick2(AppContext& app, int automatic) {
    if (app.loop.busy.bid) return;
    SetEnabled(app, Control::cmdTimer, false);
    if (app.loop.gamePresent == 0) {
        const std::uint32_t wait =
            automatic == 1 ? kAutoRetryMs : std::uint32_t(app.settings.waitTimeBid);
        app.loop.schedule.Set(Slot::Bid, true, Now(app) + wait);
        return;
    }
    CaptureResult result = MissingWindow(
        app.game.windows, {WindowKind::LastHand, WindowKind::Bidding, WindowKind::Score});
    if (result == CaptureResult::Read) {
        app.loop.busy.bid = true;
        SetEnabled(app, Control::cmdBid, false);
        SetVisible(app, Control::cmdHand, false);
        result = ReadAuction(app);
        if (result == CaptureResult::Read) result = RecordAuction(app);
    }
    app.capture.notes.lastBidResult = result;
    if (result == CaptureResult::Read) {
        PrepCaptNextHand(app);
    } else {
        // Also when no player was read: the auction is still to be taken.
        ActOnFailure(app, CaptureFlow::Auction, result, automatic == 0);
        app.loop.schedule.Set(Slot::Bid, true, Now(app) + std::uint32_t(app.settings.waitTimeBid));
    }
    SetEnabled(app, Control::cmdBid, true);
    SetVisible(app, Control::cmdHand, true);
    SetEnabled(app, Control::cmdTimer, true);
    app.loop.busy.bid = false;
}

void cmdBid_MouseDown(AppContext& app, int button) {
    if (button != kRightButton) return;
    bool& on = app.settings.autoCaptBid;
    on = !on;
    SetChecked(app, Control::menuBid, on);
    SetBold(app, Control::cmdBid, on);
    if (on) {
        app.views.main.AlertBorder(false);
        app.loop.schedule.Disarm(Slot::Reminder);
        app.loop.schedule.Set(Slot::Bid, true, Now(app) + kAutoRetryMs);
    } else {
        app.loop.schedule.Set(Slot::Reminder, true,
                              Now(app) + std::uint32_t(app.settings.alertTime));
        app.loop.schedule.Disarm(Slot::Bid);
        app.capture.awaitAuctionEnd = false;
    }
}

void menuBid_Click(AppContext& app) {
    cmdBid_MouseDown(app, kRightButton);
}

void PrepCaptNextBid(AppContext& app) {
    ReduceAuctionHeight(app);
    if (app.settings.boxPosition.x != 0) MinimizeGameWindow(app, WindowKind::LastTrick);
    const std::uint32_t now = Now(app);
    app.loop.schedule.Set(Slot::Reminder, !app.settings.autoCaptBid,
                          now + std::uint32_t(app.settings.alertTime));
    app.capture.deals.capture.Strain = kNoTrump;  // no trump suit known before the auction
    app.loop.schedule.Set(Slot::Bid, app.settings.autoCaptBid,
                          now + std::uint32_t(app.settings.waitTimeBid));
    app.loop.schedule.Disarm(Slot::Trick);
    app.loop.schedule.Disarm(Slot::Hand);
    SetBackColour(app, Control::cmdBid, kOrange);
    SetBackToSetting(app, Control::cmdHand);
}

void ReduceAuctionHeight(AppContext& app) {
    if (!WindowKnown(app.game.windows, WindowKind::Bidding)) return;
    const int step = app.game.reading.glyphs.LineStep();
    // Without a known line step there is no standard height: never squash the window.
    if (step <= 0) return;
    const WindowHandle window = app.game.windows.Handle(WindowKind::Bidding);
    Rect place = app.seams.desktop.WindowRect(window);
    if (place.Width() <= 0) return;
    const int height = kStandardAuctionRows * step;
    if (place.Height() == height) return;
    place.bottom = place.top + height;
    app.seams.desktop.MoveWindow(window, place);
    app.game.windows.rect[std::size_t(WindowKind::Bidding)] = place;
}

}  // namespace tallowen

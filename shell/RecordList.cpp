#include "shell/RecordList.h"

#include <algorithm>

#include "common/Files.h"
#include "records/DealOps.h"
#include "records/PlayAnalysis.h"
#include "records/RecordFiles.h"
#include "shell/CaptureSupport.h"
#include "shell/Captures.h"
#include "shell/Controls.h"
#include "shell/Messages.h"
#include "shell/Seats.h"
#include "shell/ViewFacts.h"
#include "shell/WorkBackups.h"

namespace tallowen {

namespace {

// How often the wait for the user's answer to a delete request looks at it.
constexpr std::uint32_t kAnswerPoll = 50;
constexpr std::uint32_t kBidDelayAfterClear = 3000;

Control CurrentList(const AppContext& app) {
    return app.records.currentList == 0 ? Control::filBox0 : Control::filBox1;
}

void ShowListed(AppContext& app) {
    app.views.main.SetRecordList(app.records.listed);
}

void AskForDeleteAnswer(AppContext& app) {
    app.records.deleteRequest = -1;
    SetEnabled(app, CurrentList(app), false);
    for (Control c : {Control::cmdDelFiles, Control::cmdBid, Control::cmdHand})
        SetEnabled(app, c, false);
    ControlState& undo = app.Ctl(Control::cmdUndo);
    undo.cancelButton = undo.defaultButton = true;
    for (Control c : {Control::cmdUndo, Control::cmdDEL}) {
        SetVisible(app, c, true);
        SetEnabled(app, c, true);
    }
    app.views.main.Focus(Control::cmdDEL);
}

void EndDeleteRequest(AppContext& app) {
    SetVisible(app, CurrentList(app), true);
    ControlState& undo = app.Ctl(Control::cmdUndo);
    undo.cancelButton = undo.defaultButton = false;
    SetVisible(app, Control::cmdUndo, false);
    for (Control c : {Control::cmdDelFiles, Control::cmdBid, Control::cmdHand})
        SetEnabled(app, c, true);
    SetVisible(app, Control::cmdDEL, false);
    app.records.deleteRequest = 0;
    RefreshFileBox(app);
    SetEnabled(app, CurrentList(app), true);
}

// Backs up the selected records, last entry first so that the indexes of the entries still
// to go stay valid. The selection is taken now: the list may have grown while the user
// thought about it.
void BackUpSelected(AppContext& app) {
    std::vector<int> selected = app.views.main.SelectedRecords(app.records.currentList);
    std::sort(selected.begin(), selected.end());
    selected.erase(std::unique(selected.begin(), selected.end()), selected.end());
    auto& listed = app.records.listed;
    std::vector<std::string> failures;
    for (auto it = selected.rbegin(); it != selected.rend(); ++it) {
        if (*it < 0 || std::size_t(*it) >= listed.size()) continue;
        std::string failure = BackUpRecord(app.folders, listed[std::size_t(*it)]);
        failures.push_back(failure);
        if (failure.empty()) listed.erase(listed.begin() + *it);
    }
    ShowListed(app);
    std::string summary = SummariseFailures(failures);
    if (!summary.empty()) ShowError(app, summary);
}

}  // namespace

void AddToFileBox(AppContext& app, const std::string& name) {
    auto& work = app.records.work;
    work.insert(std::upper_bound(work.begin(), work.end(), name, RecordNameLess), name);
    app.records.listed.assign(work.rbegin(), work.rend());
    ShowListed(app);
}

void RefreshFileBox(AppContext& app) {
    WorkFiles found = ScanWorkFiles(app.folders);
    app.records.work = std::move(found.work);
    app.records.backups = std::move(found.backups);
    app.records.listed.assign(app.records.work.rbegin(), app.records.work.rend());
    ShowListed(app);
}

void filBox_Click(AppContext& app, const std::string& name) {
    if (app.loop.busy.bid || app.loop.busy.hand || app.loop.busy.listClick) return;
    if (app.records.deleteRequest == -1) return;
    if (name.empty()) {
        app.seams.sound.Beep();
        return;
    }
    app.loop.busy.listClick = true;
    Show_File(app, name);
    app.loop.busy.listClick = false;
}

void Show_File(AppContext& app, const std::string& name) {
    Deal& deal = app.capture.deals.shown;
    if (app.display.redrawRequest) {
        app.views.main.ShowDeal(deal, app.display.rotation);
        app.display.redrawRequest = false;
        return;
    }
    if (name == app.records.onDisplay) return;
    RecordResult read = ReadDealFile(deal, name, app.folders, app.seams.codePage);
    if (!read.ok) {  // the deal on display stays as it was
        ShowError(app, read.error);
        return;
    }
    if (!app.settings.log.empty()) app.views.log.Clear();
    DeriveDeal(deal, static_cast<int>(app.settings.cardOrder), ScoringLog(app));
    app.views.main.ShowAuction(deal, 0, ClientOf(app));
    app.records.onDisplay = name;
    // A newly shown record is turned to the user's seat; a redraw after the user turned the
    // table keeps the user's choice.
    const int seat = ShownUserSeat(app.settings, deal.Names);
    if (seat >= 0) sitNESW(app, seat);
    LongerName(deal.Names, deal.AuctionNames);
    app.views.main.ShowDeal(deal, app.display.rotation);
}

void filBox_KeyDown(AppContext& app, int keyCode) {
    if (keyCode == kDeleteKey && !app.loop.busy.background) DelFilboxFile(app);
}

void filBox_MouseDown(AppContext& app, int button) {
    if (button == kRightButton && !app.loop.busy.background) DelFilboxFile(app);
}

void DelFilboxFile(AppContext& app) {
    if (app.records.deleteRequest != 0) return;  // one question at a time
    if (app.views.main.SelectedRecords(app.records.currentList).empty()) return;
    AskForDeleteAnswer(app);
    while (app.records.deleteRequest < 1) app.seams.clock.Wait(kAnswerPoll);
    if (app.records.deleteRequest == 2) BackUpSelected(app);
    EndDeleteRequest(app);
}

void cmdDEL_Click(AppContext& app) {
    if (app.records.deleteRequest == -1) app.records.deleteRequest = 2;
}

void cmdUndo_Click(AppContext& app) {
    if (app.records.deleteRequest == -1) app.records.deleteRequest = 1;
}

void cmdDelFiles_Click(AppContext& app) {
    if (app.loop.busy.bid || app.loop.busy.hand) return;
    if (!ClearOrRestoreWork(app)) return;
    app.records.listed.clear();
    ShowListed(app);
    app.capture.keptRounds = 0;
    app.capture.keptCalls = {};
    // The hand compared with the next captured one: after emptying the folder a board equal
    // to one recorded before must be recorded again.
    app.capture.previousDeal.Cards = {};
    app.capture.previousDeal.CardMarks = {};
    PrepCaptNextBid(app);
    app.loop.schedule[Slot::Bid].due = app.seams.clock.Ticks() + kBidDelayAfterClear;
    if (!app.records.work.empty()) RefreshFileBox(app);
    LocalDate today = app.seams.calendar.Today();
    MakeRecordPrefix(app.writes.naming, today.month, today.day, app.records.work);
}

void cmdDelFiles_MouseDown(AppContext& app, int button) {
    if (button == kRightButton) RefreshFileBox(app);
}

}  // namespace tallowen

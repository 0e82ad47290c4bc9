#include "shell/Messages.h"

#include "common/Text.h"
#include "common/Utf8.h"
#include "platform/CodePage.h"
#include "reading/Buttons.h"
#include "shell/MessageTexts.h"
#include "shell/ViewFacts.h"

namespace tallowen {

namespace {

// A character the single-byte fonts cannot show: double-byte in the code page, or beyond
// Latin-1 with no form in the code page at all (Japanese text on a Western system, or the
// U+FFFD that malformed bytes are read as).
bool OutsideSingleByte(std::string_view text, const CodePage& page) {
    for (const Utf8Char& ch : Utf8Chars(text)) {
        if (IsWide(ch.bytes, page)) return true;
        if (ch.code > 0xFF && page.FromUtf8(ch.bytes).lossy) return true;
    }
    return false;
}

// Every message: the window comes up with its text, the main loop starts retrying the
// windows it waits for, and the alert plays.
void Present(AppContext& app, const MessageText& message) {
    app.display.messages.last = message;
    app.display.messages.visible = true;
    app.display.messages.shown = true;
    app.views.message.Show(message);
    WarningSound(app.game.reading);
}

bool LogShown(const AppContext& app) {
    return !app.settings.log.empty();
}

}  // namespace

void LogLineSink::Log(const std::string& line) {
    LogLine(app_, line);
}

void ShowError(AppContext& app, const std::string& message) {
    ShowErrorMsg(app, message);
}

void ShowErrorMsg(AppContext& app, const std::string& message) {
    MessageText text{message, "Arial", 13};
    if (OutsideSingleByte(message, app.seams.codePage)) {
        text.font = app.interfaceFont;
        text.points = 12;
    }
    Present(app, text);
}

void PutMsg(AppContext& app, int code) {
    Present(app, NumberedMessageText(code, app.Language(), app.jpnInterface, app.interfaceFont));
}

void HideMessage(AppContext& app) {
    app.display.messages.visible = false;
    app.views.message.Hide();
}

void LogLine(AppContext& app, const std::string& line) {
    if (LogShown(app)) app.views.log.Append(line);
}

void ShowRunningAuction(AppContext& app) {
    if (app.settings.showBiddingSequence.x == 0) return;
    app.display.boardLoaded = true;  // the view loads the board on its first showing
    Deal& deal = app.capture.deals.capture;
    deal.Declarer = -1;
    deal.Level = 0;
    // Until the board is scored, the score after still holds what the previous board left:
    // this board's vulnerability.
    app.views.side.ShowBidding(deal, deal.ScoreAfter, 0, -1, BoardSetupOf(app));
}

void ShowRecordedAuction(AppContext& app) {
    if (!app.display.boardLoaded) return;
    const Deal& deal = app.capture.deals.capture;
    app.views.side.ShowBidding(deal, deal.ScoreBefore, deal.Level, deal.Declarer,
                               BoardSetupOf(app));
}

void MainWindowPlaced(AppContext& app, WindowHandle window, Rect place) {
    app.display.mainWindow = window;
    app.display.mainRect = place;
}

void BoardMoved(AppContext& app, Rect place) {
    app.display.boardRect = place;
}

// A closed side window is loaded again when next it has something to show.
void SideWindowClosed(AppContext& app, bool board) {
    (board ? app.display.boardLoaded : app.display.boxLoaded) = false;
}

void MessageClosed(AppContext& app) {
    app.display.messages.visible = false;
}

}  // namespace tallowen

#include "shell/CaptureSupport.h"

#include "common/Text.h"
#include "reading/Score.h"
#include "records/RecordNames.h"
#include "shell/CaptureResults.h"
#include "shell/Discovery.h"
#include "shell/Messages.h"

namespace tallowen {

namespace {

template <class T>
void Keep(std::vector<T>& list, T item) {
    if (list.size() >= CaptureNotes::kKept) list.erase(list.begin());
    list.push_back(std::move(item));
}

}  // namespace

bool AnyName(const std::array<std::string, 4>& names) {
    for (const std::string& name : names)
        if (!Trim(name).empty()) return true;
    return false;
}

void AuctionToDeal(const AuctionReading& reading, Deal& deal) {
    deal.Calls = CallGrid{};
    deal.Rounds = 0;
    for (int seat = 0; seat < kSeats; ++seat) {
        const std::size_t s = std::size_t(seat);
        deal.AuctionNames[s] = reading.headings[s];
        for (int round = 1; round <= kMaxRounds; ++round) {
            const std::string& call = reading.calls[s][std::size_t(round)];
            deal.Calls[std::size_t(round)][s] = call;
            if (!call.empty() && round > deal.Rounds) deal.Rounds = round;
        }
    }
}

bool HandComplete(const HandReading& hand) {
    for (const auto& line : hand.cards)
        for (const std::string& card : line)
            if (card.empty()) return false;
    return true;
}

void HandToDeal(const HandReading& hand, Deal& deal) {
    for (std::size_t seat = 0; seat < std::size_t(kSeats); ++seat) {
        deal.Names[seat] = hand.names[seat];
        for (std::size_t k = 0; k < std::size_t(kHandCards); ++k) {
            deal.Cards[seat][k] = hand.cards[seat][k];
            deal.CardMarks[seat][k] = hand.marks[seat][k];
        }
    }
}

bool SameHand(const Deal& recorded, const HandReading& hand) {
    for (std::size_t seat = 0; seat < std::size_t(kSeats); ++seat)
        for (std::size_t k = 0; k < std::size_t(kHandCards); ++k)
            if (recorded.Cards[seat][k] != hand.cards[seat][k] ||
                recorded.CardMarks[seat][k] != hand.marks[seat][k])
                return false;
    return true;
}

bool WindowKnown(const GameWindows& windows, WindowKind kind) {
    return windows.Handle(kind) != 0;
}

CaptureResult MissingWindow(const GameWindows& windows, std::initializer_list<WindowKind> order) {
    for (const WindowKind kind : order)
        if (!WindowKnown(windows, kind)) return MissingResult(kind);
    return CaptureResult::Read;
}

CaptureResult ReadScore(AppContext& app, ScorePair& score, int tries) {
    CaptureResult result = CaptureResult::ScoreUnreadable;
    for (int attempt = 1; attempt <= tries; ++attempt) {
        const ScoreReading read = CaptScore(app.game.reading, app.display.showScore != 0);
        result = read.result;
        // A record needs both scores: a reading without one has failed too.
        if (result == CaptureResult::Read &&
            (read.scores[0].Score == -1 || read.scores[1].Score == -1))
            result = CaptureResult::ScoreUnreadable;
        if (result == CaptureResult::Read) {
            score = read.scores;
            return result;
        }
    }
    return result;
}

LogSink& ScoringLog(AppContext& app) {
    static NullLogSink none;
    return app.scoringLog ? *app.scoringLog : none;
}

std::uint32_t Now(AppContext& app) {
    return app.seams.clock.Ticks();
}

void MinimizeGameWindow(AppContext& app, WindowKind kind) {
    if (WindowKnown(app.game.windows, kind))
        app.seams.desktop.Minimize(app.game.windows.Handle(kind));
}

void EnsureRecordPrefix(AppContext& app) {
    if (!app.writes.naming.RecordPrefix.empty()) return;
    const LocalDate today = app.seams.calendar.Today();
    MakeRecordPrefix(app.writes.naming, today.month, today.day, app.records.work);
}

std::string Title(const AppContext& app, WindowKind kind) {
    return std::string(TitleTable::Title(int(kind), app.Language()));
}

std::string QuotedTitle(const AppContext& app, WindowKind kind) {
    return "\"" + Title(app, kind) + "\"";
}

void TellMessage(AppContext& app, int code) {
    Keep(app.capture.notes.messages, CaptureNotes::Message{code, app.Language()});
    PutMsg(app, code);
}

void TellError(AppContext& app, const std::string& text) {
    Keep(app.capture.notes.errors, text);
    ShowError(app, text);
}

void TellMissing(AppContext& app, WindowKind kind, int code) {
    if (app.loop.tickCounter >= kMissingAfterTicks) TellMissingNow(app, kind, code);
}

void TellMissingNow(AppContext& app, WindowKind kind, int code) {
    Keep(app.capture.notes.missing, CaptureNotes::Missing{kind, code});
    NotExistProcess(app, kind, code);
}

}  // namespace tallowen

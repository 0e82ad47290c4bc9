#include "apps/SimulateMode.h"

#include <chrono>
#include <cstdio>
#include <memory>
#include <string>

#include "platform/CodePage.h"
#include "platform/InstanceLock.h"
#include "records/RecordFiles.h"
#include "shell/AppContext.h"
#include "shell/MainLoop.h"
#include "shell/RecordingViews.h"
#include "shell/Startup.h"
#include "sim/ExpectedRecords.h"
#include "sim/NullBackends.h"
#include "sim/SessionAccount.h"
#include "sim/SimSession.h"

namespace tallowen {

namespace {

void Print(const std::string& line) {
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

// The Work folder must take a file before the watcher is trusted with records.
bool WorkFolderWritable(const Folders& folders) {
    if (const FileResult made = EnsureFolder(folders.Work()); !made.ok) {
        Print("Cannot write in the Work folder: " + made.error);
        return false;
    }
    const auto probe = folders.WorkFile("simulate.probe");
    const FileResult wrote = WriteTextLines(probe, {"probe"}, AnsiCodePage());
    std::error_code ec;
    std::filesystem::remove(probe, ec);
    if (!wrote.ok) Print("Cannot write in the Work folder: " + wrote.error);
    return wrote.ok;
}

// What the watcher's windows were told since the last look, as lines.
struct ViewEcho {
    std::size_t lines = 0, messages = 0;
    void Flush(const RecordingViews& views) {
        for (; lines < views.main.lines.size(); ++lines) Print("  " + views.main.lines[lines]);
        for (; messages < views.message.shown.size(); ++messages)
            Print("  message: " + views.message.shown[messages].text);
    }
};

// Accounts for every board played against the records this run wrote, one line a board,
// then the totals.
SessionAccount AccountForBoards(const RecordsRead& records, const SimSession& session) {
    const SessionAccount account =
        AccountForSession(records.Readable(), session.Played(), session.Faults());
    for (const std::string& line : account.lines) Print("  " + line);
    Print(AccountSummary(account));
    return account;
}

}  // namespace

int RunSimulation(const SimulateArgs& args) {
    const auto began = std::chrono::steady_clock::now();
    SimDesktop desktop{Rect{0, 0, 1600, 1000}};
    SimClock clock;
    RecordingSound sound;
    RecordingBrowser browser;
    FixedFonts fonts;
    // Records are named by today's date, as at a real table.
    const std::unique_ptr<Calendar> calendar = MakeSystemCalendar();
    SequenceRandom random(args.seed);
    RecordingViews views;
    AppContext app{Seams{desktop, clock, sound, browser, fonts, *calendar, random, AnsiCodePage()},
                   ViewSet{views.main, views.message, views.log, views.side, views.delWork}};
    app.folders.app = args.folder;
    Print("Tallowen simulation: " + std::to_string(args.boards) + " boards, edition " +
          std::to_string(args.language) + ", seed " + std::to_string(args.seed) + ", folder " +
          PathToUtf8(args.folder));
    // One copy at a time in a program folder, as the watcher: two would share the auction
    // file and the record names.
    if (const FileResult made = EnsureFolder(args.folder); !made.ok) {
        Print("Cannot work in the folder: " + made.error);
        return 1;
    }
    const std::unique_ptr<InstanceLock> lock = AcquireInstanceLock("Tallowen", args.folder);
    if (!lock) {
        Print("Another copy of Tallowen is already working in " + PathToUtf8(args.folder) + ".");
        return 1;
    }
    if (!WorkFolderWritable(app.folders)) return 1;
    InitWatcher(app);

    SimSessionOptions options;
    options.plan.boards = args.boards;
    options.plan.seed = args.seed;
    options.language = args.language;
    // Without IDs of its own in the settings file, the watcher knows the simulated user.
    if (app.settings.myYahooID.empty()) app.settings.myYahooID.push_back(options.plan.userId);
    SimSession session(desktop, clock, options);
    bool expectWritten = true;
    if (!args.expect.empty())
        session.onBoardDone = [&](const SimPlayedBoard& p) {
            const FileResult wrote = WriteExpectedRecord(args.expect, int(session.Played().size()),
                                                         p.board, AnsiCodePage());
            if (!wrote.ok && expectWritten)
                Print("Cannot write the expected record: " + wrote.error);
            expectWritten = expectWritten && wrote.ok;
        };
    // Only the records this run writes count: Work may hold older ones.
    RecordsRead written(app.folders, AnsiCodePage());
    written.onRead = [](const RecordRead& record) { Print(RecordLine(record)); };
    app.writes.listener = &written;
    const std::vector<RecordRead>& records = written.read;
    const int ticks = clock.Every(kTickInterval, [&app] { Timer1_Timer(app); });
    session.Start();

    ViewEcho echo;
    auto look = [&] { echo.Flush(views); };
    while (!session.Finished()) {
        clock.Wait(1000);
        look();
    }
    // The last hand is taken once the next deal shows, or at the latest when the hand timer
    // runs out; give the watcher that long (virtual time costs next to nothing).
    const int lastHandSeconds = app.settings.waitTimeHand / 1000 + 30;
    for (int s = 0; s < lastHandSeconds && int(records.size()) < int(session.Played().size());
         ++s) {
        clock.Wait(1000);
        look();
    }
    clock.Cancel(ticks);
    const SessionAccount account = AccountForBoards(written, session);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
    Print(SummaryLine(int(session.Played().size()), int(records.size()), seconds,
                      double(clock.Elapsed()) / 1000.0));
    Print("Records: " + PathToUtf8(app.folders.Work()));
    if (!args.expect.empty()) Print("Expected records: " + PathToUtf8(args.expect));
    const int lostToWrites = app.writes.recordsLostToWrites + (app.writes.unwrittenRecord ? 1 : 0);
    if (lostToWrites > 0)
        Print("Records that could not be written: " + std::to_string(lostToWrites));
    if (account.mixed > 0) return kMixedRecords;
    return expectWritten && lostToWrites == 0 ? 0 : 1;
}

}  // namespace tallowen

#include "win32/ui/WatcherApp.h"

#include <windows.h>

#include <cstdio>
#include <filesystem>

#include "platform/Calendar.h"
#include "platform/CodePage.h"
#include "platform/FilePlace.h"
#include "platform/InstanceLock.h"
#include "platform/Process.h"
#include "reading/CardSheets.h"
#include "shell/FormLoad.h"
#include "shell/ViewFacts.h"
#include "win32/GdiCanvas.h"
#include "win32/Win32Seams.h"
#include "win32/ui/MainWindow.h"
#include "win32/ui/SmallWindows.h"

namespace tallowen {

void UseParentConsole() {
    // Output that goes to a file or a pipe already has somewhere to go.
    if (GetFileType(GetStdHandle(STD_OUTPUT_HANDLE)) != FILE_TYPE_UNKNOWN) return;
    if (!AttachConsole(ATTACH_PARENT_PROCESS)) return;
    std::freopen("CONOUT$", "w", stdout);
    std::freopen("CONOUT$", "w", stderr);
}

int RunWatcher() {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    const std::unique_ptr<Desktop> desktop = MakeWin32Desktop();
    const std::unique_ptr<Clock> clock = MakeWin32Clock();
    const std::unique_ptr<Sound> sound = MakeWin32Sound();
    const std::unique_ptr<Browser> browser = MakeWin32Browser();
    const std::unique_ptr<Fonts> fonts = MakeWin32Fonts();
    const std::unique_ptr<Calendar> calendar = MakeSystemCalendar();
    const std::unique_ptr<Random> random = MakeSystemRandom();

    win32::GdiFonts gdiFonts;
    win32::GdiSheets sheets(gdiFonts);
    CardMetrics metrics;
    MainWindow main(instance, gdiFonts, sheets, metrics);
    SmallWindows small(instance, main.Handle(), gdiFonts, sheets, metrics);
    AppContext app{
        Seams{*desktop, *clock, *sound, *browser, *fonts, *calendar, *random, AnsiCodePage()},
        ViewSet{main, small.Message(), small.Log(), small.Side(), small.DelWork()}};
    AppViewEvents events{app};
    app.folders.app = ExecutableFolder();
    std::error_code ec;
    std::filesystem::current_path(app.folders.app, ec);
    main.Attach(app, events, LookOf(app));
    small.Attach(events, LookOf(app));

    StartupChecks checks;
    checks.windowsFolder = WindowsFolder();
    const std::unique_ptr<InstanceLock> lock = AcquireInstanceLock("Tallowen");
    checks.otherInstance = !lock;
    main.Show();
    const StartOutcome started = FormLoad(app, checks);
    // Start-up has chosen the interface language, its font and the colours.
    const ViewLook look = LookOf(app);
    main.SetLook(look);
    small.SetLook(look);
    if (started == StartOutcome::Aborted) {
        Abort(app);
        return 1;
    }
    // The card sheets take the windows' colour.
    ExecHandSheet(sheets, look.backColor, metrics);
    ExecPlaySheet(sheets, look.backColor, metrics);
    if (!app.settings.log.empty()) app.views.log.Load();
    main.StartTimer();
    MSG message;
    while (!app.loop.ending && GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}

}  // namespace tallowen

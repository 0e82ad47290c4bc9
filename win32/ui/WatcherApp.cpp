#include "win32/ui/WatcherApp.h"

#include <windows.h>

#include <cstdio>
#include <filesystem>

#include "platform/Calendar.h"
#include "platform/CodePage.h"
#include "platform/FilePlace.h"
#include "platform/InstanceLock.h"
#include "shell/FormLoad.h"
#include "win32/Win32Seams.h"
#include "win32/ui/MainWindow.h"
#include "win32/ui/SmallWindows.h"

namespace tallowen {

void UseParentConsole() {
    if (!AttachConsole(ATTACH_PARENT_PROCESS)) return;  // none, or the output is redirected
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

    MainWindow main(instance);
    SmallWindows small(instance, main.Handle());
    AppContext app{Seams{*desktop, *clock, *sound, *browser, *fonts, *calendar, *random,
                         AnsiCodePage()},
                   ViewSet{main, small.Message(), small.Log(), small.Side(), small.DelWork()}};
    app.folders.app = ExecutableFolder();
    std::error_code ec;
    std::filesystem::current_path(app.folders.app, ec);
    main.Attach(app);
    small.Attach(app);

    StartupChecks checks;
    checks.windowsFolder = WindowsFolder();
    const std::unique_ptr<InstanceLock> lock = AcquireInstanceLock("Tallowen");
    checks.otherInstance = !lock;
    main.Show();
    if (FormLoad(app, checks) == StartOutcome::Aborted) {
        Abort(app);
        return 1;
    }
    if (!app.settings.log.empty()) app.views.log.Load();
    main.StartTimer();
    MSG message;
    while (!app.ending && GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}

}  // namespace tallowen

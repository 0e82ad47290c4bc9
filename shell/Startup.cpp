#include "shell/Startup.h"

#include "common/Files.h"
#include "common/Layout.h"
#include "common/Version.h"
#include "platform/CodePage.h"
#include "reading/CardImages.h"
#include "reading/GlyphTable.h"
#include "records/RecordFiles.h"
#include "shell/Captures.h"
#include "shell/Controls.h"
#include "shell/Discovery.h"
#include "shell/MainLoop.h"
#include "shell/Messages.h"
#include "shell/Seats.h"

namespace tallowen {

namespace {

void ReadSettings(AppContext& app, StartupResult& result) {
    const auto file = FindSettingsFile(app.folders.app);
    if (!file) return;
    result.settingsFound = true;
    const IniResult ini = ReadINI(*file, app.seams.codePage, app.settings);
    if (ini.fileError) result.settingsError = ini.error;
    // The setting is the score window's starting mode: kept up and topmost from the first read.
    if (app.settings.topMostScoreWindow) app.display.showScore = 2;
    if (ini.illegal) {
        result.illegalKey = true;
        result.badKey = ini.badKey;
        result.badValue = ini.badValue;
    }
}

Rect AtPoint(const PointXY& p) {
    return Rect{p.x, p.y, p.x, p.y};
}

// The saved places of the game windows and the bidding board, and where our own window goes.
void ReadLayout(AppContext& app, StartupResult& result) {
    Desktop& desktop = app.seams.desktop;
    const std::string name = LayoutFileName(app.settings);
    const CfgReadResult cfg = ReadCFG(app.folders.AppFile(name), desktop.DesktopRect().Width(),
                                      app.seams.codePage, app.layout);
    if (cfg.status == CfgStatus::Unreadable || cfg.deleteFailed) result.layoutError = cfg.error;
    for (int slot = 0; slot < kLayoutSlots; ++slot) {
        const PointXY& p = app.layout.saved[std::size_t(slot)];
        const int kind = LayoutSlotKind(LayoutSlot(slot));
        if (kind >= 0 && kind <= kSubWindowCount)
            app.game.windows.saved[std::size_t(kind)] = AtPoint(p);
        else
            app.display.boardRect = AtPoint(p);
    }
    if (!cfg.programWindow) return;
    const Rect r = app.display.mainRect;
    const PointXY& at = *cfg.programWindow;
    app.display.mainRect = Rect{at.x, at.y, at.x + r.Width(), at.y + r.Height()};
    if (app.display.mainWindow != 0)
        desktop.MoveWindow(app.display.mainWindow, app.display.mainRect);
}

void ApplyInterfaceLanguage(AppContext& app) {
    app.jpnInterface = app.settings.jpn;
    app.baseCaption =
        std::string(app.jpnInterface ? "ブリッジ用タロウェン" : "Tallowen") + " " + kVersion;
    SetWindowCaption(app, app.baseCaption);
    app.display.shown.timerCounting = false;
    SetCaption(app, Control::cmdTimer, app.jpnInterface ? "休止" : "Pause");
    ShowScoreButton(app, false);
    // These belong to a game that is on; the table's arrival shows them.
    for (Control c : {Control::cmdTimer, Control::cmdScore, Control::picBox, Control::BoxStat})
        SetVisible(app, c, false);
}

// As if the user had right-clicked the capture buttons: each toggle turns its capture on
// again with everything that goes with it.
void StartAutomaticCaptures(AppContext& app) {
    if (app.settings.autoCaptHand) {
        SetChecked(app, Control::menuHand, true);
        app.settings.autoCaptHand = false;
        cmdHand_MouseDown(app, kRightButton);
    }
    if (app.settings.autoCaptBid) {
        SetChecked(app, Control::menuBid, true);
        app.settings.autoCaptBid = false;
        cmdBid_MouseDown(app, kRightButton);
        SetBackColour(app, Control::cmdBid, kOrange);
    }
}

void HookReading(AppContext& app) {
    app.game.reading.reopenWindow = [&app](int kind) {
        if (kind >= 1 && kind <= kSubWindowCount) ReopenWindow(app, WindowKind(kind));
    };
    app.game.infoBox.lookupWindows = [&app] { LookupWindows(app); };
    app.game.infoBox.status = [&app](bool found) {
        if (app.Ctl(Control::BoxStat).visible)
            SetCaption(app, Control::BoxStat, found ? "Box OK" : "BOX ×");
    };
}

}  // namespace

StartupResult InitWatcher(AppContext& app, const std::function<void()>& afterSettings) {
    StartupResult result;
    app.folders.workName = "Work";
    app.game.windows.gameType = 0;
    SetWinTitle(app.game.windows, app.seams.codePage);
    SetTallowenDefaults(app.settings);
    ReadSettings(app, result);
    if (result.illegalKey) return result;  // the program stops here
    ApplyInterfaceLanguage(app);
    if (afterSettings) afterSettings();
    LoadGlyphTable(app.game.reading.glyphs, app.seams.sound);
    LoadCardImages(app.game.cardImages, app.seams.sound);
    ReadLayout(app, result);
    if (const FileResult work = EnsureFolder(app.folders.Work()); !work.ok)
        LogLine(app, work.error);
    // What a copy killed while writing left behind is put in place or removed first.
    for (const std::string& line : SettleWorkLeftovers(app.folders, app.seams.codePage))
        LogLine(app, line);
    const WorkFiles files = ScanWorkFiles(app.folders);
    const LocalDate today = app.seams.calendar.Today();
    MakeRecordPrefix(app.writes.naming, today.month, today.day, files.work);
    SetBox(app, -1);
    StartAutomaticCaptures(app);
    InitNESW(app);
    app.loop.schedule.Disarm(Slot::Hand);
    HookReading(app);
    return result;
}

}  // namespace tallowen

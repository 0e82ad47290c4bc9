#include "shell/FormLoad.h"

#include <string>

#include "common/FolderCheck.h"
#include "common/Layout.h"
#include "platform/CodePage.h"
#include "shell/Controls.h"
#include "shell/MainLoop.h"

namespace tallowen {

namespace {

constexpr const char* kExeName = "Tallowen.exe";
constexpr const char* kArchiveName = "Tallowen22.zip";
constexpr const char* kMeiryo = "メイリオ";
constexpr std::uint32_t kAbortWait = 10000;
constexpr std::uint32_t kAbortPoll = 50;

struct DesignText {
    Control control;
    const char* caption;
    const char* tooltip;
};

constexpr DesignText kEnglish[] = {
    {Control::cmdBid, "Bid", "Capture Bids"},
    {Control::cmdHand, "Hand", "Capture Last Hand (and Score)"},
    {Control::fraCapture, "capture", ""},
    {Control::cmdScore, "Show Score", ""},
    {Control::cmdTimer, "Pause", ""},
    {Control::cmdDelFiles, "Delete ALL Work Files", "Delete All Work Files within the Right Box"},
    {Control::cmdDEL, "DEL", "Delete the File"},
    {Control::cmdUndo, "Undo", "Undo Delete"},
    {Control::cmdEnd, "End", "Terminate Tallowen"},
    {Control::filBox0, "", "Records of Bids/Hands"},
    {Control::filBox1, "", "Records of Bids/Hands"},
    {Control::BoxStat, "BOX status", ""},
    {Control::MsgBox, "MsgBox", ""},
    {Control::WeTheySum0, "We", ""},
    {Control::WeTheySum1, "They", ""},
    {Control::WeTheySum2, "Sum", ""},
    {Control::Lbl1, "", "Show this Hand Bottom"},
    {Control::Lbl2, "", "Show this Hand Bottom"},
    {Control::Lbl3, "", "Show this Hand Bottom"},
    {Control::menuBid, "Bid", ""},
    {Control::menuHand, "Hand", ""},
    {Control::MenuSeat0, "North", ""},
    {Control::MenuSeat1, "East", ""},
    {Control::MenuSeat2, "South", ""},
    {Control::MenuSeat3, "West", ""},
    {Control::MenuSeat4, "Auto", ""},
    {Control::menuLink2, "", ""},
    {Control::menuAutoCapture, "AutoCapture", ""},
    {Control::menuMySeat, "MySeat", ""},
    {Control::menuRestart, "Restart", ""},
    {Control::menu_Link, "Link", ""},
    {Control::menuLink0, "Yahoo! Bridge", ""},
    {Control::menuLink1, "Login", ""},
};

struct JapaneseText {
    Control control;
    const char* caption;  // nullptr: the caption stays
    const char* tooltip;  // nullptr: the tooltip stays
    double points;        // 0: the design size
    double pointsMeiryo;  // with "メイリオ" as the interface font
};

constexpr JapaneseText kJapanese[] = {
    {Control::menuAutoCapture, "自動キャプチャ", nullptr, 0, 0},
    {Control::menuMySeat, "私の座席", nullptr, 0, 0},
    {Control::menuRestart, "再起動", nullptr, 0, 0},
    {Control::menuBid, " ビッド", nullptr, 0, 0},
    {Control::menuHand, " ハンド", nullptr, 0, 0},
    {Control::MenuSeat4, "自動選択", nullptr, 0, 0},
    {Control::menuLink2, "使い方", nullptr, 0, 0},
    {Control::filBox0, nullptr, "クリックしてハンドを見る", 0, 0},
    {Control::filBox1, nullptr, "クリックしてハンドを見る", 0, 0},
    {Control::cmdBid, "ビッド", "オークションを記録", 9, 9},
    {Control::cmdHand, "ハンド", "スコアとハンドを記録", 10, 9},
    {Control::fraCapture, "キャプチャ", nullptr, 0, 8},
    {Control::cmdDelFiles, "ファイル削除", "作業用ファイルを全て削除する", 0, 9.5},
    {Control::cmdEnd, "終了", "タロウェンを終了", 0, 0},
    {Control::Lbl1, nullptr, "このハンドを下に表示する", 0, 0},
    {Control::Lbl2, nullptr, "このハンドを下に表示する", 0, 0},
    {Control::Lbl3, nullptr, "このハンドを下に表示する", 0, 0},
    {Control::cmdDEL, "削除", "このファイルを削除する", 0, 0},
    {Control::cmdUndo, "取消", "削除を取り消す", 0, 0},
    {Control::cmdTimer, "休止", "タイマー割り込み", 11, 11},
};

void Print(AppContext& app, const std::string& line) {
    app.views.main.PrintLine(line);
}

void ApplyAll(AppContext& app) {
    for (int c = 0; c < kControlCount; ++c)
        app.views.main.Apply(Control(c), app.display.controls[std::size_t(c)]);
}

// The record lists take the first of three narrow fonts the system has.
void ChooseListFont(AppContext& app) {
    struct Choice {
        const char* face;
        double points;
    };
    for (Choice c : {Choice{"ＭＳ Ｐゴシック", 10}, Choice{"Microsoft Sans Serif", 9},
                     Choice{"Arial Narrow", 9}}) {
        if (!app.seams.fonts.Installed(c.face)) continue;
        for (Control list : {Control::filBox0, Control::filBox1}) {
            app.Ctl(list).font = c.face;
            app.Ctl(list).points = c.points;
        }
        return;
    }
}

void PlaceAtRightEdge(AppContext& app) {
    Desktop& desktop = app.seams.desktop;
    if (app.display.mainWindow == 0) return;
    const Rect r = desktop.WindowRect(app.display.mainWindow);
    const int x = desktop.DesktopRect().Width() - r.Width();
    app.display.mainRect = Rect{x, r.top, x + r.Width(), r.bottom};
    desktop.MoveWindow(app.display.mainWindow, app.display.mainRect);
}

bool ChkZIP(AppContext& app, const StartupChecks& checks) {
    if (!UnsuitableFolder(app.folders.app, checks.windowsFolder, kWatcherFolderWords)) return false;
    app.folderRefused = true;
    Print(app, std::string("  UnZip the archived file ") + kArchiveName + " before starting");
    app.views.main.PrintMarkLine(std::string(" ") + kExeName + ".");
    Print(app, "");
    Print(app, "  App.Path = " + PathToUtf8(app.folders.app));
    return true;
}

bool ChkAppPrevInst(AppContext& app, const StartupChecks& checks) {
    if (!checks.otherInstance) return false;
    Print(app, std::string("  You are going to start ") + kExeName + " again.");
    return true;
}

void AbsentINI(AppContext& app) {
    const std::string folder = PathToUtf8(app.folders.app);
    const std::string oneLine = "  " + folder + "\\" + "Tallowen.INI";
    Print(app, "  Initialization file ");
    const int width = app.seams.fonts.TextWidth(DesignFont(app), kDesignPoints, false, oneLine);
    if (width <= 0.8 * app.display.mainRect.Width()) {
        Print(app, oneLine);
        Print(app, "  is not found.");
    } else {
        Print(app, "  " + folder);
        Print(app, "  \\Tallowen.INI  is not found.");
    }
    Print(app, std::string("  ") + kExeName + " is running with standard setting.");
    Print(app, "");
}

// The window and everything on it in the BackColor setting, and the score labels in theirs.
void ApplyColours(AppContext& app) {
    for (int c = 0; c < kControlCount; ++c) {
        const Control control = Control(c);
        if (control >= Control::menuBid) continue;  // menus have no colour of their own
        app.Ctl(control).backColour = app.settings.backColor;
    }
    for (Control c : {Control::WeTheySum0, Control::WeTheySum1, Control::WeTheySum2})
        app.Ctl(c).backColour = 0xFFD8D8;  // RGB(216, 216, 255)
    const std::optional<std::uint32_t> picBack = app.Ctl(Control::picBox).backColour;
    for (Control c : {Control::ThB, Control::sumB, Control::WeT, Control::ThT, Control::sumT})
        app.Ctl(c).backColour = picBack;
    for (Control c : {Control::WeT, Control::ThT, Control::sumT}) app.Ctl(c).foreColour = 0xFF0000;
    for (Control c : {Control::cmdScore, Control::cmdTimer}) app.Ctl(c).backColour = 0xFFC0C0;
    app.Ctl(Control::picBox).visible = false;
}

void ApplyInterfaceTexts(AppContext& app) {
    const bool meiryo = app.seams.fonts.Installed(kMeiryo);
    app.interfaceFont = meiryo ? kMeiryo : DesignFont(app);
    if (!app.jpnInterface) {
        ControlState& help = app.Ctl(Control::menuLink2);
        help.caption.clear();
        help.enabled = false;
        return;
    }
    for (const JapaneseText& t : kJapanese) {
        ControlState& s = app.Ctl(t.control);
        if (t.caption) s.caption = t.caption;
        if (t.tooltip) s.tooltip = t.tooltip;
        s.font = app.interfaceFont;
        const double points = meiryo ? t.pointsMeiryo : t.points;
        if (points > 0) s.points = points;
    }
    app.Ctl(Control::menuLink2).enabled = true;
    app.Ctl(Control::menuLink2).visible = true;
}

}  // namespace

const char* DesignFont(const AppContext& app) {
    return app.jpnInterface ? kJapaneseDesignFont : kDesignFont;
}

void DesignControls(AppContext& app) {
    for (ControlState& s : app.display.controls) s = ControlState{};
    for (const DesignText& t : kEnglish) {
        app.Ctl(t.control).caption = t.caption;
        app.Ctl(t.control).tooltip = t.tooltip;
    }
    // Shown when they are wanted: the capture buttons at the end of start-up, the delete
    // answers while a delete waits, the second list and the trick box by their own rules.
    for (Control c : {Control::cmdBid, Control::cmdHand, Control::cmdDelFiles, Control::cmdDEL,
                      Control::cmdUndo, Control::filBox1, Control::picBox})
        app.Ctl(c).visible = false;
}

StartOutcome FormLoad(AppContext& app, const StartupChecks& checks) {
    DesignControls(app);
    PlaceAtRightEdge(app);
    ChooseListFont(app);
    ApplyAll(app);
    SetWindowCaption(app, app.baseCaption);
    if (ChkZIP(app, checks) || ChkAppPrevInst(app, checks)) return StartOutcome::Aborted;
    // The settings decide the colours before the captures colour their buttons.
    const StartupResult result = InitWatcher(app, [&app] {
        ApplyColours(app);
        ApplyAll(app);
    });
    if (result.illegalKey) {
        Print(app, result.badKey + "=" + result.badValue + "   invalid keyword.");
        return StartOutcome::Aborted;
    }
    if (!result.settingsError.empty()) Print(app, "  " + result.settingsError);
    if (!result.layoutError.empty()) Print(app, "  " + result.layoutError);
    if (!result.settingsFound) AbsentINI(app);
    ApplyInterfaceTexts(app);
    for (Control c : {Control::cmdBid, Control::cmdHand, Control::cmdDelFiles})
        app.Ctl(c).visible = true;
    ApplyAll(app);
    return StartOutcome::Running;
}

void SaveLayout(AppContext& app) {
    if (app.folderRefused) return;
    Desktop& desktop = app.seams.desktop;
    const std::string name = LayoutFileName(app.settings);
    if (app.display.mainWindow != 0)
        app.display.mainRect = desktop.WindowRect(app.display.mainWindow);
    auto live = [&app, &desktop](int kind) -> std::optional<LiveRect> {
        Rect r;
        if (kind >= 1 && kind < kWindowKindCount) {
            const WindowHandle h = app.game.windows.handle[std::size_t(kind)];
            if (app.game.windows.table == 0 || h == 0) return std::nullopt;
            desktop.Restore(h);
            r = desktop.WindowRect(h);
        } else if (kind == kWindowKindCount && app.display.boardLoaded) {
            r = app.display.boardRect;
        } else {
            return std::nullopt;
        }
        if (r.Width() <= 0 && r.Height() <= 0) return std::nullopt;
        return LiveRect{r.left, r.top, r.right, r.bottom};
    };
    const FileResult written =
        WriteCFG(app.folders.AppFile(name), desktop.DesktopRect().Width(),
                 PointXY{app.display.mainRect.left, app.display.mainRect.top}, app.layout, live,
                 app.seams.codePage);
    if (!written.ok) app.views.log.Append("The window layout was not saved: " + written.error);
}

void TopmostMe(AppContext& app) {
    app.views.main.SetTopmost(true);
    app.views.main.SetTopmost(false);
}

void Abort(AppContext& app) {
    for (int c = 0; c < kControlCount; ++c) app.Ctl(Control(c)).visible = false;
    ControlState& end = app.Ctl(Control::cmdEnd);
    end.visible = true;
    end.enabled = false;
    end.cancelButton = true;
    ApplyAll(app);
    Print(app, "");
    Print(app, "  Click END (or ESC) and terminate job.");
    Print(app, "");
    TopmostMe(app);
    SaveLayout(app);
    Print(app, "  Waiting . . . ");
    SetEnabled(app, Control::cmdEnd, true);
    Clock& clock = app.seams.clock;
    const std::uint32_t began = clock.Ticks();
    while (!app.loop.ending && clock.Ticks() - began < kAbortWait) clock.Wait(kAbortPoll);
    app.loop.ending = true;
}

void cmdEnd_Click(AppContext& app) {
    if (app.loop.ending) return;
    SaveLayout(app);
    app.loop.ending = true;
}

void Form_QueryUnload(AppContext& app) {
    cmdEnd_Click(app);
}

}  // namespace tallowen

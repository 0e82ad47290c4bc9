// frmZ, the watcher's main window: its controls as the shell decides them, the deal drawn on
// its own surface, and every click, key and tick handed to the shell.
#pragma once

#include <windows.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "reading/CardSheets.h"
#include "shell/AppContext.h"
#include "shell/Views.h"
#include "win32/BaseWindow.h"
#include "win32/GdiCanvas.h"
#include "win32/ScopedWin.h"

namespace tallowen {

class MainSurface;

class MainWindow final : public MainView, public win32::BaseWindow<MainWindow> {
public:
    MainWindow(HINSTANCE instance, win32::GdiFonts& fonts, win32::GdiSheets& sheets,
               const CardMetrics& metrics);
    ~MainWindow() override;

    // From now on clicks, keys and ticks go to the watcher's handlers, the window's place is
    // reported to `events`, and the window looks like `look`.
    void Attach(AppContext& app, ViewEvents& events, const ViewLook& look);
    // Start-up decided the look: the controls in the design font and the start-up lines take
    // its font.
    void SetLook(const ViewLook& look);
    void StartTimer();
    void Show();

    void Apply(Control control, const ControlState& state) override;
    void SetCaption(const std::string& caption) override;
    void SetTopmost(bool topmost) override;
    void SetRecordList(const std::vector<std::string>& names) override;
    std::vector<int> SelectedRecords(int list) override;
    void ShowAuction(const Deal& deal, int mode, const ClientFacts& client) override;
    void ShowDeal(const Deal& deal, const std::array<int, 4>& rotation) override;
    void AlertBorder(bool shown) override;
    void PrintLine(const std::string& line) override;
    void PrintMarkLine(const std::string& rest) override;
    void Focus(Control control) override;

    LRESULT HandleMessage(UINT message, WPARAM w, LPARAM l);
    // A key or right click that a control passed up.
    void OnControlKey(Control control, WPARAM key);
    void OnControlRightClick(Control control);

private:
    struct Item {
        HWND hwnd = nullptr;  // child windows; menus have none
        ControlState state;
        win32::ScopedBrush brush;
    };

    void CreateControls();
    void CreateMenus();
    void OnCommand(int id, int code);
    void ClickControl(Control control);
    LRESULT OnColour(HDC dc, HWND child);
    void DrawButton(const DRAWITEMSTRUCT& item);
    void Paint();
    HFONT FontFor(const ControlState& state);
    void ApplyMenu(Control control, const ControlState& state);
    Control PressableWith(bool cancel) const;
    Rect OuterRect() const;
    void ReportPlace();  // where the window stands, to the watcher
    void Leave();

    HINSTANCE instance_;
    HWND tooltip_ = nullptr;
    HMENU menu_ = nullptr;
    AppContext* app_ = nullptr;  // the handlers' state, which the window itself never writes
    ViewEvents* events_ = nullptr;
    ViewLook look_;
    std::array<Item, kControlCount> items_{};
    win32::GdiFonts& fonts_;
    std::unique_ptr<MainSurface> surface_;
    std::vector<std::pair<bool, std::string>> printed_;  // start-up lines (true: with the mark)
};

}  // namespace tallowen

#include "win32/ui/MainWindow.h"

#include <commctrl.h>

#include "shell/Captures.h"
#include "shell/FormLoad.h"
#include "shell/MainLoop.h"
#include "shell/RecordList.h"
#include "shell/Seats.h"
#include "win32/WideText.h"
#include "win32/ui/ConsoleEcho.h"
#include "win32/ui/FlatButton.h"
#include "win32/ui/MainSurface.h"
#include "win32/ui/ProgramIcon.h"

namespace tallowen {

namespace {

constexpr wchar_t kClassName[] = L"TallowenMain";
constexpr UINT_PTR kTimer1 = 1;
constexpr int kFirstId = 1000;
constexpr UINT kControlKey = WM_APP + 1;
constexpr UINT kControlRightClick = WM_APP + 2;

int IdOf(Control c) {
    return kFirstId + int(c);
}

// The count labels lie on the trick box and are seen only with it.
bool OnTrickBox(Control c) {
    return c >= Control::WeT && c <= Control::WeTheySum2;
}

bool IsMenu(Control c) {
    return c >= Control::menuBid && c < Control::Count;
}

// Where each child control sits in the client area (pixels), and what kind of window it is.
struct Placement {
    Control control;
    const wchar_t* cls;
    DWORD style;
    int x, y, w, h;
};

constexpr DWORD kButton = WS_CHILD | BS_OWNERDRAW | WS_TABSTOP;
constexpr DWORD kLabel = WS_CHILD | SS_NOTIFY | SS_CENTER;
constexpr DWORD kList = WS_CHILD | WS_VSCROLL | WS_BORDER | LBS_NOTIFY | LBS_EXTENDEDSEL |
                        LBS_NOINTEGRALHEIGHT | WS_TABSTOP;

// The deal is drawn left of x 400; the record list and the buttons stand on the right.
constexpr Placement kPlacements[] = {
    {Control::picBox, L"STATIC", WS_CHILD | SS_NOTIFY, 119, 188, 66, 48},
    {Control::WeTheySum0, L"STATIC", kLabel, 120, 189, 21, 15},
    {Control::WeTheySum1, L"STATIC", kLabel, 142, 189, 21, 15},
    {Control::WeTheySum2, L"STATIC", kLabel, 164, 189, 20, 15},
    {Control::WeB, L"STATIC", kLabel, 120, 204, 21, 15},
    {Control::ThB, L"STATIC", kLabel, 142, 204, 21, 15},
    {Control::sumB, L"STATIC", kLabel, 164, 204, 20, 15},
    {Control::WeT, L"STATIC", kLabel, 120, 219, 21, 15},
    {Control::ThT, L"STATIC", kLabel, 142, 219, 21, 15},
    {Control::sumT, L"STATIC", kLabel, 164, 219, 20, 15},
    {Control::Lbl0, L"STATIC", kLabel, 145, 238, 14, 13},
    {Control::Lbl1, L"STATIC", kLabel, 104, 205, 14, 13},
    {Control::Lbl2, L"STATIC", kLabel, 145, 173, 14, 13},
    {Control::Lbl3, L"STATIC", kLabel, 186, 205, 14, 13},
    {Control::fraCapture, L"BUTTON", WS_CHILD | BS_GROUPBOX, 404, 2, 122, 52},
    {Control::cmdBid, L"BUTTON", kButton, 410, 20, 54, 28},
    {Control::cmdHand, L"BUTTON", kButton, 466, 20, 54, 28},
    {Control::cmdScore, L"BUTTON", kButton, 404, 58, 60, 24},
    {Control::cmdTimer, L"BUTTON", kButton, 466, 58, 60, 24},
    {Control::filBox0, L"LISTBOX", kList, 404, 88, 122, 206},
    {Control::filBox1, L"LISTBOX", kList, 404, 88, 122, 206},
    {Control::cmdDelFiles, L"BUTTON", kButton, 404, 298, 122, 24},
    {Control::cmdDEL, L"BUTTON", kButton, 404, 298, 60, 24},
    {Control::cmdUndo, L"BUTTON", kButton, 466, 298, 60, 24},
    {Control::BoxStat, L"STATIC", WS_CHILD | SS_LEFT, 404, 326, 122, 16},
    {Control::MsgBox, L"STATIC", WS_CHILD | SS_LEFT, 4, 364, 300, 16},
    {Control::cmdEnd, L"BUTTON", kButton, 404, 346, 122, 28},
};
constexpr int kClientWidth = 530;
constexpr int kRecordListLeft = 404;
// Room under End for the auction frame, which the window grows for.
constexpr int kClientHeight = 400;

// Keys and right clicks on the controls go up to the window: the shell answers them there.
LRESULT CALLBACK ControlProc(HWND child, UINT message, WPARAM w, LPARAM l, UINT_PTR id, DWORD_PTR) {
    const Control control = Control(int(id) - kFirstId);
    HWND parent = GetParent(child);
    if (message == WM_KEYDOWN && (w == VK_ESCAPE || w == VK_RETURN || w == VK_DELETE)) {
        SendMessageW(parent, kControlKey, WPARAM(control), LPARAM(w));
        if (w != VK_DELETE) return 0;
    }
    if (message == WM_GETDLGCODE && (w == VK_ESCAPE || w == VK_RETURN)) return DLGC_WANTALLKEYS;
    if (message == WM_RBUTTONDOWN) SendMessageW(parent, kControlRightClick, WPARAM(control), 0);
    return DefSubclassProc(child, message, w, l);
}

}  // namespace

MainWindow::MainWindow(HINSTANCE instance, win32::GdiFonts& fonts, win32::GdiSheets& sheets,
                       const CardMetrics& metrics)
    : instance_(instance), fonts_(fonts) {
    INITCOMMONCONTROLSEX cc{sizeof cc, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&cc);
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
    RECT r{0, 0, kClientWidth, kClientHeight};
    CreateMenus();
    AdjustWindowRectEx(&r, style, TRUE, 0);
    const win32::WindowClass cls{kClassName, CS_DBLCLKS, ProgramIcon(instance), instance};
    Create(cls, L"Tallowen 2.2", style, 0, {0, 40, r.right - r.left, r.bottom - r.top}, nullptr,
           menu_);
    surface_ = std::make_unique<MainSurface>(Handle(), fonts, sheets, metrics);
    CreateControls();
}

// The window goes before the surface and the brushes it paints with.
MainWindow::~MainWindow() {
    Destroy();
}

void MainWindow::CreateMenus() {
    menu_ = CreateMenu();
    // The titles are addressed by their place in the bar (ApplyMenu), the items by id.
    auto popup = [this](std::initializer_list<Control> items) {
        HMENU sub = CreatePopupMenu();
        for (Control c : items) AppendMenuW(sub, MF_STRING, UINT_PTR(IdOf(c)), L"-");
        AppendMenuW(menu_, MF_POPUP, UINT_PTR(sub), L"-");
    };
    popup({Control::menuBid, Control::menuHand});
    popup({Control::MenuSeat0, Control::MenuSeat1, Control::MenuSeat2, Control::MenuSeat3,
           Control::MenuSeat4});
    AppendMenuW(menu_, MF_STRING, UINT_PTR(IdOf(Control::menuRestart)), L"-");
    popup({Control::menuLink0, Control::menuLink1, Control::menuLink2});
}

void MainWindow::CreateControls() {
    tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, Handle(),
                               nullptr, instance_, nullptr);
    for (const Placement& p : kPlacements) {
        HWND child = CreateWindowExW(0, p.cls, L"", p.style, p.x, p.y, p.w, p.h, Handle(),
                                     HMENU(INT_PTR(IdOf(p.control))), instance_, nullptr);
        items_[std::size_t(p.control)].hwnd = child;
        SetWindowSubclass(child, ControlProc, UINT_PTR(IdOf(p.control)), 0);
        TTTOOLINFOW tip{};
        tip.cbSize = sizeof tip;
        tip.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tip.hwnd = Handle();
        tip.uId = UINT_PTR(child);
        tip.lpszText = const_cast<wchar_t*>(L"");
        SendMessageW(tooltip_, TTM_ADDTOOLW, 0, LPARAM(&tip));
    }
    // The count labels lie on the trick box.
    for (Control c : {Control::WeTheySum0, Control::WeTheySum1, Control::WeTheySum2, Control::WeB,
                      Control::ThB, Control::sumB, Control::WeT, Control::ThT, Control::sumT})
        SetWindowPos(items_[std::size_t(c)].hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

Rect MainWindow::OuterRect() const {
    RECT r;
    GetWindowRect(Handle(), &r);
    return Rect{r.left, r.top, r.right, r.bottom};
}

void MainWindow::ReportPlace() {
    events_->MainWindowPlaced(WindowHandle(reinterpret_cast<std::uintptr_t>(Handle())),
                              OuterRect());
}

void MainWindow::Attach(AppContext& app, ViewEvents& events, const ViewLook& look) {
    app_ = &app;
    events_ = &events;
    look_ = look;
    ReportPlace();
    const Rect r = OuterRect();
    RECT client;
    GetClientRect(Handle(), &client);
    const Placement& end = kPlacements[std::size(kPlacements) - 1];
    MainGeometry g;
    g.baseWidth = r.Width();
    g.baseHeight = r.Height();
    g.cmdEndBottom = end.y + end.h;
    g.recordListLeft = kRecordListLeft;
    g.borderY = client.bottom;
    g.innerWidth = client.right;
    surface_->Attach(g, look);
}

void MainWindow::SetLook(const ViewLook& look) {
    const bool newFont = look.designFont != look_.designFont;
    look_ = look;
    surface_->SetLook(look);
    if (!newFont) return;
    for (int c = 0; c < kControlCount; ++c) {
        const ControlState state = items_[std::size_t(c)].state;
        if (state.font.empty()) Apply(Control(c), state);
    }
    InvalidateRect(Handle(), nullptr, FALSE);
}

void MainWindow::StartTimer() {
    SetTimer(Handle(), kTimer1, kTickInterval, nullptr);
}

void MainWindow::Show() {
    ShowWindow(Handle(), SW_SHOWNORMAL);
    UpdateWindow(Handle());
}

HFONT MainWindow::FontFor(const ControlState& state) {
    const std::string& face = state.font.empty() ? look_.designFont : state.font;
    const double points = state.points > 0 ? state.points : kDesignPoints;
    return fonts_.Get(FontSpec{face, points, state.bold});
}

void MainWindow::ApplyMenu(Control control, const ControlState& state) {
    const UINT id = UINT(IdOf(control));
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STRING | MIIM_STATE;
    std::wstring text = win32::Widen(state.caption);
    info.dwTypeData = text.data();
    info.fState = (state.enabled ? MFS_ENABLED : MFS_DISABLED) |
                  (state.checked ? MFS_CHECKED : MFS_UNCHECKED);
    // The top-level titles are addressed by position.
    const Control titles[] = {Control::menuAutoCapture, Control::menuMySeat, Control::menuRestart,
                              Control::menu_Link};
    for (int i = 0; i < 4; ++i) {
        if (titles[i] != control) continue;
        info.fMask = MIIM_STRING;
        SetMenuItemInfoW(menu_, UINT(i), TRUE, &info);
        DrawMenuBar(Handle());
        return;
    }
    SetMenuItemInfoW(menu_, id, FALSE, &info);
}

void MainWindow::Apply(Control control, const ControlState& state) {
    if (control == Control::Count) return;
    Item& item = items_[std::size_t(control)];
    item.state = state;
    if (IsMenu(control)) return ApplyMenu(control, state);
    if (!item.hwnd) return;
    item.brush = win32::ScopedBrush(CreateSolidBrush(state.backColour.value_or(kDesignBack)));
    SetWindowTextW(item.hwnd, win32::Widen(state.caption).c_str());
    SendMessageW(item.hwnd, WM_SETFONT, WPARAM(FontFor(state)), TRUE);
    EnableWindow(item.hwnd, state.enabled);
    const bool boxShown = items_[std::size_t(Control::picBox)].state.visible;
    ShowWindow(item.hwnd,
               state.visible && (!OnTrickBox(control) || boxShown) ? SW_SHOWNA : SW_HIDE);
    if (control == Control::picBox)
        for (int c = int(Control::WeT); c <= int(Control::WeTheySum2); ++c)
            ShowWindow(items_[std::size_t(c)].hwnd,
                       state.visible && items_[std::size_t(c)].state.visible ? SW_SHOWNA : SW_HIDE);
    std::wstring tip = win32::Widen(state.tooltip);
    TTTOOLINFOW info{};
    info.cbSize = sizeof info;
    info.hwnd = Handle();
    info.uId = UINT_PTR(item.hwnd);
    info.lpszText = tip.data();
    SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, LPARAM(&info));
    InvalidateRect(item.hwnd, nullptr, TRUE);
}

void MainWindow::SetCaption(const std::string& caption) {
    SetWindowTextW(Handle(), win32::Widen(caption).c_str());
}

void MainWindow::SetTopmost(bool topmost) {
    if (topmost && IsIconic(Handle())) return;
    SetWindowPos(Handle(), topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void MainWindow::SetRecordList(const std::vector<std::string>& names) {
    for (Control c : {Control::filBox0, Control::filBox1}) {
        HWND list = items_[std::size_t(c)].hwnd;
        SendMessageW(list, WM_SETREDRAW, FALSE, 0);
        SendMessageW(list, LB_RESETCONTENT, 0, 0);
        for (const std::string& name : names)
            SendMessageW(list, LB_ADDSTRING, 0, LPARAM(win32::Widen(name).c_str()));
        SendMessageW(list, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(list, nullptr, TRUE);
    }
}

std::vector<int> MainWindow::SelectedRecords(int shown) {
    const Control c = shown == 1 ? Control::filBox1 : Control::filBox0;
    HWND list = items_[std::size_t(c)].hwnd;
    const LRESULT n = SendMessageW(list, LB_GETSELCOUNT, 0, 0);
    if (n <= 0) return {};
    std::vector<int> selected(static_cast<std::size_t>(n));
    SendMessageW(list, LB_GETSELITEMS, WPARAM(n), LPARAM(selected.data()));
    return selected;
}

void MainWindow::ShowAuction(const Deal& deal, int mode, const ClientFacts& client) {
    const WindowSize size = surface_->AuctionSize(deal, client);
    if (size.width > 0 && size.height > 0)
        SetWindowPos(Handle(), nullptr, 0, 0, size.width, size.height,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    surface_->DrawAuction(deal, mode, client);
}

void MainWindow::ShowDeal(const Deal& deal, const std::array<int, 4>& rotation) {
    printed_.clear();
    surface_->DrawDeal(deal, rotation);
}

void MainWindow::AlertBorder(bool shown) {
    surface_->Border(shown);
}

void MainWindow::PrintLine(const std::string& line) {
    EchoToConsole("", line);
    printed_.emplace_back(false, line);
    InvalidateRect(Handle(), nullptr, FALSE);
    UpdateWindow(Handle());
}

void MainWindow::PrintMarkLine(const std::string& rest) {
    EchoToConsole("=>", rest);
    printed_.emplace_back(true, rest);
    InvalidateRect(Handle(), nullptr, FALSE);
}

void MainWindow::Focus(Control control) {
    if (HWND child = items_[std::size_t(control)].hwnd) SetFocus(child);
}

void MainWindow::Paint() {
    win32::ScopedPaint paint(Handle());
    const HDC dc = paint.Get();
    surface_->Present(dc);
    // The start-up lines go over the picture through the same text drawing as everything else,
    // which also knows how to reach the symbol font's glyphs.
    RECT client;
    GetClientRect(Handle(), &client);
    win32::GdiCanvas canvas(dc, Rect{0, 0, client.right, client.bottom}, fonts_, nullptr);
    const FontSpec print{look_.designFont, kDesignPoints, false};
    const FontSpec symbol{"Symbol", 15, false};
    int y = 7;
    for (const auto& [mark, text] : printed_) {
        int x = 2;
        if (mark) x += canvas.Text(Point{x, y - 4}, "\u00DE", symbol, 0xB000);  // a double arrow
        canvas.Text(Point{x, y}, text, print, 0);
        y += 16;
    }
}

void MainWindow::DrawButton(const DRAWITEMSTRUCT& d) {
    const Control control = Control(int(d.CtlID) - kFirstId);
    const ControlState& s = items_[std::size_t(control)].state;
    DrawFlatButton(d, FlatButtonLook{s.caption, FontFor(s), s.backColour.value_or(kDesignBack),
                                     s.foreColour.value_or(0), s.enabled});
}

LRESULT MainWindow::OnColour(HDC dc, HWND child) {
    const int id = GetDlgCtrlID(child);
    const int index = id - kFirstId;
    if (index < 0 || index >= kControlCount) return LRESULT(GetStockObject(WHITE_BRUSH));
    Item& item = items_[std::size_t(index)];
    if (Control(index) == Control::filBox0 || Control(index) == Control::filBox1)
        return LRESULT(GetStockObject(WHITE_BRUSH));
    SetTextColor(dc, item.state.foreColour.value_or(0));
    SetBkColor(dc, item.state.backColour.value_or(kDesignBack));
    return LRESULT(item.brush ? item.brush.Get() : HBRUSH(GetStockObject(WHITE_BRUSH)));
}

Control MainWindow::PressableWith(bool cancel) const {
    for (int c = 0; c < kControlCount; ++c) {
        const ControlState& s = items_[std::size_t(c)].state;
        if ((cancel ? s.cancelButton : s.defaultButton) && s.visible && s.enabled)
            return Control(c);
    }
    return Control::Count;
}

void MainWindow::OnControlKey(Control control, WPARAM key) {
    if (!app_) return;
    if (key == VK_ESCAPE || key == VK_RETURN) {
        const Control button = PressableWith(key == VK_ESCAPE);
        if (button != Control::Count) ClickControl(button);
        return;
    }
    if (key != VK_DELETE) return;
    if (control == Control::filBox0 || control == Control::filBox1)
        filBox_KeyDown(*app_, kDeleteKey);
    else if (control == Control::cmdDEL)
        cmdDEL_Click(*app_);
}

void MainWindow::OnControlRightClick(Control control) {
    if (!app_) return;
    switch (control) {
        case Control::cmdBid:
            cmdBid_MouseDown(*app_, kRightButton);
            break;
        case Control::cmdHand:
            cmdHand_MouseDown(*app_, kRightButton);
            break;
        case Control::cmdDelFiles:
            cmdDelFiles_MouseDown(*app_, kRightButton);
            break;
        case Control::filBox0:
        case Control::filBox1:
            filBox_MouseDown(*app_, kRightButton);
            break;
        default:
            break;
    }
}

void MainWindow::ClickControl(Control control) {
    AppContext& app = *app_;
    switch (control) {
        case Control::cmdBid:
            cmdBid_Click(app);
            break;
        case Control::cmdHand:
            cmdHand_Click(app);
            break;
        case Control::cmdScore:
            cmdScore_Click(app);
            break;
        case Control::cmdTimer:
            cmdTimer_Click(app);
            break;
        case Control::cmdDelFiles:
            cmdDelFiles_Click(app);
            break;
        case Control::cmdDEL:
            cmdDEL_Click(app);
            break;
        case Control::cmdUndo:
            cmdUndo_Click(app);
            break;
        case Control::cmdEnd:
            cmdEnd_Click(app);
            break;
        case Control::picBox:
            picBox_Click(app);
            break;
        case Control::Lbl0:
        case Control::Lbl1:
        case Control::Lbl2:
        case Control::Lbl3:
            Lbl_Click(app, int(control) - int(Control::Lbl0));
            break;
        case Control::menuBid:
            menuBid_Click(app);
            break;
        case Control::menuHand:
            menuHand_Click(app);
            break;
        case Control::MenuSeat0:
        case Control::MenuSeat1:
        case Control::MenuSeat2:
        case Control::MenuSeat3:
        case Control::MenuSeat4:
            MenuSeat_Click(app, int(control) - int(Control::MenuSeat0));
            break;
        case Control::menuRestart:
            menuRestart_Click(app);
            break;
        case Control::menuLink0:
            menuLink_Click(app, 0);
            break;
        case Control::menuLink1:
            menuLink_Click(app, 1);
            break;
        case Control::menuLink2:
            menuLink_Click(app, 2);
            break;
        default:
            break;
    }
}

void MainWindow::OnCommand(int id, int code) {
    const int index = id - kFirstId;
    if (!app_ || index < 0 || index >= kControlCount) return;
    const Control control = Control(index);
    if (control == Control::filBox0 || control == Control::filBox1) {
        if (code != LBN_SELCHANGE) return;
        HWND list = items_[std::size_t(index)].hwnd;
        const LRESULT caret = SendMessageW(list, LB_GETCARETINDEX, 0, 0);
        std::wstring text;
        const LRESULT length = caret >= 0 ? SendMessageW(list, LB_GETTEXTLEN, WPARAM(caret), 0) : 0;
        if (length > 0) {
            text.resize(std::size_t(length) + 1);
            SendMessageW(list, LB_GETTEXT, WPARAM(caret), LPARAM(text.data()));
            text.resize(std::size_t(length));
        }
        filBox_Click(*app_, win32::Narrow(text));
        return;
    }
    ClickControl(control);
}

void MainWindow::Leave() {
    KillTimer(Handle(), kTimer1);
    PostQuitMessage(0);
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM w, LPARAM l) {
    switch (message) {
        case WM_TIMER:
            if (w == kTimer1 && app_ && !app_->loop.ending) Timer1_Timer(*app_);
            break;
        case WM_COMMAND:
            OnCommand(LOWORD(w), HIWORD(w));
            break;
        case kControlKey:
            OnControlKey(Control(int(w)), WPARAM(l));
            break;
        case kControlRightClick:
            OnControlRightClick(Control(int(w)));
            break;
        case WM_KEYDOWN:
            OnControlKey(Control::Count, w);
            break;
        case WM_DRAWITEM:
            DrawButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(l));
            return TRUE;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            return OnColour(HDC(w), HWND(l));
        case WM_ERASEBKGND:
            return 1;  // the surface paints every pixel
        case WM_PAINT:
            Paint();
            return 0;
        case WM_MOVE:
            if (events_) ReportPlace();
            break;
        case WM_CLOSE:
            if (app_) Form_QueryUnload(*app_);
            Leave();
            return 0;
        default:
            return Default(message, w, l);
    }
    if (app_ && app_->loop.ending) Leave();
    return 0;
}

}  // namespace tallowen

#include "win32/ui/UtilityWindow.h"

#include <windows.h>

#include <filesystem>

#include "common/Settings.h"
#include "platform/Clock.h"
#include "platform/CodePage.h"
#include "report/ReportJob.h"
#include "win32/BaseWindow.h"
#include "win32/ScopedWin.h"
#include "win32/WideText.h"
#include "win32/Win32Seams.h"
#include "win32/ui/MessageAreaWindow.h"
#include "win32/ui/ProgramIcon.h"

namespace tallowen {

namespace {

constexpr wchar_t kClassName[] = L"TallowenUTLWindow";
constexpr int kEndId = 1;
constexpr int kClientWidth = 600;
constexpr int kClientHeight = 480;
constexpr RECT kMessagePlace{0, 0, kClientWidth, kClientHeight - 48};
constexpr RECT kEndPlace{kClientWidth - 104, kClientHeight - 40, kClientWidth - 8,
                         kClientHeight - 10};
constexpr int kMessagePoints = 9;
const char* const kMeiryo = "メイリオ";

// A font in the given character set: the interface font needs the Japanese one on a Japanese
// system, which the program's shared font cache does not ask for.
win32::ScopedFont MakeFont(const std::wstring& face, int points, int weight, BYTE charset) {
    win32::ScopedDC screen = win32::ScopedDC::Screen();
    const int dpi = screen ? GetDeviceCaps(screen.Get(), LOGPIXELSY) : 96;
    const int height = -MulDiv(points, dpi, 72);
    return win32::ScopedFont(CreateFontW(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, charset,
                                         OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                         DEFAULT_PITCH | FF_DONTCARE, face.c_str()));
}

// The window's own font: the system's dialog face.
std::wstring OwnFace() {
    LOGFONTW own{};
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof own, &own);
    return own.lfFaceName;
}

// What pressing End does depends on where the program is.
enum class Phase {
    Job,      // the job runs: End ends the process
    Waiting,  // the wait after a refusal: End ends the wait
    Done,     // the job has returned: End ends the message loop
};

}  // namespace

struct UtilityWindow::State final : public Clock, public win32::BaseWindow<State> {
    HWND end = nullptr;
    std::unique_ptr<ui::MessageAreaWindow> messages;
    win32::ScopedFont latin, bold, interfaceFont;
    win32::ScopedBrush back;
    COLORREF backColor = GetSysColor(COLOR_BTNFACE);
    bool meiryo = false;  // "メイリオ" is installed and is the interface font
    Phase phase = Phase::Job;
    bool waited = false;  // from the wait after a refusal on, End is the cancel button (Esc)
    bool endPressed = false;

    ~State() {
        messages.reset();
        Destroy();
    }
    void Open(const std::string& caption, const CodePage& page);
    void ChooseFonts(const CodePage& page);
    void PressEnd();
    bool KeyForEnd(const MSG& msg);
    void Pump();
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // Clock: the wait after a refusal.
    std::uint32_t Ticks() override { return GetTickCount(); }
    void Wait(std::uint32_t ms) override;
    void DoEvents() override { Pump(); }
};

// The interface font is "メイリオ" when installed, else the window's own face; on a Japanese
// system that face is asked for in its Japanese character set, so that its glyphs are there.
void UtilityWindow::State::ChooseFonts(const CodePage& page) {
    latin = MakeFont(L"Arial", kMessagePoints, FW_NORMAL, DEFAULT_CHARSET);
    bold = MakeFont(L"Arial", kMessagePoints, FW_BOLD, DEFAULT_CHARSET);
    meiryo = MakeWin32Fonts()->Installed(kMeiryo);
    const BYTE charset = page.Number() == 932 ? SHIFTJIS_CHARSET : DEFAULT_CHARSET;
    interfaceFont =
        MakeFont(meiryo ? win32::Widen(kMeiryo) : OwnFace(), kMessagePoints, FW_NORMAL, charset);
}

void UtilityWindow::State::Open(const std::string& caption, const CodePage& page) {
    ChooseFonts(page);
    back.Reset(CreateSolidBrush(backColor));
    win32::WindowClass cls{.name = kClassName};
    cls.icon = ProgramIcon(cls.instance);
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    RECT outer{0, 0, kClientWidth, kClientHeight};
    AdjustWindowRect(&outer, style, FALSE);
    Create(cls, win32::Widen(caption).c_str(), style, 0,
           {.width = outer.right - outer.left, .height = outer.bottom - outer.top});
    ui::MessageFonts fonts{latin.Get(), bold.Get(), interfaceFont.Get()};
    messages = std::make_unique<ui::MessageAreaWindow>(Handle(), kMessagePlace, page, fonts);
    messages->afterPrint = [this] { Pump(); };
    end = CreateWindowExW(
        0, L"BUTTON", L"End", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, kEndPlace.left,
        kEndPlace.top, kEndPlace.right - kEndPlace.left, kEndPlace.bottom - kEndPlace.top, Handle(),
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kEndId)), cls.instance, nullptr);
    SendMessageW(end, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
}

// End ends the program at once: in the wait it ends the wait; during the job the process
// ends here (pages are written whole or not at all, so none is left half done); after the
// job the message loop ends.
void UtilityWindow::State::PressEnd() {
    endPressed = true;
    if (phase == Phase::Waiting) return;
    if (phase == Phase::Job) ExitProcess(1);
    PostQuitMessage(0);
}

bool UtilityWindow::State::KeyForEnd(const MSG& msg) {
    if (!waited || msg.message != WM_KEYDOWN || msg.wParam != VK_ESCAPE) return false;
    SendMessageW(Handle(), WM_COMMAND, MAKEWPARAM(kEndId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(end));
    return true;
}

void UtilityWindow::State::Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(int(msg.wParam));
            return;
        }
        if (KeyForEnd(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

void UtilityWindow::State::Wait(std::uint32_t ms) {
    waited = true;
    phase = Phase::Waiting;
    ShowWindow(Handle(), SW_SHOW);
    const DWORD start = GetTickCount();
    while (!endPressed) {
        const DWORD elapsed = GetTickCount() - start;
        if (elapsed > ms) break;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, ms - elapsed + 1, QS_ALLINPUT);
        Pump();
    }
    phase = Phase::Job;
}

LRESULT UtilityWindow::State::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            if (LOWORD(wParam) == kEndId && HIWORD(wParam) == BN_CLICKED) PressEnd();
            return 0;
        case WM_CLOSE:
            PressEnd();
            return 0;
        case WM_ERASEBKGND: {
            RECT client{};
            GetClientRect(Handle(), &client);
            FillRect(reinterpret_cast<HDC>(wParam), &client, back.Get());
            return 1;
        }
        case WM_CTLCOLORBTN:
            SetBkColor(reinterpret_cast<HDC>(wParam), backColor);
            return reinterpret_cast<LRESULT>(back.Get());
        default:
            return Default(message, wParam, lParam);
    }
}

UtilityWindow::UtilityWindow(const std::string& designCaption, const CodePage& page)
    : state_(std::make_unique<State>()) {
    state_->Open(designCaption + " 2.2", page);
}

UtilityWindow::~UtilityWindow() = default;

void UtilityWindow::Show() {
    ShowWindow(state_->Handle(), SW_SHOW);
    UpdateWindow(state_->Handle());
    SetForegroundWindow(state_->Handle());
    SetFocus(state_->end);
    state_->Pump();
}

void UtilityWindow::ApplySettings(const Settings& settings) {
    State& s = *state_;
    if (settings.jpn) {
        SetWindowTextW(s.end, win32::Widen("終了").c_str());
        SendMessageW(s.end, WM_SETFONT, reinterpret_cast<WPARAM>(s.interfaceFont.Get()), TRUE);
    }
    s.messages->SetWholeInInterface(settings.jpn && s.meiryo);
    s.backColor =
        settings.backColor ? COLORREF(*settings.backColor & 0xFFFFFF) : GetSysColor(COLOR_BTNFACE);
    s.back.Reset(CreateSolidBrush(s.backColor));
    s.messages->SetBackColor(s.backColor);
    InvalidateRect(s.Handle(), nullptr, TRUE);
    InvalidateRect(s.end, nullptr, TRUE);
    UpdateWindow(s.Handle());
}

Clock& UtilityWindow::QuitWait() {
    return *state_;
}

bool UtilityWindow::Waited() const {
    return state_->waited;
}

void UtilityWindow::RunUntilEnd() {
    State& s = *state_;
    s.phase = Phase::Done;
    if (s.endPressed) return;
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (s.KeyForEnd(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

void UtilityWindow::Print(std::string_view text) {
    state_->messages->Print(text);
}
void UtilityWindow::PrintPath(std::string_view text) {
    state_->messages->PrintPath(text);
}
void UtilityWindow::NewLines(int n) {
    state_->messages->NewLines(n);
}
bool UtilityWindow::FitsWidth(std::string_view text, double fraction) const {
    return state_->messages->FitsWidth(text, fraction);
}

int RunUtilityWindow(const std::string& designCaption, const ReportOptions& options,
                     ReportEnv& env) {
    UtilityWindow window(designCaption, env.ansiPage);
    window.Show();
    // ChAppDir: the program folder is the current folder from here on (the job itself works
    // with whole paths, so a folder it cannot enter changes nothing).
    std::error_code ec;
    std::filesystem::current_path(options.appFolder, ec);
    env.waitClock = &window.QuitWait();
    env.settingsRead = [&window](const Settings& settings) { window.ApplySettings(settings); };
    const int code = RunReportJob(options, window, env);
    if (!window.Waited()) window.RunUntilEnd();
    return code;
}

}  // namespace tallowen

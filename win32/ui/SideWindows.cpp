#include "win32/ui/SideWindows.h"

#include "shell/BiddingBoard.h"

namespace tallowen {

namespace {

constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
// The board's design size; its height follows the auction.
constexpr int kBoardOuterWidth = 290, kBoardOuterHeight = 200;

Rect ScreenRect(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    return Rect{r.left, r.top, r.right, r.bottom};
}

}  // namespace

SideWindowsWin32::SideWindowsWin32(HINSTANCE instance, HWND owner, win32::GdiFonts& fonts,
                                   win32::GdiSheets& sheets, const CardMetrics& metrics)
    : instance_(instance), owner_(owner), fonts_(fonts), sheets_(sheets), metrics_(metrics) {}

SideWindowsWin32::~SideWindowsWin32() = default;

void SideWindowsWin32::Make(Pane& pane, bool board) {
    if (pane.window && pane.window->Alive()) return;
    pane.window = std::make_unique<PaintedWindow>(instance_, owner_, kStyle,
                                                  WS_EX_TOOLWINDOW | WS_EX_TOPMOST);
    pane.buffer = std::make_unique<win32::BackBuffer>(fonts_, &sheets_);
    win32::BackBuffer* buffer = pane.buffer.get();
    pane.window->OnPaint([buffer](HDC dc, RECT) { buffer->Present(dc); });
    pane.window->OnMessage([this, board, &pane](UINT message, WPARAM, LPARAM) {
        if (!events_) return false;
        if (board && message == WM_MOUSEMOVE)
            events_->BoardMoved(ScreenRect(pane.window->Handle()));
        if (message == WM_CLOSE) {
            events_->SideWindowClosed(board);
            ShowWindow(pane.window->Handle(), SW_HIDE);
            return true;
        }
        return false;
    });
}

void SideWindowsWin32::ShowBox(Rect place, const Deal&, int trump) {
    Make(box_, false);
    box_.window->SetCaption("BOX");
    box_.window->Place(place.left, place.top, place.Width(), place.Height());
    box_.buffer->FitTo(box_.window->Handle());
    DrawCardsBox(box_.buffer->Draw(), metrics_, look_.backColor, trump);
    ShowWindow(box_.window->Handle(), SW_SHOWNOACTIVATE);
    box_.window->SetTopmost(true);
    box_.window->Redraw();
}

void SideWindowsWin32::TickPlayedCard(int suit, int rank) {
    if (!box_.window || !box_.window->Alive()) return;
    tallowen::TickPlayedCard(box_.buffer->Draw(), metrics_, look_.backColor, suit, rank);
    box_.window->Redraw();
}

void SideWindowsWin32::KeepBoxInFront() {
    if (box_.window) box_.window->SetTopmost(true);
}

void SideWindowsWin32::ShowBidding(const Deal& deal, const ScorePair& vulnerability, int level,
                                   int declarer, const BoardSetup& setup) {
    if (!events_) return;
    const bool fresh = !board_.window || !board_.window->Alive();
    Make(board_, true);
    HWND window = board_.window->Handle();
    if (fresh) {  // at its design size
        board_.window->Place(setup.opening.x, setup.opening.y, kBoardOuterWidth, kBoardOuterHeight);
        board_.window->SetCaption(std::string(kBoardCaption));
    }
    BoardLayout layout = setup.layout;
    layout.place = ScreenRect(window);
    const BoardAuction auction{
        deal.Calls, deal.Rounds, vulnerability[0].Vul, vulnerability[1].Vul, deal.AuctionNames,
        level,      declarer,    deal.Contract};
    // The window takes its new size before the drawing shows.
    const BoardResult place = BoardPlace(layout, deal.Rounds, level != 0);
    board_.window->Place(place.place.left, place.place.top, place.place.Width(),
                         place.place.Height());
    board_.buffer->FitTo(window);
    Surface surface{board_.buffer->Draw(), pen_, metrics_, look_.interfaceFont};
    const BoardResult drawn = Show_Bidding(surface, layout, auction);
    if (!drawn.caption.empty()) board_.window->SetCaption(drawn.caption);
    events_->BoardMoved(ScreenRect(window));
    ShowWindow(window, SW_SHOWNOACTIVATE);
    board_.window->SetTopmost(true);
    board_.window->Redraw();
}

void SideWindowsWin32::KeepBoardInFront() {
    if (board_.window) board_.window->SetTopmost(true);
}

void SideWindowsWin32::CloseBoard() {
    if (board_.window) ShowWindow(board_.window->Handle(), SW_HIDE);
    board_.window.reset();
    if (events_) events_->SideWindowClosed(true);
}

}  // namespace tallowen

#include "shell/Discovery.h"

#include <algorithm>
#include <string_view>

#include "common/Edition.h"
#include "common/Text.h"
#include "reading/Buttons.h"
#include "shell/Controls.h"
#include "shell/Messages.h"
#include "shell/RecordList.h"

namespace tallowen {

namespace {

constexpr int kMinTableTitleWidth = 51;
constexpr int kMaxBidBoxClientHeight = 300;
constexpr int kBoxWidth = 172;
constexpr std::uint32_t kButtonSettleMs = 300;

// Dialogs of the system ("実行" = run) and the program's own windows are never game windows,
// whatever else their titles say.
bool IsOwnOrDialog(std::string_view title) {
    return Contains(title, "実行") || Contains(title, "タロウェン") || Contains(title, "Tallowen");
}

std::string_view English(int kind) {
    return TitleTable::Title(kind, ToInt(Edition::English));
}

// The language whose table title the window title holds (0: none).
int TableLanguage(std::string_view title) {
    for (int language = 1; language <= kLanguageCount; ++language)
        if (Contains(title, TitleTable::Title(int(WindowKind::Table), language))) return language;
    return 0;
}

// The glyph set depends on the language: once reading is prepared, follow every change.
void ChangeLanguage(AppContext& app, int language) {
    if (language == app.game.windows.language) return;
    app.game.windows.language = language;
    if (EditionOf(language) == Edition::Japanese && !app.capture.kanaToldOnce) {
        app.capture.kanaToldOnce = true;
        LogLine(app,
                "The Japanese edition of the game client draws its calls in kana, which this "
                "program cannot read: its boards are not recorded.");
    }
    if (app.game.reading.glyphs.ready) PrepareReading(app.game.reading, app.game.infoBox);
}

void AdoptTableLanguage(AppContext& app, int found) {
    // An English title says nothing about the edition (several show English titles), and the
    // Espanol edition is only told from the others by its bidding window.
    if (EditionOf(found) == Edition::English ||
        EditionOf(app.game.windows.language) == Edition::Espanol)
        return;
    ChangeLanguage(app, found);
}

// The editions whose bidding window and bid box share one title: the bid box is the short one.
// The watcher itself gives the bidding window a height of eight rows (100 pixels when the
// table comes up), well below the bid box limit, so a window already known as one of the two
// keeps its kind; the height decides only for a window seen for the first time.
// The client opens a closed window again where it last stood (after the table went away,
// say): a short window whose corner is where the watcher left the bidding window is that
// window, not a bid box, or the auction would never be found again.
std::string_view ByClientHeight(AppContext& app, WindowHandle window) {
    for (WindowKind kind : {WindowKind::Bidding, WindowKind::BidBox})
        if (window != 0 && app.game.windows.Handle(kind) == window) return English(int(kind));
    app.seams.desktop.Restore(window);
    const Rect client = app.seams.desktop.ClientRect(window);
    const Rect bidding = app.game.windows.biddingPlace;
    const Rect place = app.seams.desktop.WindowRect(window);
    const bool wasBidding =
        bidding.Width() > 0 && place.left == bidding.left && place.top == bidding.top;
    const int kind = client.Height() <= kMaxBidBoxClientHeight && !wasBidding
                         ? int(WindowKind::BidBox)
                         : int(WindowKind::Bidding);
    return English(kind);
}

// The English title of a candidate, looking only at kinds first..last; the title itself when
// none of them matches.
std::string Translated(AppContext& app, const TitleCandidate& candidate, int first, int last) {
    if (EditionOf(app.game.windows.language) == Edition::English) return candidate.title;
    constexpr int kEspanol = ToInt(Edition::Espanol);
    if (EditionOf(app.game.windows.language) == Edition::Spanish &&
        candidate.title == TitleTable::Title(int(WindowKind::Bidding), kEspanol))
        ChangeLanguage(app, kEspanol);
    const int language = app.game.windows.language;
    const bool sharedTitle = TitleTable::Title(int(WindowKind::Bidding), language) ==
                             TitleTable::Title(int(WindowKind::BidBox), language);
    for (int kind = first; kind <= last; ++kind) {
        if (candidate.title != TitleTable::Title(kind, language)) continue;
        const bool auctionKind =
            kind == int(WindowKind::Bidding) || kind == int(WindowKind::BidBox);
        if (sharedTitle && auctionKind) return std::string(ByClientHeight(app, candidate.handle));
        return std::string(English(kind));
    }
    return candidate.title;
}

Rect Moved(Rect r, int x, int y) {
    return Rect{x, y, x + r.Width(), y + r.Height()};
}

void KeepTableRect(AppContext& app) {
    GameWindows& w = app.game.windows;
    w.tableRect = app.seams.desktop.WindowRect(w.table);
    w.rect[0] = w.tableRect;
    w.tableWidth = w.tableRect.Width();
    w.tableHeight = w.tableRect.Height();
}

WindowHandle HandleOf(const AppContext& app, WindowKind kind) {
    return kind == WindowKind::Table ? app.game.windows.table : app.game.windows.Handle(kind);
}

}  // namespace

void ScanTopWindows(AppContext& app) {
    GameWindows& w = app.game.windows;
    w.table = 0;
    w.candidates.clear();
    for (const TopWindow& top : app.seams.desktop.TopLevelWindows()) {
        if (app.display.mainWindow != 0 && top.handle == app.display.mainWindow) continue;
        if (!top.visible || !top.hasCaption) continue;
        std::string title = Trim(top.title);
        const int width = IsOwnOrDialog(title) ? 0 : DisplayWidth(title, app.seams.codePage);
        if (width >= w.minTitleWidth && width <= w.maxTitleWidth) {
            if (int(w.candidates.size()) < kMaxCandidates)
                w.candidates.push_back({top.handle, std::move(title)});
        } else if (width >= kMinTableTitleWidth && w.table == 0) {
            const int language = TableLanguage(title);
            if (language == 0) continue;
            w.table = top.handle;
            AdoptTableLanguage(app, language);
        }
    }
}

void LookupAllKinds(AppContext& app) {
    std::vector<std::string> english;
    english.reserve(app.game.windows.candidates.size());
    for (const TitleCandidate& c : app.game.windows.candidates)
        english.push_back(Translated(app, c, 1, kSubWindowCount));
    for (int kind = 1; kind <= kSubWindowCount; ++kind)
        for (std::size_t i = 0; i < english.size(); ++i)
            if (english[i] == English(kind)) {
                app.game.windows.handle[std::size_t(kind)] = app.game.windows.candidates[i].handle;
                break;
            }
}

void LookupKind(AppContext& app, WindowKind kind) {
    const int k = int(kind);
    if (k < 1 || k > kSubWindowCount) return;
    app.game.windows.handle[std::size_t(k)] = 0;
    for (const TitleCandidate& c : app.game.windows.candidates)
        if (Translated(app, c, k, k) == English(k)) {
            app.game.windows.handle[std::size_t(k)] = c.handle;
            return;
        }
}

bool BidBoxShownNow(AppContext& app) {
    const WindowHandle table = app.game.windows.table;
    ScanTopWindows(app);
    if (app.game.windows.table == 0) app.game.windows.table = table;
    LookupKind(app, WindowKind::BidBox);
    return app.game.windows.Handle(WindowKind::BidBox) != 0;
}

void PlaceWindow(AppContext& app, WindowKind kind) {
    const std::size_t k = std::size_t(kind);
    const WindowHandle h = HandleOf(app, kind);
    if (h == 0 || k > 5) return;
    Desktop& desktop = app.seams.desktop;
    desktop.SetTopmost(h, true);
    desktop.Restore(h);
    GameWindows& w = app.game.windows;
    w.rect[k] = desktop.WindowRect(h);
    // Only a window the client opened in the screen's corner is moved, and only once a run:
    // after that the user decides where it stands.
    if (w.placed[k] || w.rect[k].left + w.rect[k].top >= 1) return;
    const int x = std::max(0, w.saved[k].left), y = std::max(0, w.saved[k].top);
    if (x + y != 0) {
        desktop.MoveWindow(h, Moved(w.rect[k], x, y));
        w.rect[k] = desktop.WindowRect(h);
        if (kind == WindowKind::Table) KeepTableRect(app);
    }
    w.placed[k] = true;
}

void SetWinGame(AppContext& app) {
    GameWindows& w = app.game.windows;
    if (w.table == 0) return;
    Desktop& desktop = app.seams.desktop;
    KeepTableRect(app);
    if (w.platform >= 2) {
        const Rect client = desktop.ClientRect(w.table);
        w.titleBarAllowance = std::max(0, w.tableRect.Height() - client.Height() - 45);
    }
    desktop.MoveWindow(w.table, Moved(w.tableRect, w.saved[0].left, w.saved[0].top));
    KeepTableRect(app);
}

void GetSubWindows(AppContext& app) {
    ClickGameButton(app.game.reading, app.game.buttons, kAllButtons);
    app.seams.clock.Wait(kButtonSettleMs);
    ScanTopWindows(app);
    LookupAllKinds(app);
}

void NotExistProcess(AppContext& app, WindowKind kind, int messageCode) {
    const int k = int(kind);
    ClickGameButton(app.game.reading, app.game.buttons, k);
    LookupKind(app, kind);
    if (app.game.windows.Handle(kind) != 0 || k < 1 || k > kSubWindowCount) return;
    if (std::size_t(k) < app.display.messages.waiting.size())
        app.display.messages.waiting[std::size_t(k)] = true;
    PutMsg(app, messageCode);
}

void ReopenWindow(AppContext& app, WindowKind kind) {
    ClickGameButton(app.game.reading, app.game.buttons, int(kind));
    app.seams.clock.Wait(kButtonSettleMs);
    ScanTopWindows(app);
    LookupKind(app, kind);
}

void LookupWindows(AppContext& app) {
    ScanTopWindows(app);
    LookupAllKinds(app);
}

void SetBox(AppContext& app, int swtch) {
    int list = 0;
    if (swtch != -1) {
        if (swtch == app.records.currentList || swtch < 0 || swtch > 1) return;
        list = swtch;
    }
    app.records.currentList = list;
    const Control lists[2] = {Control::filBox0, Control::filBox1};
    for (int i = 0; i < 2; ++i) {
        SetEnabled(app, lists[i], i == list);
        SetVisible(app, lists[i], i == list);
    }
    RefreshFileBox(app);
}

Rect BoxWindowPlace(const GameWindows& windows, const Settings& settings) {
    const int x = windows.tableRect.right + 5;
    const int y = settings.boxPosition.y;
    const int height = int(RoundHalfEven(windows.titleBarAllowance * 1.5 + 105 + 7));
    return Rect{x, y, x + kBoxWidth, y + height};
}

void LoadBoxWindow(AppContext& app) {
    if (app.settings.boxPosition.x == 0) return;  // the box is not wanted
    app.views.side.ShowBox(BoxWindowPlace(app.game.windows, app.settings),
                           app.capture.deals.capture, app.capture.deals.capture.Strain);
    app.views.side.KeepBoxInFront();
    app.display.boxLoaded = true;
}

}  // namespace tallowen

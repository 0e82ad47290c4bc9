// The simulated game client: its table window and the five small windows, drawn for one
// language edition from a scripted board at some point of its life (auction call by call,
// play trick by trick, done). It reacts to clicks on its buttons and to resizes, and faults
// can be injected. It also says what each window shows, in the terms the readers report it.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <memory>

#include "reading/Bidding.h"
#include "reading/CardImages.h"
#include "reading/GameWindows.h"
#include "reading/GlyphTable.h"
#include "reading/LastHand.h"
#include "reading/LastTrick.h"
#include "reading/Score.h"
#include "sim/ClientWindows.h"
#include "sim/GlyphPainter.h"
#include "sim/SimBoard.h"
#include "sim/SimClock.h"
#include "sim/SimDesktop.h"

namespace tallowen {

enum class SimStage { Auction, Play, Done };

struct SimFaults {
    int misdrawnKind = -1;     // a window kind with one glyph spoilt
    int misdrawnGlyph = 0;     // which glyph of that window (from 0, in drawing order)
    int highlightedCard = -1;  // a table position of the last trick drawn highlighted
    bool staleScore = false;   // the score window still shows the score before the board
};

class SimClient {
public:
    // `clock` (may be null) delays the opening of windows after a click by `openDelay` ms.
    SimClient(SimDesktop& desktop, SimClock* clock, int language, SimBoard board);
    ~SimClient();

    int Language() const { return language_; }
    const SimBoard& Board() const { return board_; }
    SimStage Stage() const { return stage_; }
    // The next board begins (its auction, no call yet). The last-hand window goes on showing
    // the board completed last until this one is done.
    void NewBoard(SimBoard board);
    // The board completed before the current one, if any.
    const SimBoard* PreviousBoard() const { return hasPrevious_ ? &previous_ : nullptr; }
    // Whether the user is to call or play now (from dummy too, when declarer).
    bool UserTurn() const;
    // Auction: calls shown so far; play: tricks completed. Done ignores `progress`.
    void SetStage(SimStage stage, int progress = 0);
    // Plays the board over the clock's time from the first call on: one call every
    // `callMs`, one trick every `trickMs`, then the board is done. Needs a clock.
    void Run(std::uint32_t callMs, std::uint32_t trickMs);
    SimFaults& Faults() { return faults_; }
    void SetFaults(const SimFaults& faults);

    // Windows by kind 0..5; 0 when not open.
    WindowHandle Handle(int kind) const { return handles_[std::size_t(kind)]; }
    void OpenTable();
    void Open(int kind);  // opens (or brings forward) one window
    void OpenAll();       // the table and the five others
    void Close(int kind);
    void Minimize(int kind);
    // Puts a window that keeps itself in front over part of window `kind` (its client
    // area, from `from` to `to` in client coordinates); returns its handle.
    WindowHandle Cover(int kind, Rect area);
    // Default outer rectangles.
    static Rect DefaultRect(int kind, int language);
    std::uint32_t openDelay = 0;
    int clicksSeen = 0;    // clicks that hit a button
    int tableNumber = 12;  // shown in the table's title
    // Whether a window of `kind` is open, shown and not minimised.
    bool Showing(int kind) const;

    // What the windows show, as the readers report it (the edition's limits included).
    AuctionReading ExpectedAuction() const;
    HandReading ExpectedHand() const;
    // suits and ranks by table position; ranks[0] = -1 when no trick is on display.
    TrickReading ExpectedTrick() const;
    ScoreReading ExpectedScore() const;
    // -1 where no count can be read.
    void ExpectedTricks(int& we, int& they) const;
    // Screen points of the captions' ends as the button finder reports them, by kind 1..4;
    // (0, 0) for a caption that cannot be read.
    std::array<Point, 5> ExpectedButtons() const;

    // The views the windows are painted from.
    BiddingView Bidding() const;
    ScoreView Score() const;
    HandView Hand() const;
    TrickView Trick() const;
    TableView Table() const;

    const GlyphTable& Glyphs() const { return glyphs_; }
    const CardImageTable& CardImages() const { return cards_; }

private:
    void Paint(int kind, SimWindow& window);
    void Click(Point at);
    void RepaintAll();
    int CallsShown() const;
    int TricksShown() const;  // tricks completed on display
    void ScoreShown(ScorePair& scores) const;
    const SimBoard* HandShown() const;  // the board the last-hand window shows, if any

    SimDesktop& desktop_;
    SimClock* clock_;
    int language_;
    SimBoard board_;
    SimBoard previous_;
    bool hasPrevious_ = false;
    // Where each window was when it was closed: the client opens it there again.
    std::array<Rect, 6> lastPlace_{};
    SimStage stage_ = SimStage::Done;
    int progress_ = 0;
    SimFaults faults_;
    GlyphTable glyphs_;
    CardImageTable cards_;
    std::unique_ptr<GlyphPainter> font_;
    std::array<WindowHandle, 6> handles_{};
    std::vector<WindowHandle> covers_;
    std::vector<int> pending_;  // clock events of this client not yet run
};

}  // namespace tallowen

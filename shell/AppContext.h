// Everything the watcher keeps for the life of the program, in one place owned by the
// program's main: the seams it is driven through, the settings, the game's windows, the
// capture schedule and busy flags, the reading state, the two deals and what the windows
// show. Nothing of it is global, so tests can build as many as they like.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/Files.h"
#include "common/Layout.h"
#include "common/Settings.h"
#include "platform/Browser.h"
#include "platform/Calendar.h"
#include "platform/Clock.h"
#include "platform/Desktop.h"
#include "platform/Fonts.h"
#include "platform/Sound.h"
#include "reading/Buttons.h"
#include "reading/CaptureResult.h"
#include "reading/CardImages.h"
#include "reading/GameWindows.h"
#include "reading/LastTrick.h"
#include "reading/ReadingContext.h"
#include "reading/TricksCount.h"
#include "records/Deal.h"
#include "records/LogSink.h"
#include "records/RecordFiles.h"
#include "records/RecordNames.h"
#include "shell/Views.h"

namespace tallowen {

class CodePage;
struct AppContext;

// The scoring's diagnostic lines, sent on to the log window (LogLine).
class LogLineSink final : public LogSink {
public:
    explicit LogLineSink(AppContext& app) : app_(app) {}
    void Log(const std::string& line) override;

private:
    AppContext& app_;
};

// Slots of the capture schedule.
enum class Slot : int { Reminder = 0, Trick = 2, Hand = 3, Bid = 4 };
constexpr int kSlotCount = 6;

struct CaptureSlot {
    bool armed = false;
    std::uint32_t due = 0;        // tick count
    std::uint32_t remaining = 0;  // ms left when a pause began
};

struct CaptureSchedule {
    std::array<CaptureSlot, kSlotCount> slots{};
    CaptureSlot& operator[](Slot s) { return slots[std::size_t(s)]; }
    const CaptureSlot& operator[](Slot s) const { return slots[std::size_t(s)]; }
    void Arm(Slot s, std::uint32_t due) { (*this)[s] = {true, due, (*this)[s].remaining}; }
    void Disarm(Slot s) { (*this)[s].armed = false; }
    void Set(Slot s, bool armed, std::uint32_t due) {
        (*this)[s] = {armed, due, (*this)[s].remaining};
    }
};

struct BusyFlags {
    bool bid = false, hand = false, trick = false, listClick = false, background = false;
    bool Any() const { return bid || hand || trick || listClick || background; }
};

// The seams the watcher is driven through.
struct Seams {
    Desktop& desktop;
    Clock& clock;
    Sound& sound;
    Browser& browser;
    Fonts& fonts;
    Calendar& calendar;
    Random& random;
    const CodePage& codePage;
};

// The windows the watcher shows.
struct ViewSet {
    MainView& main;
    MessageView& message;
    LogView& log;
    SideWindows& side;
    DelWorkDialog& delWork;
};

struct MessageState {
    bool shown = false;             // a message was shown once: keep retrying waiting windows
    std::array<bool, 5> waiting{};  // window kinds 1..4 marked as waiting
    bool visible = false;           // the message window is up
    MessageText last;               // what it shows
};

struct RecordListState {
    std::vector<std::string> work;     // record names, ascending
    std::vector<std::string> backups;  // record names of the backups
    std::vector<std::string> listed;   // as the list shows them, newest first
    std::string onDisplay;             // the record shown in the main window
    int deleteRequest = 0;             // 0 idle, -1 waiting, 1 cancelled, 2 confirmed
    int currentList = 0;               // filBox(0) or filBox(1)
};

// What the capture flows asked to tell the user, latest last, and how their last attempts
// ended: the messages themselves are drawn elsewhere, this is the flows' own account of them.
struct CaptureNotes {
    struct Message {
        int code = 0;
        int language = 0;  // the language the message was asked for in
    };
    struct Missing {
        WindowKind kind = WindowKind::Table;
        int code = 0;
    };
    static constexpr std::size_t kKept = 16;
    std::vector<Message> messages;
    std::vector<std::string> errors;
    std::vector<Missing> missing;
    CaptureResult lastBidResult = CaptureResult::Read;   // of the last auction capture attempt
    CaptureResult lastHandResult = CaptureResult::Read;  // ... and of the last hand capture
    std::string handRefused;  // why the last hand was not joined to the kept auction
};

// The game's windows and what reading them keeps between ticks.
struct GameState {
    GameState(Desktop& desktop, Clock& clock, Sound& sound, Calendar& calendar)
        : reading(desktop, clock, sound, windows) {
        reading.calendar = &calendar;
    }
    GameWindows windows;
    ReadingContext reading;
    ButtonState buttons;
    InfoBoxState infoBox;
    TrickState trick;
    CardImageTable cardImages;
};

// The program's own windows and what they show.
struct DisplayState {
    WindowHandle mainWindow = 0;
    Rect mainRect;
    Rect boardRect;  // the bidding board, as the layout file keeps it
    bool boxLoaded = false, boardLoaded = false;
    bool turnFront = false;
    int showScore = 0;  // -1 shown, 0 hidden, 2 from TopMostScoreWindow
    // What some controls stand for; their captions are made from these.
    struct Shown {
        bool timerCounting = false;     // the pause button counts a pause's seconds
        bool scoreButtonHides = false;  // the score button hides the score window
        std::array<int, 3> tricks{};    // the trick counts: we, they, both (0: blank)
    } shown;
    // Seats: the seat shown at display positions 0 bottom, 1 left, 2 top, 3 right.
    std::array<int, 4> rotation{0, 1, 2, 3};
    bool redrawRequest = false;
    MessageState messages;
    std::array<ControlState, kControlCount> controls{};
};

// The main loop: its schedule, what is busy and how long the game has been seen.
struct LoopState {
    CaptureSchedule schedule;
    BusyFlags busy;
    std::uint32_t lastTick = 0;
    bool ending = false;           // End was pressed or the window is closing: the program ends
    std::uint32_t pauseStart = 0;  // 0 = not paused
    int picBoxPause = 0;           // 0 running, 1 paused by a click on the trick box
    int tickCounter = 0;           // unpaused ticks since the table appeared
    int gamePresent = 0;
    bool bidBoxSeen = false;  // the bid box was on the desktop at the last tick
};

// What the capture flows keep from one board to the next.
struct CaptureState {
    DealSlots deals;
    Deal previousDeal;
    std::int32_t keptRounds = 0;  // the auction recorded last
    CallGrid keptCalls;
    ScorePair keptScore;  // the score recorded with the last hand
    int cardsSeen = 0;
    int lastTotalShown = 0;
    bool bidBoxAtAuction = false;  // the bid box existed when the auction was captured
    bool bidBoxAtRead = false;     // ... right after the bidding window was read
    bool awaitAuctionEnd = false;  // a hand was refused: the auction capture waits for the box
    int yahooIdIndex = 0;          // the user's ID found last (1-based; 0 none)
    bool kanaToldOnce = false;     // the log said that the Japanese edition cannot be read
    CaptureNotes notes;
};

// The record files going into the Work folder, and those that could not.
struct RecordWrites {
    // The auction kept for the board in play, as "BridgeBid.brg" holds it: the hand is joined
    // to it when the file cannot be read back, and the file is written from it when it could
    // not be written at the auction.
    Deal keptAuction;
    bool keptAuctionUnwritten = false;
    // A complete record whose file could not be written: written as soon as the Work folder
    // takes it, or given up (and counted) when the next board's record comes.
    std::optional<Deal> unwrittenRecord;
    int recordsLostToWrites = 0;
    RecordListener* listener = nullptr;  // told of each record file as it appears
    bool writeFault = false;             // the user was told that the Work folder takes no files
    RecordNaming naming;
};

struct AppContext {
    AppContext(const Seams& s, const ViewSet& v)
        : seams(s), views(v), game(s.desktop, s.clock, s.sound, s.calendar) {}
    AppContext(const AppContext&) = delete;
    AppContext& operator=(const AppContext&) = delete;

    Seams seams;
    ViewSet views;

    Folders folders;
    Settings settings;
    WindowLayout layout;
    bool jpnInterface = false;  // the JPN setting at start-up: captions, fonts, file names
    std::string baseCaption = "Tallowen 2.2";
    std::string interfaceFont;  // "メイリオ" when installed in the Japanese interface
    // The program folder was refused (an opened archive, a temporary or the Windows folder):
    // nothing is written there, not even the window layout.
    bool folderRefused = false;

    GameState game;
    DisplayState display;
    LoopState loop;
    CaptureState capture;
    RecordWrites writes;
    RecordListState records;

    LogLineSink logLines{*this};
    LogSink* scoringLog = &logLines;

    ControlState& Ctl(Control c) { return display.controls[std::size_t(c)]; }
    int Language() const { return game.windows.language; }
};

}  // namespace tallowen

// A session at one table as the simulated client plays it: board after board on the clock's
// time, the bid box open while the auction runs, the auction call by call, play trick by
// trick, the score brought up to date when a board is done, a pause before the next deal.
// Faults can be injected per board by chance. What was played is kept for comparison with
// what a recorder made of it.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "sim/SessionPlan.h"
#include "sim/SimClient.h"

namespace tallowen {

// Chances in percent per board, and how long the passing faults last.
struct SimFaultRates {
    int windowClosed = 0;     // a small window (kinds 1..4) is closed during the board
    int windowMinimized = 0;  // ... or minimised
    int staleScore = 0;       // the score window is late to show the new score
    int tableAway = 0;        // the table and its windows go away mid-deal and come back
    int misdrawnGlyph = 0;    // one glyph of the bidding, last-hand or score window spoilt
    std::uint32_t staleMs = 8000, awayMs = 12000, misdrawnMs = 10000;
};

enum class SimFaultKind { WindowClosed, WindowMinimized, StaleScore, TableAway, MisdrawnGlyph };

struct SimFaultEvent {
    int board = 0;  // index into the plan
    SimFaultKind kind = SimFaultKind::WindowClosed;
    int window = 0;           // the window kind it struck (0 the table)
    std::uint64_t from = 0;   // clock Elapsed() ms
    std::uint64_t until = 0;  // when it ended by itself; 0: until someone acts
};

struct SimSessionOptions {
    SessionPlanOptions plan;
    int language = 1;
    std::uint32_t callMs = 2500;   // between calls
    std::uint32_t trickMs = 4000;  // between tricks
    std::uint32_t pauseMs = 8000;  // from a board done to the next deal
    std::uint32_t openDelay = 0;   // the client's delay in opening a window after a click
    // After the last board the next deal begins (its bid box opens) but is never played,
    // as at a real table; a recorder takes that as the sign that the last hand is ready.
    bool trailingDeal = true;
    SimFaultRates faults;
};

struct SimPlayedBoard {
    int index = 0;   // into the plan
    int number = 0;  // board number
    SimBoard board;
    std::uint64_t started = 0, completed = 0;  // clock Elapsed() ms
    // Windows by kind 0..5 open, shown and not minimised when the board was completed.
    std::array<bool, 6> shownAtCompletion{};
};

class SimSession {
public:
    SimSession(SimDesktop& desktop, SimClock& clock, SimSessionOptions options);
    ~SimSession();
    SimSession(const SimSession&) = delete;
    SimSession& operator=(const SimSession&) = delete;

    // Opens the table with its windows and begins the first board now.
    void Start();
    // Every board completed (and the trailing deal begun, when asked for).
    bool Finished() const { return finished_; }
    // Clock time from Start to Finished when no fault delays it, in ms.
    std::uint64_t PlannedLength() const;

    const std::vector<SimBoard>& Planned() const { return plan_; }
    const std::vector<SimPlayedBoard>& Played() const { return played_; }
    const std::vector<SimFaultEvent>& Faults() const { return faults_; }
    const SimSessionOptions& Options() const { return options_; }
    SimClient& Client() { return *client_; }
    // The plan index of the board at the table: -1 before Start, the plan's size once the
    // trailing deal has begun.
    int CurrentBoard() const { return current_; }
    bool TableAway() const { return away_; }
    // Called as each board is completed.
    std::function<void(const SimPlayedBoard&)> onBoardDone;

private:
    void BeginBoard(int index);
    void ShowCall(int index, int shown);
    void CompleteBoardNow(int index);
    void RollFaults(int index, std::uint64_t length);
    void Strike(int index, SimFaultKind kind, int window);
    void GoAway(int index);
    void ComeBack();
    std::uint64_t BoardLength(const SimBoard& board) const;
    void After(std::uint64_t delay, std::function<void()> event);

    SimDesktop& desktop_;
    SimClock& clock_;
    SimSessionOptions options_;
    std::vector<SimBoard> plan_;
    SimBoard trailing_;
    std::unique_ptr<SimClient> client_;
    std::vector<SimPlayedBoard> played_;
    std::vector<SimFaultEvent> faults_;
    std::vector<int> events_;
    std::uint64_t boardStart_ = 0;
    int current_ = -1;
    int staleBoard_ = -1;  // the board whose score will be late
    bool away_ = false, finished_ = false;
    bool bidBoxWanted_ = false;  // an auction runs: the bid box belongs on the desktop
};

}  // namespace tallowen

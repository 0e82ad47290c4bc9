#include "sim/SimSession.h"

#include <algorithm>

namespace tallowen {

SimSession::SimSession(SimDesktop& desktop, SimClock& clock, SimSessionOptions options)
    : desktop_(desktop), clock_(clock), options_(std::move(options)) {
    // One board more than played: the deal that begins after the last one, with the
    // scoreboard the last one left.
    SessionPlanOptions plan = options_.plan;
    plan.boards = std::max(0, plan.boards) + 1;
    plan_ = PlanSession(plan);
    trailing_ = plan_.back();
    plan_.pop_back();
    client_ = std::make_unique<SimClient>(desktop_, &clock_, options_.language,
                                          plan_.empty() ? trailing_ : plan_.front());
    client_->openDelay = options_.openDelay;
}

SimSession::~SimSession() {
    for (int id : events_) clock_.Cancel(id);
    client_.reset();
}

void SimSession::After(std::uint64_t delay, std::function<void()> event) {
    events_.push_back(clock_.After(std::uint32_t(delay), std::move(event)));
}

std::uint64_t SimSession::BoardLength(const SimBoard& board) const {
    const std::uint64_t tricks = board.PassedOut() ? 0 : std::uint64_t(board.played);
    return board.calls.size() * std::uint64_t(options_.callMs) + (tricks + 1) * options_.trickMs;
}

std::uint64_t SimSession::PlannedLength() const {
    std::uint64_t total = 0;
    for (const SimBoard& b : plan_) total += BoardLength(b) + options_.pauseMs;
    if (!plan_.empty() && !options_.trailingDeal) total -= options_.pauseMs;
    return total;
}

void SimSession::Start() {
    if (plan_.empty()) {
        finished_ = true;
        return;
    }
    client_->SetStage(SimStage::Auction, 0);
    for (int kind = 0; kind <= 4; ++kind) client_->Open(kind);
    BeginBoard(0);
}

void SimSession::BeginBoard(int index) {
    const SimBoard& b = plan_[std::size_t(index)];
    boardStart_ = clock_.Elapsed();
    current_ = index;
    if (index == 0)
        client_->SetStage(SimStage::Auction, 0);
    else
        client_->NewBoard(b);
    bidBoxWanted_ = true;
    if (!away_) client_->Open(5);
    const int calls = int(b.calls.size());
    for (int k = 1; k <= calls; ++k)
        After(std::uint64_t(k) * options_.callMs, [this, index, k] { ShowCall(index, k); });
    const std::uint64_t auction = std::uint64_t(calls) * options_.callMs;
    const int tricks = b.PassedOut() ? 0 : b.played;
    for (int t = 0; t < tricks; ++t)
        After(auction + std::uint64_t(t + 1) * options_.trickMs,
              [this, t] { client_->SetStage(SimStage::Play, t); });
    const std::uint64_t length = BoardLength(b);
    After(length, [this, index] { CompleteBoardNow(index); });
    RollFaults(index, length);
}

void SimSession::ShowCall(int index, int shown) {
    client_->SetStage(SimStage::Auction, shown);
    if (shown < int(plan_[std::size_t(index)].calls.size())) return;
    bidBoxWanted_ = false;
    client_->Close(5);
}

void SimSession::CompleteBoardNow(int index) {
    if (staleBoard_ == index) {
        SimFaults f = client_->Faults();
        f.staleScore = true;
        client_->SetFaults(f);
        const std::uint64_t now = clock_.Elapsed();
        faults_.push_back({index, SimFaultKind::StaleScore, 4, now, now + options_.faults.staleMs});
        After(options_.faults.staleMs, [this] {
            SimFaults g = client_->Faults();
            g.staleScore = false;
            client_->SetFaults(g);
        });
    }
    client_->SetStage(SimStage::Done);
    SimPlayedBoard p;
    p.index = index;
    p.number = options_.plan.firstBoard + index;
    p.board = plan_[std::size_t(index)];
    p.started = boardStart_;
    p.completed = clock_.Elapsed();
    for (int kind = 0; kind <= 5; ++kind)
        p.shownAtCompletion[std::size_t(kind)] = client_->Showing(kind);
    played_.push_back(std::move(p));
    if (onBoardDone) onBoardDone(played_.back());
    if (index + 1 < int(plan_.size())) {
        After(options_.pauseMs, [this, index] { BeginBoard(index + 1); });
    } else if (options_.trailingDeal) {
        After(options_.pauseMs, [this] {
            client_->NewBoard(trailing_);
            current_ = int(plan_.size());
            bidBoxWanted_ = true;
            if (!away_) client_->Open(5);
            finished_ = true;
        });
    } else {
        finished_ = true;
    }
}

// Every roll is made when the board begins, so the faults follow from the seed alone.
void SimSession::RollFaults(int index, std::uint64_t length) {
    const SimFaultRates& r = options_.faults;
    SimRandom rng(std::uint64_t(options_.plan.seed) * 7919u + std::uint64_t(index) + 0xFA17u);
    const std::uint64_t first = options_.callMs;  // after the first call
    auto when = [&] {
        return first + std::uint64_t(rng.Below(int(std::max<std::uint64_t>(1, length - first))));
    };
    auto roll = [&](int percent) { return rng.Below(100) < percent; };
    if (roll(r.windowClosed)) {
        const int kind = 1 + rng.Below(4);
        After(when(), [this, index, kind] { Strike(index, SimFaultKind::WindowClosed, kind); });
    }
    if (roll(r.windowMinimized)) {
        const int kind = 1 + rng.Below(4);
        After(when(), [this, index, kind] { Strike(index, SimFaultKind::WindowMinimized, kind); });
    }
    staleBoard_ = roll(r.staleScore) ? index : -1;
    if (roll(r.tableAway)) After(when(), [this, index] { GoAway(index); });
    if (roll(r.misdrawnGlyph)) {
        const int kind = std::array{1, 3, 4}[std::size_t(rng.Below(3))];
        const int glyph = rng.Below(4);
        After(when(), [this, index, kind, glyph] {
            SimFaults f = client_->Faults();
            f.misdrawnKind = kind;
            f.misdrawnGlyph = glyph;
            client_->SetFaults(f);
            const std::uint64_t now = clock_.Elapsed();
            faults_.push_back(
                {index, SimFaultKind::MisdrawnGlyph, kind, now, now + options_.faults.misdrawnMs});
            After(options_.faults.misdrawnMs, [this] {
                SimFaults g = client_->Faults();
                g.misdrawnKind = -1;
                client_->SetFaults(g);
            });
        });
    }
}

void SimSession::Strike(int index, SimFaultKind kind, int window) {
    if (away_ || !client_->Showing(window)) return;
    if (kind == SimFaultKind::WindowClosed)
        client_->Close(window);
    else
        client_->Minimize(window);
    faults_.push_back({index, kind, window, clock_.Elapsed(), 0});
}

void SimSession::GoAway(int index) {
    if (away_) return;
    away_ = true;
    for (int kind = 5; kind >= 0; --kind) client_->Close(kind);
    const std::uint64_t now = clock_.Elapsed();
    faults_.push_back({index, SimFaultKind::TableAway, 0, now, now + options_.faults.awayMs});
    After(options_.faults.awayMs, [this] { ComeBack(); });
}

// The table comes back with the deal where it has got to meanwhile; the small windows wait
// to be pressed open, except the bid box while an auction runs.
void SimSession::ComeBack() {
    away_ = false;
    client_->OpenTable();
    if (bidBoxWanted_) client_->Open(5);
}

}  // namespace tallowen

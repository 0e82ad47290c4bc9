#include "sim/SimClock.h"

#include <algorithm>

namespace tallowen {

void SimClock::Wait(std::uint32_t ms) {
    RunUntil(now_ + ms + 1);
}

void SimClock::DoEvents() {
    RunUntil(now_);
}

int SimClock::After(std::uint32_t delay, Event event) {
    events_.push_back({nextId_, now_ + delay, 0, std::move(event)});
    return nextId_++;
}

int SimClock::Every(std::uint32_t period, Event event) {
    period = std::max<std::uint32_t>(period, 1);
    events_.push_back({nextId_, now_ + period, period, std::move(event)});
    return nextId_++;
}

void SimClock::Cancel(int id) {
    std::erase_if(events_, [id](const Scheduled& s) { return s.id == id; });
}

// An event may wait in turn (a tick that captures); the inner wait moves time on, and the
// outer one then continues from there. Each event is taken off the list before it runs, so
// a re-entrant wait never runs the same firing twice.
void SimClock::RunUntil(std::uint64_t end) {
    for (;;) {
        auto next = std::min_element(events_.begin(), events_.end(),
                                     [](const Scheduled& a, const Scheduled& b) {
                                         return a.due != b.due ? a.due < b.due : a.id < b.id;
                                     });
        if (next == events_.end() || next->due > end) break;
        now_ = std::max(now_, next->due);
        Event event = next->event;
        if (next->period != 0)
            next->due += next->period;
        else
            events_.erase(next);
        event();
    }
    now_ = std::max(now_, end);
}

}  // namespace tallowen

// A virtual clock: time moves only when someone waits, and a wait runs every event that
// falls due meanwhile (a timer tick can thus arrive inside a capture's wait, as it does on
// the real desktop when the message pump runs).
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "platform/Clock.h"

namespace tallowen {

class SimClock : public Clock {
public:
    using Event = std::function<void()>;

    explicit SimClock(std::uint32_t start = 0) : now_(start) {}

    std::uint32_t Ticks() override { return static_cast<std::uint32_t>(now_); }
    // Advances time to just past `ms` from now, running the events due on the way in order.
    void Wait(std::uint32_t ms) override;
    // Runs the events due now.
    void DoEvents() override;

    // One event `delay` ms from now; returns its id.
    int After(std::uint32_t delay, Event event);
    // An event every `period` ms (at least 1), the first one period from now.
    int Every(std::uint32_t period, Event event);
    void Cancel(int id);
    std::size_t Pending() const { return events_.size(); }
    // Milliseconds since start, without wrapping.
    std::uint64_t Elapsed() const { return now_ - start_; }

private:
    struct Scheduled {
        int id = 0;
        std::uint64_t due = 0;
        std::uint32_t period = 0;  // 0 = once
        Event event;
    };
    void RunUntil(std::uint64_t end);

    std::uint64_t now_ = 0;
    std::uint64_t start_ = now_;
    int nextId_ = 1;
    std::vector<Scheduled> events_;
};

}  // namespace tallowen

// Time for the user-interface thread: a millisecond tick counter and waits that keep the
// window events flowing (a timer tick or a click may run inside a wait).
#pragma once

#include <cstdint>

namespace tallowen {

class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds since some start; wraps around after 2^32.
    virtual std::uint32_t Ticks() = 0;
    // Returns once more than `ms` milliseconds have passed, processing pending window events
    // meanwhile. A simulated clock advances its own time here.
    virtual void Wait(std::uint32_t ms) = 0;
    // Processes the window events that are pending now, without waiting.
    virtual void DoEvents() = 0;
};

}  // namespace tallowen

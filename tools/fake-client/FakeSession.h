// The simulated client's session played on real time for the fake client: the same session
// as the simulator's, its virtual clock pulled along by the real one, and the record of each
// board written as a faithful watcher would write it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "sim/SimClock.h"
#include "sim/SimDesktop.h"
#include "sim/SimSession.h"
#include "tools/fake-client/FakeClientArgs.h"

namespace tallowen {

class CodePage;

class FakeSession {
public:
    FakeSession(const FakeClientArgs& args, Rect screen, const CodePage& page);
    FakeSession(const FakeSession&) = delete;
    FakeSession& operator=(const FakeSession&) = delete;

    SimDesktop& Desktop() { return desktop_; }
    SimSession& Session() { return *session_; }
    SimClient& Client() { return session_->Client(); }

    // Opens the table and its windows; the first board begins.
    void Start();
    // Moves the client's time on to `ms` after Start, running every step due by then in order.
    void AdvanceTo(std::uint64_t ms);
    std::uint64_t Now() const { return clock_.Elapsed(); }
    // A window was closed from outside. Closing the table leaves the game: the client ends
    // (true). Any other window just closes; the table's button opens it again.
    bool Close(WindowHandle window);

    int ExpectedWritten() const { return written_; }
    // Expected records that could not be written, one line each.
    const std::vector<std::string>& Failures() const { return failures_; }

private:
    void BoardDone(const SimPlayedBoard& played);

    SimDesktop desktop_;
    SimClock clock_;
    std::filesystem::path expect_;
    const CodePage& page_;
    std::unique_ptr<SimSession> session_;
    int written_ = 0;
    std::vector<std::string> failures_;
};

}  // namespace tallowen

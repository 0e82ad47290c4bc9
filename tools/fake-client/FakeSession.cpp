#include "tools/fake-client/FakeSession.h"

#include <limits>

#include "sim/ExpectedRecords.h"

namespace tallowen {

FakeSession::FakeSession(const FakeClientArgs& args, Rect screen, const CodePage& page)
    : desktop_(screen), expect_(args.expect), page_(page) {
    session_ = std::make_unique<SimSession>(desktop_, clock_, FakeSessionOptions(args));
    session_->onBoardDone = [this](const SimPlayedBoard& played) { BoardDone(played); };
}

void FakeSession::Start() {
    session_->Start();
}

void FakeSession::AdvanceTo(std::uint64_t ms) {
    // A wait runs to one past its length; long gaps go in steps the clock can take.
    constexpr std::uint64_t kStep = std::numeric_limits<std::uint32_t>::max() - 1;
    while (ms > clock_.Elapsed())
        clock_.Wait(std::uint32_t(std::min(kStep, ms - clock_.Elapsed() - 1)));
}

bool FakeSession::Close(WindowHandle window) {
    SimClient& client = Client();
    if (window != 0 && window == client.Handle(0)) return true;
    for (int kind = 1; kind <= 5; ++kind)
        if (window != 0 && window == client.Handle(kind)) {
            client.Close(kind);
            return false;
        }
    desktop_.Close(window);
    return false;
}

void FakeSession::BoardDone(const SimPlayedBoard& played) {
    const int ordinal = int(session_->Played().size());
    if (expect_.empty()) return;
    const FileResult wrote = WriteExpectedRecord(expect_, ordinal, played.board, page_);
    if (wrote.ok)
        ++written_;
    else
        failures_.push_back(ExpectedRecordName(ordinal) + ": " + wrote.error);
}

}  // namespace tallowen

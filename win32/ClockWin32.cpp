// The user-interface thread's clock: waits keep the message loop running, so that timer ticks
// and clicks are served while a capture waits.
#include <windows.h>

#include <mmsystem.h>

#include "win32/Win32Seams.h"

namespace tallowen {
namespace {

// Dispatches the pending messages. A WM_QUIT is taken off the queue by PeekMessage: it is
// posted again so that the loop that owns the thread still sees it, and the caller stops.
bool PumpPending() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(int(msg.wParam));
            return false;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return true;
}

class Win32Clock final : public Clock {
public:
    std::uint32_t Ticks() override { return GetTickCount(); }

    // Measured with the multimedia timer: GetTickCount moves in 16 ms steps on some systems.
    void Wait(std::uint32_t ms) override {
        const DWORD start = timeGetTime();
        for (;;) {
            if (!PumpPending()) return;
            const DWORD passed = timeGetTime() - start;
            if (passed > ms) return;
            MsgWaitForMultipleObjects(0, nullptr, FALSE, ms - passed + 1, QS_ALLINPUT);
        }
    }

    void DoEvents() override { PumpPending(); }
};

}  // namespace

std::unique_ptr<Clock> MakeWin32Clock() {
    return std::make_unique<Win32Clock>();
}

}  // namespace tallowen

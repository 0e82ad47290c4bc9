// The fake game client: the simulated client's windows as real windows, its session played on
// real time, so that the watcher can be run against it on a real (or Wine's) desktop.
#include <windows.h>
// After <windows.h>, which it needs.
#include <shellapi.h>

#include <chrono>
#include <cstdio>
#include <vector>

#include "sim/ExpectedRecords.h"
#include "tools/fake-client/FakeClient.h"
#include "win32/WideText.h"

namespace tallowen {

namespace {

// The real timer that pulls the client's clock along and syncs the windows.
constexpr UINT kTickMs = 100;

std::vector<std::string> Arguments() {
    int count = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> out;
    for (int i = 1; argv && i < count; ++i) out.push_back(win32::Narrow(argv[i]));
    if (argv) LocalFree(argv);
    return out;
}

int Play(const FakeClientArgs& args, HINSTANCE instance) {
    FakeClient client(args, instance);
    Say("fake client: " + std::to_string(args.boards) + " boards, edition " +
        std::to_string(args.language) + ", seed " + std::to_string(args.seed) + ", pace " +
        std::to_string(args.paceMs) + " ms, screen " + std::to_string(ScreenRect().right) + "x" +
        std::to_string(ScreenRect().bottom));
    const auto began = std::chrono::steady_clock::now();
    client.session.Start();
    client.mirror.Sync();
    const UINT_PTR timer = SetTimer(nullptr, 0, kTickMs, nullptr);
    std::size_t reported = 0;
    bool finished = false;
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (msg.message != WM_TIMER || msg.hwnd != nullptr) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
            continue;
        }
        const auto now = std::chrono::steady_clock::now() - began;
        client.session.AdvanceTo(
            std::uint64_t(std::chrono::duration_cast<std::chrono::milliseconds>(now).count()));
        client.mirror.Sync();
        const auto& played = client.session.Session().Played();
        for (; reported < played.size(); ++reported)
            Say("board " + std::to_string(played[reported].number) + " played (" +
                ExpectedRecordName(int(reported) + 1) + ")");
        if (!finished && client.session.Session().Finished()) {
            finished = true;
            Say("session over; the next deal is on the table");
        }
    }
    KillTimer(nullptr, timer);
    Say("fake client ends");
    for (const std::string& failure : client.session.Failures()) Say("not written: " + failure);
    return client.session.Failures().empty() ? 0 : 1;
}

int Compare(const FakeClientArgs& args) {
    const RecordComparison result = CompareWithExpected(args.folder, args.expected, AnsiCodePage());
    for (const std::string& line : result.lines) Say(line);
    return result.ok ? 0 : 1;
}

}  // namespace

void Say(const std::string& line) {
    std::fputs(line.c_str(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

Rect ScreenRect() {
    return Rect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

void PumpFor(DWORD ms) {
    const DWORD start = GetTickCount();
    MSG msg;
    while (GetTickCount() - start < ms) {
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

}  // namespace tallowen

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    using namespace tallowen;
    const FakeClientArgs args = ParseFakeClientArgs(Arguments());
    if (!args.error.empty()) {
        Say(args.error);
        Say(FakeClientUsage());
        return 2;
    }
    switch (args.mode) {
        case FakeClientMode::Compare:
            return Compare(args);
        case FakeClientMode::SelfCheck:
            return RunSelfCheck(args, instance);
        default:
            return Play(args, instance);
    }
}

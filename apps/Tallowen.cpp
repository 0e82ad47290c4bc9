// The watcher and recorder. On Windows, started without arguments, it is the windowed program
// beside the game client. Everywhere, --simulate watches a simulated game client through a
// session of boards, and --version says what it is.
#include <cstdio>
#include <string>
#include <vector>

#include "apps/SimulateMode.h"
#include "common/Version.h"
#ifdef _WIN32
#include "win32/ui/WatcherApp.h"
#endif

int main(int argc, char** argv) {
    using namespace tallowen;
#ifdef _WIN32
    if (argc <= 1) return RunWatcher();
    UseParentConsole();
#endif
    const SimulateArgs args = ParseSimulateArgs(std::vector<std::string>(argv + 1, argv + argc));
    if (args.version) {
        std::printf("Tallowen %s\n", kVersion);
        return 0;
    }
    if (!args.error.empty()) {
        std::fprintf(stderr,
                     "Tallowen %s: %s\n"
                     "usage: Tallowen [--version]\n"
                     "       Tallowen --simulate [--boards N] [--lang N] [--seed S] "
                     "[--folder DIR] [--expect DIR]\n",
                     kVersion, args.error.c_str());
        return 2;
    }
    return RunSimulation(args);
}

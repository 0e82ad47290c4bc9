// The watcher and recorder. Its windows come later; for now it says what it is, and with
// --simulate it watches a simulated game client through a session of boards.
#include <cstdio>
#include <string>
#include <vector>

#include "apps/SimulateMode.h"
#include "common/Version.h"

int main(int argc, char** argv) {
    using namespace tallowen;
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
                     "[--folder DIR]\n",
                     kVersion, args.error.c_str());
        return 2;
    }
    return RunSimulation(args);
}

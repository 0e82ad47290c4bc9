// The simulation mode of the watcher on the command line: its arguments, the folder it
// works in, and what it prints of each record the watcher writes (read back and scored as
// the report utility scores it).
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "common/Files.h"
#include "sim/RecordsRead.h"

namespace tallowen {

class CodePage;

// Every board played is kept for the comparison at the end, about a kilobyte each.
constexpr int kMaxSimulatedBoards = 100000;

struct SimulateArgs {
    bool simulate = false;  // --simulate given
    bool version = false;   // no arguments, or --version
    int boards = 8;
    int language = 1;
    std::uint32_t seed = 1;
    std::filesystem::path folder;  // the program folder; Work lies below it
    std::filesystem::path expect;  // not empty: where the boards played are written as records
    std::string error;             // not empty: the arguments were refused
};

// Arguments after the program name: "--simulate [--boards N] [--lang N] [--seed S]
// [--folder DIR] [--expect DIR]", or "--version", or none. Without --folder,
// DefaultSimulateFolder().
SimulateArgs ParseSimulateArgs(const std::vector<std::string>& args);

// "Tallowen" under the user's home folder (HOME, else USERPROFILE, else the current folder):
// never a temporary folder, which the program refuses.
std::filesystem::path DefaultSimulateFolder();

// One line for a record: its name, the contract with the declarer, the result and the
// points of the side that scored them; or why it could not be read.
std::string RecordLine(const RecordRead& record);

// The closing line of a run.
std::string SummaryLine(int played, int recorded, double seconds, double virtualSeconds);

}  // namespace tallowen

// The fake game client's command line: the session it plays on real time, where it puts the
// records a faithful watcher would write, and its two other jobs (checking its own windows,
// comparing a watcher's records with those).
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "sim/SimSession.h"

namespace tallowen {

enum class FakeClientMode { Play, SelfCheck, Compare };

struct FakeClientArgs {
    FakeClientMode mode = FakeClientMode::Play;
    int boards = 1;
    std::uint32_t seed = 1;
    int language = 1;
    std::uint32_t paceMs = 1000;   // between calls, between tricks
    std::filesystem::path expect;  // empty: no expected records are written
    // --compare: the watcher's program folder (its Work folder below) and the expected records.
    std::filesystem::path folder, expected;
    std::string error;  // not empty: the arguments were refused
};

// "[--boards N] [--seed S] [--lang L] [--pace MS] [--expect DIR] [--selfcheck]" or
// "--compare FOLDER EXPECTDIR".
FakeClientArgs ParseFakeClientArgs(const std::vector<std::string>& args);

// The session the arguments ask for: every board bid (none passed out), calls and tricks
// `pace` apart, a pause of three paces between boards, no faults.
SimSessionOptions FakeSessionOptions(const FakeClientArgs& args);

// How the program is called, for a refused command line.
std::string FakeClientUsage();

}  // namespace tallowen

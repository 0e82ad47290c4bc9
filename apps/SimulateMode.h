// The watcher without windows, against the simulated game client: a session of boards played
// as fast as the machine allows on virtual time, each record printed as the watcher writes it.
#pragma once

#include "sim/SimulateCommand.h"

namespace tallowen {

// A record joined two boards or holds a field that differs from the board played.
constexpr int kMixedRecords = 3;

// 0 after the session; 1 when another copy works in the folder, when the Work folder or the
// expected records cannot be written, or when a board was lost to a failed write;
// kMixedRecords when a record is mixed or wrong.
int RunSimulation(const SimulateArgs& args);

}  // namespace tallowen

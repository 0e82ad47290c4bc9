// The watcher without windows, against the simulated game client: a session of boards played
// as fast as the machine allows on virtual time, each record printed as the watcher writes it.
#pragma once

#include "sim/SimulateCommand.h"

namespace tallowen {

// 0 after the session; 1 when the Work folder cannot be written or nothing could run.
int RunSimulation(const SimulateArgs& args);

}  // namespace tallowen

// Started with its output going to a file or a pipe, the watcher also writes there what its
// windows tell the user, where a script (or a puzzled user) can read it.
#pragma once

#include <string_view>

namespace tallowen {

void EchoToConsole(std::string_view prefix, std::string_view line);

}  // namespace tallowen

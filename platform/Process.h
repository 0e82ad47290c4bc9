// Facts about the running program that only the OS knows.
#pragma once

#include <filesystem>

namespace tallowen {

// The folder of the running program file (the program folder).
std::filesystem::path ExecutableFolder();

}  // namespace tallowen

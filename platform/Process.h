// Facts about the running program that only the OS knows.
#pragma once

#include <filesystem>
#include <string>

namespace tallowen {

// The folder of the running program file (the program folder).
std::filesystem::path ExecutableFolder();

// Today's date in the user's short date form (Windows' regional setting); empty where the
// system has no such setting.
std::string SystemShortDate();

}  // namespace tallowen

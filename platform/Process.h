// Facts about the running program that only the OS knows.
#pragma once

#include <filesystem>
#include <string>

namespace tallowen {

// The folder of the running program file (the program folder).
std::filesystem::path ExecutableFolder();

// The system's Windows folder ("C:\Windows"); empty where there is none.
std::filesystem::path WindowsFolder();

// Whether the file system takes "Ann" and "ann" for one name (Windows) or two.
bool FileNamesIgnoreCase();

// Today's date in the user's short date form (Windows' regional setting); empty where the
// system has no such setting.
std::string SystemShortDate();

}  // namespace tallowen

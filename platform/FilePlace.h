// Putting a finished file under its final name without ever replacing another: the check that
// the name is free and the move are one step of the file system, so that two copies of a
// program writing the same name cannot both believe they made it.
#pragma once

#include <filesystem>
#include <string>

namespace tallowen {

enum class PlaceResult {
    Placed,  // `from` now has the name `to`
    Exists,  // a file of that name was there first; `from` is left where it was
    Failed,  // anything else (no such folder, no rights, a full disk); `from` is left
};

// Link-then-unlink on POSIX (a rename that refuses to replace where hard links are not
// possible); a move without the replace flag on Windows.
PlaceResult PlaceNewFile(const std::filesystem::path& from, const std::filesystem::path& to);

// Moves `from` onto `to`, replacing a file of that name, the move itself written through to
// the disk before it returns where the system offers that (Windows).
PlaceResult PlaceOverFile(const std::filesystem::path& from, const std::filesystem::path& to);

// Writes a file's contents (FlushFile) or a folder's list of names (FlushFolder) through to
// the disk, so that a power cut after it loses neither. False when the system refuses; a
// folder on a system whose moves are written through already (Windows) needs nothing.
bool FlushFile(const std::filesystem::path& path);
bool FlushFolder(const std::filesystem::path& folder);

// A text that tells this process's temporary files apart from another running copy's: the
// process number.
std::string ProcessTag();
// Whether a process of the number that ProcessTag gave is running now.
bool ProcessRunning(const std::string& tag);

}  // namespace tallowen

#include <windows.h>

#include <string>

#include "platform/FilePlace.h"

namespace tallowen {

PlaceResult PlaceNewFile(const std::filesystem::path& from, const std::filesystem::path& to) {
    // Without MOVEFILE_REPLACE_EXISTING the move fails when the name is taken.
    if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH)) return PlaceResult::Placed;
    const DWORD error = GetLastError();
    if (error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS) return PlaceResult::Exists;
    return PlaceResult::Failed;
}

std::string ProcessTag() {
    return std::to_string(static_cast<unsigned long>(GetCurrentProcessId()));
}

}  // namespace tallowen

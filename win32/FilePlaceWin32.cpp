#include <windows.h>

#include <cstdlib>
#include <string>

#include "win32/ScopedWin.h"

#include "platform/FilePlace.h"

namespace tallowen {

PlaceResult PlaceNewFile(const std::filesystem::path& from, const std::filesystem::path& to) {
    // Without MOVEFILE_REPLACE_EXISTING the move fails when the name is taken.
    if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH)) return PlaceResult::Placed;
    const DWORD error = GetLastError();
    if (error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS) return PlaceResult::Exists;
    return PlaceResult::Failed;
}

PlaceResult PlaceOverFile(const std::filesystem::path& from, const std::filesystem::path& to) {
    if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return PlaceResult::Placed;
    return PlaceResult::Failed;
}

bool FlushFile(const std::filesystem::path& path) {
    const win32::ScopedHandle file(CreateFileW(path.c_str(), GENERIC_WRITE,
                                               FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    return file && FlushFileBuffers(file.Get()) != 0;
}

bool FlushFolder(const std::filesystem::path&) {
    return true;  // the moves into the folder are written through
}

std::string ProcessTag() {
    return std::to_string(static_cast<unsigned long>(GetCurrentProcessId()));
}

bool ProcessRunning(const std::string& tag) {
    char* end = nullptr;
    const unsigned long long id = std::strtoull(tag.c_str(), &end, 10);
    if (tag.empty() || *end != '\0' || id == 0 || id > 0xFFFFFFFFull) return false;
    const win32::ScopedHandle process(
        OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(id)));
    if (!process) return GetLastError() == ERROR_ACCESS_DENIED;
    DWORD code = 0;
    return GetExitCodeProcess(process.Get(), &code) && code == STILL_ACTIVE;
}

}  // namespace tallowen

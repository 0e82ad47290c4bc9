#include <fcntl.h>
#include <signal.h>
#include <stdio.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>

#include "platform/FilePlace.h"

namespace tallowen {

PlaceResult PlaceNewFile(const std::filesystem::path& from, const std::filesystem::path& to) {
    if (::link(from.c_str(), to.c_str()) == 0) {
        ::unlink(from.c_str());
        return PlaceResult::Placed;
    }
    if (errno == EEXIST) return PlaceResult::Exists;
    // File systems without hard links (FAT, some network shares) still refuse to replace.
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return PlaceResult::Placed;
    return errno == EEXIST ? PlaceResult::Exists : PlaceResult::Failed;
}

PlaceResult PlaceOverFile(const std::filesystem::path& from, const std::filesystem::path& to) {
    return ::rename(from.c_str(), to.c_str()) == 0 ? PlaceResult::Placed : PlaceResult::Failed;
}

namespace {
bool Sync(const std::filesystem::path& path, int flags) {
    const int fd = ::open(path.c_str(), flags | O_CLOEXEC);
    if (fd < 0) return false;
    const bool synced = ::fsync(fd) == 0;
    return ::close(fd) == 0 && synced;
}
}  // namespace

bool FlushFile(const std::filesystem::path& path) {
    return Sync(path, O_WRONLY);
}

bool FlushFolder(const std::filesystem::path& folder) {
    return Sync(folder, O_RDONLY | O_DIRECTORY);
}

std::string ProcessTag() {
    return std::to_string(static_cast<long long>(::getpid()));
}

bool ProcessRunning(const std::string& tag) {
    char* end = nullptr;
    const long long pid = std::strtoll(tag.c_str(), &end, 10);
    if (tag.empty() || *end != '\0' || pid <= 0 || pid > 0x7FFFFFFF) return false;
    // EPERM: it runs under another user.
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

}  // namespace tallowen

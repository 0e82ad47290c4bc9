#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

#include <cerrno>
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

std::string ProcessTag() {
    return std::to_string(static_cast<long long>(::getpid()));
}

}  // namespace tallowen

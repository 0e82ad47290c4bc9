#include <system_error>

#include "platform/Process.h"

namespace tallowen {

std::filesystem::path ExecutableFolder() {
    std::error_code ec;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return std::filesystem::current_path(ec);
    return exe.parent_path();
}

std::filesystem::path WindowsFolder() {
    return {};
}

bool FileNamesIgnoreCase() {
    return false;
}

std::string SystemShortDate() {
    return {};
}

}  // namespace tallowen

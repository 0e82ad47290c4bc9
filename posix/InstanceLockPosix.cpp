#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdlib>
#include <system_error>

#include "platform/InstanceLock.h"

namespace tallowen {
namespace {

class FileLock final : public InstanceLock {
public:
    explicit FileLock(int fd) : fd_(fd) {}
    ~FileLock() override { close(fd_); }  // closing releases the flock

private:
    int fd_;
};

std::filesystem::path FromEnvironment(const char* variable) {
    const char* value = std::getenv(variable);
    return value && *value ? std::filesystem::path(value) : std::filesystem::path();
}

std::filesystem::path HomeFolder() {
    std::filesystem::path home = FromEnvironment("HOME");
    if (!home.empty()) return home;
    const passwd* user = getpwuid(getuid());
    return user && user->pw_dir ? std::filesystem::path(user->pw_dir) : std::filesystem::path();
}

// The lock file of `name`: never machine-wide, so another user's copy does not block ours.
std::filesystem::path LockFile(const std::string& name, const std::filesystem::path& folder) {
    if (!folder.empty()) return folder / (name + ".lock");
    std::filesystem::path chosen = FromEnvironment("TALLOWEN_LOCK_DIR");
    if (!chosen.empty()) {
        std::error_code ec;
        std::filesystem::create_directories(chosen, ec);
        return chosen / (name + ".lock");
    }
    std::filesystem::path runtime = FromEnvironment("XDG_RUNTIME_DIR");
    if (!runtime.empty()) return runtime / (name + ".lock");
    std::filesystem::path home = HomeFolder();
    return home.empty() ? std::filesystem::path() : home / ("." + name + ".lock");
}

}  // namespace

std::unique_ptr<InstanceLock> AcquireInstanceLock(const std::string& name,
                                                  const std::filesystem::path& folder) {
    std::filesystem::path path = LockFile(name, folder);
    if (path.empty()) return nullptr;
    int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) return nullptr;
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        close(fd);
        return nullptr;
    }
    return std::make_unique<FileLock>(fd);
}

}  // namespace tallowen

#include <gtest/gtest.h>

#include <cstdlib>

#include "Scratch.h"
#include "platform/InstanceLock.h"
#include "platform/Process.h"

namespace tallowen {
namespace {

using scratch::ScratchFolder;

// A second holder in the same folder is refused until the first lets go; a parallel run with
// a folder of its own is not blocked.
TEST(InstanceLock, OneHolderPerNameAndFolder) {
    ScratchFolder one, two;
    auto first = AcquireInstanceLock("TallowenLockTest", one.path());
    ASSERT_TRUE(first);
    EXPECT_FALSE(AcquireInstanceLock("TallowenLockTest", one.path()));
    EXPECT_TRUE(AcquireInstanceLock("TallowenLockTestOther", one.path()));
    auto second = AcquireInstanceLock("TallowenLockTest", two.path());
    EXPECT_TRUE(second);
    EXPECT_FALSE(AcquireInstanceLock("TallowenLockTest", two.path()));
    first.reset();
    EXPECT_TRUE(AcquireInstanceLock("TallowenLockTest", one.path()));
}

#ifndef _WIN32
// Sets (or clears, given nullptr) one environment variable for the life of the object.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        const char* before = std::getenv(name);
        had_ = before != nullptr;
        if (had_) saved_ = before;
        value ? setenv(name, value, 1) : unsetenv(name);
    }
    ~ScopedEnv() { had_ ? setenv(name_, saved_.c_str(), 1) : unsetenv(name_); }

private:
    const char* name_;
    bool had_ = false;
    std::string saved_;
};

TEST(InstanceLock, TheChosenFolderReplacesTheUsersDefault) {
    ScratchFolder folder;
    ScopedEnv chosen("TALLOWEN_LOCK_DIR", folder.path().c_str());
    auto byDefault = AcquireInstanceLock("TallowenLockTest");
    ASSERT_TRUE(byDefault);
    EXPECT_TRUE(std::filesystem::exists(folder.path() / "TallowenLockTest.lock"));
    EXPECT_FALSE(AcquireInstanceLock("TallowenLockTest", folder.path()));
}

TEST(InstanceLock, WithoutAChosenFolderTheLockLiesInTheUsersRuntimeFolder) {
    ScratchFolder runtime;
    ScopedEnv chosen("TALLOWEN_LOCK_DIR", nullptr);
    ScopedEnv xdg("XDG_RUNTIME_DIR", runtime.path().c_str());
    auto lock = AcquireInstanceLock("TallowenLockTest");
    ASSERT_TRUE(lock);
    EXPECT_TRUE(std::filesystem::exists(runtime.path() / "TallowenLockTest.lock"));
}

TEST(InstanceLock, WithoutARuntimeFolderTheLockLiesHiddenInTheHomeFolder) {
    ScratchFolder home;
    ScopedEnv chosen("TALLOWEN_LOCK_DIR", nullptr);
    ScopedEnv xdg("XDG_RUNTIME_DIR", nullptr);
    ScopedEnv homeVar("HOME", home.path().c_str());
    auto lock = AcquireInstanceLock("TallowenLockTest");
    ASSERT_TRUE(lock);
    EXPECT_TRUE(std::filesystem::exists(home.path() / ".TallowenLockTest.lock"));
}
#endif

TEST(Process, ExecutableFolderAndShortDate) {
    auto folder = ExecutableFolder();
    EXPECT_TRUE(std::filesystem::is_directory(folder));
#ifdef _WIN32
    EXPECT_NE(SystemShortDate().find_first_of("0123456789"), std::string::npos);
#else
    EXPECT_EQ(SystemShortDate(), "");  // the report falls back to year/month/day
#endif
}

}  // namespace
}  // namespace tallowen

#include <gtest/gtest.h>

#include "platform/InstanceLock.h"
#include "platform/Process.h"

namespace tallowen {
namespace {

TEST(InstanceLock, SecondHolderIsRefusedUntilTheFirstLetsGo) {
    auto first = AcquireInstanceLock("TallowenLockTest");
    ASSERT_TRUE(first);
    EXPECT_FALSE(AcquireInstanceLock("TallowenLockTest"));
    EXPECT_TRUE(AcquireInstanceLock("TallowenLockTestOther"));
    first.reset();
    EXPECT_TRUE(AcquireInstanceLock("TallowenLockTest"));
}

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

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

TEST(Process, ExecutableFolderHoldsTheTestProgram) {
    auto folder = ExecutableFolder();
    EXPECT_TRUE(std::filesystem::is_directory(folder));
}

}  // namespace
}  // namespace tallowen

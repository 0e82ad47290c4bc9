// The utility's own two keys beyond the documented ones: off unless a line turns them on, read
// by the same flag rule, and each sets only its own field.
#include <gtest/gtest.h>

#include <filesystem>

#include "common/Settings.h"

namespace tallowen {
namespace {

Settings ApplyLines(std::vector<std::string> lines) {
    Settings s;
    EXPECT_FALSE(ApplyINILines(lines, std::filesystem::path("."), s).illegal);
    return s;
}

TEST(ExtraKeys, OffByDefaultSoOldSettingsFilesChangeNothing) {
    Settings s = CommonDefaults();
    EXPECT_FALSE(s.pbnOutput);
    EXPECT_FALSE(s.doubleDummy);
    Settings old = ApplyLines({"Text Output = yes", "strict = no"});
    EXPECT_FALSE(old.pbnOutput || old.doubleDummy);
}

TEST(ExtraKeys, EachKeySetsOnlyItsOwnFlagInAnyCase) {
    Settings pbn = ApplyLines({"PBN Output = yes"});
    EXPECT_TRUE(pbn.pbnOutput);
    EXPECT_FALSE(pbn.doubleDummy);
    Settings dd = ApplyLines({"DOUBLE DUMMY = on"});
    EXPECT_TRUE(dd.doubleDummy);
    EXPECT_FALSE(dd.pbnOutput);
    EXPECT_FALSE(dd.textOutput);
}

TEST(ExtraKeys, FollowTheFlagRule) {
    EXPECT_FALSE(ApplyLines({"pbn output = yes", "Pbn Output = true"}).pbnOutput);
    EXPECT_FALSE(ApplyLines({"Double Dummy = 1"}).doubleDummy);
    EXPECT_TRUE(ApplyLines({"Double Dummy = \"Y\""}).doubleDummy);
}

}  // namespace
}  // namespace tallowen

#include <gtest/gtest.h>

#include <string>

#include "common/FolderCheck.h"

namespace tallowen {
namespace {

struct FolderCase {
    const char* folder;
    bool refused;
};

void PrintTo(const FolderCase& c, std::ostream* out) {
    *out << c.folder;
}

const char* const kWindows = "C:\\Windows";

// The watcher's words on folder names: archives, temporary folders and the Windows folder are
// refused; names that merely hold those letters are not.
class WatcherFolderTable : public ::testing::TestWithParam<FolderCase> {};
TEST_P(WatcherFolderTable, WordsApplyToFolderNames) {
    EXPECT_EQ(UnsuitableFolder(GetParam().folder, kWindows, kWatcherFolderWords),
              GetParam().refused);
}
INSTANTIATE_TEST_SUITE_P(
    Refused, WatcherFolderTable,
    ::testing::Values(FolderCase{"D:\\Downloads\\Foo.zip\\Tallowen", true},
                      FolderCase{"D:\\Downloads\\Tallowen22.ZIP", true},
                      FolderCase{"/home/u/x.LZH/Tallowen", true},
                      FolderCase{"/home/u/games.lha", true}, FolderCase{"C:\\TMP\\Tallowen", true},
                      FolderCase{"/home/u/tmp", true},
                      FolderCase{"C:\\Users\\u\\AppData\\Local\\Temp\\a", true},
                      FolderCase{"/home/u/Temporary/Tallowen", true},
                      FolderCase{"C:\\Windows", true}, FolderCase{"c:\\windows\\", true},
                      FolderCase{"C:\\WINDOWS\\System32\\Tallowen", true},
                      FolderCase{"C:/Windows/Temp2/Tallowen", true}));
INSTANTIATE_TEST_SUITE_P(Accepted, WatcherFolderTable,
                         ::testing::Values(FolderCase{"C:\\Users\\Edwin\\Tallowen", false},
                                           FolderCase{"C:\\Contemporary\\Tallowen", false},
                                           FolderCase{"C:\\Zipper\\Tallowen", false},
                                           FolderCase{"C:\\Games\\zip\\Tallowen", false},
                                           FolderCase{"C:\\Games\\tmpfiles\\Tallowen", false},
                                           FolderCase{"D:\\Windows\\Tallowen", false},
                                           FolderCase{"C:\\Windows.old\\Tallowen", false},
                                           FolderCase{"C:\\Program Files\\Windows NT", false}));

TEST(UnsuitableFolder, WithoutAWindowsFolderOnlyTheNamesCount) {
    EXPECT_FALSE(UnsuitableFolder("C:\\Windows\\Tallowen", "", kWatcherFolderWords));
    EXPECT_FALSE(UnsuitableFolder("/", "", kWatcherFolderWords));
    EXPECT_TRUE(UnsuitableFolder("C:\\Windows\\Temp", "", kWatcherFolderWords));
}

TEST(UnsuitableFolder, EachProgramRefusesOnlyItsOwnWords) {
    constexpr std::string_view kArchivesOnly[] = {".ZIP"};
    EXPECT_TRUE(UnsuitableFolder("/home/u/a.zip", "", kArchivesOnly));
    EXPECT_FALSE(UnsuitableFolder("/home/u/a.lzh", "", kArchivesOnly));
    EXPECT_FALSE(UnsuitableFolder("/home/u/Temp", "", kArchivesOnly));
    EXPECT_FALSE(UnsuitableFolder("C:\\Windows", kWindows, kArchivesOnly));
    constexpr std::string_view kWindowsOnly[] = {"WINDOWS"};
    EXPECT_TRUE(UnsuitableFolder("C:\\Windows\\Fonts", kWindows, kWindowsOnly));
    EXPECT_FALSE(UnsuitableFolder("C:\\Win", kWindows, kWindowsOnly));
}

}  // namespace
}  // namespace tallowen

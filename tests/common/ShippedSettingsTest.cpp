// The settings file that goes into the zip. A player who never edits it must get exactly what
// the programs do without it, on any Windows code page, and every line must be one the reader
// knows: an unknown key would stop the watcher at start-up.
#include <gtest/gtest.h>

#include <filesystem>

#include "Scratch.h"
#include "common/Files.h"
#include "common/Settings.h"

namespace tallowen {
namespace {

const std::filesystem::path kShipped =
    std::filesystem::path(TALLOWEN_TESTDATA).parent_path().parent_path() / "release" /
    "Tallowen.INI";

Settings WatcherDefaults() {
    Settings s = CommonDefaults();
    SetTallowenDefaults(s);
    return s;
}

TEST(ShippedSettings, PlainAsciiWithCrLfLineEnds) {
    const std::string bytes = scratch::Bytes(kShipped);
    ASSERT_FALSE(bytes.empty()) << kShipped;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        ASSERT_LT(static_cast<unsigned char>(bytes[i]), 0x80u) << "byte " << i;
        if (bytes[i] == '\n') {
            ASSERT_TRUE(i > 0 && bytes[i - 1] == '\r') << "byte " << i;
        }
    }
    EXPECT_EQ(bytes.back(), '\n');
}

// Line by line, so that a wrong default names its key.
TEST(ShippedSettings, EachLineKeepsTheWatchersDefaults) {
    auto page = scratch::Page(1252);
    ASSERT_TRUE(page);
    const TextLines text = ReadTextLines(kShipped, *page);
    ASSERT_TRUE(text.ok) << text.error;
    for (const std::string& line : text.lines) {
        std::size_t next = 0;
        if (GetKeyValue({line}, next).key.empty()) continue;
        Settings s = WatcherDefaults();
        EXPECT_FALSE(ApplyINILines({line}, kShipped.parent_path(), s).illegal) << line;
        EXPECT_TRUE(s == WatcherDefaults()) << line;
    }
}

TEST(ShippedSettings, BothProgramsReadItToTheEndAndKeepTheirDefaults) {
    for (unsigned codePage : {1252u, 932u}) {
        auto page = scratch::Page(codePage);
        ASSERT_TRUE(page);
        Settings watcher = WatcherDefaults();
        IniResult r = ReadINI(kShipped, *page, watcher);
        ASSERT_FALSE(r.fileError) << r.error;
        EXPECT_FALSE(r.illegal) << codePage << ": " << r.badKey;
        EXPECT_TRUE(watcher == WatcherDefaults()) << codePage;

        // The utility starts without the watcher's capture times; the file writes them out
        // (the utility never looks at them) and leaves everything else as the utility has it.
        Settings utility = CommonDefaults();
        EXPECT_FALSE(ReadINI(kShipped, *page, utility).illegal);
        Settings expected = CommonDefaults();
        expected.waitTimeBid = WatcherDefaults().waitTimeBid;
        expected.waitTimeHand = WatcherDefaults().waitTimeHand;
        EXPECT_TRUE(utility == expected) << codePage;
    }
}

}  // namespace
}  // namespace tallowen

// The player's guide that goes into the release: valid HTML, with the pictures and the
// sections the program and the release point players to.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/report/HtmlCheck.h"

namespace tallowen {
namespace {

const std::filesystem::path kRelease =
    std::filesystem::path(TALLOWEN_TESTDATA).parent_path().parent_path() / "release";

TEST(ShippedGuide, ValidHtmlWithItsPicturesAndEverySettingOfTheShippedFile) {
    const std::filesystem::path guide = kRelease / "guide" / "Tallowen-guide.html";
    EXPECT_VALID_HTML(guide, "utf-8");
    const std::string html = ReadFileBytes(guide);
    for (const char* picture : {"images/watcher.png", "images/day-page.png"})
        EXPECT_NE(html.find(std::string("src=\"") + picture + "\""), std::string::npos) << picture;
    // Each key the shipped settings file sets is explained in the guide.
    const std::string ini = ReadFileBytes(kRelease / "Tallowen.INI");
    for (std::size_t at = 0; at < ini.size();) {
        std::size_t end = ini.find("\r\n", at);
        if (end == std::string::npos) end = ini.size();
        const std::string line = ini.substr(at, end - at);
        at = end + 2;
        const std::size_t eq = line.find(" =");
        if (line.empty() || line[0] == '#' || eq == std::string::npos) continue;
        EXPECT_NE(html.find(line.substr(0, eq)), std::string::npos) << line.substr(0, eq);
    }
}

}  // namespace
}  // namespace tallowen

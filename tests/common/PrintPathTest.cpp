// Breaking a long path at backslashes for the message area.
#include <gtest/gtest.h>

#include "common/PrintPath.h"
#include "common/Utf8.h"

namespace tallowen {
namespace {

// 10 pixels a character, 20 for a character outside ASCII.
int Width(std::string_view text) {
    int w = 0;
    for (auto ch : SplitChars(text)) w += ch.size() == 1 ? 10 : 20;
    return w;
}

// The pieces as "text@x,line" joined by blanks, then the end x and the line count.
std::string Layout(int x, int width, const std::string& path) {
    PathLayout l = LayoutPath(x, width, Width, path);
    std::string out;
    for (const auto& p : l.pieces)
        out += p.text + "@" + std::to_string(p.x) + "," + std::to_string(p.line) + " ";
    return out + "end " + std::to_string(l.endX) + " lines " + std::to_string(l.lines);
}

struct PathCase {
    const char* why;
    int x, width;
    std::string path, layout;
};
void PrintTo(const PathCase& c, std::ostream* os) {
    *os << c.why;
}
class PrintPathTable : public ::testing::TestWithParam<PathCase> {};

TEST_P(PrintPathTable, Pieces) {
    const PathCase& c = GetParam();
    EXPECT_EQ(Layout(c.x, c.width, c.path), c.layout);
}

const std::string kWide(40, 'w');

INSTANTIATE_TEST_SUITE_P(
    Paths, PrintPathTable,
    ::testing::Values(PathCase{"fits only below the usable width", 19, 100, "C:\\ab\\cd",
                               "C:\\ab\\cd@19,0 end 99 lines 0"},
                      PathCase{"backslash goes with the next part", 100, 200,
                               "C:\\Program Files\\Tallowen\\Work",
                               "C:\\Program Files@8,1 \\Tallowen@8,2 \\Work@98,2 end 148 lines 2"},
                      PathCase{"parts stay on the line while they fit", 8, 150,
                               "D:\\a\\bb\\ccc\\dddd\\e",
                               "D:\\a@8,0 \\bb@48,0 \\ccc@78,0 \\dddd@8,1 \\e@58,1 end 78 lines 1"},
                      PathCase{"the drive is never split off", 8, 60, "C:\\x\\y",
                               "C:\\x@8,0 \\y@8,1 end 28 lines 1"},
                      PathCase{"the first search counts characters, not bytes", 8, 70,
                               "ア\\イウ\\x", "ア\\イウ@8,0 \\x@8,1 end 28 lines 1"},
                      PathCase{"a part wider than the line gets a line of its own", 120, 200,
                               "C:\\x\\" + kWide + "\\end",
                               "C:\\x@120,0 \\" + kWide + "@8,1 \\end@8,2 end 48 lines 2"},
                      PathCase{"a too-wide first part stays where it stands", 8, 100, kWide + "\\b",
                               kWide + "@8,0 \\b@8,1 end 28 lines 1"},
                      PathCase{"no backslash and no room: a new line", 150, 200, "LongFileName.brg",
                               "LongFileName.brg@8,1 end 168 lines 1"}));

TEST(PrintPath, DegenerateInputs) {
    EXPECT_EQ(LayoutPath(8, 100, Width, "").pieces.size(), 1u);
    PathLayout l = LayoutPath(8, 0, Width, "\\\\\\\\");
    std::string joined;
    for (const auto& p : l.pieces) joined += p.text;
    EXPECT_EQ(joined, "\\\\\\\\");  // nothing lost, nothing repeated
    EXPECT_EQ(LayoutPath(8, -50, Width, std::string(10000, '\\')).pieces.size(), 9998u);
    EXPECT_GT(LayoutPath(20, 100, Width, "C:\\ab\\cd").pieces.size(), 1u);  // ends at the edge
}

}  // namespace
}  // namespace tallowen

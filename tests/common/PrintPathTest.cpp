// Breaking a long path at backslashes for the message area.
#include <gtest/gtest.h>

#include "common/PrintPath.h"
#include "common/Text.h"

namespace tallowen {
namespace {

// 10 pixels a character, 20 for a character outside ASCII.
int Width(std::string_view text) {
    int w = 0;
    for (auto ch : SplitChars(text)) w += ch.size() == 1 ? 10 : 20;
    return w;
}

struct Piece {
    std::string text;
    int x;
    int line;
    friend bool operator==(const Piece&, const Piece&) = default;
    friend std::ostream& operator<<(std::ostream& os, const Piece& p) {
        return os << "{" << p.text << " @" << p.x << "," << p.line << "}";
    }
};

std::vector<Piece> Pieces(const PathLayout& layout) {
    std::vector<Piece> out;
    for (const auto& p : layout.pieces) out.push_back({p.text, p.x, p.line});
    return out;
}

TEST(PrintPath, TextThatFitsIsOnePiece) {
    PathLayout l = LayoutPath(50, 400, Width, "C:\\Games\\Tallowen");
    EXPECT_EQ(Pieces(l), (std::vector<Piece>{{"C:\\Games\\Tallowen", 50, 0}}));
    EXPECT_EQ(l.endX, 50 + 170);
    EXPECT_EQ(l.lines, 0);
}

TEST(PrintPath, FitsOnlyWhenBelowTheUsableWidth) {
    // 8 characters end exactly at the usable width: that is not below it.
    PathLayout l = LayoutPath(20, 100, Width, "C:\\ab\\cd");
    EXPECT_GT(l.pieces.size(), 1u);
    EXPECT_EQ(LayoutPath(19, 100, Width, "C:\\ab\\cd").pieces.size(), 1u);
}

TEST(PrintPath, BreaksAtBackslashesKeepingTheBackslashWithTheNextPart) {
    PathLayout l = LayoutPath(100, 200, Width, "C:\\Program Files\\Tallowen\\Work");
    EXPECT_EQ(
        Pieces(l),
        (std::vector<Piece>{{"C:\\Program Files", 8, 1}, {"\\Tallowen", 8, 2}, {"\\Work", 98, 2}}));
    EXPECT_EQ(l.endX, 148);
    EXPECT_EQ(l.lines, 2);
}

TEST(PrintPath, PartsStayOnTheLineWhileTheyFit) {
    PathLayout l = LayoutPath(8, 150, Width, "D:\\a\\bb\\ccc\\dddd\\e");
    EXPECT_EQ(
        Pieces(l),
        (std::vector<Piece>{
            {"D:\\a", 8, 0}, {"\\bb", 48, 0}, {"\\ccc", 78, 0}, {"\\dddd", 8, 1}, {"\\e", 58, 1}}));
}

TEST(PrintPath, DrivePrefixIsNeverSplitOff) {
    PathLayout l = LayoutPath(8, 60, Width, "C:\\x\\y");
    ASSERT_FALSE(l.pieces.empty());
    EXPECT_EQ(l.pieces[0].text, "C:\\x");
}

TEST(PrintPath, FirstSearchCountsCharactersNotBytes) {
    // "ア\" would be split off if the fourth byte were taken for the fourth character.
    PathLayout l = LayoutPath(8, 70, Width, "ア\\イウ\\x");
    ASSERT_FALSE(l.pieces.empty());
    EXPECT_EQ(l.pieces[0].text, "ア\\イウ");
}

TEST(PrintPath, PartWiderThanTheWholeLineGetsALineOfItsOwn) {
    std::string wide(40, 'w');
    PathLayout l = LayoutPath(120, 200, Width, "C:\\x\\" + wide + "\\end");
    EXPECT_EQ(Pieces(l),
              (std::vector<Piece>{{"C:\\x", 120, 0}, {"\\" + wide, 8, 1}, {"\\end", 8, 2}}));
    // At the line start a too-wide first part is printed where it stands, not moved down.
    l = LayoutPath(8, 100, Width, wide + "\\b");
    EXPECT_EQ(l.pieces[0].x, 8);
    EXPECT_EQ(l.pieces[0].line, 0);
}

TEST(PrintPath, TextWithoutBackslashThatDoesNotFitStartsANewLine) {
    PathLayout l = LayoutPath(150, 200, Width, "LongFileName.brg");
    EXPECT_EQ(Pieces(l), (std::vector<Piece>{{"LongFileName.brg", 8, 1}}));
    EXPECT_EQ(l.endX, 168);
}

TEST(PrintPath, DegenerateInputs) {
    EXPECT_EQ(LayoutPath(8, 100, Width, "").pieces.size(), 1u);
    PathLayout l = LayoutPath(8, 0, Width, "\\\\\\\\");
    std::string joined;
    for (const auto& p : l.pieces) joined += p.text;
    EXPECT_EQ(joined, "\\\\\\\\");  // nothing lost, nothing repeated
    l = LayoutPath(8, -50, Width, std::string(10000, '\\'));
    EXPECT_EQ(l.pieces.size(), 9998u);
}

}  // namespace
}  // namespace tallowen

// Text widths from the Liberation tables, and the two ways names are cut to fit.
#include <gtest/gtest.h>

#include "report/FontMetrics.h"

namespace tallowen {
namespace {

TEST(TableFontMetrics, FourteenPointsAtScreenResolutionIsNineteenPixels) {
    EXPECT_EQ(TableFontMetrics::PixelsPerEm(), 19);
}

// Known advances of Times New Roman and Courier New (in 2048ths of an em), scaled to 19 px.
TEST(TableFontMetrics, KnownAdvances) {
    TableFontMetrics m;
    EXPECT_EQ(m.TextWidth("A", FontFace::TimesNewRoman), 14);  // 1479 units
    EXPECT_EQ(m.TextWidth(" ", FontFace::TimesNewRoman), 5);   // 512
    EXPECT_EQ(m.TextWidth("i", FontFace::TimesNewRoman), 5);   // 569
    EXPECT_EQ(m.TextWidth("W", FontFace::TimesNewRoman), 18);  // 1933
    EXPECT_EQ(m.TextWidth("m", FontFace::CourierNew), 11);     // every glyph 1229
    EXPECT_EQ(m.TextWidth("é", FontFace::TimesNewRoman), m.TextWidth("e", FontFace::TimesNewRoman));
}

TEST(TableFontMetrics, WidthsAddUpCharacterByCharacter) {
    TableFontMetrics m;
    EXPECT_EQ(m.TextWidth("AW", FontFace::TimesNewRoman), 14 + 18);
    EXPECT_EQ(m.TextWidth("", FontFace::TimesNewRoman), 0);
    EXPECT_EQ(m.TextWidth("Alice", FontFace::CourierNew), 5 * 11);
}

TEST(TableFontMetrics, CharactersOutsideTheTableCountOneEm) {
    TableFontMetrics m;
    EXPECT_EQ(m.TextWidth("山田", FontFace::TimesNewRoman), 2 * 19);
    EXPECT_EQ(m.TextWidth("a山", FontFace::CourierNew), 11 + 19);
    EXPECT_EQ(m.TextWidth("\xFF", FontFace::CourierNew), 19);  // a broken byte
}

TEST(TruncToWidth, CutsUntilNarrowerThanTheWidth) {
    TableFontMetrics m;
    // "AAAA" is 56 px: 56 is not narrower than 56, so one A goes.
    EXPECT_EQ(TruncToWidth(m, "AAAA", 56), "AAA");
    EXPECT_EQ(TruncToWidth(m, "AAAA", 57), "AAAA");
    EXPECT_EQ(TruncToWidth(m, "AAAA", 15), "A");
    EXPECT_EQ(TruncToWidth(m, "AAAA", 14), "");
    EXPECT_EQ(TruncToWidth(m, "", 0), "");
}

TEST(TruncToWidth, CutsWholeCharactersNeverBytes) {
    TableFontMetrics m;
    EXPECT_EQ(TruncToWidth(m, "山田太郎", 40), "山田");
    EXPECT_EQ(TruncToWidth(m, "Zoë", 26), "Zo");
}

// A stand-in where each character is 10 pixels wide, to follow the cutting order exactly.
class TenPixels final : public FontMetrics {
public:
    int TextWidth(std::string_view utf8, FontFace) const override {
        return 10 * static_cast<int>(utf8.size());
    }
};

TEST(FitNames, ShortNamesStayWhole) {
    std::array<std::string, 4> names{"ann", "bob", "cy", "dee"};
    FitNames(TenPixels(), names, 350);
    EXPECT_EQ(names, (std::array<std::string, 4>{"ann", "bob", "cy", "dee"}));
}

TEST(FitNames, TakesFromTheWidestFirstOfEqualsInSeatOrder) {
    std::array<std::string, 4> names{"aaaa", "bbbbbb", "cccccc", "dd"};  // 180 px
    FitNames(TenPixels(), names, 150);  // must end below 150: 14 characters at most
    EXPECT_EQ(names, (std::array<std::string, 4>{"aaaa", "bbbb", "cccc", "dd"}));
}

TEST(FitNames, SumExactlyAtTheTotalIsStillTooWide) {
    std::array<std::string, 4> names{"aaaaa", "", "", ""};
    FitNames(TenPixels(), names, 50);
    EXPECT_EQ(names[0], "aaaa");
}

TEST(FitNames, ImpossibleTotalEndsWithEmptyNames) {
    std::array<std::string, 4> names{"ab", "c", "", "d"};
    FitNames(TenPixels(), names, 0);
    EXPECT_EQ(names, (std::array<std::string, 4>{"", "", "", ""}));
}

TEST(FitNames, CourierWidthsWithTheDefaultTotal) {
    // 11 px per character: 31 characters are 341 px (fits), 32 are 352.
    std::array<std::string, 4> names{std::string(10, 'n'), std::string(10, 'e'),
                                     std::string(6, 's'), std::string(6, 'w')};
    FitNames(TableFontMetrics(), names);
    EXPECT_EQ(names[0].size() + names[1].size() + names[2].size() + names[3].size(), 31u);
    EXPECT_EQ(names[0].size(), 9u);  // North was first of the two widest
    EXPECT_EQ(names[1].size(), 10u);
}

}  // namespace
}  // namespace tallowen

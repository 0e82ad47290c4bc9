// Text widths from the Liberation tables, and the two ways names are cut to fit.
#include <gtest/gtest.h>

#include "report/FontMetrics.h"

namespace tallowen {
namespace {

constexpr FontFace kTimes = FontFace::TimesNewRoman;
constexpr FontFace kCourier = FontFace::CourierNew;

// Fourteen points at screen resolution is 19 pixels an em. Known advances of Times New Roman
// and Courier New in 2048ths of an em are scaled to it; characters outside the table are an em.
TEST(TableFontMetrics, KnownAdvancesAddUpCharacterByCharacter) {
    TableFontMetrics m;
    EXPECT_EQ(TableFontMetrics::PixelsPerEm(), 19);
    EXPECT_EQ(m.TextWidth("AW", kTimes), 14 + 18);  // 1479 and 1933 units
    EXPECT_EQ(m.TextWidth("é", kTimes), m.TextWidth("e", kTimes));
    EXPECT_EQ(m.TextWidth("Alice", kCourier), 5 * 11);  // every glyph 1229
    EXPECT_EQ(m.TextWidth("山田", kTimes), 2 * 19);
    EXPECT_EQ(m.TextWidth("a山", kCourier), 11 + 19);
    EXPECT_EQ(m.TextWidth("\xFF", kCourier), 19);  // a broken byte
}

TEST(TruncToWidth, CutsWholeCharactersUntilNarrowerThanTheWidth) {
    TableFontMetrics m;
    // "AAAA" is 56 px: 56 is not narrower than 56, so one A goes.
    EXPECT_EQ(TruncToWidth(m, "AAAA", 56), "AAA");
    EXPECT_EQ(TruncToWidth(m, "AAAA", 57), "AAAA");
    EXPECT_EQ(TruncToWidth(m, "AAAA", 14), "");
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

using Names = std::array<std::string, 4>;

struct FitCase {
    Names names;
    int total;
    Names fitted;
};

class FitNames : public ::testing::TestWithParam<FitCase> {};

TEST_P(FitNames, TakesFromTheWidestFirstOfEqualsInSeatOrder) {
    Names names = GetParam().names;
    tallowen::FitNames(TenPixels(), names, GetParam().total);
    EXPECT_EQ(names, GetParam().fitted);
}

INSTANTIATE_TEST_SUITE_P(
    Totals, FitNames,
    ::testing::Values(FitCase{{"ann", "bob", "cy", "dee"}, 350, {"ann", "bob", "cy", "dee"}},
                      // 180 px must end below 150: 14 characters at most.
                      FitCase{
                          {"aaaa", "bbbbbb", "cccccc", "dd"}, 150, {"aaaa", "bbbb", "cccc", "dd"}},
                      // A sum exactly at the total is still too wide.
                      FitCase{{"aaaaa", "", "", ""}, 50, {"aaaa", "", "", ""}},
                      FitCase{{"ab", "c", "", "d"}, 0, {"", "", "", ""}}));

// Long names are cut by a running width: each character is measured about once, however
// long the name (a name line of a megabyte once kept the pages from being written at all).
class CountingMetrics final : public FontMetrics {
public:
    int TextWidth(std::string_view utf8, FontFace face) const override {
        measured += utf8.size();
        return table.TextWidth(utf8, face);
    }
    TableFontMetrics table;
    mutable std::size_t measured = 0;
};

TEST(LongNames, EachCharacterIsMeasuredOnceWhateverTheLength) {
    const std::string name(4000, 'n');
    CountingMetrics m;
    EXPECT_EQ(TruncToWidth(m, name, 80), TruncToWidth(TableFontMetrics(), "nnnnnnnnnnnn", 80));
    EXPECT_LE(m.measured, 2 * name.size());
    m.measured = 0;
    Names names{name, "", "山" + name, "w"};
    tallowen::FitNames(m, names);
    EXPECT_LE(m.measured, 4 * name.size());
    EXPECT_LT(m.table.TextWidth(names[0] + names[1] + names[2] + names[3], kCourier),
              kBidNamesWidth);
    EXPECT_EQ(names[3], "w");
}

}  // namespace
}  // namespace tallowen

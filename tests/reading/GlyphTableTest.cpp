#include <gtest/gtest.h>

#include "reading/GameWindows.h"
#include "reading/GlyphTable.h"
#include "sim/ImageDesktop.h"
#include "sim/NullBackends.h"

namespace tallowen {
namespace {

// The shipped glyph table, loaded afresh for each test.
class ShippedFont : public ::testing::Test {
protected:
    ShippedFont() { LoadGlyphTable(table, sound); }
    int Find(const std::string& name) const {
        for (int i = 1; i < int(table.templates.size()); ++i)
            if (table.templates[std::size_t(i)].name == name) return i;
        return 0;
    }
    const GlyphTemplate& At(int i) const { return table.templates[std::size_t(i)]; }
    std::string Names(int listNo) const {
        std::string names;
        for (int t : table.allowed[std::size_t(listNo)]) {
            if (t == 0) break;
            names += At(t).name;
        }
        return names;
    }

    GlyphTable table;
    RecordingSound sound;
};

TEST_F(ShippedFont, LoadsWithoutRepeatsAndWidthsComeFromTheDigits) {
    EXPECT_EQ(sound.beeps, 0);
    EXPECT_LT(table.setEnd[0], table.setStart[0]);  // sets 0 and 2 are empty
    EXPECT_LT(table.setEnd[2], table.setStart[2]);
    EXPECT_EQ(At(Find("W")).width, 11);  // 33 digits
    EXPECT_EQ(At(Find("@")).width, 11);  // 35 digits: the trailing two are ignored
}

TEST_F(ShippedFont, TildeIsExcludedAndNeverEntersTheIndex) {
    PrepareGlyphSet(table, 1, 1);
    const int tilde = Find("~");
    ASSERT_NE(tilde, 0);
    EXPECT_EQ(At(tilde).columns[1], 0);
    // "-" shares the first column 020 and is now the only template there.
    const int minus = Find("-");
    EXPECT_EQ(table.index[0x020], minus);
    EXPECT_EQ(At(minus).chain, 0);
}

TEST_F(ShippedFont, AccentedGlyphsUseBitElevenOnlyInTheEuropeanEditions) {
    const GlyphTemplate& t = At(Find("atilde;"));
    EXPECT_EQ(t.entityKey, 0x098);
    for (int language : {1, 2}) {
        PrepareGlyphSet(table, 1, language);
        EXPECT_EQ(t.columns[1], 0) << language;
    }
    PrepareGlyphSet(table, 1, 5);
    EXPECT_EQ(t.columns[1], 0x098);
    EXPECT_EQ(table.index[0x098], Find("a"));  // in the chain of 098 the plain "a" comes first
}

TEST_F(ShippedFont, SharedFirstColumnsChainInTableOrder) {
    PrepareGlyphSet(table, 1, 1);
    std::string chain;
    for (int t = table.index[0x100]; t != 0; t = At(t).chain) chain += At(t).name;
    EXPECT_EQ(chain, "1fft");
}

TEST_F(ShippedFont, AllowedListsFollowTheTricksLabel) {
    PrepareGlyphSet(table, 1, 1);
    EXPECT_EQ(Names(1), "0123456789");
    // "Tricks:": T, then the lower-case letters with their after-f twins, then ":".
    EXPECT_EQ(Names(0), "Tccikrrss:");
    PrepareGlyphSet(table, 1, 2);
    EXPECT_EQ(Names(0), ":");  // no kana in the font
    PrepareGlyphSet(table, 1, 10);
    EXPECT_EQ(Names(0), "Jaaddggooss:");  // "Jogadas:"; accented "a"s are entities
}

TEST(GlyphTableLoad, RepeatsBeepAndAreDroppedCommasSeparateAndAnEmptyLineEnds) {
    GlyphTable table;
    RecordingSound sound;
    LoadGlyphTable(table, sound, {"l 7FC000", "I 7FC000", "q,0F81041040881FF", "", "x 123"});
    EXPECT_EQ(sound.beeps, 1);
    ASSERT_EQ(table.setEnd[1], 2);
    EXPECT_EQ(table.templates[1].name, "l");  // the first of a repeated pattern stays
    EXPECT_EQ(table.templates[2].name, "q");
    EXPECT_EQ(table.templates[2].width, 5);
}

TEST(GlyphTableLoad, WideGlyphsLiveOnlyInJapanese) {
    GlyphTable table;
    RecordingSound sound;
    LoadGlyphTable(table, sound, {"あ 7FC7FC", "b 7FC0881041040F8"});
    const GlyphTemplate& kana = table.templates[1];
    EXPECT_EQ(kana.wideKey, 0x7FC);
    PrepareGlyphSet(table, 1, 1);
    EXPECT_EQ(table.index[0x7FC], 2);  // only "b"
    PrepareGlyphSet(table, 1, 2);
    EXPECT_EQ(table.index[0x7FC], 1);
    EXPECT_EQ(kana.chain, 2);
}

}  // namespace
}  // namespace tallowen

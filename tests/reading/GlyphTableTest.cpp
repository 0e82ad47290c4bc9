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
    GlyphTable table;
    RecordingSound sound;
};

// "~" is never matched and accented glyphs (bit 11) exist only in the European editions.
TEST_F(ShippedFont, PreparingASetDropsTildeAndKeysAccentsByEdition) {
    const GlyphTemplate& accented = At(Find("atilde;"));
    EXPECT_EQ(accented.entityKey, 0x098);
    for (int language : {1, 2}) {
        PrepareGlyphSet(table, 1, language);
        EXPECT_EQ(accented.columns[1], 0) << language;
    }
    const int tilde = Find("~");
    ASSERT_NE(tilde, 0);
    EXPECT_EQ(At(tilde).columns[1], 0);
    // "-" shares the first column 020 and is now the only template there.
    EXPECT_EQ(table.index[0x020], Find("-"));
    EXPECT_EQ(At(Find("-")).chain, 0);
    PrepareGlyphSet(table, 1, 5);
    EXPECT_EQ(accented.columns[1], 0x098);
    EXPECT_EQ(table.index[0x098], Find("a"));  // in the chain of 098 the plain "a" comes first
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

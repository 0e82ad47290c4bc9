#include <gtest/gtest.h>

#include <algorithm>

#include "reading/GameWindows.h"
#include "reading/GlyphTable.h"
#include "reading/ImageDesktop.h"

namespace tallowen {
namespace {

int FindTemplate(const GlyphTable& table, const std::string& name, int nth = 1) {
    for (int i = 1; i < int(table.templates.size()); ++i)
        if (table.templates[std::size_t(i)].name == name && --nth == 0) return i;
    return 0;
}

std::string ListNames(const GlyphTable& table, int listNo) {
    std::string names;
    for (int t : table.allowed[std::size_t(listNo)]) {
        if (t == 0) break;
        names += table.templates[std::size_t(t)].name;
    }
    return names;
}

TEST(GlyphTableLoad, ShippedFontGivesOneHundredAndTwoTemplatesInSetOne) {
    GlyphTable table;
    CountingSound sound;
    LoadGlyphTable(table, sound);
    EXPECT_EQ(sound.beeps, 0);
    EXPECT_EQ(table.setStart[1], 1);
    EXPECT_EQ(table.setEnd[1], 102);
    EXPECT_LT(table.setEnd[0], table.setStart[0]);  // sets 0 and 2 are empty
    EXPECT_LT(table.setEnd[2], table.setStart[2]);
    const GlyphTemplate& zero = table.templates[1];
    EXPECT_EQ(zero.name, "0");
    ASSERT_EQ(zero.width, 5);
    EXPECT_EQ(zero.columns[1], 0x3F8);
    EXPECT_EQ(zero.columns[5], 0x3F8);
    const GlyphTemplate& w = table.templates[std::size_t(FindTemplate(table, "W"))];
    EXPECT_EQ(w.width, 11);  // 33 digits
    const GlyphTemplate& at = table.templates[std::size_t(FindTemplate(table, "@"))];
    EXPECT_EQ(at.width, 11);  // 35 digits: the trailing two are ignored
}

TEST(GlyphTableLoad, RepeatedPatternBeepsAndIsDroppedTheFirstStays) {
    GlyphTable table;
    CountingSound sound;
    LoadGlyphTable(table, sound, {"l 7FC000", "I 7FC000", "i 5FC000", "", "x 123"});
    EXPECT_EQ(sound.beeps, 1);
    ASSERT_EQ(table.setEnd[1], 2);  // the empty line ends the list
    EXPECT_EQ(table.templates[1].name, "l");
    EXPECT_EQ(table.templates[2].name, "i");
}

TEST(GlyphTableLoad, CommaSeparatesNameAndPatternToo) {
    GlyphTable table;
    CountingSound sound;
    LoadGlyphTable(table, sound, {"q,0F81041040881FF"});
    ASSERT_EQ(table.setEnd[1], 1);
    EXPECT_EQ(table.templates[1].name, "q");
    EXPECT_EQ(table.templates[1].width, 5);
}

TEST(GlyphTableLoad, TildeIsExcludedAndNeverEntersTheIndex) {
    GlyphTable table;
    CountingSound sound;
    LoadGlyphTable(table, sound);
    PrepareGlyphSet(table, 1, 1);
    int tilde = FindTemplate(table, "~");
    ASSERT_NE(tilde, 0);
    EXPECT_EQ(table.templates[std::size_t(tilde)].columns[1], 0);
    // "-" shares the first column 020 and is now the only template there.
    int minus = FindTemplate(table, "-");
    EXPECT_EQ(table.index[0x020], minus);
    EXPECT_EQ(table.templates[std::size_t(minus)].chain, 0);
}

TEST(GlyphTableLoad, EntityGlyphsLiveOnlyInTheEuropeanEditions) {
    GlyphTable table;
    CountingSound sound;
    LoadGlyphTable(table, sound);
    int atilde = FindTemplate(table, "atilde;");
    ASSERT_NE(atilde, 0);
    const GlyphTemplate& t = table.templates[std::size_t(atilde)];
    EXPECT_EQ(t.entityKey, 0x098);
    for (int language : {1, 2}) {
        PrepareGlyphSet(table, 1, language);
        EXPECT_EQ(t.columns[1], 0) << language;
    }
    PrepareGlyphSet(table, 1, 5);
    EXPECT_EQ(t.columns[1], 0x098);
    // In the chain of 098, the plain "a" comes first.
    EXPECT_EQ(table.index[0x098], FindTemplate(table, "a"));
}

TEST(GlyphTableLoad, WideGlyphsLiveOnlyInJapanese) {
    GlyphTable table;
    CountingSound sound;
    LoadGlyphTable(table, sound, {"あ 7FC7FC", "b 7FC0881041040F8"});
    const GlyphTemplate& kana = table.templates[1];
    EXPECT_EQ(kana.wideKey, 0x7FC);
    PrepareGlyphSet(table, 1, 1);
    EXPECT_EQ(table.index[0x7FC], 2);  // only "b"
    PrepareGlyphSet(table, 1, 2);
    EXPECT_EQ(table.index[0x7FC], 1);
    EXPECT_EQ(kana.chain, 2);
}

TEST(GlyphTableIndex, TemplatesSharingAFirstColumnChainInTableOrder) {
    GlyphTable table;
    CountingSound sound;
    LoadGlyphTable(table, sound);
    PrepareGlyphSet(table, 1, 1);
    std::vector<std::string> chain;
    for (int t = table.index[0x100]; t != 0; t = table.templates[std::size_t(t)].chain)
        chain.push_back(table.templates[std::size_t(t)].name);
    EXPECT_EQ(chain, (std::vector<std::string>{"1", "f", "f", "t"}));
}

TEST(GlyphTableIndex, AllowedListsFollowTheTricksLabel) {
    GlyphTable table;
    CountingSound sound;
    LoadGlyphTable(table, sound);
    PrepareGlyphSet(table, 1, 1);
    EXPECT_EQ(ListNames(table, 1), "0123456789");
    // "Tricks:": T, then the lower-case letters with their after-f twins, then ":".
    EXPECT_EQ(ListNames(table, 0), "Tccikrrss:");
    PrepareGlyphSet(table, 1, 2);
    EXPECT_EQ(ListNames(table, 0), ":");  // no kana in the font
    PrepareGlyphSet(table, 1, 10);
    EXPECT_EQ(ListNames(table, 0), "Jaaddggooss:");  // "Jogadas:"; accented "a"s are entities
}

}  // namespace
}  // namespace tallowen

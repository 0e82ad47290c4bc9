#include <gtest/gtest.h>

#include "common/Checksum.h"
#include "common/Text.h"
#include "platform/CodePage.h"

namespace tallowen {
namespace {

TEST(PopToken, CommaFirstThenBlankThenWhole) {
    std::string t = " a, b c";
    std::string seen;
    for (int i = 0; i < 4; ++i) seen += "<" + PopToken(t) + "|" + t + ">";
    EXPECT_EQ(seen, "<a|b c><b|c><c|><|>");
}

TEST(PopNumber, LeadingNumberRoundedHalfToEvenAndClamped) {
    std::string t = "2.5,34";
    EXPECT_EQ(PopNumber(t), 2);
    EXPECT_EQ(t, "34");
    for (auto [text, number] : {std::pair{"3.5", 4}, {"-2.5", -2}, {"abc", 0}}) {
        t = text;
        EXPECT_EQ(PopNumber(t), number) << text;
    }
    t = std::string(400, '9');  // beyond a double: still the largest whole number
    EXPECT_EQ(PopNumber(t), 2147483647);
    EXPECT_DOUBLE_EQ(LeadingNumber("  1 2.5x9"), 12.5);
    EXPECT_DOUBLE_EQ(LeadingNumber("1.2.3"), 1.2);
}

TEST(ReadLineItems, FillsEveryPlace) {
    std::vector<std::string> items(4);
    ReadLineItems("AS, [KH] 2C", items);
    EXPECT_EQ(items, (std::vector<std::string>{"AS", "[KH]", "2C", ""}));
}

TEST(StripText, QuotesMarksAndNames) {
    EXPECT_EQ(StripQuotes("  \"Tallowen.CFG\" trailing"), "Tallowen.CFG");
    EXPECT_EQ(StripQuotes("  a\"open"), "open");
    EXPECT_EQ(StripMarks("??abc?"), "abc");
    EXPECT_EQ(StripMarks("???"), "");
    EXPECT_EQ(CleanName("<Alice(1500)>"), "Alice");
    EXPECT_EQ(CleanName("<"), "");
    EXPECT_EQ(CleanName("<アリス"), "アリ");  // the last character goes whole
    EXPECT_TRUE(NamesMatch("Alice", "Ali"));
    EXPECT_FALSE(NamesMatch("<Ali(12)>", "alice"));  // byte comparison keeps case
    EXPECT_FALSE(NamesMatch("Alice", ""));
}

TEST(SortStrings, StopsAtFirstEmptyEntryBothOrders) {
    std::vector<std::string> list{"b", "a", "c", "", "z"};
    EXPECT_EQ(SortStrings(list, 1), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(SortStrings(list, 0), (std::vector<std::string>{"c", "b", "a"}));
}

TEST(DisplayPath, CapitalisesWordsAndCutsAfterZip) {
    EXPECT_EQ(DisplayPath("c:\\program files\\my documents\\tallowens\\"),
              "C:\\Program Files\\My Documents\\TallowenS\\");
    EXPECT_EQ(DisplayPath("c:\\down\\archive.zip\\tallowen\\"), "C:\\Down\\Archive.Zip");
    EXPECT_EQ(DisplayPath("c:\\ibm\\handbook"), "C:\\IBM\\Handbook");
    EXPECT_EQ(DisplayPath("c:\\my documents\\mydoc\\hand\\myhand"),
              "C:\\My Documents\\MyDoc\\Hand\\MyHand");
}

TEST(CaseMapping, LatinLettersOnly) {
    EXPECT_EQ(ToLower("ÉLODIE Ab"), "élodie ab");
    EXPECT_EQ(ToUpper("straße"), "STRAßE");
    EXPECT_EQ(ToLower("パス"), "パス");
    // A lead byte cut short stands alone: the letter after it is still a letter.
    EXPECT_EQ(ToLower("\xC3"
                      "A\xC3\x89"),
              "\xC3"
              "a\xC3\xA9");
    EXPECT_EQ(ToUpper("\xA9"
                      "a"),
              "\xA9"
              "A");
}

TEST(ByteWidth, FollowsTheCodePage) {
    auto sjis = OpenCodePage(932);
    auto latin = OpenCodePage(1252);
    ASSERT_TRUE(sjis && latin);
    EXPECT_EQ(ByteWidth("日本語ab", *sjis), 8);
    EXPECT_EQ(ByteWidth("ｱ", *sjis), 1);  // half-width katakana is one byte in Shift_JIS
    EXPECT_TRUE(HasWide("aパ", *sjis));
    EXPECT_FALSE(HasWide("é", *latin));
    EXPECT_FALSE(IsWide("", *sjis));
}

TEST(Crc32, TheCheckValueOfTheStandard) {
    EXPECT_EQ(Crc32("123456789"), 0xCBF43926u);
    EXPECT_EQ(Crc32(""), 0u);
}

}  // namespace
}  // namespace tallowen

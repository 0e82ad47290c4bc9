#include <gtest/gtest.h>

#include <cstdlib>

#include "common/CodePages.h"
#include "platform/CodePage.h"

namespace tallowen {
namespace {

TEST(CodePage, OverrideSelectsTheFileCodePage) {
    const char* wanted = std::getenv("TALLOWEN_CODEPAGE");
    if (wanted) {
        EXPECT_EQ(AnsiCodePage().Number(), unsigned(std::atoi(wanted)));
    } else {
#ifndef _WIN32
        EXPECT_EQ(AnsiCodePage().Number(), 1252u);
#endif
    }
}

TEST(CodePage, ShiftJisRoundTrip) {
    auto page = OpenCodePage(932);
    ASSERT_TRUE(page);
    Converted out = page->FromUtf8("パス ブリッジ");
    EXPECT_FALSE(out.lossy);
    EXPECT_EQ(out.text, "\x83\x70\x83\x58\x20\x83\x75\x83\x8A\x83\x62\x83\x57");
    EXPECT_EQ(page->ToUtf8(out.text).text, "パス ブリッジ");
}

TEST(CodePage, UnrepresentableCharacterBecomesQuestionMarkAndIsReported) {
    auto page = OpenCodePage(1252);
    ASSERT_TRUE(page);
    Converted out = page->FromUtf8("aパb€");
    EXPECT_TRUE(out.lossy);
    EXPECT_EQ(out.text, "a?b\x80");
    EXPECT_EQ(page->ToUtf8("caf\xE9").text, "café");
    EXPECT_FALSE(page->FromUtf8("café").lossy);
}

TEST(CodePage, InvalidShiftJisNeverCrashes) {
    auto page = OpenCodePage(932);
    ASSERT_TRUE(page);
    std::string bad = "\x83";  // a lead byte with nothing after it
    Converted out = page->ToUtf8(bad);
    EXPECT_FALSE(out.text.empty());
    std::string noise;
    for (int i = 0; i < 4096; ++i) noise += char((i * 7919) & 0xFF);
    EXPECT_NO_FATAL_FAILURE(page->ToUtf8(noise));
    EXPECT_NO_FATAL_FAILURE(page->FromUtf8(noise));  // not valid UTF-8 either
}

// Through iconv, malformed UTF-8 is cut as the program's own reading cuts it: one "?" a piece,
// and the character after it kept. (On Windows the system's conversion does the cutting.)
#ifndef _WIN32
TEST(CodePage, MalformedUtf8BecomesOneMarkAPieceAndWhatFollowsIsKept) {
    auto page = OpenCodePage(1252);
    ASSERT_TRUE(page);
    Converted out = page->FromUtf8(
        "a\x80"
        "b\xE3\x81"
        "c\xC0\xAF"
        "d");
    EXPECT_EQ(out.text, "a?b?c??d");
    EXPECT_TRUE(out.lossy);
}
#endif

TEST(Latin1CodePage, QuestionMarkForWhatItLacks) {
    Latin1CodePage latin1;
    EXPECT_EQ(latin1.FromUtf8("Zoë").text, "Zo\xEB");
    EXPECT_FALSE(latin1.FromUtf8("Zoë").lossy);
    // One mark a character, whatever its length; the control codes 128-159 are no text.
    const Converted names = latin1.FromUtf8("山田 Łukasz \u0085");
    EXPECT_EQ(names.text, "?? ?ukasz ?");
    EXPECT_TRUE(names.lossy);
    // An overlong "A" is no "A"; a piece cut short is one mark.
    EXPECT_EQ(latin1.FromUtf8("\xC1\x81|\xC3").text, "??|?");
    EXPECT_EQ(latin1.ToUtf8("\x85\xE9").text, "\u0085é");
}

TEST(AsciiCodePage, EveryOtherCharacterAndEveryStrayByteIsAMark) {
    const Converted out = AsciiCodePage().FromUtf8("a\x7F é\x80山");
    EXPECT_EQ(out.text, "a\x7F ???");
    EXPECT_TRUE(out.lossy);
    EXPECT_FALSE(AsciiCodePage().FromUtf8("plain").lossy);
}

}  // namespace
}  // namespace tallowen

// The page head, style sheet, suit marks and foot in their variants.
#include <gtest/gtest.h>

#include <algorithm>

#include "common/CodePages.h"
#include "report/PageHead.h"
#include "tests/report/HtmlCheck.h"
#include "tests/report/TempFolder.h"

namespace tallowen {
namespace {

bool Has(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// The head, style rules, marks and foot of every doctype and mark style are held byte for
// byte by the golden runs, which also validate them; these are the rules they cannot show.

TEST(PageHead, TitleIsEscapedAndThePlayColourComesFromTheStyle) {
    PageStyle style;
    style.backColor5 = "#123456";
    PageText page;
    WritePageHead(page, style, "a<b&c", "TallowenUTL.exe", " 2.2", "x");
    EXPECT_TRUE(Has(page.Lines(), "<title>a&lt;b&amp;c</title>"));
    EXPECT_TRUE(
        Has(page.Lines(), " table.play{width:95%;background-color:#123456;line-height:10%}"));
    // Suits outside the range have no mark in any style.
    style.marks = SuitMarkStyle::Image;
    EXPECT_EQ(SuitMarkup(style, -1), "");
    style.marks = SuitMarkStyle::Entity;
    EXPECT_EQ(SuitMarkup(style, 4), "");
}

// The golden runs' validation means something only if the validator rejects what HTML 4.01
// forbids: here an image without alt text, which the image style once wrote.
TEST(PageValidator, RejectsAnImageWithoutAltText) {
    if (!HaveValidator()) GTEST_SKIP() << "onsgmls is not installed";
    PageText page;
    WritePageHead(page, PageStyle{}, "t", "TallowenUTL.exe", " 2.2", "d");
    page.Line(R"(<p><img src="S.gif"></p>)");
    WritePageFoot(page, PageStyle{});
    TempFolder folder;
    ASSERT_TRUE(SaveText(folder.path() / "bad.htm", page, Utf8CodePage()).ok);
    EXPECT_NE(ValidatorErrors(folder.path() / "bad.htm", "UTF-8"), "");
}

}  // namespace
}  // namespace tallowen

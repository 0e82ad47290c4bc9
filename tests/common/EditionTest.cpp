#include <gtest/gtest.h>

#include "common/Edition.h"

namespace tallowen {
namespace {

// The wide-word family runs from Italian to the last Spanish edition: its neighbours French
// and Portuguese keep the usual width, and numbers outside the editions belong to no family.
TEST(Edition, WideCardWordsAreTheItalianAndSpanishEditionsOnly) {
    for (Edition e : {Edition::Italian, Edition::Spanish, Edition::Mexican, Edition::Espanol,
                      Edition::Argentine})
        EXPECT_TRUE(HasWideCardWords(ToInt(e))) << ToInt(e);
    for (Edition e : {Edition::English, Edition::Japanese, Edition::German, Edition::French,
                      Edition::Portuguese})
        EXPECT_FALSE(HasWideCardWords(ToInt(e))) << ToInt(e);
    for (int language : {-1, 0, kLanguageCount + 1}) {
        EXPECT_FALSE(HasWideCardWords(language)) << language;
        EXPECT_FALSE(IsEdition(language)) << language;
    }
    EXPECT_TRUE(IsEdition(ToInt(Edition::English)));
    EXPECT_TRUE(IsEdition(ToInt(Edition::Portuguese)));
}

}  // namespace
}  // namespace tallowen

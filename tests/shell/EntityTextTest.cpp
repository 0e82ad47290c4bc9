// Texts with entities, as the messages keep them, turned into characters.
#include "DrawingFixture.h"
#include "shell/EntityText.h"

namespace tallowen::testing {
namespace {

struct EntityCase {
    const char* text;
    std::string bytes;
};
class Entities : public ::testing::TestWithParam<EntityCase> {};
TEST_P(Entities, BecomeSingleByteCharacters) {
    EXPECT_EQ(EntityToSingleByte(GetParam().text), GetParam().bytes);
}
INSTANTIATE_TEST_SUITE_P(
    EntityText, Entities,
    ::testing::Values(EntityCase{"R&amp;D", "R&D"}, EntityCase{"a&nbsp;b", "a b"},
                      EntityCase{"&euro;5",
                                 "\x80"
                                 "5"},
                      EntityCase{"&quot;x&quot;", "\"x\""}, EntityCase{"&atilde;", "\xE3"},
                      EntityCase{"&sbquo;&Yuml;&yuml;", "\x82\x9F\xFF"}, EntityCase{"&8D;", "\x8D"},
                      EntityCase{"&lt;&bogus;!", "!"}, EntityCase{"AT&T rocks", "AT&T rocks"},
                      EntityCase{"caf\xC3\xA9\t!", "caf!"},
                      EntityCase{"&Atilde;&atilde;", "\xC3\xE3"}));

TEST(EntityText, DrawsTheCharactersTheBytesStandFor) {
    RecordingCanvas canvas;
    const FontSpec font{"Arial", 10, false};
    DrawEntityText(canvas, 5, 6, "&euro;&nbsp;&pound;&9D;&hellip;", font, 0);
    ASSERT_EQ(canvas.Texts().size(), 1u);
    EXPECT_EQ(canvas.Texts()[0].text, "€ £…");
    EXPECT_EQ(canvas.Texts()[0].rect.left, 5);
    EXPECT_EQ(DrawEntityText(canvas, 0, 0, "&bogus;\x01", font, 0), 0);
    EXPECT_EQ(canvas.Texts().size(), 1u) << "nothing left to draw";
    EXPECT_EQ(DecodeEntities("&euro; &trade; &81;"), "€ ™ &81;");
}

}  // namespace
}  // namespace tallowen::testing

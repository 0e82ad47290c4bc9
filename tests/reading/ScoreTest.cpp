#include <gtest/gtest.h>

#include "ReadingFixture.h"
#include "reading/Score.h"

namespace tallowen {
namespace {

using testing::ReadingRig;
using testing::ScorePicture;

struct ScoreRig : ReadingRig {
    ScoreRig(ScorePicture p, int height = 120, int language = 1)
        : ReadingRig(Image555(), language, "Bridge Score"), picture(std::move(p)) {
        picture.Paint(desktop.Picture(), height);
        desktop.SetPlace(Rect{300, 200, 300 + picture.width, 200 + height});
        desktop.repaint = [this](Image555& image, int, int h) { picture.Paint(image, h); };
    }
    void Read() { CaptScore(ctx, scores, error); }

    ScorePicture picture;
    ScorePair scores;
    std::int32_t error = -1;
};

ScorePicture Scores(std::string left, std::string right, std::string vulLeft = "",
                    std::string vulRight = "") {
    ScorePicture p;
    p.score[0] = std::move(left);
    p.score[1] = std::move(right);
    p.vulnerable[0] = std::move(vulLeft);
    p.vulnerable[1] = std::move(vulRight);
    return p;
}

TEST(ScoreReadingTest, PositiveAndNegativeScoresEndingInZeroAreTaken) {
    ScoreRig rig(Scores("120", "-50", "Vulnerable", "Vulnerable"));
    rig.Read();
    EXPECT_EQ(rig.error, kScoreRead);
    EXPECT_EQ(rig.scores[0], (ScoreVul{120, 1}));
    EXPECT_EQ(rig.scores[1], (ScoreVul{-50, 1}));
    EXPECT_FALSE(rig.desktop.Topmost());
    EXPECT_TRUE(rig.desktop.Minimized());
    EXPECT_EQ(rig.desktop.Copies(), 1);
}

TEST(ScoreReadingTest, WordOnlyOnTheRightGivesZeroAndOne) {
    ScoreRig rig(Scores("430", "1370", "", "Vulnerable"));
    rig.Read();
    EXPECT_EQ(rig.error, kScoreRead);
    EXPECT_EQ(rig.scores[0], (ScoreVul{430, 0}));
    EXPECT_EQ(rig.scores[1], (ScoreVul{1370, 1}));
}

TEST(ScoreReadingTest, ZeroScoresAreReadEvenWithoutInkInTheirTopRow) {
    ScoreRig rig(Scores("0", "20"));
    rig.Read();
    EXPECT_EQ(rig.error, kScoreRead);
    EXPECT_EQ(rig.scores[0], (ScoreVul{0, 0}));
    EXPECT_EQ(rig.scores[1], (ScoreVul{20, 0}));
}

TEST(ScoreReadingTest, ScoreNotEndingInZeroIsReadAgainThenGivenUp) {
    ScoreRig rig(Scores("125", "50"));
    rig.Read();
    EXPECT_EQ(rig.error, kScoreUnreadable);
    EXPECT_EQ(rig.desktop.Copies(), 4);
    EXPECT_TRUE(rig.desktop.Minimized());
}

TEST(ScoreReadingTest, LetterOInsteadOfAZeroIsNotANumber) {
    ScoreRig rig(Scores("O", "50"));
    rig.Read();
    EXPECT_EQ(rig.error, kScoreBadNumber);
    EXPECT_EQ(rig.desktop.Copies(), 1);
}

TEST(ScoreReadingTest, UnreadableDigitIsAnError) {
    ScoreRig rig(Scores("1{#}0", "50"));
    rig.Read();
    EXPECT_EQ(rig.error, kScoreBadNumber);
}

TEST(ScoreReadingTest, OtherTextInEveryTriedRowIsError5) {
    ScoreRig rig(Scores("100", "200", "Not", "Vul"));
    rig.Read();
    EXPECT_EQ(rig.error, kScoreBadVulnerable);
    EXPECT_EQ(rig.scores[0].Score, 100);  // what was read stays
    EXPECT_EQ(rig.scores[0].Vul, -1);
    EXPECT_TRUE(rig.desktop.Minimized());
}

TEST(ScoreReadingTest, JapaneseWordCannotBeReadWithTheShippedFont) {
    ScoreRig rig(Scores("100", "200", "{バ}{ル}", ""), 120, 2);
    rig.Read();
    EXPECT_EQ(rig.error, kScoreBadVulnerable);
    EXPECT_EQ(rig.scores[1].Score, 200);
}

struct VulCase {
    int language;
    const char* word;
};

class VulnerableWords : public ::testing::TestWithParam<VulCase> {};

TEST_P(VulnerableWords, AreReadInTheirEdition) {
    ScoreRig rig(Scores("600", "-100", GetParam().word, ""), 120, GetParam().language);
    rig.Read();
    EXPECT_EQ(rig.error, kScoreRead);
    EXPECT_EQ(rig.scores[0], (ScoreVul{600, 1}));
    EXPECT_EQ(rig.scores[1], (ScoreVul{-100, 0}));
}

INSTANTIATE_TEST_SUITE_P(Editions, VulnerableWords,
                         ::testing::Values(VulCase{1, "Vulnerable"}, VulCase{3, "Gefahr"},
                                           VulCase{5, "Vulnerabile"}, VulCase{10, "Vulneravel"}));

TEST(ScoreReadingTest, WordOfAnotherEditionIsError5) {
    ScoreRig rig(Scores("600", "-100", "Gefahr", ""), 120, 1);
    rig.Read();
    EXPECT_EQ(rig.error, kScoreBadVulnerable);
}

TEST(ScoreReadingTest, ShortWindowIsGrownAndReadAgain) {
    ScorePicture p = Scores("70", "80");
    p.bandTop = 80;  // laid out from the top: at 90 rows the line below the band is cut
    ScoreRig rig(p, 90);
    rig.Read();
    EXPECT_EQ(rig.error, kScoreRead);
    EXPECT_EQ(rig.scores[0].Score, 70);
    EXPECT_EQ(rig.scores[1].Score, 80);
    EXPECT_EQ(rig.desktop.Place().Height(), 108);
    EXPECT_EQ(rig.desktop.Copies(), 2);
}

TEST(ScoreReadingTest, ShowScoreLeavesTheWindowOpen) {
    ScoreRig rig(Scores("120", "-50"));
    rig.ctx.showScore = true;
    rig.Read();
    EXPECT_FALSE(rig.desktop.Minimized());
    EXPECT_FALSE(rig.desktop.Topmost());
}

TEST(ScoreReadingTest, WindowThatCannotBeCopiedIsUnreadable) {
    ScoreRig rig(Scores("120", "-50"));
    rig.desktop.FailCopies(true);
    rig.Read();
    EXPECT_EQ(rig.error, kScoreUnreadable);
    EXPECT_EQ(rig.scores[0], ScoreVul{});
}

}  // namespace
}  // namespace tallowen

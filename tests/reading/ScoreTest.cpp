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
    void Read(bool leaveShown = false) {
        const ScoreReading read = CaptScore(ctx, leaveShown);
        scores = read.scores;
        error = read.result;
    }

    ScorePicture picture;
    ScorePair scores;
    CaptureResult error{};
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

struct ScoreCase {
    const char* name;
    ScorePicture picture;
    int language;
    CaptureResult error;
    ScoreVul left, right;  // Score -1: not checked
    int copies;
};

class ScoreReadingTest : public ::testing::TestWithParam<ScoreCase> {};

TEST_P(ScoreReadingTest, ReadsBothSides) {
    const ScoreCase& c = GetParam();
    ScoreRig rig(c.picture, 120, c.language);
    rig.Read();
    EXPECT_EQ(rig.error, c.error);
    if (c.left.Score != -1) {
        EXPECT_EQ(rig.scores[0], c.left);
    }
    if (c.right.Score != -1) {
        EXPECT_EQ(rig.scores[1], c.right);
    }
    EXPECT_EQ(rig.desktop.Copies(), c.copies);
    EXPECT_FALSE(rig.desktop.Topmost());
    EXPECT_TRUE(rig.desktop.Minimized());
}

constexpr ScoreVul kAny{-1, 0};

// clang-format off
INSTANTIATE_TEST_SUITE_P(Windows, ScoreReadingTest, ::testing::Values(
    ScoreCase{"WordOnlyOnTheRight", Scores("430", "1370", "", "Vulnerable"),
              1, CaptureResult::Read, {430, 0}, {1370, 1}, 1},
    // A zero has no ink in the top row the others are found by.
    ScoreCase{"ZeroScores", Scores("0", "20"), 1, CaptureResult::Read, {0, 0}, {20, 0}, 1},
    // A side with nothing on the board shows no number: its score is 0, not unknown.
    ScoreCase{"EmptyScoreIsZero", Scores("", "50"), 1, CaptureResult::Read, {0, 0}, {50, 0}, 1},
    ScoreCase{"NotEndingInZeroIsReadAgainThenGivenUp", Scores("125", "50"),
              1, CaptureResult::ScoreUnreadable, kAny, kAny, 4},
    ScoreCase{"LetterOIsNoNumber", Scores("O", "50"), 1, CaptureResult::BadScoreNumber, kAny, kAny, 1},
    ScoreCase{"UnreadableDigit", Scores("1{#}0", "50"), 1, CaptureResult::BadScoreNumber, kAny, kAny, 1},
    // What was read stays.
    ScoreCase{"OtherTextIsError5", Scores("100", "200", "Not", "Vul"),
              1, CaptureResult::BadVulnerable, {100, -1}, kAny, 1},
    ScoreCase{"WordOfAnotherEditionIsError5", Scores("600", "-100", "Gefahr", ""),
              1, CaptureResult::BadVulnerable, kAny, kAny, 1},
    // The shipped font has no kana: the Japanese word reads as marks.
    ScoreCase{"JapaneseWordIsError5", Scores("100", "200", "{バ}{ル}", ""),
              2, CaptureResult::BadVulnerable, kAny, {200, -1}, 1}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(ScoreWindow, ShortWindowIsGrownAndReadAgain) {
    ScorePicture p = Scores("70", "80");
    p.bandTop = 80;  // laid out from the top: at 90 rows the line below the band is cut
    ScoreRig rig(p, 90);
    rig.Read();
    EXPECT_EQ(rig.error, CaptureResult::Read);
    EXPECT_EQ(rig.scores[0].Score, 70);
    EXPECT_EQ(rig.scores[1].Score, 80);
    EXPECT_EQ(rig.desktop.Place().Height(), 108);
    EXPECT_EQ(rig.desktop.Copies(), 2);
}

TEST(ScoreWindow, ShowScoreLeavesItOpenAndAnUncopiableOneIsUnreadable) {
    ScoreRig shown(Scores("120", "-50"));
    shown.Read(true);
    EXPECT_FALSE(shown.desktop.Minimized());
    EXPECT_FALSE(shown.desktop.Topmost());

    ScoreRig rig(Scores("120", "-50"));
    rig.desktop.FailCopies(true);
    rig.Read();
    EXPECT_EQ(rig.error, CaptureResult::ScoreUnreadable);
    EXPECT_EQ(rig.scores[0], ScoreVul{});
}

}  // namespace
}  // namespace tallowen

#include <gtest/gtest.h>

#include "ReadingFixture.h"
#include "reading/Bidding.h"

namespace tallowen {
namespace {

using testing::BiddingPicture;
using testing::ReadingRig;

using Row = std::vector<std::string>;
using Rows = std::vector<Row>;

// A bidding window that shows `shown` rows and redraws itself when it is made taller.
struct AuctionRig : ReadingRig {
    AuctionRig(Rows rows, int shown, int language = 1) : ReadingRig(Image555(), language) {
        picture.rows = std::move(rows);
        const int height = BiddingPicture::HeightFor(shown);
        picture.Paint(desktop.Picture(), height);
        desktop.SetPlace(Rect{100, 100, 100 + picture.width, 100 + height});
        desktop.repaint = [this](Image555& image, int, int h) { picture.Paint(image, h); };
    }
    void Read() { CaptAuction(ctx, record, error); }
    Row RowOf(int r) const {
        Row row;
        for (int c = 0; c < 4; ++c) row.push_back(record.calls[std::size_t(c)][std::size_t(r)]);
        return row;
    }

    BiddingPicture picture;
    AuctionReading record;
    std::int32_t error = -1;
};

struct AuctionCase {
    const char* name;
    Rows shown;
    int language;
    std::int32_t error;
    int rows;         // rows of the record
    int checkRow;     // a row to compare
    Row expectedRow;  // as recorded (calls in English)
};

void PrintTo(const AuctionCase& c, std::ostream* os) {
    *os << c.name;
}

class AuctionReadingTest : public ::testing::TestWithParam<AuctionCase> {};

TEST_P(AuctionReadingTest, ReadsTheGrid) {
    const AuctionCase& c = GetParam();
    AuctionRig rig(c.shown, 10, c.language);
    rig.Read();
    EXPECT_EQ(rig.error, c.error);
    EXPECT_EQ(rig.record.rows, c.rows);
    EXPECT_EQ(rig.RowOf(c.checkRow), c.expectedRow);
    EXPECT_EQ(rig.desktop.Copies(), 1);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Auctions, AuctionReadingTest, ::testing::Values(
    AuctionCase{"OpeningAndThreePasses", {{"1C", "Pass", "Pass", "Pass"}},
                1, kAuctionRead, 1, 1, {"1C", "Pass", "Pass", "Pass"}},
    AuctionCase{"FourPassesEndTheFirstRow", {{"Pass", "Pass", "Pass", "Pass"}, {"1C", "", "", ""}},
                1, kAuctionRead, 1, 2, {"", "", "", ""}},
    AuctionCase{"DealerInTheThirdColumn", {{"", "", "1NT", "Pass"}, {"3NT", "Pass", "Pass", "Pass"}},
                1, kAuctionRead, 2, 1, {"", "", "1NT", "Pass"}},
    AuctionCase{"InProgressIsIncomplete", {{"1D", "1H", "X", "2S"}, {"Pass", "3H", "", ""}},
                1, kAuctionIncomplete, 2, 2, {"Pass", "3H", "", ""}},
    AuctionCase{"EmptyFirstRowIsIncomplete", {},
                1, kAuctionIncomplete, 1, 1, {"", "", "", ""}},
    AuctionCase{"UnreadableCallIsAGapAndEndsTheRow", {{"1S", "{#}", "Pass", "Pass"}},
                1, kAuctionIncomplete, 1, 1, {"1S", "", "", ""}},
    AuctionCase{"TenRowsWithoutAnEndReadAll", Rows(10, {"1C", "1D", "1H", "1S"}),
                1, kAuctionRead, 11, 10, {"1C", "1D", "1H", "1S"}},
    AuctionCase{"GermanSaIsNoTrump", {{"1SA", "Passe", "3SA", "Passe"}, {"Passe", "Passe", "", ""}},
                3, kAuctionRead, 2, 1, {"1NT", "Passe", "3NT", "Passe"}},
    AuctionCase{"ItalianSuits", {{"1F", "1Q", "1C", "1P"}, {"2NT", "Passo", "Passo", "Passo"}},
                5, kAuctionRead, 2, 1, {"1C", "1D", "1H", "1S"}},
    AuctionCase{"PortugueseKeepsEnglishLetters", {{"1C", "1NT", "Passo", "Passo"}, {"Passo", "", "", ""}},
                10, kAuctionRead, 2, 1, {"1C", "1NT", "Passo", "Passo"}}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(AuctionWindow, HeadingsReadWholeAndTheWindowComesToTheTop) {
    AuctionRig rig({{"1C", "Pass", "Pass", "Pass"}}, 8);
    rig.Read();
    // The first heading starts right after the line's first slot.
    EXPECT_EQ(rig.record.headings, (std::array<std::string, 4>{"Ann", "Bob", "Cid", "Dee"}));
    EXPECT_TRUE(rig.desktop.Topmost());
}

TEST(AuctionWindow, TallAuctionGrowsTheWindowTwiceAndReadsAllRows) {
    Rows rows(8, {"2C", "Pass", "2D", "Pass"});
    rows.push_back({"7NT", "Pass", "Pass", "Pass"});  // row 9 ends it
    AuctionRig rig(rows, 7);
    const int before = rig.desktop.Place().Height();
    rig.Read();
    EXPECT_EQ(rig.error, kAuctionRead);
    EXPECT_EQ(rig.record.rows, 9);
    EXPECT_EQ(rig.RowOf(9)[0], "7NT");
    EXPECT_EQ(rig.desktop.Place().Height(), before + 2 * 18);
    EXPECT_EQ(rig.desktop.Place().left, 100);  // grown where it stands
    EXPECT_EQ(rig.desktop.Copies(), 3);
}

TEST(AuctionWindow, WithoutHeadingsThereIsNoAuction) {
    AuctionRig rig({{"1C", "Pass", "Pass", "Pass"}}, 8);
    rig.picture.headings = {"", "", "", ""};
    rig.picture.Paint(rig.desktop.Picture(), BiddingPicture::HeightFor(8));
    rig.Read();
    EXPECT_EQ(rig.error, kAuctionRead);
    EXPECT_EQ(rig.record.rows, 0);
    EXPECT_EQ(rig.desktop.Copies(), 1);
}

TEST(AuctionWindow, UncopiableOrHeadingOnTheFirstRowIsUnreadable) {
    AuctionRig rig({{"1C", "Pass", "Pass", "Pass"}}, 8);
    rig.desktop.FailCopies(true);
    rig.Read();
    EXPECT_EQ(rig.error, kAuctionUnreadable);

    AuctionRig black({{"1C", "Pass", "Pass", "Pass"}}, 8);
    black.desktop.Picture().Fill(0, 1, 300, 2, testing::kBlack);  // black at row 1
    black.desktop.repaint = nullptr;
    black.Read();
    EXPECT_EQ(black.error, kAuctionUnreadable);
    EXPECT_EQ(black.desktop.Copies(), 4);  // retried
}

struct StrainCase {
    int language;
    const char* call;
    const char* expected;
};

class StrainLetters : public ::testing::TestWithParam<StrainCase> {};

TEST_P(StrainLetters, BecomeEnglish) {
    EXPECT_EQ(ConvertStrain(GetParam().call, GetParam().language), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Editions, StrainLetters,
                         ::testing::Values(StrainCase{6, "2ST", "2NT"}, StrainCase{6, "3P", "3S"},
                                           StrainCase{6, "1R", "1D"}, StrainCase{6, "1T", "1C"},
                                           StrainCase{3, "1SA", "1NT"}, StrainCase{3, "2C", "2H"},
                                           StrainCase{3, "4P", "4S"}, StrainCase{5, "4Q", "4D"},
                                           StrainCase{5, "3NT", "3NT"}, StrainCase{5, "2F", "2C"},
                                           StrainCase{7, "2ST", "2NT"}, StrainCase{8, "5D", "5D"},
                                           StrainCase{9, "6C", "6H"}, StrainCase{9, "1Z", "1"},
                                           StrainCase{4, "1T", "1T"}, StrainCase{10, "2P", "2P"},
                                           StrainCase{1, "1NT", "1NT"}, StrainCase{2, "1S", "1S"},
                                           StrainCase{6, "Paso", "Paso"}, StrainCase{6, "8P", "8P"},
                                           StrainCase{6, "", ""}));

}  // namespace
}  // namespace tallowen

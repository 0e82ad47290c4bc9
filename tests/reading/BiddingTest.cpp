#include <gtest/gtest.h>

#include "ReadingFixture.h"
#include "reading/Bidding.h"

namespace tallowen {
namespace {

using testing::BiddingPicture;
using testing::ReadingRig;

using Rows = std::vector<std::vector<std::string>>;

// A bidding window that shows `shown` rows and redraws itself when it is made taller.
struct AuctionRig : ReadingRig {
    AuctionRig(BiddingPicture p, int shown, int language = 1)
        : ReadingRig(Image555(), language), picture(std::move(p)) {
        picture.Paint(desktop.Picture(), BiddingPicture::HeightFor(shown));
        desktop.SetPlace(
            Rect{100, 100, 100 + picture.width, 100 + BiddingPicture::HeightFor(shown)});
        desktop.repaint = [this](Image555& image, int, int height) {
            picture.Paint(image, height);
        };
    }
    void Read() { CaptAuction(ctx, record, error); }
    std::vector<std::string> Row(int r) const {
        std::vector<std::string> row;
        for (int c = 0; c < 4; ++c) row.push_back(record.calls[std::size_t(c)][std::size_t(r)]);
        return row;
    }

    BiddingPicture picture;
    AuctionReading record;
    std::int32_t error = -1;
};

BiddingPicture Auction(Rows rows) {
    BiddingPicture p;
    p.rows = std::move(rows);
    return p;
}

TEST(AuctionReadingTest, OpeningBidAndThreePassesEndAfterTheThirdPass) {
    AuctionRig rig(Auction({{"1C", "Pass", "Pass", "Pass"}}), 8);
    rig.Read();
    EXPECT_EQ(rig.error, kAuctionRead);
    EXPECT_EQ(rig.record.rows, 1);
    EXPECT_EQ(rig.Row(1), (std::vector<std::string>{"1C", "Pass", "Pass", "Pass"}));
    // The first heading starts right after the line's first slot and reads whole.
    EXPECT_EQ(rig.record.headings, (std::array<std::string, 4>{"Ann", "Bob", "Cid", "Dee"}));
    EXPECT_TRUE(rig.desktop.Topmost());
}

TEST(AuctionReadingTest, FourPassesEndTheFirstRow) {
    AuctionRig rig(Auction({{"Pass", "Pass", "Pass", "Pass"}, {"1C", "", "", ""}}), 8);
    rig.Read();
    EXPECT_EQ(rig.error, kAuctionRead);
    EXPECT_EQ(rig.record.rows, 1);
    EXPECT_EQ(rig.Row(2), (std::vector<std::string>{"", "", "", ""}));
}

TEST(AuctionReadingTest, DealerInTheThirdColumnLeavesTwoEmptyCells) {
    AuctionRig rig(Auction({{"", "", "1NT", "Pass"}, {"3NT", "Pass", "Pass", "Pass"}}), 8);
    rig.Read();
    EXPECT_EQ(rig.error, kAuctionRead);
    EXPECT_EQ(rig.record.rows, 2);
    EXPECT_EQ(rig.Row(1), (std::vector<std::string>{"", "", "1NT", "Pass"}));
    EXPECT_EQ(rig.Row(2)[0], "3NT");
}

TEST(AuctionReadingTest, AuctionInProgressIsIncomplete) {
    AuctionRig rig(Auction({{"1D", "1H", "X", "2S"}, {"Pass", "3H", "", ""}}), 8);
    rig.Read();
    EXPECT_EQ(rig.error, kAuctionIncomplete);
    EXPECT_EQ(rig.record.rows, 2);
    EXPECT_EQ(rig.Row(2), (std::vector<std::string>{"Pass", "3H", "", ""}));
    EXPECT_EQ(rig.Row(1)[2], "X");
}

TEST(AuctionReadingTest, EmptyFirstRowIsIncomplete) {
    AuctionRig rig(Auction({}), 8);
    rig.Read();
    EXPECT_EQ(rig.error, kAuctionIncomplete);
    EXPECT_EQ(rig.record.rows, 1);
}

TEST(AuctionReadingTest, UnreadableCallCountsAsAGap) {
    AuctionRig rig(Auction({{"1S", "{#}", "Pass", "Pass"}}), 8);
    rig.Read();
    EXPECT_EQ(rig.error, kAuctionIncomplete);
}

TEST(AuctionReadingTest, TallAuctionGrowsTheWindowTwiceAndReadsAllRows) {
    Rows rows;
    for (int r = 0; r < 8; ++r) rows.push_back({"2C", "Pass", "2D", "Pass"});
    rows.push_back({"7NT", "Pass", "Pass", "Pass"});  // row 9 ends it
    AuctionRig rig(Auction(rows), 7);
    const int before = rig.desktop.Place().Height();
    rig.Read();
    EXPECT_EQ(rig.error, kAuctionRead);
    EXPECT_EQ(rig.record.rows, 9);
    EXPECT_EQ(rig.Row(9)[0], "7NT");
    EXPECT_EQ(rig.desktop.Place().Height(), before + 2 * 18);
    EXPECT_EQ(rig.desktop.Place().left, 100);  // grown where it stands
    EXPECT_EQ(rig.desktop.Copies(), 3);
}

TEST(AuctionReadingTest, TenRowsWithoutAnEndReadAll) {
    Rows rows(10, {"1C", "1D", "1H", "1S"});
    AuctionRig rig(Auction(rows), 10);
    rig.Read();
    EXPECT_EQ(rig.error, kAuctionRead);
    EXPECT_EQ(rig.record.rows, 11);
    EXPECT_EQ(rig.Row(10)[3], "1S");
    EXPECT_EQ(rig.desktop.Copies(), 1);
}

TEST(AuctionReadingTest, WindowWithoutHeadingShowsNoAuction) {
    AuctionRig rig(Auction({{"1C", "Pass", "Pass", "Pass"}}), 8);
    rig.picture.headings = {"", "", "", ""};
    rig.picture.Paint(rig.desktop.Picture(), BiddingPicture::HeightFor(8));
    rig.Read();
    EXPECT_EQ(rig.error, kAuctionRead);
    EXPECT_EQ(rig.record.rows, 0);
    EXPECT_EQ(rig.desktop.Copies(), 1);
}

TEST(AuctionReadingTest, WindowThatCannotBeCopiedIsUnreadableNotEmpty) {
    AuctionRig rig(Auction({{"1C", "Pass", "Pass", "Pass"}}), 8);
    rig.desktop.FailCopies(true);
    rig.Read();
    EXPECT_EQ(rig.error, kAuctionUnreadable);
}

TEST(AuctionReadingTest, HeadingOnTheFirstRowIsRetriedThenUnreadable) {
    AuctionRig rig(Auction({{"1C", "Pass", "Pass", "Pass"}}), 8);
    rig.desktop.Picture().Fill(0, 1, 300, 2, testing::kBlack);  // black at row 1
    rig.desktop.repaint = nullptr;
    rig.Read();
    EXPECT_EQ(rig.error, kAuctionUnreadable);
    EXPECT_EQ(rig.desktop.Copies(), 4);
}

TEST(AuctionReadingTest, GermanCallsUseSaForNoTrump) {
    AuctionRig rig(Auction({{"1SA", "Passe", "3SA", "Passe"}, {"Passe", "Passe", "", ""}}), 8, 3);
    rig.Read();
    EXPECT_EQ(rig.error, kAuctionRead);
    EXPECT_EQ(rig.Row(1), (std::vector<std::string>{"1NT", "Passe", "3NT", "Passe"}));
}

TEST(AuctionReadingTest, ItalianAndPortugueseCalls) {
    AuctionRig it(Auction({{"1F", "1Q", "1C", "1P"}, {"2NT", "Passo", "Passo", "Passo"}}), 8, 5);
    it.Read();
    EXPECT_EQ(it.Row(1), (std::vector<std::string>{"1C", "1D", "1H", "1S"}));
    EXPECT_EQ(it.Row(2)[0], "2NT");
    AuctionRig pt(Auction({{"1C", "1NT", "Passo", "Passo"}, {"Passo", "", "", ""}}), 8, 10);
    pt.Read();
    EXPECT_EQ(pt.error, kAuctionRead);
    EXPECT_EQ(pt.Row(1), (std::vector<std::string>{"1C", "1NT", "Passo", "Passo"}));
}

struct StrainCase {
    int language;
    const char* call;
    const char* expected;
};

class StrainLetters : public ::testing::TestWithParam<StrainCase> {};

TEST_P(StrainLetters, BecomeEnglish) {
    const StrainCase& c = GetParam();
    EXPECT_EQ(ConvertStrain(c.call, c.language), c.expected);
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

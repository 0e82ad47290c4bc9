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
    void Read() {
        record = CaptAuction(ctx);
        error = record.result;
    }
    Row RowOf(int r) const {
        Row row;
        for (int c = 0; c < 4; ++c) row.push_back(record.calls[std::size_t(c)][std::size_t(r)]);
        return row;
    }

    BiddingPicture picture;
    AuctionReading record;
    CaptureResult error{};
};

struct AuctionCase {
    const char* name;
    Rows shown;
    int language;
    CaptureResult error;
    int rows;         // rows of the record
    int checkRow;     // a row to compare
    Row expectedRow;  // as recorded (calls in English)
};

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
// Normal auctions of every edition are read from the simulated client (tests/sim); here the
// ends and gaps.
INSTANTIATE_TEST_SUITE_P(Auctions, AuctionReadingTest, ::testing::Values(
    AuctionCase{"FourPassesEndTheFirstRow", {{"Pass", "Pass", "Pass", "Pass"}, {"1C", "", "", ""}},
                1, CaptureResult::Read, 1, 2, {"", "", "", ""}},
    AuctionCase{"DealerInTheThirdColumn", {{"", "", "1NT", "Pass"}, {"3NT", "Pass", "Pass", "Pass"}},
                1, CaptureResult::Read, 2, 1, {"", "", "1NT", "Pass"}},
    AuctionCase{"InProgressIsIncomplete", {{"1D", "1H", "X", "2S"}, {"Pass", "3H", "", ""}},
                1, CaptureResult::AuctionIncomplete, 2, 2, {"Pass", "3H", "", ""}},
    AuctionCase{"EmptyFirstRowIsIncomplete", {},
                1, CaptureResult::AuctionIncomplete, 1, 1, {"", "", "", ""}},
    AuctionCase{"UnreadableCallIsAGapAndEndsTheRow", {{"1S", "{#}", "Pass", "Pass"}},
                1, CaptureResult::AuctionIncomplete, 1, 1, {"1S", "", "", ""}},
    AuctionCase{"TenRowsWithoutAnEndReadAll", Rows(10, {"1C", "1D", "1H", "1S"}),
                1, CaptureResult::Read, 11, 10, {"1C", "1D", "1H", "1S"}}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(AuctionWindow, TallAuctionGrowsTheWindowTwiceAndReadsHeadingsAndAllRows) {
    Rows rows(8, {"2C", "Pass", "2D", "Pass"});
    rows.push_back({"7NT", "Pass", "Pass", "Pass"});  // row 9 ends it
    AuctionRig rig(rows, 7);
    const int before = rig.desktop.Place().Height();
    rig.Read();
    EXPECT_EQ(rig.error, CaptureResult::Read);
    EXPECT_EQ(rig.record.rows, 9);
    EXPECT_EQ(rig.RowOf(9)[0], "7NT");
    // The first heading starts right after the line's first slot.
    EXPECT_EQ(rig.record.headings, (std::array<std::string, 4>{"Ann", "Bob", "Cid", "Dee"}));
    EXPECT_EQ(rig.desktop.Place().Height(), before + 2 * 18);
    EXPECT_EQ(rig.desktop.Place().left, 100);  // grown where it stands
    EXPECT_EQ(rig.desktop.Copies(), 3);
    EXPECT_TRUE(rig.desktop.Topmost());
}

TEST(AuctionWindow, NoHeadingsIsNoAuctionAnUncopiableOrBlackTopIsUnreadable) {
    AuctionRig bare({{"1C", "Pass", "Pass", "Pass"}}, 8);
    bare.picture.headings = {"", "", "", ""};
    bare.picture.Paint(bare.desktop.Picture(), BiddingPicture::HeightFor(8));
    bare.Read();
    EXPECT_EQ(bare.error, CaptureResult::Read);
    EXPECT_EQ(bare.record.rows, 0);
    EXPECT_EQ(bare.desktop.Copies(), 1);

    AuctionRig rig({{"1C", "Pass", "Pass", "Pass"}}, 8);
    rig.desktop.FailCopies(true);
    rig.Read();
    EXPECT_EQ(rig.error, CaptureResult::AuctionUnreadable);

    AuctionRig black({{"1C", "Pass", "Pass", "Pass"}}, 8);
    black.desktop.Picture().Fill(0, 1, 300, 2, testing::kBlack);  // black at row 1
    black.desktop.repaint = nullptr;
    black.Read();
    EXPECT_EQ(black.error, CaptureResult::AuctionUnreadable);
    EXPECT_EQ(black.desktop.Copies(), 4);  // retried
}

}  // namespace
}  // namespace tallowen

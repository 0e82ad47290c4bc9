#include <gtest/gtest.h>

#include "records/DealOps.h"

namespace tallowen {
namespace {

CallGrid Auction(std::initializer_list<std::array<std::string, 4>> rounds) {
    CallGrid calls;
    int r = 1;
    for (const auto& round : rounds) calls[r++] = round;
    return calls;
}

TEST(KeepBid, ReplacesTheWholeKeptAuction) {
    std::int32_t keptRounds = 3;
    CallGrid kept = Auction(
        {{"1C", "Pass", "1H", "Pass"}, {"2H", "Pass", "4H", "Pass"}, {"Pass", "Pass", "", ""}});
    CallGrid calls = Auction({{"Pass", "Pass", "Pass", "Pass"}});
    KeepBid(keptRounds, 1, kept, calls);
    EXPECT_EQ(keptRounds, 1);
    EXPECT_EQ(kept, calls);  // nothing of the older, longer auction stays behind
}

TEST(TestSameAuction, SameRoundsAndSameTexts) {
    CallGrid a = Auction({{"1C", "Pass", "1H", "Pass"}, {"Pass", "Pass", "", ""}});
    CallGrid b = a;
    EXPECT_TRUE(TestSameAuction(2, 2, a, b));
    EXPECT_FALSE(TestSameAuction(2, 1, a, b));
    b[2][1] = "pass";
    EXPECT_FALSE(TestSameAuction(2, 2, a, b));  // case counts
    b = a;
    b[3][0] = "1S";  // beyond the rounds compared
    EXPECT_TRUE(TestSameAuction(2, 2, a, b));
    EXPECT_TRUE(TestSameAuction(99, 99, a, a));  // a broken count does not run off the grid
}

TEST(LongerName, FillsOnlyTheEmptyNames) {
    SeatNames names{"Ann", "", "Cy", ""};
    LongerName(names, SeatNames{"A", "Ben", "C", ""});
    EXPECT_EQ(names, (SeatNames{"Ann", "Ben", "Cy", ""}));
}

}  // namespace
}  // namespace tallowen

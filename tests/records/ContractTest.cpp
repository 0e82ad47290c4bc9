#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "records/Contract.h"
#include "records/RecordingSink.h"

namespace tallowen {
namespace {

// Lays the calls out as the auction reader does: round 1 starts in the dealer's column.
Deal Auction(int dealer, const std::vector<std::string>& calls) {
    Deal deal;
    int cell = dealer;
    for (const std::string& call : calls) {
        deal.Calls[1 + cell / 4][cell % 4] = call;
        ++cell;
    }
    deal.Rounds = calls.empty() ? 0 : 1 + (cell - 1) / 4;
    return deal;
}

const std::string P = "パス";

struct ContractCase {
    const char* name;
    int dealer;
    std::vector<std::string> calls;
    std::string contract;
    int level, strain, doubled, declarer;
};

class FindContractTable : public ::testing::TestWithParam<ContractCase> {};

TEST_P(FindContractTable, FinalBidDoublingAndDeclarer) {
    const ContractCase& c = GetParam();
    Deal deal = Auction(c.dealer, c.calls);
    deal.Declarer = 3;  // left over from an earlier board
    deal.DeclarerSide = 1;
    deal.Result = 9;
    NullLogSink log;
    FindContract(deal, log);
    EXPECT_EQ(deal.Contract, c.contract);
    EXPECT_EQ(deal.Level, c.level);
    EXPECT_EQ(deal.Strain, c.strain);
    EXPECT_EQ(deal.Doubled, c.doubled);
    EXPECT_EQ(deal.Declarer, c.declarer);
    EXPECT_EQ(deal.DeclarerSide, c.declarer % 2);
    EXPECT_EQ(deal.Result, 0);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Auctions, FindContractTable,
    ::testing::Values(
        ContractCase{"OneNoTrumpByNorth", 0, {"1NT", P, P, P}, "1NT", 1, 4, 0, 0},
        // South opened in hearts; North's raise is the final bid, South declares.
        ContractCase{"PartnerNamedItFirst", 2, {"1H", P, "2H", P, "4H", P, P, P}, "4H", 4, 2, 0, 2},
        ContractCase{"DoubledThenPasses", 0, {"3NT", P, P, "X", P, P, P}, "3NTx", 3, 4, 1, 0},
        // West redoubled East's two hearts; East named hearts first for East-West.
        ContractCase{"Redoubled", 3, {P, "1D", "1H", P, "2C", P, "2H", "X", "XX", P, P, P}, "2Hxx", 2, 2, 2, 1},
        ContractCase{"EnglishPassWord", 0, {"2C", "Pass", "Pass", "Pass"}, "2C", 2, 0, 0, 0},
        ContractCase{"BlanksAroundCalls", 1, {" 1S ", P, " ", P}, "", 0, -1, -1, 3},
        ContractCase{"CallsPaddedWithBlanks", 1, {" 1S ", P + " ", P, " " + P}, "1S", 1, 3, 0, 1},
        ContractCase{"PassedOutDealerNorth", 0, {P, P, P, P}, "Pass Out", 0, -1, -1, 3},
        ContractCase{"PassedOutDealerWest", 3, {P, P, P, P}, "Pass Out", 0, -1, -1, 3},
        ContractCase{"TwoPassesOnly", 0, {"1C", P, P}, "", 0, -1, -1, 3},
        ContractCase{"LastCellIsBid", 0, {"1C", P, P, "1D"}, "", 0, -1, -1, 3},
        ContractCase{"ThreePassesOfFourOpening", 1, {P, P, P}, "", 0, -1, -1, 3},
        // Three passes after an empty cell: the fourth player has not called.
        ContractCase{"GapBeforeThePasses", 0, {"", P, P, P}, "", 0, -1, -1, 3},
        ContractCase{"GapAfterTheBid", 0, {"1S", "", P, P, P}, "", 0, -1, -1, 3},
        ContractCase{"EmptyAuction", 0, {}, "", 0, -1, -1, 3}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(FindContract, RoundsBeyondTheGridAreNotRead) {
    Deal deal = Auction(0, {"1C", P, P, P});
    deal.Rounds = 500;
    NullLogSink log;
    FindContract(deal, log);
    EXPECT_EQ(deal.Contract, "1C");
    deal.Rounds = -3;
    FindContract(deal, log);
    EXPECT_EQ(deal.Contract, "");
}

}  // namespace
}  // namespace tallowen

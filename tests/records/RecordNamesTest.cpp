#include <gtest/gtest.h>

#include "records/RecordNames.h"

namespace tallowen {
namespace {

TEST(RecordNames, CounterPadsToThreeDigitsAndTheThousandthNameHasFourteenCharacters) {
    for (auto [counter, text] : {std::pair{1, "001"}, {42, "042"}, {999, "999"}, {1000, "1000"}})
        EXPECT_EQ(CounterText(counter), text);
    EXPECT_EQ(RecordFileName(RecordName("10_22_", 1000)), "10_22_1000.brg");
    EXPECT_EQ(BackupFileName(RecordName("10_22_", 1000)).size(), 17u);
}

struct PrefixCase {
    std::vector<std::string> names;
    int counter;
};
class MakeRecordPrefixTable : public ::testing::TestWithParam<PrefixCase> {};

TEST_P(MakeRecordPrefixTable, CountsOnFromTheLargestRecordOfToday) {
    RecordNaming naming{"01_01_", 77};
    MakeRecordPrefix(naming, 10, 22, GetParam().names);
    EXPECT_EQ(naming.RecordPrefix, "10_22_");
    EXPECT_EQ(naming.RecordCounter, GetParam().counter);
}

INSTANTIATE_TEST_SUITE_P(
    Days, MakeRecordPrefixTable,
    ::testing::Values(PrefixCase{{"10_21_040", "10_22_003", "10_22_010", "10_22_002"}, 11},
                      PrefixCase{{"10_21_040", "09_22_001"}, 1}, PrefixCase{{}, 1},
                      PrefixCase{{"10_22_999", "10_22_1000"}, 1001}));

}  // namespace
}  // namespace tallowen

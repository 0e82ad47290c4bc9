#include <gtest/gtest.h>

#include "records/RecordNames.h"

namespace tallowen {
namespace {

struct CounterCase {
    int counter;
    const char* text;
};
class CounterTextTable : public ::testing::TestWithParam<CounterCase> {};
TEST_P(CounterTextTable, PadsToThreeDigitsThenWritesPlainly) {
    EXPECT_EQ(CounterText(GetParam().counter), GetParam().text);
}
INSTANTIATE_TEST_SUITE_P(Counters, CounterTextTable,
                         ::testing::Values(CounterCase{1, "001"}, CounterCase{9, "009"},
                                           CounterCase{10, "010"}, CounterCase{42, "042"},
                                           CounterCase{123, "123"}, CounterCase{999, "999"},
                                           CounterCase{1000, "1000"}));

TEST(RecordNames, TheDaysThousandthRecordHasAFourteenCharacterName) {
    std::string file = RecordFileName(RecordName("10_22_", 1000));
    EXPECT_EQ(file, "10_22_1000.brg");
    EXPECT_EQ(file.size(), 14u);
    EXPECT_EQ(BackupFileName(RecordName("10_22_", 1000)).size(), 17u);
}

TEST(MakeRecordPrefix, CountsOnFromTheLargestRecordOfToday) {
    RecordNaming naming;
    MakeRecordPrefix(naming, 10, 22, {"10_21_040", "10_22_003", "10_22_010", "10_22_002"});
    EXPECT_EQ(naming.RecordPrefix, "10_22_");
    EXPECT_EQ(naming.RecordCounter, 11);
}

TEST(MakeRecordPrefix, StartsAtOneWhenTodayHasNoRecord) {
    RecordNaming naming{"01_01_", 77};
    MakeRecordPrefix(naming, 10, 22, {"10_21_040", "09_22_001"});
    EXPECT_EQ(naming.RecordPrefix, "10_22_");
    EXPECT_EQ(naming.RecordCounter, 1);
    MakeRecordPrefix(naming, 10, 22, {});
    EXPECT_EQ(naming.RecordCounter, 1);
}

TEST(MakeRecordPrefix, CountsPastTheThousandthRecord) {
    RecordNaming naming;
    MakeRecordPrefix(naming, 10, 22, {"10_22_999", "10_22_1000"});
    EXPECT_EQ(naming.RecordCounter, 1001);
}

}  // namespace
}  // namespace tallowen

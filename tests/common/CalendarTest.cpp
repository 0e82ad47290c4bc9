#include <gtest/gtest.h>

#include <chrono>
#include <set>

#include "platform/Calendar.h"

namespace tallowen {
namespace {

using namespace std::chrono;

TEST(SystemCalendar, AMomentLongAgoKeepsItsDateInEveryZone) {
    auto calendar = MakeSystemCalendar();
    sys_days midsummer = year{2006} / July / 1;
    LocalDate date = calendar->DateOf(midsummer + hours{12});
    EXPECT_EQ(date.year, 2006);
    EXPECT_EQ(date.month, 7);
    EXPECT_EQ(date.day, 1);
}

TEST(SystemRandom, UniformInTheHalfOpenUnitAndSeededAnewEachRun) {
    auto first = MakeSystemRandom();
    auto second = MakeSystemRandom();
    std::set<double> seen;
    double sum = 0;
    const int n = 20000;
    for (int i = 0; i < n; ++i) {
        double x = first->Next();
        ASSERT_GE(x, 0.0);
        ASSERT_LT(x, 1.0);
        sum += x;
        seen.insert(x);
    }
    EXPECT_NEAR(sum / n, 0.5, 0.02);
    EXPECT_GT(seen.size(), std::size_t(n - 10));
    // Two generators seeded from the system do not repeat each other.
    int equal = 0;
    for (int i = 0; i < 8; ++i) equal += first->Next() == second->Next();
    EXPECT_LT(equal, 8);
}

}  // namespace
}  // namespace tallowen

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "TempFolder.h"
#include "report/ReportClock.h"
#include "sim/NullBackends.h"

namespace tallowen {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono;

// The utility's dates come from the calendar it is given, never from the system's clock.
TEST(SystemReportClock, TodayAndFileYearsComeFromTheCalendar) {
    FixedCalendar calendar;
    calendar.today = {2006, 10, 22};
    SystemReportClock clock(calendar);
#ifndef _WIN32
    EXPECT_EQ(clock.ShortDate(), "2006/10/22");
#endif
    TempFolder folder;
    fs::path file = folder.path() / "old.brg";
    std::ofstream(file) << "x";
    // Midsummer noon, universal time: the same year in every time zone.
    sys_days day = year{2004} / July / 1;
    sys_seconds noon = day + hours{12};
    fs::last_write_time(file, file_clock::from_sys(noon));
    EXPECT_EQ(clock.FileYear(file), 2004);
    EXPECT_EQ(clock.FileYear(folder.path() / "absent.brg"), 2006) << "unknown: this year";
}

}  // namespace
}  // namespace tallowen

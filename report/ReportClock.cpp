#include "report/ReportClock.h"

#include <chrono>
#include <cstdio>

#include "platform/Process.h"

namespace tallowen {

std::string SystemReportClock::ShortDate() const {
    if (std::string system = SystemShortDate(); !system.empty()) return system;
    LocalDate today = calendar_.Today();
    char text[40];
    std::snprintf(text, sizeof text, "%04d/%02d/%02d", today.year, today.month, today.day);
    return text;
}

int SystemReportClock::FileYear(const std::filesystem::path& file) const {
    std::error_code ec;
    auto written = std::filesystem::last_write_time(file, ec);
    if (ec) return calendar_.Today().year;  // unknown: this year
    auto when = std::chrono::file_clock::to_sys(written);
    return calendar_.DateOf(std::chrono::time_point_cast<std::chrono::system_clock::duration>(when))
        .year;
}

}  // namespace tallowen

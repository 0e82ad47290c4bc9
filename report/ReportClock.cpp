#include "report/ReportClock.h"

#include <chrono>
#include <cstdio>
#include <ctime>

#include "platform/Process.h"

namespace tallowen {

namespace {

std::tm LocalTime(std::time_t when) {
    // std::localtime shares one buffer; the copy is taken at once, on the one thread that runs
    // the report.
    std::tm local{};
    if (const std::tm* shared = std::localtime(&when)) local = *shared;
    return local;
}

}  // namespace

std::string SystemReportClock::ShortDate() const {
    if (std::string system = SystemShortDate(); !system.empty()) return system;
    std::tm now = LocalTime(std::time(nullptr));
    char text[40];
    std::snprintf(text, sizeof text, "%04d/%02d/%02d", now.tm_year + 1900, now.tm_mon + 1,
                  now.tm_mday);
    return text;
}

int SystemReportClock::FileYear(const std::filesystem::path& file) const {
    std::error_code ec;
    auto written = std::filesystem::last_write_time(file, ec);
    if (ec) return LocalTime(std::time(nullptr)).tm_year + 1900;  // unknown: this year
    // The file clock's epoch differs between libraries; carry the time over by its distance
    // from now, which every library supports.
    auto system = std::chrono::system_clock::now() +
                  std::chrono::duration_cast<std::chrono::system_clock::duration>(
                      written - std::filesystem::file_time_type::clock::now());
    return LocalTime(std::chrono::system_clock::to_time_t(system)).tm_year + 1900;
}

}  // namespace tallowen

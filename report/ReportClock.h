// The utility's view of time: today's date for the pages, and the year a work file was last
// written. Behind an interface so that pages can be reproduced byte for byte in tests.
#pragma once

#include <filesystem>
#include <string>

#include "platform/Calendar.h"

namespace tallowen {

class ReportClock {
public:
    virtual ~ReportClock() = default;
    // Today in the system's short date form.
    virtual std::string ShortDate() const = 0;
    // The year (four digits) of the file's last-modified time, local time.
    virtual int FileYear(const std::filesystem::path& file) const = 0;
};

// The calendar's dates and the file system's times. Today's date is in the system's short date
// form on Windows, and year/month/day ("2006/10/22") where the system has none.
class SystemReportClock final : public ReportClock {
public:
    explicit SystemReportClock(Calendar& calendar) : calendar_(calendar) {}
    std::string ShortDate() const override;
    int FileYear(const std::filesystem::path& file) const override;

private:
    Calendar& calendar_;
};

}  // namespace tallowen

#include <ctime>

#include "platform/Calendar.h"

namespace tallowen {
namespace {

LocalTime LocalTimeAt(std::time_t when) {
    std::tm local{};
    if (!localtime_r(&when, &local)) return {};
    return {{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday},
            local.tm_hour,
            local.tm_min,
            local.tm_sec};
}

class SystemCalendar final : public Calendar {
public:
    LocalDate Today() override { return Now().date; }
    LocalTime Now() override { return LocalTimeAt(std::time(nullptr)); }
    LocalDate DateOf(std::chrono::system_clock::time_point when) override {
        return LocalTimeAt(std::chrono::system_clock::to_time_t(when)).date;
    }
};

}  // namespace

std::unique_ptr<Calendar> MakeSystemCalendar() {
    return std::make_unique<SystemCalendar>();
}

}  // namespace tallowen

#include <ctime>
#include <random>

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

class SystemRandom final : public Random {
public:
    SystemRandom() : engine_(std::random_device{}()) {}
    // The top 53 bits as a fraction: exactly uniform in [0, 1), never 1.
    double Next() override { return double(engine_() >> 11) * 0x1.0p-53; }

private:
    std::mt19937_64 engine_;
};

}  // namespace

std::unique_ptr<Calendar> MakeSystemCalendar() {
    return std::make_unique<SystemCalendar>();
}

std::unique_ptr<Random> MakeSystemRandom() {
    return std::make_unique<SystemRandom>();
}

}  // namespace tallowen

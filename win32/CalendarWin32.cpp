#include <ctime>
#include <random>

#include "platform/Calendar.h"

namespace tallowen {
namespace {

LocalDate LocalDateAt(std::time_t when) {
    std::tm local{};
    if (localtime_s(&local, &when) != 0) return {};
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

class SystemCalendar final : public Calendar {
public:
    LocalDate Today() override { return LocalDateAt(std::time(nullptr)); }
    LocalDate DateOf(std::chrono::system_clock::time_point when) override {
        return LocalDateAt(std::chrono::system_clock::to_time_t(when));
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

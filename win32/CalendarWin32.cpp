#include <windows.h>

#include <cstdint>

#include "platform/Calendar.h"

namespace tallowen {
namespace {

LocalDate FromSystemTime(const SYSTEMTIME& t) {
    return {int(t.wYear), int(t.wMonth), int(t.wDay)};
}

class SystemCalendar final : public Calendar {
public:
    LocalDate Today() override { return Now().date; }
    LocalTime Now() override {
        SYSTEMTIME now;
        GetLocalTime(&now);
        return {FromSystemTime(now), int(now.wHour), int(now.wMinute), int(now.wSecond)};
    }
    // Through the system's own time-zone rules, those of the moment's year included.
    LocalDate DateOf(std::chrono::system_clock::time_point when) override {
        using Ticks = std::chrono::duration<std::int64_t, std::ratio<1, 10000000>>;
        constexpr std::int64_t kFrom1601To1970 = 116444736000000000;
        std::int64_t ticks =
            std::chrono::duration_cast<Ticks>(when.time_since_epoch()).count() + kFrom1601To1970;
        if (ticks < 0) return {};
        FILETIME file;
        file.dwLowDateTime = DWORD(std::uint64_t(ticks) & 0xFFFFFFFFu);
        file.dwHighDateTime = DWORD(std::uint64_t(ticks) >> 32);
        SYSTEMTIME universal, local;
        if (!FileTimeToSystemTime(&file, &universal)) return {};
        if (!SystemTimeToTzSpecificLocalTime(nullptr, &universal, &local)) return {};
        return FromSystemTime(local);
    }
};

}  // namespace

std::unique_ptr<Calendar> MakeSystemCalendar() {
    return std::make_unique<SystemCalendar>();
}

}  // namespace tallowen

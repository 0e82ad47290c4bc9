// Today's date, and numbers by chance: the two things besides the tick counter that the
// program asks the system for, behind a seam so that runs can be repeated. No other code reads
// the system's clock or its source of chance.
#pragma once

#include <chrono>
#include <memory>

namespace tallowen {

struct LocalDate {
    int year = 2000, month = 1, day = 1;
};

struct LocalTime {
    LocalDate date;
    int hour = 0, minute = 0, second = 0;
};

class Calendar {
public:
    virtual ~Calendar() = default;
    virtual LocalDate Today() = 0;
    // The local date and time of day now.
    virtual LocalTime Now() = 0;
    // The local date at a moment, such as a file's last-write time.
    virtual LocalDate DateOf(std::chrono::system_clock::time_point when) = 0;
};

class Random {
public:
    virtual ~Random() = default;
    // Uniform in [0, 1).
    virtual double Next() = 0;
};

// The system's calendar in the user's time zone.
std::unique_ptr<Calendar> MakeSystemCalendar();
// Numbers by chance, seeded anew on every run.
std::unique_ptr<Random> MakeSystemRandom();

}  // namespace tallowen

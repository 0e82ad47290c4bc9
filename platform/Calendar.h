// Today's date, and numbers by chance: the two things besides the tick counter that the
// program asks the system for, behind a seam so that runs can be repeated.
#pragma once

namespace tallowen {

struct LocalDate {
    int year = 2000, month = 1, day = 1;
};

class Calendar {
public:
    virtual ~Calendar() = default;
    virtual LocalDate Today() = 0;
};

class Random {
public:
    virtual ~Random() = default;
    // Uniform in [0, 1).
    virtual double Next() = 0;
};

}  // namespace tallowen

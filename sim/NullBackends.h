// One small stand-in for each seam the program is driven through, for the simulator, the
// tests and the benchmarks: they do nothing but remember what they were asked, and answer
// with what they were told to.
#pragma once

#include <array>
#include <cstdint>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Browser.h"
#include "platform/Calendar.h"
#include "platform/Clock.h"
#include "platform/Fonts.h"
#include "platform/Sound.h"

namespace tallowen {

// A clock whose time moves only when someone waits; waits cost nothing.
class ManualClock : public Clock {
public:
    std::uint32_t Ticks() override { return now_; }
    void Wait(std::uint32_t ms) override { now_ += ms + 1; }
    void DoEvents() override {}

private:
    std::uint32_t now_ = 0;
};

// Counts beeps and remembers the aliases played.
class RecordingSound : public Sound {
public:
    void Beep() override { ++beeps; }
    void PlayAlias(std::string_view alias) override { aliases.emplace_back(alias); }
    int beeps = 0;
    std::vector<std::string> aliases;
};

// Remembers the addresses it was asked to open; `works` false makes every open fail.
class RecordingBrowser : public Browser {
public:
    bool Open(std::string_view address) override {
        opened.emplace_back(address);
        return works;
    }
    bool works = true;
    std::vector<std::string> opened;
};

// The fonts named in `installed`; every character is `charWidth` pixels wide at 10 points
// (wider in proportion at other sizes), a double-byte one twice that.
class FixedFonts : public Fonts {
public:
    bool Installed(std::string_view face) override { return installed.count(std::string(face)); }
    int TextWidth(std::string_view, double points, bool, std::string_view text) override;
    std::set<std::string> installed{"Arial", "Times New Roman", "Courier New", "Symbol"};
    double charWidth = 7;
};

// It is always `today` at `timeOfDay`; the date at any other moment is the one of universal
// time, so that it is the same in every time zone.
class FixedCalendar : public Calendar {
public:
    LocalDate Today() override { return today; }
    LocalTime Now() override { return {today, timeOfDay[0], timeOfDay[1], timeOfDay[2]}; }
    LocalDate DateOf(std::chrono::system_clock::time_point when) override;
    LocalDate today{2026, 12, 6};
    std::array<int, 3> timeOfDay{12, 0, 0};  // hour, minute, second
};

// A repeatable sequence in [0, 1): the given values in turn, then a simple generator.
class SequenceRandom : public Random {
public:
    explicit SequenceRandom(std::uint64_t seed = 1, std::vector<double> first = {})
        : state_(seed * 0x9E3779B97F4A7C15ull + 1), first_(std::move(first)) {}
    double Next() override;

private:
    std::uint64_t state_;
    std::vector<double> first_;
    std::size_t used_ = 0;
};

}  // namespace tallowen

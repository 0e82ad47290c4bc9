// One small stand-in for each seam the program is driven through, for the simulator, the
// tests and the benchmarks: they do nothing but remember what they were asked, and answer
// with what they were told to.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Browser.h"
#include "platform/Calendar.h"
#include "platform/Canvas.h"
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

// One drawing call as a recording canvas saw it. `rect` is the area filled, framed or blitted
// to (a text's drawn box, a pixel's 1 x 1 box); `from`/`to` the ends of a line; `source` the
// sheet area a blit copied.
struct CanvasCall {
    enum class Op { Fill, SetPixel, Line, Frame, Text, Blit };
    Op op = Op::Fill;
    Rect rect;
    Point from, to;
    std::string text;  // the text drawn, or the sheet a blit copied from
    FontSpec font;
    std::uint32_t colour = 0;
    int width = 0;  // line width
    Rect source;
};

// Draws nothing and remembers every call. Text is measured like FixedFonts (`charWidth` pixels
// a character at 10 points, a double-byte one twice that), a line is 1.5 times the point size
// high, so that positions come out the same on every machine.
class RecordingCanvas : public Canvas {
public:
    void Fill(Rect area, std::uint32_t colour) override;
    void SetPixel(Point at, std::uint32_t colour) override;
    void Line(Point from, Point to, std::uint32_t colour, int width) override;
    void Frame(Rect area, std::uint32_t colour, int width) override;
    int Text(Point at, std::string_view text, const FontSpec& font, std::uint32_t colour) override;
    int TextWidth(std::string_view text, const FontSpec& font) override;
    int TextHeight(const FontSpec& font) override;
    void Blit(std::string_view sheet, Rect from, Point to) override;
    Rect Extent() override { return extent; }

    // The calls of one kind, in order.
    std::vector<CanvasCall> Of(CanvasCall::Op op) const;
    // The texts drawn, in order.
    std::vector<CanvasCall> Texts() const { return Of(CanvasCall::Op::Text); }

    Rect extent{0, 0, 400, 600};
    double charWidth = 7;
    std::vector<CanvasCall> calls;
};

// Recording canvases by name; asking for a sheet at another size starts it afresh.
class RecordingSheets : public Sheets {
public:
    Canvas& Sheet(std::string_view name, int width, int height) override;
    // The sheet of that name, nullptr when none was made.
    RecordingCanvas* Find(std::string_view name);
    std::map<std::string, std::unique_ptr<RecordingCanvas>, std::less<>> sheets;
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

#include "sim/NullBackends.h"

#include <cmath>

namespace tallowen {

int FixedFonts::TextWidth(std::string_view, double points, bool, std::string_view text) {
    double units = 0;
    for (std::size_t i = 0; i < text.size();) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        int len = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
        units += len >= 3 ? 2 : 1;
        i += static_cast<std::size_t>(len);
    }
    return static_cast<int>(std::lround(units * charWidth * points / 10.0));
}

LocalDate FixedCalendar::DateOf(std::chrono::system_clock::time_point when) {
    std::chrono::year_month_day date{std::chrono::floor<std::chrono::days>(when)};
    return {int(date.year()), int(unsigned(date.month())), int(unsigned(date.day()))};
}

double SequenceRandom::Next() {
    if (used_ < first_.size()) return first_[used_++];
    state_ ^= state_ >> 12;
    state_ ^= state_ << 25;
    state_ ^= state_ >> 27;
    return static_cast<double>((state_ * 0x2545F4914F6CDD1Dull) >> 11) / 9007199254740992.0;
}

}  // namespace tallowen

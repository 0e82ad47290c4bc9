#include "sim/NullBackends.h"

#include <cmath>

#include "common/Utf8.h"

namespace tallowen {

int FixedFonts::TextWidth(std::string_view, double points, bool, std::string_view text) {
    double units = 0;
    // Characters of three or four bytes (CJK, and the mark for malformed bytes) are wide.
    for (const Utf8Char& ch : Utf8Chars(text)) units += ch.code >= 0x800 ? 2 : 1;
    return static_cast<int>(std::lround(units * charWidth * points / 10.0));
}

void RecordingCanvas::Fill(Rect area, std::uint32_t colour) {
    CanvasCall call;
    call.op = CanvasCall::Op::Fill;
    call.rect = area;
    call.colour = colour;
    calls.push_back(std::move(call));
}

void RecordingCanvas::SetPixel(Point at, std::uint32_t colour) {
    CanvasCall call;
    call.op = CanvasCall::Op::SetPixel;
    call.rect = Rect{at.x, at.y, at.x + 1, at.y + 1};
    call.colour = colour;
    calls.push_back(std::move(call));
}

void RecordingCanvas::Line(Point from, Point to, std::uint32_t colour, int width) {
    CanvasCall call;
    call.op = CanvasCall::Op::Line;
    call.from = from;
    call.to = to;
    call.colour = colour;
    call.width = width;
    calls.push_back(std::move(call));
}

void RecordingCanvas::Frame(Rect area, std::uint32_t colour, int width) {
    CanvasCall call;
    call.op = CanvasCall::Op::Frame;
    call.rect = area;
    call.colour = colour;
    call.width = width;
    calls.push_back(std::move(call));
}

int RecordingCanvas::Text(Point at, std::string_view text, const FontSpec& font,
                          std::uint32_t colour) {
    CanvasCall call;
    call.op = CanvasCall::Op::Text;
    const int width = TextWidth(text, font);
    call.rect = Rect{at.x, at.y, at.x + width, at.y + TextHeight(font)};
    call.text = std::string(text);
    call.font = font;
    call.colour = colour;
    calls.push_back(std::move(call));
    return width;
}

int RecordingCanvas::TextWidth(std::string_view text, const FontSpec& font) {
    FixedFonts fonts;
    fonts.charWidth = charWidth;
    return fonts.TextWidth(font.face, font.points, font.bold, text);
}

int RecordingCanvas::TextHeight(const FontSpec& font) {
    return static_cast<int>(std::lround(font.points * 1.5));
}

void RecordingCanvas::Blit(std::string_view sheet, Rect from, Point to) {
    CanvasCall call;
    call.op = CanvasCall::Op::Blit;
    call.rect = Rect{to.x, to.y, to.x + from.Width(), to.y + from.Height()};
    call.text = std::string(sheet);
    call.source = from;
    calls.push_back(std::move(call));
}

std::vector<CanvasCall> RecordingCanvas::Of(CanvasCall::Op op) const {
    std::vector<CanvasCall> out;
    for (const CanvasCall& call : calls)
        if (call.op == op) out.push_back(call);
    return out;
}

Canvas& RecordingSheets::Sheet(std::string_view name, int width, int height) {
    auto& slot = sheets[std::string(name)];
    if (!slot) slot = std::make_unique<RecordingCanvas>();
    const Rect size{0, 0, width, height};
    if (slot->extent != size) {
        slot->calls.clear();
        slot->extent = size;
    }
    slot->charWidth = charWidth;
    return *slot;
}

RecordingCanvas* RecordingSheets::Find(std::string_view name) {
    auto found = sheets.find(name);
    return found == sheets.end() ? nullptr : found->second.get();
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

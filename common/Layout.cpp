#include "common/Layout.h"

#include <initializer_list>
#include <system_error>
#include <vector>

#include "common/Text.h"
#include "platform/CodePage.h"

namespace tallowen {

namespace {

constexpr std::size_t kZone = 14;
constexpr std::size_t kFirstSlotLine = 2;  // lines 3 to 9 hold the slots

std::int32_t LeadingWhole(std::string_view text) {
    std::int64_t n = RoundHalfEven(LeadingNumber(text));
    if (n > 2147483647) return 2147483647;
    if (n < -2147483647 - 1) return -2147483647 - 1;
    return static_cast<std::int32_t>(n);
}

// The first item and the number at the start of the rest.
PointXY LinePoint(std::string line) {
    PointXY p;
    p.x = PopNumber(line);
    p.y = LeadingWhole(line);
    return p;
}

// Numbers as a BASIC print statement lays them out: a blank (or "-"), the digits and a blank,
// each item starting at the next 14-column zone.
std::string ZoneLine(std::initializer_list<std::int64_t> numbers, std::string_view label) {
    std::string line;
    auto toNextZone = [&line] {
        std::size_t next = (line.size() + kZone - 1) / kZone * kZone;
        line.append(next - line.size(), ' ');
    };
    for (std::int64_t n : numbers) {
        toNextZone();
        line += n < 0 ? "-" : " ";
        line += NumText(n < 0 ? -n : n);
        line += ' ';
    }
    toNextZone();
    line += label;
    return line;
}

std::int32_t PrintRange(std::int32_t v) {
    if (v > 1000) return 0;
    if (v < -10) return -10;
    return v;
}

std::array<PointXY, kLayoutSlots> SlotsOf(const std::vector<std::string>& lines,
                                          std::array<PointXY, kLayoutSlots> into) {
    for (std::size_t slot = 0; slot < into.size(); ++slot) {
        std::size_t line = kFirstSlotLine + slot;
        if (line < lines.size()) into[slot] = ReadWinPos(lines[line]);
    }
    return into;
}

}  // namespace

int LayoutSlotKind(LayoutSlot slot) {
    static constexpr int kKinds[kLayoutSlots] = {0, 4, 3, 2, 1, 5, 6};
    return kKinds[static_cast<int>(slot)];
}

const char* LayoutSlotLabel(LayoutSlot slot) {
    static constexpr const char* kLabels[kLayoutSlots] = {
        "Bridge Window",  "Score Window",   "LastHand Window", "LastTrick Window",
        "Auction Window", "Bidding Window", "Bidding Show"};
    return kLabels[static_cast<int>(slot)];
}

std::string LayoutFileName(const Settings& settings) {
    if (!settings.cfg.empty()) return settings.cfg;
    return settings.jpn ? "ブリッジ.CFG" : "Tallowen.CFG";
}

PointXY ReadWinPos(std::string line) {
    PointXY p = LinePoint(std::move(line));
    if (p.x > 1000) p.x = 0;
    if (p.x < -10) p.x = -10;
    if (p.y > 1000) p.y = 0;
    if (p.y < -15) p.y = -15;
    return p;
}

std::string PrintWinPos(PointXY position, std::string_view label) {
    return ZoneLine({PrintRange(position.x), PrintRange(position.y)}, label);
}

CfgReadResult ReadCFG(const std::filesystem::path& file, int desktopWidth, const CodePage& page,
                      WindowLayout& layout) {
    CfgReadResult result;
    if (!FileExists(file)) {
        layout[LayoutSlot::Auction].x = 220;
        layout[LayoutSlot::BidBox].y = 300;
        result.status = CfgStatus::Absent;
        return result;
    }
    TextLines text = ReadTextLines(file, page);
    if (!text.ok) {
        result.status = CfgStatus::Unreadable;
        result.error = text.error;
        return result;
    }
    const auto& lines = text.lines;
    if (lines.empty() || LeadingWhole(lines[0]) != desktopWidth) {
        // The positions belong to another screen; they would put windows off this one.
        std::error_code ec;
        std::filesystem::remove(file, ec);
        result.deleteFailed = static_cast<bool>(ec);
        result.status = CfgStatus::OtherScreen;
        return result;
    }
    if (lines.size() > 1) result.programWindow = LinePoint(lines[1]);
    layout.saved = SlotsOf(lines, layout.saved);
    result.status = CfgStatus::Read;
    return result;
}

FileResult WriteCFG(const std::filesystem::path& file, int desktopWidth, PointXY programWindow,
                    WindowLayout& layout, const LiveWindowRect& live, const CodePage& page) {
    if (file.filename().empty()) return {Outcome::Done()};  // no layout file: nothing to keep
    std::array<PointXY, kLayoutSlots> previous{};
    if (FileExists(file)) {
        TextLines old = ReadTextLines(file, page);
        if (old.ok) previous = SlotsOf(old.lines, previous);
    }
    std::vector<std::string> lines;
    lines.push_back(ZoneLine({desktopWidth}, "PC Screen Width"));
    lines.push_back(ZoneLine({programWindow.x, programWindow.y}, "Tallowen Window"));
    for (int i = 0; i < kLayoutSlots; ++i) {
        auto slot = static_cast<LayoutSlot>(i);
        // The table window keeps the position it was given; only the windows around it are
        // brought up and measured.
        bool table = slot == LayoutSlot::Table;
        if (live && !table) {
            if (auto rect = live(LayoutSlotKind(slot))) layout[slot] = {rect->left, rect->top};
        }
        PointXY pos = layout[slot];
        // 0, 0 means never placed this run: keep what the last run saved.
        if (!table && static_cast<std::int64_t>(pos.x) + pos.y == 0) pos = previous[i];
        lines.push_back(PrintWinPos(pos, LayoutSlotLabel(slot)));
    }
    return WriteTextLines(file, lines, page);
}

}  // namespace tallowen

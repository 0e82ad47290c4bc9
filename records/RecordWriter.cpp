#include "records/RecordWriter.h"

#include <algorithm>

#include "common/Text.h"
#include "platform/CodePage.h"

namespace tallowen {

namespace {
constexpr int kCallColumns = 8;  // a call, its comma and its padding

std::string CallCell(const std::string& call, bool last, const CodePage& page) {
    std::string text = call.empty() ? std::string("  ") : call;
    if (last) return text;
    int pad = kCallColumns - 1 - ByteWidth(text, page);
    return text + "," + std::string(static_cast<std::size_t>(std::max(pad, 0)), ' ');
}

std::string CardCell(const std::string& card, std::uint8_t mark) {
    switch (mark) {
        case 0:
            return " " + card + "  ";
        case 1:
            return "[" + card + "] ";
        case 2:
            return "(" + card + ") ";
        default:
            return {};
    }
}
}  // namespace

std::string NumberField(std::int32_t n) {
    std::int64_t value = n;
    std::string digits = NumText(value < 0 ? -value : value);
    return (n < 0 ? "-" : " ") + digits + " ";
}

std::string PrintNameLine(const SeatNames& names) {
    return names[0] + ", " + names[1] + ", " + names[2] + ", " + names[3];
}

std::vector<std::string> PrintAuction(std::int32_t rounds, const CallGrid& calls,
                                      const CodePage& page) {
    rounds = std::clamp(rounds, 0, kMaxRounds);
    std::vector<std::string> lines{NumberField(rounds)};
    for (int r = 1; r <= rounds; ++r) {
        std::string line;
        for (int seat = 0; seat < kSeatCount; ++seat)
            line += CallCell(calls[r][seat], seat == kSeatCount - 1, page);
        lines.push_back(line);
    }
    return lines;
}

std::optional<std::string> PrintScoreLine(const ScorePair& pair) {
    std::string line;
    if (pair[0].Vul >= 0 && pair[1].Vul >= 0) {
        for (const auto& side : pair) line += side.Vul == 0 ? "NonVul  " : "Vul     ";
    }
    // -1 is the unknown mark; any other value is a reading and is kept, sign and all.
    if (pair[0].Score != -1 && pair[1].Score != -1) {
        for (const auto& side : pair) line += NumberField(side.Score) + "   ";
    }
    if (line.empty()) return std::nullopt;
    return line;
}

std::vector<std::string> PrintHand(const CardTextGrid& cards, const CardMarkGrid& marks) {
    std::vector<std::string> lines;
    for (int seat = 0; seat < kSeatCount; ++seat) {
        std::string line;
        for (int t = 0; t < kTrickCount; ++t) line += CardCell(cards[seat][t], marks[seat][t]);
        lines.push_back(line);
    }
    return lines;
}

namespace {
void Append(std::vector<std::string>& lines, const std::vector<std::string>& more) {
    lines.insert(lines.end(), more.begin(), more.end());
}
void Append(std::vector<std::string>& lines, const std::optional<std::string>& line) {
    if (line) lines.push_back(*line);
}
}  // namespace

std::vector<std::string> DealFileLines(const Deal& deal, const CodePage& page) {
    std::vector<std::string> lines{PrintNameLine(deal.Names)};
    Append(lines, PrintAuction(deal.Rounds, deal.Calls, page));
    Append(lines, PrintScoreLine(deal.ScoreBefore));
    Append(lines, PrintHand(deal.Cards, deal.CardMarks));
    Append(lines, PrintScoreLine(deal.ScoreAfter));
    return lines;
}

std::vector<std::string> BidFileLines(const Deal& deal, const CodePage& page) {
    std::vector<std::string> lines{PrintNameLine(deal.AuctionNames)};
    Append(lines, PrintAuction(deal.Rounds, deal.Calls, page));
    Append(lines, PrintScoreLine(deal.ScoreBefore));
    return lines;
}

}  // namespace tallowen

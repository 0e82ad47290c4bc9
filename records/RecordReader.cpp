#include "records/RecordReader.h"

#include <algorithm>

#include "common/Text.h"

namespace tallowen {

namespace {
std::vector<std::string> Items(const std::string& line, std::size_t count) {
    std::vector<std::string> items(count);
    ReadLineItems(line, items);
    return items;
}

std::int32_t WholeNumber(const std::string& text) {
    double value = LeadingNumber(text);
    if (!(value > -2147483648.0)) return -2147483647 - 1;  // also catches a NaN
    if (value > 2147483647.0) return 2147483647;
    return static_cast<std::int32_t>(RoundHalfEven(value));
}

bool IsPlainNumber(const std::string& item) {
    std::size_t i = (!item.empty() && item[0] == '-') ? 1 : 0;
    if (i >= item.size()) return false;
    return std::all_of(item.begin() + static_cast<std::ptrdiff_t>(i), item.end(),
                       [](char c) { return c >= '0' && c <= '9'; });
}

// The writers put down text only; a NUL byte says the file is something else (a picture,
// a program, a damaged disk block) whose "names" and "cards" would only be garbage.
bool HoldsBinary(const std::vector<std::string>& lines) {
    return std::any_of(lines.begin(), lines.end(), [](const std::string& line) {
        return line.find('\0') != std::string::npos;
    });
}

void ReadNames(const std::string& line, SeatNames& names) {
    auto items = Items(line, kSeatCount);
    std::copy(items.begin(), items.end(), names.begin());
}
}  // namespace

std::string ReadAuction(LineCursor& in, std::int32_t& rounds, CallGrid& calls) {
    for (auto& row : calls) row.fill(std::string());
    rounds = 0;
    if (in.AtEnd()) return "the auction is missing";
    std::string text = in.Take();
    text.erase(std::remove(text.begin(), text.end(), ' '), text.end());
    std::int32_t count = WholeNumber(text);
    if (count < 0 || count > kMaxRounds) return "the auction has " + NumText(count) + " rounds";
    for (int r = 1; r <= count; ++r) {
        if (in.AtEnd()) return "the auction is cut off after " + NumText(r - 1) + " rounds";
        auto items = Items(in.Take(), kSeatCount);
        std::copy(items.begin(), items.end(), calls[r].begin());
    }
    rounds = count;
    return {};
}

bool IsScoreLine(const std::string& line) {
    std::string first = ToUpper(Items(line, 1)[0]);
    return first == "NONVUL" || first == "VUL" || IsPlainNumber(first);
}

void ReadScoreLine(LineCursor& in, ScorePair& pair) {
    pair = ScorePair{};
    if (in.AtEnd() || !IsScoreLine(in.Peek())) return;
    auto items = Items(in.Take(), 4);
    // A line written while the vulnerability was unknown holds only the two scores; taking
    // them from the third and fourth items would read both as 0 and lose them.
    std::string first = ToUpper(items[0]);
    int scoreAt = first == "NONVUL" || first == "VUL" || items[2] != "" ? 2 : 0;
    for (int side = 0; side < 2; ++side) {
        std::string word = ToUpper(items[side]);
        if (word == "NONVUL") pair[side].Vul = 0;
        if (word == "VUL") pair[side].Vul = 1;
        pair[side].Score = WholeNumber(items[side + scoreAt]);
    }
}

bool ReadPlayGrid(LineCursor& in, CardTextGrid& cards, CardMarkGrid& marks) {
    std::array<std::string, kSeatCount> lines;
    bool complete = true;
    for (auto& line : lines) {
        if (in.AtEnd()) {
            complete = false;
            break;
        }
        line = in.Take();
    }
    ReadPlayGrid(lines, cards, marks);
    return complete;
}

std::string ParseDealLines(const std::vector<std::string>& lines, Deal& deal) {
    LineCursor in{&lines};
    if (in.AtEnd()) return "the file is empty";
    if (HoldsBinary(lines)) return "not a record file";
    Deal read = deal;
    ReadNames(in.Take(), read.Names);
    std::string error = ReadAuction(in, read.Rounds, read.Calls);
    if (!error.empty()) return error;
    ReadScoreLine(in, read.ScoreBefore);
    // Without its four hand lines a record is cut short, not a board with fewer cards. The
    // score line after them may be missing (the vulnerability was never read).
    if (!ReadPlayGrid(in, read.Cards, read.CardMarks)) return "cut short inside its hands";
    ReadScoreLine(in, read.ScoreAfter);
    deal = std::move(read);
    return {};
}

std::string ParseBidLines(const std::vector<std::string>& lines, Deal& deal) {
    LineCursor in{&lines};
    if (in.AtEnd()) return "the file is empty";
    if (HoldsBinary(lines)) return "not a record file";
    Deal read = deal;
    ReadNames(in.Take(), read.AuctionNames);
    std::string error = ReadAuction(in, read.Rounds, read.Calls);
    if (!error.empty()) return error;
    ReadScoreLine(in, read.ScoreBefore);
    deal = std::move(read);
    return {};
}

}  // namespace tallowen

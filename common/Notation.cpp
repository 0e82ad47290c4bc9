#include "common/Notation.h"

#include <algorithm>
#include <vector>

#include "common/Text.h"
#include "common/Utf8.h"

namespace tallowen {

namespace {
constexpr SuitInfo kNoSuit{};
constexpr std::uint8_t kPlain = 0;
constexpr std::uint8_t kLed = 1;
constexpr std::uint8_t kNotPlayed = 2;

int NotationPos(char c) {
    std::size_t p = kNotation.find(c);
    return p == std::string_view::npos ? 0 : int(p) + 1;
}
}  // namespace

const SuitInfo& SuitRow(int suit) {
    if (suit < 0 || suit > kNoTrump) return kNoSuit;
    return kSuitTable[std::size_t(suit)];
}

std::string SeatName(int seat) {
    if (seat < 0 || seat >= kSeatCount) return {};
    return std::string(kSeatNames[std::size_t(seat)]);
}

std::string SeatLetter(int seat) {
    return SeatName(seat).substr(0, 1);
}

std::string SuitLetter(int suit) {
    if (suit < 0 || suit > kNoTrump) return {};
    if (suit == kNoTrump) return "NT";
    return std::string(1, kNotation[std::size_t(kSuitLetterPos - 1 + suit)]);
}

int SuitIndex(std::string_view text) {
    if (StartsWith(text, "NT")) return kNoTrump;
    if (text.empty()) return 0;
    switch (text[0]) {
        case 'C':
            return 0;
        case 'D':
            return 1;
        case 'H':
            return 2;
        case 'S':
            return 3;
        default:
            return 0;
    }
}

std::string RankText(int rank) {
    if (rank < 2 || rank > 14) return {};
    return std::string(1, kNotation[std::size_t(rank - 1)]);
}

std::string CardText(int code) {
    if (code <= 0) return {};
    std::string rank = RankText(CardRank(code));
    std::string suit = SuitLetter(CardSuit(code));
    if (rank.empty() || CardSuit(code) > 3) return {};
    return rank + suit;
}

int CardCode(std::string_view token) {
    // Counted in characters, so that a character of several bytes is one rank or suit.
    const auto chars = SplitChars(token);
    const std::size_t first = chars.size() < 3 ? 0 : 1;
    std::string_view rank = first < chars.size() ? chars[first] : std::string_view();
    std::string_view suit = first + 1 < chars.size() ? chars[first + 1] : std::string_view();
    return MakeCardCode(SuitIndex(suit), rank.size() == 1 ? NotationPos(rank[0]) : 0);
}

void CardCodes(CardCodeGrid& codes, const CardTextGrid& texts) {
    for (int s = 0; s < kSeatCount; ++s)
        for (int t = 0; t < kTrickCount; ++t) codes[s][t] = std::int16_t(CardCode(texts[s][t]));
}

void SplitPlayToken(const std::string& token, std::string& card, std::uint8_t& mark) {
    if (!token.empty() && (token[0] == '[' || token[0] == '(')) {
        mark = token[0] == '[' ? kLed : kNotPlayed;
        // The two characters after the bracket, however many bytes they take.
        const auto chars = SplitChars(token);
        card.clear();
        for (std::size_t i = 1; i < chars.size() && i < 3; ++i) card += chars[i];
    } else {
        mark = kPlain;
        card = token;
    }
}

void ReadPlayGrid(const std::array<std::string, kSeatCount>& lines, CardTextGrid& texts,
                  CardMarkGrid& marks) {
    for (auto& row : marks) row.fill(kPlain);
    std::vector<std::string> items(kTrickCount);
    for (int s = 0; s < kSeatCount; ++s) {
        ReadLineItems(lines[s], items);
        for (int t = 0; t < kTrickCount; ++t) SplitPlayToken(items[t], texts[s][t], marks[s][t]);
    }
}

void FindLead(int& seat, int& code, const CardMarkGrid& marks, const CardCodeGrid& codes) {
    seat = -1;
    code = -1;
    for (int s = 0; s < kSeatCount; ++s) {
        if (marks[s][0] == kLed) {
            seat = s;
            code = codes[s][0];
        }
    }
}

void SortHands(CardCodeGrid& sorted, const CardCodeGrid& codes, int order) {
    for (int s = 0; s < kSeatCount; ++s) {
        auto hand = codes[s];
        std::stable_sort(hand.begin(), hand.end(), std::greater<>());
        if (order == 1) std::reverse(hand.begin(), hand.end());
        sorted[s] = hand;
    }
}

bool IsPass(std::string_view call) {
    return call == "パス" || Contains(call, "Pas");
}

int CallStrain(std::string_view call) {
    if (call.empty() || call == "X" || call == "XX" || IsPass(call)) return -1;
    return SuitIndex(call.substr(1));
}

}  // namespace tallowen

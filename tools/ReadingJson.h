// The JSON that tallowen-read prints for each kind of window, and that tallowen-sim prints for
// what it drew: one writer, so the two programs can be compared text for text.
#pragma once

#include <algorithm>
#include <array>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "common/Notation.h"
#include "platform/Desktop.h"
#include "reading/Bidding.h"
#include "reading/LastHand.h"
#include "reading/LastTrick.h"
#include "reading/Score.h"

namespace tallowen::json {

inline std::string Quote(std::string_view s) {
    std::string out = "\"";
    for (unsigned char c : s) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += char(c);
        } else if (c < 0x20) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", c);
            out += buf;
        } else {
            out += char(c);
        }
    }
    return out + "\"";
}

inline std::string Num(long long n) {
    return std::to_string(n);
}

template <typename List, typename Item>
std::string Array(const List& list, Item item) {
    std::string out = "[";
    for (const auto& v : list) {
        if (out.size() > 1) out += ",";
        out += item(v);
    }
    return out + "]";
}

inline std::string Texts(const auto& list) {
    return Array(list, [](const auto& s) { return Quote(s); });
}
inline std::string Nums(const auto& list) {
    return Array(list, [](auto n) { return Num(n); });
}

inline std::string Auction(const AuctionReading& record) {
    std::vector<std::array<std::string, 4>> rows;
    for (int row = 1; row <= std::min(record.rows, kAuctionReadRows); ++row)
        rows.push_back({record.calls[0][std::size_t(row)], record.calls[1][std::size_t(row)],
                        record.calls[2][std::size_t(row)], record.calls[3][std::size_t(row)]});
    return "{\"error\":" + Num(Code(record.result)) + ",\"headings\":" + Texts(record.headings) +
           ",\"rows\":" + Num(record.rows) +
           ",\"calls\":" + Array(rows, [](const auto& row) { return Texts(row); }) + "}";
}

inline std::string Hand(const HandReading& hand) {
    return "{\"error\":" + Num(Code(hand.result)) + ",\"names\":" + Texts(hand.names) +
           ",\"cards\":" + Array(hand.cards, [](const auto& line) { return Texts(line); }) +
           ",\"marks\":" + Array(hand.marks, [](const auto& line) { return Nums(line); }) + "}";
}

// A trick not read shows rank -1 in the first position.
inline std::string Trick(const TrickReading& trick) {
    std::array<int, 4> ranks = trick.ranks;
    if (trick.outcome == TrickOutcome::Unreadable) ranks[0] = -1;
    return "{\"suits\":" + Nums(trick.suits) + ",\"ranks\":" + Nums(ranks) + "}";
}

inline std::string Score(const ScoreReading& reading) {
    const ScorePair& scores = reading.scores;
    return "{\"error\":" + Num(Code(reading.result)) + ",\"scores\":[" + Num(scores[0].Score) +
           "," + Num(scores[1].Score) + "],\"vul\":[" + Num(scores[0].Vul) + "," +
           Num(scores[1].Vul) + "]}";
}

inline std::string Tricks(bool found, int we, int they) {
    return std::string("{\"found\":") + (found ? "true" : "false") + ",\"we\":" + Num(we) +
           ",\"they\":" + Num(they) + "}";
}

// Button positions by kind 1..4; a kind at 0, 0 was not found and is left out.
inline std::string Buttons(const std::array<Point, 5>& at) {
    static const char* const names[] = {"", "bidding", "trick", "hand", "score"};
    std::string out = "{";
    for (int b = 1; b <= 4; ++b) {
        const Point p = at[std::size_t(b)];
        if (p.x == 0 && p.y == 0) continue;
        if (out.size() > 1) out += ",";
        out += Quote(names[b]) + ":[" + Num(p.x) + "," + Num(p.y) + "]";
    }
    return out + "}";
}

}  // namespace tallowen::json

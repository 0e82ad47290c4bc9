// Boards shared by the record-file tests; they match the golden files in data/records.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "records/Deal.h"

namespace tallowen::samples {

inline std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

inline void WriteBytesTo(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

inline std::filesystem::path Golden(const std::string& name) {
    return std::filesystem::path(TALLOWEN_TESTDATA) / "records" / name;
}

inline ScorePair Scores(int vul0, int vul1, int score0, int score1) {
    ScorePair pair;
    pair[0] = {score0, vul0};
    pair[1] = {score1, vul1};
    return pair;
}

// One no trump by North, played out to the eleventh trick and then claimed. Every suit is
// held by one seat, ace first, so that a shifted card shows at once.
inline Deal Western() {
    Deal d;
    d.Names = {"Zoë", "Bob", "Carol", "Dave"};
    d.Rounds = 2;
    d.Calls[1] = {"1C", "Pass", "1H", "Pass"};
    d.Calls[2] = {"1NT", "Pass", "Pass", "Pass"};
    d.ScoreBefore = Scores(0, 1, 1200, 350);
    d.ScoreAfter = Scores(0, 1, 1290, 350);
    const std::string ranks = "23456789TJQKA", suits = "CDHS";
    const int leaders[13] = {1, 1, 2, 3, 0, 0, 1, 2, 3, 0, 1, 2, 2};
    for (int s = 0; s < 4; ++s)
        for (int t = 0; t < 13; ++t) d.Cards[s][t] = {ranks[12 - t], suits[s]};
    for (int t = 0; t < 13; ++t) {
        if (t >= 11)
            for (int s = 0; s < 4; ++s) d.CardMarks[s][t] = 2;
        if (t <= 11) d.CardMarks[leaders[t]][t] = 1;
    }
    return d;
}

// The Japanese edition: Japanese names, South deals, passes written "パス", and the
// vulnerability before the board could not be read.
inline Deal Japanese() {
    Deal d;
    d.Names = {"山田", "鈴木", "佐藤", "田中"};
    d.AuctionNames = d.Names;
    d.Rounds = 2;
    d.Calls[1] = {"", "", "1S", "パス"};
    d.Calls[2] = {"パス", "パス", "", ""};
    d.ScoreBefore = Scores(-1, -1, 1500, 200);
    d.ScoreAfter = Scores(1, 0, 1500, 260);
    const std::string ranks = "23456789TJQKA", suits = "CDHS";
    for (int s = 0; s < 4; ++s)
        for (int t = 0; t < 13; ++t) {
            d.Cards[s][t] = {ranks[t], suits[(s + 1) % 4]};
            d.CardMarks[s][t] = (3 + t) % 4 == s ? 1 : 0;
        }
    return d;
}

}  // namespace tallowen::samples

#include "sim/SimRecord.h"

#include <algorithm>

namespace tallowen {

namespace {

std::string Scores(const ScorePair& s) {
    return std::to_string(s[0].Score) + "/" + std::to_string(s[0].Vul) + " " +
           std::to_string(s[1].Score) + "/" + std::to_string(s[1].Vul);
}

std::string CardsKey(const CardTextGrid& cards) {
    std::string key;
    for (const auto& hand : cards)
        for (const std::string& card : hand) key += card + ",";
    return key;
}

}  // namespace

void PutAuction(Deal& deal, const SimBoard& board) {
    const int cells = board.dealer + int(board.calls.size());
    deal.Rounds = std::min(kMaxRounds, (cells + 3) / 4);
    for (std::size_t i = 0; i < board.calls.size(); ++i) {
        const int cell = board.dealer + int(i), round = cell / 4 + 1;
        if (round <= kMaxRounds)
            deal.Calls[std::size_t(round)][std::size_t(cell % 4)] = board.calls[i];
    }
}

Deal RecordOf(const SimBoard& board) {
    Deal deal;
    deal.Names = deal.AuctionNames = board.names;
    PutAuction(deal, board);
    for (int seat = 0; seat < 4; ++seat)
        for (int k = 0; k < kTrickCount; ++k) {
            int mark = 0;
            const int code = board.PlayedCard(seat, k, mark);
            deal.Cards[std::size_t(seat)][std::size_t(k)] = CardText(code);
            deal.CardMarks[std::size_t(seat)][std::size_t(k)] = std::uint8_t(mark);
        }
    deal.ScoreBefore = board.before;
    deal.ScoreAfter = board.after;
    return deal;
}

std::vector<std::string> RecordDifferences(const Deal& recorded, const SimBoard& board) {
    return DealDifferences(recorded, RecordOf(board));
}

RecordMatch MatchRecords(const std::map<std::string, Deal>& records,
                         const std::vector<Deal>& played) {
    std::map<std::string, int> byCards;
    for (std::size_t i = 0; i < played.size(); ++i) byCards[CardsKey(played[i].Cards)] = int(i);
    RecordMatch out;
    out.boards.resize(played.size());
    for (const auto& [name, deal] : records) {
        const auto found = byCards.find(CardsKey(deal.Cards));
        if (found == byCards.end()) {
            out.strays.push_back(name);
            out.problems.push_back(name + " holds no board that was played");
            continue;
        }
        BoardOutcome& board = out.boards[std::size_t(found->second)];
        if (board.fate != BoardFate::Lost) {
            out.problems.push_back(name + " records a board twice");
            board = {BoardFate::Wrong, board.record + " " + name, "recorded twice"};
            continue;
        }
        const std::vector<std::string> differences =
            DealDifferences(deal, played[std::size_t(found->second)]);
        for (const std::string& d : differences) out.problems.push_back(name + ": " + d);
        board.record = name;
        board.fate = differences.empty() ? BoardFate::Right : BoardFate::Wrong;
        if (!differences.empty()) board.detail = differences.front();
    }
    for (std::size_t i = 0; i < played.size(); ++i)
        if (out.boards[i].fate == BoardFate::Lost) out.missing.push_back(int(i));
    return out;
}

std::vector<std::string> DealDifferences(const Deal& recorded, const Deal& want) {
    std::vector<std::string> out;
    for (int s = 0; s < kSeats; ++s) {
        const std::string& got = recorded.Names[std::size_t(s)];
        const std::string& name = want.Names[std::size_t(s)];
        if (got != name) out.push_back(SeatName(s) + ": name " + got + ", played by " + name);
    }
    if (recorded.Rounds != want.Rounds)
        out.push_back("rounds " + std::to_string(recorded.Rounds) + ", played " +
                      std::to_string(want.Rounds));
    for (int r = 1; r <= kMaxRounds; ++r)
        for (int s = 0; s < kSeats; ++s) {
            const std::string& got = recorded.Calls[std::size_t(r)][std::size_t(s)];
            const std::string& call = want.Calls[std::size_t(r)][std::size_t(s)];
            // A pass is kept in the edition's own word ("Passe", "パス").
            if (got != call && !(IsPass(got) && IsPass(call)))
                out.push_back("round " + std::to_string(r) + " " + SeatName(s) + ": call \"" + got +
                              "\", played \"" + call + "\"");
        }
    for (int s = 0; s < kSeats; ++s)
        for (int k = 0; k < kTricks; ++k) {
            const std::size_t i = std::size_t(s), j = std::size_t(k);
            if (recorded.Cards[i][j] == want.Cards[i][j] &&
                recorded.CardMarks[i][j] == want.CardMarks[i][j])
                continue;
            out.push_back(SeatName(s) + " card " + std::to_string(k + 1) + ": " +
                          recorded.Cards[i][j] + " mark " +
                          std::to_string(recorded.CardMarks[i][j]) + ", played " +
                          want.Cards[i][j] + " mark " + std::to_string(want.CardMarks[i][j]));
        }
    if (recorded.ScoreBefore != want.ScoreBefore)
        out.push_back("score before " + Scores(recorded.ScoreBefore) + ", board " +
                      Scores(want.ScoreBefore));
    if (recorded.ScoreAfter != want.ScoreAfter)
        out.push_back("score after " + Scores(recorded.ScoreAfter) + ", board " +
                      Scores(want.ScoreAfter));
    return out;
}

}  // namespace tallowen

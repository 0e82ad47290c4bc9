#include "sim/SimBoard.h"

#include <algorithm>

#include "records/Contract.h"
#include "records/LogSink.h"
#include "records/Scoring.h"
#include "sim/SimRecord.h"

namespace tallowen {

namespace {

const char* const kNamePool[] = {"Nora",   "Emil",   "Sam",   "Wanda", "Kato",  "Lina",
                                 "Otto",   "Rui",    "Ada",   "Bruno", "Clara", "Dario",
                                 "Elena",  "Felix",  "Greta", "Hugo",  "Ines",  "Jonas",
                                 "Mika99", "Tanaka", "Yuki",  "Paolo", "Quinn", "Vera"};

std::string BidText(int level, int strain) {
    return std::string(1, char('0' + level)) + SuitLetter(strain);
}

// The contract as the recorder reads it from the auction; no contract leaves the board passed
// out.
void ReadContract(SimBoard& b) {
    Deal deal;
    PutAuction(deal, b);
    NullLogSink log;
    FindContract(deal, log);
    b.declarer = -1;
    b.level = b.strain = b.doubled = 0;
    if (deal.Level < 1) return;
    b.declarer = deal.Declarer;
    b.level = deal.Level;
    b.strain = deal.Strain;
    b.doubled = deal.Doubled;
}

void PlayCards(SimBoard& b, SimRandom& rng, bool allowClaim) {
    std::array<std::vector<int>, 4> left;
    for (int s = 0; s < 4; ++s)
        left[std::size_t(s)].assign(b.hands[std::size_t(s)].begin(), b.hands[std::size_t(s)].end());
    b.played = kTrickCount;
    if (allowClaim && rng.Below(4) == 0) b.played = 6 + rng.Below(7);  // 6..12
    int leader = (b.declarer + 1) % 4;
    b.declarerTricks = 0;
    for (int t = 0; t < b.played; ++t) {
        std::array<int, 4> cards{};
        for (int i = 0; i < 4; ++i) {
            const int s = (leader + i) % 4;
            std::vector<int>& hand = left[std::size_t(s)];
            std::vector<int> choice;
            if (i > 0)
                for (int c : hand)
                    if (CardSuit(c) == CardSuit(cards[std::size_t(leader)])) choice.push_back(c);
            if (choice.empty()) choice = hand;
            const int card = choice[std::size_t(rng.Below(int(choice.size())))];
            std::erase(hand, card);
            cards[std::size_t(s)] = card;
        }
        b.tricks[std::size_t(t)] = cards;
        b.leaders[std::size_t(t)] = leader;
        leader = TrickWinner(cards, leader, b.strain);
        b.winners[std::size_t(t)] = leader;
        if (SideOf(leader) == SideOf(b.declarer)) ++b.declarerTricks;
    }
    // The declarer claims the rest; the cards not played keep their order in the hand.
    for (int t = b.played; t < kTrickCount; ++t) {
        for (int s = 0; s < 4; ++s)
            b.tricks[std::size_t(t)][std::size_t(s)] =
                left[std::size_t(s)][std::size_t(t - b.played)];
        b.leaders[std::size_t(t)] = b.winners[std::size_t(t)] = b.declarer;
        ++b.declarerTricks;
    }
}

void Score(SimBoard& b) {
    b.after = b.before;
    if (b.PassedOut()) return;
    const int side = SideOf(b.declarer);
    const int result = ContractResult(b.level, b.declarerTricks);
    const int points =
        DuplicateScore(b.level, b.strain, b.doubled, result, b.Vulnerable(side) ? 1 : 0);
    const int scorer = result > 0 ? side : 1 - side;
    b.after[std::size_t(scorer)].Score += points;
    // As on a rubber scoreboard, a side that makes a game is vulnerable from then on.
    if (result > 0 && TrickScore(b.level, b.strain, b.doubled) >= kGamePoints)
        b.after[std::size_t(side)].Vul = 1;
}

}  // namespace

int SimBoard::TricksWon(int side, int count) const {
    int n = 0;
    for (int t = 0; t < std::min(count, played); ++t)
        if (SideOf(winners[std::size_t(t)]) == side) ++n;
    return n;
}

int SimBoard::PlayedCard(int seat, int k, int& mark) const {
    if (PassedOut()) {
        mark = 0;
        return hands[std::size_t(seat)][std::size_t(k)];
    }
    mark = k >= played ? 2 : (leaders[std::size_t(k)] == seat ? 1 : 0);
    return tricks[std::size_t(k)][std::size_t(seat)];
}

void DealHands(SimBoard& board, std::uint32_t seed) {
    SimRandom rng(seed ^ 0xDEA1u);
    board.hands = ShuffleDeal(rng);
}

std::vector<std::string> MakeAuction(std::uint32_t seed, int minBids) {
    SimRandom rng(seed ^ 0xB1DDu);
    std::vector<std::string> calls;
    if (minBids <= 0 && rng.Below(10) == 0) return {"Pass", "Pass", "Pass", "Pass"};
    for (int n = rng.Below(4); n > 0; --n) calls.push_back("Pass");
    int level = 1, strain = rng.Below(5), bids = 0, passes = 0;
    int lastBid = -1, doubled = 0;  // call index of the last bid
    calls.push_back(BidText(level, strain));
    lastBid = int(calls.size()) - 1;
    ++bids;
    while (passes < 3) {
        const int seat = int(calls.size());
        const bool opponent = (seat - lastBid) % 2 == 1;
        const int roll = rng.Below(100);
        const bool wantBid = bids < minBids || roll < std::max(10, 45 - 4 * bids);
        if (wantBid && !(level == 7 && strain == kNoTrump)) {
            strain = strain + 1 + rng.Below(2);
            if (strain > kNoTrump) strain -= 5, ++level;
            if (level > 7) level = 7, strain = kNoTrump;
            calls.push_back(BidText(level, strain));
            lastBid = seat, doubled = 0, passes = 0, ++bids;
        } else if (opponent && doubled == 0 && roll >= 90) {
            calls.push_back("X");
            doubled = 1, passes = 0;
        } else if (!opponent && doubled == 1 && roll >= 80) {
            calls.push_back("XX");
            doubled = 2, passes = 0;
        } else {
            calls.push_back("Pass");
            ++passes;
        }
    }
    return calls;
}

void CompleteBoard(SimBoard& board, std::uint32_t seed, bool allowClaim) {
    SimRandom rng(seed ^ 0x91A7u);
    ReadContract(board);
    board.tricks = {};
    board.leaders = board.winners = {};
    board.played = 0;
    board.declarerTricks = 0;
    if (!board.PassedOut()) PlayCards(board, rng, allowClaim);
    Score(board);
}

RubberBoard RubberBoardOf(const SimBoard& b) {
    if (b.PassedOut()) return {};
    RubberBoard rubber{
        b.declarer, b.level, b.strain, b.doubled, ContractResult(b.level, b.declarerTricks), {}};
    for (int seat = 0; seat < kSeatCount; ++seat)
        rubber.honours[std::size_t(SideOf(seat))] +=
            HandHonourBonus(b.hands[std::size_t(seat)], b.strain);
    return rubber;
}

SimBoard MakeBoard(std::uint32_t seed) {
    SimRandom rng(seed);
    SimBoard board;
    std::vector<int> pool(std::size(kNamePool));
    for (std::size_t i = 0; i < pool.size(); ++i) pool[i] = int(i);
    for (int s = 0; s < 4; ++s) {
        std::swap(pool[std::size_t(s)], pool[std::size_t(s + rng.Below(int(pool.size()) - s))]);
        board.names[std::size_t(s)] = kNamePool[pool[std::size_t(s)]];
    }
    board.dealer = rng.Below(4);
    board.vulnerable = rng.Below(4);
    for (int side = 0; side < 2; ++side) {
        board.before[std::size_t(side)].Score = 10 * rng.Below(250);
        board.before[std::size_t(side)].Vul = board.Vulnerable(side) ? 1 : 0;
    }
    DealHands(board, seed);
    board.calls = MakeAuction(seed, 0);
    CompleteBoard(board, seed);
    return board;
}

}  // namespace tallowen

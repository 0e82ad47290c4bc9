#include "sim/SimBoard.h"

#include <algorithm>

#include "records/Scoring.h"

namespace tallowen {

namespace {

const char* const kNamePool[] = {"Nora",   "Emil",   "Sam",   "Wanda", "Kato",  "Lina",
                                 "Otto",   "Rui",    "Ada",   "Bruno", "Clara", "Dario",
                                 "Elena",  "Felix",  "Greta", "Hugo",  "Ines",  "Jonas",
                                 "Mika99", "Tanaka", "Yuki",  "Paolo", "Quinn", "Vera"};

std::string BidText(int level, int strain) {
    return std::string(1, char('0' + level)) + SuitLetter(strain);
}

int Suit(int code) {
    return code / 100;
}
int Rank(int code) {
    return code % 100;
}

// Highest trump, else highest card of the suit led.
int TrickWinner(const std::array<int, 4>& cards, int leader, int trump) {
    int best = leader;
    for (int i = 1; i < 4; ++i) {
        const int s = (leader + i) % 4;
        const int c = cards[std::size_t(s)], b = cards[std::size_t(best)];
        const bool beats = Suit(c) == Suit(b) ? Rank(c) > Rank(b) : (trump < 4 && Suit(c) == trump);
        if (beats) best = s;
    }
    return best;
}

void FindContract(SimBoard& b) {
    b.declarer = -1;
    b.level = b.strain = b.doubled = 0;
    int lastBidder = -1;
    for (std::size_t i = 0; i < b.calls.size(); ++i) {
        const std::string& call = b.calls[i];
        const int seat = (b.dealer + int(i)) % 4;
        if (call == "X") {
            b.doubled = 1;
        } else if (call == "XX") {
            b.doubled = 2;
        } else if (!call.empty() && call[0] >= '1' && call[0] <= '7') {
            b.level = call[0] - '0';
            b.strain = SuitIndex(call.substr(1));
            b.doubled = 0;
            lastBidder = seat;
        }
    }
    if (lastBidder < 0) return;
    // The declarer is the first of the side to name the final strain.
    for (std::size_t i = 0; i < b.calls.size(); ++i) {
        const int seat = (b.dealer + int(i)) % 4;
        const std::string& call = b.calls[i];
        if (SideOf(seat) == SideOf(lastBidder) && !call.empty() && call[0] >= '1' &&
            call[0] <= '7' && SuitIndex(call.substr(1)) == b.strain) {
            b.declarer = seat;
            return;
        }
    }
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
                    if (Suit(c) == Suit(cards[std::size_t(leader)])) choice.push_back(c);
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
    const int need = 6 + b.level;
    const int result = b.declarerTricks >= need ? b.declarerTricks - 6 : b.declarerTricks - need;
    const int points =
        DuplicateScore(b.level, b.strain, b.doubled, result, b.Vulnerable(side) ? 1 : 0);
    const int scorer = result > 0 ? side : 1 - side;
    b.after[std::size_t(scorer)].Score += points;
    // As on a rubber scoreboard, a side that makes a game is vulnerable from then on.
    if (result > 0 && TrickScore(b.level, b.strain, b.doubled) >= 100)
        b.after[std::size_t(side)].Vul = 1;
}

}  // namespace

std::uint64_t SimRandom::Next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

int SimRandom::Below(int n) {
    return n <= 1 ? 0 : int(Next() % std::uint64_t(n));
}

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
    std::vector<int> deck;
    for (int s = 0; s < 4; ++s)
        for (int r = 2; r <= 14; ++r) deck.push_back(s * 100 + r);
    for (int i = 51; i > 0; --i)
        std::swap(deck[std::size_t(i)], deck[std::size_t(rng.Below(i + 1))]);
    for (int s = 0; s < 4; ++s) {
        auto& hand = board.hands[std::size_t(s)];
        std::copy(deck.begin() + 13 * s, deck.begin() + 13 * (s + 1), hand.begin());
        // Spades first, high cards first, as a hand is held.
        std::sort(hand.begin(), hand.end(), std::greater<int>());
    }
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
        if (wantBid && !(level == 7 && strain == 4)) {
            strain = strain + 1 + rng.Below(2);
            if (strain > 4) strain -= 5, ++level;
            if (level > 7) level = 7, strain = 4;
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
    FindContract(board);
    board.tricks = {};
    board.leaders = board.winners = {};
    board.played = 0;
    board.declarerTricks = 0;
    if (!board.PassedOut()) PlayCards(board, rng, allowClaim);
    Score(board);
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
